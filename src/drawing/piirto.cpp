#include "drawing/piirto.h"

#include "drawing/resources.h"

#include <algorithm>
#include <cstring>

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

void Piirto::maskedDraw(int player, int x, int y, Work sprite, Work mask)
{
    const Surface& s = work(sprite);
    const Surface& m = work(mask);
    if (const Pictures::Pair* pair = pictures_.caching() ? pictures_.pairHeldBy(s, m) : nullptr)
        pair->runs.draw(buffer(player), x, y, s, m);
    else
        MaskedDraw(buffer(player), x, y, s, m);
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

namespace {

// True when the n pixels at a and b differ anywhere.
bool differ(const QRgb* a, const QRgb* b, int n)
{
    uint32_t any = 0;
    for (int i = 0; i < n; ++i)
        any |= a[i] ^ b[i];
    return any != 0;
}

// The pixels that differ between two images inside one rectangle, as spans
// of rows. Rows are compared in blocks of kBlock pixels; a span runs over
// neighbouring blocks that differ and is trimmed to the exact pixels at its
// ends, so a moving sprite's outline is not painted as its box.
void findDifferences(const QImage& a, const QImage& b, const QRect& r, std::vector<QRect>& spans)
{
    constexpr int kBlock = 8;
    const size_t rowBytes = sizeof(QRgb) * size_t(r.width());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(a.constScanLine(y)) + r.left();
        const auto* d = reinterpret_cast<const QRgb*>(b.constScanLine(y)) + r.left();
        if (std::memcmp(s, d, rowBytes) == 0)
            continue;
        const int w = r.width();
        for (int x = 0; x < w;) {
            const int n = std::min(kBlock, w - x);
            if (!differ(s + x, d + x, n)) {
                x += n;
                continue;
            }
            int end = x + n;
            while (end < w && differ(s + end, d + end, std::min(kBlock, w - end)))
                end += std::min(kBlock, w - end);
            int first = x;
            while (s[first] == d[first])
                ++first;
            int last = end - 1;
            while (s[last] == d[last])
                --last;
            spans.emplace_back(r.left() + first, y, last + 1 - first, 1);
            x = end;
        }
    }
}

// What to paint for row spans: a span joins the rectangle growing down over
// it from the row above while that stays within kSlack of the pixels that
// changed, so the window is sent a few rectangles rather than one per row
// and sprite.
QRegion paintAreaOf(std::vector<QRect>& spans)
{
    constexpr double kSlack = 1.15;
    constexpr int kJoin = 16;
    struct Band {
        QRect rect;
        long long changed;  // pixels that differ inside it
    };
    std::sort(spans.begin(), spans.end(), [](const QRect& a, const QRect& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    QRegion region;
    std::vector<Band> growing, next, pieces;
    auto close = [&](const std::vector<Band>& bands) {
        for (const Band& b : bands)
            region += b.rect;
    };
    for (size_t i = 0; i < spans.size();) {
        const int y = spans[i].y();
        if (!growing.empty() && growing.front().rect.bottom() + 1 != y) {
            close(growing);
            growing.clear();
        }
        // The row's pieces: spans a short gap apart go together.
        pieces.clear();
        for (; i < spans.size() && spans[i].y() == y; ++i) {
            if (!pieces.empty() && spans[i].left() - pieces.back().rect.right() <= kJoin) {
                pieces.back().rect.setRight(spans[i].right());
                pieces.back().changed += spans[i].width();
            } else {
                pieces.push_back({spans[i], spans[i].width()});
            }
        }
        next.clear();
        for (const Band& piece : pieces) {
            auto above = std::find_if(growing.begin(), growing.end(), [&](const Band& b) {
                return b.rect.left() <= piece.rect.right() && piece.rect.left() <= b.rect.right();
            });
            if (above != growing.end()) {
                const QRect grown = above->rect.united(piece.rect);
                const long long changed = above->changed + piece.changed;
                if (double(grown.width()) * grown.height() <= kSlack * double(changed)) {
                    next.push_back({grown, changed});
                    growing.erase(above);
                    continue;
                }
            }
            next.push_back(piece);
        }
        close(growing);
        growing.swap(next);
    }
    close(growing);
    return region;
}

} // namespace

void Piirto::present(int player, const QRegion& area)
{
    const Surface& from = buffer(player);
    Surface& to = view(player);
    std::vector<QRect> spans;
    for (const QRect& r : area.intersected(QRect(0, 0, kViewWidth, kViewHeight)))
        findDifferences(from.image(), to.image(), r, spans);
    if (spans.empty())
        return;
    const QRegion changed = paintAreaOf(spans);
    QImage& out = to.imageFor(changed);
    for (const QRect& span : spans)
        std::memcpy(out.scanLine(span.y()) + span.x() * sizeof(QRgb),
                    from.image().constScanLine(span.y()) + span.x() * sizeof(QRgb), sizeof(QRgb) * size_t(span.width()));
    if (sink_)
        sink_->present(player, changed);
}

void Piirto::setViewPicture(int player, const Surface& picture)
{
    view(player).assignPicture(picture);
    if (sink_)
        sink_->present(player, QRegion(0, 0, kViewWidth, kViewHeight));
}

} // namespace hovla
