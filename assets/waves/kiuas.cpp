// kiuas.wav: a ladle of water on the hot stones. A low "pff" as the water
// lands and flashes to steam, then drops bursting on the stones, a dense
// crackle thinning out over a second, over a hiss that dulls as it dies.
// All of it comes from the one heap of stones, in the middle.
#include "sounds.h"

namespace waves {
namespace {

constexpr double kSeconds = 1.3;

constexpr double kPffHz = 420;          // corner of the low burst
constexpr double kPffDecay = 0.045;     // seconds to fall by 1/e
constexpr double kPffLevel = 1.3;
constexpr double kThumpHz = 140;        // the water landing pushes the air out in one low beat
constexpr double kThumpDecay = 0.02;
constexpr double kThumpLevel = 0.5;

constexpr double kCrackleStart = 0.02;
constexpr double kCracklePerSecond = 1400;  // at the start
constexpr double kCrackleThinning = 0.3;  // seconds for the rate to fall by 1/e
constexpr double kCrackleSpread = 0.3;     // how far a drop may lie from the middle
constexpr double kCrackleFloorHz = 1500;
constexpr double kCrackleLevel = 0.3;
constexpr double kCrackleFading = 0.7;     // later drops burst more quietly

constexpr double kHissFloorHz = 350;
constexpr double kHissDullHz = 1100;    // where the hiss's corner ends up
constexpr double kHissBrightHz = 9000;  // where it starts
constexpr double kHissDulling = 0.3;
constexpr double kHissRise = 0.025;
constexpr double kHissDecay = 0.32;
constexpr double kHissWidth = 0.25;     // the share of the hiss that differs left from right
constexpr double kHissLevel = 0.15;

// The low "pff": a low beat under dark noise, at full level at once, gone in
// a tenth of a second.
void pff(Take& take, Noise& noise)
{
    Filter dark = Filter::lowPass(kPffHz, 0.9);
    for (std::size_t i = 0; i < Take::frame(10 * kPffDecay); ++i) {
        const double t = Take::time(i);
        const double thump = kThumpLevel * std::sin(kTwoPi * kThumpHz * t) * std::exp(-t / kThumpDecay);
        take.add(i, thump + kPffLevel * dark(noise()) * std::exp(-t / kPffDecay), 0);
    }
}

// One drop bursting: a fraction of a millisecond of noise, somewhere on the heap.
void pop(Take& take, Noise& noise, std::size_t first)
{
    const double fading = std::exp(-Take::time(first) / kCrackleFading);
    const double loudness = fading * (0.15 + 0.85 * noise.chance() * noise.chance());
    const double decay = 0.00015 + 0.0005 * noise.chance();
    const double place = kCrackleSpread * noise();
    for (std::size_t k = 0; k < Take::frame(6 * decay); ++k)
        take.add(first + k, loudness * noise() * std::exp(-Take::time(k) / decay), place);
}

// Drops bursting, thick at first and ever fewer; only their sharp edge is heard.
Take crackle(Noise& noise, std::size_t frames)
{
    Take drops(static_cast<double>(frames) / kRate);
    for (std::size_t i = Take::frame(kCrackleStart); i < frames; ++i) {
        const double rate = kCracklePerSecond * std::exp(-Take::time(i) / kCrackleThinning);
        if (noise.chance() < rate / kRate)
            pop(drops, noise, i);
    }
    Filter left = Filter::highPass(kCrackleFloorHz), right = Filter::highPass(kCrackleFloorHz);
    for (std::size_t i = 0; i < frames; ++i) {
        drops.left[i] = kCrackleLevel * left(drops.left[i]);
        drops.right[i] = kCrackleLevel * right(drops.right[i]);
    }
    return drops;
}

// Steam rushing off the stones: mostly one noise for both ears, its corner
// sliding down from bright to dull as it fades.
void hiss(Take& take, Noise& noise)
{
    Filter floorL = Filter::highPass(kHissFloorHz), floorR = Filter::highPass(kHissFloorHz);
    Smoother dullL[2], dullR[2];
    for (std::size_t i = 0; i < take.frames(); ++i) {
        const double t = Take::time(i);
        const double corner = kHissDullHz + (kHissBrightHz - kHissDullHz) * std::exp(-t / kHissDulling);
        const double level = kHissLevel * (1 - std::exp(-t / kHissRise)) * std::exp(-t / kHissDecay);
        const double shared = noise();
        double l = floorL(shared + kHissWidth * noise());
        double r = floorR(shared + kHissWidth * noise());
        for (Smoother& s : dullL)
            l = s(l, corner);
        for (Smoother& s : dullR)
            r = s(r, corner);
        take.left[i] += level * l;
        take.right[i] += level * r;
    }
}

} // namespace

Take kiuas()
{
    Take take(kSeconds);
    Noise noise(0x10E1u);
    pff(take, noise);
    hiss(take, noise);
    take.mix(crackle(noise, take.frames()));
    return take;
}

} // namespace waves
