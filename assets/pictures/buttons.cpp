// The menu's two picture buttons.
#include "art.h"

#include <QFont>
#include <QFontDatabase>

#include <cmath>
#include <utility>

namespace art {

namespace {

QFont buttonFont(int pixels)
{
    QFont font;
    font.setFamily(QFontDatabase::families().contains("Comic Sans MS") ? "Comic Sans MS" : "Comic Neue");
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// The frame both buttons share: a moulding lit from the upper left, a dark
// groove along its inner edge and a faint grain along each side.
void bevelFrame(QPainter& p, const QRectF& r, const QColor& base, double width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < int(width); ++i) {
        const double t = i / width;
        const double round = std::sin(t * 3.14159);  // the moulding's rounded profile
        p.setPen(QPen(shade(base, 1.0 + 0.7 * round - 0.2 * t), 1));
        p.drawLine(QPointF(r.left() + i, r.top() + i), QPointF(r.right() - i, r.top() + i));
        p.drawLine(QPointF(r.left() + i, r.top() + i), QPointF(r.left() + i, r.bottom() - i));
        p.setPen(QPen(shade(base, 0.45 + 0.35 * round), 1));
        p.drawLine(QPointF(r.left() + i + 1, r.bottom() - i), QPointF(r.right() - i, r.bottom() - i));
        p.drawLine(QPointF(r.right() - i, r.top() + i + 1), QPointF(r.right() - i, r.bottom() - i));
    }
    // grain along the sides
    Rng rng(uint64_t(base.rgb()));
    for (int k = 0; k < 6; ++k) {
        const double off = rng.range(1, width - 1);
        const double from = rng.range(0.05, 0.4), to = rng.range(0.6, 0.95);
        p.setPen(QPen(QColor(0, 0, 0, 40), 1));
        p.drawLine(QPointF(r.left() + r.width() * from, r.top() + off), QPointF(r.left() + r.width() * to, r.top() + off));
        p.drawLine(QPointF(r.left() + off, r.top() + r.height() * from), QPointF(r.left() + off, r.top() + r.height() * to));
        p.drawLine(QPointF(r.left() + r.width() * from, r.bottom() - off), QPointF(r.left() + r.width() * to, r.bottom() - off));
        p.drawLine(QPointF(r.right() - off, r.top() + r.height() * from), QPointF(r.right() - off, r.top() + r.height() * to));
    }
    // the groove round the black inside
    const QRectF in = r.adjusted(width, width, -width, -width);
    p.setPen(QPen(shade(base, 0.25), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(in);
    p.setPen(QPen(shade(base, 1.4), 1));
    p.drawLine(in.bottomLeft() + QPointF(1, 1), in.bottomRight() + QPointF(1, 1));
    p.drawLine(in.topRight() + QPointF(1, 1), in.bottomRight() + QPointF(1, 1));
    p.restore();
}

// A wooden bucket of water in orange-brown, shaded like the game's bucket:
// staves lit from the left, iron hoops, a tall stave with a hand hole.
void buttonBucket(QPainter& p)
{
    const QColor wood(214, 120, 40);
    auto across = [&](double left, double right) {
        QLinearGradient g(left, 0, right, 0);
        g.setColorAt(0, shade(wood, 0.55));
        g.setColorAt(0.3, shade(wood, 1.2));
        g.setColorAt(1, shade(wood, 0.5));
        return g;
    };
    // the tall stave behind the rim
    QPainterPath stave;
    stave.addRoundedRect(QRectF(52, 16, 22, 50), 6, 6);
    QPainterPath hole;
    hole.addEllipse(QPointF(63, 28), 4.5, 6);
    p.setPen(QPen(shade(wood, 0.35), 1.2));
    p.setBrush(across(52, 74));
    p.drawPath(stave.subtracted(hole));
    // the rim and the dark inside with the water in it
    const QRectF rim(44, 50, 112, 28);
    p.setBrush(across(44, 156));
    p.drawEllipse(rim);
    QLinearGradient inside(0, rim.top(), 0, rim.bottom());
    inside.setColorAt(0, shade(wood, 0.7));
    inside.setColorAt(1, shade(wood, 0.2));
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawEllipse(rim.adjusted(6, 4, -6, -4));
    const QRectF water = rim.adjusted(10, 9, -10, -4);
    QLinearGradient wg(water.left(), 0, water.right(), 0);
    wg.setColorAt(0, QColor(0, 70, 80));
    wg.setColorAt(0.6, QColor(24, 140, 142));
    wg.setColorAt(1, QColor(96, 214, 206));
    p.setBrush(wg);
    p.drawEllipse(water);
    QRadialGradient glint(QPointF(water.center().x() + 22, water.top() + 5), 14);
    glint.setColorAt(0, QColor(235, 255, 250, 220));
    glint.setColorAt(1, QColor(235, 255, 250, 0));
    p.setBrush(glint);
    p.drawEllipse(QPointF(water.center().x() + 22, water.top() + 5), 14, 3.5);
    // the ladle resting in it, its handle leaning on the rim and rising to the right
    const QPointF dip(104, 70), end(150, 14);
    QLinearGradient handle(dip + QPointF(-3, -2), dip + QPointF(3, 2));
    handle.setColorAt(0, shade(wood, 1.3));
    handle.setColorAt(1, shade(wood, 0.6));
    p.setPen(QPen(QBrush(handle), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(dip, end);
    p.setPen(QPen(shade(wood, 0.3), 1));
    p.drawLine(dip + QPointF(2.6, 1.8), end + QPointF(2.6, 1.8));
    p.setPen(QPen(QColor(255, 230, 190, 140), 1));
    p.drawLine(dip + QPointF(-1.5, -1.2) , end + QPointF(-1.5, -1.2));
    p.setPen(QPen(QColor(0, 60, 70, 160), 1.4));  // where it enters the water
    p.drawArc(QRectF(dip.x() - 6, dip.y() - 3, 12, 5), 180 * 16, 180 * 16);
    // the front wall, tapering down, with its staves and hoops
    QPainterPath wall;
    wall.moveTo(44, 64);
    wall.cubicTo(44, 82, 156, 82, 156, 64);
    wall.lineTo(144, 136);
    wall.cubicTo(136, 148, 64, 148, 56, 136);
    wall.closeSubpath();
    p.setPen(QPen(shade(wood, 0.35), 1.2));
    p.setBrush(across(44, 156));
    p.drawPath(wall);
    p.save();
    p.setClipPath(wall);
    for (double x = 58; x < 150; x += 15) {
        p.setPen(QPen(shade(wood, 0.45), 1));
        p.drawLine(QPointF(x, 70), QPointF(x + (x - 100) * 0.1, 150));
        p.setPen(QPen(QColor(255, 200, 140, 60), 1));
        p.drawLine(QPointF(x + 1.2, 70), QPointF(x + 1.2 + (x - 100) * 0.1, 150));
    }
    for (const auto& [y, sag] : {std::pair{82.0, 16.0}, std::pair{120.0, 12.0}}) {
        QPainterPath band;
        band.moveTo(30, y);
        band.cubicTo(70, y + sag, 130, y + sag, 170, y);
        p.setPen(QPen(QColor(56, 52, 50), 5, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(band);
        p.setPen(QPen(QColor(170, 164, 156, 200), 1.2));
        p.drawPath(band.translated(0, -1.8));
    }
    p.restore();
    // the rim's lit front edge
    p.setPen(QPen(shade(wood, 1.35), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(rim.adjusted(1, 1, -1, -1), 190 * 16, 160 * 16);
}

// The frame and the label both buttons share.
const QColor kFrame(72, 56, 46);
constexpr double kFrameWidth = 8;
constexpr int kLabelPixels = 22;

void label(QPainter& p, const QRectF& area, const QString& text, const QColor& colour)
{
    p.setPen(colour);
    p.setFont(buttonFont(kLabelPixels));
    p.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace

QImage startButton()
{
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bevelFrame(p, QRectF(0, 0, 199, 199), kFrame, kFrameWidth);
    buttonBucket(p);
    label(p, QRectF(8, 150, 184, 42), QString::fromUtf8("Aloita uusi peli"), Qt::white);
    return img;
}

QImage quitButton()
{
    QImage img(132, 155, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bevelFrame(p, QRectF(0, 0, 131, 154), kFrame, kFrameWidth);
    // her face, hot and plainly worried, in the colours of the game's faces;
    // drawn a little smaller than its outline below, to leave two lines for the words
    p.save();
    p.translate(66, 10);
    p.scale(0.92, 0.92);
    p.translate(-66, -8);
    const QColor hairDeep(58, 32, 18), hairMid(112, 66, 34), hairLit(176, 120, 70);
    // the bun on top, behind the head
    QRadialGradient bun(QPointF(63, 11), 8);
    bun.setColorAt(0, mix(hairMid, hairLit, 0.5));
    bun.setColorAt(0.5, hairMid);
    bun.setColorAt(1, hairDeep);
    p.setPen(QPen(shade(hairDeep, 0.7), 1));
    p.setBrush(bun);
    p.drawEllipse(QPointF(66, 14), 7.5, 6);
    QPainterPath egg;
    egg.moveTo(66, 14);
    egg.cubicTo(90, 14, 99, 44, 98, 62);
    egg.cubicTo(97, 86, 84, 98, 66, 98);
    egg.cubicTo(48, 98, 35, 86, 34, 62);
    egg.cubicTo(33, 44, 42, 14, 66, 14);
    QRadialGradient g(QPointF(58, 50), 58, QPointF(54, 42));  // warm skin, lit from the upper left
    g.setColorAt(0, QColor(244, 200, 164));
    g.setColorAt(0.45, QColor(226, 164, 124));
    g.setColorAt(0.85, QColor(196, 124, 92));
    g.setColorAt(1, QColor(150, 82, 62));
    p.setPen(QPen(QColor(110, 56, 40), 1.2));
    p.setBrush(g);
    p.drawPath(egg);
    p.save();
    p.setClipPath(egg);
    p.setPen(Qt::NoPen);
    for (const QPointF& c : {QPointF(47, 72), QPointF(85, 72)}) {  // cheeks red from the heat
        QRadialGradient cheek(c, 11);
        cheek.setColorAt(0, QColor(226, 92, 84, 120));
        cheek.setColorAt(1, QColor(226, 92, 84, 0));
        p.setBrush(cheek);
        p.drawEllipse(c, 11, 8);
    }
    // the hair swept up from a low hairline, parted a little off centre
    QPainterPath hair;
    hair.moveTo(30, 56);
    hair.cubicTo(34, 36, 46, 26, 62, 25);
    hair.cubicTo(66, 28, 68, 28, 70, 25);
    hair.cubicTo(86, 26, 98, 36, 102, 56);
    hair.lineTo(102, 0);
    hair.lineTo(30, 0);
    hair.closeSubpath();
    QLinearGradient hg(50, 12, 74, 34);
    hg.setColorAt(0, hairMid);
    hg.setColorAt(0.6, hairDeep);
    p.setBrush(hg);
    p.drawPath(hair);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(210, 160, 110, 60), 1, Qt::SolidLine, Qt::RoundCap));  // strands catching the light
    for (int i = 0; i < 4; ++i) {
        QPainterPath strand;
        strand.moveTo(40 + 5 * i, 36 - 3 * i);
        strand.quadTo(50 + 3 * i, 20, 63, 17 + i);
        p.drawPath(strand);
    }
    p.restore();
    // eyes wide open, the green irises turned up towards the raised brows
    for (const QPointF& c : {QPointF(53, 53), QPointF(79, 53)}) {
        QRadialGradient white(c + QPointF(-1, -2), 10);
        white.setColorAt(0, QColor(255, 252, 248));
        white.setColorAt(1, QColor(214, 200, 196));
        p.setPen(QPen(QColor(70, 36, 26), 1.3));
        p.setBrush(white);
        p.drawEllipse(c, 8, 9);
        p.setPen(Qt::NoPen);
        const QPointF iris = c + QPointF(c.x() < 66 ? 1.5 : -1.5, -2.5);
        p.setBrush(QColor(92, 120, 70));
        p.drawEllipse(iris, 4, 4.2);
        p.setBrush(QColor(20, 18, 16));
        p.drawEllipse(iris, 1.9, 2.1);
        p.setBrush(Qt::white);
        p.drawEllipse(iris + QPointF(-1.3, -1.5), 0.9, 0.9);
    }
    p.setBrush(Qt::NoBrush);
    QPainterPath brows;  // steep, their inner ends pulled up high
    brows.moveTo(42, 42);
    brows.quadTo(52, 40, 61, 32);
    brows.moveTo(90, 42);
    brows.quadTo(80, 40, 71, 32);
    p.setPen(QPen(hairDeep, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brows);
    p.setPen(QPen(QColor(150, 84, 62), 1.1, Qt::SolidLine, Qt::RoundCap));  // the frown knotted between them
    p.drawLine(QPointF(64, 34), QPointF(64.8, 38));
    p.drawLine(QPointF(68, 34), QPointF(67.2, 38));
    QPainterPath mouth;  // a wobbly frown, its corners pulled down
    mouth.moveTo(52, 87);
    mouth.cubicTo(55, 81, 58, 80, 61, 82);
    mouth.cubicTo(63, 84, 65, 80, 67, 80);
    mouth.cubicTo(69, 80, 70, 84, 72, 82);
    mouth.cubicTo(75, 80, 78, 81, 80, 87);
    p.setPen(QPen(QColor(150, 56, 62), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(mouth);
    // sweat: beads on the forehead and a big drop running down from the temple
    auto drop = [&](QPointF top, double size) {
        QPainterPath d;
        d.moveTo(top);
        d.cubicTo(top + QPointF(4, 9) * size, top + QPointF(7, 14) * size, top + QPointF(3, 18) * size);
        d.cubicTo(top + QPointF(-1, 21) * size, top + QPointF(-6, 15) * size, top);
        p.setPen(QPen(QColor(70, 110, 160), 1));
        p.setBrush(QColor(186, 222, 250));
        p.drawPath(d);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(top + QPointF(-0.5, 13) * size, 1.2 * size, 2 * size);
    };
    drop(QPointF(95, 42), 1.0);
    drop(QPointF(38, 48), 0.5);
    drop(QPointF(49, 31), 0.4);
    drop(QPointF(80, 30), 0.35);
    p.restore();
    label(p, QRectF(8, 94, 116, 54), QString::fromUtf8("Poistu pelistä"), Qt::white);
    return img;
}

} // namespace art
