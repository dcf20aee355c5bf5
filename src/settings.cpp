#include "settings.h"

namespace {

Settings current;

} // namespace

const Settings& settings() {
    return current;
}

void useSettings(const Settings& settings) {
    current = settings;
}
