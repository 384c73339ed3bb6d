// The game's three sound effects, each drawn whole in code.
#pragma once

#include "wave.h"

namespace waves {

Take welcome();  // WELCOME.wav: a kantele plays "ter-ve-tu-lo-a" in a small wooden room
Take kiuas();    // kiuas.wav: a ladle of water on the hot stones
Take ulos();     // ulos1.wav: two barefoot steps out along the boards

} // namespace waves
