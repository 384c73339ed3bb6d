// The three sound effects as the build makes them: the format the real
// service reads, loudness and true peak to EBU R128 through libebur128,
// clean ends, and what each sound needs for the way the game plays it.
#include "sound/sdl_service.h"

#include <ebur128.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>

namespace hovla {
namespace {

constexpr double kRate = 22050;
constexpr double kLoudnessLufs = -16;
constexpr double kLoudnessToleranceLu = 1.5;
constexpr double kTruePeakCeilingDb = -1;

double decibels(double amplitude) { return 20 * std::log10(amplitude + 1e-12); }

struct Wave {
    explicit Wave(const std::string& name) : path(std::string(HOVLA_AUDIO_DIR) + "/" + name)
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
        for (std::size_t i = 44; i + 3 < bytes.size(); i += 4) {
            left.push_back(static_cast<int16_t>(at(i, 2)) / 32768.0);
            right.push_back(static_cast<int16_t>(at(i + 2, 2)) / 32768.0);
        }
    }
    uint32_t at(std::size_t offset, int size) const
    {
        uint32_t v = 0;
        while (size--)
            v = v << 8 | static_cast<unsigned char>(bytes.at(offset + size));
        return v;
    }
    std::size_t frames() const { return left.size(); }
    double seconds() const { return frames() / kRate; }
    std::size_t frame(double t) const { return std::min(frames(), static_cast<std::size_t>(t * kRate)); }

    // The loudest sample of either channel over [from, to) seconds, in dB of full scale.
    double peak(double from, double to) const
    {
        double most = 0;
        for (std::size_t i = frame(from); i < frame(to); ++i)
            most = std::max({most, std::abs(left[i]), std::abs(right[i])});
        return decibels(most);
    }
    double peak() const { return peak(0, seconds()); }
    // RMS of both channels over [from, to) seconds, in dB of full scale.
    double level(double from, double to) const
    {
        double sum = 0;
        for (std::size_t i = frame(from); i < frame(to); ++i)
            sum += left[i] * left[i] + right[i] * right[i];
        return 10 * std::log10(sum / (2.0 * (frame(to) - frame(from))) + 1e-20);
    }
    // How often the mid signal crosses zero over [from, to): the higher, the brighter.
    double crossingsPerSecond(double from, double to) const
    {
        int n = 0;
        for (std::size_t i = frame(from) + 1; i < frame(to); ++i)
            n += (left[i] + right[i] < 0) != (left[i - 1] + right[i - 1] < 0);
        return n / (to - from);
    }
    std::vector<double> interleaved() const
    {
        std::vector<double> both;
        for (std::size_t i = 0; i < frames(); ++i)
            both.insert(both.end(), {left[i], right[i]});
        return both;
    }
    std::vector<double> mid() const { return blend(+1); }
    std::vector<double> side() const { return blend(-1); }

    std::string path, bytes;
    std::vector<double> left, right;

private:
    std::vector<double> blend(double sign) const
    {
        std::vector<double> out(frames());
        for (std::size_t i = 0; i < frames(); ++i)
            out[i] = (left[i] + sign * right[i]) / 2;
        return out;
    }
};

// libebur128 over a run of interleaved samples.
class Meter {
public:
    Meter(const std::vector<double>& samples, unsigned channels)
        : state_(ebur128_init(channels, static_cast<unsigned long>(kRate),
                              EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK)),
          channels_(channels)
    {
        if (!state_)
            throw std::runtime_error("libebur128 would not start");
        ebur128_add_frames_double(state_.get(), samples.data(), samples.size() / channels);
    }
    double lufs() const
    {
        double out = 0;
        EXPECT_EQ(ebur128_loudness_global(state_.get(), &out), EBUR128_SUCCESS);
        return out;
    }
    double truePeakDb() const
    {
        double most = 0;
        for (unsigned c = 0; c < channels_; ++c) {
            double peak = 0;
            EXPECT_EQ(ebur128_true_peak(state_.get(), c, &peak), EBUR128_SUCCESS);
            most = std::max(most, peak);
        }
        return decibels(most);
    }

private:
    struct Close {
        void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
    };
    std::unique_ptr<ebur128_state, Close> state_;
    unsigned channels_;
};

double lufs(const std::vector<double>& mono) { return Meter(mono, 1).lufs(); }

struct Sound {
    const char* file;
    double shortest, longest;  // seconds
};
void PrintTo(const Sound& sound, std::ostream* out) { *out << sound.file; }

// ulos1 plays three times a trip, 0.78 s apart; it must be over by then.
constexpr Sound kSounds[] = {{"WELCOME.wav", 1.5, 3.0}, {"kiuas.wav", 0.9, 1.6}, {"ulos1.wav", 0.5, 0.8}};

class WaveFile : public ::testing::TestWithParam<Sound> {
protected:
    const Wave wave{GetParam().file};
};

TEST_P(WaveFile, IsPlain22kStereo16BitPcmThatTheServiceReadsWhole)
{
    const Wave& w = wave;
    ASSERT_GE(w.bytes.size(), 44u);
    EXPECT_EQ(w.bytes.substr(0, 4) + w.bytes.substr(8, 8) + w.bytes.substr(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(w.at(4, 4), w.bytes.size() - 8);
    // A plain 16-byte fmt chunk: PCM, 2 channels, 22050 Hz, 88200 bytes/s, 4-byte frames, 16 bits.
    const std::vector<uint32_t> fmt = {w.at(16, 4), w.at(20, 2), w.at(22, 2), w.at(24, 4),
                                       w.at(28, 4), w.at(32, 2), w.at(34, 2)};
    EXPECT_EQ(fmt, (std::vector<uint32_t>{16, 1, 2, 22050, 88200, 4, 16}));
    EXPECT_EQ(w.at(40, 4), w.bytes.size() - 44);

    SdlSoundService service;
    service.CreateRoot();
    service.CreateDevice("");
    EXPECT_NEAR(service.CreateBufferFromFile(w.path)->Seconds(), w.seconds(), 1e-6);
}

TEST_P(WaveFile, IsAtMinus16LufsWithItsTruePeakAtMostMinus1dB)
{
    const Meter meter(wave.interleaved(), 2);
    EXPECT_NEAR(meter.lufs(), kLoudnessLufs, kLoudnessToleranceLu);
    EXPECT_LE(meter.truePeakDb(), kTruePeakCeilingDb);
}

TEST_P(WaveFile, LastsAsLongAsItsPlaceInTheGameAllows)
{
    EXPECT_GE(wave.seconds(), GetParam().shortest);
    EXPECT_LE(wave.seconds(), GetParam().longest);
}

// A fade of a few milliseconds: silent at the very edge, and in the first and
// last half millisecond still far under the sound's peak.
TEST_P(WaveFile, StartsAndEndsWithoutAClick)
{
    constexpr double kEdgeDb = -84;      // a couple of steps of 16 bits
    constexpr double kHalfMs = 0.0005;
    constexpr double kUnderPeakDb = 15;
    const double end = wave.seconds();
    EXPECT_LE(wave.peak(0, 1 / kRate), kEdgeDb);
    EXPECT_LE(wave.peak(end - 1 / kRate, end), kEdgeDb);
    EXPECT_LE(wave.peak(0, kHalfMs), wave.peak() - kUnderPeakDb);
    EXPECT_LE(wave.peak(end - kHalfMs, end), wave.peak() - kUnderPeakDb);
}

INSTANTIATE_TEST_SUITE_P(Game, WaveFile, ::testing::ValuesIn(kSounds), [](const auto& info) {
    const std::string name = info.param.file;
    return name.substr(0, name.find('.'));
});

TEST(WaveFiles, WelcomeRingsOutToSilence)
{
    const Wave w("WELCOME.wav");
    EXPECT_LT(w.level(w.seconds() - 0.05, w.seconds()), w.level(0, 1) - 40);
}

TEST(WaveFiles, KiuasHitsAtOnceThenDullsAndDiesAway)
{
    const Wave w("kiuas.wav");
    EXPECT_GE(w.peak(0, 0.005), w.peak() - 1) << "the pff is at full level within 5 ms";
    EXPECT_GT(w.crossingsPerSecond(0.02, 0.2), 2 * w.crossingsPerSecond(0.9, 1.2)) << "the hiss dulls";
    EXPECT_LT(w.level(w.seconds() - 0.1, w.seconds()), w.level(0, 0.1) - 30) << "and dies away";
}

TEST(WaveFiles, KiuasComesFromOneSourceInTheMiddle)
{
    const Wave w("kiuas.wav");
    EXPECT_LE(lufs(w.side()), lufs(w.mid()) - 8);
}

TEST(WaveFiles, UlosIsCentred)
{
    const Wave w("ulos1.wav");
    EXPECT_NEAR(lufs(w.left), lufs(w.right), 1.0);
}

// Two steps, each landing near the loudest out of near silence. Played again
// 0.78 s on, as on a trip, the next play's first step comes a stride after
// this one's second.
TEST(WaveFiles, UlosStepsKeepOnePaceFromOnePlayToTheNext)
{
    constexpr double kWindow = 0.005, kReplay = 0.78, kPaceTolerance = 0.02;
    constexpr double kLandsDb = 10, kSilenceDb = 40;  // under the loudest
    const Wave w("ulos1.wav");
    const double loudest = w.peak();
    std::vector<double> steps;
    bool sounding = false;
    for (double t = 0; t + kWindow <= w.seconds(); t += kWindow) {
        const double peak = w.peak(t, t + kWindow);
        if (!sounding && peak > loudest - kLandsDb) {
            steps.push_back(t);
            sounding = true;
        } else if (sounding && peak < loudest - kSilenceDb) {
            sounding = false;
        }
    }
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_NEAR(steps[0] + kReplay - steps[1], steps[1] - steps[0], kPaceTolerance);
}

} // namespace
} // namespace hovla
