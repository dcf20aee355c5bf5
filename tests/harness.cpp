#include "harness.h"

#include "demos/training.h"
#include "menu.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <utility>

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

std::string menuOutput(const std::string& input, int cycleLimit) {
    const int savedLimit = std::exchange(maxTrainingCycles, cycleLimit);
    std::string output = outputOf(runMenu, input);
    maxTrainingCycles = savedLimit;
    return output;
}

Fixture readFixture(const std::string& name) {
    const std::string path = std::string(NNRULES_SCREENS) + "/" + name + ".txt";
    std::ifstream file(path);
    if (!file)
        throw std::runtime_error("no fixture " + path);
    Fixture fixture;
    std::string line;
    while (std::getline(file, line) &&
           (line.rfind("#", 0) == 0 || line.rfind("<", 0) == 0 || line.rfind("cycle limit: ", 0) == 0))
        if (line[0] == '<')
            fixture.input += line.substr(line.size() > 1 ? 2 : 1) + "\n";
        else if (line[0] == 'c')
            fixture.cycleLimit = std::stoi(line.substr(13));
    // The menu's own fixture shows the menu once; elsewhere a line of its own stands for it.
    const std::string menu = name == "menu-quit" ? "" : readFixture("menu-quit").screen;
    const auto screenLine = [&] { return line == "[menu]" ? menu : line; };
    for (fixture.screen = screenLine(); std::getline(file, line);)
        fixture.screen += "\n" + screenLine();
    return fixture;
}
