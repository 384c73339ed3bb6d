#include "drawing/screen.h"

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
    piirto.buffer(player).assignPicture(piirto.yardPicture().image(), covered);
    for (size_t i = 0; i < layers_.size(); ++i) {
        const Layer& l = layers_[i];
        piirto.maskedDraw(player, l.x, l.y, l.sprite, l.mask, hidden[i]);
    }
    layers_.clear();
}

} // namespace hovla
