// A drawing surface: a persistent 32-bit image that raster copies read and
// write, the way the game composes everything off screen.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

namespace hovla {

// Raster operations of the game's copies, per pixel and channel.
enum class Rop {
    SrcCopy,    // d = s
    SrcAnd,     // d = d AND s
    SrcInvert,  // d = d XOR s
};

// The system window colour a fresh surface is filled with.
constexpr QRgb kWindowColour = 0xFFFFFFFF;

class Surface {
public:
    Surface() = default;
    Surface(int width, int height);

    // Assigning a picture replaces the whole image and takes its size.
    void assignPicture(const QImage& picture);
    void assignPicture(const Surface& other) { assignPicture(other.image_); }

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isNull() const { return image_.isNull(); }

    const QImage& image() const { return image_; }
    // For writing anywhere: the surface forgets which picture it holds.
    QImage& image()
    {
        forgetPicture();
        return image_;
    }
    // For writing inside area only: the surface remembers the area, so that
    // assigning the same picture again restores just what was drawn over it.
    QImage& imageFor(const QRect& area);

private:
    void forgetPicture()
    {
        pictureKey_ = 0;
        drawnOver_.clear();
        writes_ = 0;
    }

    QImage image_;
    qint64 pictureKey_ = 0;         // the picture the image equals outside drawnOver_
    std::vector<QRect> drawnOver_;  // what was written since that picture came
    int writes_ = 0;
};

// Copies w x h pixels from src at (sx, sy) to dst at (x, y), combined by op.
// Clipped to both surfaces; positions may be negative.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op);

// The masked draw: dst = (dst AND mask) XOR sprite over the sprite's size.
void MaskedDraw(Surface& dst, int x, int y, const Surface& sprite, const Surface& mask);

} // namespace hovla
