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

// Keeps the last bytes written to it and counts all of them.
class TailBuffer : public std::streambuf {
  public:
    explicit TailBuffer(std::size_t keepBytes) : keep(keepBytes) {}
    long long total = 0;
    std::string tail;

  protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) {
            char ch = static_cast<char>(c);
            xsputn(&ch, 1);
        }
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* text, std::streamsize n) override {
        total += n;
        tail.append(text, static_cast<std::size_t>(n));
        if (tail.size() > 2 * keep + 4096)
            tail.erase(0, tail.size() - keep);
        return n;
    }

  private:
    std::size_t keep;
};

} // namespace

std::string runWithInputTail(void (*function)(), const std::string& input, std::size_t tailBytes,
                             long long& totalBytes) {
    ConsoleCapture console(input);
    TailBuffer tail(tailBytes);
    std::cout.rdbuf(&tail);
    function();
    std::cout.rdbuf(console.out.rdbuf());
    totalBytes = tail.total;
    if (tail.tail.size() > tailBytes)
        tail.tail.erase(0, tail.tail.size() - tailBytes);
    return tail.tail;
}

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
