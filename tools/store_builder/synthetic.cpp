#include "tools/store_builder/synthetic.h"

#include <cstdint>
#include <string>
#include <unordered_set>

namespace {

struct Character {
    const char* han;
    const char* pinyin;
};

// Common characters with one reading each; every one encodes in GBK.
constexpr Character kCharacters[] = {
    {"一", "yī"},    {"二", "èr"},     {"三", "sān"},    {"四", "sì"},     {"五", "wǔ"},     {"六", "liù"},
    {"七", "qī"},    {"八", "bā"},     {"九", "jiǔ"},    {"十", "shí"},    {"百", "bǎi"},    {"千", "qiān"},
    {"万", "wàn"},   {"人", "rén"},    {"心", "xīn"},    {"天", "tiān"},   {"地", "dì"},     {"山", "shān"},
    {"水", "shuǐ"},  {"风", "fēng"},   {"云", "yún"},    {"雨", "yǔ"},     {"日", "rì"},     {"月", "yuè"},
    {"星", "xīng"},  {"花", "huā"},    {"草", "cǎo"},    {"木", "mù"},     {"林", "lín"},    {"石", "shí"},
    {"金", "jīn"},   {"火", "huǒ"},    {"土", "tǔ"},     {"光", "guāng"},  {"明", "míng"},   {"春", "chūn"},
    {"秋", "qiū"},   {"冬", "dōng"},   {"夏", "xià"},    {"东", "dōng"},   {"西", "xī"},     {"南", "nán"},
    {"北", "běi"},   {"中", "zhōng"},  {"上", "shàng"},  {"下", "xià"},    {"左", "zuǒ"},    {"右", "yòu"},
    {"前", "qián"},  {"后", "hòu"},    {"大", "dà"},     {"小", "xiǎo"},   {"多", "duō"},    {"少", "shǎo"},
    {"高", "gāo"},   {"低", "dī"},     {"长", "cháng"},  {"短", "duǎn"},   {"新", "xīn"},    {"古", "gǔ"},
    {"今", "jīn"},   {"来", "lái"},    {"去", "qù"},     {"出", "chū"},    {"入", "rù"},     {"开", "kāi"},
    {"关", "guān"},  {"生", "shēng"},  {"死", "sǐ"},     {"老", "lǎo"},    {"马", "mǎ"},     {"牛", "niú"},
    {"羊", "yáng"},  {"龙", "lóng"},   {"虎", "hǔ"},     {"鸟", "niǎo"},   {"鱼", "yú"},     {"鹤", "hè"},
    {"狗", "gǒu"},   {"鸡", "jī"},     {"蛇", "shé"},    {"兔", "tù"},     {"猴", "hóu"},    {"凤", "fèng"},
    {"鹿", "lù"},    {"手", "shǒu"},   {"口", "kǒu"},    {"目", "mù"},     {"耳", "ěr"},     {"头", "tóu"},
    {"足", "zú"},    {"身", "shēn"},   {"面", "miàn"},   {"眼", "yǎn"},    {"言", "yán"},    {"语", "yǔ"},
    {"文", "wén"},   {"字", "zì"},     {"书", "shū"},    {"画", "huà"},    {"诗", "shī"},    {"歌", "gē"},
    {"词", "cí"},    {"家", "jiā"},    {"国", "guó"},    {"门", "mén"},    {"路", "lù"},     {"道", "dào"},
    {"城", "chéng"}, {"江", "jiāng"},  {"河", "hé"},     {"湖", "hú"},     {"海", "hǎi"},    {"田", "tián"},
    {"园", "yuán"},  {"知", "zhī"},    {"行", "xíng"},   {"学", "xué"},    {"问", "wèn"},    {"思", "sī"},
    {"想", "xiǎng"}, {"见", "jiàn"},   {"闻", "wén"},    {"听", "tīng"},   {"说", "shuō"},   {"看", "kàn"},
    {"望", "wàng"},  {"自", "zì"},     {"得", "dé"},     {"失", "shī"},    {"成", "chéng"},  {"败", "bài"},
    {"功", "gōng"},  {"名", "míng"},   {"利", "lì"},     {"义", "yì"},     {"信", "xìn"},    {"忠", "zhōng"},
    {"孝", "xiào"},  {"仁", "rén"},    {"礼", "lǐ"},     {"智", "zhì"},    {"勇", "yǒng"},   {"安", "ān"},
    {"危", "wēi"},   {"平", "píng"},   {"乱", "luàn"},   {"和", "hé"},     {"同", "tóng"},   {"异", "yì"},
    {"喜", "xǐ"},    {"怒", "nù"},     {"哀", "āi"},     {"乐", "lè"},     {"爱", "ài"},     {"恨", "hèn"},
    {"忧", "yōu"},   {"愁", "chóu"},   {"白", "bái"},    {"黑", "hēi"},    {"红", "hóng"},   {"青", "qīng"},
    {"绿", "lǜ"},    {"黄", "huáng"},  {"紫", "zǐ"},     {"快", "kuài"},   {"慢", "màn"},    {"急", "jí"},
    {"轻", "qīng"},  {"重", "zhòng"},  {"深", "shēn"},   {"浅", "qiǎn"},   {"远", "yuǎn"},   {"近", "jìn"},
    {"无", "wú"},    {"有", "yǒu"},    {"不", "bù"},     {"可", "kě"},     {"能", "néng"},   {"以", "yǐ"},
    {"为", "wéi"},   {"之", "zhī"},    {"其", "qí"},     {"所", "suǒ"},    {"而", "ér"},     {"如", "rú"},
    {"若", "ruò"},   {"非", "fēi"},    {"是", "shì"},    {"气", "qì"},     {"力", "lì"},     {"神", "shén"},
    {"意", "yì"},    {"情", "qíng"},   {"理", "lǐ"},     {"事", "shì"},    {"物", "wù"},     {"时", "shí"},
    {"空", "kōng"},  {"声", "shēng"},  {"色", "sè"},     {"香", "xiāng"},  {"味", "wèi"},    {"笑", "xiào"},
    {"走", "zǒu"},   {"飞", "fēi"},    {"坐", "zuò"},    {"立", "lì"},     {"王", "wáng"},   {"君", "jūn"},
    {"臣", "chén"},  {"民", "mín"},    {"兵", "bīng"},   {"将", "jiàng"},  {"师", "shī"},    {"友", "yǒu"},
    {"父", "fù"},    {"母", "mǔ"},     {"子", "zǐ"},     {"女", "nǚ"},     {"兄", "xiōng"},  {"弟", "dì"},
    {"玉", "yù"},    {"珠", "zhū"},    {"宝", "bǎo"},    {"剑", "jiàn"},   {"刀", "dāo"},    {"破", "pò"},
    {"竹", "zhú"},   {"松", "sōng"},   {"梅", "méi"},    {"兰", "lán"},    {"菊", "jú"},     {"柳", "liǔ"},
    {"桃", "táo"},   {"李", "lǐ"},     {"步", "bù"},     {"登", "dēng"},   {"攀", "pān"},    {"归", "guī"},
    {"随", "suí"},   {"惊", "jīng"},   {"动", "dòng"},   {"静", "jìng"},   {"守", "shǒu"},   {"求", "qiú"},
    {"全", "quán"},  {"半", "bàn"},    {"独", "dú"},     {"双", "shuāng"}, {"真", "zhēn"},   {"假", "jiǎ"},
    {"美", "měi"},   {"善", "shàn"},   {"恶", "è"},      {"清", "qīng"},   {"浊", "zhuó"},   {"虚", "xū"},
    {"实", "shí"},   {"胜", "shèng"},  {"兴", "xīng"},    {"穷", "qióng"},  {"富", "fù"},     {"贵", "guì"},
    {"贫", "pín"},   {"难", "nán"},    {"易", "yì"},     {"苦", "kǔ"},     {"甘", "gān"},    {"落", "luò"},
};
constexpr size_t kCharacterCount = std::size(kCharacters);

constexpr const char* kDynasties[] = {"先秦", "汉", "晋", "南朝宋", "唐", "宋", "元", "明", "清"};
constexpr const char* kUsages[] = {"主谓式；作谓语、定语；含褒义。", "联合式；作谓语、宾语；含贬义。",
                                   "偏正式；作定语、状语；形容人的品行。", "动宾式；作谓语；用于书面语。"};

// splitmix64: the same numbers on every compiler and platform, unlike the
// standard library's distributions.
class Sequence {
public:
    explicit Sequence(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
    size_t Between(size_t low, size_t high) { return low + Below(high - low + 1); }

private:
    uint64_t state_;
};

std::string Characters(Sequence& seq, size_t count)
{
    std::string text;
    for (size_t i = 0; i < count; ++i)
        text += kCharacters[seq.Below(kCharacterCount)].han;
    return text;
}

// Prose of about length characters: clauses of four to eleven characters.
std::string Prose(Sequence& seq, size_t length)
{
    std::string text;
    size_t written = 0;
    while (written < length) {
        const size_t clause = std::min(seq.Between(4, 11), length - written);
        text += Characters(seq, clause);
        written += clause + 1;
        text += written < length ? "，" : "。";
    }
    return text;
}

std::string Source(Sequence& seq)
{
    const std::string text = std::string(kDynasties[seq.Below(std::size(kDynasties))]) + "·" +
                             Characters(seq, seq.Between(2, 3)) + "《" + Characters(seq, seq.Between(2, 6)) + "》";
    return text + "：“" + Prose(seq, seq.Between(8, 60)) + "”";
}

std::string Other(Sequence& seq)
{
    const size_t target = seq.Between(50, 400);
    std::string text = std::string("【用法】") + kUsages[seq.Below(std::size(kUsages))];
    size_t length = 22;  // the longest usage line, in characters
    const char* headings[] = {"\n【辨析】", "\n【典故】", "\n【例句】"};
    // a section is its line break, a four-character heading and prose closed by one mark
    for (size_t h = 0; length + 12 <= target; h = (h + 1) % std::size(headings)) {
        const size_t part = std::min<size_t>(seq.Between(30, 120), target - length - 6);
        text += headings[h] + Prose(seq, part);
        length += part + 6;
    }
    return text;
}

std::string Related(Sequence& seq, const IdiomEntries& earlier, size_t most)
{
    std::string text;
    const size_t count = earlier.empty() ? 0 : seq.Below(most + 1);
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            text += "、";
        text += earlier[seq.Below(earlier.size())].idiom;
    }
    return text;
}

} // namespace

IdiomEntries SyntheticEntries(size_t count)
{
    Sequence seq(20240607);
    IdiomEntries entries;
    entries.reserve(count);
    std::unordered_set<std::string> seen;
    seen.reserve(count);
    while (entries.size() < count) {
        // about one idiom in thirty is longer than four characters, like a real dictionary
        const size_t length = seq.Below(30) == 0 ? seq.Between(5, 12) : 4;
        IdiomEntry e;
        for (size_t i = 0; i < length; ++i) {
            const Character& c = kCharacters[seq.Below(kCharacterCount)];
            e.idiom += c.han;
            if (i > 0)
                e.pinyin += ' ';
            e.pinyin += c.pinyin;
        }
        if (!seen.insert(e.idiom).second)
            continue;
        e.explanation = Prose(seq, seq.Between(30, 120));
        e.source = Source(seq);
        e.example = Prose(seq, seq.Between(20, 60));
        e.synonyms = Related(seq, entries, 3);
        e.antonyms = Related(seq, entries, 2);
        if (seq.Below(12) != 0)  // some entries carry no further material
            e.other = Other(seq);
        e.origin = "synthetic entry " + std::to_string(entries.size() + 1);
        entries.push_back(std::move(e));
    }
    return entries;
}
