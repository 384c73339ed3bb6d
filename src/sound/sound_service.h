// What the sound pool asks of a sound service: a device, and buffers made from
// wave files that play once with a volume and a pan. The game runs on the
// SDL2_mixer service; tests run the pool on a recording fake.
#pragma once

#include "match/checked.h"

#include <cstdint>
#include <memory>
#include <string>

namespace hovla {

// A failed service operation, with the service's own text. Only the pool's
// device creation and buffer loading catch it; anywhere else it is an Error
// like any other, shown and fatal.
class SoundError : public Error {
public:
    using Error::Error;
};

// The handle of the window the device is bound to (a Qt WId).
using WindowHandle = std::uintptr_t;

// One sound made from one file. A new buffer is stopped, at full volume and
// centre pan. Releasing it stops it.
class SoundBuffer {
public:
    static constexpr int32_t kPlaying = 1;  // the status bit of a sounding buffer

    virtual ~SoundBuffer() = default;
    virtual int32_t GetStatus() = 0;
    virtual void SetPan(int32_t pan) = 0;        // -10000 left only .. 0 centre .. +10000 right only
    virtual void SetVolume(int32_t volume) = 0;  // hundredths of a dB: 0 full, -10000 silence
    virtual void Play(uint8_t flags) = 0;        // 0: once, from the start
    virtual double Seconds() const = 0;          // how long one play lasts
};

class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void CreateRoot() = 0;
    virtual void CreateDevice(const std::string& device) = 0;  // "" is the default device
    virtual void SetCooperativeLevel(WindowHandle window, int32_t level) = 0;
    virtual std::unique_ptr<SoundBuffer> CreateBufferFromFile(const std::string& path) = 0;
};

} // namespace hovla
