// The matrix operations the training loops spend their time in, and the two print forms.
#include "matrix/cwtsmatrix.h"
#include "matrix/cwtsprint.h"

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>

using namespace CwMtx;

namespace {

// Swallows everything written to it, so the benchmarks measure formatting only.
class NullBuffer : public std::streambuf {
  protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void DeltaRuleStep(benchmark::State& state) {
    CWTSVector<3> w, y;
    w.Fill(0.1);
    y.Fill(-1);
    for (auto _ : state) {
        const double net = w * y;
        w = w + y * (0.05 * (1 - net));
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(DeltaRuleStep);

void ProductAndTranspose(benchmark::State& state) {
    CWTSMatrix<6, 3> m;
    m.Fill(4);
    CWTSVector<3> b;
    b.Fill(-1);
    for (auto _ : state) {
        CWTSVector<6> a(m * b);
        CWTSVector<3> back(transpose(m) * a);
        benchmark::DoNotOptimize(back);
    }
}
BENCHMARK(ProductAndTranspose);

void PrintForms(benchmark::State& state) {
    NullBuffer null;
    std::streambuf* saved = std::cout.rdbuf(&null);
    CWTSVector<3> v;
    v[0] = 0.403336;
    v[1] = -0.199333;
    v[2] = 0.0996664;
    for (auto _ : state) {
        iprint("w = ", v, "\n");
        std::cout << v;
    }
    std::cout.rdbuf(saved);
}
BENCHMARK(PrintForms);

} // namespace
