#include "match/state.h"

#include <gtest/gtest.h>

using namespace hovla;

namespace {

SpriteRec rec(int id, int flip, int x, int y, int e1 = 0, int e2 = 0)
{
    return {int16_t(id), int16_t(flip), int16_t(x), int16_t(y), int16_t(e1), int16_t(e2)};
}

void expectStartValues(const Muuttujat& s)
{
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(s.Temperature(p), 60.0);
        EXPECT_EQ(s.Condition(p), 100.0);
        EXPECT_EQ(s.Points(p), 0.0);
        EXPECT_EQ(s.Outside(p), 0);
        EXPECT_EQ(s.ThrowPhase(p), 0);
    }
    EXPECT_EQ(s.Stove(0).X, 400);
    EXPECT_EQ(s.Stove(0).Y, 500);
    EXPECT_EQ(s.Stove(1).X, -30);
    EXPECT_EQ(static_cast<uint16_t>(s.Stove(1).X), 65506);
    EXPECT_EQ(s.Steam(1).X, -30);
    EXPECT_EQ(s.Bucket(0, 0).Flip, 0);
    EXPECT_EQ(s.Bucket(1, 0), rec(0, -1, 280, 400));
    EXPECT_EQ(s.Bucket(1, 1), rec(0, -1, 280, 400));
    EXPECT_EQ(s.Head(0), rec(101, s.Head(0).Flip, 20, 100, s.Head(0).Extra1));
    EXPECT_EQ(s.Head(1).X, 340);
    EXPECT_EQ(s.Body(0), rec(109, -1, 30, 220));
    EXPECT_EQ(s.Body(1), rec(109, 0, 80, 220));
    EXPECT_EQ(s.Water(0), rec(207, -1, 45, 500, 5));
    EXPECT_EQ(s.Water(1), rec(207, -1, 333, 500, 5));
    EXPECT_EQ(s.Ladle(0, 0).Id, 209);
    EXPECT_EQ(s.Ladle(0, 1), rec(211, -1, 180, 340));
    EXPECT_EQ(s.Ladle(1, 0), rec(209, -1, 250, 340));
    EXPECT_EQ(s.Ladle(1, 1), rec(211, 0, 150, 340));
    // the arm table, asymmetric on purpose
    EXPECT_EQ(s.Arm(0, 0), rec(111, -1, 30, 270, 80, 340));
    EXPECT_EQ(s.Arm(0, 1), rec(117, -1, -25, 250, 150, 390));
    EXPECT_EQ(s.Arm(0, 2), rec(115, -1, -15, 250, 160, 370));
    EXPECT_EQ(s.Arm(0, 3), rec(113, -1, 0, 250, 180, 360));
    EXPECT_EQ(s.Arm(1, 0), rec(111, 0, 200, 270, 250, 340));
    EXPECT_EQ(s.Arm(1, 1), rec(117, 0, 220, 250, 60, 390));
    EXPECT_EQ(s.Arm(1, 2), rec(115, 0, 220, 260, 50, 370));
    EXPECT_EQ(s.Arm(1, 3), rec(113, 0, 200, 250, 30, 360));
}

} // namespace

TEST(NewMatch, WritesTheStartValuesFromZero)
{
    Muuttujat s;
    NewMatch(s);
    expectStartValues(s);
    EXPECT_EQ(s.GameStopped, 0);  // not written
    EXPECT_EQ(s.LadlePose(0), 0);
}

TEST(NewMatch, TwiceInARowIsTheSameAsOnce)
{
    Muuttujat once, twice;
    NewMatch(once);
    NewMatch(twice);
    NewMatch(twice);
    EXPECT_EQ(once, twice);
}

TEST(NewMatch, BringsPlayersInFromOutdoorsWithFullBuckets)
{
    Muuttujat s;
    NewMatch(s);
    s.Outside(1) = True16;
    s.Head(1) = rec(107, 0, 262, 300, 2);
    s.Water(1).Y = 516;
    s.Water(1).Extra1 = 1;
    s.Temperature(1) = 93;
    s.Condition(1) = 42.5;
    s.Points(1) = 77.5;
    NewMatch(s);
    expectStartValues(s);
    EXPECT_EQ(s.Head(1).X, 340);
    EXPECT_EQ(s.Head(1).Y, 100);
    EXPECT_EQ(s.Head(1).Id, 101);
}

TEST(NewMatch, LeavesWhatItDoesNotOwn)
{
    Muuttujat s;
    NewMatch(s);
    s.ThrowPhase(0) = 2;
    s.LadlePose(0) = 1;
    s.Steam(0).Id = 303;
    s.Steam(0).Flip = -1;
    s.Wave(3) = rec(0, 0, -7, 452);
    s.GameStopped = True16;
    NewMatch(s);
    EXPECT_EQ(s.ThrowPhase(0), 0);
    EXPECT_EQ(s.LadlePose(0), 1);
    EXPECT_EQ(s.Steam(0).Id, 303);
    EXPECT_EQ(s.Steam(0).Flip, -1);
    EXPECT_EQ(s.Steam(0).X, 400);
    EXPECT_EQ(s.Wave(3).X, -7);
    EXPECT_EQ(s.GameStopped, -1);
}

TEST(Checked, SixteenBitArithmeticRaisesNamingTheOperation)
{
    EXPECT_EQ(add16(32766, 1, "x"), 32767);
    EXPECT_EQ(add16(-32768, 0, "x"), -32768);
    try {
        add16(32767, 1, "mask id");
        FAIL() << "no overflow raised";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("mask id"), std::string::npos);
    }
    EXPECT_THROW(add16(-32768, -1, "y"), Error);
    EXPECT_THROW(mul16(200, 200, "z"), Error);
}

TEST(Checked, SubscriptsAreBoundsChecked)
{
    Muuttujat s;
    EXPECT_NO_THROW(s.Wave(5));
    EXPECT_THROW(s.Wave(6), Error);
    EXPECT_THROW(s.Temperature(-1), Error);
    EXPECT_THROW(s.Arm(0, 4), Error);
    EXPECT_THROW(s.Arm(2, 0), Error);
    try {
        s.Ladle(0, 2);
        FAIL() << "no error raised";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("Ladle"), std::string::npos);
    }
}
