// Loudness to EBU R128 through libebur128: integrated loudness in LUFS and
// the true peak in dBTP, and a gain that brings a take to a given loudness.
#pragma once

#include "wave.h"

#include <ebur128.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

namespace waves {

struct Loudness {
    double lufs;
    double truePeakDb;
};

inline Loudness measure(const Take& take)
{
    const auto close = [](ebur128_state* state) { ebur128_destroy(&state); };
    const std::unique_ptr<ebur128_state, decltype(close)> meter(
        ebur128_init(2, kRate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK), close);
    if (!meter)
        throw std::runtime_error("libebur128 would not start");

    std::vector<double> frames;
    frames.reserve(take.frames() * 2);
    for (std::size_t i = 0; i < take.frames(); ++i)
        frames.insert(frames.end(), {take.left[i], take.right[i]});
    ebur128_add_frames_double(meter.get(), frames.data(), take.frames());

    Loudness result{};
    double left = 0, right = 0;
    if (ebur128_loudness_global(meter.get(), &result.lufs) != EBUR128_SUCCESS
        || ebur128_true_peak(meter.get(), 0, &left) != EBUR128_SUCCESS
        || ebur128_true_peak(meter.get(), 1, &right) != EBUR128_SUCCESS)
        throw std::runtime_error("libebur128 could not measure the take");
    result.truePeakDb = 20 * std::log10(std::max(left, right));
    return result;
}

// Scales the take to `lufs` and gives back what it measures then.
inline Loudness normaliseLoudness(Take& take, double lufs)
{
    const Loudness before = measure(take);
    if (!std::isfinite(before.lufs))
        throw std::runtime_error("the take is silent");
    scale(take, std::pow(10.0, (lufs - before.lufs) / 20));
    return measure(take);
}

// Brings the take to `lufs` with its true peak at most `peakDb`: while the
// peaks stand over it, they are turned down and the whole brought up to the
// loudness again. Sample peaks can sit under the true peak between them, so
// the line they are turned down to sinks a little on each try.
inline Loudness normaliseUnderPeak(Take& take, double lufs, double peakDb)
{
    constexpr int kTries = 24;
    constexpr double kSinkDb = 0.2;
    constexpr double kAttack = 0.0015, kRelease = 0.012;
    Loudness result = normaliseLoudness(take, lufs);
    for (int i = 0; i < kTries && result.truePeakDb > peakDb; ++i) {
        const double sampleCeilingDb = peakDb - i * kSinkDb;
        limitPeaks(take, sampleCeilingDb, kAttack, kRelease);
        result = normaliseLoudness(take, lufs);
    }
    return result;
}

} // namespace waves
