// Bad input at every point of every demo's dialog: the whole program must still end with
// status 0, within a bounded output, back at the menu or at the end of its input.
#include "harness.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <sys/wait.h>
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

struct Run {
    int status = -1;
    long long bytes = 0;
    std::string tail;
    std::string errors;
};

Run runProgram(const std::string& input) {
    char inputPath[] = "/tmp/nnrules-sweep-in-XXXXXX";
    char errorPath[] = "/tmp/nnrules-sweep-err-XXXXXX";
    close(mkstemp(inputPath));
    close(mkstemp(errorPath));
    FILE* inputFile = std::fopen(inputPath, "w");
    std::fwrite(input.data(), 1, input.size(), inputFile);
    std::fclose(inputFile);
    const std::string command =
        std::string("TERM=dumb ") + NNRULES_BINARY + " <" + inputPath + " 2>" + errorPath;
    Run run;
    FILE* pipe = popen(command.c_str(), "r");
    char buffer[1 << 16];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.bytes += static_cast<long long>(n);
        run.tail.append(buffer, n);
        if (run.tail.size() > 8192)
            run.tail.erase(0, run.tail.size() - 4096);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    FILE* errorFile = std::fopen(errorPath, "r");
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, errorFile)) > 0;)
        run.errors.append(buffer, n);
    std::fclose(errorFile);
    std::remove(inputPath);
    std::remove(errorPath);
    return run;
}

void sweep(const Dialog& dialog) {
    const std::string menu = menuScreen();
    for (size_t prefix = 0; prefix <= dialog.answers.size(); ++prefix) {
        for (size_t ending = 0; ending < endings.size(); ++ending) {
            std::string input(1, dialog.choice);
            for (size_t i = 0; i < prefix; ++i)
                input += "\n" + dialog.answers[i];
            if (!endings[ending].empty()) {
                input += "\n" + endings[ending];
                for (size_t i = prefix + 1; i < dialog.answers.size(); ++i)
                    input += "\n" + dialog.answers[i];
                input += "\nq\n";
            }
            const Run run = runProgram(input);
            const std::string where = "menu choice " + std::string(1, dialog.choice) + ", " +
                                      std::to_string(prefix) + " answers, ending \"" +
                                      endings[ending].substr(0, 12) + "\"";
            EXPECT_EQ(run.status, 0) << where << "\n" << run.errors;
            EXPECT_LE(run.bytes, outputBound) << where;
            EXPECT_TRUE(run.tail.size() >= menu.size() &&
                        run.tail.compare(run.tail.size() - menu.size(), menu.size(), menu) == 0)
                << where << ": the run did not end at the menu";
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace

TEST(Sweep, SingleDiscretePerceptron) {
    sweep(sdpta);
}
TEST(Sweep, MulticlassDiscretePerceptron) {
    sweep(mcdpta);
}
TEST(Sweep, SingleContinuousPerceptron) {
    sweep(scpta);
}
TEST(Sweep, MulticlassContinuousPerceptron) {
    sweep(mccpta);
}
TEST(Sweep, BackPropagation) {
    sweep(bpn);
}
TEST(Sweep, HopfieldMemory) {
    sweep(ham);
}
TEST(Sweep, BidirectionalMemory) {
    sweep(bam);
}
TEST(Sweep, KohonenLearning) {
    sweep(kcl);
}
