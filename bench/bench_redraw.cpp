// The drawing against what it cannot beat, all in one run so that the ratios
// hold on a noisy machine:
// - a steady room redraw against restoring what it draws over and copying
//   that to the views, and against decoding every bitmap on every draw;
// - a frame of the trip to the lake against copying one whole buffer;
// - the path to the screen: finding what changed on a view, and the view
//   widget painting a whole view.
#include "drawing/changes.h"
#include "drawing/resources.h"
#include "drawing/scene.h"
#include "drawing/screen.h"
#include "match/game.h"
#include "match/state.h"
#include "match/timer_service.h"
#include "windows/views.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstring>

using namespace hovla;

namespace {

struct Rooms {
    Muuttujat s;
    Piirto piirto;
    Module1 scene{s, piirto};
    explicit Rooms(bool caching)
    {
        piirto.pictures().setCaching(caching);
        NewMatch(s);
        scene.RedrawScenes();  // warm: pictures decoded, buffers made
    }
};

void copyRows(QImage& to, const QImage& from, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to.scanLine(y) + r.left() * 4, from.constScanLine(y) + r.left() * 4, size_t(r.width()) * 4);
}

// What a steady redraw of player p's room draws over its unmoving layers:
// ladle, water, the bucket's front, arm, face and the two readouts.
QRegion drawnOver(const Muuttujat& s, int p)
{
    QRegion region;
    auto add = [&](const SpriteRec& rec, int16_t id) {
        region += QRect(QPoint(rec.X, rec.Y), LoadResPicture(id).size());
    };
    add(s.Ladle(p, 0), s.Ladle(p, 0).Id);
    add(s.Water(p), s.Water(p).Id);
    add(s.Bucket(p, 1), 205);
    add(s.Arm(p, 0), s.Arm(p, 0).Id);
    add(s.Head(p), s.Head(p).Id);
    region += Module1::temperatureRect(p);
    region += Module1::scoreRect(p);
    return region.intersected(QRect(0, 0, kViewWidth, kViewHeight));
}

void CopyTwoBuffers(benchmark::State& state)
{
    Rooms r(true);
    for (auto _ : state) {
        for (int p = 0; p < 2; ++p)
            copyRows(r.piirto.view(p).imageToWrite(), r.piirto.buffer(p).image(), QRect(0, 0, kViewWidth, kViewHeight));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyTwoBuffers)->Unit(benchmark::kMicrosecond);

// The floor a steady redraw must stand on: restore what it draws over, copy
// that to the view.
void RestoreAndCopyDrawnOver(benchmark::State& state)
{
    Rooms r(true);
    const QImage room[] = {r.piirto.roomPicture(0).image().copy(), r.piirto.roomPicture(1).image().copy()};
    const QRegion areas[] = {drawnOver(r.s, 0), drawnOver(r.s, 1)};
    for (auto _ : state) {
        for (int p = 0; p < 2; ++p) {
            QImage& buffer = r.piirto.buffer(p).imageToWrite();
            QImage& view = r.piirto.view(p).imageToWrite();
            for (const QRect& area : areas[p]) {
                copyRows(buffer, room[p], area);
                copyRows(view, buffer, area);
            }
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RestoreAndCopyDrawnOver)->Unit(benchmark::kMicrosecond);

void RedrawScenes(benchmark::State& state)
{
    Rooms r(true);
    for (auto _ : state)
        r.scene.RedrawScenes();
}
BENCHMARK(RedrawScenes)->Unit(benchmark::kMicrosecond);

void RedrawScenesDecodingEveryDraw(benchmark::State& state)
{
    Rooms r(false);
    for (auto _ : state)
        r.scene.RedrawScenes();
}
BENCHMARK(RedrawScenesDecodingEveryDraw)->Unit(benchmark::kMicrosecond);

// ---- the trip ----

struct Quiet : Sound, Messages, Windows {
    using Messages::show;
    void PlaySoundFile(const std::string&) override {}
    void show(const std::string&, const std::string&, MessageIcon) override {}
    void hideMain() override {}
    void showMain() override {}
    void moveMainToTopLeft() override {}
    void showMenu() override {}
    void hideMenu() override {}
};

void CopyOneBuffer(benchmark::State& state)
{
    Rooms r(true);
    for (auto _ : state) {
        copyRows(r.piirto.view(0).imageToWrite(), r.piirto.buffer(0).image(), QRect(0, 0, kViewWidth, kViewHeight));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyOneBuffer)->Unit(benchmark::kMicrosecond);

// One frame of player 1's walk: yard, lake, cabin, walker, presented, with
// the readouts above.
void TripFrame(benchmark::State& state)
{
    TimerService timers;
    Quiet quiet;
    Muuttujat match;
    ScreenDrawing drawing(match);
    Game game(match, Seams{timers, quiet, quiet, quiet, drawing});
    game.StartMatch();
    auto goOut = [&] {
        int16_t key = 'a';
        game.Form_KeyPress(key);
        game.TripTick(0);  // the first frame draws every pixel of the yard
    };
    goOut();
    for (auto _ : state) {
        if (game.s.Head(0).Extra1 == 2 && game.s.Head(0).X >= 398) {  // home next: walk again
            state.PauseTiming();
            goOut();
            state.ResumeTiming();
        }
        game.TripTick(0);
    }
}
BENCHMARK(TripFrame)->Unit(benchmark::kMicrosecond);

// ---- the path to the screen ----

// A swing frame presented over the frame before: the view brought up to
// date, and the pixels that differ found, over the whole view.
void CopyWhatChanged(benchmark::State& state)
{
    Rooms r(true);
    const QImage before = r.piirto.view(0).image().copy();
    r.s.ThrowPhase(0) = 2;
    r.s.LadlePose(0) = 1;
    r.scene.RedrawScenes();
    const QImage after = r.piirto.view(0).image().copy();
    QImage view = before.copy();
    const QRegion everywhere(0, 0, kViewWidth, kViewHeight);
    bool forth = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(copyChanges(forth ? after : before, view, everywhere));
        forth = !forth;
    }
}
BENCHMARK(CopyWhatChanged)->Unit(benchmark::kMicrosecond);

void PaintWholeView(benchmark::State& state)
{
    Rooms r(true);
    QWidget window;
    ViewWidget view(r.piirto.view(0), &window);
    QImage target(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        view.render(&target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PaintWholeView)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
