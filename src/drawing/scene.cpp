#include "drawing/scene.h"

#include "drawing/fonts.h"
#include "match/format.h"

#include <QFontMetrics>
#include <QPainter>

#include <cstring>

namespace hovla {

QFont readoutFont()
{
    return comicFontPixels(27);  // 20.25 points at 96 dots per inch
}

Module1::Module1(const Muuttujat& state, Piirto& piirto, std::string decimalSeparator)
    : s_(state), piirto_(piirto), separator_(std::move(decimalSeparator)), font_(readoutFont()),
      metrics_(font_), ascent_(metrics_.ascent())
{
}

void Module1::RedrawScenes()
{
    ++redraws_;
    for (int p = 0; p < 2; ++p) {
        if (s_.Outside(p) == 0)
            RedrawScene(p);
    }
}

// Back to front: stove, body, bucket back, ladle, water, bucket front, arm,
// face, steam.
void Module1::RedrawScene(int p)
{
    auto draw = [&](const SpriteRec& rec, int16_t id) { piirto_.DrawSprite(p, rec, id); };
    if (piirto_.pictures().caching()) {
        piirto_.buffer(p).assignPicture(backdrop(p));
    } else {  // every layer, every time
        piirto_.buffer(p).assignPicture(piirto_.roomPicture(p));
        draw(s_.Stove(p), 201);
        draw(s_.Body(p), s_.Body(p).Id);
        draw(s_.Bucket(p, 0), 203);
    }
    const SpriteRec& ladle = s_.Ladle(p, s_.LadlePose(p));
    draw(ladle, ladle.Id);
    if (s_.Water(p).portionsLeft() > 0)
        draw(s_.Water(p), s_.Water(p).Id);
    draw(s_.Bucket(p, 1), 205);
    const SpriteRec& arm = s_.Arm(p, s_.ThrowPhase(p));
    draw(arm, arm.Id);
    draw(s_.Head(p), s_.Head(p).Id);
    if (s_.Steam(p).cloudShown() != 0)
        draw(s_.Steam(p), s_.Steam(p).Id);

    piirto_.ShowView(p);
    DrawTemperature(p);
    DrawScore(p);
}

const Surface& Module1::backdrop(int p)
{
    Backdrop& b = backdrops_[p];
    if (b.generation != piirto_.pictures().generation() || b.stove != s_.Stove(p) || b.body != s_.Body(p)
        || b.bucketBack != s_.Bucket(p, 0)) {
        b.stove = s_.Stove(p);
        b.body = s_.Body(p);
        b.bucketBack = s_.Bucket(p, 0);
        b.generation = piirto_.pictures().generation();
        b.image = Surface();
        b.image.assignPicture(piirto_.roomPicture(p).image().copy());
        piirto_.DrawSpriteOn(b.image, b.stove, 201);
        piirto_.DrawSpriteOn(b.image, b.body, b.body.Id);
        piirto_.DrawSpriteOn(b.image, b.bucketBack, 203);
    }
    return b.image;
}

QRect Module1::temperatureRect(int player)
{
    return player == 0 ? QRect(400, 20, 120, 40) : QRect(7, 20, 112, 40);
}

QRect Module1::scoreRect(int player)
{
    return player == 0 ? QRect(7, 20, 400, 40) : QRect(120, 20, 400, 40);
}

std::string Module1::temperatureText(int player) const
{
    return temperatureLine(s_.Temperature(player), separator_);
}

std::string Module1::scoreText(int player) const
{
    return scoreLine(player, s_.Points(player), s_.Condition(player), separator_);
}

void Module1::DrawTemperature(int player)
{
    printed_[player][0] = temperatureText(player);
    printReadout(player, 0, temperatureRect(player), printed_[player][0]);
}

void Module1::DrawScore(int player)
{
    printed_[player][1] = scoreText(player);
    printReadout(player, 1, scoreRect(player), printed_[player][1]);
}

namespace {

// Whether drawing changed image only inside area, given what lay under the
// drawn rectangle before.
bool inkInside(const QImage& before, const QImage& after, const QRect& drawn, const QRect& area)
{
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            if (!area.contains(drawn.x() + x, drawn.y() + y)
                && before.pixel(x, y) != after.pixel(drawn.x() + x, drawn.y() + y))
                return false;
    return true;
}

} // namespace

// Restore the rectangle from the room picture, print, copy it to the view.
void Module1::printReadout(int player, int which, const QRect& r, const std::string& line)
{
    Surface& buffer = piirto_.buffer(player);
    const QRect area = r.intersected(buffer.image().rect());
    Printed& last = printedRects_[player][which];
    if (last.line == line && last.rect == area && last.generation == piirto_.pictures().generation()) {
        QImage& out = buffer.imageFor(area);
        for (int y = 0; y < area.height(); ++y)
            std::memcpy(out.scanLine(area.y() + y) + area.x() * sizeof(QRgb), last.pixels.constScanLine(y),
                        sizeof(QRgb) * size_t(area.width()));
    } else {
        BitBlt(buffer, r.x(), r.y(), r.width(), r.height(), piirto_.roomPicture(player), r.x(), r.y(),
               Rop::SrcCopy);
        const QString text = QString::fromStdString(line);
        const QPoint origin(r.x(), r.y() + ascent_);
        const QRect inked =
            metrics_.boundingRect(text).translated(origin).adjusted(-4, -4, 4, 4).intersected(buffer.image().rect());
        const QImage under = buffer.image().copy(inked);
        {
            QPainter painter(&buffer.imageFor(inked));
            painter.setFont(font_);
            painter.setPen(Qt::black);
            painter.drawText(origin, text);
        }
        // Only a line whose ink stayed inside its rectangle can be copied next time.
        last = Printed{};
        if (inkInside(under, buffer.image(), inked, area))
            last = Printed{line, area, piirto_.pictures().generation(), buffer.image().copy(area)};
    }
    piirto_.present(player, r);
}

} // namespace hovla
