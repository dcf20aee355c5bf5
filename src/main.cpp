// The program: the command line wired to the menu, or to the one demo it names.
#include "console/console.h"
#include "demos/demos.h"
#include "demos/dialog.h"
#include "demos/training.h"
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
    setUpConsole();
    if (options.action == Options::Action::Help || options.action == Options::Action::Version) {
        std::cout << (options.action == Options::Action::Help ? helpText() : versionText());
        writePendingOutput();
        return 0;
    }
    if (!options.curveFile.empty()) {
        if (const std::string why = writeCurvesTo(options.curveFile); !why.empty()) {
            std::cerr << "nnrules: cannot write the curve file '" << options.curveFile << "': " << why
                      << std::endl;
            return 2;
        }
    }
    askForPictures(options.pictures);
    stepThroughLearning(options.step);
    keepTracesBrief(options.brief);
    if (options.defaults)
        answerYesForTheUser();
    if (options.action == Options::Action::Demo) {
        runDemo(*options.demo);
    } else {
        clearScreen();
        runMenu();
    }
    writePendingOutput();
    finishCurves();
    return 0;
}
