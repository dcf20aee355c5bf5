// The training loops keep everything on the stack: a whole default run of any demo,
// trace included, asks the heap for nothing.
#include "console.h"
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

// GCC takes the free in a replacement delete for a mismatch with new; here the memory
// comes from the malloc in the replacement new above.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace {

void (*demoUnderTest)() = nullptr;

void countedRun() {
    allocations = 0;
    counting = true;
    demoUnderTest();
    counting = false;
}

} // namespace

TEST(Allocation, NoDemoRunAsksTheHeapForMemory) {
    const std::locale savedLocale =
        std::cout.imbue(std::locale(std::locale::classic(), new FastNumberWriter));
    void (*const demos[])() = {SDPTA, MCDPTA, SCPTA, MCCPTA, BPN, HAM, BAM, KCL};
    for (int i = 0; i < 8; ++i) {
        demoUnderTest = demos[i];
        long long bytes = 0;
        runWithInputTail(countedRun, "y\n", 64, bytes);
        EXPECT_GT(bytes, 0);
        EXPECT_EQ(allocations, 0) << "menu choice " << i + 1;
    }
    std::cout.imbue(savedLocale);
}
