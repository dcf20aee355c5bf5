#include "harness.h"

#include "project.h"

#include <iostream>
#include <sstream>

namespace {

// Points the standard streams at string streams for its lifetime.
struct ConsoleCapture {
    std::istringstream in;
    std::ostringstream out;
    std::streambuf* savedIn;
    std::streambuf* savedOut;

    explicit ConsoleCapture(const std::string& input)
        : in(input), savedIn(std::cin.rdbuf(in.rdbuf())), savedOut(std::cout.rdbuf(out.rdbuf())) {
        std::cin.clear();
    }
    ~ConsoleCapture() {
        std::cin.rdbuf(savedIn);
        std::cout.rdbuf(savedOut);
        std::cin.clear();
    }
};

} // namespace

std::string runWithInput(void (*function)(), const std::string& input) {
    ConsoleCapture console(input);
    function();
    return console.out.str();
}

std::string runMenuWithInput(const std::string& input, bool startFailed) {
    ConsoleCapture console(input);
    if (startFailed)
        std::cin.setstate(std::ios::failbit);
    runMenu();
    return console.out.str();
}

std::string menuScreen() {
    return "\n"
           "**********************************************************************\n"
           "**********                    MAIN MENU                     **********\n"
           "****                                                              ****\n"
           "**    1. Single Discrete Perceptron Training Algorithm              **\n"
           "**    2. Multiclass Discrete Perceptron Training Algorithm          **\n"
           "**    3. Single Continuous Perceptron Training Algorithm            **\n"
           "**    4. Multiclass Continuous Perceptron Training Algorithm        **\n"
           "**    5. 2-Layer Back Propagation Network                           **\n"
           "**    6. Hopfield Auto-Associative Memory Storage                   **\n"
           "**    7. Bidirectional Associative Memory Storage                   **\n"
           "**    8. Kohonen Competitive Learning                               **\n"
           "**    Q. Quit                                                       **\n"
           "**********************************************************************\n"
           "      Enter Your Choice: ";
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}
