// The game's icon: the sauna's own stove, steaming, laid out on a 32-step
// grid in the stove's colours: a navy body, orange fire behind dark bars,
// grey stones, a dark outline. At 32 x 32 it is drawn pixel-exact for the
// window; at the desktop's larger sizes the same layout gets round shaded
// stones, soft steam and a glowing door, and at 128 rivets, a handle,
// hinges and flames.
#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

const QColor outline(16, 16, 32), navyDeep(30, 35, 80), navyLit(58, 63, 128), lidLit(110, 118, 176),
    lidDeep(52, 56, 104), fire(255, 154, 48), fireCore(255, 208, 96), ember(150, 40, 16), bar(34, 22, 20),
    stoneDeep(109, 106, 102), stoneMid(154, 149, 142), stoneLit(200, 195, 186), steel(192, 192, 200),
    white(255, 255, 255), legRed(196, 36, 30), steamPale(224, 224, 230), steamGrey(150, 150, 160);

// The 32-step layout on a canvas of any size; every box edge lands on a whole pixel.
struct Grid {
    int size;
    double unit() const { return size / 32.0; }
    int at(double u) const { return int(std::lround(u * unit())); }
    QRect box(double x, double y, double w, double h) const
    {
        return QRect(QPoint(at(x), at(y)), QPoint(at(x + w) - 1, at(y + h) - 1));
    }
    QPointF point(double x, double y) const { return QPointF(x * unit(), y * unit()); }
    int line() const { return std::max(1, size / 64); }  // outlines, in pixels
    bool smooth() const { return size > 32; }            // round stones, soft steam, a glow
    bool fine() const { return size >= 96; }             // rivets, handle, hinges, flames
};

// A disc: at 32 the pixels whose centres it covers, larger antialiased.
void disc(QPainter& p, const Grid& g, QPointF c, double r, const QBrush& brush)
{
    if (g.smooth()) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(brush);
        p.drawEllipse(c, r, r);
        p.restore();
        return;
    }
    for (int y = int(std::floor(c.y() - r)); y <= int(std::ceil(c.y() + r)); ++y)
        for (int x = int(std::floor(c.x() - r)); x <= int(std::ceil(c.x() + r)); ++x) {
            const double dx = x + 0.5 - c.x(), dy = y + 0.5 - c.y();
            if (dx * dx + dy * dy <= r * r)
                p.fillRect(QRect(x, y, 1, 1), brush);
        }
}

void feet(QPainter& p, const Grid& g)
{
    const int lw = g.line();
    for (const double x : {7.0, 21.0}) {
        const QRect foot = g.box(x, 27, 4, 4);
        p.fillRect(foot, outline);
        const QRect in = foot.adjusted(lw, 0, -lw, -lw);
        p.fillRect(in, legRed);
        if (g.fine()) {  // round, lit from the left
            p.fillRect(QRect(in.left(), in.top(), lw, in.height()), mix(legRed, white, 0.4));
            p.fillRect(QRect(in.right() - 2 * lw + 1, in.top(), 2 * lw, in.height()), shade(legRed, 0.55));
        }
    }
}

// The box, lit from the left, and its lid.
void body(QPainter& p, const Grid& g)
{
    const int lw = g.line();
    const QRect box = g.box(4, 13, 24, 15);
    p.fillRect(box, outline);
    const QRect front = box.adjusted(lw, lw, -lw, -lw);
    if (g.smooth()) {
        QLinearGradient steelBlue(front.left(), 0, front.right(), 0);
        steelBlue.setColorAt(0, navyLit);
        steelBlue.setColorAt(0.3, mix(navyLit, navyDeep, 0.5));
        steelBlue.setColorAt(1, navyDeep);
        p.fillRect(front, steelBlue);
    } else {
        p.fillRect(front, navyDeep);
        p.fillRect(QRect(front.topLeft(), QPoint(g.at(7) - 1, front.bottom())), navyLit);
    }
    if (g.fine()) {
        p.fillRect(QRect(front.left(), front.top(), lw, front.height()), mix(navyLit, white, 0.3));
        p.fillRect(QRect(front.left(), front.bottom() - 2 * lw + 1, front.width(), 2 * lw),
                   shade(navyDeep, 0.7));  // the shadow along the floor
        for (const double x : {8.6, 25.4})
            for (const double y : {16.7, 25.6}) {
                disc(p, g, g.point(x, y), 0.7 * g.unit(), outline);
                disc(p, g, g.point(x, y), 0.7 * g.unit() - lw, steel);
                disc(p, g, g.point(x - 0.15, y - 0.15), 0.22 * g.unit(), white);
            }
    }
    const QRect lid = g.box(4, 13, 24, 2);
    p.fillRect(lid, outline);
    const QRect in = lid.adjusted(lw, lw, -lw, g.smooth() ? -lw : 0);
    if (g.smooth()) {
        QLinearGradient band(0, in.top(), 0, in.bottom() + 1);
        band.setColorAt(0, lidLit);
        band.setColorAt(1, lidDeep);
        p.fillRect(in, band);
        if (g.fine())
            p.fillRect(QRect(in.left(), in.top(), in.width(), lw), mix(lidLit, white, 0.4));
    } else {
        p.fillRect(in, lidDeep);
        p.fillRect(QRect(in.left(), in.top(), in.width(), 1), lidLit);
    }
}

// The door: the fire, yellow in the middle, behind three dark bars.
void door(QPainter& p, const Grid& g)
{
    const int lw = g.line();
    const QRect frame = g.box(10, 17, 12, 8);
    p.fillRect(frame, outline);
    const QRect in = frame.adjusted(lw, lw, -lw, -lw);
    if (!g.smooth()) {
        p.fillRect(in, fire);
        p.fillRect(g.box(13, 20, 6, 3), fireCore);
        p.fillRect(QRect(in.left(), in.bottom(), in.width(), 1), ember);
    } else {
        const QPointF c = QRectF(in).center() + QPointF(0, in.height() * 0.15);
        QRadialGradient glow(c, in.width() / 2.0);
        glow.setColorAt(0, mix(fireCore, white, 0.35));
        glow.setColorAt(0.35, fireCore);
        glow.setColorAt(0.75, fire);
        glow.setColorAt(1, shade(fire, 0.7));
        QBrush brush(glow);
        brush.setTransform(QTransform().translate(c.x(), c.y()).scale(1, 0.75).translate(-c.x(), -c.y()));
        p.fillRect(in, brush);
    }
    if (g.fine()) {
        p.save();
        p.setClipRect(in);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        const double floor = in.bottom() + 1;
        for (int i = 0; i < 3; ++i) {  // flames licking up from the embers
            const double x = in.left() + in.width() * (0.27 + 0.23 * i), w = in.width() * (i == 1 ? 0.12 : 0.09);
            const double h = in.height() * (i == 1 ? 0.72 : 0.5);
            QPainterPath flame;
            flame.moveTo(x - w, floor);
            flame.cubicTo(x - w, floor - h * 0.5, x + w * 0.4, floor - h * 0.6, x + w * 0.2, floor - h);
            flame.cubicTo(x + w * 1.3, floor - h * 0.55, x + w, floor - h * 0.3, x + w, floor);
            flame.closeSubpath();
            p.setBrush(mix(fireCore, fire, 0.5));
            p.drawPath(flame);
            p.setBrush(mix(fireCore, white, 0.45));
            p.drawPath(QTransform().translate(x, floor).scale(0.45, 0.55).translate(-x, -floor).map(flame));
        }
        p.setBrush(ember);  // the embers they rise from
        p.drawRect(QRectF(in.left(), floor - 2 * lw, in.width(), 2 * lw));
        p.restore();
    }
    // the bars, dark against the fire, a lit edge on each from the larger size up
    for (const double x : {13.0, 16.0, 19.0}) {
        const QRect b = g.box(x, 17, 1, 8);
        p.fillRect(b, bar);
        if (g.fine())
            p.fillRect(QRect(b.left(), b.top(), lw, b.height()), shade(steel, 0.6));
    }
    if (g.fine()) {  // two hinges on the left and the handle on the right
        for (const double y : {18.2, 22.8}) {
            p.fillRect(g.box(9.2, y, 1.2, 1.0), outline);
            p.fillRect(g.box(9.2, y, 1.2, 1.0).adjusted(lw, lw, 0, -lw), steel);
        }
        const QRect handle = g.box(22.0, 19.6, 2.0, 1.2);
        p.fillRect(handle, outline);
        p.fillRect(handle.adjusted(0, lw, -lw, -lw), steel);
        p.fillRect(handle.adjusted(0, lw, -lw, -handle.height() / 2), white);
    }
}

// Seven stones heaped on the lid in three greys, the middle one of each three lighter.
void stones(QPainter& p, const Grid& g)
{
    const QPoint heap[] = {{7, 11}, {12, 10}, {17, 10}, {22, 11}, {10, 8}, {15, 7}, {20, 8}};
    const double r = 2.5 * g.unit();
    auto centre = [&](QPoint s) { return g.point(s.x() + 0.5, s.y() + 0.5); };
    for (const QPoint s : heap)  // outlines first, so that no stone cuts into another
        disc(p, g, centre(s), r, outline);
    for (int i = 0; i < 7; ++i) {
        const QPointF c = centre(heap[i]);
        const QColor body = i % 3 == 1 ? stoneMid : mix(stoneMid, stoneDeep, 0.6);
        if (!g.smooth()) {  // a dark stone and a lighter one by turns, each with a lit top
            disc(p, g, c, r - 0.6, i % 2 ? stoneDeep : stoneMid);
            disc(p, g, c - g.point(0.7, 0.9), 1.0, i % 2 ? stoneMid : stoneLit);
            continue;
        }
        const double in = r - g.line();
        QRadialGradient shading(c, in, c - QPointF(in, in) * 0.45);
        shading.setColorAt(0, stoneLit);
        shading.setColorAt(0.45, body);
        shading.setColorAt(1, shade(stoneDeep, 0.8));
        disc(p, g, c, in, shading);
    }
}

// Steam: three soft grey wisps rising, fading as they go.
void steam(QPainter& p, const Grid& g)
{
    for (int i = 0; i < 3; ++i) {
        const int x = 9 + i * 7;
        if (!g.smooth()) {
            // a short wavy line, pale with a grey shadow so it shows on white too
            const int sway[6] = {1, 0, 0, 1, 1, 0};
            for (int y = 1; y < 6; ++y) {
                p.fillRect(g.box(x + sway[y], y, 1, 1), QColor(steamPale.red(), steamPale.green(), steamPale.blue(), 150 + 20 * y));
                p.fillRect(g.box(x + sway[y] + 1, y, 1, 1), QColor(steamGrey.red(), steamGrey.green(), steamGrey.blue(), 60 + 20 * y));
            }
            continue;
        }
        // the wisp's line, swept with a round brush that thins as it rises
        QPainterPath line;
        line.moveTo(g.point(x + 1, 5.0));
        line.cubicTo(g.point(x + 0.9, 4.0), g.point(x + 2.1, 4.0), g.point(x + 2.0, 3.0));
        line.cubicTo(g.point(x + 1.9, 2.0), g.point(x + 0.9, 2.1), g.point(x + 1.1, 0.9));
        QPainterPath wisp;
        wisp.setFillRule(Qt::WindingFill);
        for (int k = 0; k <= 32; ++k) {
            const double t = k / 32.0, r = (1.3 - 0.5 * t) * g.unit();
            wisp.addEllipse(line.pointAtPercent(t), r, r);
        }
        wisp = wisp.simplified();
        QLinearGradient fade(g.point(0, 5), g.point(0, 0.5));
        fade.setColorAt(0, QColor(steamPale.red(), steamPale.green(), steamPale.blue(), 235));
        fade.setColorAt(1, QColor(steamPale.red(), steamPale.green(), steamPale.blue(), 90));
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        // a soft grey rim so that the steam shows on a light desktop too
        p.strokePath(wisp, QPen(QColor(steamGrey.red(), steamGrey.green(), steamGrey.blue(), 120), g.fine() ? 2 * g.line() : 1.0));
        p.fillPath(wisp, fade);
        p.restore();
    }
}

} // namespace

QImage iconPicture(int size)
{
    const Grid g{size};
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    feet(p, g);
    body(p, g);
    door(p, g);
    stones(p, g);
    steam(p, g);
    p.end();
    return img.convertToFormat(QImage::Format_ARGB32);
}

} // namespace art
