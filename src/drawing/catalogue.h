// The numbered bitmaps: every sprite (odd id) has its mask at id + 1, of the
// same size. Shared by the game and the asset generator.
#pragma once

#include <array>
#include <cstdint>

namespace hovla {

struct CatalogueEntry {
    int16_t id;
    int width;
    int height;
    int maskDepth;        // bits per pixel of the stored mask: 1 or 24
    bool complementMask;  // mask = white - sprite: soft, see-through drawing
};

inline constexpr std::array<CatalogueEntry, 22> kCatalogue = {{
    {101, 132, 155, 24, false},  // face, coolest band
    {103, 132, 155, 24, false},  // face, second band
    {105, 132, 155, 24, false},  // face, third band
    {107, 132, 155, 24, false},  // face, hottest band
    {109, 380, 579, 24, false},  // body
    {111, 266, 132, 24, false},  // arm at rest
    {113, 291, 197, 24, false},  // arm, phase 3
    {115, 295, 215, 24, false},  // arm, phase 2
    {117, 296, 247, 24, false},  // arm, phase 1
    {201, 168, 227, 1, false},   // stove
    {203, 200, 200, 1, false},   // bucket, back half
    {205, 200, 200, 1, false},   // bucket, front wall
    {207, 119, 43, 24, true},    // water surface
    {209, 208, 260, 1, false},   // ladle resting
    {211, 290, 78, 1, false},    // ladle held out
    {301, 122, 34, 24, true},    // steam, large
    {303, 122, 34, 24, true},    // steam, smaller
    {305, 122, 34, 24, true},    // steam, smallest
    {307, 599, 136, 24, false},  // lake strip
    {309, 265, 244, 24, false},  // cabin on its hill
    {311, 21, 39, 24, true},     // walker
    {313, 50, 50, 1, false},     // small bucket
}};

} // namespace hovla
