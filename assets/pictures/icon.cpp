// The game's icon: a steaming stove, laid out on a 32-step grid. At 32 x 32
// it is drawn pixel-exact on the 16 classic colours for the window; at the
// desktop's larger sizes the same layout gets round shaded stones, soft
// steam and a glowing door, and at 128 rivets, a handle, hinges and flames.
#include "art.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {

const QColor black(0, 0, 0), navy(0, 0, 128), blue(0, 0, 255), maroon(128, 0, 0), red(255, 0, 0),
    yellow(255, 255, 0), grey(128, 128, 128), silver(192, 192, 192), white(255, 255, 255);

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
        p.fillRect(foot, black);
        const QRect in = foot.adjusted(lw, 0, -lw, -lw);
        p.fillRect(in, red);
        if (g.fine()) {  // round, lit from the left
            p.fillRect(QRect(in.left(), in.top(), lw, in.height()), mix(red, white, 0.45));
            p.fillRect(QRect(in.right() - 2 * lw + 1, in.top(), 2 * lw, in.height()), maroon);
        }
    }
}

// The box with its lit left edge and a lid.
void body(QPainter& p, const Grid& g)
{
    const int lw = g.line();
    const QRect box = g.box(4, 13, 24, 15);
    p.fillRect(box, black);
    const QRect front = box.adjusted(lw, lw, -lw, -lw);
    p.fillRect(front, navy);
    const QRect lit(front.topLeft(), QPoint(g.at(7) - 1, front.bottom()));
    p.fillRect(lit, blue);
    if (g.fine()) {
        p.fillRect(QRect(front.left(), front.top(), lw, front.height()), mix(blue, white, 0.4));
        p.fillRect(QRect(lit.right() + 1, front.top(), lw, front.height()), QColor(0, 0, 80));
        p.fillRect(QRect(lit.right() + 1 + lw, front.bottom() - 2 * lw + 1, front.right() - lit.right() - lw,
                         2 * lw),
                   QColor(0, 0, 96));  // the shadow along the floor
        for (const double x : {8.6, 25.4})
            for (const double y : {16.7, 25.6}) {
                disc(p, g, g.point(x, y), 0.7 * g.unit(), black);
                disc(p, g, g.point(x, y), 0.7 * g.unit() - lw, silver);
                disc(p, g, g.point(x - 0.15, y - 0.15), 0.22 * g.unit(), white);
            }
    }
    const QRect lid = g.box(4, 13, 24, 2);
    if (g.smooth()) {
        p.fillRect(lid, black);
        const QRect in = lid.adjusted(lw, lw, -lw, -lw);
        p.fillRect(in, silver);
        p.fillRect(QRect(in.left(), in.center().y() + 1, in.width(), in.bottom() - in.center().y()), grey);
        if (g.fine())
            p.fillRect(QRect(in.left(), in.top(), in.width(), lw), white);
    } else {
        p.fillRect(lid, silver);
        p.fillRect(g.box(4, 14, 24, 1), grey);
    }
}

// The door: embers, yellow in the middle.
void door(QPainter& p, const Grid& g)
{
    const int lw = g.line();
    const QRect frame = g.box(10, 17, 12, 8);
    p.fillRect(frame, black);
    if (!g.smooth()) {
        p.fillRect(g.box(11, 18, 10, 6), maroon);
        p.fillRect(g.box(12, 19, 8, 4), red);
        p.fillRect(g.box(14, 20, 4, 2), yellow);
        return;
    }
    const QRect in = frame.adjusted(lw, lw, -lw, -lw);
    const QPointF c = QRectF(in).center();
    QRadialGradient glow(c, in.width() / 2.0);
    glow.setColorAt(0, mix(yellow, white, 0.5));
    glow.setColorAt(0.3, yellow);
    glow.setColorAt(0.62, red);
    glow.setColorAt(1, maroon);
    QBrush brush(glow);
    brush.setTransform(QTransform().translate(c.x(), c.y()).scale(1, 0.75).translate(-c.x(), -c.y()));
    p.fillRect(in, brush);
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
            p.setBrush(mix(yellow, red, 0.3));
            p.drawPath(flame);
            p.setBrush(mix(yellow, white, 0.45));
            p.drawPath(QTransform()
                           .translate(x, floor)
                           .scale(0.45, 0.55)
                           .translate(-x, -floor)
                           .map(flame));
        }
        p.setBrush(maroon);  // the embers they rise from
        p.drawRect(QRectF(in.left(), floor - 2 * lw, in.width(), 2 * lw));
        for (int i = 0; i < 6; ++i)
            p.fillRect(QRect(in.left() + in.width() * (2 * i + 1) / 12 - lw / 2, int(floor) - lw, lw, lw),
                       i % 2 ? yellow : red);
        p.restore();
        // two hinges on the left and the handle on the right
        for (const double y : {18.2, 22.8}) {
            p.fillRect(g.box(9.2, y, 1.2, 1.0), black);
            p.fillRect(g.box(9.2, y, 1.2, 1.0).adjusted(lw, lw, 0, -lw), silver);
        }
        const QRect handle = g.box(22.0, 19.6, 2.0, 1.2);
        p.fillRect(handle, black);
        p.fillRect(handle.adjusted(0, lw, -lw, -lw), silver);
        p.fillRect(handle.adjusted(0, lw, -lw, -handle.height() / 2), white);
    }
}

// Seven stones heaped on the lid, the middle one of each three lighter.
void stones(QPainter& p, const Grid& g)
{
    const QPoint heap[] = {{7, 11}, {12, 10}, {17, 10}, {22, 11}, {10, 8}, {15, 7}, {20, 8}};
    const double r = 2.5 * g.unit();
    auto centre = [&](QPoint s) { return g.point(s.x() + 0.5, s.y() + 0.5); };
    for (const QPoint s : heap)  // outlines first, so that no stone cuts into another
        disc(p, g, centre(s), r, black);
    for (int i = 0; i < 7; ++i) {
        const QPointF c = centre(heap[i]);
        const QColor body = i % 3 == 1 ? silver : grey, light = i % 3 == 1 ? white : silver;
        if (!g.smooth()) {
            disc(p, g, c, r - 1, body);
            disc(p, g, c - g.point(1, 1), 0.5, light);
            continue;
        }
        const double in = r - g.line();
        QRadialGradient shading(c, in, c - QPointF(in, in) * 0.45);
        shading.setColorAt(0, light);
        shading.setColorAt(0.45, body);
        shading.setColorAt(1, shade(body, 0.6));
        disc(p, g, c, in, shading);
    }
}

// Steam: three wisps rising, white from the stones and silver at the top.
void steam(QPainter& p, const Grid& g)
{
    for (int i = 0; i < 3; ++i) {
        const int x = 9 + i * 7;
        if (!g.smooth()) {
            // a short wavy line, white with a silver shadow so it shows on white too
            const int sway[6] = {1, 0, 0, 1, 1, 0};
            for (int y = 0; y < 6; ++y) {
                if (y > 0)
                    p.fillRect(g.box(x + sway[y], y, 1, 1), white);
                p.fillRect(g.box(x + sway[y] + 1, y, 1, 1), y < 2 ? silver : grey);
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
        fade.setColorAt(0, white);
        fade.setColorAt(0.5, white);
        fade.setColorAt(1, silver);
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        // a grey rim so that the steam shows on a light desktop too
        p.strokePath(wisp, QPen(QColor(128, 128, 128, 180), g.fine() ? 2 * g.line() : 1.2));
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
    if (g.smooth())
        return img.convertToFormat(QImage::Format_ARGB32);
    // 16 colours: the classic palette with white, and transparency in place of magenta
    const QVector<QRgb> palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                   0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                   0xFF0000FF, 0xFFFFFFFF, 0xFF00FFFF, 0x00000000};
    QImage out = img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            if (qAlpha(img.pixel(x, y)) < 128)
                out.setPixel(x, y, 15);
    return out;
}

} // namespace art
