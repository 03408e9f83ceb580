// The bundled idiom sources: whatever files assets/idioms holds must build,
// and each entry must be complete and carry a real pinyin syllable, with its
// tone mark, for every Chinese character.
#include "tests/store/store_test_support.h"

#include <set>
#include <sstream>

#include "tests/support/temp_dir.h"
#include "tools/store_builder/idiom_source.h"
#include "tools/store_builder/pinyin.h"

namespace {

// The syllables of standard Mandarin, toneless, ü written v.
const std::set<std::string>& Syllables()
{
    static const std::set<std::string> set = [] {
        std::istringstream in(
            "a ai an ang ao ba bai ban bang bao bei ben beng bi bian biao bie bin bing bo bu "
            "ca cai can cang cao ce cen ceng cha chai chan chang chao che chen cheng chi chong chou chu chua "
            "chuai chuan chuang chui chun chuo ci cong cou cu cuan cui cun cuo "
            "da dai dan dang dao de dei den deng di dia dian diao die ding diu dong dou du duan dui dun duo "
            "e ei en eng er fa fan fang fei fen feng fo fou fu "
            "ga gai gan gang gao ge gei gen geng gong gou gu gua guai guan guang gui gun guo "
            "ha hai han hang hao he hei hen heng hong hou hu hua huai huan huang hui hun huo "
            "ji jia jian jiang jiao jie jin jing jiong jiu ju juan jue jun "
            "ka kai kan kang kao ke kei ken keng kong kou ku kua kuai kuan kuang kui kun kuo "
            "la lai lan lang lao le lei leng li lia lian liang liao lie lin ling liu lo long lou lu luan lun luo "
            "lv lve ma mai man mang mao me mei men meng mi mian miao mie min ming miu mo mou mu "
            "na nai nan nang nao ne nei nen neng ni nian niang niao nie nin ning niu nong nou nu nuan nun nuo "
            "nv nve o ou pa pai pan pang pao pei pen peng pi pian piao pie pin ping po pou pu "
            "qi qia qian qiang qiao qie qin qing qiong qiu qu quan que qun "
            "ran rang rao re ren reng ri rong rou ru rua ruan rui run ruo "
            "sa sai san sang sao se sen seng sha shai shan shang shao she shei shen sheng shi shou shu shua "
            "shuai shuan shuang shui shun shuo si song sou su suan sui sun suo "
            "ta tai tan tang tao te tei teng ti tian tiao tie ting tong tou tu tuan tui tun tuo "
            "wa wai wan wang wei wen weng wo wu xi xia xian xiang xiao xie xin xing xiong xiu xu xuan xue xun "
            "ya yan yang yao ye yi yin ying yo yong you yu yuan yue yun "
            "za zai zan zang zao ze zei zen zeng zha zhai zhan zhang zhao zhe zhei zhen zheng zhi zhong zhou "
            "zhu zhua zhuai zhuan zhuang zhui zhun zhuo zi zong zou zu zuan zui zun zuo m n ng hm hng");
        std::set<std::string> s;
        for (std::string w; in >> w;)
            s.insert(w);
        return s;
    }();
    return set;
}

// What is wrong with one bundled file, one line per problem.
std::vector<std::string> BundleProblems(const std::filesystem::path& file, IdiomEntries& entries)
{
    std::vector<std::string> problems;
    try {
        entries = ParseIdiomSource(FileBytes(file), file.filename().string());
    } catch (const BuildError& e) {
        problems.push_back(e.what());
        return problems;
    }
    for (const IdiomEntry& e : entries) {
        const std::string where = e.origin + ": " + e.idiom + ": ";
        // The source may stay empty: many idioms of modern usage have no
        // literary origin, and an empty field beats an invented one.
        const std::pair<const char*, const std::string*> required[] = {
            {"explanation", &e.explanation}, {"example", &e.example}};
        for (const auto& [name, text] : required)
            if (text->empty())
                problems.push_back(where + name + ": missing");
        for (const std::string& s : PinyinSyllables(e.pinyin)) {
            if (s.find_first_of("0123456789") != std::string::npos)
                problems.push_back(where + "pinyin: \"" + s + "\" has a tone digit; the bundle writes tone marks");
            else if (!Syllables().count(PinyinKey(s)))
                problems.push_back(where + "pinyin: \"" + s + "\" is no Mandarin syllable");
        }
    }
    for (const EntryProblem& p : FindEntryProblems(entries))
        problems.push_back(p.message);
    return problems;
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

} // namespace

TEST_CASE("the bundled idiom sources are complete and build together")
{
    const std::filesystem::path folder = QUORLEN_BUNDLED_IDIOMS;
    if (!std::filesystem::is_directory(folder) || SourceFilesIn(folder).empty()) {
        MESSAGE("no bundled idiom sources in " << folder.string());
        return;
    }
    IdiomEntries all;
    for (const auto& file : SourceFilesIn(folder)) {
        IdiomEntries entries;
        const std::vector<std::string> problems = BundleProblems(file, entries);
        CHECK_MESSAGE(problems.empty(), file.string() << ":\n" << Joined(problems));
        all.insert(all.end(), entries.begin(), entries.end());
    }
    // no idiom twice across the files either
    std::vector<std::string> across;
    for (const EntryProblem& p : FindEntryProblems(all))
        across.push_back(p.message);
    CHECK_MESSAGE(across.empty(), Joined(across));
    MESSAGE(all.size() << " bundled idioms");
}

TEST_CASE("the bundle check finds what a careless entry gets wrong")
{
    TempDir dir;
    const auto file = dir.path() / "bad.txt";
    WriteFile(file,
              "idiom: 画蛇添足\npinyin: huà shé tiān zú\nexplanation: 比喻做了多余的事。\n"
              "source: 《战国策·齐策二》\nexample:\nsynonyms:\nantonyms:\nother:\n\n"
              "idiom: 一马当先\npinyin: yi1 mǎ dāng xiān\nexplanation: 形容领先。\nsource: 《水浒全传》\n"
              "example: 他一马当先。\nsynonyms:\nantonyms:\nother:\n\n"
              "idiom: 守株待兔\npinyin: shǒu zhū dài tùu\nexplanation: 比喻死守经验。\nsource: 《韩非子·五蠹》\n"
              "example: 不能守株待兔。\nsynonyms:\nantonyms:\nother:\n\n"
              "idiom: 马到成功\npinyin: mǎ dào chéng\nexplanation: 形容成功迅速。\nsource: 元·无名氏《小尉迟》\n"
              "example: 祝你马到成功。\nsynonyms:\nantonyms:\nother:\n\n"
              "idiom: 画蛇添足\npinyin: huà shé tiān zú\nexplanation: 重复。\nsource: 重复。\n"
              "example: 重复。\nsynonyms:\nantonyms:\nother:\n");
    IdiomEntries entries;
    const std::string problems = Joined(BundleProblems(file, entries));
    CHECK(problems.find("bad.txt:1: 画蛇添足: example: missing") != std::string::npos);
    CHECK(problems.find("bad.txt:10: 一马当先: pinyin: \"yi1\" has a tone digit") != std::string::npos);
    CHECK(problems.find("bad.txt:19: 守株待兔: pinyin: \"tùu\" is no Mandarin syllable") != std::string::npos);
    CHECK(problems.find("bad.txt:28: 马到成功: pinyin: 3 syllables for 4 Chinese characters") != std::string::npos);
    CHECK(problems.find("bad.txt:37: 画蛇添足: idiom: duplicate of bad.txt:1") != std::string::npos);

    WriteFile(file, "idiom: 画蛇添足\npinyin: huà shé tiān zú\n\n");
    CHECK(Joined(BundleProblems(file, entries)).find("fields missing") != std::string::npos);
}

TEST_CASE("the test fixtures pass the bundle check")
{
    IdiomEntries all;
    for (const auto& file : SourceFilesIn(QUORLEN_STORE_FIXTURES)) {
        IdiomEntries entries;
        const auto problems = BundleProblems(file, entries);
        for (const std::string& p : problems)
            CHECK_MESSAGE(false, p);
        all.insert(all.end(), entries.begin(), entries.end());
    }
    CHECK(all.size() == 5);
}
