#include "drawing/piirto.h"

#include "drawing/changes.h"
#include "drawing/resources.h"

#include <algorithm>

#include <QRegion>

namespace hovla {

Piirto::F2& Piirto::f2()
{
    if (!f2_) {
        f2_.emplace();
        f2_->pHovla1.assignPicture(LoadBackground(Background::Room1));
        f2_->pHovla2.assignPicture(LoadBackground(Background::Room2));
        f2_->Pihalla.assignPicture(LoadBackground(Background::Yard));
    }
    return *f2_;
}

Piirto::F3& Piirto::f3()
{
    if (!f3_)
        f3_.emplace();
    return *f3_;
}

namespace {

// Player 0 or 1, as every per-player array of the game checks it.
int playerIndex(int player, const char* surfaces)
{
    if (player < 0 || player > 1)
        raiseSubscript(surfaces, player, 1);
    return player;
}

} // namespace

const Surface& Piirto::roomPicture(int player)
{
    return playerIndex(player, "pHovla") == 0 ? f2().pHovla1 : f2().pHovla2;
}

const Surface& Piirto::yardPicture()
{
    return f2().Pihalla;
}

Surface& Piirto::buffer(int player)
{
    return playerIndex(player, "pBuffer") == 0 ? f3().pBuffer1 : f3().pBuffer2;
}

Surface& Piirto::view(int player)
{
    return views_[size_t(playerIndex(player, "view"))];
}

const Surface& Piirto::view(int player) const
{
    return views_[size_t(playerIndex(player, "view"))];
}

void Piirto::loadInto(Work surface, int16_t id)
{
    if (!pictures_.caching()) {
        workSurface(surface).assignPicture(pictures_.load(id));
        return;
    }
    if (id % 2 == 1)
        pictures_.pair(id);  // a sprite: keep its runs ready for maskedDraw
    workSurface(surface) = pictures_.picture(id);
}

void Piirto::maskedDraw(int player, int x, int y, const Surface& sprite, const Surface& mask,
                        const std::vector<bool>& skipRows)
{
    if (const Pictures::Pair* pair = pictures_.caching() ? pictures_.pairHeldBy(sprite, mask) : nullptr)
        pair->runs.draw(buffer(player), x, y, sprite, mask, skipRows);
    else
        MaskedDraw(buffer(player), x, y, sprite, mask);
}

void Piirto::DrawSprite(int player, const SpriteRec& rec, int16_t id)
{
    DrawSpriteOn(buffer(player), rec, id);
}

void Piirto::DrawSpriteOn(Surface& target, const SpriteRec& rec, int16_t id)
{
    Surface& sprite = workSurface(Work::Sprite);
    Surface& mask = workSurface(Work::Mask);
    if (!pictures_.caching()) {
        // As described: load both bitmaps, mirror through the scratch pair, two copies.
        sprite.assignPicture(pictures_.load(id));
        mask.assignPicture(pictures_.load(add16(id, 1, "mask id")));
        const int w = sprite.width();
        const int h = sprite.height();
        if (rec.Flip != 0)
            FlipSprite();
        BitBlt(target, rec.X, rec.Y, w, h, mask, 0, 0, Rop::SrcAnd);
        BitBlt(target, rec.X, rec.Y, w, h, sprite, 0, 0, Rop::SrcInvert);
        return;
    }

    const Pictures::Pair& p = pictures_.pair(id);
    if (rec.Flip != 0) {
        workSurface(Work::Sprite2) = p.sprite;
        workSurface(Work::Mask2) = p.mask;
        sprite = p.spriteMirrored;
        mask = p.maskMirrored;
        p.runsMirrored.draw(target, rec.X, rec.Y, sprite, mask);
    } else {
        sprite = p.sprite;
        mask = p.mask;
        p.runs.draw(target, rec.X, rec.Y, sprite, mask);
    }
}

void Piirto::FlipSprite()
{
    workSurface(Work::Sprite2) = work(Work::Sprite);
    workSurface(Work::Mask2) = work(Work::Mask);
    workSurface(Work::Sprite).assignPicture(mirrored(work(Work::Sprite2).image()));
    workSurface(Work::Mask).assignPicture(mirrored(work(Work::Mask2).image()));
}

void Piirto::ShowView(int player)
{
    const Surface& from = buffer(player);
    const Surface& to = view(player);
    // Unless the view lost track, it still holds the last frame outside what
    // changed on either side since then.
    if (presented_[player] && from.changes().known() && to.changes().known())
        present(player, from.changes().region().united(to.changes().region()));
    else
        present(player, QRegion(0, 0, kViewWidth, kViewHeight));
    buffer(player).markPresented();
    view(player).markPresented();
    presented_[player] = true;
}

void Piirto::present(int player, const QRegion& area)
{
    const QRegion shown = area.intersected(QRect(0, 0, kViewWidth, kViewHeight));
    if (shown.isEmpty())
        return;
    // The screen is told only what came out different.
    const QRegion changed = copyChanges(buffer(player).image(), view(player).imageFor(shown), shown);
    if (sink_ && !changed.isEmpty())
        sink_->present(player, changed);
}

void Piirto::setViewPicture(int player, const Surface& picture)
{
    view(player).assignPicture(picture);
    if (sink_)
        sink_->present(player, QRegion(0, 0, kViewWidth, kViewHeight));
}

} // namespace hovla
