// terminal_screen LINES [OPTION]... [DEMO]: what the program shows at a terminal when the
// lines of the file LINES are typed at its prompts (then Ctrl-D), for the web page's test.
#include "console/console.h"
#include "menu.h"
#include "options.h"

#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    std::ifstream typed(argv[1]);
    argv[1] = argv[0];
    const Options options = parseOptions(argc - 1, argv + 1);
    setUpConsole();
    typeAtTerminal([&typed](std::string& line) { return static_cast<bool>(std::getline(typed, line)); });
    const Settings& asked = options.settings;
    if (options.demo && (asked.sheet || asked.key || !asked.gradedFiles.empty()))
        runPractice(*options.demo, asked);
    else if (options.demo)
        runDemo(*options.demo, asked);
    else
        runMenu(asked);
    writePendingOutput();
    return 0;
}
