// hovla-render OUTDIR: renders rooms, throw phases, faces, steam and the water
// as they show in both rooms, the yard on the way to the lake and the menu's
// buttons through the game's own code, as PNG files to look at.
#include "drawing/resources.h"
#include "drawing/scene.h"
#include "drawing/screen.h"
#include "match/game.h"
#include "match/state.h"
#include "match/timer_service.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
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
    // A piece of player 2's view, enlarged, to judge details.
    void closeup(const QRect& area, int scale, const QString& name)
    {
        const QImage piece = piirto.view(1).image().copy(area);
        piece.scaled(piece.size() * scale).save(dir.filePath(name + ".png"));
    }
    // The same place in both rooms, side by side, at 1x and enlarged: how a
    // picture shows over what lies under it.
    void inBothRooms(const QRect& area1, const QRect& area2, int scale, const QString& name)
    {
        QImage pair(area1.width() + area2.width() + 2, std::max(area1.height(), area2.height()), QImage::Format_RGB32);
        pair.fill(Qt::darkGray);
        QPainter p(&pair);
        p.drawImage(0, 0, piirto.view(0).image().copy(area1));
        p.drawImage(area1.width() + 2, 0, piirto.view(1).image().copy(area2));
        p.end();
        pair.save(dir.filePath(name + "_1x.png"));
        pair.scaled(pair.size() * scale).save(dir.filePath(name + QString("_x%1.png").arg(scale)));
    }
    void fresh()
    {
        s = Muuttujat{};
        NewMatch(s);
    }
};

// Stand-ins for the windows, the sound and the message boxes: a trip needs
// none of them to draw its frames.
class QuietSound : public Sound {
public:
    void PlaySoundFile(const std::string&) override {}
};
class QuietMessages : public Messages {
public:
    using Messages::show;
    void show(const std::string&, const std::string&, MessageIcon) override {}
};
class QuietWindows : public Windows {
public:
    void hideMain() override {}
    void showMain() override {}
    void moveMainToTopLeft() override {}
    void showMenu() override {}
    void hideMenu() override {}
};

// Both players go out to the lake at once; the views are saved at the given
// trip ticks (1..149), composed by the trip itself.
void renderTrip(const QDir& dir, std::initializer_list<int> ticks)
{
    TimerService timers;
    QuietSound sound;
    QuietMessages messages;
    QuietWindows windows;
    Muuttujat state;
    ScreenDrawing drawing(state);
    Game game{state, Seams{timers, sound, messages, windows, drawing}};
    timers.setDispatch([&](TimerId id) { game.dispatch(id); });
    game.setClock([&] { return float(timers.now()) / kClockHz; });
    game.StartMatch();
    for (int16_t key : {int16_t('a'), int16_t('k')}) {
        int16_t c = key;
        game.Form_KeyPress(c);
    }
    int tick = 0;
    for (int wanted : ticks) {
        for (; tick < wanted; ++tick)
            timers.tick();
        QImage pair(2 * kViewWidth + 1, kViewHeight, QImage::Format_RGB32);
        pair.fill(Qt::darkGray);
        QPainter p(&pair);
        p.drawImage(0, 0, drawing.piirto.view(0).image());
        p.drawImage(kViewWidth + 1, 0, drawing.piirto.view(1).image());
        p.end();
        pair.save(dir.filePath(QString("yard_tick%1.png").arg(wanted, 3, 10, QChar('0'))));
    }
}

// The start and quit buttons and the icon side by side on the menu's black.
void renderMenuPictures(const QDir& dir)
{
    const QImage start = LoadNamedPicture("start_button");
    const QImage quit = LoadNamedPicture("quit_button");
    const QImage icon = LoadNamedPicture("icon");
    QImage sheet(460, 240, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter p(&sheet);
    p.drawImage(20, 20, start);
    p.drawImage(240, 20, quit);
    p.drawImage(400, 20, icon);
    p.drawImage(QRect(380, 80, 64, 64), icon);
    p.end();
    sheet.save(dir.filePath("menu_buttons.png"));
    start.save(dir.filePath("start_button.png"));
    quit.save(dir.filePath("quit_button.png"));
    icon.scaled(128, 128).save(dir.filePath("icon_x4.png"));
}

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
    r.closeup(QRect(260, 380, 240, 240), 2, "closeup_bucket");
    r.closeup(QRect(0, 480, 200, 288), 2, "closeup_stove");

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
        if (phase == 1)
            r.closeup(QRect(40, 370, 320, 110), 2, "closeup_ladle_held");
    }

    // faces in place
    for (int16_t id : {101, 103, 105, 107}) {
        r.fresh();
        r.s.Head(0).Id = r.s.Head(1).Id = id;
        r.scene.RedrawScenes();
        r.both(QString("face_%1").arg(id));
        r.closeup(QRect(330, 90, 150, 220), 2, QString("closeup_face_%1").arg(id));
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
        r.inBothRooms(QRect(380, 480, 132, 70), QRect(0, 480, 132, 70), 4, QString("steam_%1_both").arg(id));
    }

    // the water in the bucket: full, nearly empty and empty
    for (int16_t portions : {5, 1, 0}) {
        r.fresh();
        for (int p = 0; p < 2; ++p) {
            r.s.Water(p).Extra1 = portions;
            r.s.Water(p).Y = int16_t(500 + 4 * std::min(4, 5 - portions));
        }
        r.scene.RedrawScenes();
        r.inBothRooms(QRect(30, 480, 170, 90), QRect(315, 480, 170, 90), 4, QString("water_%1_left").arg(portions));
    }

    // the yard: setting out, on the hill, at the shore, on the way back
    renderTrip(r.dir, {1, 30, 60, 75, 110, 149});
    renderMenuPictures(r.dir);
    return 0;
}
