#include "harness.h"

#include "project.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <sstream>
#include <vector>

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

// Keeps the last bytes written to it and counts all of them. Line ends do not drain it,
// so a long run costs no more than its formatting.
class TailBuffer : public std::streambuf {
  public:
    explicit TailBuffer(std::size_t keepBytes) : keep(keepBytes), window(keepBytes + 65536) {
        setp(window.data(), window.data() + window.size());
    }

    long long total() const { return dropped + (pptr() - pbase()); }

    std::string tail() const {
        const std::size_t filled = static_cast<std::size_t>(pptr() - pbase());
        return std::string(pptr() - std::min(filled, keep), pptr());
    }

  protected:
    // The window is full: keep its last bytes at its start and go on after them.
    int overflow(int c) override {
        const std::size_t filled = static_cast<std::size_t>(pptr() - pbase());
        const std::size_t kept = std::min(filled, keep);
        std::memmove(window.data(), pptr() - kept, kept);
        dropped += static_cast<long long>(filled - kept);
        setp(window.data(), window.data() + window.size());
        pbump(static_cast<int>(kept));
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }

  private:
    std::size_t keep;
    std::vector<char> window;
    long long dropped = 0;
};

} // namespace

std::string runWithInputTail(void (*function)(), const std::string& input, std::size_t tailBytes,
                             long long& totalBytes) {
    ConsoleCapture console(input);
    TailBuffer tail(tailBytes);
    std::cout.rdbuf(&tail);
    function();
    std::cout.rdbuf(console.out.rdbuf());
    totalBytes = tail.total();
    return tail.tail();
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

bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}
