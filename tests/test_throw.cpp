#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace hovla;
using namespace hovla::test;

TEST(Throw, FromRestTickByTick)
{
    Match m(Pixels::NotDrawn);
    m.start();
    const long redraws = m.redraws();
    m.key('s');
    struct After {
        int16_t phase, pose, ladleX, ladleY;
        long redraws;
    };
    const After swing[] = {{1, 1, 150, 390, 1}, {2, 1, 160, 370, 2}, {3, 1, 180, 360, 3}};
    for (const After& a : swing) {
        m.tick();
        EXPECT_EQ(m.s.ThrowPhase(0), a.phase);
        EXPECT_EQ(m.s.LadlePose(0), a.pose);
        EXPECT_EQ(m.s.Ladle(0, 1).X, a.ladleX);
        EXPECT_EQ(m.s.Ladle(0, 1).Y, a.ladleY);
        EXPECT_EQ(m.redraws() - redraws, a.redraws);
        EXPECT_TRUE(m.on(TimerId::Tim_Heitto1));
        EXPECT_TRUE(m.sound.played.empty());
    }
    m.tick();  // the water hits the stones: no redraw
    EXPECT_EQ(m.s.ThrowPhase(0), 0);
    EXPECT_EQ(m.s.LadlePose(0), 0);
    EXPECT_EQ(m.s.Ladle(0, 0).X, 80);
    EXPECT_EQ(m.s.Ladle(0, 0).Y, 340);
    EXPECT_EQ(m.s.Steam(0).Id, 301);
    EXPECT_EQ(m.s.Steam(0).Flip, -1);
    EXPECT_EQ(m.s.Water(0).Y, 504);
    EXPECT_EQ(m.redraws() - redraws, 3);
    EXPECT_EQ(m.sound.played, std::vector<std::string>{"kiuas.wav"});
    EXPECT_FALSE(m.on(TimerId::Tim_Heitto1));
    EXPECT_TRUE(m.on(TimerId::Tim_Löyly1));
    EXPECT_EQ(m.s.Temperature(0), 60);

    m.tick();
    EXPECT_EQ(m.s.Steam(0).Id, 303);
    EXPECT_EQ(m.s.Temperature(0), 65);
    EXPECT_EQ(m.redraws() - redraws, 4);
    EXPECT_TRUE(m.on(TimerId::Tim_Löyly1));

    m.tick();
    EXPECT_EQ(m.s.Steam(0).Id, 305);
    EXPECT_EQ(m.s.Steam(0).Flip, 0);
    EXPECT_EQ(m.s.Temperature(0), 70);
    EXPECT_EQ(m.redraws() - redraws, 6);  // with frame 305, then without the cloud
    EXPECT_FALSE(m.on(TimerId::Tim_Löyly1));
    EXPECT_FALSE(m.on(TimerId::Tim_Heitto1));
    EXPECT_EQ(m.s.Water(0).Extra1, 4);

    m.tick(10);
    EXPECT_EQ(m.s.Temperature(0), 70);
    EXPECT_EQ(m.redraws() - redraws, 6);
}

TEST(Throw, TheLastPortionStillLowersTheSurface)
{
    Match m(Pixels::NotDrawn);
    m.start();
    for (int i = 0; i < 6; ++i) {
        m.key('l');
        m.tick(6);
    }
    EXPECT_EQ(m.s.Water(1).Extra1, 0);
    EXPECT_EQ(m.s.Water(1).Y, 520);
    EXPECT_EQ(m.s.Temperature(1), 110);  // five throws, the sixth found no water
    EXPECT_EQ(m.sound.played.size(), 5u);
}

TEST(Throw, AKeyDuringASwingSpendsAPortionWithoutASecondSwing)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('s');
    m.tick(2);
    m.key('s');
    EXPECT_EQ(m.s.Water(0).Extra1, 3);
    m.tick(4);
    EXPECT_FALSE(m.on(TimerId::Tim_Heitto1));
    EXPECT_EQ(m.s.Water(0).Y, 504);
    EXPECT_EQ(m.s.Temperature(0), 70);
    EXPECT_EQ(m.sound.played.size(), 1u);
}

TEST(Throw, ANewSwingDuringTheSteamResetsTheCloud)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('s');
    m.tick(5);  // swing done, steam at 303
    EXPECT_EQ(m.s.Steam(0).Id, 303);
    m.key('s');
    m.tick(1);  // steam reaches 305 and stops; the new swing is at phase 1
    EXPECT_EQ(m.s.Steam(0).Flip, 0);
    EXPECT_EQ(m.s.ThrowPhase(0), 1);
    m.tick(3);
    EXPECT_EQ(m.s.Steam(0).Id, 301);
    m.tick(2);
    EXPECT_EQ(m.s.Temperature(0), 80);

    // a swing ending while the steam still runs puts the cloud back at 301
    Match n(Pixels::NotDrawn);
    n.start();
    n.key('s');
    n.tick(5);
    EXPECT_EQ(n.s.Steam(0).Id, 303);
    n.s.ThrowPhase(0) = 3;  // as if a second swing were just ending
    n.timers.setEnabled(TimerId::Tim_Heitto1, true);
    n.tick(1);  // the swing ends (301), then the steam ticks on from there
    EXPECT_EQ(n.s.Steam(0).Id, 303);
    EXPECT_EQ(n.s.Temperature(0), 70);
    n.tick(1);
    EXPECT_EQ(n.s.Steam(0).Id, 305);
    EXPECT_EQ(n.s.Temperature(0), 75);  // three steam ticks in all, not two
    EXPECT_FALSE(n.on(TimerId::Tim_Löyly1));
}

TEST(Throw, TwoPlayersAtOnceRedrawBothRooms)
{
    Match m;
    m.start();
    m.key('s');
    m.key('l');
    const QImage before1 = m.screen.piirto.view(1).image().copy();
    m.tick();
    EXPECT_EQ(m.s.ThrowPhase(0), 1);
    EXPECT_EQ(m.s.ThrowPhase(1), 1);
    EXPECT_FALSE(m.screen.piirto.view(1).image() == before1);
    m.tick(5);
    for (int p = 0; p < 2; ++p) {
        EXPECT_EQ(m.s.Temperature(p), 70);
        EXPECT_EQ(m.s.Water(p).Extra1, 4);
        EXPECT_EQ(m.s.Steam(p).Flip, 0);
    }
    EXPECT_EQ(m.sound.played, (std::vector<std::string>{"kiuas.wav", "kiuas.wav"}));
}

TEST(Throw, OutdoorsTheThrowRunsOnUnseenAndStillHeats)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('s');
    m.tick(1);
    m.key('a');
    m.tick(5);
    EXPECT_EQ(m.s.Temperature(0), 70);
    EXPECT_EQ(m.s.Water(0).Y, 504);
    EXPECT_EQ(m.s.Outside(0), -1);
}

TEST(Throw, StoppedTicks)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('s');
    m.tick(2);
    m.key(27);
    m.tick(1);
    EXPECT_FALSE(m.on(TimerId::Tim_Heitto1));  // the swing stops where it stands
    EXPECT_EQ(m.s.ThrowPhase(0), 2);
    EXPECT_EQ(m.s.LadlePose(0), 1);

    Match n(Pixels::NotDrawn);
    n.start();
    n.key('s');
    n.tick(4);
    n.key(27);
    const Muuttujat before = n.s;
    n.tick(20);
    EXPECT_TRUE(n.on(TimerId::Tim_Löyly1));  // idle, but still firing
    EXPECT_EQ(n.s, before);
}

TEST(Throw, ANewMatchStartsClean)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('s');
    m.key('l');
    m.tick(4);  // both swings over, steam about to rise
    m.key('d');
    m.start();
    m.tick(200);
    EXPECT_EQ(m.s.Temperature(0), 60);  // no steam from the last match (it would cool from 70)
    EXPECT_EQ(m.s.Steam(0).Flip, 0);
    EXPECT_FALSE(m.on(TimerId::Tim_Löyly1));
    EXPECT_FALSE(m.on(TimerId::Tim_Löyly2));

    Match n(Pixels::NotDrawn);
    n.start();
    n.key('s');
    n.tick(2);  // the ladle in hand
    n.key(27);
    n.tick(1);
    n.start();
    EXPECT_EQ(n.s.LadlePose(0), 0);
    EXPECT_EQ(n.s.ThrowPhase(0), 0);
    EXPECT_FALSE(n.on(TimerId::Tim_Heitto1));
}

// The views are kept up to date by copying only what changed; whatever the
// rules did before, a redraw must show exactly what a fresh one shows.
TEST(Throw, RedrawnViewsMatchAFreshDrawingOfTheSameState)
{
    Match m;
    m.start();
    const char keys[] = {'s', 'l', 0, 0, 's', 'k', 0, 's', 0, 'l', 0, 0, 'a', 0, 's', 'l'};
    for (int t = 0; t < 600; ++t) {
        if (t % 13 == 0)
            m.key(int16_t(keys[(t / 13) % 16]));
        const long before = m.redraws();
        m.tick();
        if (m.redraws() == before)
            continue;
        Piirto fresh;
        Module1 scene(m.s, fresh);
        scene.RedrawScenes();
        for (int p = 0; p < 2; ++p) {
            if (!m.s.Outside(p)) {
                ASSERT_TRUE(fresh.view(p).image() == m.screen.piirto.view(p).image()) << "tick " << t << " player " << p;
            }
        }
    }
}

// A match stopped mid-swing and a new one started: the new rooms show whole,
// stove, body and bucket included, although the buffers only restored what
// the swing had drawn over.
TEST(Throw, ANewMatchAfterAStopMidSwingShowsWholeRooms)
{
    Match m;
    m.start();
    m.key('s');
    m.key('l');
    m.tick(3);
    m.key(27);
    m.start();
    int compared = 0;
    long shown = -1;
    for (int t = 0; t < 8; ++t) {
        if (m.redraws() != shown) {  // the end of a swing changes the state but draws nothing
            shown = m.redraws();
            Piirto fresh;
            Module1 scene(m.s, fresh);
            scene.RedrawScenes();
            for (int p = 0; p < 2; ++p) {
                ASSERT_TRUE(fresh.view(p).image() == m.screen.piirto.view(p).image()) << "tick " << t << " player " << p;
            }
            ++compared;
        }
        if (t == 0)
            m.key('s');
        m.tick();
    }
    EXPECT_GE(compared, 5);  // the new match, three swing frames, the steam
}
