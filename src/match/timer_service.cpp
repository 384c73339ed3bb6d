#include "match/timer_service.h"

namespace hovla {

namespace {

struct TimerEntry {
    const char* name;
    int intervalMs;
    bool enabledAtCreation;
};

constexpr std::array<TimerEntry, kTimerCount> kTimerTable = {{
    {"Tim_Lämpö1", 1000, true},
    {"Tim_Lämpö2", 1000, true},
    {"Tim_Heitto1", 1, false},
    {"Tim_Heitto2", 1, false},
    {"Tim_Löyly1", 10, false},
    {"Tim_Löyly2", 10, false},
    {"Aaltokone1", 1, false},
    {"Aaltokone2", 1, false},
}};

int index(TimerId id) { return static_cast<int>(id); }

} // namespace

TimerService::TimerService()
{
    for (int i = 0; i < kTimerCount; ++i) {
        if (kTimerTable[i].enabledAtCreation)
            setEnabled(static_cast<TimerId>(i), true);
    }
}

int TimerService::intervalMs(TimerId id)
{
    return kTimerTable[index(id)].intervalMs;
}

int TimerService::intervalTicks(int ms)
{
    return (ms * kClockHz + 999) / 1000;
}

const char* TimerService::name(TimerId id)
{
    return kTimerTable[index(id)].name;
}

void TimerService::setEnabled(TimerId id, bool enabled)
{
    const int i = index(id);
    if (enabled && !enabled_[i])
        due_[i] = now_ + intervalTicks(kTimerTable[i].intervalMs);  // the interval starts anew
    enabled_[i] = enabled;
}

bool TimerService::isEnabled(TimerId id) const
{
    return enabled_[index(id)];
}

void TimerService::advance(long ticks)
{
    // A message box opened by a handler runs ticks inside this one; each
    // call keeps its own clock reading.
    const long t = now_ += ticks;
    for (int i = 0; i < kTimerCount; ++i) {
        if (!enabled_[i] || due_[i] > t)
            continue;
        due_[i] = t + intervalTicks(kTimerTable[i].intervalMs);
        if (dispatch_)
            dispatch_(static_cast<TimerId>(i));
    }
}

} // namespace hovla
