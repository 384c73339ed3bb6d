// The pool on the real SDL2_mixer service: what reaches the speakers, caught
// with SDL's disk driver, and what the player is told when a file fails.
#include "fakes.h"
#include "sound/dx7sound.h"
#include "sound/sdl_service.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <unistd.h>

namespace hovla {
namespace {

namespace fs = std::filesystem;
constexpr int kRate = 22050;

// Sets an environment variable for one scope.
class Env {
public:
    Env(const char* name, const std::string& value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~Env() { old_ ? setenv(name_, old_->c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// 0.4 s of 1 kHz at 0.7 of full scale on both channels; returns its RMS.
double writeTone(const fs::path& path)
{
    std::vector<int16_t> pcm;
    double sum = 0;
    for (int i = 0; i < kRate * 4 / 10; ++i) {
        const auto s = static_cast<int16_t>(std::lround(22937 * std::sin(2 * M_PI * 1000 * i / kRate)));
        pcm.insert(pcm.end(), {s, s});
        sum += 2.0 * s * s;
    }
    const auto le = [](uint32_t v, int n) {
        std::string b;
        for (; n--; v >>= 8)
            b += char(v & 0xFF);
        return b;
    };
    const auto bytes = static_cast<uint32_t>(pcm.size() * 2);
    std::ofstream(path, std::ios::binary)
        << "RIFF" << le(36 + bytes, 4) << "WAVEfmt " << le(16, 4) << le(1, 2) << le(2, 2) << le(kRate, 4)
        << le(kRate * 4, 4) << le(4, 2) << le(16, 2) << "data" << le(bytes, 4)
        << std::string(reinterpret_cast<const char*>(pcm.data()), bytes);
    return std::sqrt(sum / pcm.size());
}

// The pool on the real service, writing what the speakers get to a file.
class Recording {
public:
    Recording()
    {
        fs::create_directories(dir);
        toneRms = writeTone(dir / "tone.wav");
        pool.InitDirectSound(0);
        pool.SetSoundFolder(dir.string());
        pool.LoadSoundPool(10, "tone.wav");
        const auto device = service_->deviceFormat();
        EXPECT_TRUE(device.frequency == kRate && device.format == AUDIO_S16SYS && device.channels == 2);
    }
    ~Recording() { fs::remove_all(dir); }

    // Plays a file as the game does and waits until it has been heard.
    void play(const std::string& fileName)
    {
        pool.PlaySoundFile(fileName);
        SoundBuffer& sound = *pool.SoundPool.at(pool.CurrentSlot).Buffer;
        EXPECT_EQ(sound.GetStatus(), SoundBuffer::kPlaying);
        for (int ms = 0; ms < 3000 && sound.GetStatus() == SoundBuffer::kPlaying; ms += 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(sound.GetStatus(), 0) << "the sound never ended";
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }

    // Closes the device; the frames it got, left and right.
    std::vector<int16_t> stop()
    {
        pool.SoundPool.clear();  // buffers go before the device
        service_.reset();
        std::vector<int16_t> pcm(fs::file_size(raw_) / 2);
        std::ifstream(raw_, std::ios::binary).read(reinterpret_cast<char*>(pcm.data()), pcm.size() * 2);
        return pcm;
    }

    const fs::path dir = fs::temp_directory_path() / ("hovla-sound-" + std::to_string(getpid()));
    double toneRms = 0;

private:
    fs::path raw_ = dir / "capture.raw";
    Env driver_{"SDL_AUDIODRIVER", "disk"};
    Env file_{"SDL_DISKAUDIOFILE", raw_.string()};
    std::optional<SdlSoundService> service_{std::in_place};

public:
    PlainSoundSettings settings;
    test::RecordingMessages messages;
    DX7Sound pool{*service_, settings, messages};
};

TEST(SdlSoundService, PanAndVolumeReachTheSpeakersAsDecibels)
{
    struct Row { int volume, pan; double left, right; };
    const Row rows[] = {{80, 0, -12, -INFINITY}, {80, 50, -12, -12}, {80, 100, -INFINITY, -12},
                        {80, 25, -12, -37},      {50, 50, -30, -30}, {0, 50, -60, -60}};
    for (const Row& row : rows) {
        SCOPED_TRACE("volume " + std::to_string(row.volume) + ", pan " + std::to_string(row.pan));
        Recording rec;
        rec.settings.Volume = row.volume;
        rec.settings.Pan = row.pan;
        rec.play("tone.wav");
        const std::vector<int16_t> pcm = rec.stop();

        // The sounding stretch less its edges, against the tone itself.
        std::size_t first = pcm.size(), last = 0;
        for (std::size_t i = 0; i < pcm.size(); ++i)
            if (pcm[i] != 0) {
                first = std::min(first, i / 2);
                last = i / 2;
            }
        ASSERT_LT(first, last) << "nothing was heard";
        const std::size_t from = first + (last - first) / 10, to = last - (last - first) / 10;
        double got[2];
        for (int side : {0, 1}) {
            double sum = 0;
            for (std::size_t f = from; f < to; ++f)
                sum += double(pcm[2 * f + side]) * pcm[2 * f + side];
            got[side] = sum == 0 ? -INFINITY : 20 * std::log10(std::sqrt(sum / (to - from)) / rec.toneRms);
        }
        std::printf("volume %3d pan %3d: left %7.2f dB, right %7.2f dB\n",
                    row.volume, row.pan, got[0], got[1]);
        for (auto [want, have] : {std::pair{row.left, got[0]}, {row.right, got[1]}})
            if (std::isinf(want))
                EXPECT_TRUE(std::isinf(have)) << have;
            else
                EXPECT_NEAR(have, want, 1.0);
    }
}

// A file that is missing, not a wave file at all, or empty: told once with
// its path, and nothing sounds in its place, not even the slot's last sound.
TEST(SdlSoundService, FileThatFailsIsToldOnceAndPlaysNothing)
{
    Recording rec;
    std::ofstream(rec.dir / "noise.wav", std::ios::binary) << std::string("RIFX\x13\x37garbage\xff\x00\x01", 16);
    std::ofstream(rec.dir / "empty.wav", std::ios::binary).flush();
    rec.play("tone.wav");
    for (const char* file : {"missing.wav", "noise.wav", "empty.wav"}) {
        for (int attempt = 0; attempt < 3; ++attempt)
            rec.pool.PlaySoundFile(file);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    ASSERT_EQ(rec.messages.shown.size(), 3u);
    const std::string paths[] = {"missing.wav", "noise.wav", "empty.wav"};
    for (int i = 0; i < 3; ++i) {
        const std::string& text = rec.messages.shown[i].text;
        const std::string tail = " | " + (rec.dir / paths[i]).string();
        ASSERT_GT(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    }
    const std::vector<int16_t> pcm = rec.stop();
    std::size_t heard = 0;
    for (std::size_t i = 0; i + 1 < pcm.size(); i += 2)
        heard += pcm[i] != 0;
    EXPECT_GT(heard, kRate * 7u / 20);  // the tone, once
    EXPECT_LT(heard, kRate * 7u / 10);
}

TEST(SdlSoundService, CtrlCStaysWithTheGame)
{
    SDL_ClearHints();  // as at start-up, before any other service
    SdlSoundService service;
    service.CreateRoot();
    struct sigaction action {};
    sigaction(SIGINT, nullptr, &action);
    EXPECT_EQ(action.sa_handler, SIG_DFL);
}

} // namespace
} // namespace hovla
