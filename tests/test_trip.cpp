#include "match_fixture.h"

#include <gtest/gtest.h>

#include <random>

using namespace hovla;
using namespace hovla::test;

namespace {

void expectStripsInside(const Muuttujat& s)
{
    for (int j = 0; j < 6; ++j) {
        ASSERT_GE(s.Wave(j).X, -10);
        ASSERT_LE(s.Wave(j).X, -1);
        ASSERT_GE(s.Wave(j).Y, 255 + 65 * j);
        ASSERT_LE(s.Wave(j).Y, 260 + 65 * j);
    }
}

} // namespace

TEST(Trip, AWholeTripOfAHundredAndFiftyTicks)
{
    Match m;
    m.start();
    m.s.Water(0).Extra1 = 0;
    m.s.Water(0).Y = 520;
    m.key('a');
    ASSERT_EQ(m.sound.played.size(), 1u);
    std::vector<int> drawnAt;
    std::vector<int> soundTicks;
    for (int t = 1; t <= 150; ++t) {
        const size_t sounds = m.sound.played.size();
        m.tick();
        if (m.sound.played.size() > sounds)
            soundTicks.push_back(t);
        if (m.s.Outside(0))
            drawnAt.push_back(m.s.Head(0).X);
        else
            EXPECT_EQ(t, 150) << "home too early";
        expectStripsInside(m.s);
    }
    EXPECT_EQ(soundTicks, (std::vector<int>{50, 100}));
    ASSERT_EQ(drawnAt.size(), 149u);
    EXPECT_EQ(drawnAt.front(), 398);
    EXPECT_EQ(std::count(drawnAt.begin(), drawnAt.end(), 250), 1);
    EXPECT_EQ(drawnAt[74], 250);  // tick 75
    EXPECT_EQ(std::count(drawnAt.begin(), drawnAt.end(), 400), 0);
    EXPECT_EQ(drawnAt.back(), 398);

    EXPECT_EQ(m.s.Outside(0), 0);
    EXPECT_EQ(m.s.Head(0).X, 20);
    EXPECT_EQ(m.s.Head(0).Y, 100);
    EXPECT_EQ(m.s.Head(0).Id, 101);
    EXPECT_EQ(m.s.Water(0).Y, 500);
    EXPECT_EQ(m.s.Water(0).Extra1, 5);
    EXPECT_FALSE(m.on(TimerId::Aaltokone1));
    // the room is shown again
    EXPECT_EQ(m.screen.piirto.view(0).image().pixel(300, 200), m.screen.piirto.roomPicture(0).image().pixel(300, 200));
}

TEST(Trip, TheYardIsShownWithTheRoomsReadoutsAbove)
{
    Match m;
    m.start();
    m.key('k');
    m.tick(10);
    const QImage& view = m.screen.piirto.view(1).image();
    const QImage& room = m.screen.piirto.roomPicture(1).image();
    EXPECT_EQ(view.pixel(0, 0), qRgb(255, 0, 0));  // the sky's red corner
    EXPECT_EQ(qRed(view.pixel(3, 40)), 255);       // left of the readouts: still the sky
    EXPECT_LT(qGreen(view.pixel(3, 40)), 20);
    EXPECT_EQ(view.pixel(511, 45), room.pixel(511, 45)) << "the readout band stands on the room picture";
    EXPECT_EQ(view.pixel(8, 58), room.pixel(8, 58));
    // the lake, cyan to blue, at the bottom
    const QRgb lake = view.pixel(256, 740);
    EXPECT_LT(qRed(lake), 60);
    EXPECT_GT(qBlue(lake), 150);
}

TEST(Trip, TwoPlayersOutsideAtOnceAndARestart)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('a');
    m.tick(40);
    m.key('k');  // resets the strips for player 1 too
    for (int j = 0; j < 6; ++j)
        EXPECT_EQ(m.s.Wave(j).X, -5);
    m.tick(40);
    EXPECT_EQ(m.s.Head(0).X, 400 - 2 * 75 + 2 * 5);
    m.key('a');  // player 1 starts over
    EXPECT_EQ(m.s.Head(0).X, 400);
    EXPECT_EQ(m.s.Head(0).Extra1, -2);
    m.tick(110);
    EXPECT_EQ(m.s.Outside(1), 0);  // player 2 home after 150 ticks
    EXPECT_EQ(m.s.Outside(0), -1);
    m.tick(40);
    EXPECT_EQ(m.s.Outside(0), 0);
    EXPECT_EQ(std::count(m.sound.played.begin(), m.sound.played.end(), "ulos1.wav"), 3 + 1 + 2 + 2);  // starts, then the walks
}

TEST(Trip, AStopLeavesThePlayerOutdoorsUntilTheNextMatch)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Water(1).Extra1 = 1;
    m.key('k');
    m.tick(30);
    m.key(27);
    m.tick(200);
    EXPECT_EQ(m.s.Outside(1), -1);
    EXPECT_EQ(m.s.Water(1).Extra1, 1);
    EXPECT_FALSE(m.on(TimerId::Aaltokone2));
    m.start();
    EXPECT_EQ(m.s.Outside(1), 0);
    EXPECT_EQ(m.s.Water(1).Extra1, 5);
    EXPECT_EQ(m.s.Head(1).X, 340);
}

TEST(Trip, StripsStayInsideTheirLimitsAndFallBackOneAxisAtATime)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('a');
    bool sawXAtEdge = false, sawYAtEdge = false;
    for (int t = 0; t < 10000; ++t) {
        if (!m.s.Outside(0))
            m.key('a');
        m.tick();
        expectStripsInside(m.s);
        for (int j = 0; j < 6; ++j) {
            sawXAtEdge |= m.s.Wave(j).X == -1;
            sawYAtEdge |= m.s.Wave(j).Y == 260 + 65 * j;
        }
    }
    EXPECT_TRUE(sawXAtEdge);
    EXPECT_TRUE(sawYAtEdge);

    // one axis out of range, the other not: only the first is restored
    Match n(Pixels::NotDrawn);
    n.start();
    n.key('a');
    n.s.Wave(2).X = -1;
    n.s.Wave(2).Y = 255 + 130;
    bool restoredAlone = false;
    for (int t = 0; t < 200 && !restoredAlone; ++t) {
        const int16_t x0 = n.s.Wave(2).X, y0 = n.s.Wave(2).Y;
        if (x0 != -1)
            break;
        n.tick();
        if (n.s.Wave(2).X == -1 && n.s.Wave(2).Y != y0)
            restoredAlone = true;  // X fell back (or stayed) while Y moved on
    }
    EXPECT_TRUE(restoredAlone);
}

TEST(Random, UpToThreeHasItsEndsHalfAsLikely)
{
    Match m(Pixels::NotDrawn);
    int counts[4] = {};
    for (int i = 0; i < 60000; ++i) {
        const int v = m.game.RandomUpTo(3);  // the clock stands still throughout
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 3);
        ++counts[v];
    }
    const double expected[4] = {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6};
    for (int v = 0; v < 4; ++v)
        EXPECT_NEAR(counts[v] / 60000.0, expected[v], 0.01) << v;
}

TEST(Random, TheSameSeedRepeatsTheSameLake)
{
    Match a(Pixels::NotDrawn), b(Pixels::NotDrawn);
    a.game.seedRandom(7);
    b.game.seedRandom(7);
    for (int i = 0; i < 100; ++i)
        ASSERT_EQ(a.game.RandomUpTo(3), b.game.RandomUpTo(3));
}

// The jitter reseeds from the clock: two lakes with the same seed but other
// clock readings shake differently.
TEST(Random, TheLakeFollowsTheClock)
{
    Match a(Pixels::NotDrawn), b(Pixels::NotDrawn);
    a.game.seedRandom(7);
    b.game.seedRandom(7);
    a.game.setClock([] { return 36000.25f; });
    b.game.setClock([] { return 36001.5f; });
    int same = 0;
    for (int i = 0; i < 100; ++i)
        same += a.game.RandomUpTo(3) == b.game.RandomUpTo(3);
    EXPECT_LT(same, 60);  // about a third by chance
}

namespace {

// Player 1's frame of the trip drawn layer by layer, every layer whole.
QImage frameDrawnLayerByLayer(const Muuttujat& s)
{
    ScreenDrawing plain(s);
    plain.setSkipping(false);
    plain.AssignYard(0);
    plain.LoadLakeAndCabin();
    for (int j = 0; j < 6; ++j) {
        if (j == 1) {
            plain.DrawCabin(0, 250, 145);
            plain.DrawWalker(0, s.Head(0).X, s.Head(0).Y);
        }
        plain.DrawLakeStrip(0, s.Wave(j).X, s.Wave(j).Y);
    }
    plain.ShowView(0);
    plain.DrawTemperature(0);
    plain.DrawScore(0);
    return plain.piirto.view(0).image();
}

} // namespace

// A frame of the trip leaves out the rows a later lake strip covers whole,
// and the rows that come out as they were; every frame is still exactly the
// frame drawn layer by layer.
TEST(Trip, EveryFrameIsTheFrameDrawnLayerByLayer)
{
    Match m;
    m.start();
    m.key('a');
    int compared = 0;
    for (int t = 0; t < 160; ++t) {
        m.tick();
        if (!m.s.Outside(0))
            break;
        ASSERT_TRUE(frameDrawnLayerByLayer(m.s) == m.screen.piirto.view(0).image()) << "tick " << t;
        ++compared;
    }
    EXPECT_EQ(compared, 149);
    EXPECT_EQ(m.s.Outside(0), 0);
}

// Whatever is drawn into the back buffer between two frames of the trip,
// through the log or behind its back, is gone in the next frame.
TEST(Trip, AFrameDrawsAgainWhatWasDrawnOverSinceTheLast)
{
    Match m;
    m.start();
    m.key('a');
    for (int t = 0; t < 4; ++t)
        m.tick();
    SpriteRec inTheSky;
    inTheSky.X = 60;
    inTheSky.Y = 90;
    m.screen.piirto.DrawSprite(0, inTheSky, 101);  // a face in the sky, above the cabin
    m.tick();
    ASSERT_TRUE(m.s.Outside(0));
    EXPECT_TRUE(frameDrawnLayerByLayer(m.s) == m.screen.piirto.view(0).image());

    m.tick();
    m.screen.piirto.buffer(0).imageToWrite().fill(0xFF00FF00);
    m.tick();
    EXPECT_TRUE(frameDrawnLayerByLayer(m.s) == m.screen.piirto.view(0).image());
}
