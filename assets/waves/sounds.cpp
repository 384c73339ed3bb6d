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
// True peak; under -1 with room for the rounding to 16 bits and for meters
// that look more finely between the samples.
constexpr double kPeakCeilingDb = -1.5;
constexpr double kRumbleHz = 25;
constexpr double kEdgeFadeSeconds = 0.003;

// Trims, fades and levels a take; false if it cannot reach the loudness
// without peaking over the ceiling.
bool finish(Take& take, const char* name)
{
    removeRumble(take, kRumbleHz);
    fadeEnds(take, kEdgeFadeSeconds);
    const Loudness measured = normaliseUnderPeak(take, kLoudnessLufs, kPeakCeilingDb);
    std::printf("%-12s %6.2f LUFS %6.2f dBTP %5.3f s\n", name, measured.lufs, measured.truePeakDb,
                static_cast<double>(take.frames()) / kRate);
    if (measured.truePeakDb > kPeakCeilingDb) {
        std::fprintf(stderr, "hovla-waves: %s peaks at %.2f dBTP at %.1f LUFS, over %.1f\n", name,
                     measured.truePeakDb, kLoudnessLufs, kPeakCeilingDb);
        return false;
    }
    return true;
}

struct File {
    const char* name;
    Take (*make)();
};
constexpr File kFiles[] = {{"WELCOME.wav", welcome}, {"kiuas.wav", kiuas}, {"ulos1.wav", ulos}};

bool make(const File& file, const std::string& folder)
{
    try {
        Take take = file.make();
        if (!finish(take, file.name))
            return false;
        if (writeWave(folder + file.name, take))
            return true;
        std::fprintf(stderr, "hovla-waves: cannot write %s%s\n", folder.c_str(), file.name);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "hovla-waves: %s: %s\n", file.name, e.what());
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hovla-waves OUTDIR\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    for (const File& file : kFiles)
        if (!make(file, folder))
            return 1;
    return 0;
}
