#include "windows/app.h"

#include "match/form_load.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QTime>

#include <algorithm>

namespace hovla {

void QtMessages::show(const std::string& text, const std::string& caption, MessageIcon icon)
{
    QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
}

// ---- the clock ----

ClockDriver::ClockDriver(TimerService& service, std::function<void(const std::function<void()>&)> guard)
    : service_(service), guard_(std::move(guard))
{
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
}

void ClockDriver::start()
{
    elapsed_.start();
    schedule(0);
}

long ClockDriver::dueTicks() const
{
    return long(elapsed_.nsecsElapsed() * kClockHz / 1000000000);
}

// Wakes at the wall clock's 1/64 s boundary after the given tick.
void ClockDriver::schedule(long afterTick)
{
    const qint64 next = (afterTick + 1) * 1000000000LL / kClockHz;
    const qint64 waitNs = std::max<qint64>(0, next - elapsed_.nsecsElapsed());
    timer_.start(int((waitNs + 999999) / 1000000));
}

void ClockDriver::poll()
{
    const long due = dueTicks();
    schedule(std::max(due, ticks_));  // armed first: a message box opened below keeps the clock going
    if (due <= ticks_)
        return;
    const long late = due - ticks_;
    ticks_ = due;  // counted first: a nested poll goes on from the next tick
    QElapsedTimer took;
    took.start();
    guard_([this, late] { service_.advance(late); });
    longestTick_ = std::max(longestTick_, took.nsecsElapsed());
}

float SecondsSinceMidnight::operator()()
{
    if (!since_.isValid() || since_.elapsed() >= 1000) {
        atStart_ = QTime::currentTime().msecsSinceStartOfDay();
        since_.start();
    }
    constexpr qint64 kDay = 24 * 60 * 60 * 1000;
    return float((atStart_ + since_.elapsed()) % kDay) / 1000.0f;
}

// ---- the program ----

App::App(SoundService& soundService, Messages& messages, std::function<void(int)> endProcess)
    : clock(timers, [this](const std::function<void()>& f) { guard(f); }),
      sound(soundService, *this, messages),
      drawing(state, nullptr, QLocale().decimalPoint().toStdString()),
      game(state, Seams{timers, sound, messages, *this, drawing}),
      pl(drawing.piirto),
      messages_(messages),
      endProcess_(std::move(endProcess))
{
    drawing.piirto.setSink(&pl);
    game.setClock(SecondsSinceMidnight());
    timers.setDispatch([this](TimerId id) { game.dispatch(id); });
    pl.onClose = [this] { endProcess_(0); };

    // Key preview: every typed character reaches the main window's handler.
    struct KeyPreview : QObject {
        App* app;
        explicit KeyPreview(App* a) : app(a) {}
        bool eventFilter(QObject* watched, QEvent* event) override { return app->eventFilter(watched, event); }
    };
    keyPreview_ = std::make_unique<KeyPreview>(this);
    pl.installEventFilter(keyPreview_.get());
    for (ViewWidget* v : pl.views)
        v->installEventFilter(keyPreview_.get());
}

App::~App() = default;

void App::guard(const std::function<void()>& handler)
{
    if (failed_)
        return;
    try {
        handler();
    } catch (const std::exception& e) {
        failed_ = true;
        clock.stop();  // no tick may run under the error's message
        messages_.show(std::string("Virhe: ") + e.what());
        endProcess_(1);
    }
}

void App::start()
{
    guard([this] {
        Form_Load(state, sound, WindowHandle(pl.winId()), QCoreApplication::applicationDirPath().toStdString());
        pl.setWindowTitle(QString::fromStdString(state.TitleText));
    });
    pl.show();
    clock.start();
    // Every picture decoded while the first screen waits for a key, so that
    // the first throw or trip does not wait for it.
    QTimer::singleShot(0, &pl, [this] { guard([this] { drawing.piirto.pictures().decodeAll(); }); });
}

bool App::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    int16_t KeyChar;
    if (key->key() == Qt::Key_Escape)
        KeyChar = Game::kEscape;
    else if (!key->text().isEmpty())
        KeyChar = int16_t(key->text().at(0).unicode());
    else
        return false;  // arrows, function keys, Shift: they type nothing
    Form_KeyPress(KeyChar);
    return true;
}

void App::Form_KeyPress(int16_t& KeyChar)
{
    guard([&] { game.Form_KeyPress(KeyChar); });
}

// ---- windows as the rules see them ----

void App::hideMain() { pl.hide(); }

void App::showMain()
{
    pl.show();
    pl.raise();
    pl.activateWindow();
}

void App::moveMainToTopLeft() { pl.move(0, 0); }

fOptions& App::ensureMenu()
{
    if (!menu_) {
        menu_ = std::make_unique<fOptions>();
        menu_->Picture1->onClick = [this] { Picture1_Click(); };
        menu_->Picture2->onClick = [this] { Picture2_Click(); };
        menu_->onClose = [this] { endProcess_(0); };
    }
    return *menu_;
}

void App::showMenu()
{
    fOptions& menu = ensureMenu();
    menu.show();
    menu.raise();
    menu.activateWindow();
}

void App::hideMenu() { ensureMenu().hide(); }

void App::Picture1_Click()
{
    guard([this] { game.StartMatch(); });
}

void App::Picture2_Click() { endProcess_(0); }

int App::volume() { return ensureMenu().hsbVolume->value(); }
int App::pan() { return ensureMenu().hsbPan->value(); }
bool App::muted() { return ensureMenu().Check1->isChecked(); }

} // namespace hovla
