// WELCOME.wav: a five-string kantele plays the rhythm of "ter-ve-tu-lo-a",
// down the scale to the home note, which rings under a soft rolled chord
// until the player's hand stills the strings. A small wooden room around it.
#include "sounds.h"

#include <array>
#include <vector>

namespace waves {
namespace {

constexpr double kSeconds = 2.3;
constexpr double kRingSeconds = 1.8;     // a free string falls 60 dB in this time
constexpr double kStilledSeconds = 0.12; // ...and this, once the hand lies on it
constexpr double kStillAt = 2.0;
constexpr double kLoopSoftening = 0.3;   // how much each pass round the string dulls it
constexpr double kSympathy = 0.0015;     // how much the strings hear each other through the bar
constexpr double kRoomLevel = 0.22;

// The pluck: how soft the fingertip is, where along the string it pulls (a
// share of the length from the end), and how much of what rang before is left.
constexpr double kFingerSoftness = 0.55;
constexpr double kFingerPlace = 1.0 / 7;
constexpr double kStillRinging = 0.3;

// D major pentachord, D4 to A4: the five strings, low to high, with a place
// each from a little left to a little right.
constexpr std::array<int, 5> kStringNotes = {62, 64, 66, 67, 69};
constexpr double kStringSpread = 0.35;
enum StringName { D, E, Fis, G, A };

struct Pluck {
    double at;
    StringName string;
    double strength;
};

// TER-ve-tu-lo-A: a long first note, three short ones stepping down, and the
// home note with the third and fifth rolled in above it.
constexpr Pluck kPhrase[] = {
    {0.000, A, 1.0}, {0.300, Fis, 0.65}, {0.450, G, 0.7}, {0.600, E, 0.7},
    {0.800, D, 1.0}, {0.835, Fis, 0.45}, {0.870, A, 0.5},
};

double midiHz(int note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

double loopGain(double hz, double seconds) { return std::pow(10.0, -3 / (hz * seconds)); }

// A plucked string after Karplus and Strong: a burst of noise runs round a
// delay line one period long and is softened a little on every pass.
class String {
public:
    explicit String(double hz) : hz_(hz), gain_(loopGain(hz, kRingSeconds))
    {
        // One period is the line, a little in the softening filter and a
        // fraction of a sample in an all-pass that tunes the string exactly.
        const double period = kRate / hz - kLoopSoftening;
        const auto whole = static_cast<std::size_t>(period - 0.1);
        const double fraction = period - static_cast<double>(whole);
        tune_ = (1 - fraction) / (1 + fraction);
        line_.assign(whole, 0.0);
    }

    // A fingertip pulls the string aside near its end and lets go: soft noise,
    // thinned of the harmonics that have a node where the finger was.
    void pluck(Noise& noise, double strength)
    {
        const std::size_t n = line_.size();
        std::vector<double> burst(n);
        double soft = 0;
        for (double& b : burst) {
            soft += kFingerSoftness * (noise() - soft);
            b = soft;
        }
        // The difference sums to nothing too, so no offset goes round the loop.
        const auto fingerAt = static_cast<std::size_t>(kFingerPlace * static_cast<double>(n));
        for (std::size_t k = 0; k < n; ++k) {
            double& place = line_[(at_ + k) % n];
            place = kStillRinging * place + strength * (burst[k] - burst[(k + n - fingerAt) % n]);
        }
    }

    void still() { gain_ = loopGain(hz_, kStilledSeconds); }

    // One sample out; `bridge` is what all the strings shake the bar with.
    double operator()(double bridge)
    {
        const double out = line_[at_];
        const double softened = gain_ * ((1 - kLoopSoftening) * out + kLoopSoftening * last_);
        last_ = out;
        const double tuned = tune_ * softened + tuneIn_ - tune_ * tuneOut_;
        tuneIn_ = softened;
        tuneOut_ = tuned;
        line_[at_] = tuned + kSympathy * bridge;
        at_ = (at_ + 1) % line_.size();
        return out;
    }

private:
    double hz_, gain_, tune_ = 0;
    std::vector<double> line_;
    std::size_t at_ = 0;
    double last_ = 0, tuneIn_ = 0, tuneOut_ = 0;
};

// A small room in the manner of Schroeder: parallel combs that darken as
// they repeat, then two all-passes to smear the echoes into a tail. The
// lengths are Freeverb's, halved for our rate; `offset` sets one ear apart.
class Room {
public:
    explicit Room(std::size_t offset)
    {
        for (std::size_t d : {558u, 594u, 638u, 678u})
            combs_.push_back(Delay(d + offset));
        for (std::size_t d : {278u, 220u})
            diffusers_.push_back(Delay(d + offset / 2));
    }

    double operator()(double x)
    {
        double sum = 0;
        for (Delay& comb : combs_) {
            const double out = comb.line[comb.at];
            comb.dark = out * (1 - kDamping) + comb.dark * kDamping;
            comb.line[comb.at] = x + kFeedback * comb.dark;
            comb.step();
            sum += out;
        }
        for (Delay& diffuser : diffusers_) {
            const double out = diffuser.line[diffuser.at];
            diffuser.line[diffuser.at] = sum + kDiffusion * out;
            diffuser.step();
            sum = out - sum;
        }
        return sum / static_cast<double>(combs_.size());
    }

private:
    static constexpr double kFeedback = 0.72;
    static constexpr double kDamping = 0.35;
    static constexpr double kDiffusion = 0.5;
    struct Delay {
        explicit Delay(std::size_t length) : line(length, 0.0) {}
        void step() { at = (at + 1) % line.size(); }
        std::vector<double> line;
        std::size_t at = 0;
        double dark = 0;
    };
    std::vector<Delay> combs_, diffusers_;
};

} // namespace

Take welcome()
{
    Take take(kSeconds);
    Noise noise(0x7E7Eu);
    std::vector<String> strings;
    for (int note : kStringNotes)
        strings.emplace_back(midiHz(note));

    std::size_t next = 0;
    double bridge = 0;
    for (std::size_t i = 0; i < take.frames(); ++i) {
        for (; next < std::size(kPhrase) && Take::frame(kPhrase[next].at) == i; ++next)
            strings[kPhrase[next].string].pluck(noise, kPhrase[next].strength);
        if (i == Take::frame(kStillAt))
            for (String& s : strings)
                s.still();

        double shaken = 0;
        for (std::size_t s = 0; s < strings.size(); ++s) {
            const double out = strings[s](bridge);
            const double place = kStringSpread * (2.0 * s / (strings.size() - 1) - 1);
            take.add(i, out, place);
            shaken += out;
        }
        bridge = shaken;
    }

    Room left(0), right(23);
    for (std::size_t i = 0; i < take.frames(); ++i) {
        const double dry = (take.left[i] + take.right[i]) / 2;
        take.left[i] += kRoomLevel * left(dry);
        take.right[i] += kRoomLevel * right(dry);
    }
    return take;
}

} // namespace waves
