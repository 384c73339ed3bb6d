// What reaches the screen: every paint of a view shows a whole frame, with
// both readouts written, and sends all that changed since the last paint
// and little else.
#include "fakes.h"
#include "sound/recording_service.h"
#include "windows/app.h"

#include <QApplication>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <cstring>

using namespace hovla;
using namespace hovla::test;

namespace {

int blackPixels(const QImage& image, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return n;
}

// Watches one view's paints: what the view held each time, and how much.
struct PaintWatch : QObject {
    const Surface& surface;
    int player;
    int paints = 0;
    std::vector<std::string> halfDrawn;
    long long painted = 0, differed = 0, rects = 0, stale = 0;
    QImage last, screen;  // the view at the last paint; what the screen was sent

    PaintWatch(const Surface& s, int p) : surface(s), player(p), last(s.image().copy()), screen(last) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        ++paints;
        const QImage& now = surface.image();
        const QRect readouts[] = {Module1::temperatureRect(player), Module1::scoreRect(player)};
        for (const QRect& r : readouts) {
            if (blackPixels(now, r.intersected(now.rect())) < 40)
                halfDrawn.push_back("paint " + std::to_string(paints));
        }
        for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
            painted += qint64(r.width()) * r.height();
            ++rects;
            const QRect kept = r.intersected(screen.rect());
            for (int y = kept.top(); y <= kept.bottom(); ++y)
                std::memcpy(screen.scanLine(y) + kept.left() * 4, now.constScanLine(y) + kept.left() * 4,
                            4 * size_t(kept.width()));
        }
        // After the paint, the visible part of the window shows the view.
        const QRect visible = static_cast<QWidget*>(watched)->visibleRegion().boundingRect();
        for (int y = 0; y < now.height(); ++y) {
            const auto* n = reinterpret_cast<const QRgb*>(now.constScanLine(y));
            const auto* l = reinterpret_cast<const QRgb*>(last.constScanLine(y));
            const auto* sh = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
            for (int x = 0; x < now.width(); ++x) {
                differed += n[x] != l[x];
                stale += n[x] != sh[x] && visible.contains(x, y);
            }
        }
        last = now.copy();
        return false;
    }
};

} // namespace

TEST(Presenting, EveryPaintShowsAWholeFrameAndOnlyWhatChanged)
{
    NullSoundService service;
    RecordingMessages messages;
    App app(service, messages, [](int) {});
    app.start();
    app.Picture1_Click();
    QTest::qWait(100);  // the first paints of the new match

    // The bare room and yard have no black in the readout bands: black there is text.
    for (const Surface* bare : {&app.drawing.piirto.roomPicture(0), &app.drawing.piirto.yardPicture()})
        ASSERT_LT(blackPixels(bare->image(), QRect(0, 18, 512, 44)), 40);

    PaintWatch watch[] = {{app.drawing.piirto.view(0), 0}, {app.drawing.piirto.view(1), 1}};
    for (int p = 0; p < 2; ++p)
        app.pl.views[p]->installEventFilter(&watch[p]);

    // Player 1 walks to the lake and back; player 2 throws, again and again.
    const long firstTick = app.clock.ticks();
    app.clock.takeLongestTick();
    for (ViewWidget* view : app.pl.views)
        view->takeLongestPaint();
    QTest::keyClick(&app.pl, Qt::Key_A);
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(&app.pl, Qt::Key_L);
        QTest::qWait(500);
    }
    // On a busy machine the clock may step over ticks: the trip then takes
    // longer in frames, not in time. Wait for it to end.
    EXPECT_TRUE(QTest::qWaitFor([&] { return app.game.s.Outside(0) == 0; }, 5000)) << "the trip is over";
    const long ticks = app.clock.ticks() - firstTick;
    for (PaintWatch& w : watch) {
        EXPECT_GT(w.paints, w.player == 0 ? 140 : 20) << "player " << w.player;  // a trip; five throws
        EXPECT_LE(w.paints, ticks + 1) << "player " << w.player << ": at most one paint a tick";
        EXPECT_TRUE(w.halfDrawn.empty()) << "player " << w.player << ": " << w.halfDrawn.size()
                                         << " paints without both readouts, first " << w.halfDrawn[0];
        EXPECT_EQ(w.stale, 0) << "player " << w.player << ": pixels the screen was never sent";
        EXPECT_GT(w.differed, 0);
        EXPECT_LE(w.painted, w.differed * 3 / 2) << "player " << w.player << " painted " << w.painted
                                                 << " pixels for " << w.differed << " that changed";
        std::printf("player %d: %d paints of %.0f rectangles, %lld pixels painted for %lld changed (%.2fx)\n",
                    w.player + 1, w.paints, double(w.rects) / w.paints, w.painted, w.differed,
                    double(w.painted) / double(w.differed));
    }
    // How close a tick and a paint come to the 1/64 s they have (printed:
    // on a busy machine the longest of them is the scheduler's, not ours).
    const double tickMs = app.clock.takeLongestTick() / 1e6;
    const double paintMs = std::max(app.pl.views[0]->takeLongestPaint(), app.pl.views[1]->takeLongestPaint()) / 1e6;
    std::printf("longest tick %.2f ms, longest paint %.2f ms\n", tickMs, paintMs);
    for (PaintWatch& w : watch)
        app.pl.views[w.player]->removeEventFilter(&w);
    app.pl.hide();
    if (app.menu())
        app.menu()->hide();
}
