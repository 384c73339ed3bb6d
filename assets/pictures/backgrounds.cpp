// The rooms and the yard, 512 x 768 each.
#include "art.h"
#include "figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

constexpr int W = 512;
constexpr int H = 768;

// The room as player 1 sees it. The picture is taken from the end of the
// lower bench: its planks and the floor tiles run towards this point.
constexpr double kVanishX = 87, kVanishY = 290;
constexpr double kLowerBenchSlope = 0.6;    // the bench's inner edge: x = vanish + slope * (y - vanish)
constexpr int kRailTop = 262, kRailBottom = 290;  // backrest board on the wall
constexpr int kSeatTop = 360, kSeatFront = 392, kApronBottom = 440;  // upper bench
constexpr int kWallFloor = 600;               // where the back wall meets the floor
constexpr int kBoardWidth = 52;

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

// Pine: pale wood with darker late-wood streaks that wander along the board.
// `freq` sets how close the streaks lie, `hue` runs from yellow (0) to red (1).
QColor pine(double along, double across, uint32_t seed, double tone, double freq = 0.62, double hue = 0.3)
{
    const double warp = 5.0 * fbm(across / 30.0, along / 140.0, seed, 3);
    const double rings = std::sin((across + warp * 3.2) * freq + fbm(across / 9.0, along / 70.0, seed + 3, 2) * 7);
    const double streak = std::pow(0.5 + 0.5 * rings, 3.0);
    const double fleck = fbm(across / 2.0, along / 25.0, seed + 9, 2);
    const QColor light = mix(QColor(232, 184, 122), QColor(222, 158, 104), hue);
    const QColor dark = mix(QColor(178, 116, 56), QColor(150, 84, 44), hue);
    return shade(mix(light, dark, streak * 0.7 + (fleck - 0.5) * 0.25), tone);
}

// A knot of the wall: where it sits on its board and how big it is.
struct Knot {
    double x, y, size, stretch;
};

// One wall board: its place and width, and what makes it unlike its neighbours.
struct Board {
    double left, width;
    double tone, hue, freq;
    uint32_t seed;
    std::vector<Knot> knots;
};

// The wall's boards, of uneven width, each with its own tone, grain and knots.
const std::vector<Board>& wallBoards()
{
    static const std::vector<Board> boards = [] {
        std::vector<Board> out;
        Rng rng(1907);
        for (double left = -7; left < W; ) {
            Board b{left, rng.range(40, 62), rng.range(0.8, 1.06), rng.uniform(), rng.range(0.42, 0.85),
                    uint32_t(rng.next()), {}};
            const double roll = rng.uniform();
            const int knots = roll < 0.35 ? 0 : roll < 0.75 ? 1 : roll < 0.95 ? 2 : 3;
            for (int k = 0; k < knots; ++k) {
                const double u = rng.uniform();
                b.knots.push_back({b.width * rng.range(0.2, 0.8), rng.range(-30, 640), 2.5 + 6.5 * u * u,
                                   rng.range(1.2, 2.1)});
            }
            out.push_back(b);
            left += b.width;
        }
        return out;
    }();
    return boards;
}

// A knot: dark core with a darker rim, rings pushed round it. The core
// colour replaces `c`; the rings darken it.
void knot(double dx, double dy, const Knot& k, QColor& c)
{
    const double d = std::hypot(dx * k.stretch, dy) / k.size;
    if (d > 3.0)
        return;
    if (d < 1.0) {
        const double swirl = 0.5 + 0.5 * std::sin(d * 9.0 + std::atan2(dy, dx) * 2);
        c = mix(QColor(84, 40, 16), QColor(136, 76, 34), d * d * (0.7 + 0.3 * swirl));
        if (d > 0.82)
            c = shade(c, 0.7);
        return;
    }
    c = shade(c, 1 - 0.14 * (0.5 + 0.5 * std::sin(d * 4.0)) * (3.0 - d) / 2.0);
}

// The vertical wall boards: grain bent round the knots, dark seams.
QColor wallBoard(int x, int y, uint32_t seed)
{
    const auto& boards = wallBoards();
    const auto it = std::upper_bound(boards.begin(), boards.end(), double(x),
                                     [](double v, const Board& b) { return v < b.left; });
    const Board& b = *(it - 1);
    const double bx = x - b.left;
    double across = bx + b.left * 0.7;
    for (const Knot& k : b.knots) {  // the grain flows round a knot
        const double dx = bx - k.x, dy = y - k.y;
        const double s = k.size * 3.0;
        across -= (dx >= 0 ? 1 : -1) * k.size * 1.6 * std::exp(-(dx * dx) / (s * s) - (dy * dy) / (4 * s * s));
    }
    QColor c = pine(y, across, seed + b.seed % 9973, b.tone + 0.05 * (noise(b.left, y / 160.0, seed) - 0.5),
                    b.freq, b.hue);
    for (const Knot& k : b.knots)
        knot(bx - k.x, y - k.y, k, c);
    if (bx < 2)
        c = shade(c, 0.36 + 0.2 * bx + 0.08 * noise(b.left, y / 9.0, seed + 5));  // the groove
    else if (bx < 4)
        c = shade(c, 1.12);  // its lit tongue
    else if (bx > b.width - 3)
        c = shade(c, 0.8);
    return c;
}

// A horizontal plank seen from the front or from above.
QColor plank(double along, double across, uint32_t seed)
{
    QColor c = pine(along, across * 1.6, seed, 1.05);
    return c;
}

// Slate-grey stone tiles laid on the floor, in perspective, with grout.
QColor floorTile(double tx, double tz, uint32_t seed)
{
    const double fx = tx - std::floor(tx), fz = tz - std::floor(tz);
    const int ix = int(std::floor(tx)), iz = int(std::floor(tz));
    const double groutX = std::min(fx, 1 - fx), groutZ = std::min(fz, 1 - fz);
    const double grout = std::min(groutX * 1.0, groutZ * 1.0);
    const double tone = 0.78 + 0.32 * noise(ix * 1.7, iz * 2.3, seed);
    const double speck = fbm(tx * 14, tz * 14, seed + 5, 4);
    QColor c = shade(mix(QColor(168, 160, 150), QColor(92, 86, 80), speck), tone);
    if (grout < 0.025)
        return QColor(70, 62, 54);
    if (grout < 0.06)
        c = shade(c, fz < 0.5 && groutZ < groutX ? 1.14 : 0.85);  // bevel: near edges lit
    return c;
}

// How thick the lower bench's front board looks, growing towards the camera.
double benchThickness(double dy) { return 8 + dy * 0.09; }

// The shade the lower bench casts to its right, on the hollow and the floor.
double benchShadow(double x, double y)
{
    const double dy = y - kVanishY;
    const double edge = kVanishX + kLowerBenchSlope * dy + benchThickness(dy);
    if (y < kApronBottom || x < edge)
        return 1.0;
    return 0.55 + 0.45 * clamp01((x - edge) / (18 + dy * 0.12));
}

// The heat shield on the wall behind the stove: a sooty steel panel with a
// steel trim. It is dark (no channel above 0x2F) and exactly grey, so the
// steam, which lightens what lies under it, shows there as grey as it is.
constexpr int kShieldLeft = 384, kShieldTop = 446;
constexpr int kTrim = 5;

bool onShield(int x, int y) { return x >= kShieldLeft && y >= kShieldTop && y < kWallFloor; }

QColor shieldPixel(int x, int y, uint32_t seed)
{
    const int fromLeft = x - kShieldLeft, fromTop = y - kShieldTop;
    if (fromLeft < kTrim || fromTop < kTrim) {  // the steel trim, lit along its top
        const double lit = fromTop < kTrim ? 1.0 - fromTop / double(kTrim) : 0.4 + 0.3 * fromLeft / kTrim;
        return shade(QColor(120, 112, 108), 0.55 + 0.5 * lit + 0.1 * (noise(x / 3.0, y, seed) - 0.5));
    }
    // a soft sheen running down from the upper left, dimmed by soot in blotches
    const double along = (fromLeft * 0.8 + fromTop * 0.6) / 90.0;
    const double sheen = std::exp(-std::pow((along - 0.9) / 0.55, 2));
    const double soot = fbm(x / 14.0, y / 9.0, seed + 90, 3);
    const int v = std::clamp(int(std::lround(12 + 26 * sheen * (0.5 + 0.5 * soot) + 10 * soot)), 0, 0x2F);
    return QColor(v, v, v);
}

QColor roomPixel(int x, int y, uint32_t seed)
{
    if (onShield(x, y))
        return shieldPixel(x, y, seed);
    const double lowerEdge = kVanishX + kLowerBenchSlope * (y - kVanishY);
    const double dy = y - kVanishY;
    QColor c;
    double shadow = 1.0;
    if (y >= kApronBottom && x < lowerEdge) {
        // the lower bench: planks running towards the back wall
        const double u = (x - kVanishX) / dy;
        const double plankU = (kLowerBenchSlope - u) / 0.125;
        const int n = int(plankU);
        const double inPlank = plankU - n;
        const double depth = 4000.0 / dy;
        c = plank(depth * 6, inPlank * 60 + n * 90, seed + 40 + uint32_t(n));
        c = shade(c, 0.92 + 0.08 * noise(n, 1, seed));
        if (inPlank < 0.035 || inPlank > 0.975)
            c = shade(c, 0.35);  // the gap between planks
        const double edgeWidth = 2 + dy * 0.012;
        if (x > lowerEdge - edgeWidth)
            c = mix(c, QColor(255, 214, 160), 0.3);  // the rounded front edge catches the light
        // the seat faces the lamp: lit well above the floor and the hollow around it
        shadow = 1.15 + 0.2 * clamp01((y - kApronBottom) / 160.0);
    } else if (y >= kApronBottom && x < lowerEdge + benchThickness(dy)) {
        // the lower bench's front board, seen edge on, darker than the seat
        c = plank(y * 2.0, (x - lowerEdge) * 3.0, seed + 45);
        c = shade(c, 0.9 - 0.3 * (x - lowerEdge) / benchThickness(dy));
        if (x > lowerEdge + benchThickness(dy) - 1.5)
            c = shade(c, 0.5);  // its lower edge against the dark under the bench
    } else if (y >= kSeatTop && y < kSeatFront) {
        // upper bench seat: two planks seen from above
        const int n = (y - kSeatTop) / 16;
        c = plank(x, (y - kSeatTop) * 3.0, seed + 20 + uint32_t(n));
        const int in = (y - kSeatTop) % 16;
        if (in < 2)
            c = shade(c, 0.45);
        c = shade(c, 0.9 + 0.1 * (y - kSeatTop) / 32.0);
    } else if (y >= kSeatFront && y < kApronBottom) {
        // upper bench apron, facing the camera; the nosing bright
        c = plank(x, (y - kSeatFront) * 2.2, seed + 30);
        const double t = (y - kSeatFront) / double(kApronBottom - kSeatFront);
        c = shade(c, y < kSeatFront + 4 ? 1.25 : 0.95 - 0.2 * t);
        if (y > kApronBottom - 3)
            c = shade(c, 0.6);
    } else if (y >= kWallFloor) {
        // stone floor
        const double tz = 2600.0 / dy;
        const double tx = (x - kVanishX) / dy * 4.2;
        c = floorTile(tx, tz, seed + 70);
        shadow = benchShadow(x, y);
        shadow *= 0.8 + 0.2 * clamp01((y - kWallFloor) / 40.0);  // where the floor meets the wall
    } else {
        c = wallBoard(x, y, seed);
        if (y >= kRailTop && y < kRailBottom) {
            // the backrest board
            c = plank(x, (y - kRailTop) * 2.5, seed + 50);
            c = shade(c, y < kRailTop + 3 ? 1.2 : (y > kRailBottom - 3 ? 0.6 : 1.0));
        } else if (y >= kRailBottom && y < kRailBottom + 14) {
            shadow = 0.6 + 0.4 * (y - kRailBottom) / 14.0;
        } else if (y >= kApronBottom) {
            // the dark hollow under the upper bench
            shadow = 0.42 - 0.12 * clamp01((y - kApronBottom) / 120.0);
            shadow *= benchShadow(x, y);
        }
        if (y >= kSeatTop - 10 && y < kSeatTop)
            shadow = std::min(shadow, 0.75 + 0.25 * (kSeatTop - y) / 10.0);
    }
    // warm light from above the middle, falling off to the corners
    const double lx = (x - 290) / 360.0, ly = (y - 250) / 520.0;
    const double light = std::clamp(1.12 - 0.7 * (lx * lx + ly * ly), 0.45, 1.12);
    // a soft vignette, kept off the top where the readouts are written
    const double vx = (x - 256) / 300.0, vy = (y - 360) / (y > 360 ? 420.0 : 900.0);
    const double vignette = 1 - 0.45 * std::pow(clamp01((std::hypot(vx, vy) - 0.5) / 0.7), 1.4);
    // the stove's red glow on the floor and the wall near it
    const double gx = (x - 470) / 220.0, gy = (y - 650) / 190.0;
    const double glow = 0.42 * std::exp(-(gx * gx + gy * gy));
    const double k = shadow * light * vignette;
    return QColor::fromRgbF(clamp01(c.redF() * k * 1.04 + glow * 0.85), clamp01(c.greenF() * k + glow * 0.26),
                            clamp01(c.blueF() * k * 0.88 + glow * 0.06));
}

// Soft shadows that the bather and the stove cast where they rest, in view
// pixels: the body as placed by the match (mirrored for player 1), the stove
// on its feet.
constexpr QPoint kBodyAt[2] = {{30, 220}, {80, 220}};
constexpr QPoint kStoveAt[2] = {{400, 500}, {-30, 500}};
constexpr QSize kStoveSize(168, 227);
// the water bucket's place, and the middle of its base in its own picture
constexpr QPoint kBucketAt[2] = {{20, 400}, {280, 400}};
constexpr QPointF kBucketBase(90, 187);
constexpr int kBucketW = 200;
constexpr int kShadowBlur = 7;

// Three box blurs in each direction: close to a Gaussian.
void blur(std::vector<float>& v, int w, int h, int radius)
{
    std::vector<float> tmp(v.size());
    auto pass = [&](int count, int stride, int lines, int lineStride) {
        for (int l = 0; l < lines; ++l) {
            float* src = v.data() + l * lineStride;
            float* dst = tmp.data() + l * lineStride;
            double sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += src[std::clamp(i, 0, count - 1) * stride];
            for (int i = 0; i < count; ++i) {
                dst[i * stride] = float(sum / (2 * radius + 1));
                sum += src[std::min(i + radius + 1, count - 1) * stride] - src[std::max(i - radius, 0) * stride];
            }
            for (int i = 0; i < count; ++i)
                src[i * stride] = dst[i * stride];
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(w, 1, h, w);
        pass(h, w, w, 1);
    }
}

const QImage& bodyImage()
{
    static const QImage body = bodyPicture().convertToFormat(QImage::Format_ARGB32);
    return body;
}

void addContactShadows(QImage& img, int player)
{
    std::vector<float> dark(size_t(W) * H, 0.0f);
    // the body, shifted away from the light towards the wall and the bench
    const QImage& body = bodyImage();
    const int away = player == 0 ? -14 : 14;
    for (int y = 0; y < body.height(); ++y) {
        for (int x = 0; x < body.width(); ++x) {
            const int sx = player == 0 ? body.width() - 1 - x : x;
            const int vx = kBodyAt[player].x() + x + away, vy = kBodyAt[player].y() + y + 12;
            if (vx >= 0 && vx < W && vy >= 0 && vy < H)
                dark[size_t(vy) * W + vx] = std::max(dark[size_t(vy) * W + vx], qAlpha(body.pixel(sx, y)) / 255.0f * 0.6f);
        }
    }
    // the stove: a flat pool under its box and feet
    const QPointF foot(kStoveAt[player].x() + kStoveSize.width() / 2.0, kStoveAt[player].y() + kStoveSize.height() - 6);
    for (int y = int(foot.y()) - 24; y < std::min(H, int(foot.y()) + 24); ++y)
        for (int x = std::max(0, int(foot.x()) - 120); x < std::min(W, int(foot.x()) + 120); ++x) {
            const double r = std::hypot((x - foot.x()) / 104.0, (y - foot.y()) / 16.0);
            dark[size_t(y) * W + x] = std::max(dark[size_t(y) * W + x], float(0.75 * clamp01(1.3 - r)));
        }
    blur(dark, W, H, kShadowBlur);
    // where her hips and thighs rest on the lower bench: a tight, dark contact
    // shadow round them on the seat, unshifted so it shows on both sides
    std::vector<float> contact(size_t(W) * H, 0.0f);
    for (int y = 0; y < body.height(); ++y) {
        for (int x = 0; x < body.width(); ++x) {
            const int sx = player == 0 ? body.width() - 1 - x : x;
            const int vx = kBodyAt[player].x() + x, vy = kBodyAt[player].y() + y + 5;
            if (vx >= 0 && vx < W && vy >= 0 && vy < H)
                contact[size_t(vy) * W + vx] = qAlpha(body.pixel(sx, y)) / 255.0f;
        }
    }
    blur(contact, W, H, 8);
    for (int y = kApronBottom; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const int rx = player == 0 ? x : W - 1 - x;  // in the room as player 1 sees it
            const double dy = y - kVanishY;
            if (rx < kVanishX + kLowerBenchSlope * dy + benchThickness(dy)) {
                float& d = dark[size_t(y) * W + x];
                d = std::max(d, float(0.75 * std::pow(std::min(1.0f, contact[size_t(y) * W + x] * 2.4f), 0.7f)));
            }
        }
    // the bucket set down on the boards: a dark rim of shade hugging its base
    // and a softer pool spreading out from it, so it stands rather than floats
    const double baseX = player == 0 ? kBucketAt[0].x() + kBucketBase.x() : kBucketAt[1].x() + kBucketW - 1 - kBucketBase.x();
    const QPointF base(baseX, kBucketAt[player].y() + kBucketBase.y());
    for (int y = int(base.y()) - 20; y < std::min(H, int(base.y()) + 20); ++y)
        for (int x = std::max(0, int(base.x()) - 110); x < std::min(W, int(base.x()) + 110); ++x) {
            const double pool = clamp01(1.3 - std::hypot((x - base.x()) / 90.0, (y - base.y() - 3) / 13.0));
            const double rim = clamp01(1.7 - std::hypot((x - base.x()) / 72.0, (y - base.y() - 2) / 6.5));
            float& d = dark[size_t(y) * W + x];
            d = std::max(d, float(std::max(0.55 * pool * pool, 0.78 * rim)));
        }
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            const double k = 1.0 - dark[size_t(y) * W + x];
            row[x] = qRgb(int(qRed(row[x]) * k), int(qGreen(row[x]) * k), int(qBlue(row[x]) * k));
        }
    }
}

// The board behind the readouts: a pale plank across the top of the wall,
// rows 18 to 61, a dark gap above and below it and its end cut square at the
// left. The readouts print on it, and during a trip it shows above the yard.
constexpr int kBoardTop = 18, kBoardBottom = 61, kBoardLeft = 7;

void paintReadoutBoard(QImage& img)
{
    for (int y = kBoardTop; y <= kBoardBottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = kBoardLeft; x < W; ++x) {
            QColor c = pine(x, (y - kBoardTop) * 2.0, 1150, 1.08, 0.5, 0.1);
            const int down = y - kBoardTop, up = kBoardBottom - y;
            if (down < 2 || up < 2)
                c = shade(c, 0.3);  // the gap to the wall
            else if (down < 4)
                c = shade(c, 1.15);  // the lit top edge
            else if (up < 4)
                c = shade(c, 0.72);  // the underside in shadow
            if (x < kBoardLeft + 3)
                c = shade(c, 0.6);  // the sawn end
            row[x] = c.rgb();
        }
    }
}

} // namespace

// Player 1's room: lower bench down the left side, stone floor at the lower
// right. Player 2's room is its counterpart, drawn mirrored.
QImage roomPicture(int player)
{
    QImage img(W, H, QImage::Format_RGB32);
    const uint32_t seed = 1000;
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x)
            row[player == 0 ? x : W - 1 - x] = roomPixel(x, y, seed).rgb();
    }
    addContactShadows(img, player);
    paintReadoutBoard(img);
    return img;
}

// Evening sky, pure red in the top corners brightening to orange at the
// middle of row 320, with the sun half set on the lake there, above its
// glitter, in a soft glow; flat cyan below. The readouts' board crosses it
// as in the rooms, so no sky shows between the readouts during a trip.
QImage yardPicture()
{
    QImage img(W, H, QImage::Format_RGB32);
    const double cx = (W - 1) / 2.0, cy = 320;
    const double far = std::hypot(cx, cy);
    const QPointF sun(247, 314);
    constexpr double kSunR = 20;
    const QColor sunMiddle(0xFF, 0xD0, 0x60), sunRim(0xFF, 0x9A, 0x20), glow(0xFF, 0xB0, 0x40);
    for (int y = 0; y < H; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < W; ++x) {
            if (y <= 320) {
                const double t = 1.0 - std::hypot(x - cx, y - cy) / far;
                QColor c = QColor(255, int(std::lround(111 * std::max(0.0, t))), 0);
                const double d = std::hypot(x + 0.5 - sun.x(), y + 0.5 - sun.y());
                if (y < 318) {  // under the lake from there on, the horizon's own orange kept
                    c = mix(c, glow, 0.5 * std::exp(-std::pow(std::max(0.0, d - kSunR) / 14, 2)));
                    const QColor disc = mix(sunMiddle, sunRim, std::pow(d / kSunR, 3));
                    c = mix(c, disc, std::clamp(kSunR + 0.5 - d, 0.0, 1.0));  // its rim smoothed over a pixel
                }
                row[x] = c.rgb();
            } else {
                row[x] = qRgb(0, 255, 255);
            }
        }
    }
    paintReadoutBoard(img);
    return img;
}

} // namespace art
