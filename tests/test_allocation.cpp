// The training loops keep everything on the stack: a whole default run of any demo, trace
// included, asks the heap for nothing but the room of its records for the pictures (the
// learning curve, the Kohonen weights' path, a bidirectional recall's cycles), each doubling as
// it grows (a few times for thousands of cycles).
#include "console/numbers.h"
#include "demos/demos.h"
#include "harness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <locale>
#include <new>

namespace {
bool counting = false;
long allocations = 0;
} // namespace

void* operator new(std::size_t size) {
    if (counting)
        ++allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

// GCC takes the free below for a mismatch with new; the memory comes from the malloc above.
#ifndef __clang__
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

// Counts what is written and keeps none of it, so that writing allocates nothing.
struct CountingSink : std::streambuf {
    long long bytes = 0;
    int overflow(int c) override { return ++bytes, traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return bytes += n, n; }
};

} // namespace

TEST(Allocation, NoDemoRunAsksTheHeapForMemory) {
    const std::locale savedLocale =
        std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    for (const Demo& demo : demos) {
        CountingSink sink;
        outputOf(
            [&] {
                std::streambuf* const captured = std::cout.rdbuf(&sink);
                allocations = 0;
                counting = true;
                demo.run();
                counting = false;
                std::cout.rdbuf(captured);
            },
            "y\n");
        EXPECT_GT(sink.bytes, 0);
        EXPECT_LE(allocations, 24) << demo.name;
    }
    std::cout.imbue(savedLocale);
}
