// Runs the program on "5 y q" and the plain C reference writer side by side, alternately,
// with standard output to /dev/null, so that both write in blocks, and reports the median
// CPU time (user + system) of each and their ratio; the goal is at most 0.5.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// CPU seconds used by one run of `program`, reading `input` and writing to /dev/null.
double cpuSecondsOf(const char* program, const std::string& input) {
    int toChild[2];
    if (pipe(toChild) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(toChild[0], 0);
        close(toChild[0]);
        close(toChild[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(toChild[0]);
    if (write(toChild[1], input.data(), input.size()) != static_cast<ssize_t>(input.size()))
        std::perror("write");
    close(toChild[1]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end with status 0\n", program);
        std::exit(1);
    }
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM REFERENCE [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(7, argc > 3 ? std::atoi(argv[3]) : 9);
    // All runs on the processor this one starts on, so that both programs are measured on
    // the same one.
    cpu_set_t processor;
    CPU_ZERO(&processor);
    CPU_SET(static_cast<unsigned>(sched_getcpu()), &processor);
    sched_setaffinity(0, sizeof processor, &processor);
    std::vector<double> program, reference;
    for (int i = 0; i < runs; ++i) {
        program.push_back(cpuSecondsOf(argv[1], "5\ny\nq\n"));
        reference.push_back(cpuSecondsOf(argv[2], ""));
    }
    const double programMedian = median(program), referenceMedian = median(reference);
    std::printf("Default back-propagation run written to /dev/null, %d alternating runs each\n", runs);
    std::printf("  program         median CPU time: %.4f s\n", programMedian);
    std::printf("  C stdio printf  median CPU time: %.4f s\n", referenceMedian);
    std::printf("  ratio (program / C): %.3f\n", programMedian / referenceMedian);
    return 0;
}
