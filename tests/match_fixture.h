// A whole game on a hand-turned clock, with recording fakes for the outside.
#pragma once

#include "drawing/screen.h"
#include "fakes.h"
#include "match/game.h"
#include "match/timer_service.h"

#include <string>

namespace hovla::test {

// Whether a match draws its rooms: tests of pictures do; tests of the rules
// alone draw nothing, which keeps them quick.
enum class Pixels { Drawn, NotDrawn };

struct Match {
    TimerService timers;
    RecordingSound sound;
    RecordingMessages messages;
    RecordingWindows windows;
    Muuttujat s;
    ScreenDrawing screen{s};
    NullDrawing none;
    Game game;

    explicit Match(Pixels pictures = Pixels::Drawn)
        : game(s, Seams{timers, sound, messages, windows,
                        pictures == Pixels::Drawn ? static_cast<Drawing&>(screen) : none})
    {
        timers.setDispatch([this](TimerId id) { game.dispatch(id); });
        game.setClock([this] { return float(timers.now()) / kClockHz; });
    }
    void start() { game.StartMatch(); }
    void tick(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            timers.tick();
    }
    int16_t key(int16_t c)
    {
        game.Form_KeyPress(c);
        return c;
    }
    bool on(TimerId id) const { return timers.isEnabled(id); }
    long redraws() const { return screen.redrawCount() + none.redrawCount(); }
};

} // namespace hovla::test
