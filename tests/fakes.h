// Recording stand-ins for the seams the rules call.
#pragma once

#include "match/seams.h"

#include <functional>
#include <string>
#include <vector>

namespace hovla::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class RecordingMessages : public Messages {
public:
    using Messages::show;
    void show(const std::string& text, const std::string& caption, MessageIcon icon) override
    {
        shown.push_back({text, caption, icon});
        if (onShow)
            onShow();
    }
    std::vector<ShownMessage> shown;
    std::function<void()> onShow;  // runs while the box is "open"
};

class RecordingSound : public Sound {
public:
    void PlaySoundFile(const std::string& fileName) override { played.push_back(fileName); }
    std::vector<std::string> played;
};

class RecordingWindows : public Windows {
public:
    void hideMain() override { log.push_back("hideMain"); mainShown = false; }
    void showMain() override { log.push_back("showMain"); mainShown = true; }
    void moveMainToTopLeft() override { log.push_back("moveMain"); }
    void showMenu() override { log.push_back("showMenu"); menuExists = menuShown = true; }
    void hideMenu() override { log.push_back("hideMenu"); menuShown = false; }
    std::vector<std::string> log;
    bool mainShown = true;
    bool menuShown = false;
    bool menuExists = false;
};

} // namespace hovla::test
