// The program: the command line wired to the menu, or to the one demo it names.
#include "console/answers.h"
#include "console/console.h"
#include "demos/demos.h"
#include "menu.h"
#include "options.h"
#include "pictures/curvefile.h"
#include "pictures/svg.h"
#include "quiz/practice.h"

#include <iostream>
#include <sstream>
#include <string>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// The web page's row of demos and toggles, made from the program's tables (the page asks before
// the program starts).
extern "C" EMSCRIPTEN_KEEPALIVE const char* optionsRow() {
    static const std::string row = pageRow();
    return row.c_str();
}
#endif

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    if (options.action == Options::Action::Error) {
        // The message quotes the words given, which are shown, not obeyed, by a terminal.
        std::cerr << "nnrules: " << shownWord(options.error) << ". Try 'nnrules --help'." << std::endl;
        return 2;
    }
    setUpConsole();
    if (options.action == Options::Action::Help || options.action == Options::Action::Version) {
        std::cout << (options.action == Options::Action::Help ? helpText() : versionText());
        writePendingOutput();
        return 0;
    }
    if (!options.settings.curveFile.empty()) {
        if (const std::string why = openCurveFile(options.settings.curveFile); !why.empty()) {
            std::cerr << "nnrules: cannot write the curve file '" << shownWord(options.settings.curveFile)
                      << "': " << why << std::endl;
            return 2;
        }
    }
    if (const std::string& folder = options.settings.svgFolder; !folder.empty()) {
        if (const std::string why = svgFolderProblem(folder); !why.empty()) {
            std::cerr << "nnrules: cannot write pictures into the folder '" << shownWord(folder)
                      << "': " << why << std::endl;
            return 2;
        }
    }
    // The quiz's answers from their own file, read whole before the run begins.
    std::istringstream answers;
    if (const std::string& file = options.settings.answersFile; !file.empty()) {
        std::string text, why;
        if (!readWholeFile(file, text, why)) {
            std::cerr << "nnrules: cannot read the answers file '" << shownWord(file) << "': " << why
                      << std::endl;
            return 2;
        }
        answers.str(text);
        readQuizAnswersFrom(&answers, file);
    }
    if (options.action == Options::Action::Menu)
        clearScreen();
    const int status = runAsAsked(options.demo, options.settings);
    writePendingOutput();
    closeCurveFile();
    return status;
}
