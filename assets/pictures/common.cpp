#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

double hash(int x, int y, uint32_t seed)
{
    uint32_t h = uint32_t(x) * 374761393u + uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

} // namespace

double noise(double x, double y, uint32_t seed)
{
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const double fx = smooth(x - x0);
    const double fy = smooth(y - y0);
    const double a = hash(x0, y0, seed), b = hash(x0 + 1, y0, seed);
    const double c = hash(x0, y0 + 1, seed), d = hash(x0 + 1, y0 + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fbm(double x, double y, uint32_t seed, int octaves)
{
    double sum = 0, amp = 0.5, total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amp * noise(x, y, seed + uint32_t(i) * 101u);
        total += amp;
        x *= 2.03;
        y *= 2.03;
        amp *= 0.5;
    }
    return sum / total;
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

Pair opaquePair(const QImage& painted, const QColor& matte)
{
    const QRgb m0 = matte.rgb();
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32);
    Pair p{QImage(src.size(), QImage::Format_RGB32), QImage(src.size(), QImage::Format_RGB32)};
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* s = reinterpret_cast<QRgb*>(p.sprite.scanLine(y));
        auto* m = reinterpret_cast<QRgb*>(p.mask.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const bool opaque = qAlpha(in[x]) >= 128;
            QRgb c = in[x] | 0xFF000000;
            if (opaque && matte.isValid() && qAlpha(in[x]) < 255) {  // soften the edge towards the matte
                const int a = qAlpha(in[x]);
                auto ch = [&](int top, int back) { return (top * a + back * (255 - a)) / 255; };
                c = qRgb(ch(qRed(c), qRed(m0)), ch(qGreen(c), qGreen(m0)), ch(qBlue(c), qBlue(m0)));
                if ((c & 0xFFFFFF) == 0)
                    c = qRgb(1, 1, 1);
            }
            s[x] = opaque ? c : 0xFF000000;
            m[x] = opaque ? 0xFF000000 : 0xFFFFFFFF;
        }
    }
    return p;
}

Pair complementPair(const QImage& painted)
{
    const QImage src = painted.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Pair p{QImage(src.size(), QImage::Format_RGB32), QImage(src.size(), QImage::Format_RGB32)};
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* s = reinterpret_cast<QRgb*>(p.sprite.scanLine(y));
        auto* m = reinterpret_cast<QRgb*>(p.mask.scanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            const QRgb c = in[x] & 0x00FFFFFF;  // premultiplied: the painting over black
            s[x] = c | 0xFF000000;
            m[x] = (~c & 0x00FFFFFF) | 0xFF000000;
        }
    }
    return p;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor shade(const QColor& c, double factor)
{
    return QColor::fromRgbF(std::clamp(c.redF() * factor, 0.0, 1.0),
                            std::clamp(c.greenF() * factor, 0.0, 1.0),
                            std::clamp(c.blueF() * factor, 0.0, 1.0), c.alphaF());
}

// Windows bitmap: 14-byte file header, 40-byte info header, rows bottom-up,
// each padded to four bytes. 1-bit images carry a two-entry palette, index 0
// black and index 1 white.
QByteArray encodeBmp(const QImage& source, int depth)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const int stride = ((w * depth + 31) / 32) * 4;
    const int paletteSize = depth == 1 ? 8 : 0;
    const int offset = 14 + 40 + paletteSize;
    const int size = offset + stride * h;

    QByteArray out(size, '\0');
    auto* b = reinterpret_cast<unsigned char*>(out.data());
    auto put16 = [&](int at, uint16_t v) { b[at] = v & 0xFF; b[at + 1] = v >> 8; };
    auto put32 = [&](int at, uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = (v >> (8 * i)) & 0xFF;
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, uint32_t(size));
    put32(10, uint32_t(offset));
    put32(14, 40);
    put32(18, uint32_t(w));
    put32(22, uint32_t(h));
    put16(26, 1);
    put16(28, uint16_t(depth));
    put32(34, uint32_t(stride * h));
    put32(38, 3780);  // 96 dots per inch
    put32(42, 3780);
    if (depth == 1) {
        put32(46, 2);
        put32(54, 0x00000000);
        put32(58, 0x00FFFFFF);
    }
    for (int y = 0; y < h; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        unsigned char* row = b + offset + (h - 1 - y) * stride;
        for (int x = 0; x < w; ++x) {
            if (depth == 24) {
                row[3 * x] = qBlue(in[x]);
                row[3 * x + 1] = qGreen(in[x]);
                row[3 * x + 2] = qRed(in[x]);
            } else if ((in[x] & 0xFFFFFF) == 0xFFFFFF) {
                row[x / 8] |= 0x80 >> (x % 8);
            }
        }
    }
    return out;
}

} // namespace art
