// The Qt windows on the offscreen platform, with a recording sound service
// whose sounds go on until the test ends.
#include "fakes.h"
#include "sound/recording_service.h"
#include "sound/sdl_service.h"
#include "windows/app.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <thread>
#include <gtest/gtest.h>

using namespace hovla;
using namespace hovla::test;

namespace {

void hideWindows(App& app)
{
    app.pl.hide();
    if (app.menu())
        app.menu()->hide();
}

// Forty quick presses of the trip keys, a and k by turns, with the clock
// running. What the game did meanwhile.
struct Flood {
    double longestKeyMs = 0;
    long ticks = 0;
    double seconds = 0;
};

Flood pressTripKeysFortyTimes(App& app)
{
    Flood f;
    const long before = app.clock.ticks();
    QElapsedTimer wall;
    wall.start();
    for (int n = 0; n < 40; ++n) {
        QElapsedTimer press;
        press.start();
        QTest::keyClick(&app.pl, n % 2 ? Qt::Key_K : Qt::Key_A);
        f.longestKeyMs = std::max(f.longestKeyMs, press.nsecsElapsed() / 1e6);
        QTest::qWait(5);
    }
    QTest::qWait(100);
    f.seconds = wall.nsecsElapsed() / 1e9;
    f.ticks = app.clock.ticks() - before;
    return f;
}

struct Program {
    RecordingSoundService service;
    RecordingMessages messages;
    std::vector<int> ended;
    App app{service, messages, [this](int code) { ended.push_back(code); }};
    std::vector<std::pair<std::string, bool>> plays;  // file, main window shown at the time

    Program()
    {
        app.sound.onPlay([this](const std::string& file, int16_t slot) {
            plays.push_back({file + "@" + std::to_string(slot), app.pl.isVisible()});
        });
    }
    ~Program() { hideWindows(app); }
};

// The same with real modal message boxes, whose loop keeps the clock going.
struct ProgramWithBoxes {
    RecordingSoundService service;
    QtMessages messages;
    std::vector<int> ended;
    App app{service, messages, [this](int code) { ended.push_back(code); }};
    ~ProgramWithBoxes() { hideWindows(app); }
};

} // namespace

TEST(Windows, StartUp)
{
    Program p;
    EXPECT_EQ(p.app.menu(), nullptr);
    p.app.start();
    EXPECT_EQ(p.app.pl.windowTitle(), " Strandok by Tuvrikon 2004");
    EXPECT_EQ(p.app.pl.size(), QSize(1016, 734));
    EXPECT_EQ(p.app.pl.views[0]->geometry(), QRect(0, 0, 512, 768));
    EXPECT_EQ(p.app.pl.views[1]->geometry(), QRect(513, 0, 512, 768));
    EXPECT_TRUE(p.app.pl.isVisible());
    ASSERT_NE(p.app.menu(), nullptr);  // made by the welcome sound's read of the sliders
    EXPECT_FALSE(p.app.menu()->isVisible());
    ASSERT_EQ(p.plays.size(), 1u);
    EXPECT_EQ(p.plays[0], std::make_pair(std::string("WELCOME.wav@0"), false));  // before the window shows
    EXPECT_EQ(p.app.sound.SoundPool.size(), 11u);
    EXPECT_EQ(p.app.sound.SoundFolder, QCoreApplication::applicationDirPath().toStdString() + "/Audio/");
    EXPECT_TRUE(p.app.timers.isEnabled(TimerId::Tim_Lämpö1));
    EXPECT_FALSE(p.app.pl.windowIcon().isNull());
}

TEST(Windows, TheMenuAsDescribed)
{
    Program p;
    fOptions& m = p.app.ensureMenu();
    EXPECT_EQ(m.windowTitle(), "Options");
    EXPECT_EQ(m.size(), QSize(716, 608));
    EXPECT_EQ(m.palette().color(QPalette::Window), QColor(Qt::black));
    const std::pair<int, QPoint> places[] = {{0, {27, 27}}, {2, {9, 72}},  {3, {9, 99}},   {4, {9, 126}},
                                              {1, {27, 243}}, {5, {9, 297}}, {6, {9, 324}}, {7, {9, 351}},
                                              {8, {27, 405}}, {9, {36, 459}}};
    for (auto [i, at] : places)
        EXPECT_EQ(m.Label1[i]->pos(), at) << i;
    EXPECT_EQ(m.Label1[0]->text(), "Pelaaja 1:n ohjaimet");
    EXPECT_EQ(m.Label1[6]->text(), QString::fromUtf8("'L' = Lisää löylyä!"));
    EXPECT_EQ(m.Label1[8]->text(), "'ESC' = Pelin lopetus");
    EXPECT_EQ(m.Label1[0]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(m.Label1[3]->palette().color(QPalette::WindowText), QColor(192, 192, 0));
    EXPECT_EQ(m.Label1[9]->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    const QStringList lines = m.Label1[9]->text().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "Ohjeet:");
    EXPECT_EQ(lines[4], QString::fromUtf8("Samalla viilenee hovla ja kunto nousee kestämään hovlan lämpöä."));
    EXPECT_GT(m.Label1[9]->height(), 4 * 20);  // grown to hold the five lines
    EXPECT_EQ(m.Label2->text(), QString::fromUtf8("Äänen voimakkuus"));
    EXPECT_EQ(m.Label2->geometry(), QRect(270, 171, 136, 23));
    EXPECT_EQ(m.hsbVolume->geometry(), QRect(252, 198, 93, 22));
    EXPECT_EQ(m.hsbVolume->value(), 80);
    EXPECT_EQ(m.hsbPan->geometry(), QRect(360, 414, 66, 13));
    EXPECT_EQ(m.hsbPan->value(), 50);
    for (QScrollBar* bar : {m.hsbVolume, m.hsbPan}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 100);
        EXPECT_EQ(bar->singleStep(), 1);
        EXPECT_EQ(bar->pageStep(), 5);
    }
    EXPECT_EQ(m.Check1->text(), "Vaienna");
    EXPECT_EQ(m.Check1->geometry(), QRect(351, 207, 91, 13));
    EXPECT_FALSE(m.Check1->isChecked());
    EXPECT_EQ(m.Picture1->geometry(), QRect(468, 171, 200, 200));
    EXPECT_EQ(m.Picture2->geometry(), QRect(495, 9, 132, 155));
}

TEST(Windows, TheStartButtonSetsUpAMatch)
{
    Program p;
    p.app.start();
    int16_t key = 'x';
    p.app.Form_KeyPress(key);  // the first key ends the non-match and opens the menu
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_TRUE(p.app.menu()->isVisible());
    EXPECT_FALSE(p.app.pl.isVisible());
    EXPECT_TRUE(p.app.timers.isEnabled(TimerId::Tim_Lämpö1)) << "until its next tick turns it off";

    p.app.pl.move(200, 150);
    QTest::mouseClick(p.app.menu()->Picture1, Qt::LeftButton);
    EXPECT_EQ(p.app.game.s.GameStopped, 0);
    EXPECT_FALSE(p.app.menu()->isVisible());
    EXPECT_TRUE(p.app.pl.isVisible());
    EXPECT_EQ(p.app.pl.pos(), QPoint(0, 0));
    EXPECT_EQ(p.app.game.s.Temperature(0), 60);
    EXPECT_EQ(p.app.game.s.Head(1).X, 340);
    EXPECT_TRUE(p.app.timers.isEnabled(TimerId::Tim_Lämpö1));
    EXPECT_TRUE(p.app.timers.isEnabled(TimerId::Tim_Lämpö2));
    // the rooms are drawn in the views: the room picture where no sprite is
    const QImage& view = p.app.drawing.piirto.view(1).image();
    EXPECT_EQ(view.pixel(200, 200), p.app.drawing.piirto.roomPicture(1).image().pixel(200, 200));
    EXPECT_NE(view.pixel(406, 180), p.app.drawing.piirto.roomPicture(1).image().pixel(406, 180));  // a face
    // what the widget paints is what was presented
    const QImage painted = p.app.pl.views[1]->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted.pixel(406, 180), view.pixel(406, 180));
}

TEST(Windows, KeysReachTheRulesWhicheverViewHasFocus)
{
    Program p;
    p.app.start();
    QTest::mouseClick(p.app.ensureMenu().Picture1, Qt::LeftButton);
    p.app.pl.views[1]->setFocus();
    QTest::keyClick(p.app.pl.views[1], Qt::Key_S);
    EXPECT_EQ(p.app.game.s.Water(0).Extra1, 4);
    QTest::keyClick(p.app.pl.views[0], Qt::Key_L, Qt::ShiftModifier);
    EXPECT_EQ(p.app.game.s.Water(1).Extra1, 4);
    QTest::keyClick(&p.app.pl, Qt::Key_F1);
    QTest::keyClick(&p.app.pl, Qt::Key_Left);
    QTest::keyClick(&p.app.pl, Qt::Key_Shift);
    EXPECT_EQ(p.app.game.s.GameStopped, 0);
    QTest::keyClick(&p.app.pl, Qt::Key_Escape);
    EXPECT_EQ(p.app.game.s.GameStopped, -1);
    EXPECT_TRUE(p.app.menu()->isVisible());
}

TEST(Windows, TheSlidersAndMuteReachTheNextPlay)
{
    Program p;
    p.app.start();
    fOptions& m = *p.app.menu();
    p.service.log.clear();
    m.hsbVolume->setValue(100);
    m.hsbPan->setValue(0);
    EXPECT_TRUE(p.service.log.empty());  // moving a slider plays nothing
    p.app.sound.PlaySoundFile("kiuas.wav");
    const std::string kiuas = std::string("#").append(std::to_string(p.service.made));
    EXPECT_EQ(p.service.log, (std::vector<std::string>{kiuas + " from " + p.app.sound.SoundFolder + "kiuas.wav",
                                                       kiuas + " SetPan -10000", kiuas + " Play 0"}));

    p.service.log.clear();
    m.Check1->setChecked(true);
    p.app.sound.PlaySoundFile("ulos1.wav");
    EXPECT_TRUE(p.service.log.empty());
    m.Check1->setChecked(false);
    m.hsbPan->setValue(50);
    m.hsbVolume->setValue(80);
    p.app.sound.PlaySoundFile("ulos1.wav");
    const std::string ulos = std::string("#").append(std::to_string(p.service.made));
    EXPECT_EQ(p.service.log, (std::vector<std::string>{ulos + " from " + p.app.sound.SoundFolder + "ulos1.wav",
                                                       ulos + " SetVolume -1200", ulos + " Play 0"}));
}

TEST(Windows, QuitAndCloseEndTheProcess)
{
    Program p;
    p.app.start();
    QTest::mouseClick(p.app.menu()->Picture2, Qt::LeftButton);
    EXPECT_EQ(p.ended, std::vector<int>{0});
    p.app.pl.close();
    EXPECT_EQ(p.ended.size(), 2u);
    p.app.menu()->show();
    p.app.menu()->close();
    EXPECT_EQ(p.ended.size(), 3u);
}

TEST(Windows, AnUncaughtErrorIsShownAndEndsTheGame)
{
    Program p;
    p.app.start();
    p.app.Picture1_Click();
    p.app.game.s.ThrowPhase(0) = 7;  // a bad index waiting for the next redraw
    p.app.timers.setEnabled(TimerId::Tim_Löyly1, true);
    p.app.game.s.Steam(0).Id = 301;
    p.app.guard([&] { p.app.timers.tick(); });
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_NE(p.messages.shown[0].text.find("Arm(0, 7)"), std::string::npos) << p.messages.shown[0].text;
    EXPECT_EQ(p.ended, std::vector<int>{1});
}

TEST(Windows, TheClockKeepsSixtyFourTicksASecondAlsoUnderAMessageBox)
{
    ProgramWithBoxes p;
    App& app = p.app;
    app.start();

    QElapsedTimer wall;
    wall.start();
    const long before = app.clock.ticks();
    // A real message box, closed after a second; the clock goes on inside it.
    long ticksWhileOpen = -1;
    QTimer::singleShot(1000, [&] {
        ticksWhileOpen = app.clock.ticks() - before;
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    p.messages.show("Odota hetki");
    QTest::qWait(1000);
    const double seconds = wall.nsecsElapsed() / 1e9;
    const double rate = (app.clock.ticks() - before) / seconds;
    std::printf("clock: %.2f ticks per second over %.2f s\n", rate, seconds);
    EXPECT_GT(ticksWhileOpen, 50);
    EXPECT_NEAR(rate, 64.0, 64 * 0.02);
}

// The seed clock reads local time once a second and counts on between: it
// must stay with the wall clock across its readings.
TEST(Windows, TheSeedClockKeepsToTheTimeOfDay)
{
    SecondsSinceMidnight clock;
    float last = clock();
    QElapsedTimer wall;
    wall.start();
    int reads = 0;
    while (wall.elapsed() < 2300) {
        const float before = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
        const float now = clock();
        const float after = float(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
        if (after < before)
            continue;  // midnight passed
        ++reads;
        // float seconds near midnight's end are 8 ms apart, so allow a step either side
        ASSERT_GE(now, before - 0.016f) << "read " << reads;
        ASSERT_LE(now, after + 0.016f) << "read " << reads;
        ASSERT_GE(now, last - 0.008f) << "read " << reads << ": the clock went back";
        last = now;
        QTest::qWait(7);
    }
    EXPECT_GT(reads, 100);
}

// Forty quick presses of the trip keys: forty sounds over eleven voices that
// never fall quiet. The game takes a voice over each time and never waits.
TEST(Windows, AFloodOfSoundsNeverStopsTheGame)
{
    Program p;
    p.app.start();
    p.app.Picture1_Click();
    const Flood f = pressTripKeysFortyTimes(p.app);
    EXPECT_EQ(p.plays.size(), 41u);  // the welcome and forty trips
    EXPECT_LT(f.longestKeyMs, 50);
    EXPECT_GT(f.ticks, long(f.seconds * 64 * 0.8));
}

// The process stalls for 100 ms mid-walk (a slow machine, a suspended virtual
// machine): the walker takes one step afterwards, not seven at once.
TEST(Windows, AfterAStallTheClockDoesNotRaceToCatchUp)
{
    Program p;
    p.app.start();
    p.app.Picture1_Click();
    QTest::keyClick(&p.app.pl, Qt::Key_A);
    QTest::qWait(200);
    // Each step of the walk, with the clock's reading when it was taken.
    std::vector<std::pair<long, int16_t>> steps;
    p.app.timers.setDispatch([&](TimerId id) {
        p.app.game.dispatch(id);
        if (id == TimerId::Aaltokone1)
            steps.push_back({p.app.clock.ticks(), p.app.game.s.Head(0).X});
    });
    const int16_t before = p.app.game.s.Head(0).X;
    const long ticksBefore = p.app.clock.ticks();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    QElapsedTimer wait;
    wait.start();
    while (steps.empty() && wait.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    ASSERT_FALSE(steps.empty());
    const auto [clockAfter, x] = steps.front();
    EXPECT_GE(clockAfter - ticksBefore, 6);  // the clock itself kept time
    EXPECT_EQ(before - x, 2);                // one step for the whole stall
    EXPECT_EQ(std::count_if(steps.begin(), steps.end(), [&](const auto& s) { return s.first == clockAfter; }), 1);
    std::printf("after a 100 ms stall: %ld clock ticks in one step, the walker moved %d px\n",
                clockAfter - ticksBefore, before - x);
}

// The give-up box is a real message box with the information icon, its own
// caption and the player's words.
TEST(Windows, TheGiveUpBoxCarriesTheInformationIcon)
{
    ProgramWithBoxes p;
    App& app = p.app;
    app.start();
    app.Picture1_Click();
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString caption, text;
    QTimer::singleShot(50, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            icon = box->icon();
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    QTest::keyClick(&app.pl, Qt::Key_J);
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_EQ(caption, "LUOVUTUS");
    EXPECT_EQ(text, "Pelaaja 2 luovutti!!!");
    EXPECT_EQ(app.game.s.GameStopped, -1);
}

// A picture button acts on a left-button release inside it, as a button does:
// pressing alone, another button, or letting go outside does nothing.
TEST(Windows, APictureButtonFiresOnlyOnAReleaseInsideIt)
{
    Program p;
    PictureButton& start = *p.app.ensureMenu().Picture1;
    int clicks = 0;
    start.onClick = [&] { ++clicks; };
    QTest::mousePress(&start, Qt::LeftButton, {}, QPoint(100, 100));
    EXPECT_EQ(clicks, 0);
    QTest::mouseRelease(&start, Qt::LeftButton, {}, QPoint(250, 100));  // dragged off it
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&start, Qt::RightButton, {}, QPoint(100, 100));
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&start, Qt::LeftButton, {}, QPoint(199, 199));
    EXPECT_EQ(clicks, 1);
}

// The same on the real sound service (SDL's dummy driver plays in real time):
// forty steps out over eleven voices still sounding, and the clock goes on.
TEST(Windows, AFloodOfRealSoundsNeverStopsTheGame)
{
    SdlSoundService service;
    RecordingMessages messages;
    App app(service, messages, [](int) {});
    app.start();  // the tests have no Audio folder beside them: the welcome is told of, once
    app.sound.SetSoundFolder(HOVLA_AUDIO_DIR);
    const size_t told = messages.shown.size();
    app.Picture1_Click();
    const Flood f = pressTripKeysFortyTimes(app);
    std::printf("forty sounds: the longest key took %.1f ms; %ld ticks in %.2f s\n", f.longestKeyMs, f.ticks,
                f.seconds);
    EXPECT_LT(f.longestKeyMs, 50);
    EXPECT_GT(f.ticks, long(f.seconds * 64 * 0.8));
    EXPECT_EQ(messages.shown.size(), told);
    for (const SoundSlot& voice : app.sound.SoundPool)
        EXPECT_EQ(voice.Buffer->GetStatus(), SoundBuffer::kPlaying);  // every voice was busy
    hideWindows(app);
}
