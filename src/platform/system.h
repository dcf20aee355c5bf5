// What the system's two sources (system.cpp, lineedit.cpp) share: the stop key's handler.
#ifndef NNRULES_PLATFORM_SYSTEM_H
#define NNRULES_PLATFORM_SYSTEM_H

namespace platform {

// Installs the stop key's handler so that reads and writes go on after it, or, while a line
// is typed, so that reading the line is cut short.
void catchStopKey(bool letReadsGoOn);

} // namespace platform

#endif
