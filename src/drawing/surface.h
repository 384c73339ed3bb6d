// A drawing surface: a persistent 32-bit image that raster copies read and
// write, the way the game composes everything off screen.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>

#include <vector>

namespace hovla {

// Raster operations of the game's copies, per pixel and channel.
enum class Rop {
    SrcCopy,    // d = s
    SrcAnd,     // d = d AND s
    SrcInvert,  // d = d XOR s
};

// The system window colour a fresh surface is filled with.
constexpr QRgb kWindowColour = 0xFFFFFFFF;

// The region written since some moment, or not known once a writer did not
// say where it wrote.
class AreaLog {
public:
    void add(const QRect& area)
    {
        if (known_ && !area.isEmpty())
            region_ += area;
    }
    void add(const QRegion& area)
    {
        if (known_)
            region_ += area;
    }
    void forget()
    {
        known_ = false;
        region_ = QRegion();
    }
    void restart()
    {
        known_ = true;
        region_ = QRegion();
    }
    bool known() const { return known_; }
    const QRegion& region() const { return region_; }

private:
    bool known_ = false;
    QRegion region_;
};

class Surface {
public:
    Surface() = default;
    Surface(int width, int height);

    // Assigning a picture replaces the whole image and takes its size.
    void assignPicture(const QImage& picture) { assignPicture(picture, {}); }
    void assignPicture(const Surface& other) { assignPicture(other.image_, {}); }
    // The same, where the rows marked in covered are about to be drawn over
    // whole, and those marked in kept already hold what they would be drawn
    // again to: when only what was drawn over the picture is restored, both
    // are left as they are, and kept rows count as unchanged.
    void assignPicture(const QImage& picture, const std::vector<bool>& covered,
                       const std::vector<bool>& kept = {});
    // Whether assigning this picture restores only what was drawn over it,
    // leaving the rest of the image as it is.
    bool restoresOnly(const QImage& picture) const;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }
    bool isNull() const { return image_.isNull(); }

    const QImage& image() const { return image_; }
    // For writing anywhere: the surface loses track of what changed.
    QImage& imageToWrite()
    {
        pictureKey_ = 0;
        sincePicture_.forget();
        sincePresent_.forget();
        sinceMark_.forget();
        return image_;
    }
    // For writing inside area only. The surface keeps the area, so that
    // assigning the same picture again restores just what was drawn over it,
    // and presenting it copies just what changed.
    QImage& imageFor(const QRegion& area)
    {
        sincePicture_.add(area);
        sincePresent_.add(area);
        sinceMark_.add(area);
        return image_;
    }
    QImage& imageFor(const QRect& area)
    {
        sincePicture_.add(area);
        sincePresent_.add(area);
        sinceMark_.add(area);
        return image_;
    }

    // What changed since markPresented().
    const AreaLog& changes() const { return sincePresent_; }
    void markPresented() { sincePresent_.restart(); }
    // What changed since mark(), for a drawer that keeps track of its own.
    const AreaLog& changesSinceMark() const { return sinceMark_; }
    void mark() { sinceMark_.restart(); }

private:
    bool sameShapeAs(const QImage& source) const;
    bool holds(const QImage& source) const;

    QImage image_;
    qint64 pictureKey_ = 0;  // the picture the image equals outside sincePicture_
    AreaLog sincePicture_;
    AreaLog sincePresent_;
    AreaLog sinceMark_;
};

// The rows marked in rows, as bands from x = left, width wide.
QRegion rowsMarked(const std::vector<bool>& rows, int left, int width);

// Copies w x h pixels from src at (sx, sy) to dst at (x, y), combined by op.
// Clipped to both surfaces; positions may be negative.
void BitBlt(Surface& dst, int x, int y, int w, int h, const Surface& src, int sx, int sy, Rop op);

// The masked draw: dst = (dst AND mask) XOR sprite over the sprite's size.
void MaskedDraw(Surface& dst, int x, int y, const Surface& sprite, const Surface& mask);

} // namespace hovla
