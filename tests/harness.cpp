#include "harness.h"

#include "console/console.h"
#include "menu.h"
#include "options.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

std::string outputOf(const std::function<void()>& run, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    std::streambuf* const savedIn = std::cin.rdbuf(in.rdbuf());
    std::streambuf* const savedOut = std::cout.rdbuf(out.rdbuf());
    std::cin.clear();
    run();
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
    return out.str();
}

std::string shellOutput(const std::string& commandLine, int* status) {
    FILE* pipe = popen(commandLine.c_str(), "r");
    std::string output;
    char buffer[1 << 16];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        output.append(buffer, n);
    const int ended = pclose(pipe);
    if (status)
        *status = WIFEXITED(ended) ? WEXITSTATUS(ended) : -1;
    return output;
}

std::string menuOutput(const MenuRun& run) {
    std::istringstream lines(run.input);
    if (run.typed)
        typeAtTerminal([&lines](std::string& line) { return static_cast<bool>(std::getline(lines, line)); });
    std::string output = outputOf([&run] { runAsAsked(run.demo, run.settings); }, run.typed ? "" : run.input);
    typeAtTerminal(nullptr);
    return output;
}

std::string menuOutput(const std::string& input, int cycleLimit) {
    return optionsOutput("", input, cycleLimit);
}

namespace {

// The settings that the options give, as the command line reads them, and the demo they name.
Options optionsOf(const std::string& line, int cycleLimit) {
    std::istringstream words(line);
    std::vector<std::string> arguments = {"nnrules"};
    for (std::string word; words >> word;)
        arguments.push_back(word);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    Options options = parseOptions(static_cast<int>(argv.size()), argv.data());
    if (options.action == Options::Action::Error)
        throw std::runtime_error("fixture options: " + options.error);
    options.settings.cycleLimit = cycleLimit;
    return options;
}

using Lines = std::vector<std::string>;

std::size_t matchingLines(const Lines& expected, const Lines& actual, std::size_t at) {
    std::size_t n = 0;
    while (n < expected.size() && at + n < actual.size() && expected[n] == actual[at + n])
        ++n;
    return n;
}

std::vector<Lines> partsOf(const Lines& expected) {
    std::vector<Lines> parts(1);
    for (const std::string& line : expected)
        if (line == "[...]")
            parts.emplace_back();
        else
            parts.back().push_back(line);
    return parts;
}

// Where a part of the expected lines (between two "[...]") stands among the actual ones, looked
// for from `at`: the first at the start, the last at the end, each other where it first follows
// whole, else where most of it does.
std::size_t placeOf(const Lines& part, bool first, bool last, const Lines& actual, std::size_t at) {
    if (last && !first)
        return std::max(at, actual.size() - std::min(actual.size(), part.size()));
    if (!first)
        for (std::size_t from = at, best = 0; from < actual.size(); ++from)
            if (const std::size_t n = matchingLines(part, actual, from); n > best) {
                at = from;
                best = n;
                if (n == part.size())
                    break;
            }
    return at;
}

// Where each part of the expected lines stands among the actual ones, each taken to be whole.
std::vector<std::size_t> partPlaces(const std::vector<Lines>& parts, const Lines& actual) {
    std::vector<std::size_t> places;
    std::size_t at = 0;
    for (std::size_t p = 0; p < parts.size(); ++p) {
        at = placeOf(parts[p], p == 0, p + 1 == parts.size(), actual, at);
        places.push_back(at);
        at += parts[p].size();
    }
    return places;
}

std::string difference(const Lines& expected, const Lines& actual) {
    const std::vector<Lines> parts = partsOf(expected);
    const std::vector<std::size_t> places = partPlaces(parts, actual);
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Lines& part = parts[p];
        const std::size_t same = matchingLines(part, actual, places[p]);
        const std::size_t at = places[p] + same;
        if (same < part.size() || (p + 1 == parts.size() && at < actual.size())) {
            std::ostringstream report;
            report << "screen line " << at + 1 << " differs.\n  expected: \""
                   << (same < part.size() ? part[same] : "(the end of the screen)")
                   << "\"\n  screen around it:\n";
            for (std::size_t i = at < 3 ? 0 : at - 3; i < std::min(actual.size(), at + 3); ++i)
                report << (i == at ? "  > \"" : "    \"") << actual[i] << "\"\n";
            return report.str();
        }
    }
    return "";
}

// A line of a fixture's header: what is typed, the run's settings, or what the screen shows.
bool isHeaderLine(const std::string& line) {
    for (const char* start : {"#", "<", "cycle limit: ", "options: "})
        if (line.rfind(start, 0) == 0)
            return true;
    return line == "typed at a terminal";
}

} // namespace

std::string optionsOutput(const std::string& options, const std::string& input, int cycleLimit) {
    const Options read = optionsOf(options, cycleLimit);
    MenuRun run;
    run.input = input;
    run.settings = read.settings;
    run.demo = read.demo;
    return menuOutput(run);
}

Fixture readFixture(const std::string& name) {
    const std::string path = std::string(NNRULES_SCREENS) + "/" + name + ".txt";
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("no fixture " + path);
    Fixture fixture;
    std::string line;
    const auto header = [&line](const char* word) { return line.rfind(word, 0) == 0; };
    while (std::getline(file, line) && isHeaderLine(line))
        if (header("<"))
            fixture.input += line.substr(line.size() > 1 ? 2 : 1) + "\n";
        else if (header("cycle limit: "))
            fixture.settings.cycleLimit = std::stoi(line.substr(13));
        else if (header("options: ")) {
            const Options options = optionsOf(line.substr(9), fixture.settings.cycleLimit);
            fixture.settings = options.settings;
            fixture.demo = options.demo;
        } else if (!header("#"))
            fixture.typed = true;
    // The menu's own fixture shows the menu once; elsewhere a line of its own stands for it.
    const std::string menu = name == "menu-quit" ? "" : readFixture("menu-quit").screen;
    const auto screenLine = [&] { return header("[menu]") ? menu + line.substr(6) : line; };
    for (fixture.screen = screenLine(); std::getline(file, line);)
        fixture.screen += "\n" + screenLine();
    return fixture;
}

std::string freshFolder(const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("nnrules-" + name + "-" + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

std::string fileText(const std::string& path) {
    std::ostringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (const char c : text)
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    return lines;
}

std::string screenDifference(const std::string& expected, const std::string& screen) {
    return difference(linesOf(expected), linesOf(screen));
}

void rewriteFixture(const std::string& name, const std::string& screen) {
    const std::string path = std::string(NNRULES_SCREENS) + "/" + name + ".txt";
    std::ifstream file(path);
    std::string header, line;
    while (std::getline(file, line) && isHeaderLine(line))
        header += line + "\n";
    file.close();
    // The screen where the fixture's own lines stand, its gaps kept as gaps.
    const Lines actual = linesOf(screen);
    const std::vector<Lines> parts = partsOf(linesOf(readFixture(name).screen));
    const std::vector<std::size_t> places = partPlaces(parts, actual);
    std::string rewritten;
    // A part whose lines grew or shrank ends at its last line, looked for near where its length
    // would put it.
    const auto near = [&actual](const std::string& wanted, std::size_t from, std::size_t to) {
        for (std::size_t at = from; at < std::min(to, actual.size()); ++at)
            if (actual[at] == wanted)
                return at;
        return std::string::npos;
    };
    for (std::size_t p = 0; p < parts.size(); ++p) {
        const Lines& part = parts[p];
        std::size_t from = std::min(places[p], actual.size());
        // The last part runs to the screen's end, as difference() holds it to (where it is empty,
        // the fixture ends in a gap).
        const bool last = p + 1 == parts.size();
        std::size_t to = last && !part.empty() ? actual.size() : std::min(actual.size(), from + part.size());
        if (parts.size() > 1 && !part.empty() && !last) {
            const std::size_t end = near(part.back(), from + part.size() / 2, from + part.size() + 20);
            to = end == std::string::npos ? to : end + 1;
        } else if (parts.size() > 1 && !part.empty()) {
            // The last part starts where most of it follows, the latest of equals.
            const std::size_t placed = from;
            for (std::size_t at = placed < 20 ? 0 : placed - 20, best = 0;
                 at < std::min(actual.size(), placed + 5); ++at)
                if (const std::size_t n = matchingLines(part, actual, at); n > 0 && n >= best) {
                    best = n;
                    from = at;
                }
        }
        if (p > 0)
            rewritten += "[...]\n";
        for (std::size_t i = from; i < to; ++i)
            rewritten += actual[i] + "\n";
    }
    // The menu, where it is shown, stands for itself again.
    if (name != "menu-quit") {
        const std::string menu = readFixture("menu-quit").screen;
        for (std::size_t at = rewritten.find(menu); at != std::string::npos;
             at = rewritten.find(menu, at + 6))
            if (at == 0 || rewritten[at - 1] == '\n')
                rewritten.replace(at, menu.size(), "[menu]");
    }
    // A last line without its line end reads as one with it: kept as the fixture had it.
    const std::string original = fileText(path);
    if (!original.empty() && original.back() != '\n' && rewritten.size() > 1 &&
        rewritten[rewritten.size() - 2] != '\n')
        rewritten.pop_back();
    std::ofstream(path) << header << rewritten;
}
