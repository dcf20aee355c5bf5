// The built program itself, as a user starts it from the shell, and the files installed
// with it.
#include "demos/demos.h"
#include "harness.h"
#include "options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <pty.h>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

struct Ran {
    std::string output, errors;
    int status = -1;
};

// Runs the shell command line, in which nnrules is the built program, without a terminal
// but with TERM set, and keeps standard error apart.
Ran run(const std::string& commandLine) {
    const std::string errorsFile = "/tmp/nnrules-test-errors-" + std::to_string(getpid());
    const std::string command = "export TERM=xterm; nnrules() { " + std::string(NNRULES_BINARY) +
                                " \"$@\"; }; (" + commandLine + ") 2>" + errorsFile;
    FILE* pipe = popen(command.c_str(), "r");
    Ran result;
    char buffer[1 << 16];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ostringstream errors;
    errors << std::ifstream(errorsFile).rdbuf();
    result.errors = errors.str();
    std::remove(errorsFile.c_str());
    return result;
}

// A file of the sources (the manual page, the completion), or any file in a folder.
std::string sourceFile(const std::string& name, const std::string& folder = NNRULES_SOURCE_DIR "/") {
    std::ostringstream text;
    text << std::ifstream(folder + name).rdbuf();
    return text.str();
}

// Keys typed at a terminal once it shows `after` (after what the keys before waited for),
// and its line editor reads.
struct Typing {
    std::string after, keys;
};

// What the program shows at a real (pseudo) terminal, with libedit, run with the arguments,
// as the keys are typed: from its cleared screen on (where it clears it), line ends as "\n";
// and how it ended. Its standard output goes to the file when one is named.
struct AtTerminal {
    std::string shown;
    int status = -1;
};
AtTerminal atTerminal(const std::vector<Typing>& typing, const std::vector<const char*>& arguments = {},
                      const std::string& outputFile = "") {
    int terminal = -1;
    winsize size{40, 100, 0, 0};
    const pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
    if (child == 0) {
        setenv("TERM", "dumb", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        if (!outputFile.empty())
            dup2(open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
        std::vector<const char*> argv = {"nnrules"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        argv.push_back(nullptr);
        execv(NNRULES_BINARY, const_cast<char* const*>(argv.data()));
        _exit(127);
    }
    AtTerminal ran;
    std::string& shown = ran.shown;
    std::size_t next = 0, seenTo = 0;
    char buffer[1 << 16];
    for (ssize_t got; (got = read(terminal, buffer, sizeof buffer)) > 0;) {
        shown.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t at;
             next < typing.size() && (at = shown.find(typing[next].after, seenTo)) != std::string::npos;
             ++next) {
            // Once libedit reads (the terminal echoes nothing then: libedit shows the line).
            termios modes{};
            for (int tries = 0; tries < 5000 && tcgetattr(terminal, &modes) == 0 && (modes.c_lflag & ECHO);
                 ++tries)
                usleep(1000);
            const std::string& keys = typing[next].keys;
            EXPECT_EQ(write(terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
            seenTo = at + typing[next].after.size();
        }
    }
    close(terminal);
    waitpid(child, &ran.status, 0);
    if (const auto cleared = shown.find("\x1b[H\x1b[2J"); cleared != std::string::npos)
        shown.erase(0, cleared + 7);
    shown.erase(std::remove(shown.begin(), shown.end(), '\r'), shown.end());
    return ran;
}

} // namespace

// The fixtures typed at a terminal run through a stand-in for it; a real one, with libedit,
// shows the same screen.
TEST(Program, TypedFixturesLookTheSameThroughLibeditAtAPseudoTTY) {
    for (const char* name : {"typed-dialog", "typed-menu", "typed-yes"}) {
        const Fixture fixture = readFixture(name);
        EXPECT_EQ(atTerminal({{"Enter Your Choice: ", fixture.input + "\x04"}}).shown, menuOutput(fixture))
            << name;
    }
}

// At a terminal whose trace goes to a file, what is said to the person typing (a refusal, the
// prompt asked again, a pause's question and its refusal) is said at the terminal, and the
// file holds the trace alone, each prompt of it once.
TEST(Program, WhatIsSaidToThePersonTypingStaysOutOfTheTraceFile) {
    const std::string file = ::testing::TempDir() + "nnrules-trace-" + std::to_string(getpid());
    const std::string shown =
        atTerminal({{"(y/n): ", "n\nabc\n" + std::string(13, '\n') + "x\nc\n\x04"}}, {"-s", "scpta"}, file)
            .shown;
    for (const char* said :
         {"\"abc\" is not a number; type a number such as 0.5.\nThreshold (1): ",
          "Paused after cycle 1 (cycle error 6.72105). Enter: next, N: N more, c: to the end, "
          "q: stop, e: explain: ",
          "\"x\" is not an answer here: press Enter, or type a number, c, q or e.\n"})
        EXPECT_THAT(shown, HasSubstr(said));
    const std::string trace = sourceFile(file, "");
    std::remove(file.c_str());
    EXPECT_THAT(trace, HasSubstr("Total Learning Cycles = 579"));
    for (const char* notInTrace : {"is not", "Paused"})
        EXPECT_EQ(trace.find(notInTrace), std::string::npos) << notInTrace;
    // Shown with the defaults, then asked once.
    EXPECT_EQ(trace.find("Threshold (1): ", trace.find("Threshold (1): ") + 1),
              trace.rfind("Threshold (1): "));
}

// At a terminal whose trace goes to a file, the quiz's question, its verdict and the score are
// shown at the terminal too, and the file holds each once.
TEST(Program, AQuizAtATerminalWhoseTraceGoesToAFileIsAskedThere) {
    const std::string file = ::testing::TempDir() + "nnrules-quiz-" + std::to_string(getpid());
    const std::string shown =
        atTerminal({{"(y/n): ", "y\r"}, {"(2 numbers)? ", "1.00 2.00\r"}, {"(2 numbers)? ", "-1 1.75\r"}},
                   {"--quiz=2", "sdpta"}, file)
            .shown;
    const std::string question = "Step 1: y = [ 1; 1 ], d = 1, w = [ -2.5; 1.75 ], c = 1.\n"
                                 "The weights after this step (2 numbers)? ";
    const std::string trace = sourceFile(file, "");
    std::remove(file.c_str());
    for (const std::string& said :
         {question, std::string("Not quite: the 1st and 2nd numbers. The answer is -1.5 2.75.\n"),
          std::string("\nRight.\n"), std::string("Quiz: 1 of 2 answers right.\n")}) {
        EXPECT_THAT(shown, HasSubstr(said));
        EXPECT_THAT(trace, HasSubstr(said));
        EXPECT_EQ(trace.find(said), trace.rfind(said)) << said;
    }
}

// At a terminal with libedit, Ctrl-C at a prompt leaves the demo for the menu, and at the
// menu ends the program as Ctrl-C does.
TEST(Program, CtrlCAtAPromptGoesBackToTheMenuAndAtTheMenuEnds) {
    const AtTerminal ran = atTerminal({{"Enter Your Choice: ", "3\r"},
                                       {"(y/n): ", "n\r"},
                                       {"Threshold (1): ", "12"},
                                       {"12", "\x03"},
                                       {"Enter Your Choice: ", "\x03"}});
    EXPECT_THAT(ran.shown, HasSubstr("\nThreshold (1): 12^C\nBack to the menu.\n\n***"));
    EXPECT_THAT(ran.shown, ::testing::EndsWith("Enter Your Choice: ^C\n"));
    EXPECT_TRUE(WIFSIGNALED(ran.status) && WTERMSIG(ran.status) == SIGINT);
}

TEST(Program, HelpAndVersion) {
    for (const char* help : {"nnrules --help", "nnrules -h"}) {
        const Ran shown = run(help);
        EXPECT_EQ(shown.status, 0);
        EXPECT_THAT(shown.output, StartsWith("Usage: nnrules [OPTION]... [DEMO]\n"));
        for (const char* part : {"--defaults", "--help", "--version", "1  sdpta", "8  kcl", "Examples:"})
            EXPECT_THAT(shown.output, HasSubstr(part));
    }
    // The columns that --help names are those of the curve file's header.
    const std::string file = ::testing::TempDir() + "nnrules-columns-" + std::to_string(getpid());
    run("nnrules --curve " + file + " 1 </dev/null >/dev/null");
    std::string header = linesOf(sourceFile(file, "")).front();
    std::remove(file.c_str());
    for (std::size_t tab; (tab = header.find('\t')) != std::string::npos;)
        header.replace(tab, 1, ", ");
    EXPECT_THAT(run("nnrules --help").output, HasSubstr("columns: " + header + "\n"));
    const Ran version = run("nnrules --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.output, StartsWith(std::string("nnrules ") + NNRULES_VERSION + "\n"));
    EXPECT_THAT(version.output, HasSubstr("MIT License"));
}

TEST(Program, BadCommandLinesSayWhatIsWrongAndEndWithStatus2) {
    for (const auto& [arguments, message] :
         {std::pair{"--bogus", "unknown option '--bogus'"},
          {"-x", "unknown option '-x'"},
          {"--defaults=x", "'--defaults=x' takes no value"},
          {"--version=1", "'--version=1' takes no value"},
          {"ninth", "unknown demo 'ninth' (1 to 8, or sdpta ... kcl)"},
          {"1 2", "one demo at a time: '2' is one too many"},
          {"-d", "--defaults needs a demo"},
          {"--curve", "'--curve' needs a file name"},
          {"--curve= 1", "'--curve=' needs a file name"},
          {"--curve '' 1", "'--curve' needs a file name"},
          {"--problem 1", "--problem needs --exercise=SEED"},
          {"--quiz=0 1", "'--quiz=0' needs a number of steps or cycles, or all"},
          {"--brief=0 1", "'--brief=0' needs a number of steps or cycles to keep at either end"},
          {"--exercise=-1 1", "'--exercise=-1' needs a seed, a whole number such as 42"},
          {"--exercise", "'--exercise' needs a seed"},
          {"--explain=some 1", "'--explain=some' takes no value but all"},
          {"--sheet", "--sheet needs a demo to run"},
          {"--key --sheet 1", "one of --sheet, --key, --grade and --problem at a time"},
          {"--grade 1", "--grade needs the answer files, then the demo"},
          {"--grade --answers=a a 1", "--grade reads the answer files named, not --answers"},
          {"--curve --brief bpn", "'--curve' needs a file name, not '--brief' (a file of that "
                                  "name is --curve=--brief or ./--brief)"}}) {
        const Ran refused = run(std::string("nnrules ") + arguments + " </dev/null");
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_EQ(refused.output, "") << arguments;
        EXPECT_THAT(refused.errors, StartsWith(std::string("nnrules: ") + message)) << arguments;
        EXPECT_THAT(refused.errors, ::testing::EndsWith("Try 'nnrules --help'.\n")) << arguments;
    }
}

// A command line read after another that ended within a word of short options (-hd: help,
// and d never looked at) is read afresh.
TEST(Program, EachCommandLineIsReadAfresh) {
    char program[] = "nnrules", helpAndDefaults[] = "-hd";
    char* first[] = {program, helpAndDefaults, nullptr};
    char* second[] = {program, nullptr};
    EXPECT_EQ(parseOptions(2, first).action, Options::Action::Help);
    EXPECT_EQ(parseOptions(1, second).action, Options::Action::Menu);
}

// The curve file is opened only for a run, never onto the program's own input or output,
// and every failure to write it is said and ends the program with status 1, as for output.
TEST(Program, TheCurveFileIsWrittenWholeOrTheFailureSaid) {
    const std::string file = ::testing::TempDir() + "nnrules-curve-" + std::to_string(getpid());
    const auto contents = [&file] { return sourceFile(file, ""); };
    const auto fails = [](const std::string& command, int status, const std::string& path,
                          const std::string& why) {
        const Ran ran = run(command);
        EXPECT_EQ(ran.status, status) << command;
        EXPECT_EQ(ran.errors, "nnrules: cannot write the curve file '" + path + "': " + why + "\n")
            << command;
    };
    // Rows by run (a memory has none), saying what they measure, a blank line between runs.
    run("printf '3\\ny\\n6\\ny\\n1\\ny\\nq\\n' | nnrules --curve " + file + " >/dev/null");
    const std::string rows = contents();
    EXPECT_THAT(rows, StartsWith("demo\trun\tmeasure\tcycle\tvalue\nscpta\t1\tcycle error\t1\t6.72105\n"
                                 "scpta\t1\tcycle error\t2\t"));
    const std::string corrections = "sdpta\t2\tcorrections per pass over the patterns\t";
    EXPECT_NE(rows.find("\nscpta\t1\tcycle error\t579\t0.00999742\n\n" + corrections + "1\t3\n" +
                        corrections + "2\t1\n" + corrections + "3\t1\n"),
              std::string::npos);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '\n'), 1 + 579 + 1 + 3);
    // A demo left before its training (its problem shown alone) has no run in the file.
    run("printf '5\\n3\\nq\\n' | nnrules --exercise=3 --problem --curve " + file + " >/dev/null");
    EXPECT_EQ(contents(), "demo\trun\tmeasure\tcycle\tvalue\n");
    fails("nnrules --curve /nonexistent/c.tsv 1 </dev/null", 2, "/nonexistent/c.tsv",
          "No such file or directory");
    // Help and version open no file: not one to keep, a full device, a pipe with no reader.
    run("echo kept > " + file);
    EXPECT_EQ(run("nnrules --curve " + file + " --version").status, 0);
    EXPECT_EQ(contents(), "kept\n");
    EXPECT_EQ(run("nnrules --curve /dev/full --help").status, 0);
    run("rm " + file + " && mkfifo " + file);
    EXPECT_EQ(run("timeout 10 " + std::string(NNRULES_BINARY) + " --curve " + file + " --help").status, 0);
    run("rm " + file + "; echo y > " + file);
    // Nor its own input, output or error, which it leaves as they are.
    fails("nnrules --curve " + file + " 3 < " + file, 2, file, "it is the program's standard input");
    fails("nnrules --curve " + file + " -d 3 >> " + file, 2, file, "it is the program's standard output");
    EXPECT_EQ(contents(), "y\n");
    const Ran intoErrors = run("nnrules --curve /dev/stderr -d 3 2>&1 >/dev/null");
    EXPECT_EQ(intoErrors.status, 2);
    EXPECT_EQ(intoErrors.output,
              "nnrules: cannot write the curve file '/dev/stderr': it is the program's standard error\n");
    // A full device or a size limit fails the run, whatever becomes of the output.
    fails("nnrules --curve /dev/full -d bpn > /dev/null", 1, "/dev/full", "No space left on device");
    fails("ulimit -f 8; nnrules --curve " + file + " -d bpn > /dev/null", 1, file, "File too large");
    // A closed standard output or error is not taken over by the file: the trace, or the
    // message that it cannot be written, fails and ends the run, and the file keeps its header.
    for (const char* closed : {" >&-", " <&- >&-", " >/dev/full 2>&-"}) {
        EXPECT_EQ(run("nnrules --curve " + file + " -d 3" + closed).status, 1) << closed;
        EXPECT_EQ(contents(), "demo\trun\tmeasure\tcycle\tvalue\n") << closed;
    }
    run("rm " + file);
}

// An exercise's problem alone, for a sheet: the demo's banner and values, then nothing.
TEST(Program, AProblemAloneIsTheDemosValuesWithoutItsQuestion) {
    const Ran sheet = run("nnrules --exercise=7 --problem 1 </dev/null");
    EXPECT_EQ(sheet.status, 0);
    const std::string run1 = run("nnrules --exercise=7 -d 1").output;
    EXPECT_EQ(sheet.output, run1.substr(0, run1.find("\nDo you want")) + "\n");
}

TEST(Program, OneDemoShowsTheMenuRunsScreenWithoutTheMenu) {
    const std::string menu = run("echo q | nnrules").output;
    const Ran fromMenu = run("printf '3\\ny\\nq\\n' | nnrules");
    EXPECT_EQ(fromMenu.status, 0);
    EXPECT_EQ(fromMenu.output.find('\x1b'), std::string::npos) << "a redirected run has no terminal codes";
    EXPECT_EQ(fromMenu.errors, "");
    const Ran ended = run("printf x | nnrules"); // one byte, then the end of input
    EXPECT_EQ(ended.status, 0);
    EXPECT_EQ(ended.output, menu + "      !!!!   Invalid Choice   !!!! \n" + menu);
    for (const char* oneDemo : {"echo y | nnrules 3", "echo y | nnrules ScPtA", "nnrules -d scpta <&-",
                                "nnrules --defaults 3 </dev/null"}) {
        const Ran alone = run(oneDemo);
        EXPECT_EQ(alone.status, 0) << oneDemo;
        EXPECT_TRUE(menu + alone.output + menu == fromMenu.output) << oneDemo;
    }
}

// A teacher's answer file with a typo: standard error names the prompt, what was typed and
// what it was read as, once (the trace is the same as ever: the fixtures hold it).
TEST(Program, AnAnswerThatIsNoNumberIsSaidOnStandardError) {
    const Ran comma = run("printf '3\\nn\\n0,5\\n1\\n' | nnrules");
    EXPECT_EQ(comma.status, 0);
    EXPECT_EQ(comma.errors,
              "nnrules: the answer \"0,5\" to \"Threshold (1): \" is not a number; it is read as 0, "
              "and \",5\" answers the next prompt.\n");
    EXPECT_EQ(run("printf '1\\nn 4 1 x\\n' | nnrules").errors,
              "nnrules: the answer \"x\" to \"Learning Constant C (1): \" is not a number; it is read as 0, "
              "and the demo reads no more answers.\n");
}

// Words from outside are written back with their control characters shown, never obeyed: an
// escape that would clear the screen or hide the rest, a NUL that would hide itself, a C1
// control of UTF-8.
TEST(Program, WordsFromOutsideAreWrittenWithTheirControlCharactersShown) {
    const Ran option = run("nnrules \"--quiz=$(printf '\\033[2J\\302\\233x')\" 1 </dev/null");
    EXPECT_EQ(option.status, 2);
    EXPECT_THAT(option.errors, StartsWith("nnrules: '--quiz=^[[2JM-^[x' needs"));
    EXPECT_THAT(run("nnrules \"$(printf 'sd\\tpta')\" </dev/null").errors, HasSubstr("'sd^Ipta'"));
    EXPECT_THAT(run("nnrules --curve \"$(printf '/\\033[8mx/y')\" 1 </dev/null").errors,
                StartsWith("nnrules: cannot write the curve file '/^[[8mx/y'"));
    const Ran answers =
        run("printf 'n\\n\\033[2J7\\n' | nnrules --echo 3; printf 'n\\n\\0007\\n' | nnrules 3");
    EXPECT_THAT(answers.errors, HasSubstr("the answer \"^[[2J7\" to \"Threshold (1): \""));
    EXPECT_THAT(answers.errors, HasSubstr("the answer \"^@7\" to \"Threshold (1): \""));
    EXPECT_THAT(answers.output, HasSubstr("Threshold (1): ^[[2J7\n"));
    EXPECT_EQ(answers.output.find('\x1b'), std::string::npos);
}

// An answer read from a file is read whole wherever the blocks it is read in end: "1.5" begun at
// the last byte of the first block, then a word whose rest (after its number) began in the
// block before it.
TEST(Program, AnswersAcrossTheInputsBlocksAreReadWhole) {
    const std::string file = ::testing::TempDir() + "nnrules-answers-" + std::to_string(getpid());
    std::ofstream(file) << "n\n10" << std::string(4091, ' ') << "1.5 " << std::string(4091, ' ') << "2,5\n";
    const Ran ran = run("nnrules --echo sdpta < " + file);
    std::remove(file.c_str());
    EXPECT_THAT(ran.output, HasSubstr("Threshold (1): 1.5\n"));
    EXPECT_THAT(ran.output, HasSubstr("Learning Constant C (1): 2\n"));
    EXPECT_THAT(ran.output, HasSubstr("y1:[ 0; 1.5 ]"));
    EXPECT_THAT(ran.errors,
                HasSubstr("\"2,5\" to \"Learning Constant C (1): \" is not a number; it is read as 2, "
                          "and \",5\" answers the next prompt."));
}

// A quiz's answer line that does not answer is named on standard error by its line.
TEST(Program, AQuizAnswerThatCountsAsWrongIsNamedByItsLine) {
    EXPECT_EQ(
        run("printf '1\\ny\\n-1.5 2.75\\nx 1.75\\n2\\n' | nnrules --quiz=3").errors,
        "nnrules: line 4: the answer \"x 1.75\" to question 2 counts as wrong: \"x\" is not a number.\n"
        "nnrules: line 5: the answer \"2\" to question 3 counts as wrong: 1 number where 2 are wanted.\n");
}

// Pictures go only into a folder that can take them: a missing one, or a file, is refused by
// name before anything runs.
TEST(Program, TheSvgFolderIsCheckedBeforeTheRun) {
    for (const auto& [folder, why] : {std::pair{"/nonexistent/pictures", "No such file or directory"},
                                      {"/etc/hostname", "it is not a folder"}}) {
        const Ran refused = run(std::string("nnrules --svg=") + folder + " -d 1 </dev/null");
        EXPECT_EQ(refused.status, 2) << folder;
        EXPECT_EQ(refused.output, "") << folder;
        EXPECT_EQ(refused.errors, std::string("nnrules: cannot write pictures into the folder '") + folder +
                                      "': " + why + "\n");
    }
    EXPECT_THAT(run("nnrules --svg= 1 </dev/null").errors, StartsWith("nnrules: '--svg=' needs a folder"));
}

// The quiz's answers from their own file, the dialog's from standard input: a wrong line is
// named by the file and its line.
TEST(Program, AnAnswersFileAnswersTheQuizAlone) {
    const Ran answered = run("cd \"$(mktemp -d)\" && printf '# Alice\\n-1.5 2.75\\n1\\n' > answers.txt && "
                             "echo y | nnrules --quiz=2 --answers=answers.txt --echo sdpta");
    EXPECT_EQ(answered.errors,
              "nnrules: answers.txt: line 3: the answer \"1\" to question 2 counts as wrong: 1 "
              "number where 2 are wanted.\n");
    EXPECT_THAT(answered.output, HasSubstr("The weights after this step (2 numbers)? -1.5 2.75\n\nRight."));
    EXPECT_THAT(answered.output, HasSubstr("Quiz: 1 of 2 answers right."));
    // A file that cannot be read is refused before anything runs.
    const Ran unread = run("nnrules --quiz --answers=/nonexistent/a 1 </dev/null");
    EXPECT_EQ(unread.status, 2);
    EXPECT_EQ(unread.output, "");
    EXPECT_EQ(unread.errors,
              "nnrules: cannot read the answers file '/nonexistent/a': No such file or directory\n");
}

// Standard input that cannot be read (a folder) is input that has ended: the menu, and the end.
TEST(Program, AnInputThatCannotBeReadHasEnded) {
    const Ran folder = run("nnrules < /");
    EXPECT_EQ(folder.status, 0);
    EXPECT_EQ(folder.output, run("nnrules </dev/null").output);
}

TEST(Program, AnOutputThatCannotBeWrittenIsAFailure) {
    const Ran full = run("nnrules -d bpn >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.errors, "nnrules: write error: No space left on device\n");
    EXPECT_EQ(run("echo q | nnrules >/dev/full").status, 1);
    // A line for standard error that is lost fails the run as well; one that is written does not.
    for (const char* lost : {"2>&-", "2>/dev/full"})
        EXPECT_EQ(run(std::string("printf 'n\\nx\\n' | nnrules scpta >/dev/null ") + lost).status, 1) << lost;
    EXPECT_EQ(run("printf 'n\\nx\\n' | nnrules scpta >/dev/null 2>/dev/null").status, 0);
}

// The plain C writer that the program's speed is measured against must write exactly what
// the program writes, or the comparison would not be fair.
TEST(Program, WritesTheReferenceWritersBytesForTheDefaultBackPropagationRun) {
    const std::string program = run("printf '5\\ny\\nq\\n' | nnrules").output;
    const std::string reference = run(NNRULES_REFERENCE).output;
    EXPECT_THAT(program, HasSubstr("Total cycles: 5629  e: 0.00999869\n"));
    EXPECT_TRUE(program == reference) << "the outputs differ";
}

// The manual page keeps a list of its own, which must name the demos of the menu, in its
// order, and no others.
TEST(Program, TheManualPageNamesTheDemosOfTheMenu) {
    const std::string manual = sourceFile("doc/nnrules.1");
    std::string names, sections, manualSections;
    for (int i = 0; i < demoCount; ++i) {
        names += std::string(i ? " \", \" " : ".BR ") + demos[i].name;
        sections += ".SS " + std::to_string(i + 1) + ". " + demos[i].title + "\n";
    }
    EXPECT_THAT(manual, HasSubstr(names + " .\n"));
    for (const std::string& line : linesOf(manual))
        if (line.rfind(".SS ", 0) == 0 && std::isdigit(static_cast<unsigned char>(line[4])))
            manualSections += line + "\n";
    EXPECT_EQ(manualSections, sections);
}

// The options' table makes --help, which the completion reads with the demos' names, and the
// page's toggles; the manual page has an entry for each option in it and no other.
TEST(Program, TheOptionsTableIsTheOneListOfTheOptions) {
    std::set<std::string> tabled, words;
    for (const Demo& demo : demos)
        words.insert(demo.name);
    for (std::size_t i = 0; i < optionCount; ++i) {
        const OptionEntry& option = optionTable[i];
        tabled.insert(option.name);
        const std::string name = std::string("--") + option.name;
        if (option.value != OptionEntry::required || option.valueName[0] == ' ')
            words.insert(name);
        if (option.value != OptionEntry::none)
            words.insert(name + "=");
    }
    const Ran completed =
        run("bash -c 'source " NNRULES_SOURCE_DIR "/completions/nnrules; COMP_WORDS=(" NNRULES_BINARY
            " \\\"\\\"); COMP_CWORD=1; _nnrules; printf \"%s\\n\" \"${COMPREPLY[@]}\"'");
    const std::vector<std::string> offered = linesOf(completed.output);
    EXPECT_EQ(std::set<std::string>(offered.begin(), offered.end() - 1), words);
    std::set<std::string> manual;
    const std::vector<std::string> lines = linesOf(sourceFile("doc/nnrules.1"));
    static const std::regex entry(R"(^\.B[IR]? .*?\\-\\-([a-z]+))");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::smatch named;
        if (lines[i - 1] == ".TP" && std::regex_search(lines[i], named, entry))
            manual.insert(named[1]);
    }
    EXPECT_EQ(manual, tabled);
    EXPECT_THAT(pageRow(),
                StartsWith(R"({"demos":[["sdpta","Single Discrete Perceptron Training Algorithm"],)"));
    EXPECT_THAT(pageRow(),
                HasSubstr(R"(]],"toggles":[{"name":"defaults","label":"Default values","title":"Run the)"));
}
