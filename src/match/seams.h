// What the rules do to the outside world goes through these small interfaces:
// the Qt windows and the SDL sound service stand behind them in the game,
// recording fakes in the tests.
#pragma once

#include <string>

namespace hovla {

// The eight timers of the main window, in the order of its timer table.
enum class TimerId {
    Tim_Lämpö1,
    Tim_Lämpö2,
    Tim_Heitto1,
    Tim_Heitto2,
    Tim_Löyly1,
    Tim_Löyly2,
    Aaltokone1,
    Aaltokone2,
};
constexpr int kTimerCount = 8;

class Timers {
public:
    virtual ~Timers() = default;
    virtual void setEnabled(TimerId id, bool enabled) = 0;
    virtual bool isEnabled(TimerId id) const = 0;
};

class Sound {
public:
    virtual ~Sound() = default;
    virtual void PlaySoundFile(const std::string& fileName) = 0;
};

enum class MessageIcon { None, Information };

// A modal message box with one OK button; returns when it is closed.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& text, const std::string& caption, MessageIcon icon) = 0;
    void show(const std::string& text) { show(text, kAppTitle, MessageIcon::None); }
    static constexpr const char* kAppTitle = "Hovla";
};

// The two windows as the rules see them.
class Windows {
public:
    virtual ~Windows() = default;
    virtual void hideMain() = 0;
    virtual void showMain() = 0;
    virtual void moveMainToTopLeft() = 0;
    virtual void showMenu() = 0;  // creates the menu first if it does not exist
    virtual void hideMenu() = 0;
};

} // namespace hovla
