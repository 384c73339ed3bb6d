// The room redraw against what it cannot beat (copying two buffers) and
// against decoding every bitmap on every draw.
#include "drawing/scene.h"
#include "match/state.h"

#include <QGuiApplication>
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
        piirto.setCaching(caching);
        NewMatch(s);
        scene.RedrawScenes();  // warm: pictures decoded, buffers made
    }
};

void CopyTwoBuffers(benchmark::State& state)
{
    Rooms r(true);
    for (auto _ : state) {
        for (int p = 0; p < 2; ++p) {
            QImage& to = r.piirto.view(p).imageToWrite();
            const QImage& from = r.piirto.buffer(p).image();
            std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopyTwoBuffers)->Unit(benchmark::kMicrosecond);

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
