#include "demos.h"

#include <cctype>
#include <string>

const Demo* findDemo(const char* numberOrName) {
    std::string name = numberOrName;
    for (char& c : name)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (int i = 0; i < demoCount; ++i)
        if (name == std::to_string(i + 1) || name == demos[i].name)
            return &demos[i];
    return nullptr;
}
