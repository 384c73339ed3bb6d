// The pictures carried inside the game: numbered bitmaps 101 to 314, the
// three backgrounds, the picture buttons and the icon, all drawn by the asset
// generator at build time and linked in as one pack.
#pragma once

#include "drawing/catalogue.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

namespace hovla {

// The bytes of one named entry of the pack, or an empty array.
QByteArray packEntry(const std::string& name);
std::vector<std::string> packEntryNames();

// Decodes bitmap resource id exactly as stored; raises Error when there is none.
QImage LoadResPicture(int16_t id);

// The pictures stored with the windows.
enum class Background { Room1, Room2, Yard };
QImage LoadBackground(Background which);
QImage LoadNamedPicture(const std::string& name);  // "start_button", "quit_button", "icon"

} // namespace hovla
