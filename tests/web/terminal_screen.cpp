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
    runAsAsked(options.demo, options.settings);
    writePendingOutput();
    return 0;
}
