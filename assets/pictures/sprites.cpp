// The numbered sprites. Each is drawn as stored, which is player 2's side for
// the bather (player 1 sees it mirrored) and player 1's side for the bucket
// and the resting ladle.
#include "art.h"
#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>
#include <functional>

namespace art {

namespace {

const QColor kSuit(200, 28, 36);
const QColor kCopper(196, 110, 52);
const QColor kWood(176, 118, 62);

// A limb from a to b, width w at a tapering to w2 at b, with a rounded end.
void limb(QPainter& p, QPointF a, QPointF b, double w, double w2, const QColor& c)
{
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF n(-d.y() / len, d.x() / len);
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    path.moveTo(a + n * (w / 2));
    path.lineTo(b + n * (w2 / 2));
    path.lineTo(b - n * (w2 / 2));
    path.lineTo(a - n * (w / 2));
    path.closeSubpath();
    path.addEllipse(a, w / 2, w / 2);
    path.addEllipse(b, w2 / 2, w2 / 2);
    QLinearGradient g(a + n * (w / 2), a - n * (w / 2));
    g.setColorAt(0, shade(c, 1.12));
    g.setColorAt(0.55, c);
    g.setColorAt(1, shade(c, 0.72));
    p.setPen(QPen(shade(c, 0.55), 1.2));
    p.setBrush(g);
    p.drawPath(path.simplified());
}

// ---- props ----

// A smooth closed blob through points round a centre: a stone's outline.
QPainterPath stoneOutline(QPointF c, double rx, double ry, Rng& rng)
{
    constexpr int kPoints = 9;
    const double turn = rng.range(0, 6.283);
    QPointF pts[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        const double a = turn + i * 6.283 / kPoints;
        const double k = rng.range(0.82, 1.12);
        pts[i] = c + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k);
    }
    QPainterPath path;
    path.moveTo((pts[kPoints - 1] + pts[0]) / 2);
    for (int i = 0; i < kPoints; ++i)
        path.quadTo(pts[i], (pts[i] + pts[(i + 1) % kPoints]) / 2);
    path.closeSubpath();
    return path;
}

void stoveStone(QPainter& p, QPointF c, double r, Rng& rng)
{
    const double flat = rng.range(0.62, 0.85);
    const QPainterPath stone = stoneOutline(c, r, r * flat, rng);
    const int grey = int(rng.range(84, 160));
    const double warm = rng.range(-10, 10);  // some stones brownish, some bluish
    const QColor lit(std::clamp(int(grey + 64 + warm), 0, 255), grey + 60, std::clamp(int(grey + 58 - warm), 0, 255));
    const QColor dark(std::clamp(int(grey * 0.34 + warm), 0, 255), int(grey * 0.33), std::clamp(int(grey * 0.36 - warm), 0, 255));
    QRadialGradient g(c + QPointF(-r * 0.15, -r * 0.2), r * 1.15, c + QPointF(-r * 0.35, -r * 0.45 * flat));
    g.setColorAt(0, lit);
    g.setColorAt(0.55, mix(lit, dark, 0.45));
    g.setColorAt(1, dark);
    p.setPen(QPen(QColor(28, 26, 28, 200), 1));
    p.setBrush(g);
    p.drawPath(stone);
    // a faint glow of the fire on the underside
    p.save();
    p.setClipPath(stone);
    QRadialGradient under(c + QPointF(0, r * flat * 1.1), r * 0.9);
    under.setColorAt(0, QColor(255, 90, 40, 40));
    under.setColorAt(1, QColor(255, 90, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(under);
    p.drawRect(stone.boundingRect());
    p.restore();
}

// Flecks and brushed streaks over what is painted, so the metal and the
// stones are not flat; transparent pixels stay as they are.
void grain(QImage& img, QRect area, double amount, double streakX, uint32_t seed)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            const double n = fbm(x / streakX, y / 1.5, seed, 3) - 0.5 + 0.5 * (noise(x * 0.9, y * 0.9, seed + 7) - 0.5);
            const double k = 1 + amount * n;
            row[x] = qRgba(std::clamp(int(qRed(row[x]) * k), 0, qAlpha(row[x])),
                           std::clamp(int(qGreen(row[x]) * k), 0, qAlpha(row[x])),
                           std::clamp(int(qBlue(row[x]) * k), 0, qAlpha(row[x])), qAlpha(row[x]));
        }
    }
}

// The stove: a riveted dark blue-violet steel box on red feet, its fire door
// glowing, a heap of stones on top. Player 1 sees columns 0..111, player 2
// columns 30..167, so the door and its handle lie within both.
constexpr QRectF kStoveBox(8, 74, 152, 134);
constexpr QRectF kStoveDoor(36, 114, 62, 64);

void stoveFeet(QPainter& p)
{
    for (double x : {20.0, 130.0}) {
        QLinearGradient g(x, 0, x + 18, 0);
        g.setColorAt(0, QColor(120, 14, 12));
        g.setColorAt(0.35, QColor(226, 60, 44));
        g.setColorAt(1, QColor(92, 10, 10));
        p.setPen(QPen(QColor(60, 6, 6), 1));
        p.setBrush(g);
        QPainterPath foot;
        foot.moveTo(x, 204);
        foot.lineTo(x + 18, 204);
        foot.lineTo(x + 16, 222);
        foot.quadTo(x + 16, 226, x + 12, 226);
        foot.lineTo(x + 6, 226);
        foot.quadTo(x + 2, 226, x + 2, 222);
        foot.closeSubpath();
        p.drawPath(foot);
    }
}

void stoveBox(QPainter& p)
{
    // the steel: dark violet at the sides, a sheen a third of the way across
    QLinearGradient g(kStoveBox.left(), 0, kStoveBox.right(), 0);
    g.setColorAt(0, QColor(14, 16, 36));
    g.setColorAt(0.12, QColor(36, 40, 78));
    g.setColorAt(0.3, QColor(80, 88, 136));
    g.setColorAt(0.4, QColor(46, 50, 92));
    g.setColorAt(0.78, QColor(30, 32, 66));
    g.setColorAt(1, QColor(12, 12, 30));
    p.setPen(QPen(QColor(10, 8, 22), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(kStoveBox, 5, 5);
    // bevelled edges: lit along the top and left, dark along the bottom and right
    const QRectF in = kStoveBox.adjusted(2, 2, -2, -2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(136, 146, 204, 150), 2));
    p.drawLine(in.topLeft() + QPointF(3, 0), in.topRight() - QPointF(3, 0));
    p.drawLine(in.topLeft() + QPointF(0, 3), in.bottomLeft() - QPointF(0, 3));
    p.setPen(QPen(QColor(6, 4, 16, 170), 2));
    p.drawLine(in.bottomLeft() + QPointF(3, 0), in.bottomRight() - QPointF(3, 0));
    p.drawLine(in.topRight() + QPointF(0, 3), in.bottomRight() - QPointF(0, 3));
    // seams of the top and bottom bands, with rivets along them
    for (double y : {kStoveBox.top() + 22, kStoveBox.bottom() - 16}) {
        p.setPen(QPen(QColor(12, 8, 28), 1.2));
        p.drawLine(QPointF(in.left() + 1, y), QPointF(in.right() - 1, y));
        p.setPen(QPen(QColor(110, 118, 176, 120), 1));
        p.drawLine(QPointF(in.left() + 1, y + 1.2), QPointF(in.right() - 1, y + 1.2));
        for (double x = in.left() + 8; x < in.right() - 4; x += 14.5) {
            const QPointF c(x, y - 7);
            QRadialGradient r(c - QPointF(0.8, 0.8), 2.6);
            r.setColorAt(0, QColor(182, 190, 232));
            r.setColorAt(0.5, QColor(70, 76, 128));
            r.setColorAt(1, QColor(14, 10, 30));
            p.setPen(Qt::NoPen);
            p.setBrush(r);
            p.drawEllipse(c, 2.3, 2.3);
        }
    }
}

void stoveDoor(QPainter& p)
{
    // the fire's glow spilling onto the steel round the door
    QRadialGradient halo(kStoveDoor.center(), 70);
    halo.setColorAt(0, QColor(255, 80, 30, 150));
    halo.setColorAt(0.55, QColor(230, 50, 30, 60));
    halo.setColorAt(1, QColor(200, 30, 30, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.save();
    p.setClipRect(kStoveBox.adjusted(3, 24, -3, -18));
    p.drawRect(kStoveBox);
    p.restore();
    // the frame: a raised steel surround lit red on its inner edges
    const QRectF frame = kStoveDoor.adjusted(-6, -6, 6, 6);
    QLinearGradient fg(frame.topLeft(), frame.bottomRight());
    fg.setColorAt(0, QColor(98, 104, 156));
    fg.setColorAt(0.5, QColor(44, 46, 88));
    fg.setColorAt(1, QColor(20, 14, 38));
    p.setPen(QPen(QColor(10, 6, 20), 1.2));
    p.setBrush(fg);
    p.drawRoundedRect(frame, 8, 8);
    // the opening: embers, white-hot in the middle, deep red at the edges
    QRadialGradient fire(kStoveDoor.center() + QPointF(0, 8), 52, kStoveDoor.center() + QPointF(-4, 10));
    fire.setColorAt(0, QColor(255, 248, 200));
    fire.setColorAt(0.25, QColor(255, 206, 80));
    fire.setColorAt(0.55, QColor(246, 112, 26));
    fire.setColorAt(0.85, QColor(170, 34, 12));
    fire.setColorAt(1, QColor(90, 12, 8));
    p.setPen(QPen(QColor(255, 120, 60, 200), 1.5));
    p.setBrush(fire);
    p.drawRoundedRect(kStoveDoor, 6, 6);
    // glowing coals at the bottom of the opening
    Rng rng(202);
    p.save();
    p.setClipRect(kStoveDoor.adjusted(1, 1, -1, -1));
    for (int i = 0; i < 12; ++i) {
        const QPointF c(kStoveDoor.left() + rng.range(0, kStoveDoor.width()), kStoveDoor.bottom() - rng.range(0, 12));
        const double r = rng.range(6, 11);
        QRadialGradient coal(c, r);
        coal.setColorAt(0, QColor(255, int(rng.range(150, 220)), 70, 110));
        coal.setColorAt(0.6, QColor(210, 60, 16, 50));
        coal.setColorAt(1, QColor(120, 16, 6, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(coal);
        p.drawEllipse(c, r * 1.3, r * 0.6);
    }
    p.restore();
    // the grate: dark bars lit from the fire on their sides
    for (int i = 1; i < 5; ++i) {
        const double x = kStoveDoor.left() + i * kStoveDoor.width() / 5;
        QLinearGradient bar(x - 2.5, 0, x + 2.5, 0);
        bar.setColorAt(0, QColor(200, 70, 30));
        bar.setColorAt(0.4, QColor(40, 18, 30));
        bar.setColorAt(1, QColor(150, 46, 24));
        p.setPen(Qt::NoPen);
        p.setBrush(bar);
        p.drawRect(QRectF(x - 2.5, kStoveDoor.top(), 5, kStoveDoor.height()));
    }
    // a handle on the frame
    p.setPen(QPen(QColor(20, 14, 34), 1));
    p.setBrush(QColor(150, 140, 190));
    p.drawRoundedRect(QRectF(kStoveDoor.right() - 4, kStoveDoor.top() + 26, 12, 6), 2, 2);
}

// A heap of stones of mixed sizes dropped at random on a dome, the ones at the
// back drawn first; smaller ones lie higher up.
void stoveStones(QPainter& p)
{
    Rng rng(201);
    struct Stone {
        QPointF c;
        double r;
    };
    std::vector<Stone> heap;
    while (heap.size() < 48) {
        const double across = rng.range(-1, 1);  // -1 at the left end of the heap, 1 at the right
        const double up = std::pow(rng.uniform(), 1.3);  // 0 on the lip, 1 at the crown
        const double crown = 1 - across * across;
        const double r = rng.range(9, 19) * (1 - 0.3 * up) * (0.8 + 0.2 * crown);
        const double cx = std::clamp(84 + across * 74, 6 + 1.12 * r, 162 - 1.12 * r);
        const double cy = 74 - up * (16 + 44 * crown) + rng.range(-2, 2);
        const bool crowded = std::any_of(heap.begin(), heap.end(), [&](const Stone& o) {
            return std::hypot(o.c.x() - cx, (o.c.y() - cy) * 1.4) < 0.5 * (o.r + r);
        });
        if (!crowded)
            heap.push_back({QPointF(cx, cy), r});
    }
    std::sort(heap.begin(), heap.end(), [](const Stone& a, const Stone& b) { return a.c.y() < b.c.y(); });
    for (const Stone& stone : heap)
        stoveStone(p, stone.c, stone.r, rng);
}

QImage stove()
{
    QImage img = canvas(168, 227);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stoveFeet(p);
    stoveBox(p);
    p.save();
    p.setClipRect(QRectF(0, 0, 168, 80));  // the lowest stones end behind the lip
    stoveStones(p);
    p.restore();
    // the lip of the top band in front of the lowest stones
    QLinearGradient lip(0, 70, 0, 82);
    lip.setColorAt(0, QColor(110, 118, 176));
    lip.setColorAt(0.35, QColor(52, 56, 104));
    lip.setColorAt(1, QColor(20, 20, 46));
    p.setPen(QPen(QColor(10, 8, 22), 1.2));
    p.setBrush(lip);
    p.drawRoundedRect(QRectF(4, 70, 160, 11), 3, 3);
    p.end();
    grain(img, QRect(4, 0, 160, 81), 0.18, 3.0, 2011);  // stones: flecks
    grain(img, QRect(4, 82, 160, 145), 0.10, 30.0, 2013);  // steel: brushed streaks
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    stoveDoor(p);
    return img;
}

// Where the match puts the resting ladle and the water in each room (both
// drawn mirrored in player 2's room, the water in both), and the levels the
// water sinks to as the bucket empties.
constexpr QPoint kRestingLadleAt[2] = {{80, 340}, {250, 340}};
constexpr bool kRestingLadleMirrored[2] = {false, true};
constexpr int kWaterLeft[2] = {45, 333};
constexpr int kWaterTops[] = {500, 504, 508, 512, 516};

// The water picture's whole ellipse, which the bucket's opening lies round,
// and the water surface within it: lower and narrower, so a strip of the
// far inner wall shows above it even when the bucket is full.
constexpr QRectF kWaterPicture(1, 1, 117, 41);
constexpr QRectF kWaterSurface(8, 10, 103, 32);

// The ellipse `e` of the water picture in the bucket's own picture at the
// level `top` of `room`: player 1's bucket stands at (20, 400), player 2's at
// (280, 400) mirrored, and the water is drawn mirrored in both.
QRectF waterInBucket(int room, int top, const QRectF& e = kWaterSurface)
{
    constexpr double kWaterW = 119, kBucketW = 200;
    const double left = kWaterLeft[room] + kWaterW - e.right();
    const double right = kWaterLeft[room] + kWaterW - e.left();
    const double y = top + e.top() - 400;
    return room == 0 ? QRectF(left - 20, y, right - left, e.height())
                     : QRectF(280 + kBucketW - right, y, right - left, e.height());
}

// An ellipse by its centre and radii, to move between two of them.
struct Oval {
    double cx, cy, rx, ry;
    bool holds(double x, double y) const { return std::pow((x - cx) / rx, 2) + std::pow((y - cy) / ry, 2) <= 1; }
    static Oval of(const QRectF& r) { return {r.center().x(), r.center().y(), r.width() / 2, r.height() / 2}; }
    Oval towards(const Oval& o, double s) const
    {
        return {cx + (o.cx - cx) * s, cy + (o.cy - cy) * s, rx + (o.rx - rx) * s, ry + (o.ry - ry) * s};
    }
};

// The bucket, drawn as player 1 sees it: its leftmost stave rises tall at the
// upper left, behind the rim, and runs on down the front wall. Its opening,
// the inside of the rim, lies just round the water picture at its fullest in
// both rooms. Inside it is wood: dry above the water, and wet and dark
// wherever the water lies at one level or another, so the water surface,
// which lightens what lies under it, keeps its own teal there.
Oval bucketOpening()
{
    const QRectF both = waterInBucket(0, kWaterTops[0], kWaterPicture).united(waterInBucket(1, kWaterTops[0], kWaterPicture));
    return Oval::of(both.adjusted(-1.5, -7.5, 1.5, 1.5));  // a taller strip of wall above the water
}

// The rim's top, from the opening out to the staves' outer faces, as flat as the opening.
Oval bucketRim()
{
    constexpr double kThick = 10;
    const Oval o = bucketOpening();
    return {o.cx, o.cy, o.rx + kThick, o.ry + kThick * o.ry / o.rx};
}

QRectF box(const Oval& o) { return QRectF(o.cx - o.rx, o.cy - o.ry, 2 * o.rx, 2 * o.ry); }

constexpr double kTallStaveLeft = 13, kTallStaveRight = 45, kTallStaveTop = 4;
constexpr double kStaveStep = 19.6;  // width of the other staves along the front
constexpr double kBucketBottom = 196;  // the lowest point of the front wall

// The front wall with the front half of the rim's top: it hides the water
// below the opening's front edge when the water has sunk.
QPainterPath bucketWall()
{
    const Oval rim = bucketRim(), opening = bucketOpening();
    const double left = rim.cx - rim.rx, right = rim.cx + rim.rx, bulge = rim.ry * 4 / 3;
    const double inner = opening.ry * 4 / 3;
    QPainterPath wall;
    wall.moveTo(left, rim.cy);
    wall.lineTo(opening.cx - opening.rx, opening.cy);
    wall.cubicTo(opening.cx - opening.rx, opening.cy + inner, opening.cx + opening.rx, opening.cy + inner,
                 opening.cx + opening.rx, opening.cy);
    wall.lineTo(right, rim.cy);
    wall.lineTo(right - 8, kBucketBottom - bulge * 0.75);
    wall.cubicTo(right - 8, kBucketBottom, left + 8, kBucketBottom, left + 8, kBucketBottom - bulge * 0.75);
    wall.closeSubpath();
    return wall;
}

QLinearGradient woodAcross(double left, double right, double lit)
{
    QLinearGradient g(left, 0, right, 0);
    g.setColorAt(0, shade(kWood, 0.7));
    g.setColorAt(lit, shade(kWood, 1.18));
    g.setColorAt(1, shade(kWood, 0.6));
    return g;
}

void tallStave(QPainter& p)
{
    QPainterPath stave;
    stave.addRoundedRect(QRectF(kTallStaveLeft, kTallStaveTop, kTallStaveRight - kTallStaveLeft, 140), 8, 8);
    QPainterPath hole;
    hole.addEllipse(QPointF((kTallStaveLeft + kTallStaveRight) / 2, 24), 7, 9);
    QLinearGradient g(kTallStaveLeft, 0, kTallStaveRight, 0);
    g.setColorAt(0, shade(kWood, 0.72));
    g.setColorAt(0.4, shade(kWood, 1.12));
    g.setColorAt(1, shade(kWood, 0.82));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(stave.subtracted(hole));
    p.setBrush(QColor(0, 0, 0, 0));
    p.setPen(QPen(shade(kWood, 0.5), 1.5));  // the hole's lower lip in shadow
    p.drawArc(QRectF(kTallStaveLeft + 11, 15, 14, 18), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(110, 66, 32, 110), 1));
    for (double x : {19.0, 29.0, 37.0})  // grain
        p.drawLine(QPointF(x, 38), QPointF(x + 0.8, 140));
}

// The bucket's bottom: just round the water's lowest level in both rooms.
Oval bucketFloor()
{
    const int lowest = kWaterTops[std::size(kWaterTops) - 1];
    const QRectF both = waterInBucket(0, lowest).united(waterInBucket(1, lowest));
    return Oval::of(both.adjusted(-2, -1, 2, 2));
}

QImage water();

// Where the water may lie on a picture placed in each room at `at`, mirrored
// or not: per pixel, the bits that every lit water pixel ever over it has
// set, at every level in both rooms. The water lightens what is under it, so
// whatever is drawn there within those bits leaves the water as it is.
struct WaterOver {
    int width = 0;
    std::vector<QRgb> bits;
    std::vector<bool> wet;
    bool wetAt(int x, int y) const { return wet[size_t(y) * width + x]; }
    QRgb bitsAt(int x, int y) const { return bits[size_t(y) * width + x]; }
};

WaterOver waterOver(QSize size, const QPoint (&at)[2], const bool (&mirrored)[2])
{
    const QImage w = complementPair(water()).sprite;
    const size_t n = size_t(size.width()) * size.height();
    WaterOver out{size.width(), std::vector<QRgb>(n, 0xFFFFFF), std::vector<bool>(n, false)};
    for (int room = 0; room < 2; ++room)
        for (int top : kWaterTops)
            for (int wy = 0; wy < w.height(); ++wy)
                for (int wx = 0; wx < w.width(); ++wx) {
                    const QRgb c = w.pixel(wx, wy) & 0xFFFFFF;
                    if (c == 0)
                        continue;
                    const int vx = kWaterLeft[room] + w.width() - 1 - wx, vy = top + wy;  // drawn mirrored
                    const int x = mirrored[room] ? at[room].x() + size.width() - 1 - vx : vx - at[room].x();
                    const int y = vy - at[room].y();
                    if (x < 0 || y < 0 || x >= size.width() || y >= size.height())
                        continue;
                    out.bits[size_t(y) * size.width() + x] &= c;
                    out.wet[size_t(y) * size.width() + x] = true;
                }
    return out;
}

const WaterOver& waterOverBucket()
{
    static const WaterOver over = [] {
        constexpr QPoint at[2] = {{20, 400}, {280, 400}};
        constexpr bool mirrored[2] = {false, true};
        return waterOver(QSize(200, 200), at, mirrored);
    }();
    return over;
}

// The nearest value to `want` made only of the bits of `allowed`.
int nearestWithin(int want, int allowed)
{
    int best = 0;
    for (int v = allowed;; v = (v - 1) & allowed) {  // every subset of the bits
        if (std::abs(v - want) < std::abs(best - want))
            best = v;
        if (v == 0)
            break;
    }
    return best;
}

// `want` as near as it can be drawn under the water: no bit the water over
// it lacks, and dark.
QRgb underTheWater(const QColor& want, QRgb bits)
{
    return qRgb(nearestWithin(want.red(), qRed(bits) & 0x3F), nearestWithin(want.green(), qGreen(bits) & 0x3F),
                nearestWithin(want.blue(), qBlue(bits) & 0x3F));
}

// How far (x, y) lies from the nearest wet pixel, up to `reach`.
double fromTheWet(const WaterOver& over, int x, int y, int height, int reach)
{
    double best = reach;
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const int qx = x + dx, qy = y + dy;
            if (qx >= 0 && qy >= 0 && qx < over.width && qy < height && over.wetAt(qx, qy))
                best = std::min(best, std::hypot(dx, dy));
        }
    return best;
}

// The inside of the bucket: staves running down from the rim to a round
// bottom. Above the water the far wall is dry wood, lit at the top and
// darkening down to the tide line; below it the wood is wet and nearly
// black, drawn only with the bits every water over it has, so the water
// keeps its own colour exactly. The near rim casts a short shadow.
QImage bucketInside()
{
    QImage img = canvas(200, 200);
    const WaterOver& over = waterOverBucket();
    const Oval rim = bucketOpening(), floor = bucketFloor();
    const QRect inside = box(rim).toAlignedRect();
    const QColor dryTop(122, 78, 40), dryLow(91, 58, 30);
    const QColor wetWood(6, 16, 14), wetFloor(8, 20, 18);  // dark, cool wet wood
    constexpr int kStaves = 26;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!rim.holds(px, py))
                continue;
            const bool wetHere = over.wetAt(x, y);
            QColor c;
            if (floor.holds(px, py)) {
                // boards across the bottom, their seams and the bottom's edge darker
                const double board = (px - floor.cx) / 15 + 0.5;
                const bool seam = std::abs(board - std::round(board)) < 0.06;
                const double grain = 0.8 + 0.2 * noise(std::floor(board) * 3.1, py / 6, 207);
                const bool edge = !Oval{floor.cx, floor.cy, floor.rx - 2, floor.ry - 1.5}.holds(px, py);
                c = shade(wetFloor, seam || edge ? 0.35 : grain);
            } else {
                // how deep down the wall: 0 at the rim, 1 at the bottom
                double depth = 0;
                for (double s = 1.0 / 64; s < 1; s += 1.0 / 64)
                    if (rim.towards(floor, s).holds(px, py))
                        depth = s;
                const Oval at = rim.towards(floor, depth);
                const double angle = std::atan2((py - at.cy) / at.ry, (px - at.cx) / at.rx);
                const double around = (angle + std::numbers::pi) / (2 * std::numbers::pi) * kStaves;
                const int stave = int(around);
                const double within = around - stave;
                const double far = 0.7 + 0.3 * std::max(0.0, -std::sin(angle));  // the far wall catches the light
                const double k = (0.85 + 0.15 * noise(stave * 2.7, depth * 4, 203)) * far;
                if (wetHere) {
                    c = shade(wetWood, (within < 0.1 ? 0.4 : 1.0) * k * (1 - 0.4 * depth));
                } else {
                    c = shade(mix(dryTop, dryLow, std::min(1.0, depth * 3)), within < 0.08 ? 0.62 * k : k);
                    // darkening down to the tide line
                    const double d = fromTheWet(over, x, y, img.height(), 5);
                    c = shade(c, 0.25 + 0.75 * d / 5);
                }
            }
            // the near rim's shadow, 4 px deep
            const double u = (px - rim.cx) / rim.rx;
            if (py > rim.cy && std::abs(u) < 1) {
                const double below = rim.cy + rim.ry * std::sqrt(1 - u * u) - py;
                if (below < 4)
                    c = shade(c, 0.45 + 0.55 * std::max(0.0, below) / 4);
            }
            row[x] = wetHere ? underTheWater(c, over.bitsAt(x, y)) : c.rgb();
        }
    }
    return img;
}

// The rim's top, lit from the upper left; the opening is drawn over it.
void rimTop(QPainter& p)
{
    QRadialGradient rg(box(bucketRim()).center() + QPointF(-20, -20), 100);
    rg.setColorAt(0, shade(kWood, 1.25));
    rg.setColorAt(1, shade(kWood, 0.85));
    p.setPen(Qt::NoPen);
    p.setBrush(rg);
    p.drawEllipse(box(bucketRim()));
}

void bucketBack(QPainter& p)
{
    tallStave(p);
    rimTop(p);
    p.drawImage(0, 0, bucketInside());
}

// The bucket's shadow on the floor boards: a small solid oval under its
// left half only, since the sitter's thigh is under the right half.
void bucketShadow(QPainter& p)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(74, 46, 22));
    p.drawEllipse(QRectF(26, 182, 62, 9));
    p.setBrush(QColor(52, 32, 15));
    p.drawEllipse(QRectF(34, 183, 48, 6));
    p.restore();
}

void bucketFront(QPainter& p)
{
    bucketShadow(p);
    const QPainterPath wall = bucketWall();
    p.setPen(Qt::NoPen);
    p.setBrush(woodAcross(12, 166, 0.4));
    p.drawPath(wall);
    p.save();
    p.setClipPath(wall);
    // the tall stave runs on down the wall
    QLinearGradient sg(kTallStaveLeft, 0, kTallStaveRight, 0);
    sg.setColorAt(0, shade(kWood, 0.66));
    sg.setColorAt(0.4, shade(kWood, 1.02));
    sg.setColorAt(1, shade(kWood, 0.76));
    p.setBrush(sg);
    p.drawRect(QRectF(kTallStaveLeft, 120, kTallStaveRight - kTallStaveLeft, 90));
    p.setPen(QPen(shade(kWood, 0.5), 1));
    for (double x = kTallStaveRight; x < 160; x += kStaveStep)
        p.drawLine(QPointF(x, 140), QPointF(x + (x - 89) * 0.07, 204));
    // two iron hoops, bent to the wall and cut by its sides
    const auto hoop = [&](double sideY, double sag, double width) {
        QPainterPath band;
        band.moveTo(0, sideY);
        band.cubicTo(40, sideY + sag, 138, sideY + sag, 178, sideY);
        p.setPen(QPen(QColor(52, 50, 50), width, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(band);
        p.setPen(QPen(QColor(150, 146, 140, 200), 1.4));
        p.drawPath(band.translated(0, -width / 2 + 1));
    };
    hoop(136, 32, 6);
    hoop(164, 30, 6);
    rimTop(p);  // its front half, over the wall's top
    p.restore();
    // the rim's front edge
    p.setPen(QPen(shade(kWood, 1.3), 2.5));
    p.setBrush(Qt::NoBrush);
    QPainterPath rim;
    const Oval edge = bucketRim();
    const double left = edge.cx - edge.rx + 2, right = edge.cx + edge.rx - 2, bulge = edge.ry * 4 / 3 - 1;
    rim.moveTo(left, edge.cy);
    rim.cubicTo(left, edge.cy + bulge, right, edge.cy + bulge, right, edge.cy);
    p.drawPath(rim);
}

// The water surface: teal, dark at the left and light at the right, with a
// few ripple rings and a glint. Drawn over black, it lightens what is under it.
QImage water()
{
    QImage img = canvas(119, 43);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF surface = kWaterSurface;
    QLinearGradient g(surface.left(), 0, surface.right(), 0);
    g.setColorAt(0, QColor(0, 58, 66));
    g.setColorAt(0.55, QColor(20, 128, 132));
    g.setColorAt(1, QColor(80, 206, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(surface);
    p.setClipRegion(QRegion(surface.toRect(), QRegion::Ellipse));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {  // rings round the spot where the ladle dipped
        p.setPen(QPen(QColor(120, 230, 225, 70 - i * 18), 1.3));
        p.drawEllipse(QPointF(64, 28), 10 + i * 11, 3.8 + i * 3.4);
    }
    QRadialGradient glint(QPointF(82, 17), 14);
    glint.setColorAt(0, QColor(230, 255, 250, 200));
    glint.setColorAt(1, QColor(230, 255, 250, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(QPointF(82, 17), 15, 4);
    // the near rim's shadow along the front edge
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(0, 0, 0, 70 - i * 22), 1.2));
        p.drawArc(surface.adjusted(0, -1 - i, 0, -1 - i), 200 * 16, 140 * 16);
    }
    return img;
}

// A wooden handle from the bowl's neck to its end: grain along it, a copper
// shank at the neck and a darker, worn grip towards the end. Its lit edge is
// on the right looking from the neck to the end, or on the left with
// `litLeft` (the same handle turned over about its own axis).
void ladleHandle(QPainter& p, QPointF neck, QPointF end, double width, bool litLeft = false)
{
    const QPointF d = end - neck;
    const double len = std::hypot(d.x(), d.y());
    const QPointF along = d / len, across(-along.y(), along.x());
    p.save();
    if (litLeft) {  // mirror about the handle's axis: the neck and end stay put
        const double angle = std::atan2(along.y(), along.x()) * 180 / std::numbers::pi;
        p.translate(neck);
        p.rotate(angle);
        p.scale(1, -1);
        p.rotate(-angle);
        p.translate(-neck);
    }
    const QColor birch(172, 112, 60), grip(92, 52, 28);
    limb(p, neck, end, width, width * 0.9, birch);
    QPainterPath handle;
    handle.moveTo(neck + across * (width / 2));
    handle.lineTo(end + across * (width * 0.45));
    handle.lineTo(end - across * (width * 0.45));
    handle.lineTo(neck - across * (width / 2));
    handle.closeSubpath();
    handle.addEllipse(end, width * 0.45, width * 0.45);
    p.save();
    p.setClipPath(handle.simplified());
    // the grip: darker wood, rounded by its own gradient
    const QPointF gripStart = end - along * (len * 0.3);
    QLinearGradient g(gripStart + across * (width / 2), gripStart - across * (width / 2));
    g.setColorAt(0, shade(grip, 1.35));
    g.setColorAt(0.5, grip);
    g.setColorAt(1, shade(grip, 0.6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    QPolygonF gripArea({gripStart + across * width, end + along * width + across * width,
                        end + along * width - across * width, gripStart - across * width});
    p.drawPolygon(gripArea);
    // grain: thin dark lines wandering along the handle
    Rng rng(uint64_t(len * 10));
    for (int i = 0; i < 4; ++i) {
        const double off = rng.range(-0.35, 0.35) * width;
        QPainterPath line;
        line.moveTo(neck + across * off);
        for (double t = 0.1; t <= 1.01; t += 0.1)
            line.lineTo(neck + d * t + across * (off + std::sin(t * 9 + i * 2) * 0.6));
        p.setPen(QPen(QColor(80, 44, 18, 90), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
    // the light running along the top of the handle, and a pale lit edge
    // that sets the handle off from wood behind it
    p.setPen(QPen(QColor(255, 236, 200, 90), 1.2));
    p.drawLine(neck + across * (width * 0.2) + along * 4, gripStart + across * (width * 0.2));
    p.setPen(QPen(QColor(255, 226, 180, 190), 1.5));
    p.drawLine(neck + across * (width * 0.42) + along * 4, end + across * (width * 0.36));
    p.restore();
    // and a dark line along its shaded side
    p.setPen(QPen(QColor(52, 26, 10, 200), 1.2));
    p.drawLine(neck - across * (width * 0.5) + along * 4, end - across * (width * 0.45));
    // a ring where the grip begins, and the copper shank holding the handle
    p.setPen(QPen(QColor(60, 30, 12), 1.4));
    p.drawLine(gripStart + across * (width / 2), gripStart - across * (width / 2));
    limb(p, neck, neck + along * 18, width * 0.7, width * 0.55, shade(kCopper, 0.85));
    p.restore();
}

// The copper bowl: a rounded cup with a bright rim, shining where the light
// strikes it, darker inside.
void ladleBowl(QPainter& p, QPointF centre, double rx, double ry)
{
    const double openY = centre.y() - ry * 0.35, openRy = ry * 0.45;
    QPainterPath cup;
    cup.moveTo(centre.x() - rx, openY);
    cup.cubicTo(centre.x() - rx, openY + ry * 1.3, centre.x() + rx, openY + ry * 1.3, centre.x() + rx, openY);
    cup.arcTo(QRectF(centre.x() - rx, openY - openRy, 2 * rx, 2 * openRy), 0, 180);
    cup.closeSubpath();
    QLinearGradient body(centre.x() - rx, 0, centre.x() + rx, 0);
    body.setColorAt(0, shade(kCopper, 0.5));
    body.setColorAt(0.28, shade(kCopper, 1.35));
    body.setColorAt(0.45, kCopper);
    body.setColorAt(0.85, shade(kCopper, 0.6));
    body.setColorAt(1, shade(kCopper, 0.42));
    p.setPen(QPen(shade(kCopper, 0.35), 1.2));
    p.setBrush(body);
    p.drawPath(cup);
    // a bright streak of shine and warm light reflected at the bottom
    p.save();
    p.setClipPath(cup);
    p.setPen(Qt::NoPen);
    QRadialGradient shine(QPointF(centre.x() - rx * 0.45, openY + ry * 0.45), rx * 0.3);
    shine.setColorAt(0, QColor(255, 240, 210, 230));
    shine.setColorAt(1, QColor(255, 220, 170, 0));
    p.setBrush(shine);
    p.drawEllipse(QPointF(centre.x() - rx * 0.45, openY + ry * 0.45), rx * 0.16, ry * 0.42);
    QRadialGradient bounce(QPointF(centre.x() + rx * 0.2, openY + ry * 1.0), rx * 0.6);
    bounce.setColorAt(0, QColor(255, 150, 90, 70));
    bounce.setColorAt(1, QColor(255, 150, 90, 0));
    p.setBrush(bounce);
    p.drawRect(cup.boundingRect());
    p.restore();
    // the inside, its far wall lit, and the rolled rim
    const QRectF opening(centre.x() - rx, openY - openRy, 2 * rx, 2 * openRy);
    QLinearGradient inside(0, opening.top(), 0, opening.bottom());
    inside.setColorAt(0, shade(kCopper, 1.1));
    inside.setColorAt(0.6, shade(kCopper, 0.55));
    inside.setColorAt(1, shade(kCopper, 0.38));
    p.setPen(QPen(shade(kCopper, 1.6), 2));
    p.setBrush(inside);
    p.drawEllipse(opening.adjusted(1, 1, -1, -1));
    p.setPen(QPen(shade(kCopper, 0.45), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(opening);
    p.setPen(QPen(QColor(255, 244, 220, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(opening.adjusted(1, 1, -1, -1), 120 * 16, 50 * 16);  // glint on the rim
}


QImage ladleResting()
{
    QImage img = canvas(208, 260);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF neck(52, 214), end(196, 12);
    ladleHandle(p, neck, end, 13);
    ladleBowl(p, QPointF(40, 228), 34, 24);
    p.end();
    // its end cut on the slant, the lower side shorter, so that with the
    // resting fingers curled over it none of it shows past the knuckles
    const QPointF d = end - neck;
    const double len = std::hypot(d.x(), d.y());
    const QPointF along = d / len, across(-along.y(), along.x());
    for (int y = 0; y < 60; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 120; x < img.width(); ++x) {
            const QPointF q = QPointF(x + 0.5, y + 0.5) - neck;
            const double a = QPointF::dotProduct(q, along), side = QPointF::dotProduct(q, across);
            if (a > len + 3 - 1.6 * side)
                row[x] = 0;
        }
    }
    // the handle goes down into the bucket's shadow, darkening as it nears
    // the water's highest line, and where the water lies in either room it
    // is out of sight: the water shows its own colour over the dark inside
    constexpr int kShadow = 7;
    const WaterOver over = waterOver(img.size(), kRestingLadleAt, kRestingLadleMirrored);
    for (int y = 0; y < img.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            if (over.wetAt(x, y)) {
                row[x] = 0;
                continue;
            }
            const double k = std::pow(fromTheWet(over, x, y, img.height(), kShadow) / kShadow, 0.8);
            const QRgb c = row[x];
            row[x] = qRgba(int(qRed(c) * k), int(qGreen(c) * k), int(qBlue(c) * k), qAlpha(c));
        }
    }
    return img;
}

// Water flung out over the bowl's lip: a thick tongue curving away and down,
// thinning a little as it falls and breaking into drops at its end.
void flung(QPainter& p, QPointF lip, QPointF end, QPointF bend)
{
    const auto along = [&](double t) { return lip * (1 - t) * (1 - t) + bend * 2 * t * (1 - t) + end * t * t; };
    const QColor edge(80, 164, 206), body(164, 222, 244), glint(240, 252, 255);
    auto tongue = [&](double from, double to, double w0, double w1) {
        constexpr int kSteps = 20;
        QPolygonF left, right;
        for (int i = 0; i <= kSteps; ++i) {
            const double u = i / double(kSteps), t = from + (to - from) * u;
            const QPointF dir = along(t + 0.01) - along(t - 0.01);
            const QPointF n = QPointF(-dir.y(), dir.x()) / std::hypot(dir.x(), dir.y());
            const double half = (w0 + (w1 - w0) * u) / 2 * std::pow(std::sin(std::numbers::pi * (0.5 + u / 2)), 0.4);
            left << along(t) + n * std::max(half, 0.6);
            right.prepend(along(t) - n * std::max(half, 0.6));
        }
        p.drawPolygon(left + right);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(edge);
    tongue(0, 0.86, 12, 6);
    tongue(0.9, 1.0, 5.5, 4.5);
    p.setBrush(body);
    tongue(0.02, 0.82, 7, 3);
    p.setPen(QPen(glint, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(along(0.06), along(0.3));
    p.setPen(Qt::NoPen);
    Rng rng(211);
    for (int i = 0; i < 5; ++i) {  // loose drops round the tongue's end
        const QPointF at = along(rng.range(0.8, 1.0)) + QPointF(rng.range(-6, 6), rng.range(-5, 1));
        const double r = rng.range(2.0, 2.8);
        p.setBrush(edge);
        p.drawEllipse(at, r, r * 1.2);
        p.setBrush(body);
        p.drawEllipse(at + QPointF(0.3, -0.3), r * 0.5, r * 0.6);
    }
}

// Held out towards the stove, the bowl tipped so its mouth faces the stones
// and the water leaves it. The same copper bowl and birch handle as the
// resting ladle, only turned.
QImage ladleHeld()
{
    QImage img = canvas(290, 78);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // the resting ladle's handle, as thick, lit along its upper edge
    ladleHandle(p, QPointF(56, 44), QPointF(282, 33), 13, true);
    const QPointF bowl(44, 33);
    constexpr double kRx = 31, kRy = 24, kTip = -58;
    QTransform turn;
    turn.translate(bowl.x(), bowl.y());
    turn.rotate(kTip);
    turn.translate(-bowl.x(), -bowl.y());
    p.save();
    p.setTransform(turn, true);
    ladleBowl(p, bowl, kRx, kRy);
    // what is left in the bowl, gathered at the low side of its mouth
    const QRectF mouth(bowl.x() - kRx + 1, bowl.y() - kRy * 0.8 + 1, 2 * kRx - 2, kRy * 0.9 - 2);
    p.setClipRegion(QRegion(mouth.toRect(), QRegion::Ellipse));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 196, 226));
    p.drawEllipse(QRectF(mouth.left() - 4, mouth.top() - 2, mouth.width() * 0.42, mouth.height() + 4));
    p.restore();
    // the water leaving the low lip, flung away from the bowl and falling
    const QPointF lip = turn.map(QPointF(bowl.x() - kRx + 2, bowl.y() - kRy * 0.35));
    flung(p, lip, QPointF(4, 74), lip + QPointF(-14, 4));
    return img;
}

// Steam bursting off the stones: soft masses of vapour with no outline, their
// rims breaking up into specks and small rags, a little lighter where they
// face the light from the upper left and greyer underneath. Low down the
// cloud breaks up over the stones instead of ending in an edge. Every lit
// pixel is a grey from 0xC0 to 0xFF, so lightening what lies under it
// (bitwise OR) never tints it, and over the stones it keeps to near whites
// so their speckle hardly comes through. It is always drawn mirrored, at the
// stove's own place: player 1's room shows its drawn columns 0..111, player
// 2's room columns 30..121. The cloud keeps to the columns both rooms show.
constexpr int kSteamW = 122, kSteamH = 34;

// A mass of vapour: its centre and reach in drawn columns and rows. Masses
// that overlap melt into one.
struct Puff {
    double x, y, rx, ry, weight = 1;
};

// A wisp rising from its foot to its tip in a gentle S: it leans `lean`
// columns over its height, swings `sway` columns to and fro and is `width`
// wide at its foot, thinning and fading out towards its tip.
struct Wisp {
    double x, foot, tip, width, sway, lean = 0, strength = 1;
};

// One frame: masses, wisps, or both.
struct SteamShape {
    std::vector<Puff> puffs;
    std::vector<Wisp> wisps;
    double fade;      // the row below which the cloud breaks up over the stones
    double thinning;  // how far its top thins and tears apart, 0..1
    int seed;
};

// The grey to store so that, lightening `under`, it shows as a grey as close
// to `grey` as it can (lightening never darkens) with its channels only a few
// steps apart, so the shading goes on smoothly over the stones' own speckle.
int neutralOver(int grey, QRgb under)
{
    int best = 0xFF;
    double bestCost = 1e9;
    for (int v = grey; v <= 0xFF; ++v) {
        const int r = v | qRed(under), g = v | qGreen(under), b = v | qBlue(under);
        const int spread = std::max({r, g, b}) - std::min({r, g, b});
        if (spread > 14)
            continue;
        const double cost = std::abs((r + g + b) / 3.0 - grey) + 0.7 * spread;
        if (cost < bestCost) {
            best = v;
            bestCost = cost;
        }
    }
    return best;
}

double smooth01(double e0, double e1, double x)
{
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// How thick the masses stand at a point: 0.5 on the rim of a lone one.
double puffField(const SteamShape& s, double px, double py)
{
    double f = 0;
    for (const Puff& p : s.puffs) {
        const double u = (px - p.x) / p.rx, v = (py - p.y) / p.ry;
        f += p.weight * 0.5 * std::exp(1.1 * (1 - u * u - v * v));
    }
    return f;
}

// How thick the wisps stand at a point, 0..1.
double wispField(const SteamShape& s, double px, double py)
{
    double best = 0;
    for (const Wisp& w : s.wisps) {
        const double rise = w.foot - w.tip;
        const double t = (w.foot - py) / rise;  // 0 at its foot, 1 at the tip
        if (t < -0.1 || t > 1.05)
            continue;
        const double phase = w.x * 0.37;
        auto centre = [&](double h) {
            return w.x + w.lean * h + w.sway * (std::sin(std::numbers::pi * 1.8 * h + phase) - std::sin(phase));
        };
        const double slope = (centre(t + 0.02) - centre(t - 0.02)) / (0.04 * rise);  // across per row
        const double half = (w.width / 2 * (1 - 0.35 * t) + 0.4) * std::sqrt(1 + slope * slope);
        const double across = 1 - std::abs(px - centre(t)) / half;
        if (across <= 0)
            continue;
        const double along = smooth01(-0.1, 0.12, t) * (1 - 0.8 * smooth01(0.2, 1.0, t));
        best = std::max(best, w.strength * std::exp(-2.2 * (1 - across) * (1 - across)) * along);
    }
    return best;
}

// Whether the steam covers a pixel, and how light it shows there, 0..1.
bool steamAt(const SteamShape& s, int ix, int iy, double* tone)
{
    const uint32_t seed = uint32_t(s.seed);
    const double px = ix + 0.5, py = iy + 0.5;
    // low down it thins out over the stones, unevenly
    const double fade = 1 - smooth01(s.fade, kSteamH + 2, py + 16 * (fbm(px / 9.0, py / 6.0, seed + 4, 2) - 0.5));
    const double rag = 0.7 * (fbm(px / 7.0, py / 5.0, seed, 3) - 0.5) + 0.3 * (noise(px / 2.5, py / 2.5, seed + 5) - 0.5);
    double d = 0, thick = 0;
    if (!s.puffs.empty()) {
        // the vapour shows lighter where it stands thicker; it thins as it rises
        const double f = puffField(s, px, py) * fade * (1 - s.thinning * smooth01(kSteamH * 0.6, 0, py));
        d = (1 - std::exp(-1.4 * f)) + (0.7 + s.thinning) * rag;
        thick = smooth01(0, 1, std::log2(std::max(f, 1e-3) / 0.5) / 2.2);
    }
    const double w = wispField(s, px, py);
    if (w > 0) {
        const double dw = w + 0.3 * rag;
        if (dw > d) {
            d = dw;
            thick = 0.6 * w;
        }
    }
    // across the rim the vapour scatters into specks, a little clumped
    const double edge = (d - 0.5) / 0.28;
    if (edge < -1)
        return false;
    if (edge < 1) {
        const double grain = 0.7 * noise(ix, iy, seed + 7) + 0.3 * noise(px / 2.3, py / 2.3, seed + 8);
        if (grain >= smooth01(-1, 1, edge))
            return false;
    }
    const double high = 1 - py / kSteamH;  // the top catches the light
    const double under = smooth01(kSteamH * 0.4, kSteamH, py);  // the underside, in the cloud's own shadow
    const double t = 0.15 + 0.55 * thick + 0.2 * high - 0.35 * under + 0.3 * (fbm(px / 5.0, py / 4.0, seed + 2, 2) - 0.5)
                     - 0.35 * (1 - smooth01(-1, 1, edge));  // the loose specks round the rim greyer
    *tone = std::clamp(t, 0.0, 1.0);
    return true;
}

// `stove` is the stove pair as stored: the cloud lies over its stones in both
// rooms at the same place, and over the neutral grey heat shield elsewhere.
QImage steam(const SteamShape& shape, const Pair& stove)
{
    QImage img(kSteamW, kSteamH, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    for (int y = 0; y < kSteamH; ++y) {
        for (int i = 0; i < kSteamW; ++i) {
            double tone = 0;
            if (!steamAt(shape, i, y, &tone))
                continue;
            // over the stones it keeps to near whites: a grey there would
            // let their colours speckle through
            const bool overStones = stove.mask.pixel(i, y) == 0xFF000000;
            if (overStones)
                tone = 0.5 + 0.5 * tone;
            const int grey = 0xC0 + int(std::lround(std::clamp(tone, 0.0, 1.0) * (0xFF - 0xC0)));
            const int v = overStones ? neutralOver(grey, stove.sprite.pixel(i, y)) : grey;
            reinterpret_cast<QRgb*>(img.scanLine(y))[kSteamW - 1 - i] = qRgb(v, v, v);  // stored unmirrored
        }
    }
    return img;
}

// One band of the lake: transparent above a gently wavy crest, the water
// below it mottled blue. The bands are stacked 65 rows apart, each hiding the
// last one's lower part, so every band shows the 65 rows under its crest;
// only the lowest band's bottom shows, and it turns to the cyan of the yard
// below. So that the stack does not read as a pattern repeating every 65
// rows, nothing in a band stands out and nothing marks where one meets the
// next: its ripples are many and evenly spread right up to its crest, of
// widely varying lengths, a little smaller near the top (the far side of each
// band), each catching the light only a little.
constexpr int kLakeW = 599, kLakeH = 136;
constexpr int kLakeStep = 65;  // the rows each band shows

struct Ripple {
    double x, y;  // the middle of the ripple, y below the band's own crest
    double half;  // half its length
    double lit;   // how brightly its top catches the light, 0..1
};

// Ripples scattered evenly through the rows a band shows: the rows in order,
// each ripple's place along its row at random.
std::vector<Ripple> lakeRipples()
{
    Rng rng(307);
    std::vector<Ripple> ripples;
    constexpr int kCount = 380;
    for (int i = 0; i < kCount; ++i) {
        const double depth = (i + rng.uniform()) / kCount;  // 0 at the band's top, 1 at its bottom
        // lengths varying a lot from one ripple to the next, squared so most are short
        const double length = 1.5 + 6 * std::pow(rng.uniform(), 2);
        ripples.push_back({rng.range(-10, kLakeW + 10), 1 + depth * (kLakeStep - 1), length * (0.6 + 0.5 * depth),
                           rng.range(0.1, 0.35)});
    }
    return ripples;
}

// The low sun's glitter: warm dashes in a column under the brightest part of
// the sky, at the same place in every band, so the stacked bands show one
// reflection running down the lake. Densest and longest in its middle.
constexpr double kGlitterX = 260;  // the sky's brightest column, with the bands at x -5

std::vector<Ripple> lakeGlitter()
{
    Rng rng(313);
    std::vector<Ripple> glitter;
    constexpr int kCount = 70;
    for (int i = 0; i < kCount; ++i) {
        const double depth = (i + rng.uniform()) / kCount;
        const double off = (rng.uniform() + rng.uniform() + rng.uniform() - 1.5) * 2;  // -3..3, mostly near 0
        const double middle = 1 - std::abs(off) / 3;
        glitter.push_back({kGlitterX + off * 14, 1 + depth * (kLakeStep - 1), 1.5 + 5 * middle * rng.uniform(),
                           0.5 + 0.5 * middle});
    }
    return glitter;
}

// The water's mottling, `below` rows under the crest. It repeats every
// band's step down the band, going over from its own pattern to the pattern
// one step up, so the rows where the next band's crest lies have the colour
// that crest starts with: stacked, the bands meet without a step in brightness.
double lakeMottle(int x, double below)
{
    const double t = std::clamp(below / kLakeStep, 0.0, 1.0), w = t * t * (3 - 2 * t);
    const double here = fbm(x / 70.0, below / 18.0, 308, 3), oneUp = fbm(x / 70.0, (below - kLakeStep) / 18.0, 308, 3);
    return (1 - w) * here + w * oneUp;
}

// The mottle with every row's mean brought to the same level. The stacked
// bands are one picture, so a row that came out lighter by chance would show
// as a light band every kLakeStep rows down the lake.
class LevelMottle {
public:
    LevelMottle()
    {
        for (int b = 0; b <= kLakeH; ++b) {
            double sum = 0;
            for (int x = 0; x < kLakeW; ++x)
                sum += lakeMottle(x, b);
            mean_.push_back(sum / kLakeW);
        }
    }
    double operator()(int x, double below) const
    {
        const double b = std::clamp(below, 0.0, double(kLakeH));
        const int low = std::min(int(b), kLakeH - 1);
        const double t = b - low;
        return lakeMottle(x, below) - ((1 - t) * mean_[size_t(low)] + t * mean_[size_t(low) + 1]) + 0.5;
    }

private:
    std::vector<double> mean_;
};

QImage lakeStrip()
{
    QImage img = canvas(kLakeW, kLakeH);
    const QColor deep(10, 92, 196), light(34, 170, 232), foam(236, 252, 255);
    const std::vector<Ripple> ripples = lakeRipples();
    const std::vector<Ripple> glitter = lakeGlitter();
    const LevelMottle mottle;
    for (int x = 0; x < kLakeW; ++x) {
        // the crest lies high enough that, with the strips 65 apart, the next
        // strip's crest never dips below the hill's bottom edge
        const double edge = 57 + 0.9 * std::sin(x * 0.043) + 0.6 * std::sin(x * 0.13 + 1.0)
                            + 1.0 * (fbm(x / 30.0, 0.5, 307, 2) - 0.5);
        for (int y = 0; y < kLakeH; ++y) {
            const double below = y - edge;
            if (below < -0.5)
                continue;
            QColor c = mix(deep, light, mottle(x, below) * 1.1 - 0.05);
            for (const Ripple& r : ripples) {
                const double along = (x - r.x) / r.half;
                if (std::abs(along) >= 1)
                    continue;
                const double taper = 1 - along * along;
                const double off = below - r.y;
                if (off >= -0.5 && off < 1)  // the ripple's lit top
                    c = mix(c, mix(light, foam, r.lit), 0.45 * taper);
                else if (off >= 1 && off < 2.5)  // its shaded back
                    c = shade(c, 1 - 0.12 * taper);
            }
            for (const Ripple& r : glitter) {
                const double along = (x - r.x) / r.half, off = below - r.y;
                if (std::abs(along) < 1 && off >= -0.5 && off < 1.5)
                    c = mix(c, mix(QColor(255, 140, 30), QColor(255, 232, 130), r.lit), 0.95 * std::sqrt(1 - along * along));
            }
            // below the rows the next band hides, the lowest band goes over to the yard's cyan
            const double toCyan = std::clamp((y - 122) / 13.0, 0.0, 1.0);
            c = mix(c, QColor(0, 255, 255), toCyan * toCyan * (3 - 2 * toCyan));
            // a hard crest: a soft edge would be blended to the matte and line the lake with seams
            img.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), below >= 0 ? 255 : 0));
        }
    }
    return img;
}

// The hill, in the cabin picture: the walker's feet tread its path at y 194
// from the shore at the left (x 0) to the cabin (x 171). Its brow stays above
// the first lake strip's crest, which lies behind it, and it is solid down to
// its bottom edge, where the next strip's water runs over it.
constexpr double kPathY = 194;
constexpr double kCabinLeft = 154, kCabinRight = 232, kCabinBase = 176;
constexpr double kDoorX = 209;

double hillTop(double x)
{
    // a rounded shoulder rising out of the water at the tip, a gentle slope
    // along the path, then the hill's round back rising behind the cabin
    const double tip = std::clamp(x / 60.0, 0.0, 1.0);
    const double back = std::clamp((x - 110) / 155.0, 0.0, 1.0);
    return 186 - 28 * (1 - (1 - tip) * (1 - tip)) - 6 * std::clamp((x - 60) / 110.0, 0.0, 1.0)
           - 36 * back * back * (3 - 2 * back) + 1.0 * std::sin(x * 0.09);
}

// Where the bank meets the water: below this the tip of the hill is lake.
double shoreLine(double x) { return 201 + 1.5 * x; }

// The waterline along the hill's foot: ragged, a few pixels above the
// picture's bottom, where the lake behind shows through under it.
double waterLine(double x) { return 236 - 6 * fbm(x / 11.0, 3.5, 321, 2) - 1.5 * std::sin(x * 0.07); }

// The middle of the trodden path: down from the cabin's door, along the
// hillside where the walker treads (y 194), and down the bank to the water.
double pathY(double x)
{
    if (x > kCabinLeft - 6) {  // from the door, down the slope
        const double t = std::clamp((x - (kCabinLeft - 6)) / (kDoorX - kCabinLeft + 6), 0.0, 1.0);
        return kPathY + (kCabinBase + 1 - kPathY) * t * t;
    }
    if (x < 14) {  // down the bank to the shore
        const double t = (14 - x) / 14.0;
        return kPathY + 6 * t * t;
    }
    return kPathY + 1.2 * std::sin((x - 14) / 154.0 * std::numbers::pi * 2);  // following the lie of the ground
}

// Half the path's width: narrower as it climbs away towards the cabin.
double pathHalf(double x) { return 3.6 - 1.4 * std::clamp(x / 220.0, 0.0, 1.0); }

void paintHill(QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double top = hillTop(x);
            const double below = y - top;
            const double bank = shoreLine(x) - y, shore = std::min(bank, waterLine(x) - y);
            if (below < -0.5 || shore < -0.5)
                continue;
            const double grass = fbm(x / 6.0, y / 3.0, 310, 3);
            QColor c = mix(QColor(112, 176, 60), QColor(30, 96, 30), std::clamp(below / 60.0, 0.0, 1.0));
            c = shade(c, 0.85 + 0.3 * grass);
            if (below < 3)
                c = mix(c, QColor(220, 200, 90), 0.5);  // evening light on the brow
            if (x < kDoorX + 4) {
                const double off = y - pathY(x), half = pathHalf(x);
                const double inside = half - std::abs(off);
                if (inside > -1.5) {
                    // worn earth, lighter in the middle, its lower verge in the grass's shade
                    QColor earth = mix(QColor(150, 112, 72), QColor(196, 160, 112), std::clamp(inside / half, 0.0, 1.0));
                    earth = shade(earth, 0.9 + 0.2 * fbm(x / 3.0, y / 2.0, 312, 2));
                    if (inside < 0)
                        c = off > 0 ? shade(c, 0.8) : mix(c, QColor(210, 200, 110), 0.25);
                    else
                        c = mix(c, earth, std::clamp(inside + 0.5, 0.0, 1.0));
                }
            }
            if (bank < 24) {  // a sandy beach, wet and darker at the water's edge, a pebble here and there
                QColor sand = shade(QColor(214, 188, 136), 0.9 + 0.2 * fbm(x / 2.0, y / 2.0, 313, 2));
                if (noise(x * 0.7, y * 0.9, 314) > 0.8)
                    sand = QColor(150, 140, 128);
                sand = mix(sand, QColor(140, 112, 76), std::clamp(1 - bank / 4, 0.0, 1.0));
                c = mix(c, sand, std::clamp((24 - bank) / 6, 0.0, 1.0));
            }
            const double wet = waterLine(x) - y;  // the bank's wet, shaded foot
            if (wet < 3)
                c = shade(c, 0.5 + 0.5 * std::clamp(wet / 3, 0.0, 1.0));
            const double cover = std::clamp(std::min(below, shore) + 0.5, 0.0, 1.0);
            img.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), int(255 * cover)));
        }
    }
}

void paintCabin(QPainter& p)
{
    p.translate(kCabinLeft - 168, 0);  // the details are laid out for a wall from x 168
    // log walls
    const QRectF wall(168, 112, kCabinRight - kCabinLeft, kCabinBase - 112);
    for (double y = wall.top(); y < wall.bottom(); y += 8) {
        QLinearGradient g(0, y, 0, y + 8);
        g.setColorAt(0, QColor(178, 92, 52));
        g.setColorAt(0.5, QColor(140, 66, 36));
        g.setColorAt(1, QColor(72, 32, 18));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(wall.left() - 3, y, wall.width() + 6, 8), 4, 4);
    }
    // a lit window and the door
    QRadialGradient lamp(QPointF(188, 134), 14);
    lamp.setColorAt(0, QColor(255, 240, 170));
    lamp.setColorAt(1, QColor(240, 160, 60));
    p.setPen(QPen(QColor(240, 230, 210), 2.5));
    p.setBrush(lamp);
    p.drawRect(QRectF(178, 126, 20, 17));
    p.drawLine(QPointF(188, 126), QPointF(188, 143));
    p.setPen(QPen(QColor(50, 24, 12), 1.5));
    p.setBrush(QColor(84, 40, 22));
    p.drawRect(QRectF(214, 132, 18, kCabinBase - 132));
    // chimney
    p.setPen(QPen(QColor(60, 50, 46), 1));
    p.setBrush(QColor(130, 116, 106));
    p.drawRect(QRectF(224, 62, 12, 34));
    // the red roof with its eaves
    QPainterPath roof;
    roof.moveTo(156, 116);
    roof.lineTo(207, 70);
    roof.lineTo(258, 116);
    roof.closeSubpath();
    // a deep red, darker than the evening sky, outlined so it stands off it
    QLinearGradient rg(182, 80, 222, 118);
    rg.setColorAt(0, QColor(170, 44, 30));
    rg.setColorAt(1, QColor(106, 24, 16));
    p.setPen(QPen(QColor(40, 8, 6), 1.5));
    p.setBrush(rg);
    p.drawPath(roof);
    p.setPen(QPen(QColor(236, 130, 96), 1.5));
    p.drawLine(QPointF(159.5, 114), QPointF(207, 72.5));  // sunlit verge
    p.setPen(QPen(QColor(40, 8, 6), 2));
    p.drawLine(QPointF(156, 116.5), QPointF(258, 116.5));  // the eave's shadowed edge
}

// Smoke drifting left from the chimney in puffs that fade into the evening
// sky as they rise. The sky shows through nowhere, so the thin smoke takes
// the sky's own colour.
void paintSmoke(QImage& img)
{
    const QColor sky(250, 58, 8), smoke(232, 222, 218);
    for (int y = 0; y < 66; ++y) {
        for (int x = 100; x < 240; ++x) {
            double clear = 1;
            for (int i = 0; i < 12; ++i) {
                const double cx = kCabinLeft + 62 - i * 5.5 - 0.15 * i * i, cy = 61 - i * 4.6, r = 3.2 + i * 1.1;
                const double d2 = (std::pow(x + 0.5 - cx, 2) + std::pow((y + 0.5 - cy) / 0.85, 2)) / (r * r);
                clear *= 1 - 0.7 * std::exp(-1.8 * d2) * (1 - i / 13.0);
            }
            double thick = 1 - clear;
            thick *= 0.75 + 0.5 * fbm(x / 5.0, y / 5.0, 319, 3);
            if (thick < 0.12)
                continue;
            const QColor under = qAlpha(img.pixel(x, y)) > 128 ? img.pixelColor(x, y) : sky;
            const QColor c = mix(under, smoke, std::clamp((thick - 0.12) * 1.6, 0.0, 0.95));
            img.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), 255));
        }
    }
}

QImage cabin()
{
    QImage img = canvas(265, 244);
    paintHill(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintCabin(p);
    p.end();
    paintSmoke(img);
    return img;
}

// A white stick figure striding to the left: the left leg and the right arm
// forward. Drawn in pure white without soft edges, so lightening the sky and
// the hill it shows white, never tinted.
QImage walker()
{
    QImage img = canvas(21, 39);
    QPainter p(&img);
    const QColor white(255, 255, 255);
    p.setPen(QPen(white, 1));
    p.setBrush(white);
    p.drawEllipse(QRectF(5, 1, 7, 7));  // head, a little ahead of the body
    p.setPen(QPen(white, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const auto stroke = [&](std::initializer_list<QPointF> points) {
        p.drawPolyline(std::data(points), int(points.size()));
    };
    stroke({{9, 9}, {10, 16}, {11, 23}});             // the body, leaning into the walk
    stroke({{11, 23}, {7, 30}, {4, 36}, {1, 37}});   // the front leg and its foot
    stroke({{11, 23}, {14, 30}, {16, 36}, {18, 37}});  // the back leg pushing off
    stroke({{10, 13}, {6, 18}, {4, 22}});            // the arm swinging forward
    stroke({{10, 13}, {14, 17}, {16, 21}});          // and the one swinging back
    return img;
}

QImage smallBucket()
{
    QImage img = canvas(50, 50);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(0.25, 0.25);
    bucketBack(p);
    bucketFront(p);
    return img;
}

void add(std::vector<Bitmap>& out, int id, const Pair& pair, int maskDepth)
{
    out.push_back({std::to_string(id), pair.sprite, 24});
    out.push_back({std::to_string(id + 1), pair.mask, maskDepth});
}

QImage painted(int w, int h, const std::function<void(QPainter&)>& paint)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paint(p);
    return img;
}

// Shoulder, elbow and hand of each arm frame. With the arm table's positions
// the shoulder lands on the body's shoulder for both players (one of them
// mirrored) and the hand on the ladle's handle. `overBody` is where the
// frame's top-left corner lies in the body picture in player 1's room and in
// player 2's: player 2 draws both unmirrored, player 1 both mirrored, and the
// two differ by a few pixels.
struct ArmFrame {
    int id;
    ArmPose pose;
    QPointF overBody[2];
};
// The swing, each stage plain at a glance by where the elbow is and the hand
// working out along the handle towards the stove: wound up with the elbow
// drawn back low behind her side and the wrist cocked back under the load
// (phase 1); the elbow lifted off her waist to bust height, the forearm
// slanting down to the grip (phase 2); the arm thrown out nearly straight
// across her front, the fist out past her other arm, the wrist tipping the
// bowl (phase 3). The hands sit on the held ladle's handle, halfway between
// where the two rooms put it.
const ArmFrame kArmFrames[] = {
    {111, {266, 132, {235, 24}, {150, 64}, {42, 84}, 0, 7}, {{114, 50}, {120, 50}}},  // rest: hand on the ladle in the bucket, the fingers over the handle's end
    {113, {291, 197, {232, 42}, {157, 117}, {61, 145}, 28}, {{119, 30}, {120, 30}}},  // phase 3: thrown out, tipping
    {115, {295, 215, {217, 39}, {223, 117}, {105, 150}, 4, 0, 6}, {{130, 30}, {140, 40}}},  // phase 2: elbow up at bust height
    {117, {296, 247, {208, 46}, {242, 156}, {109, 174}, -34, 0, 15}, {{139, 30}, {140, 30}}},  // phase 1: wound up, elbow back and low
};

// The arm laid over the body it is drawn on: its soft edges blend into the
// skin under them instead of the room's wood, and round the shoulder, where
// the arm grows out of the torso, its shading melts into the body's own.
Pair armPair(const ArmFrame& frame, const QImage& body)
{
    QImage arm = armPicture(frame.pose).convertToFormat(QImage::Format_ARGB32);
    const QImage under = body.convertToFormat(QImage::Format_ARGB32);
    const QImage shape = arm.copy();
    // an upper arm seen end on, the elbow coming forward, melts in no less than a long one
    const double upperArm = std::max(110.0, std::hypot(frame.pose.elbow.x() - frame.pose.shoulder.x(),
                                                       frame.pose.elbow.y() - frame.pose.shoulder.y()));
    for (int y = 0; y < arm.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(arm.scanLine(y));
        for (int x = 0; x < arm.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            // the skin under it in the two rooms: the lighter of them, so
            // neither room's body outline comes through a little off its own
            QRgb b = 0;
            for (const QPointF& over : frame.overBody) {
                const QPoint at(x + int(over.x()), y + int(over.y()));
                const QRgb c = under.rect().contains(at) ? under.pixel(at) : 0;
                if (qAlpha(c) == 255 && (qAlpha(b) < 255 || qGray(c) > qGray(b)))
                    b = c;
            }
            if (qAlpha(b) < 255)
                continue;
            const double near = std::hypot(x - frame.pose.shoulder.x(), y - frame.pose.shoulder.y()) / upperArm;
            double melt = 1 - std::clamp((near - 0.15) / 0.3, 0.0, 1.0);
            if (melt > 0.05) {
                // round the shoulder the arm's own rim melts in too: no outline of it on the body
                double edge = 6;
                for (int dy = -5; dy <= 5; ++dy)
                    for (int dx = -5; dx <= 5; ++dx) {
                        const QPoint q(x + dx, y + dy);
                        if (!shape.rect().contains(q) || qAlpha(shape.pixel(q)) == 0)
                            edge = std::min(edge, std::hypot(dx, dy));
                    }
                melt = std::max(melt, std::clamp(1 - (edge - 1) / 5, 0.0, 1.0) * std::clamp(melt * 2, 0.0, 1.0));
            }
            // away from the shoulder, a darker rim where the arm lies over her body
            // or her other arm, so the limbs stay apart
            if (melt < 0.5 && qAlpha(row[x]) == 255) {
                double rim = 3;
                for (int dy = -2; dy <= 2; ++dy)
                    for (int dx = -2; dx <= 2; ++dx) {
                        const QPoint q(x + dx, y + dy);
                        if (!shape.rect().contains(q) || qAlpha(shape.pixel(q)) < 128)
                            rim = std::min(rim, std::hypot(dx, dy));
                    }
                // deeper round the fist, so it stays apart from the arm hanging under it
                const double fist = std::hypot(x - frame.pose.hand.x(), y - frame.pose.hand.y()) < 22 ? 0.42 : 0.28;
                const double k = 1 - fist * std::clamp(2.6 - rim, 0.0, 1.0) * (1 - 2 * melt);
                row[x] = qRgba(int(qRed(row[x]) * k), int(qGreen(row[x]) * k), int(qBlue(row[x]) * k), 255);
            }
            const double a = qAlpha(row[x]) / 255.0 * (1 - melt);
            auto ch = [&](int top, int body) { return int(std::lround(top * a + body * (1 - a))); };
            row[x] = qRgba(ch(qRed(row[x]), qRed(b)), ch(qGreen(row[x]), qGreen(b)), ch(qBlue(row[x]), qBlue(b)),
                           qAlpha(row[x]) >= 128 ? 255 : 0);
        }
    }
    return opaquePair(arm, kRoomMatte);
}

} // namespace

std::vector<Bitmap> spritePictures()
{
    std::vector<Bitmap> out;
    // Faces: the same mask for all four, so one face covers another.
    // Skin tints by heat: the body's own warm brown, flushed, reddish, deep red.
    const QImage faces[] = {facePicture(QColor(250, 238, 226), Mood::Smile),
                            facePicture(QColor(255, 186, 158), Mood::Straight),
                            facePicture(QColor(255, 138, 110), Mood::Frown),
                            facePicture(QColor(246, 76, 64), Mood::Crooked)};
    const Pair first = opaquePair(faces[0], kRoomMatte);
    for (int i = 0; i < 4; ++i) {
        Pair pair = opaquePair(faces[i], kRoomMatte);
        pair.mask = first.mask;
        for (int y = 0; y < pair.sprite.height(); ++y)  // sprite black exactly where the mask is white
            for (int x = 0; x < pair.sprite.width(); ++x)
                if (first.mask.pixel(x, y) == 0xFFFFFFFF)
                    pair.sprite.setPixel(x, y, 0xFF000000);
                else if (pair.sprite.pixel(x, y) == 0xFF000000)
                    pair.sprite.setPixel(x, y, faces[0].pixel(x, y) | 0xFF000000);
        add(out, 101 + 2 * i, pair, 24);
    }
    const QImage body = bodyPicture();
    add(out, 109, opaquePair(body, kRoomMatte), 24);
    // Arm frames: the shoulder stays on the body's shoulder in the view, the
    // hand holds the ladle where the frame puts it.
    for (const ArmFrame& frame : kArmFrames)
        add(out, frame.id, armPair(frame, body), 24);

    const Pair stovePair = opaquePair(stove(), kRoomMatte);
    add(out, 201, stovePair, 1);
    add(out, 203, opaquePair(painted(200, 200, bucketBack), kRoomMatte), 1);
    add(out, 205, opaquePair(painted(200, 200, bucketFront), kRoomMatte), 1);
    add(out, 207, complementPair(water()), 24);
    add(out, 209, opaquePair(ladleResting(), kRoomMatte), 1);
    add(out, 211, opaquePair(ladleHeld(), kRoomMatte), 1);
    // the steam: a large cloud heaped up off the stones and rising highest in
    // the middle, then one column rising off them, thinning and tearing at its
    // top, then a few wisps drift up off the stones
    add(out, 301, complementPair(steam({{{71, 23, 42, 10}, {70, 14, 21, 10}, {61, 9, 11, 6}, {81, 8, 11, 6},
                                         {70, 5, 8, 4}, {48, 14, 13, 8}, {36, 19, 11, 8}, {28, 24, 6, 6},
                                         {94, 13, 13, 8}, {106, 18, 10, 8}, {114, 23, 6, 6}},
                                        {}, 20, 0, 301}, stovePair)), 24);
    add(out, 303, complementPair(steam({{{71, 24, 44, 11}, {70, 16, 28, 9}, {69, 9, 17, 7}, {67, 4, 11, 4},
                                         {45, 15, 10, 7, 0.9}, {97, 15, 10, 7, 0.9}},
                                        {}, 23, 0.3, 303}, stovePair)), 24);
    add(out, 305, complementPair(steam({{},
                                        {{40, 31, 3, 11, 3, 4, 1.0}, {53, 30, 11, 9, -2.5, 2, 0.9},
                                         {65, 32, 0, 12, 3.5, -4, 1.05}, {79, 30, 5, 11, -3, 5, 1.0},
                                         {92, 31, 13, 9, 2.5, -3, 0.9}, {104, 32, 2, 11, -3, 3, 0.95}},
                                        30, 0, 305}, stovePair)), 24);
    add(out, 307, opaquePair(lakeStrip(), QColor(20, 120, 220)), 24);
    add(out, 309, opaquePair(cabin(), QColor(240, 70, 10)), 24);
    add(out, 311, complementPair(walker()), 24);
    add(out, 313, opaquePair(smallBucket()), 1);
    return out;
}

} // namespace art
