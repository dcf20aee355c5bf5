// Each demo's default run, with its output discarded: the time it takes and the bytes it writes.
#include "console/numbers.h"
#include "demos/demos.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <locale>
#include <sstream>
#include <streambuf>
#include <string>

namespace {

// Counts what is written to it and keeps none of it.
class CountingNullBuffer : public std::streambuf {
  public:
    long long bytes = 0;

  protected:
    int overflow(int c) override {
        ++bytes;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        bytes += n;
        return n;
    }
};

void DefaultRun(benchmark::State& state, void (*demo)()) {
    CountingNullBuffer null;
    // Numbers are written as the program writes them, with its own number writer.
    const std::locale savedLocale =
        std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    std::streambuf* savedOut = std::cout.rdbuf(&null);
    std::streambuf* savedIn = std::cin.rdbuf();
    long long runs = 0;
    for (auto _ : state) {
        std::istringstream answer("y\n");
        std::cin.rdbuf(answer.rdbuf());
        demo();
        ++runs;
    }
    std::cin.rdbuf(savedIn);
    std::cout.rdbuf(savedOut);
    std::cout.imbue(savedLocale);
    std::cin.clear();
    state.counters["bytes_per_run"] = runs ? double(null.bytes) / double(runs) : 0;
}

// One benchmark for each demo, named by its number and name.
const bool registered = [] {
    for (int i = 0; i < demoCount; ++i)
        benchmark::RegisterBenchmark(("DefaultRun/" + std::to_string(i + 1) + "_" + demos[i].name).c_str(),
                                     DefaultRun, demos[i].run)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
