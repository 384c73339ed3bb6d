#include "match/state.h"

namespace hovla {

namespace {

void place(SpriteRec& r, int16_t x, int16_t y)
{
    r.X = x;
    r.Y = y;
}

struct ArmFrame {
    int16_t id, flip, x, y, ladleX, ladleY;
};

// Arm picture, mirror flag, position, and where the shown ladle sits, per
// player and throw phase. Phase 0 is the arm at rest.
constexpr ArmFrame kArmFrames[2][4] = {
    {{111, -1, 30, 270, 80, 340},
     {117, -1, -25, 250, 150, 390},
     {115, -1, -15, 250, 160, 370},
     {113, -1, 0, 250, 180, 360}},
    {{111, 0, 200, 270, 250, 340},
     {117, 0, 220, 250, 60, 390},
     {115, 0, 220, 260, 50, 370},
     {113, 0, 200, 250, 30, 360}},
};

} // namespace

void NewMatch(Muuttujat& s)
{
    for (int p = 0; p < 2; ++p) {
        s.Temperature(p) = 60.0;
        s.Condition(p) = 100.0;
        s.Points(p) = 0.0;
        s.Outside(p) = False16;
        s.ThrowPhase(p) = 0;
    }

    place(s.Stove(0), 400, 500);
    place(s.Stove(1), -30, 500);
    place(s.Steam(0), 400, 500);
    place(s.Steam(1), -30, 500);

    place(s.Bucket(0, 0), 20, 400);
    place(s.Bucket(0, 1), 20, 400);
    for (int half = 0; half < 2; ++half) {
        s.Bucket(1, half).Flip = True16;
        place(s.Bucket(1, half), 280, 400);
    }

    s.Head(0).Id = 101;
    place(s.Head(0), 20, 100);
    s.Head(1).Id = 101;
    place(s.Head(1), 340, 100);

    s.Body(0).Id = 109;
    s.Body(0).Flip = True16;
    place(s.Body(0), 30, 220);
    s.Body(1).Id = 109;
    s.Body(1).Flip = 0;
    place(s.Body(1), 80, 220);

    const int16_t waterX[2] = {45, 333};
    for (int p = 0; p < 2; ++p) {
        SpriteRec& w = s.Water(p);
        w.Id = 207;
        w.Flip = True16;
        place(w, waterX[p], 500);
        w.Extra1 = 5;
    }

    s.Ladle(0, 0).Id = 209;
    place(s.Ladle(0, 0), 80, 340);
    s.Ladle(0, 1).Id = 211;
    s.Ladle(0, 1).Flip = True16;
    place(s.Ladle(0, 1), 180, 340);
    s.Ladle(1, 0).Id = 209;
    s.Ladle(1, 0).Flip = True16;
    place(s.Ladle(1, 0), 250, 340);
    s.Ladle(1, 1).Id = 211;
    place(s.Ladle(1, 1), 150, 340);

    for (int p = 0; p < 2; ++p) {
        for (int k = 0; k < 4; ++k) {
            const ArmFrame& f = kArmFrames[p][k];
            SpriteRec& a = s.Arm(p, k);
            a.Id = f.id;
            if (p == 0)  // player 2's arm frames keep Flip as it is
                a.Flip = f.flip;
            place(a, f.x, f.y);
            a.Extra1 = f.ladleX;
            a.Extra2 = f.ladleY;
        }
    }
}

} // namespace hovla
