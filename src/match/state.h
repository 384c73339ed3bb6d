// The whole state of a match: every drawable object of both rooms, the heat,
// condition and points of each player, the animation counters and the stop
// flag. Zero at program start; NewMatch writes the start values.
#pragma once

#include "match/checked.h"

#include <cstdint>
#include <string>

namespace hovla {

// Flags are 16-bit: 0 false, -1 true, tested for non-zero.
constexpr int16_t False16 = 0;
constexpr int16_t True16 = -1;

struct SpriteRec {
    int16_t Id = 0;
    int16_t Flip = 0;
    int16_t X = 0;
    int16_t Y = 0;
    int16_t Extra1 = 0;
    int16_t Extra2 = 0;
    bool operator==(const SpriteRec&) const = default;

    // What the spare fields mean in the records that use them.
    int16_t& portionsLeft() { return Extra1; }       // Water: throws left in the bucket
    int16_t portionsLeft() const { return Extra1; }
    int16_t& walkerStep() { return Extra1; }         // Head on a trip: -2 out, 2 back
    int16_t walkerStep() const { return Extra1; }
    int16_t ladleX() const { return Extra1; }        // Arm: where the held ladle's left edge goes
    int16_t ladleY() const { return Extra2; }        // Arm: and its top
    int16_t& cloudShown() { return Flip; }           // Steam: -1 shown, 0 hidden
    int16_t cloudShown() const { return Flip; }
};

// Player index: 0 is player 1 (left view), 1 is player 2 (right view).
struct Muuttujat {
    Arr<SpriteRec, 2> Stove{"Stove"};
    Arr2<SpriteRec, 2, 2> Bucket{"Bucket"};  // (p, 0) back half, (p, 1) front half
    Arr2<SpriteRec, 2, 2> Ladle{"Ladle"};    // (p, 0) resting, (p, 1) held out
    Arr<int16_t, 2> LadlePose{"LadlePose"};
    Arr<SpriteRec, 2> Steam{"Steam"};        // Flip is also the cloud's visibility
    Arr<SpriteRec, 2> Head{"Head"};          // outdoors: the walker, Extra1 its step
    Arr<SpriteRec, 2> Water{"Water"};        // Extra1: portions left
    Arr<double, 2> Temperature{"Temperature"};
    Arr<SpriteRec, 6> Wave{"Wave"};          // lake strips, one set for both players
    Arr<int16_t, 2> Outside{"Outside"};
    Arr<SpriteRec, 2> Body{"Body"};
    Arr<int16_t, 2> ThrowPhase{"ThrowPhase"};
    Arr2<SpriteRec, 2, 4> Arm{"Arm"};        // arm frame per throw phase
    std::string TitleText;
    int16_t GameStopped = False16;
    Arr<double, 2> Condition{"Condition"};
    Arr<double, 2> Points{"Points"};

    bool operator==(const Muuttujat&) const = default;
};

// Writes the start values of a match; draws nothing, starts no timer.
void NewMatch(Muuttujat& s);

} // namespace hovla
