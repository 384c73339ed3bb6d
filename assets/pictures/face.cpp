// The bather's face in four moods: the same woman, hair tied up in a bun for
// the heat, shaded like the body. Every mood has the same outline.
#include "figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {

namespace {

constexpr int kFaceW = 132, kFaceH = 155;
constexpr double kCx = 66;
constexpr double kTop = 24, kMid = 86, kChin = 151;  // the egg, top to chin
constexpr double kCheekHalf = 54, kJawHalf = 47;     // half widths above and at the chin
constexpr double kEyeY = 88, kEyeDx = 23;
constexpr QPointF kBun(66, 17);
constexpr double kBunR = 16;

const QColor kHairDeep(58, 32, 18);
const QColor kHairMid(112, 66, 34);
const QColor kHairLit(176, 120, 70);
const QColor kLip(190, 78, 86);
const QColor kIris(92, 120, 70);

// Where a point lies on the egg: u, v in -1..1 when inside.
void eggCoords(double x, double y, double& u, double& v)
{
    const double below = std::clamp((y - kMid) / (kChin - kMid), 0.0, 1.0);
    const double half = kCheekHalf + (kJawHalf - kCheekHalf) * below * below;
    u = (x - kCx) / half;
    v = y < kMid ? (y - kMid) / (kMid - kTop) : (y - kMid) / (kChin - kMid);
}

// Where a mood's flush lies: `even` is how much of it covers the whole face
// beside the cheeks, the nose and the forehead, `jaw` how much of it stays on
// the jaw and the chin.
struct Flush {
    double even, jaw;
};

// How strongly the heat shows at a point of the face, up to 1: most on the
// cheeks, the nose and the forehead, least down the chin.
double flushAt(double x, double y, const Flush& f)
{
    auto spot = [&](double cx, double cy, double rx, double ry) {
        const double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return std::exp(-(dx * dx + dy * dy));
    };
    const double heat = std::max({spot(kCx - 30, 110, 18, 14), spot(kCx + 30, 110, 18, 14),
                                  spot(kCx, 104, 9, 16), spot(kCx, 62, 30, 14)});
    // down the jaw and the chin it fades, gradually, into the neck's own skin,
    // so even the deepest flush ends without a seam where the neck carries on
    double u, v;
    eggCoords(x, y, u, v);
    const double chin = std::clamp((v - 0.5) / 0.5, 0.0, 1.0);
    return (f.even + (1 - f.even) * heat) * (1 - (1 - f.jaw) * chin * chin * (3 - 2 * chin));
}

// The egg shaded as a rounded surface, in the body's skin multiplied by the
// mood's tint (white keeps the body's own skin).
void paintEgg(QImage& img, const QColor& tint, const Flush& flush, bool softEdge)
{
    const double lx = 0.0, ly = -0.55, lz = 0.83;
    const double hl = std::hypot(lx, ly, lz + 1);
    for (int y = 0; y < kFaceH; ++y) {
        auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kFaceW; ++x) {
            double u, v;
            eggCoords(x + 0.5, y + 0.5, u, v);
            const double r = std::hypot(u, v);
            const double cover = std::clamp((1 - r) * 48 + 0.5, 0.0, 1.0);
            if (cover < 0.5)  // outside the outline: left clear
                continue;
            const double rr = std::min(r, 0.999);
            const double nx = u * 0.92, ny = v * 0.92;
            const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
            const double diffuse = std::max(0.0, nx * lx + ny * ly + nz * lz);
            const double shine = std::pow(std::max(0.0, (nx * lx + ny * ly + nz * (lz + 1)) / hl), 30);
            QColor c = skinAt(diffuse, shine, rr);
            // just above the chin's edge, where the neck carries on below, the skin
            // takes the neck's own light so the two meet without a dark seam
            const double across = (x + 0.5 - kCx) / 21.0;
            double overNeck = 0;  // how much the neck carries on right below this point
            if (std::abs(across) < 1 && v > 0.6) {
                const double neckLight = std::sqrt(1 - across * across) * lz;
                overNeck = std::clamp((v - 0.6) / 0.35, 0.0, 1.0) * (1 - across * across);
                c = mix(c, skinAt(neckLight, 0, std::abs(across)), 0.85 * overNeck);
            }
            // the heat's flush: strongest on the cheeks, the nose and the
            // forehead, fading towards the jaw and the hairline
            const double w = flushAt(x + 0.5, y + 0.5, flush);
            auto flushed = [&](double skin, double t) { return skin * (1 - w * (1 - t)); };
            c = QColor::fromRgbF(flushed(c.redF(), tint.redF()), flushed(c.greenF(), tint.greenF()),
                                 flushed(c.blueF(), tint.blueF()));
            // the outline's edge: fully opaque, in the skin a shade deeper where the
            // pixel is only partly covered, so the hard edge reads as a soft rim
            // (none over the neck, where the chin runs on into it)
            c = mix(c, shade(c, softEdge ? 0.9 : 0.8), std::clamp((1 - cover) * 2, 0.0, 1.0) * (1 - overNeck));
            // a soft edge lets the outline's partly covered pixels show what lies behind
            row[x] = softEdge ? qPremultiply(qRgba(c.red(), c.green(), c.blue(), int(std::lround(cover * 255))))
                              : qRgb(c.red(), c.green(), c.blue());
        }
    }
}

QRadialGradient softSpot(QPointF centre, double radius, const QColor& c)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, c);
    QColor clear = c;
    clear.setAlpha(0);
    g.setColorAt(1, clear);
    return g;
}

void paintEars(QPainter& p, const QColor& tint)
{
    const QColor base(224, 160, 120);
    const QColor skin = QColor::fromRgbF(base.redF() * tint.redF(), base.greenF() * tint.greenF(),
                                         base.blueF() * tint.blueF());
    for (double side : {-1.0, 1.0}) {
        const QPointF c(kCx + side * 53, 96);
        QRadialGradient g(c + QPointF(-side * 2, -3), 12);
        g.setColorAt(0, shade(skin, 1.05));
        g.setColorAt(1, shade(skin, 0.72));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, 7, 12);
        p.setBrush(softSpot(c + QPointF(-side * 1, 1), 6, QColor(120, 60, 44, 120)));
        p.drawEllipse(c + QPointF(-side * 1, 1), 4, 7);
        p.setBrush(QColor(236, 220, 170));  // a small gold stud
        p.drawEllipse(c + QPointF(side * 1, 9), 1.6, 1.6);
    }
}

// Hair swept up from the hairline to the bun, with sheen on the crown.
void paintHair(QPainter& p)
{
    QPainterPath cap;
    cap.moveTo(9, 92);
    cap.cubicTo(4, 46, 30, 18, 66, 18);
    cap.cubicTo(102, 18, 128, 46, 123, 92);
    cap.cubicTo(118, 70, 112, 58, 94, 52);  // hairline, parted a little off centre
    cap.cubicTo(84, 48, 74, 46, 62, 48);
    cap.cubicTo(42, 50, 22, 58, 9, 92);
    QRadialGradient g(QPointF(56, 34), 70, QPointF(50, 28));
    g.setColorAt(0, kHairMid);
    g.setColorAt(1, kHairDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(cap);
    // strands towards the bun, lighter on the crown
    p.save();
    p.setClipPath(cap);
    for (int i = 0; i <= 16; ++i) {
        const double t = i / 16.0;
        const double startX = 10 + t * 112;
        const double startY = 92 - 44 * std::sin(t * std::numbers::pi);
        QPainterPath s;
        s.moveTo(startX, startY);
        s.cubicTo(startX + (kCx - startX) * 0.3, startY - 22, kBun.x() + (t - 0.5) * 26, 34,
                  kBun.x() + (t - 0.5) * 14, kBun.y() + 12);
        QColor c = i % 3 == 0 ? kHairLit : mix(kHairMid, kHairLit, 0.4);
        c.setAlpha(i % 3 == 0 ? 110 : 60);
        p.setPen(QPen(c, i % 3 == 0 ? 1.6 : 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(s);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(softSpot(QPointF(48, 34), 22, QColor(210, 160, 110, 90)));  // sheen on the crown
    p.drawEllipse(QPointF(48, 34), 26, 12);
    p.restore();
    // the bun
    QRadialGradient bg(kBun + QPointF(-5, -6), kBunR * 1.3);
    bg.setColorAt(0, kHairLit);
    bg.setColorAt(0.45, kHairMid);
    bg.setColorAt(1, kHairDeep);
    p.setBrush(bg);
    p.drawEllipse(kBun, kBunR + 2, kBunR);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {  // coils of the bun
        QColor c = kHairLit;
        c.setAlpha(80);
        p.setPen(QPen(c, 1.1));
        p.drawArc(QRectF(kBun.x() - 14 + i * 3, kBun.y() - 12 + i * 2, 26 - i * 6, 22 - i * 5),
                  20 * 16, 200 * 16);
    }
    // a loose wisp at each temple
    p.setPen(QPen(kHairMid, 1.3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath wisp;
    wisp.moveTo(18, 70);
    wisp.cubicTo(14, 84, 20, 94, 14, 106);
    wisp.moveTo(114, 70);
    wisp.cubicTo(118, 84, 112, 94, 118, 106);
    p.drawPath(wisp);
}

struct Brow {
    double innerY, outerY, arch;
};

Brow browFor(Mood mood, int side)
{
    switch (mood) {
    case Mood::Smile: return {75, 75, 4};
    case Mood::Straight: return {69, 73, 5};  // lifted a little at the inner ends
    case Mood::Frown: return {80, 71, 1};     // drawn together
    case Mood::Crooked: return side == 0 ? Brow{81, 71, 1} : Brow{68, 73, 5};
    }
    return {75, 75, 4};
}

// `lidSkin` is the skin just above the eye, for a lid drawn down over it.
void paintEye(QPainter& p, double ex, int side, Mood mood, const QColor& lidSkin)
{
    const double out = side == 0 ? -1 : 1;  // towards the ear
    // lid shadow
    p.setPen(Qt::NoPen);
    p.setBrush(softSpot(QPointF(ex, kEyeY - 4), 14, QColor(120, 60, 60, 70)));
    p.drawEllipse(QPointF(ex, kEyeY - 4), 15, 9);
    // the almond
    QPainterPath eye;
    eye.moveTo(ex - 11 * out, kEyeY + 1);
    eye.cubicTo(ex - 5 * out, kEyeY - 7, ex + 6 * out, kEyeY - 7, ex + 12 * out, kEyeY - 1);
    eye.cubicTo(ex + 6 * out, kEyeY + 6, ex - 5 * out, kEyeY + 6, ex - 11 * out, kEyeY + 1);
    p.setBrush(QColor(246, 240, 234));
    p.drawPath(eye);
    p.save();
    p.setClipPath(eye);
    const bool dazed = mood == Mood::Crooked;  // both lids heavy, halfway down
    const QPointF iris(ex, kEyeY + (dazed ? 1 : 0));
    QRadialGradient ig(iris, 5.5);
    ig.setColorAt(0, shade(kIris, 1.3));
    ig.setColorAt(1, shade(kIris, 0.6));
    p.setBrush(ig);
    p.drawEllipse(iris, 5.5, 5.5);
    p.setBrush(QColor(20, 16, 14));
    p.drawEllipse(iris, 2.5, 2.5);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(iris + QPointF(-1.6, -1.8), 1.2, 1.2);
    p.setBrush(QColor(90, 50, 40, 60));  // the upper lid's shadow on the eyeball
    p.drawRect(QRectF(ex - 14, kEyeY - 8, 28, 4));
    // the lowered lid's edge: a shallow curve across the middle of the iris
    QPainterPath lid;
    lid.moveTo(ex - 11 * out, kEyeY + 1);
    if (dazed) {
        lid.cubicTo(ex - 5 * out, kEyeY - 1, ex + 6 * out, kEyeY - 1.5, ex + 12 * out, kEyeY - 1);
        QPainterPath cover = lid;
        cover.lineTo(ex + 14 * out, kEyeY - 10);
        cover.lineTo(ex - 13 * out, kEyeY - 10);
        cover.closeSubpath();
        QLinearGradient g(0, kEyeY - 7, 0, kEyeY);
        g.setColorAt(0, lidSkin);
        g.setColorAt(1, shade(lidSkin, 0.82));  // darker where it rounds down over the eye
        p.setBrush(g);
        p.drawPath(cover);
    } else {
        lid.cubicTo(ex - 5 * out, kEyeY - 7, ex + 6 * out, kEyeY - 7, ex + 12 * out, kEyeY - 1);
    }
    p.restore();
    if (dazed) {  // the crease of the lid, where it used to open
        QPainterPath crease;
        crease.moveTo(ex - 10 * out, kEyeY - 1);
        crease.cubicTo(ex - 5 * out, kEyeY - 8, ex + 6 * out, kEyeY - 8, ex + 12 * out, kEyeY - 2);
        p.setPen(QPen(QColor(110, 40, 30, 120), 1.1, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(crease);
    }
    // upper lid line and lashes
    p.setPen(QPen(QColor(44, 24, 18), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(lid);
    p.setPen(QPen(QColor(44, 24, 18), 1.2, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        const double t = 0.45 + i * 0.18;
        const QPointF at = lid.pointAtPercent(t);
        // heavy lids let the lashes hang out and down
        p.drawLine(at, at + (dazed ? QPointF(out * (2 + i * 0.8), 1.2 + i * 0.3)
                                   : QPointF(out * (1.5 + i * 0.8), -2.6 - i * 0.3)));
    }
    // the brow: a soft arch, thinner at the outer end
    const Brow b = browFor(mood, side);
    QPainterPath brow;
    const QPointF inner(ex - 9 * out, b.innerY), outer(ex + 14 * out, b.outerY);
    brow.moveTo(inner);
    brow.quadTo(QPointF(ex + 3 * out, std::min(b.innerY, b.outerY) - b.arch), outer);
    p.setPen(QPen(QColor(70, 40, 22, 220), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(brow);
}

void paintNose(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(softSpot(QPointF(61, 104), 9, QColor(120, 60, 40, 32)));  // shaded side
    p.drawEllipse(QPointF(61, 102), 4, 11);
    p.setBrush(softSpot(QPointF(67, 108), 5, QColor(255, 230, 210, 110)));  // lit tip
    p.drawEllipse(QPointF(67, 108), 5, 4);
    p.setBrush(QColor(110, 50, 40, 150));
    p.drawEllipse(QPointF(61, 113), 2.4, 1.3);
    p.drawEllipse(QPointF(71, 113), 2.4, 1.3);
}

// Lips: a soft rose upper and a fuller lower lip along the mood's line.
// Getting warm: the lips parted in a small round puff, the corners down a little.
void paintPuff(QPainter& p)
{
    const double cx = kCx, cy = 129;
    QPainterPath open;  // the opening between the lips
    open.moveTo(cx - 8, cy + 3.5);
    open.cubicTo(cx - 5, cy - 2, cx + 5, cy - 2, cx + 8, cy + 3.5);
    open.cubicTo(cx + 5, cy + 5, cx - 5, cy + 5, cx - 8, cy + 3.5);
    QPainterPathStroker lips;
    lips.setWidth(5);
    lips.setJoinStyle(Qt::RoundJoin);
    QPainterPath shape = lips.createStroke(open).united(open);
    QLinearGradient g(0, cy - 6, 0, cy + 8);
    g.setColorAt(0, shade(kLip, 0.85));
    g.setColorAt(0.55, kLip);
    g.setColorAt(1, shade(kLip, 1.12));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    QRadialGradient inside(QPointF(cx, cy + 2.5), 8);
    inside.setColorAt(0, QColor(46, 10, 14));
    inside.setColorAt(1, QColor(96, 26, 30));
    p.setPen(QPen(QColor(80, 18, 24), 1.2));
    p.setBrush(inside);
    p.drawPath(open);
    p.setPen(Qt::NoPen);  // light on the lower lip
    p.setBrush(softSpot(QPointF(cx + 2, cy + 6), 3.5, QColor(255, 220, 220, 130)));
    p.drawEllipse(QPointF(cx + 2, cy + 6), 3.5, 1.6);
}

void paintMouth(QPainter& p, Mood mood)
{
    if (mood == Mood::Straight)
        return paintPuff(p);
    QPainterPath line;  // the parting of the lips
    switch (mood) {
    case Mood::Smile:
        line.moveTo(51, 123);
        line.cubicTo(58, 133, 74, 133, 81, 123);
        break;
    case Mood::Straight:
        break;
    case Mood::Frown:
        line.moveTo(45, 134);
        line.cubicTo(54, 124, 78, 124, 87, 134);
        break;
    case Mood::Crooked:
        line.moveTo(42, 125);
        line.cubicTo(54, 136, 62, 121, 70, 130);
        line.cubicTo(76, 136, 82, 123, 90, 132);
        break;
    }
    // the smile's lips a warm red, a little fuller
    const QColor lip = mood == Mood::Smile ? QColor(200, 90, 90) : kLip;
    QPainterPathStroker lips;
    lips.setWidth(mood == Mood::Smile ? 8 : 7);
    lips.setCapStyle(Qt::RoundCap);
    const QPainterPath shape = lips.createStroke(line);
    const QRectF box = shape.boundingRect();
    QLinearGradient g(0, box.top(), 0, box.bottom());
    const bool smile = mood == Mood::Smile;
    g.setColorAt(0, shade(lip, 0.85));
    g.setColorAt(0.6, lip);
    g.setColorAt(1, shade(lip, smile ? 1.02 : 1.15));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
    p.setPen(QPen(smile ? QColor(122, 40, 38) : QColor(80, 18, 24), 2.2, Qt::SolidLine, Qt::RoundCap));  // reads at 1x
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);
    if (smile)
        return;
    p.setPen(Qt::NoPen);
    p.setBrush(softSpot(box.center() + QPointF(2, 4), 4, QColor(255, 220, 220, 120)));  // gloss
    p.drawEllipse(box.center() + QPointF(2, 4), 4, 2);
}

void paintCheeks(QPainter& p, Mood mood)
{
    const QColor blush = mood == Mood::Smile ? QColor(230, 110, 100, 70)
                         : mood == Mood::Straight ? QColor(230, 100, 90, 60)
                                                  : QColor(200, 30, 30, 110);
    p.setPen(Qt::NoPen);
    for (double x : {36.0, 96.0}) {
        p.setBrush(softSpot(QPointF(x, 110), 15, blush));
        p.drawEllipse(QPointF(x, 110), 15, 11);
    }
}

// A drop of sweat hanging at `at`, `size` 1 for a full drop: pointed above,
// round below, the skin showing through, a rim darker underneath and a
// bright glint.
void sweatDrop(QPainter& p, QPointF at, double size)
{
    p.save();
    p.translate(at);
    p.scale(size, size);
    QPainterPath drop;
    drop.moveTo(0, 0);
    drop.cubicTo(2, 4, 5, 7, 5, 10);
    drop.cubicTo(5, 14, 2.5, 15, 0, 15);
    drop.cubicTo(-2.5, 15, -5, 14, -5, 10);
    drop.cubicTo(-5, 7, -2, 4, 0, 0);
    QLinearGradient g(0, 0, 3, 15);
    g.setColorAt(0, QColor(255, 255, 255, 70));
    g.setColorAt(0.6, QColor(230, 240, 250, 110));
    g.setColorAt(1, QColor(120, 60, 50, 120));
    p.setPen(QPen(QColor(120, 60, 50, 90), 0.8 / size));
    p.setBrush(g);
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawEllipse(QPointF(-1.8, 9.5), 1.3, 2.0);
    p.restore();
}

// Two drops well inside the face, on the forehead and the cheek.
void paintSweat(QPainter& p)
{
    sweatDrop(p, QPointF(100, 66), 1.0);
    sweatDrop(p, QPointF(36, 114), 1.0);
}

// The first sweat: one small drop at the temple, just under the hair.
void paintBeads(QPainter& p)
{
    sweatDrop(p, QPointF(103, 67), 0.7);
}

// Whether a point lies inside the egg's outline.
bool inEgg(double x, double y)
{
    double u, v;
    eggCoords(x, y, u, v);
    return std::hypot(u, v) < 1;
}

// The top of the neck, below the jaw, as the body picture draws it, across the
// neck's whole width. Under each stretch of jaw the neck takes the jaw's own
// flush and it fades out down to the picture's last row, where the body's neck
// carries on unflushed. The face's outline takes it in, so each mood paints it.
void paintNeck(QImage& img, const QColor& tint, const Flush& flush)
{
    static const QImage body = bodyPicture();
    constexpr int kBodyDx = 260, kBodyDy = -120;  // the body's pixel under a face pixel, player 2's room
    constexpr int kBodyMirror = 389;               // the same in player 1's room, the body mirrored
    constexpr int kNeckTop = 126;
    constexpr double kHalf = 38;  // wider than the neck: its own edge ends it
    for (int x = 0; x < kFaceW; ++x) {
        const double cx = x + 0.5;
        if (std::abs(cx - kCx) > kHalf)
            continue;
        int jawRow = kNeckTop;  // the last row of the face in this column
        while (jawRow + 1 < kFaceH && inEgg(cx, jawRow + 1.5))
            ++jawRow;
        const double atJaw = flushAt(cx, jawRow + 0.5, flush);
        const double side = std::clamp((kHalf - std::abs(cx - kCx)) / 6, 0.0, 1.0);
        for (int y = kNeckTop; y < kFaceH; ++y) {
            // the body under this pixel in player 2's room, and mirrored in player 1's:
            // only where the two agree, so the neck's own edge is the body's in either room
            const QPoint at(x + kBodyDx, y + kBodyDy), mirrored(kBodyMirror - x, y + kBodyDy);
            if (!body.rect().contains(at) || !body.rect().contains(mirrored))
                continue;
            const QRgb a = body.pixel(at), b = body.pixel(mirrored);
            if (qAlpha(a) < 255 || qAlpha(b) < 255 || std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                                                 std::abs(qBlue(a) - qBlue(b)) > 24)
                continue;
            const QColor c((qRed(a) + qRed(b)) / 2, (qGreen(a) + qGreen(b)) / 2, (qBlue(a) + qBlue(b)) / 2);
            // from the jaw's own flush under the jaw to none on the last row
            const double t = std::clamp((y + 0.5 - jawRow) / (kFaceH - jawRow), 0.0, 1.0);
            const double w = std::min(1.0, atJaw * 1.3) * (1 - t * t * (3 - 2 * t)) * side;
            auto flushed = [&](double skin, double k) { return skin * (1 - w * (1 - k)); };
            img.setPixel(x, y, QColor::fromRgbF(flushed(c.redF(), tint.redF()), flushed(c.greenF(), tint.greenF()),
                                                flushed(c.blueF(), tint.blueF()))
                                   .rgb());
        }
    }
}

} // namespace

QImage facePicture(const QColor& tint, Mood mood)
{
    QImage img = canvas(kFaceW, kFaceH);
    // the worst heat reddens the whole lower face, and its outline is softened
    // against the wall so the deep red does not show a stepped jaw
    const bool hottest = mood == Mood::Crooked;
    const Flush flush = hottest ? Flush{0.55, 0.3} : Flush{0.6, 0.15};
    paintNeck(img, tint, flush);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintEars(p, tint);
    }
    QImage egg = canvas(kFaceW, kFaceH);
    paintEgg(egg, tint, flush, hottest || mood == Mood::Straight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, egg);
    // soft shadow under the chin line and at the hairline
    p.setPen(Qt::NoPen);
    // (flattened, so it fades out before the strip of neck ends)
    QBrush chinShadow(softSpot(QPointF(0, 0), 30, QColor(110, 50, 40, 22)));
    chinShadow.setTransform(QTransform().translate(kCx, 148).scale(1, 0.2));
    p.setBrush(chinShadow);
    p.drawEllipse(QPointF(kCx, 148), 30, 6);
    paintCheeks(p, mood);
    for (int side = 0; side < 2; ++side) {
        const double ex = kCx + (side == 0 ? -kEyeDx : kEyeDx);
        paintEye(p, ex, side, mood, QColor(egg.pixel(int(ex), int(kEyeY - 8))));
    }
    paintNose(p);
    paintMouth(p, mood);
    if (mood == Mood::Straight)
        paintBeads(p);
    if (mood == Mood::Frown || mood == Mood::Crooked)
        paintSweat(p);
    paintHair(p);
    return img;
}

} // namespace art
