// ulos1.wav: stepping out, two barefoot steps on the wooden boards of the
// dressing room. Each foot lands heel first, then rolls onto its ball with a
// damp slap, and the boards boom softly under it. The steps lie half the
// take apart, so that plays one after another keep walking at the same pace.
#include "sounds.h"

namespace waves {
namespace {

constexpr double kSeconds = 0.78;
constexpr double kStride = kSeconds / 2;
constexpr double kFirstStep = 0.015;
constexpr double kFootPlace = 0.08;  // left foot a touch left, right foot a touch right
constexpr double kHeelToBall = 0.075;

// The boards' lowest ways of ringing: pitch, sharpness, level.
struct Mode {
    double hz, q, level;
};
constexpr Mode kBoard[] = {{112, 8, 1.0}, {197, 9, 0.8}, {341, 9, 0.55}, {610, 8, 0.35}};
constexpr double kBoardLevel = 3;

// One part of the foot meeting the boards.
struct Contact {
    double after;     // seconds after the step begins
    double weight;    // how hard it lands
    double softness;  // seconds the flesh takes to give
    double slap;      // how loud the damp skin smacks
};
constexpr Contact kHeel = {0, 1.0, 0.018, 0.3};
constexpr Contact kBall = {kHeelToBall, 0.6, 0.010, 0.8};

constexpr double kSlapHz = 1900;
constexpr double kSlapQ = 0.8;
constexpr double kSlapDecay = 0.004;

// Between heel and ball the sole rolls over the grain with a soft brush.
constexpr double kRollHz = 2400;
constexpr double kRollLevel = 0.06;
constexpr double kRollLength = kHeelToBall + 0.05;

// The flesh presses in and out again: half a sine as long as the foot gives.
double press(double t, double softness) { return t < softness ? std::sin(std::numbers::pi * t / softness) : 0; }

void land(Take& take, Noise& noise, double start, const Contact& contact, double place)
{
    std::vector<Filter> modes;
    for (const Mode& m : kBoard)
        modes.push_back(Filter::bandPass(m.hz, m.q));
    Filter slap = Filter::bandPass(kSlapHz, kSlapQ);

    const std::size_t first = Take::frame(start + contact.after);
    for (std::size_t k = 0; k < Take::frame(kStride); ++k) {
        const double t = Take::time(k);
        const double push = contact.weight * press(t, contact.softness);
        double boards = 0;
        for (std::size_t m = 0; m < modes.size(); ++m)
            boards += kBoard[m].level * modes[m](push);
        const double skin = contact.slap * slap(noise()) * std::exp(-t / kSlapDecay);
        take.add(first + k, kBoardLevel * boards + skin, place);
    }
}

void roll(Take& take, Noise& noise, double start, double place)
{
    Filter grain = Filter::bandPass(kRollHz, 0.7);
    const std::size_t first = Take::frame(start);
    for (std::size_t k = 0; k < Take::frame(kRollLength); ++k) {
        const double swell = std::sin(std::numbers::pi * Take::time(k) / kRollLength);
        take.add(first + k, kRollLevel * swell * swell * grain(noise()), place);
    }
}

void step(Take& take, Noise& noise, double start, double place)
{
    for (const Contact& contact : {kHeel, kBall})
        land(take, noise, start, contact, place);
    roll(take, noise, start, place);
}

} // namespace

Take ulos()
{
    Take take(kSeconds);
    Noise noise(0x0D005u);
    step(take, noise, kFirstStep, -kFootPlace);
    step(take, noise, kFirstStep + kStride, kFootPlace);
    return take;
}

} // namespace waves
