// What the program shows at a terminal when the lines of a file are typed at its prompts:
// each typed line after its prompt, as the terminal echoes it. The browser test expects
// the page to show the same text for the same lines.
//
//   terminal_screen LINES [OPTION]... [DEMO]
//
// takes the options and the demo as the program does; when the lines run out, the input
// ends, as Ctrl-D ends it.
#include "console/console.h"
#include "demos/demos.h"
#include "demos/dialog.h"
#include "demos/training.h"
#include "menu.h"
#include "options.h"
#include "pictures/pictures.h"

#include <fstream>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::cerr << "usage: terminal_screen LINES [OPTION]... [DEMO]" << std::endl;
        return 2;
    }
    std::ifstream typed(argv[1]);
    if (!typed) {
        std::cerr << "terminal_screen: cannot read " << argv[1] << std::endl;
        return 2;
    }
    argv[1] = argv[0];
    const Options options = parseOptions(argc - 1, argv + 1);
    if (options.action != Options::Action::Menu && options.action != Options::Action::Demo) {
        std::cerr << "terminal_screen: only the menu or a demo can be run" << std::endl;
        return 2;
    }
    setUpConsole();
    askForPictures(options.pictures);
    stepThroughLearning(options.step);
    keepTracesBrief(options.brief);
    typeAtTerminal([&typed](std::string& line) { return static_cast<bool>(std::getline(typed, line)); });
    if (options.defaults)
        answerYesForTheUser();
    if (options.demo)
        runDemo(*options.demo);
    else
        runMenu();
    writePendingOutput();
    return 0;
}
