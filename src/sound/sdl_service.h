// The sound service on SDL2_mixer: the audio subsystem only, the windows are
// Qt's. Each live buffer owns one mixer channel, so every slot of the pool has
// a voice of its own. One service at a time; it must outlive the pool that
// plays on it.
#pragma once

#include "sound/sound_service.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace hovla {

// Mixer steps for a volume and pan in the device's units: the channel volume
// (0..128) times the panning of each side (0..255) gives that side's gain.
struct MixerGains {
    int volume = 128;
    uint8_t left = 255;
    uint8_t right = 255;
};

// Volume lowers both sides by that many hundredths of a dB; pan lowers only
// the far side by |pan| hundredths of a dB, so +10000 silences the left.
MixerGains mixerGains(int32_t volume, int32_t pan);

class SdlSoundService : public SoundService {
public:
    SdlSoundService();
    ~SdlSoundService() override;
    SdlSoundService(const SdlSoundService&) = delete;
    SdlSoundService& operator=(const SdlSoundService&) = delete;

    void CreateRoot() override;
    void CreateDevice(const std::string& device) override;
    void SetCooperativeLevel(WindowHandle window, int32_t level) override;
    std::unique_ptr<SoundBuffer> CreateBufferFromFile(const std::string& path) override;

    // The device's real rate, sample format and channel count, once open.
    struct DeviceFormat {
        int frequency = 0;
        uint16_t format = 0;
        int channels = 0;
    };
    DeviceFormat deviceFormat() const;

    struct Channels;  // which mixer channels belong to a live buffer

private:
    bool audioStarted_ = false;
    bool deviceOpen_ = false;
    std::shared_ptr<Channels> channels_;
};

} // namespace hovla
