// The game's lettering: Comic Sans MS where the machine has it, else Comic Neue.
#pragma once

#include <QFont>
#include <QFontDatabase>

namespace hovla {

inline QFont comicFont()
{
    QFont font;
    font.setFamily(QFontDatabase::families().contains("Comic Sans MS") ? "Comic Sans MS" : "Comic Neue");
    font.setBold(true);
    return font;
}

inline QFont comicFontPoints(double points)
{
    QFont font = comicFont();
    font.setPointSizeF(points);
    return font;
}

inline QFont comicFontPixels(int pixels)
{
    QFont font = comicFont();
    font.setPixelSize(pixels);
    return font;
}

} // namespace hovla
