// The program: the command line wired to the menu, or to the one demo it names.
#include "console/console.h"
#include "demos/demos.h"
#include "menu.h"
#include "options.h"
#include "pictures/pictures.h"

#include <iostream>

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    if (options.action == Options::Action::Error) {
        std::cerr << "nnrules: " << options.error << ". Try 'nnrules --help'." << std::endl;
        return 2;
    }
    if (!options.curveFile.empty() && !writeCurvesTo(options.curveFile)) {
        std::cerr << "nnrules: cannot write the curve file '" << options.curveFile
                  << "'. Try 'nnrules --help'." << std::endl;
        return 2;
    }
    if (options.pictures)
        askForPictures();
    setUpConsole();
    // --defaults answers the demo's question with y, and nothing at all is read.
    if (options.defaults)
        answerFrom("y\n");
    if (options.action == Options::Action::Help) {
        std::cout << helpText();
    } else if (options.action == Options::Action::Version) {
        std::cout << versionText();
    } else if (options.action == Options::Action::Demo) {
        options.demo->run();
    } else {
        clearScreen();
        runMenu();
    }
    finishOutput();
    return 0;
}
