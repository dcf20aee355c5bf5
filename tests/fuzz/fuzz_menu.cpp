// Feeds arbitrary bytes to the whole menu loop as standard input, with the pictures drawn:
// whatever is typed, the program must end without a crash, a leak or undefined behaviour.
// Standard output is left failed, so that every write is dropped before any formatting:
// the demos' own logic runs in full at a fraction of the cost.
#include "console/console.h"
#include "menu.h"
#include "settings.h"

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool consoleReady = (setUpConsole(), true);
    (void)consoleReady;
    Settings settings;
    settings.pictures = true;
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream discarded;
    std::streambuf* const savedIn = std::cin.rdbuf(input.rdbuf());
    std::streambuf* const savedOut = std::cout.rdbuf(discarded.rdbuf());
    std::cin.clear();
    std::cout.setstate(std::ios::badbit);
    runMenu(settings);
    std::cout.clear();
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cin.clear();
    return 0;
}
