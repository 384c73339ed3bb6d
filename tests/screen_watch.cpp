// Reads the readout bands of the game's window from the X server, as fast as
// it can, and counts the frames in which a readout shows without its text.
// Usage: hovla-screen-watch WINDOW_ID SECONDS (QT_QPA_PLATFORM=xcb).
// Prints "frames N, without text M" and fails when M > 0 or N is small.
#include "drawing/scene.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kViewLeft[] = {0, 513};  // where the views lie in the window
constexpr int kWindowWidth = 1016;

int blackPixels(const QImage& image, const QRect& area)
{
    int n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hovla-screen-watch WINDOW_ID SECONDS\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const WId window = std::strtoull(argv[1], nullptr, 0);
    const qint64 ms = qint64(std::atof(argv[2]) * 1000);

    // Both readouts of both views, in the band the grab reads (rows 18 to 61).
    const QRect band(0, 18, kWindowWidth, 44);
    std::vector<QRect> readouts;
    for (int p = 0; p < 2; ++p)
        for (QRect r : {hovla::Module1::temperatureRect(p), hovla::Module1::scoreRect(p)})
            readouts.push_back(r.intersected(QRect(0, 0, 512, 768))
                                   .translated(kViewLeft[p], -band.top())
                                   .intersected(QRect(0, 0, band.width(), band.height())));

    QScreen* screen = QGuiApplication::primaryScreen();
    long frames = 0, withoutText = 0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        const QImage shown = screen->grabWindow(window, band.x(), band.y(), band.width(), band.height()).toImage();
        if (shown.size() != band.size()) {
            std::fprintf(stderr, "could not read window %s\n", argv[1]);
            return 2;
        }
        ++frames;
        for (const QRect& r : readouts) {
            if (blackPixels(shown, r) < 40) {
                if (withoutText++ == 0)
                    shown.save("/tmp/hovla-screen-watch-first.png");
                break;
            }
        }
    }
    std::printf("frames %ld, without text %ld\n", frames, withoutText);
    return withoutText == 0 && frames >= 100 ? 0 : 1;
}
