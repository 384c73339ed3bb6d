// Sprites, surfaces and presentation: the background pictures, the back
// buffers, the sprite work surfaces and the two views, and the masked draw of
// one sprite, optionally mirrored.
#pragma once

#include "drawing/pictures.h"
#include "drawing/surface.h"
#include "match/state.h"

#include <QRect>

#include <array>
#include <optional>
#include <vector>

namespace hovla {

constexpr int kViewWidth = 512;
constexpr int kViewHeight = 768;

// Puts a view's image on the screen; the windows implement it. It is told
// the pixels that changed in the view, and paints them once the running
// handler has finished, together with everything else changed meanwhile, so
// no half-drawn frame is ever shown.
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

    // f1: the work surfaces a draw loads its pair into.
    enum class Work { Sprite, Mask, Sprite2, Mask2, Sprite3, Mask3, Sprite4, Mask4 };
    const Surface& work(Work surface) const { return work_[size_t(surface)]; }

    // DrawSprite1 and DrawSprite2: draws the pair id, id + 1 into the player's
    // back buffer at the record's place, mirrored when its Flip is set.
    void DrawSprite(int player, const SpriteRec& rec, int16_t id);
    void DrawSpriteOn(Surface& target, const SpriteRec& rec, int16_t id);
    void FlipSprite();

    // Loads bitmap id into a work surface, which takes its size, and the
    // masked draw of a work pair into the player's back buffer: quick when
    // they hold a pair as loaded, exactly the same pixels either way.
    void loadInto(Work surface, int16_t id);
    void maskedDraw(int player, int x, int y, const Surface& sprite, const Surface& mask,
                    const std::vector<bool>& skipRows = {});

    // ShowView1 and ShowView2: the player's back buffer to the view.
    void ShowView(int player);
    // Copies area of the back buffer to the view and marks for the screen
    // just the pixels that differ from what the view showed.
    void present(int player, const QRegion& area);
    // Gives a view a picture of its own, all of it to be shown.
    void setViewPicture(int player, const Surface& picture);

    Pictures& pictures() { return pictures_; }
    const Pictures& pictures() const { return pictures_; }

private:
    Surface& workSurface(Work surface) { return work_[size_t(surface)]; }

    struct F2 {
        Surface pHovla1, pHovla2, Pihalla;
    };
    struct F3 {
        Surface pBuffer1{kViewWidth, kViewHeight};
        Surface pBuffer2{kViewWidth, kViewHeight};
    };
    F2& f2();
    F3& f3();

    Pictures pictures_;
    ViewSink* sink_ = nullptr;
    std::optional<F2> f2_;
    std::optional<F3> f3_;
    std::array<Surface, 8> work_;
    std::array<bool, 2> presented_{};  // the view held the whole buffer at the last present
    std::array<Surface, 2> views_{Surface(kViewWidth, kViewHeight), Surface(kViewWidth, kViewHeight)};
};

} // namespace hovla
