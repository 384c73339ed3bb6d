#include "match/format.h"

#include <gtest/gtest.h>

using namespace hovla;

TEST(Format, NumbersHaveALeadingBlankAndNoTrailingZeros)
{
    EXPECT_EQ(numberText(60), " 60");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(101.5), " 101.5");
    EXPECT_EQ(numberText(12.5, ","), " 12,5");
    EXPECT_EQ(numberText(-3), "-3");
    EXPECT_EQ(numberText(0.1 + 0.2), " 0.3");  // 15 significant digits
    EXPECT_EQ(numberText(1234567), " 1234567");  // no grouping
}

TEST(Format, ConditionFollowsThePattern)
{
    EXPECT_EQ(conditionText(100), "100.");
    EXPECT_EQ(conditionText(99.9), "99.9");
    EXPECT_EQ(conditionText(50.5), "50.5");
    EXPECT_EQ(conditionText(50), "50.");
    EXPECT_EQ(conditionText(0.4), ".4");
    EXPECT_EQ(conditionText(0), ".");
    EXPECT_EQ(conditionText(97.6), "97.6");
    EXPECT_EQ(conditionText(97.65), "97.7");   // halves away from zero
    EXPECT_EQ(conditionText(50.05), "50.1");   // decided on the decimal digits, not the binary
    EXPECT_EQ(conditionText(99.96), "100.");
    EXPECT_EQ(conditionText(0.04), ".");
    EXPECT_EQ(conditionText(-0.1), "-.1");
    EXPECT_EQ(conditionText(-12.25), "-12.3");
    EXPECT_EQ(conditionText(96.7, ","), "96,7");
}

TEST(Format, ReadoutLines)
{
    EXPECT_EQ(temperatureLine(60), " 60 \u00BAC");
    EXPECT_EQ(temperatureLine(100), " 100 \u00BAC");
    EXPECT_EQ(temperatureLine(59.5), " 59 \u00BAC");
    EXPECT_EQ(scoreLine(0, 0, 100), "Pisteet : 0 Kunto 100.%");
    EXPECT_EQ(scoreLine(1, 0, 100), "Pisteet : 0 Kunto 100.%");
    EXPECT_EQ(scoreLine(0, 12.5, 97.6), "Pisteet : 12 Kunto 97.6%");
    EXPECT_EQ(scoreLine(1, 12.5, 97.6), "Pisteet : 12.5 Kunto 97.6%");
    EXPECT_EQ(scoreLine(0, 99.5, 50), "Pisteet : 99 Kunto 50.%");
    EXPECT_EQ(scoreLine(1, 99.5, 50, ","), "Pisteet : 99,5 Kunto 50,%");
}
