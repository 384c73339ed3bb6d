#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace hovla;
using namespace hovla::test;

namespace {

struct Band {
    double temperature;
    int16_t face;
    double conditionChange;
    double points;
    double cooledTo;
};

} // namespace

TEST(Heat, BandsInTheirTestOrder)
{
    const Band bands[] = {
        {0, 101, -0.1, 0, 0},         {60, 101, -0.1, 0, 60},      {61, 101, -0.1, 0, 60},
        {70, 101, -0.1, 0, 69},       {70.5, 107, -0.705, 1, 69.5}, {71, 103, -0.2, 0, 70},
        {80, 103, -0.2, 0, 79},       {80.5, 107, -0.805, 1, 79.5}, {81, 105, -0.4, 0, 80},
        {90, 105, -0.4, 0, 89},       {91, 107, -0.91, 1, 90},      {100, 107, -1.0, 1, 99},
        {-10, 107, 0.1, 1, -10},
    };
    for (const Band& b : bands) {
        SCOPED_TRACE(b.temperature);
        Match m(Pixels::NotDrawn);
        m.start();
        m.s.Temperature(0) = b.temperature;
        m.s.Condition(0) = 80;
        m.game.Tim_Lämpö1_Timer();
        EXPECT_EQ(m.s.Head(0).Id, b.face);
        EXPECT_DOUBLE_EQ(m.s.Condition(0), 80 + b.conditionChange);
        EXPECT_EQ(m.s.Points(0), b.points);
        EXPECT_EQ(m.s.Temperature(0), b.cooledTo);
        EXPECT_TRUE(m.on(TimerId::Tim_Lämpö1));
        EXPECT_EQ(m.s.Temperature(1), 60);  // the other player untouched
    }
}

TEST(Heat, OutdoorsTheConditionRecoversToExactlyAHundred)
{
    const std::pair<double, double> cases[] = {{99.5, 100}, {100, 100}, {98, 99}, {20, 21}};
    for (auto [before, after] : cases) {
        Match m(Pixels::NotDrawn);
        m.start();
        m.s.Outside(1) = True16;
        m.s.Condition(1) = before;
        m.game.Tim_Lämpö2_Timer();
        EXPECT_EQ(m.s.Condition(1), after) << before;
        EXPECT_EQ(m.s.Points(1), 0.5);
    }
}

TEST(Heat, OutdoorsInAHotRoomEarnsBothAndDrawsNoFace)
{
    Match m;
    m.start();
    m.s.Outside(0) = True16;
    m.s.Temperature(0) = 95;
    const QImage view = m.screen.piirto.view(0).image().copy();
    m.game.Tim_Lämpö1_Timer();
    EXPECT_EQ(m.s.Points(0), 1.5);
    EXPECT_EQ(m.s.Temperature(0), 94);
    EXPECT_EQ(m.s.Head(0).Id, 107);
    // only the readout bands changed in the view
    const QImage& after = m.screen.piirto.view(0).image();
    EXPECT_TRUE(after.copy(0, 60, 512, 708) == view.copy(0, 60, 512, 708));
    EXPECT_EQ(m.screen.scene.scoreText(0), "Pisteet : 1 Kunto 100.%");
}

TEST(Heat, AChangedFaceIsDrawnOverTheOldAndShown)
{
    Match m;
    m.start();
    const QImage before = m.screen.piirto.view(0).image().copy();
    m.game.Tim_Lämpö1_Timer();  // 60 degrees: the same face, nothing drawn
    EXPECT_TRUE(m.screen.piirto.view(0).image().copy(0, 60, 512, 708) == before.copy(0, 60, 512, 708));

    m.s.Temperature(0) = 85;
    m.game.Tim_Lämpö1_Timer();
    EXPECT_EQ(m.s.Head(0).Id, 105);
    // the face's box now differs, the rest of the room does not
    const QImage& after = m.screen.piirto.view(0).image();
    EXPECT_FALSE(after.copy(20, 100, 132, 155) == before.copy(20, 100, 132, 155));
    EXPECT_TRUE(after.copy(200, 100, 300, 300) == before.copy(200, 100, 300, 300));
}

TEST(Heat, TheTickNeverEndsTheMatch)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Temperature(0) = 100;
    m.s.Condition(0) = 51;
    m.s.Points(1) = 99.5;
    m.s.Outside(1) = True16;
    m.tick(64 * 5);
    EXPECT_LT(m.s.Condition(0), 50);
    EXPECT_GT(m.s.Points(1), 100);
    EXPECT_EQ(m.s.GameStopped, 0);
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_TRUE(m.on(TimerId::Tim_Lämpö1));
}

TEST(Heat, OncePerSecondOnTheClockAndAStoppedMatchDisablesIt)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.tick(63);
    EXPECT_EQ(m.s.Condition(0), 100);
    m.tick(1);
    EXPECT_DOUBLE_EQ(m.s.Condition(0), 99.9);
    m.tick(64);
    EXPECT_DOUBLE_EQ(m.s.Condition(0), 99.8);

    m.s.GameStopped = True16;
    m.tick(64);
    EXPECT_DOUBLE_EQ(m.s.Condition(0), 99.8);
    EXPECT_FALSE(m.on(TimerId::Tim_Lämpö1));
    EXPECT_FALSE(m.on(TimerId::Tim_Lämpö2));
}

TEST(Heat, TheAllZeroStateBeforeTheFirstMatch)
{
    Match m;  // no match started: everything is zero
    m.tick(64);
    EXPECT_EQ(m.s.Head(0).Id, 101);
    EXPECT_DOUBLE_EQ(m.s.Condition(0), -0.1);
    EXPECT_EQ(m.s.Temperature(0), 0);
    // face 101 drawn at (0, 0), where the zero head record stands
    EXPECT_NE(m.screen.piirto.view(0).image().pixel(66, 80), kWindowColour);
    m.tick(64);
    EXPECT_DOUBLE_EQ(m.s.Condition(0), -0.2);
}
