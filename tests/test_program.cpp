// The built program itself, as a user starts it from the shell, and the files installed
// with it.
#include "demos/demos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

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

// A file of the sources: the manual page, the completion.
std::string sourceFile(const std::string& name) {
    std::ostringstream text;
    text << std::ifstream(std::string(NNRULES_SOURCE_DIR) + "/" + name).rdbuf();
    return text.str();
}

} // namespace

TEST(Program, HelpAndVersion) {
    for (const char* help : {"nnrules --help", "nnrules -h"}) {
        const Ran shown = run(help);
        EXPECT_EQ(shown.status, 0);
        EXPECT_THAT(shown.output, StartsWith("Usage: nnrules [OPTION]... [DEMO]\n"));
        for (const char* part : {"--defaults", "--help", "--version", "1  sdpta", "8  kcl", "Examples:"})
            EXPECT_THAT(shown.output, HasSubstr(part));
    }
    const Ran version = run("nnrules --version");
    EXPECT_EQ(version.status, 0);
    EXPECT_THAT(version.output, StartsWith(std::string("nnrules ") + NNRULES_VERSION + "\n"));
    EXPECT_THAT(version.output, HasSubstr("MIT License"));
}

TEST(Program, BadCommandLinesSayWhatIsWrongAndEndWithStatus2) {
    for (const auto& [arguments, message] :
         {std::pair{"--bogus", "unknown option '--bogus'"},
          {"-x", "unknown option '-x'"},
          {"ninth", "unknown demo 'ninth'"},
          {"1 2", "one demo at a time: '2' is one too many"},
          {"-d", "--defaults needs a demo"},
          {"--curve", "--curve needs a file name"},
          {"--curve /nonexistent/curves.tsv 1", "cannot write the curve file"}}) {
        const Ran refused = run(std::string("nnrules ") + arguments + " </dev/null");
        EXPECT_EQ(refused.status, 2) << arguments;
        EXPECT_EQ(refused.output, "") << arguments;
        EXPECT_THAT(refused.errors, StartsWith(std::string("nnrules: ") + message)) << arguments;
        EXPECT_THAT(refused.errors, ::testing::EndsWith("Try 'nnrules --help'.\n")) << arguments;
    }
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

TEST(Program, AnOutputThatCannotBeWrittenIsAFailure) {
    const Ran full = run("nnrules -d bpn >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.errors, "nnrules: write error: No space left on device\n");
    EXPECT_EQ(run("echo q | nnrules >/dev/full").status, 1);
}

// The plain C writer that the program's speed is measured against must write exactly what
// the program writes, or the comparison would not be fair.
TEST(Program, WritesTheReferenceWritersBytesForTheDefaultBackPropagationRun) {
    const std::string program = run("printf '5\\ny\\nq\\n' | nnrules").output;
    const std::string reference = run(NNRULES_REFERENCE).output;
    EXPECT_THAT(program, HasSubstr("Total cycles: 5629  e: 0.00999869\n"));
    EXPECT_TRUE(program == reference) << "the outputs differ";
}

// The manual page and the bash completion keep lists of their own, which must name the
// demos of the menu, in its order, and no others.
TEST(Program, TheManualPageAndTheCompletionNameTheDemosOfTheMenu) {
    const std::string manual = sourceFile("doc/nnrules.1"), completion = sourceFile("completions/nnrules");
    std::string names, sections;
    for (int i = 0; i < demoCount; ++i) {
        names += std::string(i ? " \", \" " : ".BR ") + demos[i].name;
        sections += ".SS " + std::to_string(i + 1) + ". " + demos[i].title + "\n";
    }
    EXPECT_THAT(manual, HasSubstr(names + " .\n"));
    std::istringstream lines(manual);
    std::string manualSections;
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(".SS ", 0) == 0 && std::isdigit(static_cast<unsigned char>(line[4])))
            manualSections += line + "\n";
    EXPECT_EQ(manualSections, sections);
    const auto words = completion.find("compgen -W \"") + 12;
    std::istringstream completed(completion.substr(words, completion.find('"', words) - words));
    std::string demoWords;
    for (std::string word; completed >> word;)
        if (word[0] != '-')
            demoWords += (demoWords.empty() ? "" : " ") + word;
    std::string tableWords;
    for (const Demo& demo : demos)
        tableWords += (tableWords.empty() ? "" : " ") + std::string(demo.name);
    EXPECT_EQ(demoWords, tableWords);
}
