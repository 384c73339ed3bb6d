#include "drawing/pictures.h"

#include "drawing/catalogue.h"
#include "drawing/resources.h"
#include "match/checked.h"

#include <algorithm>
#include <cstring>

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

SpriteRuns SpriteRuns::of(const Surface& sprite, const Surface& mask)
{
    SpriteRuns out;
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

bool SpriteRuns::covers(int row, int from, int to) const
{
    if (row < 0 || row + 1 >= int(rowStart.size()))
        return false;
    for (int r = rowStart[row]; r < rowStart[row + 1]; ++r)
        if (runs[r].copy && runs[r].begin <= from && runs[r].end >= to)
            return true;
    return false;
}

void SpriteRuns::draw(Surface& target, int x, int y, const Surface& sprite, const Surface& mask,
                      const std::vector<bool>& skip) const
{
    const int top = std::max(0, -y);
    const int bottom = std::min<int>(int(rowStart.size()) - 1, target.height() - y);
    const int left = std::max(0, -x);
    const int right = std::min(sprite.width(), target.width() - x);
    if (top >= bottom || left >= right)
        return;
    // Only the rows drawn are logged: the skipped ones are drawn by a later
    // layer, or already hold this layer's pixels.
    const QRect box(x + left, y + top, right - left, bottom - top);
    QImage& out = target.imageFor(QRegion(box).subtracted(rowsMarked(skip, box.left(), box.width())));
    auto* base = reinterpret_cast<QRgb*>(out.bits());
    const qsizetype stride = out.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (int row = top; row < bottom; ++row) {
        if (size_t(y + row) < skip.size() && skip[size_t(y + row)])
            continue;
        const auto* s = reinterpret_cast<const QRgb*>(sprite.image().constScanLine(row));
        const auto* m = reinterpret_cast<const QRgb*>(mask.image().constScanLine(row));
        QRgb* d = base + (y + row) * stride + x;
        for (int r = rowStart[row]; r < rowStart[row + 1]; ++r) {
            const Run& run = runs[r];
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

void Pictures::setSource(Source source)
{
    source_ = std::move(source);
    ++generation_;
    pairs_.clear();
    pairBySprite_.clear();
    pictures_.clear();
}

QImage Pictures::load(int16_t id) const
{
    return source_ ? source_(id) : LoadResPicture(id);
}

const Surface& Pictures::picture(int16_t id)
{
    auto it = pictures_.find(id);
    if (it == pictures_.end())
        it = pictures_.emplace(id, surfaceOf(load(id))).first;
    return it->second;
}

const Pictures::Pair& Pictures::pair(int16_t id)
{
    auto it = pairs_.find(id);
    if (it != pairs_.end())
        return *it->second;

    auto p = std::make_unique<Pair>();
    p->sprite = picture(id);
    p->mask = picture(add16(id, 1, "mask id"));
    p->spriteMirrored.assignPicture(mirrored(p->sprite.image()));
    p->maskMirrored.assignPicture(mirrored(p->mask.image()));
    p->runs = SpriteRuns::of(p->sprite, p->mask);
    p->runsMirrored = SpriteRuns::of(p->spriteMirrored, p->maskMirrored);
    pairBySprite_[p->sprite.image().cacheKey()] = p.get();
    return *pairs_.emplace(id, std::move(p)).first->second;
}

void Pictures::decodeAll()
{
    if (!caching_)
        return;
    for (const CatalogueEntry& e : kCatalogue)
        pair(e.id);
}

const Pictures::Pair* Pictures::pairHeldBy(const Surface& sprite, const Surface& mask) const
{
    const auto it = pairBySprite_.find(sprite.image().cacheKey());
    if (it == pairBySprite_.end() || it->second->mask.image().cacheKey() != mask.image().cacheKey())
        return nullptr;
    return it->second;
}

} // namespace hovla
