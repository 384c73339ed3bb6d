// A sound service that sounds nothing aloud: every call goes into one log,
// and a buffer counts as playing from its Play until it is stopped by hand
// or, given a clock, until its file's length has passed. The simulator plays
// on it with the hand-turned clock; tests stop buffers themselves and make
// files or the device fail.
#pragma once

#include "sound/sound_service.h"

#include <functional>
#include <string>
#include <vector>

namespace hovla {

class RecordingSoundService : public SoundService {
public:
    class Buffer : public SoundBuffer {
    public:
        Buffer(RecordingSoundService& service, std::string file, double seconds);
        int32_t GetStatus() override;
        void SetPan(int32_t pan) override;
        void SetVolume(int32_t volume) override;
        void Play(uint8_t flags) override;
        double Seconds() const override { return seconds_; }

        const std::string id;    // "#1", "#2", ... in the order made
        const std::string file;  // the file's name, without its folder
        bool playing = false;    // set by Play; a test may clear it

    private:
        RecordingSoundService& service_;
        double seconds_;
        double startedAt_ = 0;
    };

    void CreateRoot() override;
    void CreateDevice(const std::string& device) override;
    void SetCooperativeLevel(WindowHandle window, int32_t level) override;
    // Reads the file's length from its header when readFiles is set.
    std::unique_ptr<SoundBuffer> CreateBufferFromFile(const std::string& path) override;

    std::vector<std::string> log;
    // What fails, with what text: a file of this name, the device, every Play.
    std::string missing, noDevice, playFails;
    bool readFiles = false;          // read the wave files: a missing or broken one fails to load
    std::function<double()> clock;   // with a clock, a sound stops when its length has passed
    std::function<void()> onStatus;  // runs on every status query
    int made = 0, polls = 0;
};

// A service whose buffers never sound and never fail.
class NullSoundService : public SoundService {
public:
    void CreateRoot() override {}
    void CreateDevice(const std::string&) override {}
    void SetCooperativeLevel(WindowHandle, int32_t) override {}
    std::unique_ptr<SoundBuffer> CreateBufferFromFile(const std::string&) override;
};

} // namespace hovla
