// The matcher that holds every screen to its fixture: "[...]" stands for any number of
// lines, and everything else must be there, in order, to the screen's end.
#include "harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

TEST(Fixtures, AGapStandsForAnyNumberOfLinesButNothingElseIsSkipped) {
    EXPECT_EQ(screenDifference("a\nb\nc", "a\nb\nc"), "");
    for (const char* screen : {"a\nc", "a\nb\nc", "a\nx\ny\nz\nc"})
        EXPECT_EQ(screenDifference("a\n[...]\nc", screen), "") << screen;
    // A line left out, changed, or added where there is no gap.
    EXPECT_THAT(screenDifference("a\nb\nc", "a\nc"), HasSubstr("expected: \"b\""));
    EXPECT_THAT(screenDifference("a\nb\nc", "a\nB\nc"), HasSubstr("screen line 2 differs"));
    EXPECT_THAT(screenDifference("a\nb", "a\nb\nc"), HasSubstr("expected: \"(the end of the screen)\""));
    // After the last gap, the lines end the screen: a trace's last lines, not its first.
    EXPECT_EQ(screenDifference("a\n[...]\nc\nd", "a\nc\nd\nc\nd"), "");
    EXPECT_THAT(screenDifference("a\n[...]\nc", "a\nc\nd"), HasSubstr("differs"));
    // Between gaps, the lines must follow one another.
    EXPECT_EQ(screenDifference("a\n[...]\nc\nd\n[...]\nf", "a\nb\nc\nd\ne\nf"), "");
    EXPECT_THAT(screenDifference("a\n[...]\nc\nd\n[...]\nf", "a\nc\nx\nd\nf"), HasSubstr("expected: \"d\""));
}
