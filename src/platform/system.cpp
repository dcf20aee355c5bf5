// The program on the system's standard descriptors, at a terminal or not.
#include "system.h"
#include "platform.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopPending = 0;
// While a line is typed, the stop key makes standard input give nothing more at once, so that
// the line editor, which reads again after a read that a signal cut short, stops.
volatile std::sig_atomic_t lineBeingTyped = 0;

// Ctrl-C noted, or, pressed again before the program has acted on it, the end.
extern "C" void onStopKey(int) {
    if (stopPending) {
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
    stopPending = true;
    if (lineBeingTyped)
        fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) | O_NONBLOCK);
}

// True when the path names the file that the descriptor is open on, and writing to the
// path would overwrite it: the same file, other than a device such as a terminal.
bool sameFile(const struct stat& file, int descriptor) {
    struct stat opened {};
    return fstat(descriptor, &opened) == 0 && opened.st_dev == file.st_dev && opened.st_ino == file.st_ino &&
           !S_ISCHR(file.st_mode);
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
    if (inputIsTyped())
        catchStopKey(true);
}

void platform::catchStopKey(bool letReadsGoOn) {
    lineBeingTyped = !letReadsGoOn;
    if (letReadsGoOn) // standard input as it was, once the line is typed
        fcntl(STDIN_FILENO, F_SETFL, fcntl(STDIN_FILENO, F_GETFL) & ~O_NONBLOCK);
    struct sigaction action = {};
    action.sa_handler = onStopKey;
    sigemptyset(&action.sa_mask);
    action.sa_flags = letReadsGoOn ? SA_RESTART : 0;
    sigaction(SIGINT, &action, nullptr);
}

bool platform::inputIsTyped() {
    static const bool typed = isatty(STDIN_FILENO);
    return typed;
}

bool platform::outputIsShown() {
    static const bool shown = isatty(STDOUT_FILENO);
    return shown;
}

platform::Destination platform::createFile(const std::string& path, std::string& why) {
    struct stat file {};
    if (stat(path.c_str(), &file) == 0) {
        const char* const streams[] = {"input", "output", "error"};
        for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            if (sameFile(file, descriptor)) {
                why = std::string("it is the program's standard ") + streams[descriptor];
                return -1;
            }
    }
    const int made = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (made == -1)
        why = std::strerror(errno);
    return made;
}

// No write or read is cut short by a signal: the one handler, the stop key's, lets them go
// on (SA_RESTART), but while a line is typed.
bool platform::write(Destination to, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(to, bytes, count);
        if (written == -1)
            return false;
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

bool platform::close(Destination file) {
    return ::close(file) == 0;
}

std::size_t platform::readInput(char* into, std::size_t count) {
    const ssize_t got = read(STDIN_FILENO, into, count);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void platform::noteStopKey() {
    catchStopKey(true);
}

bool platform::stopKeyPressed() {
    return stopPending != 0;
}

void platform::forgetStopKey() {
    stopPending = 0;
}

void platform::endByStopKey() {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    std::_Exit(130);
}

// A terminal has no panel beside it: pictures go to files, or to the screen as text.
bool platform::picturesBesideShown() {
    return false;
}

void platform::showPictureBeside(const std::string&, const std::string&) {}
