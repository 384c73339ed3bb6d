// The eight timers of the main window on one clock that ticks 64 times a
// second, the pace the game's animations were made for. The real game drives
// the clock from the wall clock; tests and the simulator tick it by hand.
#pragma once

#include "match/seams.h"

#include <array>
#include <functional>

namespace hovla {

constexpr int kClockHz = 64;

class TimerService : public Timers {
public:
    using Dispatch = std::function<void(TimerId)>;

    // The timers start as the main window creates them: only the heat timers on.
    TimerService();
    void setDispatch(Dispatch dispatch) { dispatch_ = std::move(dispatch); }

    void setEnabled(TimerId id, bool enabled) override;
    bool isEnabled(TimerId id) const override;

    // One clock tick: every enabled timer whose interval has passed fires
    // once, in the order of the timer table.
    void tick() { advance(1); }
    // The clock moves on by ticks at once, as after a stall: late ticks are
    // not made up. Each timer that fell due meanwhile fires once, and its
    // interval starts again from then.
    void advance(long ticks);
    long now() const { return now_; }

    static int intervalMs(TimerId id);
    // An interval rounded up to whole clock ticks: 1 and 10 ms take one tick,
    // 1000 ms sixty-four.
    static int intervalTicks(int ms);
    static const char* name(TimerId id);

private:
    Dispatch dispatch_;
    long now_ = 0;
    std::array<bool, kTimerCount> enabled_{};
    std::array<long, kTimerCount> due_{};
};

} // namespace hovla
