// The three sound effects as the build makes them: format, length and
// loudness, the shape that makes each sound like what it is, and that the
// real service reads them whole.
#include "sound/sdl_service.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace hovla {
namespace {

struct Wave {
    explicit Wave(const std::string& name) : path(std::string(HOVLA_AUDIO_DIR) + "/" + name)
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        for (std::size_t i = 44; i + 1 < bytes.size(); i += 2)
            samples.push_back(static_cast<int16_t>(at(i, 2)) / 32768.0);
    }
    uint32_t at(std::size_t offset, int size) const
    {
        uint32_t v = 0;
        while (size--)
            v = v << 8 | static_cast<unsigned char>(bytes.at(offset + size));
        return v;
    }
    double seconds() const { return samples.size() / 2 / 22050.0; }
    // RMS in dB of full scale over [from, to) seconds, both channels.
    double level(double from, double to) const
    {
        const auto a = 2 * static_cast<std::size_t>(from * 22050);
        const auto b = std::min(samples.size(), 2 * static_cast<std::size_t>(to * 22050));
        double sum = 0;
        for (std::size_t i = a; i < b; ++i)
            sum += samples[i] * samples[i];
        return 10 * std::log10(sum / (b - a) + 1e-20);
    }
    std::vector<double> windows(double length) const
    {
        std::vector<double> levels;
        for (double t = 0; t + length <= seconds(); t += length)
            levels.push_back(level(t, t + length));
        return levels;
    }
    double crossingsPerSecond() const
    {
        int n = 0;
        for (std::size_t i = 2; i < samples.size(); i += 2)
            n += (samples[i] < 0) != (samples[i - 2] < 0);
        return n / seconds();
    }

    std::string path, bytes;
    std::vector<double> samples;  // left, right, left, ...
};

class WaveFile : public ::testing::TestWithParam<const char*> {};

TEST_P(WaveFile, IsPlain22kStereo16BitPcmPeakingNearMinus1dBAndReadsWhole)
{
    const Wave w(GetParam());
    ASSERT_GE(w.bytes.size(), 44u);
    EXPECT_EQ(w.bytes.substr(0, 4) + w.bytes.substr(8, 8) + w.bytes.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(w.at(4, 4), w.bytes.size() - 8);
    // A plain 16-byte fmt chunk: PCM, 2 channels, 22050 Hz, 88200 bytes/s, 4-byte frames, 16 bits.
    const std::vector<uint32_t> fmt = {w.at(16, 4), w.at(20, 2), w.at(22, 2), w.at(24, 4),
                                       w.at(28, 4), w.at(32, 2), w.at(34, 2)};
    EXPECT_EQ(fmt, (std::vector<uint32_t>{16, 1, 2, 22050, 88200, 4, 16}));
    EXPECT_EQ(w.at(40, 4), w.bytes.size() - 44);

    double peak = 0;
    for (double s : w.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_LT(peak, 32767 / 32768.0) << "clipped";
    EXPECT_NEAR(20 * std::log10(peak), -1.0, 0.2);
    EXPECT_GT(w.level(0, w.seconds()), -30);
    EXPECT_LT(w.level(0, w.seconds()), -10);

    SdlSoundService service;
    service.CreateRoot();
    service.CreateDevice("");
    EXPECT_NEAR(service.CreateBufferFromFile(w.path)->Seconds(), w.seconds(), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Game, WaveFile, ::testing::Values("WELCOME.wav", "kiuas.wav", "ulos1.wav"),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name.substr(0, name.find('.'));
                         });

TEST(WaveFiles, WelcomeIsAShortJingleThatRingsOut)
{
    const Wave w("WELCOME.wav");
    EXPECT_GE(w.seconds(), 2.0);
    EXPECT_LE(w.seconds(), 3.0);
    EXPECT_LT(w.crossingsPerSecond(), 2500);  // notes, not noise
    EXPECT_LT(w.level(w.seconds() - 0.05, w.seconds()), w.level(0.8, 0.9) - 25);
}

TEST(WaveFiles, KiuasSizzlesSwellsAndDiesAwayInAboutASecondAndAHalf)
{
    const Wave w("kiuas.wav");
    EXPECT_NEAR(w.seconds(), 1.5, 0.2);
    EXPECT_GT(w.crossingsPerSecond(), 6000);  // a hiss, high and bright
    const std::vector<double> levels = w.windows(0.05);
    const auto loudest = std::max_element(levels.begin(), levels.end());
    EXPECT_GE(loudest - levels.begin(), 2);  // swells after the water lands...
    EXPECT_LE(loudest - levels.begin(), 10);
    EXPECT_GT(*loudest, levels.front() + 4);
    EXPECT_LT(levels.back(), *loudest - 30);  // ...and dies away
}

TEST(WaveFiles, UlosIsADoorAndStepsUnderASecondAndAHalf)
{
    const Wave w("ulos1.wav");
    EXPECT_LT(w.seconds(), 1.5);
    const std::vector<double> levels = w.windows(0.02);
    const double loudest = *std::max_element(levels.begin(), levels.end());
    // Knocks, the door shutting and the steps: each rises 15 dB out of the
    // quiet before it to near the loudest.
    std::vector<std::size_t> knocks;
    double quiet = -200;  // the least since the last rise
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] > quiet + 15) {
            if (levels[i] > loudest - 8)
                knocks.push_back(i);
            quiet = levels[i];
        }
        quiet = std::min(quiet, levels[i]);
    }
    ASSERT_GE(knocks.size(), 4u) << "the door and at least three steps";
    // Before it shuts, the door creaks open for a quarter second or more.
    const auto heard = [](double level) { return level > -40; };
    EXPECT_GE(std::count_if(levels.begin(), levels.begin() + knocks[0], heard), 12);
}

} // namespace
} // namespace hovla
