#include "menu.h"

#include "console/answers.h"
#include "console/console.h"
#include "demos/demos.h"
#include "demos/pacing.h"
#include "options.h"
#include "pictures/pictures.h"
#include "quiz/practice.h"
#include "quiz/quiz.h"
#include "run.h"
#include "settings.h"

#include <iostream>
#include <limits>
#include <string>

namespace {

void showPrompt() {
    std::cout << "      Enter Your Choice: " << std::flush;
}

// The width of an item between the frame's "**" and four blanks on the left, and "**" on
// the right: every demo's "N. " and title fits it.
constexpr std::size_t itemWidth = 62;
static_assert(demoCount < 10 && 3 + longest(&Demo::title) <= itemWidth,
              "a menu item is wider than the frame");

// A line of the menu's frame: "**", four blanks, the item, blanks up to column 68, "**".
void showItem(const std::string& item) {
    std::cout << "**    " << item << std::string(itemWidth - item.size(), ' ') << "**" << std::endl;
}

void showMenu() {
    std::cout << std::endl;
    std::cout << "**********************************************************************" << std::endl;
    std::cout << "**********                    MAIN MENU                     **********" << std::endl;
    std::cout << "****                                                              ****" << std::endl;
    for (int i = 0; i < demoCount; ++i)
        showItem(std::to_string(i + 1) + ". " + demos[i].title);
    showItem("Q. Quit");
    std::cout << "**********************************************************************" << std::endl;
    showPrompt();
}

// At a terminal: what the menu takes, what each demo teaches, the keys of a pause and the
// options, on one screen.
void showMenuHelp() {
    std::cout << "The demos, by number or name:" << std::endl;
    for (int i = 0; i < demoCount; ++i) {
        const std::string name = demos[i].name;
        std::cout << "  " << i + 1 << "  " << name << std::string(8 - name.size(), ' ') << demos[i].teaches
                  << std::endl;
    }
    std::cout << "At the menu: a number or name; help, h or ? for this; q, quit or exit to end." << std::endl
              << "In a dialog: Enter keeps the value shown; one line may answer several prompts." << std::endl
              << "At a pause (-s): Enter: next, N: N more, c: to the end, q: stop, e: explain." << std::endl
              << "Ctrl-C stops a training. Options, when the program starts (nnrules --help):" << std::endl
              << optionLines();
}

// Reads the next menu choice. A demo may have left the stream failed by a non-number
// where it read a number: that line is dropped and the choice read after it. At a
// terminal the choice is a whole line, a demo's number or name; an empty one asks again.
// False when input has ended, which ends the program as Q would.
bool readChoice(std::string& choice) {
    if (inputIsTyped()) {
        while (readTypedAnswer(choice)) {
            if (!choice.empty())
                return true;
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
    char letter;
    if (!readAnswerWord(letter))
        return false;
    choice = letter;
    echoAnswer(choice);
    return true;
}

// The demo's results stay on the screen until the student is done with them; the pictures
// of the run, when they were not drawn, are offered.
void pauseBeforeMenu() {
    std::string answer;
    if (settings().pictures) {
        readTypedLine(answer, "Press Enter to return to the menu.");
        return;
    }
    readTypedLine(answer, "Press Enter to return to the menu, or p and Enter for this run's pictures.");
    // The pictures stay on the screen until the student is done with them too.
    if ((answer == "p" || answer == "P") && drawLastRunPictures())
        readTypedLine(answer, "Press Enter to return to the menu.");
}

} // namespace

// Runs one demo, as the menu or the command line chooses it.
// Static rather than in the anonymous namespace: the page names it (cmake/web.cmake) as a
// caller by pointer of functions that wait for typed lines.
static void runChosenDemo(const Demo& demo, bool fromMenu) {
    // From the menu, Ctrl-C at a prompt goes back to it; alone, the demo ends the program.
    if (fromMenu)
        beginDemo();
    RunState run;
    const RunScope runUnderWay(run);
    demo.run();
    if (!leavingDemo())
        endQuiz();
    if (fromMenu && inputIsTyped() && !leavingDemo())
        pauseBeforeMenu();
    demoEnded();
}

void runMenu(const Settings& sessionSettings) {
    useSettings(sessionSettings);
    bool quit = false;
    bool helpShown = false;
    while (!quit) {
        // After the help the prompt alone follows, so that the help stays on the screen.
        if (helpShown)
            showPrompt();
        else
            showMenu();
        std::string choice;
        if (!readChoice(choice))
            break;
        const Demo* const demo = findDemo(choice.c_str());
        // A line typed at a terminal may be a word; from a file, the menu reads a letter.
        const bool typed = inputIsTyped();
        helpShown = typed && (choice == "help" || choice == "h" || choice == "?");
        if (choice == "Q" || choice == "q" || (typed && (choice == "quit" || choice == "exit"))) {
            quit = true;
        } else if (helpShown) {
            showMenuHelp();
        } else if (!demo) {
            std::cout << "      !!!!   Invalid Choice   !!!! " << std::endl;
        } else {
            runChosenDemo(*demo, true);
        }
    }
}

void runDemo(const Demo& demo, const Settings& sessionSettings) {
    useSettings(sessionSettings);
    runChosenDemo(demo, false);
}

int runPractice(const Demo& demo, const Settings& sessionSettings) {
    // Nothing of the run is shown (its trace, brief or not, goes unseen): nothing to pace,
    // explain, draw or echo.
    Settings practice = sessionSettings;
    practice.step = practice.pictures = practice.explain = practice.echo = false;
    useSettings(practice);
    return practise(demo.run, demo.name, demo.title);
}

int runAsAsked(const Demo* demo, const Settings& settings) {
    if (demo && (settings.sheet || settings.key || !settings.gradedFiles.empty()))
        return runPractice(*demo, settings);
    if (demo)
        runDemo(*demo, settings);
    else
        runMenu(settings);
    return 0;
}
