#include "project.h"

#include "console.h"
#include "demos/demos.h"
#include "demos/dialog.h"
#include "options.h"
#include "pictures/pictures.h"

#include <iostream>
#include <limits>

namespace {

void showPrompt() {
    std::cout << "      Enter Your Choice: " << std::flush;
}

void showMenu() {
    std::cout << std::endl;
    std::cout << "**********************************************************************" << std::endl;
    std::cout << "**********                    MAIN MENU                     **********" << std::endl;
    std::cout << "****                                                              ****" << std::endl;
    std::cout << "**    1. Single Discrete Perceptron Training Algorithm              **" << std::endl;
    std::cout << "**    2. Multiclass Discrete Perceptron Training Algorithm          **" << std::endl;
    std::cout << "**    3. Single Continuous Perceptron Training Algorithm            **" << std::endl;
    std::cout << "**    4. Multiclass Continuous Perceptron Training Algorithm        **" << std::endl;
    std::cout << "**    5. 2-Layer Back Propagation Network                           **" << std::endl;
    std::cout << "**    6. Hopfield Auto-Associative Memory Storage                   **" << std::endl;
    std::cout << "**    7. Bidirectional Associative Memory Storage                   **" << std::endl;
    std::cout << "**    8. Kohonen Competitive Learning                               **" << std::endl;
    std::cout << "**    Q. Quit                                                       **" << std::endl;
    std::cout << "**********************************************************************" << std::endl;
    showPrompt();
}

// Reads the next menu choice. A demo may have left the stream failed by a non-number
// where it read a number: that line is dropped and the choice read after it. At a
// terminal the choice is a whole line; one that is not exactly a choice is answered as an
// invalid choice, and an empty one asks again. False when input has ended, which ends
// the program as Q would.
bool readChoice(char& choice) {
    if (inputIsTerminal()) {
        std::string line;
        while (readTypedAnswer(line)) {
            if (!line.empty()) {
                choice = line.size() == 1 ? line[0] : '?';
                return true;
            }
            showPrompt();
        }
        return false;
    }
    if (std::cin.eof())
        return false;
    if (std::cin.fail()) {
        std::cin.clear();
        std::cin.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return static_cast<bool>(std::cin >> choice);
}

} // namespace

bool runDemo(char choice) {
    switch (choice) {
    case '1':
        SDPTA();
        break;
    case '2':
        MCDPTA();
        break;
    case '3':
        SCPTA();
        break;
    case '4':
        MCCPTA();
        break;
    case '5':
        BPN();
        break;
    case '6':
        HAM();
        break;
    case '7':
        BAM();
        break;
    case '8':
        KCL();
        break;
    default:
        return false;
    }
    return true;
}

void runMenu() {
    bool quit = false;
    while (!quit) {
        showMenu();
        char choice = 'q';
        if (!readChoice(choice))
            break;
        if (choice == 'Q' || choice == 'q') {
            quit = true;
        } else if (!runDemo(choice)) {
            std::cout << "      !!!!   Invalid Choice   !!!! " << std::endl;
        } else if (inputIsTerminal()) {
            // The demo's results stay on the screen until the student is done with them.
            std::string line;
            readTypedLine(line, "Press Enter to return to the menu.");
        }
    }
}

#ifndef NNRULES_MENU_ONLY
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
        drawPicturesAfterDemos();
    setUpConsole();
    // --defaults answers the demo's question with y, and nothing at all is read.
    if (options.defaults)
        answerFrom("y\n");
    if (options.action == Options::Action::Help) {
        std::cout << helpText();
    } else if (options.action == Options::Action::Version) {
        std::cout << versionText();
    } else if (options.action == Options::Action::Demo) {
        runDemo(options.demo);
    } else {
        clearScreen();
        runMenu();
    }
    finishOutput();
    return 0;
}
#endif
