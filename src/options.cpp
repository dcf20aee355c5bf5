#include "options.h"

#include "console/answers.h"
#include "demos/demos.h"

#include <cctype>
#include <getopt.h>
#include <iterator>
#include <limits>
#include <vector>

const OptionEntry optionTable[] = {
    {'d', "defaults", OptionEntry::none, nullptr,
     "run the DEMO on its own values, its question answered for you",
     "run the DEMO named on its own values, its question answered", "Default values", true},
    {'p', "pictures", OptionEntry::none, nullptr,
     "after each demo, draw what it learned: its learning curve\nand where it decides, or what a memory "
     "recalled",
     "after each demo, pictures of what it learned", "Pictures", false},
    {'e', "explain", OptionEntry::optional, "[=all]",
     "before each training its rule and a legend of the trace;\nafter each step, its arithmetic with the "
     "numbers put in;\nof a training of more than 20 steps or cycles, the first\nand last 10 (=all: every "
     "one)",
     "each training's rule, and each step's arithmetic", "Explain", false},
    {0, "quiz", OptionEntry::optional, "[=N]",
     "before each of the first N steps or cycles (3, or all)\nshows its results, ask for them, and grade the "
     "answer",
     "ask for the first 3 (or N) units' results before they show", "Quiz", false},
    {0, "digits", OptionEntry::required, "=N",
     "the quiz's answers need N significant digits or N decimals,\nor the exact value (3)",
     "the quiz's answers need N digits (3)", nullptr, false},
    {0, "answers", OptionEntry::required, "=FILE",
     "read the quiz's answers from FILE, one line a question,\nthe dialog's still from standard input",
     "the quiz's answers read from FILE", nullptr, false},
    {0, "sheet", OptionEntry::none, nullptr,
     "write the DEMO's problem and the quiz's questions on it,\nto be worked on paper (with --exercise, "
     "its problem)",
     nullptr, nullptr, true},
    {0, "key", OptionEntry::none, nullptr,
     "write the answers to the sheet's questions, worked, and\nthe end of the training", nullptr, nullptr,
     true},
    {0, "grade", OptionEntry::none, nullptr,
     "grade the answer FILEs named before the DEMO, a row each\n(tab-separated): the score, and each "
     "question 1 or 0",
     nullptr, nullptr, true},
    {0, "exercise", OptionEntry::required, "=SEED",
     "run each demo on values drawn from SEED, a new problem\nof the textbook's kind",
     "a new problem drawn from SEED", nullptr, false},
    {0, "problem", OptionEntry::none, nullptr, "with --exercise, each demo's problem alone, not solved",
     "with --exercise, the problem alone", nullptr, false},
    {'s', "step", OptionEntry::none, nullptr,
     "pause after every step or cycle: Enter for the next, a\nnumber N for N more, c to the end, q to stop "
     "training",
     "pause after every step or cycle", "Step by step", false},
    {0, "brief", OptionEntry::optional, "[=N]",
     "of each training, only the first N (two) and the last N\nsteps or cycles in full",
     "of each training, only the first and last units in full", "Brief trace", false},
    {0, "echo", OptionEntry::none, nullptr,
     "write each answer read from a file after its prompt, as a\nterminal shows it, so that a saved trace "
     "reads as typed",
     "each answer read from a file written after its prompt", nullptr, false},
    {0, "curve", OptionEntry::required, " FILE",
     "write the learning curve of every training run to FILE, as\ntab-separated columns: demo, run, measure, "
     "cycle, value",
     "the learning curves, for a plotting tool", nullptr, false},
    {0, "svg", OptionEntry::required, "=DIR",
     "write each run's pictures into DIR as SVG files, named by\ndemo, run and picture (sdpta-1-plane.svg); "
     "with --step,\nthe plane at each pause too (sdpta-1-plane-step-3.svg)",
     "each run's pictures as SVG files in DIR", nullptr, false},
    {'h', "help", OptionEntry::none, nullptr, "show this help and end", nullptr, nullptr, false},
    {0, "version", OptionEntry::none, nullptr, "show the version and the licence, and end", nullptr, nullptr,
     false},
};
const std::size_t optionCount = std::size(optionTable);

std::string optionSyntax(const OptionEntry& option) {
    return (option.letter ? std::string("-") + option.letter + ", " : "    ") + "--" + option.name +
           (option.valueName ? option.valueName : "");
}

namespace {

// The options' lines of --help or of the menu's help: the syntax, then the words from column
// 20 (or two blanks after a longer syntax), their further lines from column 20 too.
std::string optionList(bool forMenu) {
    constexpr std::size_t wordsColumn = 20;
    std::string list;
    for (const OptionEntry& option : optionTable) {
        const char* const words = forMenu ? option.menuHelp : option.help;
        if (!words)
            continue;
        const std::string syntax = "  " + optionSyntax(option);
        list += syntax + std::string(syntax.size() + 2 > wordsColumn ? 2 : wordsColumn - syntax.size(), ' ');
        for (const char* c = words; *c; ++c)
            list += *c == '\n' ? "\n" + std::string(wordsColumn, ' ') : std::string(1, *c);
        list += "\n";
    }
    return list;
}

Options actionAlone(Options::Action action) {
    Options options;
    options.action = action;
    return options;
}

Options failure(const std::string& what) {
    Options options;
    options.action = Options::Action::Error;
    options.error = what;
    return options;
}

// --brief alone keeps 2 units at either end of a training; --brief=N, N.
bool readBriefCount(const char* value, int& count) {
    if (!value)
        count = 2;
    else
        return readWhole(value, count) && count > 0;
    return true;
}

// --quiz alone asks about the first 3 units; --quiz=N about N, --quiz=all about every one.
bool readQuizCount(const char* value, int& count) {
    if (!value)
        count = 3;
    else if (std::string(value) == "all")
        count = std::numeric_limits<int>::max();
    else
        return readWhole(value, count) && count > 0;
    return true;
}

// A seed is a whole number, 0 to 2^64 - 1, written in digits alone.
bool readSeed(const char* value, std::uint64_t& seed) {
    const std::string digits = value;
    return !digits.empty() && digits.find_first_not_of("0123456789") == std::string::npos &&
           readWhole(digits, seed);
}

} // namespace

Options parseOptions(int argc, char* argv[]) {
    // getopt's table, made from the options' table: an option's code is its letter, or for
    // one without a letter 256 and its place in the table.
    constexpr int firstLongCode = 256;
    std::vector<option> longOptions;
    std::string letters = ":"; // the leading colon keeps getopt's own messages back
    for (std::size_t i = 0; i < optionCount; ++i) {
        const OptionEntry& entry = optionTable[i];
        const int argument = entry.value == OptionEntry::none       ? no_argument
                             : entry.value == OptionEntry::optional ? optional_argument
                                                                    : required_argument;
        longOptions.push_back({entry.name, argument, nullptr,
                               entry.letter ? entry.letter : firstLongCode + static_cast<int>(i)});
        if (entry.letter)
            letters += entry.letter;
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});
    const auto nameOf = [](int code) -> std::string {
        for (std::size_t i = 0; i < optionCount; ++i)
            if (code == (optionTable[i].letter ? optionTable[i].letter : firstLongCode + static_cast<int>(i)))
                return optionTable[i].name;
        return "";
    };
    Options options;
    bool grading = false;
    // 0, not 1: getopt forgets too where it was within a word of short options (-dp) that an
    // earlier parse left unfinished.
    optind = 0;
    for (int code; (code = getopt_long(argc, argv, letters.c_str(), longOptions.data(), nullptr)) != -1;) {
        // What the user typed for the option getopt has just looked at (before its value,
        // when that is a word of its own).
        const std::string typed = optarg && optarg == argv[optind - 1] ? argv[optind - 2] : argv[optind - 1];
        Settings& asked = options.settings;
        const std::string name = nameOf(code);
        if (code == ':')
            return failure("'" + typed +
                           (nameOf(optopt) == "exercise" ? "' needs a seed"
                            : nameOf(optopt) == "digits" ? "' needs a number of digits"
                            : nameOf(optopt) == "svg"    ? "' needs a folder"
                                                         : "' needs a file name"));
        if (code == '?' && typed.rfind("--", 0) == 0) // a long option, named as it was given
            return failure(optopt ? "'" + typed + "' takes no value" : "unknown option '" + typed + "'");
        if (code == '?')
            return failure(std::string("unknown option '-") + static_cast<char>(optopt) + "'");
        if (name == "defaults")
            asked.defaultsAnswered = true;
        else if (name == "pictures")
            asked.pictures = true;
        else if (name == "explain" && optarg && std::string(optarg) != "all")
            return failure("'" + typed + "' takes no value but all");
        else if (name == "explain") {
            asked.explain = true;
            asked.explainAll = optarg != nullptr; // --explain=all
        } else if (name == "step")
            asked.step = true;
        else if (name == "brief" && !readBriefCount(optarg, asked.brief))
            return failure("'" + typed + "' needs a number of steps or cycles to keep at either end");
        else if (name == "curve" && *optarg == '\0')
            return failure("'" + typed + "' needs a file name");
        // A word of its own that begins with - is an option the user meant, not a file name.
        else if (name == "curve" && optarg == argv[optind - 1] && *optarg == '-')
            return failure("'" + typed + "' needs a file name, not '" + optarg +
                           "' (a file of that name is --curve=" + optarg + " or ./" + optarg + ")");
        else if (name == "curve")
            asked.curveFile = optarg;
        else if (name == "svg" && *optarg == '\0')
            return failure("'" + typed + "' needs a folder");
        else if (name == "svg")
            asked.svgFolder = optarg;
        else if (name == "quiz" && !readQuizCount(optarg, asked.quizzedUnits))
            return failure("'" + typed + "' needs a number of steps or cycles, or all");
        else if (name == "digits" && !(readWhole(optarg, asked.answerDigits) && asked.answerDigits >= 1 &&
                                       asked.answerDigits <= 17))
            return failure("'" + typed + "' needs a number of digits from 1 to 17");
        else if (name == "digits")
            continue;
        else if (name == "exercise" && !readSeed(optarg, asked.seed))
            return failure("'" + typed + "' needs a seed, a whole number such as 42");
        else if (name == "exercise")
            asked.exercise = true;
        else if (name == "problem")
            asked.problemOnly = true;
        else if (name == "echo")
            asked.echo = true;
        else if (name == "answers" && *optarg == '\0')
            return failure("'" + typed + "' needs a file name");
        else if (name == "answers")
            asked.answersFile = optarg;
        else if (name == "sheet")
            asked.sheet = true;
        else if (name == "key")
            asked.key = true;
        else if (name == "grade")
            grading = true;
        else if (name == "help" || name == "version")
            return actionAlone(name == "help" ? Options::Action::Help : Options::Action::Version);
    }
    Settings& asked = options.settings;
    // Graded, the words before the demo are the answer files.
    if (grading) {
        if (argc - optind < 2)
            return failure("--grade needs the answer files, then the demo");
        asked.gradedFiles.assign(argv + optind, argv + argc - 1);
        optind = argc - 1;
    }
    if (optind < argc) {
        options.demo = findDemo(argv[optind]);
        if (!options.demo)
            return failure("unknown demo '" + std::string(argv[optind]) + "' (1 to " +
                           std::to_string(demoCount) + ", or " + demos[0].name + " ... " +
                           demos[demoCount - 1].name + ")");
        if (optind + 1 < argc)
            return failure("one demo at a time: '" + std::string(argv[optind + 1]) + "' is one too many");
        options.action = Options::Action::Demo;
    }
    if (asked.problemOnly && !asked.exercise)
        return failure("--problem needs --exercise=SEED");
    const char* const needingDemo = asked.defaultsAnswered ? "--defaults"
                                    : asked.sheet          ? "--sheet"
                                    : asked.key            ? "--key"
                                                           : nullptr;
    if (options.action != Options::Action::Demo && needingDemo)
        return failure(std::string(needingDemo) + " needs a demo to run");
    if (asked.sheet + asked.key + grading + asked.problemOnly > 1)
        return failure("one of --sheet, --key, --grade and --problem at a time");
    if (grading && !asked.answersFile.empty())
        return failure("--grade reads the answer files named, not --answers");
    // A sheet, its key and the grading are of the quiz's questions: 3 unless told, on the
    // demo's own values.
    if (asked.sheet || asked.key || grading) {
        asked.quizzedUnits = asked.quizzedUnits > 0 ? asked.quizzedUnits : 3;
        asked.defaultsAnswered = true;
    }
    return options;
}

// The demos' list lines up their numbers, names and titles in columns of these widths.
constexpr std::size_t numberWidth = 3, nameWidth = 8;
static_assert(demoCount < 100 && longest(&Demo::name) < nameWidth,
              "a demo's number or name is wider than its column");

std::string helpText() {
    std::string demoList;
    for (int i = 0; i < demoCount; ++i) {
        const std::string number = std::to_string(i + 1), name = demos[i].name;
        demoList += "  " + number + std::string(numberWidth - number.size(), ' ') + name +
                    std::string(nameWidth - name.size(), ' ') + demos[i].title + "\n";
    }
    return "Usage: nnrules [OPTION]... [DEMO]\n"
           "  or:  nnrules --grade [OPTION]... FILE... DEMO\n"
           "Learn the classic learning rules of neural networks, step by step.\n"
           "\n"
           "Without a DEMO, shows the menu of the demos; with one, runs that demo\n"
           "alone and ends. Each demo shows its textbook problem, asks whether to keep its\n"
           "values, and traces every step of its learning rule.\n"
           "\n"
           "Options:\n" +
           optionList(false) +
           "\n"
           "Demos, by number or name (in any case):\n" +
           demoList +
           "\n"
           "Examples:\n"
           "  nnrules                   the menu\n"
           "  nnrules bpn < mine.txt    back-propagation on the answers in mine.txt\n"
           "  nnrules -d bpn > bpn.txt  the default back-propagation trace, kept for a handout\n"
           "  nnrules -p -d kcl         the Kohonen run, then its pictures\n"
           "  nnrules -s -p scpta       the single continuous perceptron, cycle by cycle,\n"
           "                            its boundary drawn at every pause\n"
           "  nnrules --brief -d bpn    back-propagation's first and last cycles\n"
           "  nnrules --curve bpn.tsv -d bpn > /dev/null\n"
           "                            back-propagation's learning curve, for a plotting tool\n"
           "  nnrules --exercise=3 --sheet sdpta   a problem and 3 questions on it, for paper;\n"
           "                            --key for their answers, --grade FILE... to grade them\n"
           "\n"
           "At a terminal, Ctrl-C while a demo trains stops that training and shows its\n"
           "results.\n"
           "\n"
           "Exit status: 0 when done, 1 when the output could not be written, 2 for a bad\n"
           "command line. See nnrules(1) for more.\n";
}

std::string optionLines() {
    return optionList(true);
}

std::string pageRow() {
    std::string demoList;
    for (const Demo& demo : demos)
        demoList +=
            std::string(demoList.empty() ? "[" : ",") + "[\"" + demo.name + "\",\"" + demo.title + "\"]";
    std::string json;
    for (const OptionEntry& option : optionTable) {
        if (!option.pageLabel)
            continue;
        std::string title = option.menuHelp;
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
        json += std::string(json.empty() ? "[" : ",") + "{\"name\":\"" + option.name + "\",\"label\":\"" +
                option.pageLabel + "\",\"title\":\"" + title +
                "\",\"needsDemo\":" + (option.needsDemo ? "true" : "false") + "}";
    }
    return "{\"demos\":" + demoList + "],\"toggles\":" + json + "]}";
}

std::string versionText() {
    return std::string("nnrules ") + NNRULES_VERSION +
           "\n"
           "Copyright (c) 2026 the nnrules developers.\n"
           "Licensed under the MIT License: free to use, copy, change and share, with no warranty.\n";
}
