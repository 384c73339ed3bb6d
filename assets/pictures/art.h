// The picture generator: every bitmap of the game is drawn here, in code.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdint>
#include <string>
#include <vector>

namespace art {

// A small deterministic generator: the same seed draws the same picture.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return uint32_t(state_ >> 11);
    }
    double uniform() { return (next() & 0xFFFFFF) / double(0x1000000); }
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

private:
    uint64_t state_;
};

// Smooth value noise in 0..1, tileable nowhere, deterministic by seed.
double noise(double x, double y, uint32_t seed);
double fbm(double x, double y, uint32_t seed, int octaves);

// A transparent canvas to paint a sprite on, with antialiasing on.
QImage canvas(int w, int h);

// Sprite and mask of one catalogue pair.
struct Pair {
    QImage sprite;  // RGB32, pure black where the object is absent
    QImage mask;    // RGB32, white where absent, black where opaque
};

// An opaque object: opaque where the painted alpha is at least half. Edge
// pixels are blended towards the matte, the colour the object mostly stands on.
Pair opaquePair(const QImage& painted, const QColor& matte = QColor());
// The warm wood the room's sprites stand on.
inline const QColor kRoomMatte(150, 98, 56);
// A soft object: the sprite is the painting over black, the mask its complement.
Pair complementPair(const QImage& painted);

// A numbered picture ready to store: its pixels and the depth it is stored in.
struct Bitmap {
    std::string name;
    QImage image;
    int depth;  // 24 or 1
};

QByteArray encodeBmp(const QImage& image, int depth);

// The pictures, by subject.
std::vector<Bitmap> spritePictures();
QImage roomPicture(int player);  // 0: bench on the left, 1: on the right
QImage yardPicture();
QImage startButton();
QImage quitButton();
QImage iconPicture(int size);

// Colour helpers.
QColor mix(const QColor& a, const QColor& b, double t);
QColor shade(const QColor& c, double factor);

} // namespace art
