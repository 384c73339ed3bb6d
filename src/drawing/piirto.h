// Sprites, surfaces and presentation: the background pictures, the back
// buffers, the sprite work surfaces and the two views, and the masked draw of
// one sprite, optionally mirrored.
#pragma once

#include "drawing/surface.h"
#include "match/state.h"

#include <QRect>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace hovla {

constexpr int kViewWidth = 512;
constexpr int kViewHeight = 768;

// Puts a view's image on the screen; the windows implement it. A region
// marked here is painted once the running handler has finished, together with
// everything else marked meanwhile, so no half-drawn frame is ever shown.
class ViewSink {
public:
    virtual ~ViewSink() = default;
    virtual void present(int player, const QRegion& changed) = 0;
};

class Piirto {
public:
    explicit Piirto(ViewSink* sink = nullptr) : sink_(sink) {}
    void setSink(ViewSink* sink) { sink_ = sink; }

    // F2: the rooms of players 1 and 2 and the yard, stored with the window.
    const Surface& roomPicture(int player);
    const Surface& yardPicture();
    // F3: the back buffers.
    Surface& buffer(int player);
    // PL: the views on the main window.
    Surface& view(int player);
    const Surface& view(int player) const;

    // f1: the work surfaces.
    Surface Sprite, Mask, Sprite2, Mask2, Sprite3, Mask3, Sprite4, Mask4;

    // DrawSprite1 and DrawSprite2: draws the pair id, id + 1 into the player's
    // back buffer at the record's place, mirrored when its Flip is set.
    void DrawSprite(int player, const SpriteRec& rec, int16_t id);
    void DrawSpriteOn(Surface& target, const SpriteRec& rec, int16_t id);
    void FlipSprite();

    // ShowView1 and ShowView2: the player's back buffer to the view.
    void ShowView(int player);
    // Copies area of the back buffer to the view and marks for the screen
    // just the pixels that differ from what the view showed.
    void present(int player, const QRegion& area);
    // Gives a view a picture of its own, all of it to be shown.
    void setViewPicture(int player, const Surface& picture);

    // Loads bitmap id into a work surface, which takes its size.
    void loadInto(Surface& surface, int16_t id);
    // The masked draw of a sprite surface and its mask; quick when they hold
    // a pair as loaded, exactly the same pixels either way.
    void maskedDraw(Surface& target, int x, int y, const Surface& sprite, const Surface& mask);

    // Decoded bitmaps and mirrored copies are kept; with caching off every
    // draw decodes and mirrors again. Both draw exactly the same pixels.
    void setCaching(bool on)
    {
        caching_ = on;
        ++generation_;
    }
    bool caching() const { return caching_; }
    // Changes whenever the pictures drawn might change.
    unsigned generation() const { return generation_; }

    // Where numbered bitmaps come from: the game's own pack unless a test says.
    using PictureSource = std::function<QImage(int16_t id)>;
    void setPictureSource(PictureSource source);

private:
    // Per row, the columns [begin, end) that change what lies under them:
    // copied straight where the mask is black, combined where it is not.
    struct Run {
        int16_t begin, end;
        bool copy;
    };
    struct Runs {
        std::vector<Run> runs;
        std::vector<int> rowStart;  // runs of row y: [rowStart[y], rowStart[y + 1])
    };
    static Runs runsOf(const Surface& sprite, const Surface& mask);
    struct Pair {
        Surface sprite, mask, spriteMirrored, maskMirrored;
        Runs runs, runsMirrored;
    };
    const Pair& pair(int16_t id);
    QImage load(int16_t id) const;
    const Surface& picture(int16_t id);
    static void drawRuns(Surface& target, int x, int y, const Surface& sprite, const Surface& mask,
                         const Runs& runs);

    struct F2 {
        Surface pHovla1, pHovla2, Pihalla;
    };
    struct F3 {
        Surface pBuffer1{kViewWidth, kViewHeight};
        Surface pBuffer2{kViewWidth, kViewHeight};
    };
    F2& f2();
    F3& f3();

    ViewSink* sink_ = nullptr;
    bool caching_ = true;
    unsigned generation_ = 0;
    PictureSource source_;
    std::optional<F2> f2_;
    std::optional<F3> f3_;
    std::array<bool, 2> presented_{};  // the view held the whole buffer at the last present
    std::array<Surface, 2> views_{Surface(kViewWidth, kViewHeight), Surface(kViewWidth, kViewHeight)};
    std::unordered_map<int16_t, std::unique_ptr<Pair>> pairs_;
    std::unordered_map<qint64, const Pair*> pairBySprite_;  // by the sprite image's key
    std::unordered_map<int16_t, Surface> pictures_;
};

// Mirrors an image left to right: column i goes to w - 1 - i.
QImage mirrored(const QImage& image);

} // namespace hovla
