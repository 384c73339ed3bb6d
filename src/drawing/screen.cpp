#include "drawing/screen.h"

#include <algorithm>
#include <utility>

namespace hovla {

ScreenDrawing::ScreenDrawing(const Muuttujat& state, ViewSink* views, std::string decimalSeparator)
    : piirto(views), scene(state, piirto, std::move(decimalSeparator))
{
}

void ScreenDrawing::RedrawScenes()
{
    drawYardFrame();
    scene.RedrawScenes();
}

void ScreenDrawing::DrawSprite(int player, const SpriteRec& rec, int16_t id)
{
    drawYardFrame();
    piirto.DrawSprite(player, rec, id);
}

void ScreenDrawing::ShowView(int player)
{
    drawYardFrame();
    piirto.ShowView(player);
}

void ScreenDrawing::DrawTemperature(int player)
{
    drawYardFrame();
    scene.DrawTemperature(player);
}

void ScreenDrawing::DrawScore(int player)
{
    drawYardFrame();
    scene.DrawScore(player);
}

void ScreenDrawing::ShowRoomPictures()
{
    drawYardFrame();
    for (int p = 0; p < 2; ++p)
        piirto.setViewPicture(p, piirto.roomPicture(p));
}

// The yard again over the same player's frame replaces what was gathered.
void ScreenDrawing::AssignYard(int player)
{
    if (yardPlayer_ != player)
        drawYardFrame();
    piirto.buffer(player);  // a player index that is not 0 or 1 fails here, not later
    yardPlayer_ = player;
    layers_.clear();
}

void ScreenDrawing::AssignRoom(int player)
{
    drawYardFrame();
    piirto.buffer(player).assignPicture(piirto.roomPicture(player));
}

// The lake strip in Sprite3 and Mask3, the cabin in Sprite4 and Mask4.
void ScreenDrawing::LoadLakeAndCabin()
{
    piirto.loadInto(Piirto::Work::Sprite3, 307);
    piirto.loadInto(Piirto::Work::Mask3, 308);
    piirto.loadInto(Piirto::Work::Sprite4, 309);
    piirto.loadInto(Piirto::Work::Mask4, 310);
}

void ScreenDrawing::DrawCabin(int player, int x, int y)
{
    gather(player, Piirto::Work::Sprite4, Piirto::Work::Mask4, x, y);
}

// The walker is loaded into Sprite2 and Mask2 for every frame: a mirrored
// draw uses the same pair as scratch.
void ScreenDrawing::DrawWalker(int player, int x, int y)
{
    piirto.loadInto(Piirto::Work::Sprite2, 311);
    piirto.loadInto(Piirto::Work::Mask2, 312);
    gather(player, Piirto::Work::Sprite2, Piirto::Work::Mask2, x, y);
}

void ScreenDrawing::DrawLakeStrip(int player, int x, int y)
{
    gather(player, Piirto::Work::Sprite3, Piirto::Work::Mask3, x, y);
}

void ScreenDrawing::gather(int player, Piirto::Work sprite, Piirto::Work mask, int x, int y)
{
    if (yardPlayer_ != player) {  // not in a frame of the trip: drawn at once
        drawYardFrame();
        piirto.maskedDraw(player, x, y, piirto.work(sprite), piirto.work(mask));
        return;
    }
    layers_.push_back({piirto.work(sprite), piirto.work(mask), x, y});
}

// Rows of the view that the layer's copied runs cover from edge to edge.
void ScreenDrawing::markCovered(const Layer& layer, std::vector<bool>& covered) const
{
    const Pictures::Pair* pair = piirto.pictures().pairHeldBy(layer.sprite, layer.mask);
    if (!pair || !skipping_)
        return;
    for (int row = 0; row < layer.sprite.height(); ++row) {
        const int y = layer.y + row;
        if (y >= 0 && y < kViewHeight && pair->runs.covers(row, -layer.x, kViewWidth - layer.x))
            covered[size_t(y)] = true;
    }
}

ScreenDrawing::Recipes ScreenDrawing::recipesOf(const std::vector<std::vector<bool>>& hidden,
                                                const std::vector<bool>& covered) const
{
    struct Placed {
        Recipes::Part part;
        int top, bottom;  // rows [top, bottom) of the view
    };
    std::vector<Placed> placed;
    placed.reserve(layers_.size());
    for (const Layer& l : layers_)
        placed.push_back({{l.sprite.image().cacheKey(), l.mask.image().cacheKey(), l.x, l.y},
                          std::max(0, l.y), std::min(kViewHeight, l.y + l.sprite.height())});
    Recipes r;
    r.start.reserve(kViewHeight + 1);
    r.parts.reserve(size_t(kViewHeight) * 3);
    for (int y = 0; y < kViewHeight; ++y) {
        r.start.push_back(int(r.parts.size()));
        if (!covered[size_t(y)])  // the yard restored under it
            r.parts.push_back({0, 0, 0, 0});
        for (size_t i = 0; i < placed.size(); ++i)
            if (y >= placed[i].top && y < placed[i].bottom && !hidden[i][size_t(y)])
                r.parts.push_back(placed[i].part);
    }
    r.start.push_back(int(r.parts.size()));
    return r;
}

bool ScreenDrawing::Recipes::sameRow(int y, const Recipes& other) const
{
    if (start.size() != other.start.size())
        return false;
    const auto* a = parts.data();
    const auto* b = other.parts.data();
    return std::equal(a + start[size_t(y)], a + start[size_t(y) + 1], b + other.start[size_t(y)],
                      b + other.start[size_t(y) + 1]);
}

void ScreenDrawing::drawYardFrame()
{
    if (yardPlayer_ < 0)
        return;
    const int player = std::exchange(yardPlayer_, -1);
    // What each layer need not draw: the rows the layers after it cover.
    std::vector<std::vector<bool>> hidden(layers_.size());
    std::vector<bool> covered(kViewHeight, false);
    for (size_t i = layers_.size(); i-- > 0;) {
        hidden[i] = covered;
        markCovered(layers_[i], covered);
    }
    // Rows that would come out as they are: drawn the same way last frame,
    // and not written since.
    Surface& buffer = piirto.buffer(player);
    const QImage& yard = piirto.yardPicture().image();
    Recipes recipes = recipesOf(hidden, covered);
    std::vector<bool> kept(kViewHeight, false);
    const bool byRuns = piirto.pictures().caching() && std::all_of(layers_.begin(), layers_.end(), [&](const Layer& l) {
        return piirto.pictures().pairHeldBy(l.sprite, l.mask) != nullptr;
    });
    if (skipping_ && byRuns && buffer.restoresOnly(yard) && buffer.changesSinceMark().known()) {
        const Recipes& last = lastFrame_[size_t(player)];
        for (int y = 0; y < kViewHeight; ++y)
            kept[size_t(y)] = recipes.sameRow(y, last);
        for (const QRect& r : buffer.changesSinceMark().region())
            for (int y = std::max(0, r.top()); y <= std::min(kViewHeight - 1, r.bottom()); ++y)
                kept[size_t(y)] = false;
    }
    buffer.assignPicture(yard, covered, kept);
    for (size_t i = 0; i < layers_.size(); ++i) {
        const Layer& l = layers_[i];
        for (size_t y = 0; y < kept.size(); ++y)
            if (kept[y])
                hidden[i][y] = true;
        piirto.maskedDraw(player, l.x, l.y, l.sprite, l.mask, hidden[i]);
    }
    buffer.mark();
    lastFrame_[size_t(player)] = std::move(recipes);
    layers_.clear();
}

} // namespace hovla
