#include "match/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

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

// Whatever the players' locale, a message writes its numbers with a point.
TEST(Format, NumbersIgnoreTheProcessLocale)
{
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* locale : {"fi_FI.UTF-8", "de_DE.UTF-8", "C"}) {
        if (!std::setlocale(LC_NUMERIC, locale))
            continue;  // not built on this machine
        EXPECT_EQ(numberText(100.5), " 100.5") << locale;
        EXPECT_EQ(numberText(-0.25), "-0.25") << locale;
        EXPECT_EQ(conditionText(97.65), "97.7") << locale;
        EXPECT_EQ(temperatureLine(60.5, ","), " 60 \u00BAC") << locale;
        EXPECT_EQ(scoreLine(1, 12.5, 97.6, ","), "Pisteet : 12,5 Kunto 97,6%") << locale;
    }
    std::setlocale(LC_NUMERIC, before.c_str());
}
