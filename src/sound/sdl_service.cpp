// Qt owns main and the signals.
#define SDL_MAIN_HANDLED

#include "sound/sdl_service.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

// No callbacks are registered with the mixer: the pool and the widgets are
// only ever touched on the user-interface thread.

namespace hovla {

namespace {

constexpr int kRate = 22050;
constexpr int kChunkSamples = 512;  // about 23 ms: a throw is heard when it lands
constexpr uint8_t kLooping = 1;

// Attenuation in hundredths of a dB to a linear gain; 100 dB down is silence.
double gainOf(int32_t attenuation)
{
    return attenuation >= 10000 ? 0.0 : std::pow(10.0, -attenuation / 2000.0);
}

} // namespace

MixerGains mixerGains(int32_t volume, int32_t pan)
{
    const int32_t down = -std::clamp(volume, -10000, 0);
    pan = std::clamp(pan, -10000, 10000);
    const double left = gainOf(down + std::max(pan, 0));
    const double right = gainOf(down + std::max(-pan, 0));
    const double louder = std::max(left, right);
    if (louder == 0)
        return {0, 0, 0};
    // The smallest channel volume that still reaches the louder side leaves the
    // panning the most of its 255 steps: -60 dB becomes volume 1, panning 33.
    const int steps = std::clamp(static_cast<int>(std::ceil(louder * 128 - 1e-9)), 1, 128);
    const auto side = [steps](double gain) {
        return static_cast<uint8_t>(std::min(255L, std::lround(gain * 128 * 255 / steps)));
    };
    return {steps, side(left), side(right)};
}

struct SdlSoundService::Channels {
    std::vector<bool> used;

    int take()
    {
        const auto free = std::find(used.begin(), used.end(), false);
        if (free != used.end()) {
            *free = true;
            return static_cast<int>(free - used.begin());
        }
        used.push_back(true);
        Mix_AllocateChannels(std::max<int>(MIX_CHANNELS, static_cast<int>(used.size())));
        return static_cast<int>(used.size()) - 1;
    }
    void give(int channel) { used[static_cast<std::size_t>(channel)] = false; }
};

namespace {

// A chunk on a channel of its own. Pan and volume live with the buffer and are
// set on the channel when it plays: the mixer drops a channel's panning when
// the channel finishes.
class SdlBuffer : public SoundBuffer {
public:
    SdlBuffer(Mix_Chunk* chunk, std::shared_ptr<SdlSoundService::Channels> channels)
        : chunk_(chunk), channels_(std::move(channels)), channel_(channels_->take())
    {
    }
    ~SdlBuffer() override
    {
        Mix_FreeChunk(chunk_);  // halts the channel if it still plays this chunk
        channels_->give(channel_);
    }

    int32_t GetStatus() override { return sounding() ? kPlaying : 0; }

    void SetPan(int32_t pan) override
    {
        pan_ = pan;
        if (sounding())
            apply();
    }

    void SetVolume(int32_t volume) override
    {
        volume_ = volume;
        if (sounding())
            apply();
    }

    void Play(uint8_t flags) override
    {
        if (sounding())
            return;  // a playing buffer goes on where it is
        apply();
        if (Mix_PlayChannel(channel_, chunk_, (flags & kLooping) ? -1 : 0) < 0)
            throw SoundError(Mix_GetError());
    }

    double Seconds() const override
    {
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        if (!Mix_QuerySpec(&frequency, &format, &channels))
            return 0;
        const double frameBytes = SDL_AUDIO_BITSIZE(format) / 8.0 * channels;
        return chunk_->alen / (frameBytes * frequency);
    }

private:
    bool sounding() const { return Mix_Playing(channel_) && Mix_GetChunk(channel_) == chunk_; }

    void apply()
    {
        const MixerGains gains = mixerGains(volume_, pan_);
        Mix_Volume(channel_, gains.volume);
        if (!Mix_SetPanning(channel_, gains.left, gains.right))
            throw SoundError(Mix_GetError());
    }

    Mix_Chunk* chunk_;
    std::shared_ptr<SdlSoundService::Channels> channels_;
    int channel_;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
};

} // namespace

SdlSoundService::SdlSoundService() : channels_(std::make_shared<Channels>()) {}

SdlSoundService::~SdlSoundService()
{
    if (deviceOpen_)
        Mix_CloseAudio();
    if (audioStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void SdlSoundService::CreateRoot()
{
    // Without these SDL would take over main and Ctrl+C.
    SDL_SetMainReady();
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
        throw SoundError(SDL_GetError());
    audioStarted_ = true;
}

void SdlSoundService::CreateDevice(const std::string& device)
{
    const char* name = device.empty() ? nullptr : device.c_str();
    if (Mix_OpenAudioDevice(kRate, AUDIO_S16SYS, 2, kChunkSamples, name,
                            SDL_AUDIO_ALLOW_FREQUENCY_CHANGE) < 0)
        throw SoundError(Mix_GetError());
    deviceOpen_ = true;
}

void SdlSoundService::SetCooperativeLevel(WindowHandle, int32_t)
{
    // SDL's device plays for the whole process; there is no window to bind.
}

std::unique_ptr<SoundBuffer> SdlSoundService::CreateBufferFromFile(const std::string& path)
{
    if (!deviceOpen_)
        throw SoundError("No sound device");
    errno = 0;
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)  // the message adds the path itself
        throw SoundError(errno ? std::strerror(errno) : SDL_GetError());
    Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
    if (!chunk)
        throw SoundError(Mix_GetError());
    return std::make_unique<SdlBuffer>(chunk, channels_);
}

SdlSoundService::DeviceFormat SdlSoundService::deviceFormat() const
{
    DeviceFormat s;
    Mix_QuerySpec(&s.frequency, &s.format, &s.channels);
    return s;
}

} // namespace hovla
