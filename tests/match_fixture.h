// A whole game on a hand-turned clock, with recording fakes for the outside.
#pragma once

#include "fakes.h"
#include "match/game.h"
#include "match/timer_service.h"

#include <string>

namespace hovla::test {

struct Match {
    TimerService timers;
    RecordingSound sound;
    RecordingMessages messages;
    RecordingWindows windows;
    Game game{Seams{timers, sound, messages, windows}};
    Muuttujat& s = game.s;

    Match()
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
    long redraws() const { return game.scene.redrawCount(); }
};

} // namespace hovla::test
