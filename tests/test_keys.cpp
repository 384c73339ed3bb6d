#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace hovla;
using namespace hovla::test;

namespace {

const std::string kCollapse1 = "Pelaaja  1 on niin huonossa kunnossa, että jouduttiin kantamaan pois!";

} // namespace

TEST(Keys, TheFirstKeyBeforeAnyMatchAnnouncesPlayerOnesCollapse)
{
    Match m(Pixels::NotDrawn);
    EXPECT_EQ(m.key('x'), 27);
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0].text, kCollapse1);
    EXPECT_EQ(m.messages.shown[0].caption, "Hovla");
    EXPECT_EQ(m.messages.shown[0].icon, MessageIcon::None);
    EXPECT_EQ(m.windows.log, (std::vector<std::string>{"hideMain", "showMenu"}));
    EXPECT_EQ(m.s.GameStopped, -1);
}

TEST(Keys, CollapseAtFiftyNotAboveIt)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Condition(0) = 50.01;
    m.key('5');  // any key runs the end test
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_EQ(m.s.GameStopped, 0);

    m.s.Condition(0) = 50;
    int16_t stoppedWhileShown = 0;
    m.messages.onShow = [&] { stoppedWhileShown = m.s.GameStopped; };
    m.key('\r');
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0].text, kCollapse1);
    EXPECT_EQ(stoppedWhileShown, -1);  // set before the message
    EXPECT_FALSE(m.windows.mainShown);
    EXPECT_TRUE(m.windows.menuShown);
}

TEST(Keys, ThePointsDecideTheWinnerWhoeverPassedAHundred)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Points(0) = 100;
    m.s.Points(1) = 104;
    int16_t stoppedWhileShown = -2;
    m.messages.onShow = [&] { stoppedWhileShown = m.s.GameStopped; };
    EXPECT_EQ(m.key('a'), 27);
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0].text, "Pelaaja 2 voitti! Pisteet: 104");
    EXPECT_EQ(stoppedWhileShown, 0);  // the match went on behind the message
    EXPECT_EQ(m.s.GameStopped, -1);
    EXPECT_EQ(m.s.Outside(0), 0);  // the key's own command did not run

    Match w(Pixels::NotDrawn);
    w.start();
    w.s.Points(0) = 101.5;
    w.s.Points(1) = 30;
    w.key('l');
    EXPECT_EQ(w.messages.shown.at(0).text, "Pelaaja 1 voitti! Pisteet: 101.5");

    Match d(Pixels::NotDrawn);
    d.start();
    d.s.Points(0) = 100;
    d.s.Points(1) = 100;
    d.key('k');
    EXPECT_EQ(d.messages.shown.at(0).text, "Tasapeli!!");
}

TEST(Keys, PlayerOnesTestsComeFirst)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Condition(0) = 40;
    m.s.Points(1) = 120;
    m.key('j');
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0].text, kCollapse1);

    Match n(Pixels::NotDrawn);
    n.start();
    n.s.Points(0) = 100;
    n.s.Condition(1) = 10;
    n.key('j');
    ASSERT_EQ(n.messages.shown.size(), 1u);
    EXPECT_EQ(n.messages.shown[0].text, "Pelaaja 1 voitti! Pisteet: 100");

    Match o(Pixels::NotDrawn);
    o.start();
    o.s.Condition(1) = 50;
    o.key('s');
    EXPECT_EQ(o.messages.shown.at(0).text,
              "Pelaaja  2 on niin huonossa kunnossa, että jouduttiin kantamaan pois!");
    EXPECT_FALSE(o.on(TimerId::Tim_Heitto1));
}

// A bather who has collapsed is carried out, even with a hundred points:
// each player's collapse is tested before that player's points.
TEST(Keys, ACollapseComesBeforeTheSamePlayersHundredPoints)
{
    for (int p = 0; p < 2; ++p) {
        Match m(Pixels::NotDrawn);
        m.start();
        m.s.Condition(p) = 40;
        m.s.Points(p) = 120;
        m.key('x');
        ASSERT_EQ(m.messages.shown.size(), 1u) << "player " << p + 1;
        EXPECT_EQ(m.messages.shown[0].text, "Pelaaja  " + std::to_string(p + 1)
                                                 + " on niin huonossa kunnossa, että jouduttiin kantamaan pois!");
        EXPECT_EQ(m.s.GameStopped, -1);
    }
}

// Ctrl+S types character 19, not "s": no throw, though the end test runs.
TEST(Keys, ControlLettersAreNotCommands)
{
    Match m(Pixels::NotDrawn);
    m.start();
    for (int16_t c : {19, 1, 4, 12, 11, 10}) {  // Ctrl+S, A, D, L, K, J
        m.key(c);
        EXPECT_EQ(m.s.GameStopped, 0) << c;
    }
    EXPECT_EQ(m.s.Water(0).Extra1, 5);
    EXPECT_EQ(m.s.Water(1).Extra1, 5);
    for (TimerId id : {TimerId::Tim_Heitto1, TimerId::Tim_Heitto2, TimerId::Aaltokone1, TimerId::Aaltokone2})
        EXPECT_FALSE(m.on(id));
    EXPECT_TRUE(m.sound.played.empty());
    EXPECT_TRUE(m.messages.shown.empty());
}

TEST(Keys, EscapeWithTheEndMetAnnouncesFirstThenEndsOnce)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.s.Points(1) = 100;
    m.key(27);
    EXPECT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.windows.log, (std::vector<std::string>{"hideMenu", "moveMain", "showMain", "hideMain", "showMenu"}));

    Match e(Pixels::NotDrawn);
    e.start();
    e.key(27);
    EXPECT_TRUE(e.messages.shown.empty());
    EXPECT_EQ(e.s.GameStopped, -1);
    EXPECT_TRUE(e.windows.menuShown);
}

TEST(Keys, NothingWhileStopped)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key(27);
    const Muuttujat before = m.s;
    const size_t windowCalls = m.windows.log.size();
    for (int c : {'s', 'a', 'd', 'l', 'k', 'j', '\x1b'})
        m.key(int16_t(c));
    EXPECT_EQ(m.s, before);
    EXPECT_EQ(m.windows.log.size(), windowCalls);
    EXPECT_TRUE(m.messages.shown.empty());
    EXPECT_FALSE(m.on(TimerId::Tim_Heitto1));
}

TEST(Keys, GivingUp)
{
    Match m(Pixels::NotDrawn);
    m.start();
    int16_t stoppedWhileShown = -2;
    m.messages.onShow = [&] { stoppedWhileShown = m.s.GameStopped; };
    m.key('J');
    ASSERT_EQ(m.messages.shown.size(), 1u);
    EXPECT_EQ(m.messages.shown[0].text, "Pelaaja 2 luovutti!!!");
    EXPECT_EQ(m.messages.shown[0].caption, "LUOVUTUS");
    EXPECT_EQ(m.messages.shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(stoppedWhileShown, 0);
    EXPECT_EQ(m.s.GameStopped, -1);
    EXPECT_TRUE(m.windows.menuShown);

    Match n(Pixels::NotDrawn);
    n.start();
    n.key('d');
    EXPECT_EQ(n.messages.shown.at(0).text, "Pelaaja 1 luovutti!!!");
}

TEST(Keys, ThrowOnlyIndoorsWithWaterInEitherCase)
{
    Match m(Pixels::NotDrawn);
    m.start();
    m.key('S');
    EXPECT_EQ(m.s.Water(0).Extra1, 4);
    EXPECT_TRUE(m.on(TimerId::Tim_Heitto1));
    m.key('L');
    EXPECT_EQ(m.s.Water(1).Extra1, 4);
    EXPECT_TRUE(m.on(TimerId::Tim_Heitto2));

    Match dry;
    dry.start();
    dry.s.Water(0).Extra1 = 0;
    dry.key('s');
    EXPECT_FALSE(dry.on(TimerId::Tim_Heitto1));
    EXPECT_EQ(dry.s.Water(0).Extra1, 0);
    dry.s.Water(0).Extra1 = 3;
    dry.s.Outside(0) = True16;
    dry.key('s');
    EXPECT_FALSE(dry.on(TimerId::Tim_Heitto1));
    EXPECT_EQ(dry.s.Water(0).Extra1, 3);
    EXPECT_TRUE(dry.sound.played.empty());
    EXPECT_TRUE(dry.messages.shown.empty());
}

TEST(Keys, GoingOutdoorsResetsTheLakeForBoth)
{
    Match m(Pixels::NotDrawn);
    m.start();
    for (int j = 0; j < 6; ++j)
        m.s.Wave(j).X = -9;
    m.key('k');
    EXPECT_EQ(m.s.Outside(1), -1);
    EXPECT_EQ(m.s.Head(1).X, 400);
    EXPECT_EQ(m.s.Head(1).Y, 300);
    EXPECT_EQ(m.s.Head(1).Extra1, -2);
    EXPECT_EQ(m.s.Head(1).Flip, 0);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(m.s.Wave(j).X, -5);
        EXPECT_EQ(m.s.Wave(j).Y, 255 + 65 * j);
    }
    EXPECT_EQ(m.sound.played, std::vector<std::string>{"ulos1.wav"});
    EXPECT_TRUE(m.on(TimerId::Aaltokone2));
    EXPECT_EQ(m.s.Water(1).Extra1, 5);  // no refill yet
}
