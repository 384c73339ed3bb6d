// The rooms and the yard, 512 x 768 each.
#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

constexpr int W = 512;
constexpr int H = 768;

// Pine panelling: vertical boards with grain, knots and dark seams.
QColor boardColour(int x, int y, int boardWidth, uint32_t seed)
{
    const int board = x / boardWidth;
    const int bx = x % boardWidth;
    const uint32_t bs = seed + uint32_t(board) * 7919u;
    const double tone = 0.9 + 0.2 * noise(board * 3.1, 0.5, seed);
    const double warp = 6.0 * fbm(bx / 40.0, y / 160.0, bs, 3);
    const double grain = 0.5 + 0.5 * std::sin((bx + warp * 3) * 0.55 + fbm(bx / 12.0, y / 90.0, bs + 3, 3) * 9);
    QColor base = mix(QColor(214, 160, 98), QColor(168, 108, 56), grain * 0.55);
    base = shade(base, tone);
    // a knot here and there
    const double kx = boardWidth * (0.3 + 0.4 * noise(board, 7.7, seed + 11));
    const double ky = std::fmod(noise(board, 3.3, seed + 17) * 900.0, 768.0);
    const double kd = std::hypot((bx - kx) * 1.4, y - ky);
    if (kd < 9)
        base = mix(QColor(96, 52, 22), base, kd / 9.0);
    else if (kd < 22)
        base = shade(base, 0.92 + 0.08 * std::sin(kd * 0.9));
    // seam between boards, with a light edge beside it
    if (bx == 0 || bx == boardWidth - 1)
        base = shade(base, 0.45);
    else if (bx == 1)
        base = shade(base, 1.12);
    return base;
}

// A horizontal bench plank: lit top, darker front.
QColor plankColour(int x, int y, uint32_t seed)
{
    const double grain = 0.5 + 0.5 * std::sin(y * 0.8 + fbm(x / 70.0, y / 6.0, seed, 3) * 8);
    return mix(QColor(222, 172, 112), QColor(184, 124, 70), grain * 0.5);
}

QColor stoneColour(int x, int y, uint32_t seed)
{
    const int tile = 64;
    const int tx = x / tile, ty = y / tile;
    const int ix = x % tile, iy = y % tile;
    if (ix < 3 || iy < 3)
        return QColor(120, 116, 108);  // grout
    const double tone = 0.8 + 0.3 * noise(tx * 1.7, ty * 2.3, seed);
    const double speck = fbm(x / 5.0, y / 5.0, seed + 5, 3);
    QColor c = shade(mix(QColor(150, 146, 140), QColor(96, 92, 88), speck), tone);
    if (ix < 6 || iy < 6)
        c = shade(c, 1.1);  // bevel catching the light
    return c;
}

} // namespace

// Player 1's room: lower bench down the left side, stone floor at the lower
// right. Player 2's room is its counterpart, drawn mirrored.
QImage roomPicture(int player)
{
    QImage img(W, H, QImage::Format_RGB32);
    const uint32_t seed = 1000;
    const int benchTop = 360, benchFront = 392, benchBottom = 440;  // upper bench
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int xx = 0; xx < W; ++xx) {
            const int x = player == 0 ? xx : W - 1 - xx;
            QColor c;
            // the lower bench runs from the back wall to the front, widening
            const double lowerEdge = 150 + (y - 440) * 0.42;
            const bool floor = y > 610 && x > lowerEdge + 40;
            if (y >= 440 && x < lowerEdge) {
                const double depth = (y - 440) / 328.0;
                c = plankColour(x, int(y * 0.7 + x * 0.15), seed + 40);
                const int plank = int((x / (lowerEdge + 1)) * 5);
                const double inPlank = std::fmod(x / (lowerEdge + 1) * 5, 1.0);
                if (inPlank < 0.05)
                    c = shade(c, 0.5);
                c = shade(c, 0.85 + 0.15 * depth + 0.03 * plank);
                if (x > lowerEdge - 10)
                    c = shade(c, 1.18);  // front edge highlight
            } else if (floor) {
                c = stoneColour(x, y, seed + 70);
            } else if (y >= benchTop && y < benchFront) {
                c = plankColour(x, y, seed + 20);
                if ((y - benchTop) % 16 == 0)
                    c = shade(c, 0.6);
            } else if (y >= benchFront && y < benchBottom) {
                c = shade(plankColour(x, y * 3, seed + 30), 0.72);
                if (y == benchFront)
                    c = shade(c, 1.4);
            } else {
                c = boardColour(x, y, 58, seed);
                if (y >= benchBottom && y < benchBottom + 36)  // shadow under the upper bench
                    c = shade(c, 0.55 + 0.45 * (y - benchBottom) / 36.0);
            }
            if (y >= 440 && x >= lowerEdge && x < lowerEdge + 26 && !floor)
                c = shade(c, 0.5 + 0.5 * (x - lowerEdge) / 26.0);  // shadow beside the lower bench
            if (floor && x < lowerEdge + 70)
                c = shade(c, 0.6 + 0.4 * (x - lowerEdge - 40) / 30.0);
            // warm light from above the stove, falling off to the corners
            const double dx = (x - 300) / 420.0, dy = (y - 260) / 560.0;
            const double light = std::clamp(1.15 - 0.75 * (dx * dx + dy * dy), 0.5, 1.15);
            c = QColor::fromRgbF(std::clamp(c.redF() * light * 1.02, 0.0, 1.0),
                                 std::clamp(c.greenF() * light, 0.0, 1.0),
                                 std::clamp(c.blueF() * light * 0.94, 0.0, 1.0));
            row[xx] = c.rgb();
        }
    }
    return img;
}

// Evening sky, pure red in the top corners brightening to orange at the
// middle of row 320; flat cyan below.
QImage yardPicture()
{
    QImage img(W, H, QImage::Format_RGB32);
    const double cx = (W - 1) / 2.0, cy = 320;
    const double far = std::hypot(cx, cy);
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            if (y <= 320) {
                const double t = 1.0 - std::hypot(x - cx, y - cy) / far;
                row[x] = qRgb(255, int(std::lround(111 * std::max(0.0, t))), 0);
            } else {
                row[x] = qRgb(0, 255, 255);
            }
        }
    }
    return img;
}

} // namespace art
