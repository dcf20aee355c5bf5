// The built program at a real terminal, its command line read, and the files installed with
// it; what it shows as the shell starts it, the fixtures of shell sessions hold.
#include "demos/demos.h"
#include "harness.h"
#include "options.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <regex>
#include <set>
#include <string>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using ::testing::HasSubstr;

// Keys typed at a terminal once it shows `after` (after what the keys before waited for),
// and its line editor reads.
struct Typing {
    std::string after, keys;
};

// What the program shows at a real (pseudo) terminal, with libedit, run with the arguments,
// as the keys are typed: from its cleared screen on (where it clears it), line ends as "\n";
// and how it ended. Its standard output goes to the file when one is named. With `plain`, its
// libedit is one without readline, and the terminal itself reads the lines.
struct AtTerminal {
    std::string shown;
    int status = -1;
};
AtTerminal atTerminal(const std::vector<Typing>& typing, const std::vector<const char*>& arguments = {},
                      const std::string& outputFile = "", bool plain = false) {
    int terminal = -1;
    winsize size{40, 100, 0, 0};
    const pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
    if (child == 0) {
        setenv("TERM", "dumb", 1);
        setenv("LC_ALL", "C.UTF-8", 1);
        if (plain)
            setenv("LD_LIBRARY_PATH", NNRULES_FAKE_LIBEDIT, 1);
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
            for (int tries = 0;
                 !plain && tries < 5000 && tcgetattr(terminal, &modes) == 0 && (modes.c_lflag & ECHO);
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
    const std::string trace = fileText(file);
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
TEST(Program, AQuizWhoseTraceGoesToAFileIsAskedWhereItIsTyped) {
    const std::string file = ::testing::TempDir() + "nnrules-quiz-" + std::to_string(getpid());
    const std::string shown =
        atTerminal({{"(y/n): ", "y\r"}, {"(2 numbers)? ", "1.00 2.00\r"}, {"(2 numbers)? ", "-1 1.75\r"}},
                   {"--quiz=2", "sdpta"}, file)
            .shown;
    const std::string question = "Step 1: y = [ 1; 1 ], d = 1, w = [ -2.5; 1.75 ], c = 1.\n"
                                 "The weights after this step (2 numbers)? ";
    const std::string trace = fileText(file);
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

// Without line editing, an arrow key's code is part of the line, refused as no number, and a
// line ended by Ctrl-D, or the input ended at a prompt, ends its line on the screen too.
TEST(Program, WithoutLineEditingLinesAreReadAsTyped) {
    const AtTerminal ran = atTerminal(
        {{"(y/n): ", "no\n"}, {"V1 0 (1): ", "1\x1b[D\n"}, {"(1): ", "1\x04\x04"}, {"V1 1 (-1): ", "\x04"}},
        {"ham"}, "", true);
    EXPECT_THAT(ran.shown, HasSubstr("\"1^[[D\" is not a number; type a number such as 0.5.\n"));
    EXPECT_THAT(ran.shown, HasSubstr("(1): 1\nEnter value for V1 1 (-1): \nEnter value for V1 2 (1): "));
    EXPECT_THAT(ran.shown, HasSubstr("Retreived vector no. 1 correctly."));
    EXPECT_TRUE(WIFEXITED(ran.status) && WEXITSTATUS(ran.status) == 0);
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
    const std::string completed =
        shellOutput("bash -c 'source " NNRULES_SOURCE_DIR "/completions/nnrules; COMP_WORDS=(" NNRULES_BINARY
                    " \\\"\\\"); COMP_CWORD=1; _nnrules; printf \"%s\\n\" \"${COMPREPLY[@]}\"'");
    const std::vector<std::string> offered = linesOf(completed);
    EXPECT_EQ(std::set<std::string>(offered.begin(), offered.end() - 1), words);
    std::set<std::string> manual;
    const std::vector<std::string> lines = linesOf(fileText(NNRULES_SOURCE_DIR "/doc/nnrules.1"));
    static const std::regex entry(R"(^\.B[IR]? .*?\\-\\-([a-z]+))");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::smatch named;
        if (lines[i - 1] == ".TP" && std::regex_search(lines[i], named, entry))
            manual.insert(named[1]);
    }
    EXPECT_EQ(manual, tabled);
    EXPECT_THAT(pageRow(), ::testing::StartsWith(
                               R"({"demos":[["sdpta","Single Discrete Perceptron Training Algorithm"],)"));
    EXPECT_THAT(pageRow(),
                HasSubstr(R"(]],"toggles":[{"name":"defaults","label":"Default values","title":"Run the)"));
}
