#include "drawing/surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include <QRegion>

namespace hovla {

namespace {

constexpr QRgb kAlpha = 0xFF000000;

QImage asSurfaceImage(const QImage& picture)
{
    if (picture.format() == QImage::Format_RGB32)
        return picture;
    return picture.convertToFormat(QImage::Format_RGB32);
}

// The part of a w x h copy from (sx, sy) to (x, y) that lies on both images.
struct Clip {
    int x, y, w, h, sx, sy;
    bool empty() const { return w <= 0 || h <= 0; }
};

Clip clip(const QImage& dst, int x, int y, int w, int h, const QImage& src, int sx, int sy)
{
    Clip c{x, y, w, h, sx, sy};
    const int shiftX = std::max({0, -c.x, -c.sx});
    const int shiftY = std::max({0, -c.y, -c.sy});
    c.x += shiftX; c.sx += shiftX; c.w -= shiftX;
    c.y += shiftY; c.sy += shiftY; c.h -= shiftY;
    c.w = std::min({c.w, dst.width() - c.x, src.width() - c.sx});
    c.h = std::min({c.h, dst.height() - c.y, src.height() - c.sy});
    return c;
}

} // namespace

Surface::Surface(int width, int height) : image_(width, height, QImage::Format_RGB32)
{
    image_.fill(kWindowColour);
}

QRegion rowsMarked(const std::vector<bool>& rows, int left, int width)
{
    QRegion region;
    for (int y = 0; y < int(rows.size());) {
        if (!rows[size_t(y)]) {
            ++y;
            continue;
        }
        const int top = y;
        while (y < int(rows.size()) && rows[size_t(y)])
            ++y;
        region += QRect(left, top, width, y - top);
    }
    return region;
}

// Whether source can be copied into the image as it is, without reallocating.
bool Surface::sameShapeAs(const QImage& source) const
{
    return image_.isDetached() && image_.size() == source.size() && image_.bytesPerLine() == source.bytesPerLine();
}

// Whether the image is source outside what was drawn over it since.
bool Surface::holds(const QImage& source) const
{
    return sameShapeAs(source) && pictureKey_ != 0 && pictureKey_ == source.cacheKey() && sincePicture_.known();
}

bool Surface::restoresOnly(const QImage& picture) const
{
    return picture.format() == QImage::Format_RGB32 && holds(picture);
}

void Surface::assignPicture(const QImage& picture, const std::vector<bool>& covered, const std::vector<bool>& kept)
{
    QImage source = asSurfaceImage(picture);
    if (holds(source)) {
        // The same picture again: restore only what was drawn over it.
        const QRegion keptRows = rowsMarked(kept, 0, image_.width());
        const QRegion drawnOver = sincePicture_.region().intersected(image_.rect());
        for (const QRect& area : drawnOver.subtracted(keptRows)) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                if (size_t(y) < covered.size() && covered[size_t(y)])
                    continue;
                std::memcpy(reinterpret_cast<QRgb*>(image_.scanLine(y)) + area.left(),
                            reinterpret_cast<const QRgb*>(source.constScanLine(y)) + area.left(),
                            sizeof(QRgb) * size_t(area.width()));
            }
            sincePresent_.add(area);
            sinceMark_.add(area);
        }
        sincePicture_.restart();
        sincePicture_.add(drawnOver.intersected(keptRows));  // still drawn over
    } else {
        if (sameShapeAs(source))  // copy into the image we have, sparing an allocation per frame
            std::memcpy(image_.bits(), source.constBits(), size_t(source.sizeInBytes()));
        else
            image_ = source;
        sincePresent_.forget();
        sinceMark_.forget();
        sincePicture_.restart();
    }
    pictureKey_ = source.cacheKey();
}

void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op)
{
    if (dst.isNull() || src.isNull())
        return;
    const Clip c = clip(dst.image(), x, y, w, h, src.image(), sx, sy);
    if (c.empty())
        return;
    const QImage& in = src.image();
    QImage& out = dst.imageFor(QRect(c.x, c.y, c.w, c.h));
    for (int row = 0; row < c.h; ++row) {
        const auto* s = reinterpret_cast<const QRgb*>(in.constScanLine(c.sy + row)) + c.sx;
        auto* d = reinterpret_cast<QRgb*>(out.scanLine(c.y + row)) + c.x;
        switch (op) {
        case Rop::SrcCopy:
            std::memcpy(d, s, sizeof(QRgb) * c.w);
            break;
        case Rop::SrcAnd:
            for (int i = 0; i < c.w; ++i)
                d[i] = (d[i] & s[i]) | kAlpha;
            break;
        case Rop::SrcInvert:
            for (int i = 0; i < c.w; ++i)
                d[i] = (d[i] ^ s[i]) | kAlpha;
            break;
        }
    }
}

void MaskedDraw(Surface& dst, int x, int y, const Surface& sprite, const Surface& mask)
{
    BitBlt(dst, x, y, sprite.width(), sprite.height(), mask, 0, 0, Rop::SrcAnd);
    BitBlt(dst, x, y, sprite.width(), sprite.height(), sprite, 0, 0, Rop::SrcInvert);
}

} // namespace hovla
