// The numbered sprites. Each is drawn as stored, which is player 2's side for
// the bather (player 1 sees it mirrored) and player 1's side for the bucket
// and the resting ladle.
#include "art.h"

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

// ---- body: reclining, head and throwing arm left out; as player 2 sees it ----

QImage body()
{
    QImage img = canvas(380, 579);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // legs: from the hips down to the left, bent at the knee
    limb(p, QPointF(250, 340), QPointF(150, 450), 70, 52, kSkin);
    limb(p, QPointF(150, 450), QPointF(80, 560), 50, 36, kSkin);
    limb(p, QPointF(290, 350), QPointF(210, 470), 70, 52, shade(kSkin, 0.92));
    limb(p, QPointF(210, 470), QPointF(150, 570), 50, 36, shade(kSkin, 0.92));
    // torso
    QPainterPath torso;
    torso.moveTo(290, 50);
    torso.cubicTo(340, 46, 372, 60, 366, 110);
    torso.cubicTo(360, 190, 340, 260, 318, 350);
    torso.cubicTo(290, 390, 230, 380, 218, 340);
    torso.cubicTo(226, 260, 240, 170, 250, 100);
    torso.cubicTo(254, 70, 266, 52, 290, 50);
    QLinearGradient tg(230, 0, 370, 0);
    tg.setColorAt(0, shade(kSkin, 0.8));
    tg.setColorAt(0.5, shade(kSkin, 1.08));
    tg.setColorAt(1, shade(kSkin, 0.85));
    p.setPen(QPen(kSkinShadow, 1.5));
    p.setBrush(tg);
    p.drawPath(torso);
    // neck
    p.setBrush(vertical(0, 60, shade(kSkin, 0.85), kSkin));
    p.drawRoundedRect(QRectF(306, 10, 38, 50), 14, 14);
    // the resting arm along the left of the torso
    limb(p, QPointF(262, 80), QPointF(226, 200), 40, 32, shade(kSkin, 0.95));
    limb(p, QPointF(226, 200), QPointF(230, 300), 32, 26, shade(kSkin, 0.95));
    // swimsuit top and bottom
    QPainterPath top;
    top.moveTo(256, 120);
    top.cubicTo(290, 108, 340, 108, 362, 122);
    top.lineTo(356, 170);
    top.cubicTo(330, 186, 280, 184, 248, 170);
    top.closeSubpath();
    p.setPen(QPen(shade(kSuit, 0.55), 1.5));
    p.setBrush(vertical(110, 186, shade(kSuit, 1.2), shade(kSuit, 0.8)));
    p.drawPath(top);
    p.drawLine(QPointF(300, 112), QPointF(316, 62));
    QPainterPath bottom;
    bottom.moveTo(226, 300);
    bottom.cubicTo(260, 310, 300, 310, 330, 296);
    bottom.lineTo(318, 352);
    bottom.cubicTo(290, 390, 236, 382, 220, 344);
    bottom.closeSubpath();
    p.drawPath(bottom);
    // navel
    p.setPen(QPen(kSkinShadow, 2));
    p.drawPoint(QPointF(292, 250));
    return img;
}

// ---- the throwing arm: shoulder (sx, sy), elbow, hand, as player 2 sees it ----

QImage arm(int w, int h, QPointF shoulder, QPointF elbow, QPointF hand)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    limb(p, shoulder, elbow, 42, 34, kSkin);
    limb(p, elbow, hand, 34, 26, kSkin);
    // the hand, a fist round the ladle's handle
    p.setPen(QPen(kSkinShadow, 1.5));
    p.setBrush(roundLight(hand, 18, shade(kSkin, 1.15), shade(kSkin, 0.85)));
    p.drawEllipse(hand, 17, 15);
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
void bucketBack(QPainter& p)
{
    // the tall stave with its hand hole
    p.setPen(QPen(shade(kWood, 0.45), 1.5));
    p.setBrush(vertical(0, 120, shade(kWood, 1.1), shade(kWood, 0.85)));
    QPainterPath stave;
    stave.addRoundedRect(QRectF(18, 4, 34, 120), 8, 8);
    stave.addEllipse(QPointF(35, 26), 8, 10);
    stave.setFillRule(Qt::OddEvenFill);
    p.drawPath(stave);
    // the inside: dark wood seen through the rim
    p.setBrush(vertical(88, 170, shade(kWood, 0.45), shade(kWood, 0.75)));
    p.setPen(QPen(shade(kWood, 0.4), 2));
    p.drawEllipse(QRectF(14, 88, 150, 70));
    p.setPen(QPen(shade(kWood, 0.35), 1));
    for (int i = 1; i < 8; ++i)
        p.drawLine(QPointF(14 + i * 19, 94), QPointF(14 + i * 19, 124));
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

QImage water()
{
    QImage img = canvas(119, 43);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 119, 0);
    g.setColorAt(0, QColor(0, 70, 80));
    g.setColorAt(1, QColor(60, 200, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QRectF(2, 4, 115, 35));
    p.setBrush(QColor(200, 255, 255, 90));
    p.drawEllipse(QRectF(64, 12, 34, 8));
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

QImage steam(double scale, int seed)
{
    QImage img = canvas(122, 34);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng{uint64_t(seed)};
    const int puffs = int(14 * scale) + 3;
    for (int i = 0; i < puffs; ++i) {
        const double cx = 61 + rng.range(-48, 48) * scale;
        const double cy = 20 + rng.range(-8, 8) * scale;
        const double r = rng.range(7, 13) * (0.5 + scale * 0.5);
        QRadialGradient g(QPointF(cx, cy), r);
        g.setColorAt(0, QColor(235, 235, 240, int(150 * scale + 40)));
        g.setColorAt(1, QColor(235, 235, 240, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, cy), r, r);
    }
    return img;
}

QImage lakeStrip()
{
    QImage img = canvas(599, 136);
    for (int x = 0; x < 599; ++x) {
        const double edge = 62 + 3.5 * std::sin(x * 0.075) + 1.5 * std::sin(x * 0.23 + 1.0);
        for (int y = 0; y < 136; ++y) {
            if (y < edge)
                continue;
            const double t = (y - edge) / (136 - edge);
            const double ripple = 0.5 + 0.5 * std::sin(x * 0.11 + y * 0.9);
            QColor c = mix(QColor(0, 240, 250), QColor(10, 70, 200), t);
            c = mix(c, QColor(200, 255, 255), (y - edge < 3) ? 0.6 : ripple * 0.12 * (1 - t));
            img.setPixelColor(x, y, c);
        }
    }
    return img;
}

QImage cabin()
{
    QImage img = canvas(265, 244);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // the hill
    QPainterPath hill;
    hill.moveTo(0, 244);
    hill.cubicTo(2, 214, 30, 196, 80, 194);
    hill.cubicTo(140, 192, 170, 170, 220, 160);
    hill.cubicTo(250, 156, 265, 158, 265, 158);
    hill.lineTo(265, 244);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(150, 244, QColor(70, 160, 50), QColor(20, 80, 24)));
    p.drawPath(hill);
    // the cabin
    const QRectF wall(150, 88, 92, 72);
    p.setPen(QPen(QColor(60, 30, 20), 1.5));
    p.setBrush(vertical(88, 160, QColor(150, 70, 40), QColor(100, 44, 26)));
    p.drawRect(wall);
    p.setPen(QPen(QColor(80, 40, 24), 1));
    for (int y = 96; y < 160; y += 8)
        p.drawLine(QPointF(151, y), QPointF(241, y));
    p.setBrush(QColor(255, 210, 110));
    p.setPen(QPen(QColor(50, 30, 20), 2));
    p.drawRect(QRectF(164, 106, 22, 20));
    p.setBrush(QColor(70, 36, 20));
    p.drawRect(QRectF(206, 112, 20, 48));
    // the roof and chimney
    p.setBrush(QColor(120, 110, 100));
    p.drawRect(QRectF(218, 44, 12, 30));
    QPainterPath roof;
    roof.moveTo(140, 92);
    roof.lineTo(196, 52);
    roof.lineTo(252, 92);
    roof.closeSubpath();
    p.setBrush(vertical(52, 92, QColor(220, 40, 30), QColor(150, 20, 16)));
    p.drawPath(roof);
    // smoke
    Rng rng(309);
    for (int i = 0; i < 7; ++i) {
        const double cx = 224 - i * 7 + rng.range(-3, 3);
        const double cy = 38 - i * 6;
        const double r = 5 + i * 1.6;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 200, 205, 230));
        p.drawEllipse(QPointF(cx, cy), r, r * 0.8);
    }
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
    add(out, 109, opaquePair(body()), 24);
    // Arm frames: the shoulder stays put in the view, the hand holds the ladle.
    add(out, 111, opaquePair(arm(266, 132, {240, 18}, {150, 60}, {42, 84})), 24);
    add(out, 113, opaquePair(arm(291, 197, {240, 36}, {200, 150}, {118, 132})), 24);
    add(out, 115, opaquePair(arm(295, 215, {222, 26}, {200, 160}, {118, 132})), 24);
    add(out, 117, opaquePair(arm(296, 247, {224, 36}, {210, 200}, {126, 160})), 24);

    add(out, 201, opaquePair(stove()), 1);
    add(out, 203, opaquePair(painted(200, 200, bucketBack)), 1);
    add(out, 205, opaquePair(painted(200, 200, bucketFront)), 1);
    add(out, 207, complementPair(water()), 24);
    add(out, 209, opaquePair(ladleResting()), 1);
    add(out, 211, opaquePair(ladleHeld()), 1);
    add(out, 301, complementPair(steam(1.0, 301)), 24);
    add(out, 303, complementPair(steam(0.7, 303)), 24);
    add(out, 305, complementPair(steam(0.4, 305)), 24);
    add(out, 307, opaquePair(lakeStrip()), 24);
    add(out, 309, opaquePair(cabin()), 24);
    add(out, 311, complementPair(walker()), 24);
    add(out, 313, opaquePair(smallBucket()), 1);
    return out;
}

} // namespace art
