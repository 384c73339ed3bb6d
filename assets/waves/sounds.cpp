// hovla-waves OUTDIR: makes the game's three sound effects.
//   WELCOME.wav  a short mallet jingle that greets the players
//   kiuas.wav    a ladle of water on the hot stones: hiss and crackle, swelling and dying away
//   ulos1.wav    stepping out: the latch, a creaking door, the door thudding shut, three steps
#include "wave.h"

#include <cstdio>
#include <string>
#include <utility>

using namespace waves;

namespace {

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

// A soft mallet on a wooden bar: a few harmonics, the higher ones dying sooner.
void mallet(Take& take, double start, int note, double loudness, double place, double ring)
{
    struct Partial { double ratio, level, decay; };
    static constexpr Partial partials[] = {{1, 1.0, 1.0}, {2, 0.32, 0.45}, {3, 0.12, 0.25}, {4, 0.05, 0.12}};
    const double hz = midiHz(note);
    const std::size_t first = Take::frame(start);
    for (std::size_t i = first; i < take.frames(); ++i) {
        const double t = Take::time(i - first);
        double s = 0;
        for (const Partial& p : partials)
            s += p.level * std::sin(kTwoPi * hz * p.ratio * t) * std::exp(-t / (ring * p.decay));
        take.add(i, loudness * std::min(1.0, t / 0.004) * s, place);
    }
}

Take welcome()
{
    Take take(2.6);
    // G4 C5 E5 up to G5, a breath, then the C major chord rings out over a low C.
    mallet(take, 0.00, 67, 0.55, -0.5, 0.35);
    mallet(take, 0.13, 72, 0.55, -0.25, 0.35);
    mallet(take, 0.26, 76, 0.55, 0.0, 0.35);
    mallet(take, 0.39, 79, 0.70, 0.25, 0.45);
    for (auto [note, place] : {std::pair{72, -0.6}, {76, -0.2}, {79, 0.2}, {84, 0.6}})
        mallet(take, 0.80, note, 0.45, place, 0.75);
    mallet(take, 0.80, 48, 0.50, 0.0, 0.9);
    for (std::size_t i = Take::frame(2.2); i < take.frames(); ++i) {  // fade the tail out
        const double fade = (take.frames() - i) / static_cast<double>(take.frames() - Take::frame(2.2));
        take.left[i] *= fade;
        take.right[i] *= fade;
    }
    normalise(take, -1.0);
    return take;
}

Take kiuas()
{
    Take take(1.5);
    Noise noise(0x10E1u);
    Filter hissL = Filter::highPass(2800, 0.9), hissR = Filter::highPass(2800, 0.9);
    Filter airL = Filter::bandPass(6500, 0.7), airR = Filter::bandPass(6500, 0.7);
    Filter steamL = Filter::bandPass(700, 0.6), steamR = Filter::bandPass(700, 0.6);
    Filter pop = Filter::highPass(1800, 1.2);
    double crackle = 0;
    for (std::size_t i = 0; i < take.frames(); ++i) {
        const double t = Take::time(i);
        // A sharp start as the water lands, a swell as it boils off, a long die-away.
        const double swell = (0.2 + 0.8 * (1 - std::exp(-t / 0.1))) * std::exp(-std::max(0.0, t - 0.3) / 0.28);
        const double tail = std::min(1.0, (1.5 - t) / 0.12);
        const double steamEnv = (1 - std::exp(-t / 0.15)) * std::exp(-t / 0.45);

        // Drops bursting on the stones: sparse clicks, thick at first.
        if (noise.chance() < 320.0 / kRate * std::exp(-t / 0.35))
            crackle += (noise.chance() < 0.5 ? -1 : 1) * (0.6 + 0.8 * noise.chance());
        crackle *= 0.78;
        const double pops = pop(crackle);

        const double l = hissL(noise()) + 0.8 * airL(noise());
        const double r = hissR(noise()) + 0.8 * airR(noise());
        const double sl = steamL(noise()), sr = steamR(noise());
        take.left[i] = tail * (swell * (l + 0.9 * pops) + 0.5 * steamEnv * sl);
        take.right[i] = tail * (swell * (r + 0.9 * pops) + 0.5 * steamEnv * sr);
    }
    normalise(take, -1.0);
    return take;
}

// One wooden knock: a damped low tone under a short burst of woody noise.
void knock(Take& take, Noise& noise, double start, double hz, double length, double loudness, double place)
{
    Filter wood = Filter::bandPass(650, 0.9);
    const std::size_t first = Take::frame(start);
    for (std::size_t i = first; i < first + Take::frame(length * 4); ++i) {
        const double t = Take::time(i - first);
        const double body = std::sin(kTwoPi * hz * t) * std::exp(-t / length);
        const double scuff = wood(noise()) * std::exp(-t / (length * 0.6));
        take.add(i, loudness * std::min(1.0, t / 0.002) * (body + 8 * scuff), place);
    }
}

Take ulos()
{
    Take take(1.4);
    Noise noise(0x0D005u);

    // The latch: a short bright click.
    Filter latch = Filter::bandPass(3200, 3);
    for (std::size_t i = 0; i < Take::frame(0.025); ++i)
        take.add(i, 5.0 * latch(noise()) * std::exp(-Take::time(i) / 0.004), -0.3);

    // The hinge creaks: stick-slip jerks, quick then slow, ringing the door's boards.
    Filter boards[] = {Filter::bandPass(480, 9), Filter::bandPass(1100, 9), Filter::bandPass(2300, 7)};
    double phase = 0;
    for (std::size_t i = Take::frame(0.04); i < Take::frame(0.42); ++i) {
        const double u = (Take::time(i) - 0.04) / 0.38;
        const double rate = 55 - 30 * u;  // jerks per second
        phase += rate / kRate;
        const double jerk = phase >= 1 ? 1.0 : 0.0;
        phase -= jerk;
        const double drive = jerk + 0.02 * noise();
        const double ring = 1.0 * boards[0](drive) + 0.7 * boards[1](drive) + 0.4 * boards[2](drive);
        take.add(i, 45 * std::sin(std::numbers::pi * u) * ring, -0.3);
    }

    // The door thuds shut behind, then three steps on the porch boards.
    knock(take, noise, 0.55, 85, 0.07, 0.9, -0.2);
    for (auto [start, place] : {std::pair{0.78, 0.0}, {0.99, 0.25}, {1.19, 0.5}}) {
        knock(take, noise, start, 115, 0.03, 0.6, place);         // heel
        knock(take, noise, start + 0.06, 170, 0.02, 0.3, place);  // toe
    }
    removeRumble(take, 35);
    normalise(take, -1.0);
    return take;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hovla-waves OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    const std::pair<const char*, Take> files[] = {
        {"WELCOME.wav", welcome()}, {"kiuas.wav", kiuas()}, {"ulos1.wav", ulos()}};
    for (const auto& [name, take] : files)
        if (!writeWave(folder + name, take)) {
            std::fprintf(stderr, "hovla-waves: cannot write %s%s\n", folder.c_str(), name);
            return 1;
        }
    return 0;
}
