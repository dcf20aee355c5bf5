// The program on the system's standard descriptors, at a terminal or not.
#include "platform.h"

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t interruptPending = 0;

extern "C" void onInterrupt(int) {
    if (interruptPending) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
    interruptPending = 1;
}

} // namespace

void platform::setUp() {
    // A file grown past its size limit fails to be written, as a full disk does, rather
    // than ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    // A standard descriptor left closed is opened on /dev/null, read-only: reading it finds
    // the end at once, and writing to it still fails as writing to a closed one does.
    // The lower ones are open by then, so the lowest free descriptor, which open takes, is
    // the one closed.
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (fcntl(descriptor, F_GETFD) == -1)
            open("/dev/null", O_RDONLY);
}

bool platform::inputIsTyped() {
    static const bool typed = isatty(STDIN_FILENO);
    return typed;
}

bool platform::outputIsShown() {
    static const bool shown = isatty(STDOUT_FILENO);
    return shown;
}

// No write or read is cut short by a signal: the one handler, Ctrl-C's, lets them go on
// (SA_RESTART).
static bool writeAll(int descriptor, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = write(descriptor, bytes, count);
        if (written == -1)
            return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool platform::writeOutput(const char* bytes, std::size_t count) {
    return writeAll(STDOUT_FILENO, bytes, count);
}

bool platform::writeError(const std::string& text) {
    return writeAll(STDERR_FILENO, text.data(), text.size());
}

std::size_t platform::readInput(char* into, std::size_t count) {
    const ssize_t got = read(STDIN_FILENO, into, count);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void platform::watchInterrupt(bool watched) {
    interruptPending = 0;
    struct sigaction action = {};
    action.sa_handler = watched ? onInterrupt : SIG_DFL;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
}

bool platform::interruptAsked() {
    return interruptPending != 0;
}
