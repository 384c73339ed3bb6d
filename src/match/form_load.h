// The main window's load, before the window is shown: its caption, the sound
// device bound to it, the eleven voices filled with the welcome, and the
// welcome itself. The game and the simulator both start through here.
#pragma once

#include "match/state.h"
#include "sound/dx7sound.h"

#include <string>

namespace hovla {

// gameFolder: the folder of the game's executable; the sounds are in its
// Audio folder.
void Form_Load(Muuttujat& s, DX7Sound& sound, WindowHandle window, const std::string& gameFolder);

} // namespace hovla
