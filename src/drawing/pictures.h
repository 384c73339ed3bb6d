// The numbered bitmaps, decoded once: each sprite with its mask, their
// mirrored copies, and the sprite compiled into runs of the columns that
// change what lies under it. Drawing from here gives exactly the pixels of
// loading and mirroring the bitmaps again for every draw.
#pragma once

#include "drawing/surface.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

namespace hovla {

// Mirrors an image left to right: column i goes to w - 1 - i.
QImage mirrored(const QImage& image);

// Per row, the columns [begin, end) that change what lies under a sprite:
// copied straight where the mask is black, combined where it is not.
struct SpriteRuns {
    struct Run {
        int16_t begin, end;
        bool copy;
    };
    std::vector<Run> runs;
    std::vector<int> rowStart;  // runs of row y: [rowStart[y], rowStart[y + 1])

    static SpriteRuns of(const Surface& sprite, const Surface& mask);
    // (target AND mask) XOR sprite at (x, y), only over the runs, and not
    // on the target's rows marked in skip.
    void draw(Surface& target, int x, int y, const Surface& sprite, const Surface& mask,
              const std::vector<bool>& skip = {}) const;
    // Whether row's pixels [from, to) are all copied, covering what lies under them.
    bool covers(int row, int from, int to) const;
};

class Pictures {
public:
    struct Pair {
        Surface sprite, mask, spriteMirrored, maskMirrored;
        SpriteRuns runs, runsMirrored;
    };

    // The bitmap as stored, decoded afresh.
    QImage load(int16_t id) const;
    // Decoded once and kept.
    const Surface& picture(int16_t id);
    const Pair& pair(int16_t id);
    // Decodes every pair of the catalogue now, so that no draw in play waits
    // for its first decoding.
    void decodeAll();
    // The kept pair whose sprite and mask these surfaces hold, if any.
    const Pair* pairHeldBy(const Surface& sprite, const Surface& mask) const;

    // With caching off every draw decodes and mirrors again; both draw the
    // same pixels.
    void setCaching(bool on)
    {
        caching_ = on;
        ++generation_;
    }
    bool caching() const { return caching_; }
    // Changes whenever the pictures drawn might change.
    unsigned generation() const { return generation_; }

    // Where numbered bitmaps come from: the game's own pack unless a test says.
    using Source = std::function<QImage(int16_t id)>;
    void setSource(Source source);

private:
    bool caching_ = true;
    unsigned generation_ = 0;
    Source source_;
    std::unordered_map<int16_t, std::unique_ptr<Pair>> pairs_;
    std::unordered_map<qint64, const Pair*> pairBySprite_;  // by the sprite image's key
    std::unordered_map<int16_t, Surface> pictures_;
};

} // namespace hovla
