// A small toolbox for making sound effects: a stereo take, seeded noise,
// two-pole filters, and a 16-bit PCM wave writer. No clock and no global
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

// Takes out what lies below `hz`, a steady offset too.
inline void removeRumble(Take& take, double hz)
{
    Filter left = Filter::highPass(hz), right = Filter::highPass(hz);
    for (std::size_t i = 0; i < take.frames(); ++i) {
        take.left[i] = left(take.left[i]);
        take.right[i] = right(take.right[i]);
    }
}

// Scales the take so that its loudest sample sits at `peakDb` below full scale.
inline void normalise(Take& take, double peakDb)
{
    double peak = 0;
    for (std::size_t i = 0; i < take.frames(); ++i)
        peak = std::max({peak, std::abs(take.left[i]), std::abs(take.right[i])});
    if (peak == 0)
        return;
    const double scale = std::pow(10.0, peakDb / 20) / peak;
    for (std::size_t i = 0; i < take.frames(); ++i) {
        take.left[i] *= scale;
        take.right[i] *= scale;
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
