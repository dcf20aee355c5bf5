#include "options.h"

#include "console/answers.h"
#include "demos/demos.h"
#include "pictures/curvefile.h"

#include <getopt.h>
#include <limits>

namespace {

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
    const option longOptions[] = {{"defaults", no_argument, nullptr, 'd'},
                                  {"pictures", no_argument, nullptr, 'p'},
                                  {"explain", no_argument, nullptr, 'e'},
                                  {"step", no_argument, nullptr, 's'},
                                  {"brief", optional_argument, nullptr, 'b'},
                                  {"curve", required_argument, nullptr, 'c'},
                                  {"quiz", optional_argument, nullptr, 'q'},
                                  {"exercise", required_argument, nullptr, 'x'},
                                  {"problem", no_argument, nullptr, 'P'},
                                  {"echo", no_argument, nullptr, 'E'},
                                  {"help", no_argument, nullptr, 'h'},
                                  {"version", no_argument, nullptr, 'V'},
                                  {nullptr, 0, nullptr, 0}};
    Options options;
    // 0, not 1: getopt forgets too where it was within a word of short options (-dp) that an
    // earlier parse left unfinished.
    optind = 0;
    // The leading colon keeps getopt's own messages back: the program writes its own.
    for (int option; (option = getopt_long(argc, argv, ":dpesh", longOptions, nullptr)) != -1;) {
        // What the user typed for the option getopt has just looked at (before its value,
        // when that is a word of its own).
        const std::string typed = optarg && optarg == argv[optind - 1] ? argv[optind - 2] : argv[optind - 1];
        Settings& settings = options.settings;
        if (option == 'd')
            settings.defaultsAnswered = true;
        else if (option == 'p')
            settings.pictures = true;
        else if (option == 'e')
            settings.explain = true;
        else if (option == 's')
            settings.step = true;
        else if (option == 'b' && !readBriefCount(optarg, settings.brief))
            return failure("'" + typed + "' needs a number of steps or cycles to keep at either end");
        else if (option == 'b')
            continue;
        else if (option == 'c' && *optarg == '\0')
            return failure("'" + typed + "' needs a file name");
        // A word of its own that begins with - is an option the user meant, not a file name.
        else if (option == 'c' && optarg == argv[optind - 1] && *optarg == '-')
            return failure("'" + typed + "' needs a file name, not '" + optarg +
                           "' (a file of that name is --curve=" + optarg + " or ./" + optarg + ")");
        else if (option == 'c')
            settings.curveFile = optarg;
        else if (option == 'q' && !readQuizCount(optarg, settings.quizzedUnits))
            return failure("'" + typed + "' needs a number of steps or cycles, or all");
        else if (option == 'x' && !readSeed(optarg, settings.seed))
            return failure("'" + typed + "' needs a seed, a whole number such as 42");
        else if (option == 'q')
            continue;
        else if (option == 'x')
            settings.exercise = true;
        else if (option == 'P')
            settings.problemOnly = true;
        else if (option == 'E')
            settings.echo = true;
        else if (option == ':')
            return failure("'" + typed + (optopt == 'x' ? "' needs a seed" : "' needs a file name"));
        else if (option == 'h' || option == 'V')
            options.action = option == 'h' ? Options::Action::Help : Options::Action::Version;
        else if (typed.rfind("--", 0) == 0) // a long option, named as it was given
            return failure(optopt ? "'" + typed + "' takes no value" : "unknown option '" + typed + "'");
        else
            return failure(std::string("unknown option '-") + static_cast<char>(optopt) + "'");
        if (options.action != Options::Action::Menu)
            return options;
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
    if (options.settings.problemOnly && !options.settings.exercise)
        return failure("--problem needs --exercise=SEED");
    if (options.action != Options::Action::Demo && options.settings.defaultsAnswered) {
        return failure("--defaults needs a demo to run");
    }
    return options;
}

// The demos' list lines up their numbers, names and titles in columns of these widths.
constexpr std::size_t numberWidth = 3, nameWidth = 8;
static_assert(demoCount < 100 && longestName() < nameWidth,
              "a demo's number or name is wider than its column");

std::string helpText() {
    std::string demoList;
    for (int i = 0; i < demoCount; ++i) {
        const std::string number = std::to_string(i + 1), name = demos[i].name;
        demoList += "  " + number + std::string(numberWidth - number.size(), ' ') + name +
                    std::string(nameWidth - name.size(), ' ') + demos[i].title + "\n";
    }
    std::string columns;
    for (const char* column : curveColumns)
        columns += std::string(columns.empty() ? "" : ", ") + column;
    return "Usage: nnrules [OPTION]... [DEMO]\n"
           "Learn the classic learning rules of neural networks, step by step.\n"
           "\n"
           "Without a DEMO, shows the menu of the demos; with one, runs that demo\n"
           "alone and ends. Each demo shows its textbook problem, asks whether to keep its\n"
           "values, and traces every step of its learning rule.\n"
           "\n"
           "Options:\n"
           "  -d, --defaults    run the DEMO on its own values, its question answered for you\n"
           "  -p, --pictures    after each demo, draw what it learned: its learning curve\n"
           "                    and where it decides, or what a memory recalled\n"
           "  -e, --explain     before each training its rule and a legend of the trace;\n"
           "                    after each step, its arithmetic with the numbers put in\n"
           "      --quiz[=N]    before each of the first N steps or cycles (3, or all)\n"
           "                    shows its results, ask for them, and grade the answer\n"
           "      --exercise=SEED  run each demo on values drawn from SEED, a new problem\n"
           "                    of the textbook's kind; with --problem, the problem alone\n"
           "  -s, --step        pause after every step or cycle: Enter for the next, a\n"
           "                    number N for N more, c to the end, q to stop training\n"
           "      --brief       of each training, only the first two and the last two\n"
           "                    steps or cycles in full\n"
           "      --echo        write each answer read from a file after its prompt, as a\n"
           "                    terminal shows it, so that a saved trace reads as typed\n"
           "      --curve FILE  write the learning curve of every training run to FILE, as\n"
           "                    tab-separated columns: " +
           columns +
           "\n"
           "  -h, --help        show this help and end\n"
           "      --version     show the version and the licence, and end\n"
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
           "\n"
           "At a terminal, Ctrl-C while a demo trains stops that training and shows its\n"
           "results.\n"
           "\n"
           "Exit status: 0 when done, 1 when the output could not be written, 2 for a bad\n"
           "command line. See nnrules(1) for more.\n";
}

std::string optionLines() {
    return "  -d, --defaults    run the DEMO named on its own values, its question answered\n"
           "  -e, --explain     each training's rule, and each step's arithmetic\n"
           "  -p, --pictures    after each demo, pictures of what it learned\n"
           "  -s, --step        pause after every step or cycle\n"
           "      --brief       of each training, only the first and last units in full\n"
           "      --curve FILE  the learning curves, for a plotting tool\n"
           "      --quiz[=N]    ask for each of the first N units' results before they show\n"
           "      --exercise=SEED  a new problem drawn from SEED; --problem: it alone\n";
}

std::string versionText() {
    return std::string("nnrules ") + NNRULES_VERSION +
           "\n"
           "Copyright (c) 2026 the nnrules developers.\n"
           "Licensed under the MIT License: free to use, copy, change and share, with no warranty.\n";
}
