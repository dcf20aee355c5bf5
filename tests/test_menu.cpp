#include "harness.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
const std::string invalidChoice = "      !!!!   Invalid Choice   !!!! \n";
}

TEST(Menu, FirstScreenIsABlankLineThirteenLinesOfSeventyAndThePrompt) {
    std::istringstream screen(menuScreen());
    std::string line;
    std::getline(screen, line);
    EXPECT_EQ(line, "");
    for (int i = 0; i < 13; ++i) {
        std::getline(screen, line);
        EXPECT_EQ(line.size(), 70u) << "menu line " << i + 1;
    }
    std::getline(screen, line);
    EXPECT_EQ(line, "      Enter Your Choice: ");
    EXPECT_TRUE(screen.eof());

    EXPECT_EQ(runMenuWithInput("q"), menuScreen());
    EXPECT_EQ(runMenuWithInput("Q\n"), menuScreen());
}

TEST(Menu, InvalidChoicesAreReadOneCharacterAtATime) {
    EXPECT_EQ(runMenuWithInput("xy\nq\n"),
              menuScreen() + invalidChoice + menuScreen() + invalidChoice + menuScreen());
    EXPECT_EQ(runMenuWithInput("0 9 ?q"), menuScreen() + invalidChoice + menuScreen() + invalidChoice +
                                              menuScreen() + invalidChoice + menuScreen());
}

TEST(Menu, BlankLinesAreSkippedAndQuitEndsAtItsFirstLetter) {
    EXPECT_EQ(runMenuWithInput("\n\n   \n\tq\n"), menuScreen());
    EXPECT_EQ(runMenuWithInput("Quit\n"), menuScreen());
}

TEST(Menu, EndOfInputEndsAsIfQuit) {
    EXPECT_EQ(runMenuWithInput(""), menuScreen());
    EXPECT_EQ(runMenuWithInput("\n \n"), menuScreen());
    EXPECT_EQ(runMenuWithInput("x"), menuScreen() + invalidChoice + menuScreen());
}

TEST(Menu, FailedInputDropsTheRestOfItsLineAndReadsOn) {
    // As a demo leaves it after a letter typed for a number: the rest of that line is
    // dropped, never taken as choices, and the next line is read as usual.
    EXPECT_EQ(runMenuWithInput("bc 77 x\nq\n", true), menuScreen());
    EXPECT_EQ(runMenuWithInput("junk\nz\nq", true), menuScreen() + invalidChoice + menuScreen());
    EXPECT_EQ(runMenuWithInput("no line end", true), menuScreen());
}
