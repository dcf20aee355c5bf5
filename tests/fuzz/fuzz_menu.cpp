// Feeds arbitrary bytes to the whole menu loop as standard input, with the output
// discarded: whatever is typed, the program must end without a crash, a leak or
// undefined behaviour. Standard output is put in its failed state, so every write is
// dropped before any formatting: the demos' own logic runs in full at a fraction of
// the cost, and an input can hold several long trainings within the time limit.
#include "console.h"
#include "project.h"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool consoleReady = (setUpConsole(), true);
    (void)consoleReady;
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    NullBuffer null;
    std::streambuf* savedIn = std::cin.rdbuf(input.rdbuf());
    std::streambuf* savedOut = std::cout.rdbuf(&null);
    std::cin.clear();
    std::cout.setstate(std::ios::badbit);
    runMenu();
    std::cout.clear();
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
    return 0;
}
