// store_builder: turns idiom sources into the tirsel.edt the program reads.
#include <charconv>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "tools/store_builder/idiom_source.h"
#include "tools/store_builder/store_writer.h"
#include "tools/store_builder/synthetic.h"

namespace {

constexpr const char* kUsage =
    "usage: store_builder [--synthetic [N]] [--skip-bad] -o OUT.edt [INPUT ...]\n"
    "\n"
    "Writes the idiom store OUT.edt from the inputs, in order:\n"
    "  a folder      its *.txt source files, in file-name order\n"
    "  FILE.json     the idiom list of the public chinese-xinhua data set (idiom.json)\n"
    "  FILE          a source file in the project's format (see assets/idioms)\n"
    "\n"
    "  -o OUT.edt       the store to write; replaced only when the build succeeds\n"
    "  --synthetic [N]  write N made-up idioms instead of inputs (default 51470), for benchmarks\n"
    "  --skip-bad       leave out entries that cannot be stored (each one is reported)\n"
    "                   instead of failing; for data sets that are not the project's own\n"
    "  -h, --help       this text\n";

struct Options {
    std::filesystem::path output;
    std::vector<std::filesystem::path> inputs;
    bool synthetic = false;
    size_t synthetic_rows = kSyntheticDefaultRows;
    bool skip_bad = false;
    bool help = false;
};

struct UsageError {
    std::string message;
};

bool ParseCount(std::string_view text, size_t& count)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    return ec == std::errc() && end == text.data() + text.size();
}

Options ParseArguments(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "-o") {
            if (i + 1 >= argc)
                throw UsageError{"-o needs a file name"};
            options.output = argv[++i];
        } else if (arg == "--synthetic") {
            options.synthetic = true;
            if (i + 1 < argc && ParseCount(argv[i + 1], options.synthetic_rows))
                ++i;
            if (options.synthetic_rows == 0)
                throw UsageError{"--synthetic needs at least one row"};
        } else if (arg == "--skip-bad") {
            options.skip_bad = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw UsageError{"unknown option " + std::string(arg)};
        } else {
            options.inputs.emplace_back(arg);
        }
    }
    if (options.help)
        return options;
    if (options.output.empty())
        throw UsageError{"no output file (-o OUT.edt)"};
    if (options.synthetic && !options.inputs.empty())
        throw UsageError{"--synthetic takes no inputs"};
    if (!options.synthetic && options.inputs.empty())
        throw UsageError{"no inputs"};
    return options;
}

// Drops what cannot be stored, saying what and why on the error stream.
IdiomEntries WithoutBadEntries(IdiomEntries entries)
{
    const std::vector<EntryProblem> problems = FindEntryProblems(entries);
    if (problems.empty())
        return entries;
    std::vector<bool> bad(entries.size(), false);
    for (const EntryProblem& p : problems) {
        std::fprintf(stderr, "store_builder: skipped: %s\n", p.message.c_str());
        bad[p.index] = true;
    }
    IdiomEntries kept;
    kept.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i)
        if (!bad[i])
            kept.push_back(std::move(entries[i]));
    std::fprintf(stderr, "store_builder: skipped %zu of %zu entries\n", entries.size() - kept.size(),
                 entries.size());
    return kept;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    try {
        options = ParseArguments(argc, argv);
    } catch (const UsageError& e) {
        std::fprintf(stderr, "store_builder: %s\n\n%s", e.message.c_str(), kUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    try {
        IdiomEntries entries =
            options.synthetic ? SyntheticEntries(options.synthetic_rows) : ReadIdiomInputs(options.inputs);
        if (options.skip_bad)
            entries = WithoutBadEntries(std::move(entries));
        WriteStore(entries, options.output);
        std::printf("store_builder: wrote %zu idioms to %s\n", entries.size(), options.output.string().c_str());
        return 0;
    } catch (const BuildError& e) {
        std::fprintf(stderr, "store_builder: %s\n", e.what());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "store_builder: failed: %s\n", e.what());
    }
    return 1;
}
