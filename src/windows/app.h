// The game as a desktop program: the windows, the 64 Hz clock, the message
// boxes and the sound service around the rules.
#pragma once

#include "drawing/screen.h"
#include "match/game.h"
#include "match/timer_service.h"
#include "sound/dx7sound.h"
#include "windows/views.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>
#include <utility>

namespace hovla {

// Modal message boxes; timers keep ticking in their own event loop.
class QtMessages : public Messages {
public:
    using Messages::show;
    void show(const std::string& text, const std::string& caption, MessageIcon icon) override;
};

// Turns the timer service's clock 64 times a second by the wall clock. After
// a stall the clock jumps to the wall clock's tick in one step.
class ClockDriver {
public:
    ClockDriver(TimerService& service, std::function<void(const std::function<void()>&)> guard);
    void start();
    void stop() { timer_.stop(); }
    long ticks() const { return ticks_; }
    // The longest a tick's handlers took since the last call, in nanoseconds.
    qint64 takeLongestTick() { return std::exchange(longestTick_, 0); }

private:
    void poll();
    void schedule(long afterTick);
    long dueTicks() const;

    TimerService& service_;
    std::function<void(const std::function<void()>&)> guard_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    long ticks_ = 0;
    qint64 longestTick_ = 0;
};

// The random generator's seed: seconds since local midnight, to the
// millisecond. Local time costs a time zone lookup and the lake reads this a
// dozen times a tick, so it is looked up once a second and the monotonic
// clock counts on from there.
class SecondsSinceMidnight {
public:
    float operator()();

private:
    QElapsedTimer since_;
    qint64 atStart_ = 0;  // milliseconds since midnight when since_ started
};

class App : public Windows, public SoundSettings {
public:
    // endProcess ends the process at once; tests give one that only records.
    App(SoundService& soundService, Messages& messages, std::function<void(int)> endProcess);
    ~App() override;

    // Form_Load, then the main window shown with empty views.
    void start();

    // Runs one handler; an error no handler caught is shown and ends the game.
    void guard(const std::function<void()>& handler);

    // Windows
    void hideMain() override;
    void showMain() override;
    void moveMainToTopLeft() override;
    void showMenu() override;
    void hideMenu() override;

    // SoundSettings: the menu's sliders and check box, the menu made on first read
    int volume() override;
    int pan() override;
    bool muted() override;

    fOptions* menu() { return menu_.get(); }  // null until first used
    fOptions& ensureMenu();
    void Picture1_Click();
    void Picture2_Click();
    void Form_KeyPress(int16_t& KeyChar);

    TimerService timers;
    ClockDriver clock;
    DX7Sound sound;
    Muuttujat state;
    ScreenDrawing drawing;
    Game game;
    PL pl;

private:
    bool eventFilter(QObject* watched, QEvent* event);

    Messages& messages_;
    std::function<void(int)> endProcess_;
    bool failed_ = false;  // an error is being shown: nothing else runs
    std::unique_ptr<fOptions> menu_;
    std::unique_ptr<QObject> keyPreview_;
};

} // namespace hovla
