// Bad input at every point of every demo's dialog: the menu choice, the first answers of
// the dialog, then one bad ending in place of the next answer, and nothing more. The menu
// loop must still end normally, within a bounded output, at the menu.
#include "console.h"
#include "harness.h"
#include "project.h"

#include <gtest/gtest.h>

#include <iostream>
#include <locale>
#include <string>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>
#include <vector>

namespace {

// Each demo's complete "n" dialog: every prompt answered with the value it shows.
struct Dialog {
    char choice;
    std::vector<std::string> answers;
};

const Dialog sdpta{'1', {"n", "10", "1", "1", "1", "1", "-0.5", "-1", "3", "1", "-2", "-1", "-2.5", "1.75"}};
const Dialog mcdpta{'2', {"n",  "-1", "1",  "10", "1",  "2", "-2", "-1", "0",  "2", "0",
                          "-5", "-1", "-1", "2",  "-5", "1", "5",  "3",  "-1", "-1"}};
const Dialog scpta{'3', {"n", "1", "0.1", "1", "1", "1", "-0.5", "-1", "3", "1", "-2", "-1", "-2.5", "1.75"}};
const Dialog mccpta{'4', {"n",   "-1", "0.1",  "1",  "10",  "0.4", "2",   "-0.2", "-1",  "0.1", "2",
                          "0.5", "-5", "-0.1", "-1", "0.2", "-5",  "0.1", "5",    "0.3", "-1",  "-0.1"}};
const Dialog bpn{'5',
                 {"n", "-1", "0.1", "1",   "0",   "0",   "-1", "0",    "1", "-1", "1", "0",    "-1",  "1",
                  "1", "-1", "0.5", "0.4", "0.8", "0.9", "1",  "-0.1", "0", "0",  "0", "-1.2", "1.1", "0.3"}};
const Dialog ham{'6',
                 {"n", "1", "-1", "1", "-1", "1", "-1", "1", "1", "-1", "-1", "1", "1", "-1", "1", "1", "1"}};
const Dialog bam{'7',
                 {"n",  "1",  "1",  "1", "1",  "1",  "1",  "-1", "-1", "-1", "-1", "-1", "-1", "1",  "1",
                  "-1", "-1", "1",  "1", "-1", "-1", "1",  "1",  "-1", "-1", "1",  "1",  "1",  "-1", "-1",
                  "-1", "1",  "-1", "1", "-1", "1",  "-1", "A",  "-1", "1",  "1",  "1",  "1",  "1"}};
const Dialog kcl{'8',
                 {"n", "0.5", "0.8", "0.6", "0.1736", "-0.9848", "0.707", "0.707", "0.342", "-0.9397", "0.6",
                  "0.8", "1", "0", "-1", "0"}};

// What stands where an answer was due; the empty ending is the end of input.
const std::vector<std::string> endings = {"", "x", "1e999", "-0", std::string(5000, '7'), "nan"};

// The longest output any run may write: the longest capped training (100000 cycles of
// the back-propagation trace) stays well below it.
constexpr long long outputBound = 400LL * 1024 * 1024;

struct Outcome {
    int status = -1;
    long long bytes = 0;
    std::string tail;
};

// Runs the menu loop on the input in a child process, as the program would, with the
// output counted and only its tail kept. A crash or a sanitizer report shows in the
// child's exit status.
Outcome runInChild(const std::string& input) {
    int channel[2];
    if (pipe(channel) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
        long long bytes = 0;
        const std::string tail = runWithInputTail(runMenu, input, 8192, bytes);
        const bool sent = write(channel[1], &bytes, sizeof bytes) == sizeof bytes &&
                          write(channel[1], tail.data(), tail.size()) == ssize_t(tail.size());
        _exit(sent ? 0 : 99);
    }
    close(channel[1]);
    Outcome run;
    long long bytes = 0;
    if (read(channel[0], &bytes, sizeof bytes) == sizeof bytes)
        run.bytes = bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        run.tail.append(buffer, size_t(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

const Dialog* const dialogs[] = {&sdpta, &mcdpta, &scpta, &mccpta, &bpn, &ham, &bam, &kcl};
const char* const demoNames[] = {"SingleDiscretePerceptron",
                                 "MulticlassDiscretePerceptron",
                                 "SingleContinuousPerceptron",
                                 "MulticlassContinuousPerceptron",
                                 "BackPropagation",
                                 "HopfieldMemory",
                                 "BidirectionalMemory",
                                 "KohonenLearning"};
const char* const endingNames[] = {"EndOfInput", "Letter", "Overflow", "NegativeZero", "LongDigits", "NaN"};

class BadInput : public ::testing::TestWithParam<std::tuple<int, int>> {};

} // namespace

// One demo, one ending, every prefix of the dialog.
TEST_P(BadInput, EveryRunEndsAtTheMenu) {
    const Dialog& dialog = *dialogs[std::get<0>(GetParam())];
    const std::string& ending = endings[size_t(std::get<1>(GetParam()))];
    const std::string menu = menuScreen();
    for (size_t prefix = 0; prefix <= dialog.answers.size(); ++prefix) {
        std::string input(1, dialog.choice);
        for (size_t i = 0; i < prefix; ++i)
            input += "\n" + dialog.answers[i];
        input += "\n" + ending + "\n";
        const Outcome run = runInChild(input);
        SCOPED_TRACE("after " + std::to_string(prefix) + " answers of the dialog");
        EXPECT_EQ(run.status, 0);
        EXPECT_LE(run.bytes, outputBound);
        EXPECT_TRUE(endsWith(run.tail, menu)) << "the run did not end at the menu";
        if (HasFailure())
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(Sweep, BadInput, ::testing::Combine(::testing::Range(0, 8), ::testing::Range(0, 6)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& test) {
                             return std::string(demoNames[std::get<0>(test.param)]) + "_" +
                                    endingNames[std::get<1>(test.param)];
                         });
