// The numbered sprites. Each is drawn as stored, which is player 2's side for
// the bather (player 1 sees it mirrored) and player 1's side for the bucket
// and the resting ladle.
#include "art.h"
#include "figure.h"

#include <cmath>
#include <functional>

namespace art {

namespace {

const QColor kSkin(214, 160, 118);
const QColor kSkinShadow(160, 104, 72);
const QColor kSuit(200, 28, 36);
const QColor kCopper(196, 110, 52);
const QColor kWood(176, 118, 62);

QLinearGradient vertical(double y0, double y1, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QRadialGradient roundLight(QPointF centre, double radius, const QColor& lit, const QColor& dark)
{
    QRadialGradient g(centre, radius, centre + QPointF(-radius * 0.35, -radius * 0.4));
    g.setColorAt(0, lit);
    g.setColorAt(1, dark);
    return g;
}

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

// ---- faces ----

enum class Mood { Smile, Straight, Frown, Crooked };

QImage face(const QColor& skin, Mood mood)
{
    QImage img = canvas(132, 155);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // the egg: wider at the top
    QPainterPath egg;
    egg.moveTo(66, 4);
    egg.cubicTo(112, 4, 128, 52, 124, 86);
    egg.cubicTo(120, 126, 96, 151, 66, 151);
    egg.cubicTo(36, 151, 12, 126, 8, 86);
    egg.cubicTo(4, 52, 20, 4, 66, 4);
    p.setPen(QPen(shade(skin, 0.5), 2));
    p.setBrush(roundLight(QPointF(66, 70), 90, shade(skin, 1.18), shade(skin, 0.78)));
    p.drawPath(egg);
    // hair
    QPainterPath hair;
    hair.moveTo(14, 62);
    hair.cubicTo(10, 14, 50, 2, 70, 4);
    hair.cubicTo(106, 6, 126, 30, 120, 62);
    hair.cubicTo(104, 40, 82, 30, 60, 34);
    hair.cubicTo(40, 36, 24, 46, 14, 62);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(0, 60, QColor(120, 78, 40), QColor(78, 46, 22)));
    p.drawPath(hair);
    // ears
    p.setBrush(shade(skin, 0.9));
    p.setPen(QPen(shade(skin, 0.55), 1.5));
    p.drawEllipse(QPointF(9, 86), 7, 14);
    p.drawEllipse(QPointF(123, 86), 7, 14);

    // eyes
    const bool rolled = mood == Mood::Crooked;
    for (int side = 0; side < 2; ++side) {
        const double ex = side == 0 ? 44 : 88;
        p.setPen(QPen(QColor(60, 40, 30), 1.5));
        p.setBrush(QColor(250, 248, 240));
        p.drawEllipse(QPointF(ex, 76), 12, 9);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(50, 80, 120));
        const double dx = rolled ? 6 : 0, dy = rolled ? -4 : 1;
        p.drawEllipse(QPointF(ex + dx, 76 + dy), 5, 5);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(ex + dx, 76 + dy), 2.4, 2.4);
        // brows
        p.setPen(QPen(QColor(70, 40, 20), 4, Qt::SolidLine, Qt::RoundCap));
        const double inner = side == 0 ? 56 : 76, outer = side == 0 ? 32 : 100;
        double yi = 60, yo = 60;
        switch (mood) {
        case Mood::Smile: yi = 61; yo = 59; break;
        case Mood::Straight: yi = 52; yo = 54; break;        // raised
        case Mood::Frown: yi = 66; yo = 56; break;           // drawn together
        case Mood::Crooked: yi = side == 0 ? 66 : 54; yo = side == 0 ? 55 : 60; break;
        }
        p.drawLine(QPointF(outer, yo), QPointF(inner, yi));
    }
    // nose
    p.setPen(QPen(shade(skin, 0.6), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath nose;
    nose.moveTo(66, 82);
    nose.cubicTo(62, 96, 58, 102, 64, 106);
    nose.lineTo(72, 105);
    p.drawPath(nose);
    // cheeks
    p.setPen(Qt::NoPen);
    QColor blush = mood == Mood::Smile ? QColor(230, 110, 100, 70) : QColor(220, 40, 40, 90);
    p.setBrush(blush);
    p.drawEllipse(QPointF(34, 104), 12, 8);
    p.drawEllipse(QPointF(98, 104), 12, 8);
    // mouth
    p.setPen(QPen(QColor(110, 30, 30), 4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath mouth;
    switch (mood) {
    case Mood::Smile:
        mouth.moveTo(46, 118);
        mouth.cubicTo(56, 132, 76, 132, 86, 118);
        break;
    case Mood::Straight:
        mouth.moveTo(50, 124);
        mouth.lineTo(82, 124);
        break;
    case Mood::Frown:
        mouth.moveTo(46, 130);
        mouth.cubicTo(56, 118, 76, 118, 86, 130);
        break;
    case Mood::Crooked:
        mouth.moveTo(44, 122);
        mouth.cubicTo(54, 132, 62, 116, 72, 126);
        mouth.cubicTo(78, 132, 84, 118, 90, 128);
        break;
    }
    p.drawPath(mouth);
    if (mood == Mood::Crooked || mood == Mood::Frown) {  // a drop of sweat
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 230, 255, 220));
        QPainterPath drop;
        drop.moveTo(112, 44);
        drop.cubicTo(118, 56, 120, 62, 112, 64);
        drop.cubicTo(104, 62, 106, 56, 112, 44);
        p.drawPath(drop);
    }
    return img;
}

// ---- props ----

QImage stove()
{
    QImage img = canvas(168, 227);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // feet
    p.setPen(QPen(QColor(90, 10, 10), 1));
    p.setBrush(QColor(190, 30, 24));
    p.drawRect(QRectF(16, 206, 18, 20));
    p.drawRect(QRectF(134, 206, 18, 20));
    // the box
    QLinearGradient g(8, 0, 160, 0);
    g.setColorAt(0, QColor(34, 26, 70));
    g.setColorAt(0.45, QColor(74, 60, 130));
    g.setColorAt(1, QColor(24, 18, 52));
    p.setPen(QPen(QColor(14, 10, 30), 2));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(6, 70, 156, 140), 6, 6);
    // the glowing door
    QRadialGradient glow(QPointF(84, 150), 46);
    glow.setColorAt(0, QColor(255, 230, 120));
    glow.setColorAt(0.4, QColor(255, 110, 30));
    glow.setColorAt(1, QColor(150, 20, 10));
    p.setBrush(glow);
    p.setPen(QPen(QColor(20, 14, 40), 3));
    p.drawRoundedRect(QRectF(40, 118, 88, 62), 8, 8);
    p.setPen(QPen(QColor(30, 22, 60), 4));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(58 + i * 17, 120), QPointF(58 + i * 17, 178));
    // stones heaped on top
    Rng rng(201);
    for (int row = 0; row < 4; ++row) {
        const int count = 6 - row;
        for (int i = 0; i < count; ++i) {
            const double cx = 20 + (128.0 / (count - 1 + 0.001)) * i + rng.range(-6, 6) + row * 2;
            const double cy = 70 - row * 16 + rng.range(-4, 4);
            const double r = rng.range(13, 19);
            const int grey = int(rng.range(90, 150));
            p.setPen(QPen(QColor(40, 38, 36), 1.2));
            p.setBrush(roundLight(QPointF(cx, cy), r, QColor(grey + 60, grey + 55, grey + 50),
                                  QColor(grey - 50, grey - 52, grey - 55)));
            p.drawEllipse(QPointF(cx, cy), r, r * 0.78);
        }
    }
    return img;
}

// The bucket, drawn as player 1 sees it: stave rising at the upper left.
// Its inside is almost black, so the water surface, which lightens what lies
// under it, shows its own teal there.
constexpr QRectF kBucketRim(10, 84, 158, 78);
constexpr QRectF kBucketInside(18, 90, 142, 66);

void bucketBack(QPainter& p)
{
    // the tall stave with its hand hole
    QLinearGradient sg(18, 0, 52, 0);
    sg.setColorAt(0, shade(kWood, 0.7));
    sg.setColorAt(0.35, shade(kWood, 1.2));
    sg.setColorAt(1, shade(kWood, 0.62));
    QPainterPath stave;
    stave.addRoundedRect(QRectF(18, 4, 34, 120), 9, 9);
    stave.addEllipse(QPointF(35, 26), 8, 10);
    stave.setFillRule(Qt::OddEvenFill);
    p.setPen(QPen(shade(kWood, 0.4), 1.2));
    p.setBrush(sg);
    p.drawPath(stave);
    p.setPen(QPen(QColor(120, 70, 34, 120), 1));
    for (double x : {27.0, 40.0, 46.0})
        p.drawLine(QPointF(x, 40), QPointF(x + 1, 118));
    // the rim: the back of its top edge
    QRadialGradient rg(kBucketRim.center() + QPointF(-20, -20), 100);
    rg.setColorAt(0, shade(kWood, 1.25));
    rg.setColorAt(1, shade(kWood, 0.8));
    p.setPen(QPen(shade(kWood, 0.4), 1.2));
    p.setBrush(rg);
    p.drawEllipse(kBucketRim);
    // the inside: the far wall catches a little light, the depth is dark
    QLinearGradient ig(0, kBucketInside.top(), 0, kBucketInside.top() + 18);
    ig.setColorAt(0, QColor(96, 60, 30));
    ig.setColorAt(1, QColor(14, 9, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(ig);
    p.drawEllipse(kBucketInside);
    p.setPen(QPen(QColor(60, 36, 18, 160), 1));
    for (int i = 1; i < 7; ++i) {  // staves of the far wall
        const double x = kBucketInside.left() + i * kBucketInside.width() / 7;
        p.drawLine(QPointF(x, 92 + std::abs(x - 89) * 0.08), QPointF(x, 104));
    }
}

void bucketFront(QPainter& p)
{
    QPainterPath wall;
    wall.moveTo(12, 124);
    wall.cubicTo(12, 170, 166, 170, 166, 124);  // the front of the rim
    wall.lineTo(156, 190);
    wall.cubicTo(150, 204, 28, 204, 22, 190);
    wall.closeSubpath();
    QLinearGradient g(12, 0, 166, 0);
    g.setColorAt(0, shade(kWood, 0.7));
    g.setColorAt(0.4, shade(kWood, 1.15));
    g.setColorAt(1, shade(kWood, 0.6));
    p.setPen(QPen(shade(kWood, 0.4), 1.5));
    p.setBrush(g);
    p.drawPath(wall);
    p.setPen(QPen(shade(kWood, 0.5), 1));
    for (int i = 1; i < 8; ++i) {
        const double x = 14 + i * 19;
        p.drawLine(QPointF(x, 150 + std::abs(x - 89) * 0.1), QPointF(x + (x - 89) * -0.07, 196));
    }
    // two hoops
    p.setPen(QPen(QColor(60, 58, 56), 5));
    p.setBrush(Qt::NoBrush);
    QPainterPath hoop1, hoop2;
    hoop1.moveTo(14, 150);
    hoop1.cubicTo(20, 180, 158, 180, 164, 150);
    hoop2.moveTo(19, 180);
    hoop2.cubicTo(26, 200, 152, 200, 159, 180);
    p.drawPath(hoop1);
    p.drawPath(hoop2);
    // the rim's front edge
    p.setPen(QPen(shade(kWood, 1.3), 2.5));
    QPainterPath rim;
    rim.moveTo(14, 124);
    rim.cubicTo(16, 166, 162, 166, 164, 124);
    p.drawPath(rim);
}

// The water surface: teal, dark at the left and light at the right, with a
// few ripple rings and a glint. Drawn over black, it lightens what is under it.
QImage water()
{
    QImage img = canvas(119, 43);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF surface(2, 4, 115, 35);
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
        p.drawEllipse(QPointF(70, 22), 12 + i * 11, 4 + i * 3.6);
    }
    QRadialGradient glint(QPointF(86, 14), 16);
    glint.setColorAt(0, QColor(230, 255, 250, 200));
    glint.setColorAt(1, QColor(230, 255, 250, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glint);
    p.drawEllipse(QPointF(86, 14), 18, 5);
    return img;
}

void ladleBowl(QPainter& p, QPointF centre, double rx, double ry)
{
    p.setPen(QPen(shade(kCopper, 0.45), 1.5));
    p.setBrush(roundLight(centre, rx * 1.2, shade(kCopper, 1.45), shade(kCopper, 0.6)));
    p.drawEllipse(centre, rx, ry);
    p.setBrush(shade(kCopper, 0.55));
    p.drawEllipse(QPointF(centre.x(), centre.y() - ry * 0.35), rx * 0.75, ry * 0.4);
}

QImage ladleResting()
{
    QImage img = canvas(208, 260);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    limb(p, QPointF(52, 214), QPointF(196, 12), 10, 9, QColor(150, 96, 50));
    ladleBowl(p, QPointF(40, 228), 34, 24);
    return img;
}

QImage ladleHeld()
{
    QImage img = canvas(290, 78);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    limb(p, QPointF(60, 38), QPointF(284, 28), 10, 9, QColor(150, 96, 50));
    ladleBowl(p, QPointF(36, 44), 33, 26);
    return img;
}

// A cloud of steam: overlapping soft puffs, white in the middle. Drawn over
// black, it lightens the stones and the wall it rises in front of.
QImage steam(double scale, int seed)
{
    QImage img = canvas(122, 34);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng{uint64_t(seed)};
    const int puffs = int(22 * scale) + 4;
    for (int i = 0; i < puffs; ++i) {
        const double cx = 61 + rng.range(-46, 46) * scale;
        const double cy = 19 + rng.range(-6, 6) * scale;
        const double r = rng.range(9, 15) * (0.55 + scale * 0.45);
        QRadialGradient g(QPointF(cx - r * 0.2, cy - r * 0.3), r);
        g.setColorAt(0, QColor(255, 255, 255, int(120 + 110 * scale)));
        g.setColorAt(0.6, QColor(236, 238, 244, int(70 + 90 * scale)));
        g.setColorAt(1, QColor(220, 224, 232, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, cy), r, r);
    }
    return img;
}

// One band of the lake: transparent above a wavy crest, foam on the crest,
// then water from cyan to deep blue with streaks of sky light.
QImage lakeStrip()
{
    QImage img = canvas(599, 136);
    for (int x = 0; x < 599; ++x) {
        const double edge = 62 + 3.5 * std::sin(x * 0.075) + 1.5 * std::sin(x * 0.23 + 1.0)
                            + 1.2 * (fbm(x / 18.0, 0.5, 307, 2) - 0.5);
        for (int y = 0; y < 136; ++y) {
            const double below = y - edge;
            if (below < -0.5)
                continue;
            const double t = std::clamp(below / (136 - edge), 0.0, 1.0);
            QColor c = mix(QColor(40, 236, 250), QColor(8, 60, 190), std::pow(t, 0.8));
            const double streak = fbm(x / 40.0, y / 2.2, 308, 3);
            c = mix(c, QColor(190, 250, 255), std::max(0.0, streak - 0.58) * 1.6 * (1 - t));
            if (below < 4)
                c = mix(c, QColor(235, 255, 255), (1 - below / 4) * 0.85);  // foam on the crest
            const double cover = std::clamp(below + 0.5, 0.0, 1.0);
            img.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), int(255 * cover)));
        }
    }
    return img;
}

// The hill, in the cabin picture: the walker's feet tread its path at y 194
// from the shore at the left (x 0) to the cabin (x 171).
constexpr double kPathY = 194;
constexpr double kCabinLeft = 168, kCabinRight = 246, kCabinBase = 176;

double hillTop(double x)
{
    // low at the shore, rising under the cabin and behind it
    return 184 - 16 * std::clamp(x / 170.0, 0.0, 1.0) - 26 * std::clamp((x - 170) / 95.0, 0.0, 1.0)
           + 2.0 * std::sin(x * 0.09);
}

void paintHill(QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double top = hillTop(x);
            const double below = y - top;
            const double shore = x * 1.6 + 16 - below;  // the tip slopes into the lake
            if (below < -0.5 || shore < -0.5)
                continue;
            const double grass = fbm(x / 6.0, y / 3.0, 310, 3);
            QColor c = mix(QColor(112, 176, 60), QColor(30, 96, 30), std::clamp(below / 60.0, 0.0, 1.0));
            c = shade(c, 0.85 + 0.3 * grass);
            if (below < 3)
                c = mix(c, QColor(220, 200, 90), 0.5);  // evening light on the brow
            const double path = std::abs(y - (kPathY + 1)) - 2.5;
            if (x < kCabinLeft && path < 0)
                c = mix(c, QColor(176, 140, 96), 0.75 * std::clamp(-path, 0.0, 1.0));  // the trodden path
            if (shore < 10)
                c = mix(c, QColor(206, 180, 130), 0.8 * (1 - std::max(0.0, shore) / 10));  // sand at the shore
            const double cover = std::clamp(std::min(below, shore) + 0.5, 0.0, 1.0);
            img.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue(), int(255 * cover)));
        }
    }
}

void paintCabin(QPainter& p)
{
    // log walls
    const QRectF wall(kCabinLeft, 112, kCabinRight - kCabinLeft, kCabinBase - 112);
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
    QLinearGradient rg(182, 80, 222, 118);
    rg.setColorAt(0, QColor(236, 60, 40));
    rg.setColorAt(1, QColor(140, 18, 14));
    p.setPen(QPen(QColor(90, 10, 8), 1.5));
    p.setBrush(rg);
    p.drawPath(roof);
    p.setPen(QPen(QColor(255, 150, 110), 2));
    p.drawLine(QPointF(158, 115), QPointF(207, 71));  // sunlit verge
    // smoke drifting left from the chimney
    Rng rng(309);
    for (int i = 7; i >= 0; --i) {
        const double cx = 230 - i * 8 + rng.range(-2, 2);
        const double cy = 54 - i * 6.5;
        const double r = 5 + i * 1.5;
        QRadialGradient g(QPointF(cx - r * 0.3, cy - r * 0.3), r * 1.3);
        g.setColorAt(0, QColor(236, 226, 222));
        g.setColorAt(1, QColor(168, 150, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, cy), r, r * 0.8);
    }
}

QImage cabin()
{
    QImage img = canvas(265, 244);
    paintHill(img);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paintCabin(p);
    return img;
}

QImage walker()
{
    QImage img = canvas(21, 39);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(9, 5), 4, 4);
    p.drawLine(QPointF(10, 9), QPointF(11, 23));   // body
    p.drawLine(QPointF(11, 23), QPointF(4, 37));   // front leg, striding left
    p.drawLine(QPointF(11, 23), QPointF(17, 37));
    p.drawLine(QPointF(10, 13), QPointF(3, 20));   // arms
    p.drawLine(QPointF(10, 13), QPointF(17, 19));
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
// mirrored) and the hand on the ladle's handle.
struct ArmFrame {
    int id;
    ArmPose pose;
};
const ArmFrame kArmFrames[] = {
    {111, {266, 132, {243, 20}, {150, 64}, {42, 84}}},     // rest: hand on the ladle in the bucket
    {113, {291, 197, {240, 38}, {196, 128}, {110, 139}}},  // phase 3
    {115, {295, 215, {225, 33}, {204, 134}, {114, 143}}},  // phase 2
    {117, {296, 247, {220, 38}, {212, 150}, {120, 166}}},  // phase 1: ladle furthest out
};

} // namespace

std::vector<Bitmap> spritePictures()
{
    std::vector<Bitmap> out;
    // Faces: the same mask for all four, so one face covers another.
    const QImage faces[] = {face(QColor(196, 140, 98), Mood::Smile),
                            face(QColor(204, 138, 100), Mood::Straight),
                            face(QColor(222, 112, 90), Mood::Frown),
                            face(QColor(206, 58, 52), Mood::Crooked)};
    const Pair first = opaquePair(faces[0]);
    for (int i = 0; i < 4; ++i) {
        Pair pair = opaquePair(faces[i]);
        pair.mask = first.mask;
        for (int y = 0; y < pair.sprite.height(); ++y)  // sprite black exactly where the mask is white
            for (int x = 0; x < pair.sprite.width(); ++x)
                if (first.mask.pixel(x, y) == 0xFFFFFFFF)
                    pair.sprite.setPixel(x, y, 0xFF000000);
                else if (pair.sprite.pixel(x, y) == 0xFF000000)
                    pair.sprite.setPixel(x, y, faces[0].pixel(x, y) | 0xFF000000);
        add(out, 101 + 2 * i, pair, 24);
    }
    add(out, 109, opaquePair(bodyPicture(), kRoomMatte), 24);
    // Arm frames: the shoulder stays on the body's shoulder in the view, the
    // hand holds the ladle where the frame puts it.
    for (const auto& [id, pose] : kArmFrames)
        add(out, id, opaquePair(armPicture(pose), kRoomMatte), 24);

    add(out, 201, opaquePair(stove(), kRoomMatte), 1);
    add(out, 203, opaquePair(painted(200, 200, bucketBack), kRoomMatte), 1);
    add(out, 205, opaquePair(painted(200, 200, bucketFront), kRoomMatte), 1);
    add(out, 207, complementPair(water()), 24);
    add(out, 209, opaquePair(ladleResting(), kRoomMatte), 1);
    add(out, 211, opaquePair(ladleHeld(), kRoomMatte), 1);
    add(out, 301, complementPair(steam(1.0, 301)), 24);
    add(out, 303, complementPair(steam(0.7, 303)), 24);
    add(out, 305, complementPair(steam(0.4, 305)), 24);
    add(out, 307, opaquePair(lakeStrip(), QColor(20, 120, 220)), 24);
    add(out, 309, opaquePair(cabin(), QColor(240, 70, 10)), 24);
    add(out, 311, complementPair(walker()), 24);
    add(out, 313, opaquePair(smallBucket()), 1);
    return out;
}

} // namespace art
