// hovla-render OUTDIR: renders rooms, throw phases, faces and steam through the
// game's own drawing code, as PNG files to look at.
#include "drawing/scene.h"
#include "match/state.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <functional>

using namespace hovla;

namespace {

struct Renderer {
    Muuttujat s;
    Piirto piirto;
    Module1 scene{s, piirto};
    QDir dir;

    void save(int player, const QString& name)
    {
        const QString path = dir.filePath(name + ".png");
        if (!piirto.view(player).image().save(path))
            std::fprintf(stderr, "hovla-render: cannot write %s\n", qPrintable(path));
    }
    void both(const QString& name)
    {
        QImage pair(2 * kViewWidth + 1, kViewHeight, QImage::Format_RGB32);
        pair.fill(Qt::darkGray);
        QPainter p(&pair);
        p.drawImage(0, 0, piirto.view(0).image());
        p.drawImage(kViewWidth + 1, 0, piirto.view(1).image());
        p.end();
        pair.save(dir.filePath(name + ".png"));
    }
    void fresh()
    {
        s = Muuttujat{};
        NewMatch(s);
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: hovla-render OUTDIR\n");
        return 2;
    }
    Renderer r;
    r.dir = QDir(argv[1]);
    r.dir.mkpath(".");

    r.fresh();
    r.scene.RedrawScenes();
    r.both("rooms_start");

    // each throw phase, the ladle where the phase puts it
    for (int phase = 1; phase <= 3; ++phase) {
        r.fresh();
        for (int p = 0; p < 2; ++p) {
            r.s.ThrowPhase(p) = int16_t(phase);
            r.s.LadlePose(p) = 1;
            r.s.Ladle(p, 1).X = r.s.Arm(p, phase).Extra1;
            r.s.Ladle(p, 1).Y = r.s.Arm(p, phase).Extra2;
        }
        r.scene.RedrawScenes();
        r.both(QString("throw_phase%1").arg(phase));
    }

    // faces in place
    for (int16_t id : {101, 103, 105, 107}) {
        r.fresh();
        r.s.Head(0).Id = r.s.Head(1).Id = id;
        r.scene.RedrawScenes();
        r.both(QString("face_%1").arg(id));
    }

    // steam frames over the stove
    for (int16_t id : {301, 303, 305}) {
        r.fresh();
        for (int p = 0; p < 2; ++p) {
            r.s.Steam(p).Id = id;
            r.s.Steam(p).Flip = True16;
        }
        r.scene.RedrawScenes();
        r.both(QString("steam_%1").arg(id));
    }
    return 0;
}
