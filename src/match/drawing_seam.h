// What the rules ask of the drawing. The rules change the match state and
// then say what to draw; the drawing only reads the state. The game draws
// with the real rooms and views; rule tests that never look at a pixel draw
// nothing at all.
#pragma once

#include "match/state.h"

#include <cstdint>

namespace hovla {

class Drawing {
public:
    virtual ~Drawing() = default;

    // Rebuilds, presents and labels the room of every player who is indoors.
    virtual void RedrawScenes() = 0;
    // One sprite over what the player's back buffer holds, and presenting it.
    virtual void DrawSprite(int player, const SpriteRec& rec, int16_t id) = 0;
    virtual void ShowView(int player) = 0;
    // The readouts of the player's view.
    virtual void DrawTemperature(int player) = 0;
    virtual void DrawScore(int player) = 0;

    // Pictures assigned: both views get their rooms (a new match); a back
    // buffer gets the yard, or the player's own room.
    virtual void ShowRoomPictures() = 0;
    virtual void AssignYard(int player) = 0;
    virtual void AssignRoom(int player) = 0;

    // A frame of the trip, built by the rules step by step: the lake and the
    // cabin loaded, then each drawn over the yard.
    virtual void LoadLakeAndCabin() = 0;
    virtual void DrawCabin(int player, int x, int y) = 0;
    virtual void DrawWalker(int player, int x, int y) = 0;
    virtual void DrawLakeStrip(int player, int x, int y) = 0;

    // How many times the rooms were rebuilt.
    virtual long redrawCount() const = 0;
};

// Draws nothing; counts the rebuilds the rules asked for.
class NullDrawing : public Drawing {
public:
    void RedrawScenes() override { ++redraws_; }
    void DrawSprite(int, const SpriteRec&, int16_t) override {}
    void ShowView(int) override {}
    void DrawTemperature(int) override {}
    void DrawScore(int) override {}
    void ShowRoomPictures() override {}
    void AssignYard(int) override {}
    void AssignRoom(int) override {}
    void LoadLakeAndCabin() override {}
    void DrawCabin(int, int, int) override {}
    void DrawWalker(int, int, int) override {}
    void DrawLakeStrip(int, int, int) override {}
    long redrawCount() const override { return redraws_; }

private:
    long redraws_ = 0;
};

} // namespace hovla
