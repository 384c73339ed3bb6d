// The menu's two picture buttons and the window icon.
#include "art.h"

#include <QFont>
#include <QFontDatabase>

#include <cmath>

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

void bevelFrame(QPainter& p, const QRectF& r, const QColor& base, double width)
{
    for (int i = 0; i < int(width); ++i) {
        const double t = i / width;
        p.setPen(QPen(mix(shade(base, 1.6), base, t), 1));
        p.drawLine(QPointF(r.left() + i, r.top() + i), QPointF(r.right() - i, r.top() + i));
        p.drawLine(QPointF(r.left() + i, r.top() + i), QPointF(r.left() + i, r.bottom() - i));
        p.setPen(QPen(mix(shade(base, 0.35), base, t), 1));
        p.drawLine(QPointF(r.left() + i, r.bottom() - i), QPointF(r.right() - i, r.bottom() - i));
        p.drawLine(QPointF(r.right() - i, r.top() + i), QPointF(r.right() - i, r.bottom() - i));
    }
}

} // namespace

QImage startButton()
{
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bevelFrame(p, QRectF(0, 0, 199, 199), QColor(70, 56, 46), 8);
    // the bucket
    const QColor wood(214, 120, 40);
    p.setPen(QPen(shade(wood, 0.4), 2));
    QLinearGradient g(50, 0, 150, 0);
    g.setColorAt(0, shade(wood, 0.7));
    g.setColorAt(0.4, shade(wood, 1.2));
    g.setColorAt(1, shade(wood, 0.6));
    p.setBrush(g);
    QPainterPath body;
    body.moveTo(48, 58);
    body.lineTo(152, 58);
    body.lineTo(140, 140);
    body.cubicTo(130, 150, 70, 150, 60, 140);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(shade(wood, 0.45));
    p.drawEllipse(QRectF(48, 46, 104, 24));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(56, 18, 16, 44), 5, 5);
    p.setPen(QPen(QColor(70, 66, 60), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(50, 76, 100, 20), 180 * 16, 180 * 16);
    p.drawArc(QRectF(56, 112, 88, 20), 180 * 16, 180 * 16);
    // the words
    p.setPen(Qt::white);
    p.setFont(buttonFont(22));
    p.drawText(QRectF(8, 150, 184, 42), Qt::AlignCenter, QString::fromUtf8("Aloita uusi peli"));
    return img;
}

QImage quitButton()
{
    QImage img(132, 155, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    bevelFrame(p, QRectF(0, 0, 131, 154), QColor(120, 72, 36), 6);
    // a grey egg-shaped face, worried
    p.setPen(QPen(QColor(70, 70, 74), 2));
    QRadialGradient g(QPointF(58, 50), 60);
    g.setColorAt(0, QColor(200, 200, 204));
    g.setColorAt(1, QColor(110, 110, 116));
    p.setBrush(g);
    p.drawEllipse(QRectF(34, 14, 64, 84));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(54, 50), 7, 8);
    p.drawEllipse(QPointF(78, 50), 7, 8);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(55, 53), 3, 3);
    p.drawEllipse(QPointF(77, 53), 3, 3);
    p.setPen(QPen(QColor(40, 40, 44), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(46, 38), QPointF(60, 34));  // brows tilted up in the middle
    p.drawLine(QPointF(72, 34), QPointF(86, 38));
    QPainterPath mouth;
    mouth.moveTo(52, 82);
    mouth.cubicTo(58, 74, 66, 78, 70, 76);
    mouth.cubicTo(74, 74, 78, 78, 82, 82);
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    p.setPen(QColor(40, 220, 60));
    p.setFont(buttonFont(17));
    p.drawText(QRectF(6, 104, 120, 44), Qt::AlignCenter, QString::fromUtf8("Poistu pelistä"));
    return img;
}

// A steaming stove on 16 colours.
QImage iconPicture(int size)
{
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(48, 36, 96));
    p.drawRoundedRect(QRectF(6, 14, 20, 15), 2, 2);
    p.setBrush(QColor(255, 96, 0));
    p.drawRect(QRectF(11, 18, 10, 7));
    p.setBrush(QColor(255, 220, 64));
    p.drawRect(QRectF(13, 20, 6, 3));
    p.setBrush(QColor(128, 128, 128));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(9 + i * 5, 13), 3, 2.4);
    p.setBrush(QColor(192, 0, 0));
    p.drawRect(QRectF(8, 29, 3, 3));
    p.drawRect(QRectF(21, 29, 3, 3));
    p.setPen(QPen(QColor(240, 240, 240), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        QPainterPath s;
        s.moveTo(10 + i * 6, 9);
        s.cubicTo(8 + i * 6, 6, 12 + i * 6, 5, 10 + i * 6, 1);
        p.drawPath(s);
    }
    p.end();
    // 16 colours: the classic palette
    QVector<QRgb> palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                             0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                             0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0x00FFFFFF};
    return img.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

} // namespace art
