// Whole matches played to their ends on the hand-turned clock, by two simple
// bathers pressing keys as people would.
#include "match_fixture.h"

#include <gtest/gtest.h>

using namespace hovla;
using namespace hovla::test;

namespace {

// What a bather does this second: throw while the room is not hot enough and
// there is water; go out to the lake when weak or dry (if it knows to).
int16_t choose(const Muuttujat& s, int p, bool coolsOff)
{
    const int16_t throwKey = p == 0 ? 's' : 'l';
    const int16_t outKey = p == 0 ? 'a' : 'k';
    if (s.Outside(p))
        return 0;
    if (coolsOff && (s.Condition(p) < 65 || s.Water(p).Extra1 == 0))
        return outKey;
    if (s.Temperature(p) < 100 && s.Water(p).Extra1 > 0)
        return throwKey;
    return 0;
}

// Plays until the match ends; returns the message that ended it.
std::string play(Match& m, bool coolsOff1, bool active2, bool coolsOff2)
{
    m.start();
    for (int second = 0; second < 2000 && !m.s.GameStopped; ++second) {
        for (int p = 0; p < 2; ++p) {
            if (p == 1 && !active2)
                continue;
            const int16_t k = choose(m.s, p, p == 0 ? coolsOff1 : coolsOff2);
            if (k)
                m.key(k);
        }
        if (!m.s.GameStopped)
            m.key('x');  // somebody's key runs the end test now and then
        m.tick(64);
    }
    EXPECT_EQ(m.s.GameStopped, -1);
    return m.messages.shown.empty() ? "" : m.messages.shown.back().text;
}

} // namespace

TEST(WholeMatch, TheBatherWhoCoolsOffWins)
{
    Match m(Pixels::NotDrawn);  // against one who never fetches water
    const std::string result = play(m, true, true, false);
    EXPECT_EQ(result.rfind("Pelaaja 1 voitti! Pisteet: 10", 0), 0u) << result;
    EXPECT_GT(m.s.Points(0), m.s.Points(1));

    Match n(Pixels::NotDrawn);
    const std::string won = play(n, true, false, false);
    EXPECT_EQ(won.rfind("Pelaaja 1 voitti! Pisteet: 10", 0), 0u) << won;
    EXPECT_GE(n.s.Points(0), 100);
    EXPECT_FALSE(n.windows.mainShown);
    EXPECT_TRUE(n.windows.menuShown);
}

TEST(WholeMatch, TwinsDraw)
{
    Match m(Pixels::NotDrawn);
    const std::string result = play(m, true, true, true);
    EXPECT_EQ(result, "Tasapeli!!");
    EXPECT_EQ(m.s.Points(0), m.s.Points(1));
}

TEST(WholeMatch, AlwaysThrowingEndsInACollapse)
{
    Match m(Pixels::NotDrawn);
    const std::string result = play(m, false, false, false);
    EXPECT_EQ(result, "Pelaaja  1 on niin huonossa kunnossa, että jouduttiin kantamaan pois!");
    EXPECT_LT(m.s.Points(0), 100);
}
