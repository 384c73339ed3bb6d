#include "match_fixture.h"

#include <gtest/gtest.h>

#include <random>

using namespace hovla;
using namespace hovla::test;

// Both players hammer the keyboard while the clock runs; matches end and
// start again. Nothing may raise and the state stays inside its limits.
TEST(Soak, RandomKeysAndTicks)
{
    Match m(Pixels::NotDrawn);
    std::mt19937 rng(2004);
    const int16_t keys[] = {'s', 'S', 'a', 'l', 'L', 'k', 's', 'l', 'x', 'd', 'j', 27};
    m.start();
    int matches = 1;
    bool everOutdoors = false;  // the lake is all zero until someone goes out
    for (int event = 0; event < 1000000; ++event) {
        const unsigned r = rng() % 100;
        if (m.s.GameStopped && r < 20) {
            m.start();
            ++matches;
        } else if (r < 12) {
            const int16_t k = keys[rng() % 12];
            if ((k == 'd' || k == 'j' || k == 27) && rng() % 50 != 0)
                continue;  // end a match now and then, not at every turn
            ASSERT_NO_THROW(m.key(k));
            everOutdoors |= m.s.Outside(0) || m.s.Outside(1);
        } else {
            ASSERT_NO_THROW(m.tick());
        }
        for (int p = 0; p < 2; ++p) {
            ASSERT_GE(m.s.ThrowPhase(p), 0);
            ASSERT_LE(m.s.ThrowPhase(p), 3);
            ASSERT_GE(m.s.LadlePose(p), 0);
            ASSERT_LE(m.s.LadlePose(p), 1);
            ASSERT_GE(m.s.Water(p).Y, 500);
            ASSERT_LE(m.s.Water(p).Y, 520);
            ASSERT_GE(m.s.Water(p).Extra1, 0);
            ASSERT_LE(m.s.Water(p).Extra1, 5);
            if (m.on(steamTimer(p)) && !m.s.GameStopped) {
                ASSERT_TRUE(m.s.Steam(p).Id == 301 || m.s.Steam(p).Id == 303);
            }
        }
        for (int j = 0; j < 6 && everOutdoors; ++j) {
            ASSERT_GE(m.s.Wave(j).X, -10);
            ASSERT_LE(m.s.Wave(j).X, -1);
            ASSERT_GE(m.s.Wave(j).Y, 255 + 65 * j);
            ASSERT_LE(m.s.Wave(j).Y, 260 + 65 * j);
        }
    }
    EXPECT_GT(matches, 5);
}
