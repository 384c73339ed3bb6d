// Room composition and the text readouts: turns the match state into the
// pictures of both rooms.
#pragma once

#include "drawing/piirto.h"
#include "match/state.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>

#include <string>

namespace hovla {

// The readout font: Comic Sans MS where present, else Comic Neue; 27 px bold.
QFont readoutFont();

class Module1 {
public:
    Module1(const Muuttujat& state, Piirto& piirto, std::string decimalSeparator = ".");

    // Rebuilds, presents and labels the room of every player who is indoors.
    void RedrawScenes();
    void RedrawScene(int player);
    long redrawCount() const { return redraws_; }

    // DrawTemperature1/2 and DrawScore1/2: one readout of the player's view.
    void DrawTemperature(int player);
    void DrawScore(int player);

    // The readout rectangles and the lines they print.
    static QRect temperatureRect(int player);
    static QRect scoreRect(int player);
    std::string temperatureText(int player) const;
    std::string scoreText(int player) const;
    // The lines as last printed into the buffers.
    const std::string& printedTemperature(int player) const { return printed_[player][0]; }
    const std::string& printedScore(int player) const { return printed_[player][1]; }

private:
    void printReadout(int player, int which, const QRect& rect, const std::string& line);
    const Surface& backdrop(int player);

    // The room with the layers that never move during a match (stove, body,
    // back half of the bucket) already drawn on it; drawing on it gives the
    // same pixels as drawing those layers on the room picture every time.
    struct Backdrop {
        SpriteRec stove, body, bucketBack;
        unsigned generation = ~0u;
        Surface image;
    };
    Backdrop backdrops_[2];

    // The last printed rectangle of each readout: the same line on the same
    // room picture prints the same pixels, so it is copied, not typeset again.
    struct Printed {
        std::string line;
        QRect rect;
        unsigned generation = ~0u;
        QImage pixels;
    };
    Printed printedRects_[2][2];

    const Muuttujat& s_;
    Piirto& piirto_;
    std::string separator_;
    long redraws_ = 0;
    std::string printed_[2][2];
    QFont font_;
    QFontMetrics metrics_;
    int ascent_;
};

} // namespace hovla
