#include "drawing/piirto.h"

#include "drawing/resources.h"

#include <algorithm>

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

const Surface& Piirto::roomPicture(int player)
{
    return player == 0 ? f2().pHovla1 : f2().pHovla2;
}

const Surface& Piirto::yardPicture()
{
    return f2().Pihalla;
}

Surface& Piirto::buffer(int player)
{
    return player == 0 ? f3().pBuffer1 : f3().pBuffer2;
}

Surface& Piirto::view(int player)
{
    return views_.at(player);
}

const Surface& Piirto::view(int player) const
{
    return views_.at(player);
}

void Piirto::setPictureSource(PictureSource source)
{
    source_ = std::move(source);
    pairs_.clear();
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

    // A pixel with a white mask and a black sprite leaves the target as it is.
    auto spansOf = [](const Surface& sprite, const Surface& mask) {
        std::vector<Span> spans(sprite.height());
        const int w = std::min(sprite.width(), mask.width());
        for (int y = 0; y < sprite.height() && y < mask.height(); ++y) {
            const auto* s = reinterpret_cast<const QRgb*>(sprite.image().constScanLine(y));
            const auto* m = reinterpret_cast<const QRgb*>(mask.image().constScanLine(y));
            auto changes = [&](int x) { return (m[x] | kAlpha) != kWhite || (s[x] & ~kAlpha) != 0; };
            int begin = 0;
            while (begin < w && !changes(begin))
                ++begin;
            int end = w;
            while (end > begin && !changes(end - 1))
                --end;
            spans[y] = {int16_t(begin), int16_t(end)};
        }
        return spans;
    };
    p->spans = spansOf(p->sprite, p->mask);
    p->spansMirrored = spansOf(p->spriteMirrored, p->maskMirrored);
    return *pairs_.emplace(id, std::move(p)).first->second;
}

void Piirto::loadInto(Surface& surface, int16_t id)
{
    if (caching_)
        surface = picture(id);
    else
        surface.assignPicture(load(id));
}

void Piirto::DrawSprite(int player, const SpriteRec& rec, int16_t id)
{
    Surface& target = buffer(player);
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
        drawSpans(target, rec.X, rec.Y, Sprite, Mask, p.spansMirrored);
    } else {
        Sprite = p.sprite;
        Mask = p.mask;
        drawSpans(target, rec.X, rec.Y, Sprite, Mask, p.spans);
    }
}

// (target AND mask) XOR sprite in one pass, only over the columns that change.
void Piirto::drawSpans(Surface& target, int x, int y, const Surface& sprite, const Surface& mask,
                       const std::vector<Span>& spans)
{
    QImage& out = target.image();
    const int top = std::max(0, -y);
    const int bottom = std::min(sprite.height(), out.height() - y);
    const int left = std::max(0, -x);
    const int right = std::min(sprite.width(), out.width() - x);
    if (top >= bottom || left >= right)
        return;
    for (int row = top; row < bottom; ++row) {
        const int begin = std::max<int>(left, spans[row].begin);
        const int end = std::min<int>(right, spans[row].end);
        if (begin >= end)
            continue;
        const auto* s = reinterpret_cast<const QRgb*>(sprite.image().constScanLine(row));
        const auto* m = reinterpret_cast<const QRgb*>(mask.image().constScanLine(row));
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(y + row));
        for (int i = begin; i < end; ++i)
            d[x + i] = ((d[x + i] & m[i]) ^ s[i]) | kAlpha;
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
    BitBlt(view(player), 0, 0, kViewWidth, kViewHeight, buffer(player), 0, 0, Rop::SrcCopy);
    refreshView(player, QRect(0, 0, kViewWidth, kViewHeight));
}

void Piirto::refreshView(int player, const QRect& area)
{
    if (sink_)
        sink_->refresh(player, area);
}

} // namespace hovla
