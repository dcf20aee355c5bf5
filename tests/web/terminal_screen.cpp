// terminal_screen LINES [OPTION]... [DEMO]: what the program shows at a terminal when the
// lines of the file LINES are typed at its prompts (then Ctrl-D), for the web page's test.
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
    std::ifstream typed(argv[1]);
    argv[1] = argv[0];
    const Options options = parseOptions(argc - 1, argv + 1);
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
