// The rules of a match: the heat tick, the players' keys and the end of a
// match, the throw with its steam, the trip to the lake, and the start of a
// match from the menu. Everything they do to the outside world goes through
// the seams, so a test can drive a whole match on a hand-turned clock.
#pragma once

#include "match/drawing_seam.h"
#include "match/seams.h"
#include "match/state.h"

#include <cstdint>
#include <functional>

namespace hovla {

struct Seams {
    Timers& timers;
    Sound& sound;
    Messages& messages;
    Windows& windows;
    Drawing& drawing;
};

class Game {
public:
    // clock: seconds since midnight, read when the lake's jitter reseeds.
    using Clock = std::function<float()>;

    Game(Muuttujat& state, Seams seams);

    Muuttujat& s;

    // The timers' handlers, one routine per pair with the player index.
    void Tim_Lämpö1_Timer() { HeatTick(0); }
    void Tim_Lämpö2_Timer() { HeatTick(1); }
    void Tim_Heitto1_Timer() { SwingTick(0); }
    void Tim_Heitto2_Timer() { SwingTick(1); }
    void Tim_Löyly1_Timer() { SteamTick(0); }
    void Tim_Löyly2_Timer() { SteamTick(1); }
    void Aaltokone1_Timer() { TripTick(0); }
    void Aaltokone2_Timer() { TripTick(1); }
    void dispatch(TimerId id);

    void HeatTick(int p);
    void SwingTick(int p);
    void SteamTick(int p);
    void TripTick(int p);

    // A typed character; set to 27 when the end test ended the match.
    void Form_KeyPress(int16_t& KeyChar);
    void EndMatch();
    // The menu's start button.
    void StartMatch();

    // 0..n, the ends half as likely as the values between.
    int16_t RandomUpTo(int16_t n);
    void setClock(Clock clock) { clock_ = std::move(clock); }
    void seedRandom(uint64_t seed) { random_ = seed; }

    static constexpr int16_t kEscape = 27;

private:
    void GoOutdoors(int p);
    void GiveUp(int p);
    void Throw(int p);
    bool EndTest(int16_t& KeyChar);
    void ReturnHome(int p);

    Seams io_;
    Clock clock_;
    uint64_t random_ = 0x243F6A8885A308D3ull;
};

TimerId heatTimer(int p);
TimerId swingTimer(int p);
TimerId steamTimer(int p);
TimerId tripTimer(int p);

} // namespace hovla
