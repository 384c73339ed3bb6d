// hovla-waves OUTDIR: makes the game's three sound effects, every one
// brought to the same loudness so that none stands out from the others.
#include "loudness.h"
#include "sounds.h"

#include <cstdio>
#include <exception>
#include <string>

using namespace waves;

namespace {

constexpr double kLoudnessLufs = -16;
constexpr double kPeakCeilingDb = -1.5;  // true peak; room for rounding, and for meters that look finer between samples
constexpr double kRumbleHz = 25;
constexpr double kEdgeFadeSeconds = 0.003;

// Trims, fades and levels a take; false if it cannot reach the loudness
// without peaking over the ceiling.
bool finish(Take& take, const char* name)
{
    removeRumble(take, kRumbleHz);
    fadeEnds(take, kEdgeFadeSeconds);
    const Loudness measured = normaliseUnderPeak(take, kLoudnessLufs, kPeakCeilingDb);
    std::printf("%-12s %6.2f LUFS %6.2f dBTP %5.3f s\n", name, measured.lufs, measured.truePeakDb, take.frames() / double(kRate));
    if (measured.truePeakDb > kPeakCeilingDb) {
        std::fprintf(stderr, "hovla-waves: %s peaks at %.2f dBTP at %.1f LUFS, over %.1f\n", name,
                     measured.truePeakDb, kLoudnessLufs, kPeakCeilingDb);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hovla-waves OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    struct File {
        const char* name;
        Take (*make)();
    };
    for (const File& file : {File{"WELCOME.wav", welcome}, File{"kiuas.wav", kiuas}, File{"ulos1.wav", ulos}}) {
        try {
            Take take = file.make();
            if (!finish(take, file.name))
                return 1;
            if (!writeWave(folder + file.name, take)) {
                std::fprintf(stderr, "hovla-waves: cannot write %s%s\n", folder.c_str(), file.name);
                return 1;
            }
        } catch (const std::exception& e) {
            std::fprintf(stderr, "hovla-waves: %s: %s\n", file.name, e.what());
            return 1;
        }
    }
    return 0;
}
