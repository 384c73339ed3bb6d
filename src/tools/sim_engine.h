// Runs a match headless from a script: the real rules, drawing, timer service
// and sound pool, with a hand-turned clock and recording stand-ins for the
// windows, message boxes and sound device. Prints one JSON object per event.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

namespace hovla {

struct SimOptions {
    uint64_t seed = 1;
    std::string gameFolder;  // the wave files are read from its Audio folder
};

// Returns the process's exit status: 0 done, 1 the game hit a fatal error,
// 2 a malformed script line (reported on err, nothing printed for it).
int runSimulation(std::istream& script, std::ostream& out, std::ostream& err, const SimOptions& options);

} // namespace hovla
