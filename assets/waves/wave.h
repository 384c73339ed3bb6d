// A small toolbox for making sound effects: a stereo take, seeded noise,
// filters, fades, and a 16-bit PCM wave writer. No clock and no global
// randomness, so the same code writes the same bytes every time.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace waves {

constexpr int kRate = 22050;
constexpr double kTwoPi = 2 * std::numbers::pi;

struct Take {
    explicit Take(double seconds)
        : left(static_cast<std::size_t>(std::lround(seconds * kRate))), right(left.size())
    {
    }
    std::size_t frames() const { return left.size(); }
    static double time(std::size_t i) { return static_cast<double>(i) / kRate; }
    static std::size_t frame(double t) { return static_cast<std::size_t>(std::max(0.0, t) * kRate); }

    // Adds a mono sound at a place between -1 (left) and +1 (right), equal power.
    void add(std::size_t i, double sample, double place)
    {
        if (i >= frames())
            return;
        const double angle = (place + 1) * std::numbers::pi / 4;
        left[i] += sample * std::cos(angle);
        right[i] += sample * std::sin(angle);
    }

    // Adds another take of the same length on top of this one.
    void mix(const Take& other)
    {
        for (std::size_t i = 0; i < std::min(frames(), other.frames()); ++i) {
            left[i] += other.left[i];
            right[i] += other.right[i];
        }
    }

    std::vector<double> left, right;
};

// xorshift32: white noise from a fixed seed.
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed ? seed : 1) {}
    double operator()()  // -1 .. 1
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_ / 2147483648.0 - 1.0;
    }
    double chance() { return ((*this)() + 1) / 2; }  // 0 .. 1

private:
    uint32_t state_;
};

// Two-pole filter after the well-known cookbook recipes.
class Filter {
public:
    static Filter lowPass(double hz, double q = 0.707) { return make(hz, q, Kind::Low); }
    static Filter highPass(double hz, double q = 0.707) { return make(hz, q, Kind::High); }
    static Filter bandPass(double hz, double q) { return make(hz, q, Kind::Band); }

    double operator()(double x)
    {
        const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    enum class Kind { Low, High, Band };
    static Filter make(double hz, double q, Kind kind)
    {
        const double w = kTwoPi * hz / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double c = std::cos(w);
        const double a0 = 1 + alpha;
        Filter f;
        switch (kind) {
        case Kind::Low:
            f.b0_ = f.b2_ = (1 - c) / 2 / a0;
            f.b1_ = (1 - c) / a0;
            break;
        case Kind::High:
            f.b0_ = f.b2_ = (1 + c) / 2 / a0;
            f.b1_ = -(1 + c) / a0;
            break;
        case Kind::Band:
            f.b0_ = alpha / a0;
            f.b1_ = 0;
            f.b2_ = -alpha / a0;
            break;
        }
        f.a1_ = -2 * c / a0;
        f.a2_ = (1 - alpha) / a0;
        return f;
    }
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// One-pole low pass whose corner may move on every sample.
class Smoother {
public:
    double operator()(double x, double hz)
    {
        y_ += (1 - std::exp(-kTwoPi * hz / kRate)) * (x - y_);
        return y_;
    }

private:
    double y_ = 0;
};

// Takes out what lies below `hz`, a steady offset too.
inline void removeRumble(Take& take, double hz)
{
    Filter left = Filter::highPass(hz), right = Filter::highPass(hz);
    for (std::size_t i = 0; i < take.frames(); ++i) {
        take.left[i] = left(take.left[i]);
        take.right[i] = right(take.right[i]);
    }
}

// Fades both ends over `seconds` on a raised cosine, so the take starts and
// ends at silence without a click.
inline void fadeEnds(Take& take, double seconds)
{
    const std::size_t length = std::min(Take::frame(seconds), take.frames() / 2);
    for (std::size_t i = 0; i < length; ++i) {
        const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * i / length);
        const std::size_t last = take.frames() - 1 - i;
        take.left[i] *= gain;
        take.right[i] *= gain;
        take.left[last] *= gain;
        take.right[last] *= gain;
    }
}

inline void scale(Take& take, double gain)
{
    for (std::size_t i = 0; i < take.frames(); ++i) {
        take.left[i] *= gain;
        take.right[i] *= gain;
    }
}

// Turns the take down just where it would go over `ceilingDb`: the gain
// leans in over `attack` seconds before a peak and lets go over `release`
// after it, so that nothing is cut square.
inline void limitPeaks(Take& take, double ceilingDb, double attack, double release)
{
    if (take.frames() == 0)
        return;
    const double ceiling = std::pow(10.0, ceilingDb / 20);
    std::vector<double> gain(take.frames());
    for (std::size_t i = 0; i < take.frames(); ++i) {
        const double peak = std::max(std::abs(take.left[i]), std::abs(take.right[i]));
        gain[i] = peak > ceiling ? ceiling / peak : 1.0;
    }
    const double letGo = std::exp(-1 / (release * kRate)), leanIn = std::exp(-1 / (attack * kRate));
    for (std::size_t i = 1; i < gain.size(); ++i)
        gain[i] = std::min(gain[i], 1 - (1 - gain[i - 1]) * letGo);
    for (std::size_t i = gain.size() - 1; i-- > 0;)
        gain[i] = std::min(gain[i], 1 - (1 - gain[i + 1]) * leanIn);
    for (std::size_t i = 0; i < take.frames(); ++i) {
        take.left[i] *= gain[i];
        take.right[i] *= gain[i];
    }
}

// RIFF/WAVE, a plain 16-byte fmt chunk, 22050 Hz, 16-bit stereo PCM.
inline bool writeWave(const std::string& path, const Take& take)
{
    std::vector<unsigned char> bytes;
    const auto put = [&bytes](uint32_t value, int size) {
        for (int b = 0; b < size; ++b)
            bytes.push_back(static_cast<unsigned char>(value >> (8 * b)));
    };
    const auto tag = [&bytes](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
    const uint32_t dataBytes = static_cast<uint32_t>(take.frames() * 4);

    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2);            // PCM
    put(2, 2);            // channels
    put(kRate, 4);
    put(kRate * 4, 4);    // bytes per second
    put(4, 2);            // bytes per frame
    put(16, 2);           // bits per sample
    tag("data");
    put(dataBytes, 4);
    for (std::size_t i = 0; i < take.frames(); ++i)
        for (double sample : {take.left[i], take.right[i]}) {
            const long value = std::lround(std::clamp(sample, -1.0, 1.0) * 32767);
            put(static_cast<uint32_t>(static_cast<int16_t>(value)), 2);
        }

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

} // namespace waves
