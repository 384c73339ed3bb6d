#include "drawing/piirto.h"

#include "drawing/resources.h"

#include <algorithm>
#include <cstring>

#include <QRegion>

namespace hovla {

namespace {

constexpr QRgb kAlpha = 0xFF000000;
constexpr QRgb kWhite = 0xFFFFFFFF;

Surface surfaceOf(const QImage& picture)
{
    Surface s;
    s.assignPicture(picture);
    return s;
}

} // namespace

QImage mirrored(const QImage& image)
{
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    const int w = out.width();
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        std::reverse(row, row + w);
    }
    return out;
}

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

void Piirto::setPictureSource(PictureSource source)
{
    source_ = std::move(source);
    ++generation_;
    pairs_.clear();
    pairBySprite_.clear();
    pictures_.clear();
}

QImage Piirto::load(int16_t id) const
{
    return source_ ? source_(id) : LoadResPicture(id);
}

const Surface& Piirto::picture(int16_t id)
{
    auto it = pictures_.find(id);
    if (it == pictures_.end())
        it = pictures_.emplace(id, surfaceOf(load(id))).first;
    return it->second;
}

const Piirto::Pair& Piirto::pair(int16_t id)
{
    auto it = pairs_.find(id);
    if (it != pairs_.end())
        return *it->second;

    auto p = std::make_unique<Pair>();
    p->sprite = picture(id);
    p->mask = picture(add16(id, 1, "mask id"));
    p->spriteMirrored.assignPicture(mirrored(p->sprite.image()));
    p->maskMirrored.assignPicture(mirrored(p->mask.image()));

    p->runs = runsOf(p->sprite, p->mask);
    p->runsMirrored = runsOf(p->spriteMirrored, p->maskMirrored);
    pairBySprite_[p->sprite.image().cacheKey()] = p.get();
    return *pairs_.emplace(id, std::move(p)).first->second;
}

Piirto::Runs Piirto::runsOf(const Surface& sprite, const Surface& mask)
{
    Runs out;
    const int w = std::min(sprite.width(), mask.width());
    const int h = std::min(sprite.height(), mask.height());
    // 0: leaves the target (white mask, black sprite), 1: copy (black mask), 2: combine
    auto kind = [](QRgb s, QRgb m) {
        if ((m & ~kAlpha) == 0)
            return 1;
        return ((m | kAlpha) == kWhite && (s & ~kAlpha) == 0) ? 0 : 2;
    };
    out.rowStart.reserve(size_t(h) + 1);
    for (int y = 0; y < h; ++y) {
        out.rowStart.push_back(int(out.runs.size()));
        const auto* s = reinterpret_cast<const QRgb*>(sprite.image().constScanLine(y));
        const auto* m = reinterpret_cast<const QRgb*>(mask.image().constScanLine(y));
        int x = 0;
        while (x < w) {
            const int k = kind(s[x], m[x]);
            int end = x + 1;
            while (end < w && kind(s[end], m[end]) == k)
                ++end;
            if (k != 0)
                out.runs.push_back({int16_t(x), int16_t(end), k == 1});
            x = end;
        }
    }
    out.rowStart.push_back(int(out.runs.size()));
    return out;
}

void Piirto::loadInto(Surface& surface, int16_t id)
{
    if (!caching_) {
        surface.assignPicture(load(id));
        return;
    }
    if (id % 2 == 1)
        pair(id);  // a sprite: keep its runs ready for maskedDraw
    surface = picture(id);
}

void Piirto::maskedDraw(Surface& target, int x, int y, const Surface& sprite, const Surface& mask)
{
    const auto it = pairBySprite_.find(sprite.image().cacheKey());
    if (caching_ && it != pairBySprite_.end()
        && it->second->mask.image().cacheKey() == mask.image().cacheKey()) {
        drawRuns(target, x, y, sprite, mask, it->second->runs);
        return;
    }
    MaskedDraw(target, x, y, sprite, mask);
}

void Piirto::DrawSprite(int player, const SpriteRec& rec, int16_t id)
{
    DrawSpriteOn(buffer(player), rec, id);
}

void Piirto::DrawSpriteOn(Surface& target, const SpriteRec& rec, int16_t id)
{
    if (!caching_) {
        // As described: load both bitmaps, mirror through the scratch pair, two copies.
        Sprite.assignPicture(load(id));
        Mask.assignPicture(load(add16(id, 1, "mask id")));
        const int w = Sprite.width();
        const int h = Sprite.height();
        if (rec.Flip != 0)
            FlipSprite();
        BitBlt(target, rec.X, rec.Y, w, h, Mask, 0, 0, Rop::SrcAnd);
        BitBlt(target, rec.X, rec.Y, w, h, Sprite, 0, 0, Rop::SrcInvert);
        return;
    }

    const Pair& p = pair(id);
    if (rec.Flip != 0) {
        Sprite2 = p.sprite;
        Mask2 = p.mask;
        Sprite = p.spriteMirrored;
        Mask = p.maskMirrored;
        drawRuns(target, rec.X, rec.Y, Sprite, Mask, p.runsMirrored);
    } else {
        Sprite = p.sprite;
        Mask = p.mask;
        drawRuns(target, rec.X, rec.Y, Sprite, Mask, p.runs);
    }
}

// (target AND mask) XOR sprite in one pass, only over the columns that change.
void Piirto::drawRuns(Surface& target, int x, int y, const Surface& sprite, const Surface& mask,
                      const Runs& runs)
{
    const int top = std::max(0, -y);
    const int bottom = std::min<int>(int(runs.rowStart.size()) - 1, target.height() - y);
    const int left = std::max(0, -x);
    const int right = std::min(sprite.width(), target.width() - x);
    if (top >= bottom || left >= right)
        return;
    QImage& out = target.imageFor(QRect(x + left, y + top, right - left, bottom - top));
    auto* base = reinterpret_cast<QRgb*>(out.bits());
    const qsizetype stride = out.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (int row = top; row < bottom; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(sprite.image().constScanLine(row));
        const auto* m = reinterpret_cast<const QRgb*>(mask.image().constScanLine(row));
        QRgb* d = base + (y + row) * stride + x;
        for (int r = runs.rowStart[row]; r < runs.rowStart[row + 1]; ++r) {
            const Run& run = runs.runs[r];
            const int begin = std::max<int>(left, run.begin);
            const int end = std::min<int>(right, run.end);
            if (begin >= end)
                continue;
            if (run.copy) {
                std::memcpy(d + begin, s + begin, sizeof(QRgb) * size_t(end - begin));
            } else {
                for (int i = begin; i < end; ++i)
                    d[i] = ((d[i] & m[i]) ^ s[i]) | kAlpha;
            }
        }
    }
}

void Piirto::FlipSprite()
{
    Sprite2 = Sprite;
    Mask2 = Mask;
    Sprite.assignPicture(mirrored(Sprite2.image()));
    Mask.assignPicture(mirrored(Mask2.image()));
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
