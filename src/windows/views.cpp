#include "windows/views.h"

#include "drawing/resources.h"
#include "drawing/fonts.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <utility>

namespace hovla {

// ---- PL ----

ViewWidget::ViewWidget(const Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface)
{
    setFixedSize(kViewWidth, kViewHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

// Qt paints what was marked once the running handler is done, all together.
void ViewWidget::presented(const QRegion& changed)
{
    update(changed);
}

void ViewWidget::paintEvent(QPaintEvent* event)
{
    QElapsedTimer took;
    took.start();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& area : event->region()) {
        painter.drawImage(area, surface_.image(), area);
        paintedArea_ += qint64(area.width()) * area.height();
    }
    longestPaint_ = std::max(longestPaint_, took.nsecsElapsed());
}

PL::PL(Piirto& piirto)
{
    setFixedSize(1016, 734);  // the views reach past it at the right and the bottom
    setWindowIcon(QIcon(QPixmap::fromImage(LoadNamedPicture("icon"))));
    for (int p = 0; p < 2; ++p) {
        views[p] = new ViewWidget(piirto.view(p), this);
        views[p]->move(p == 0 ? 0 : 513, 0);
    }
}

void PL::present(int player, const QRegion& changed)
{
    views.at(player)->presented(changed);
}

void PL::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClose)
        onClose();
}

// ---- fOptions ----

PictureButton::PictureButton(const QImage& picture, QWidget* parent) : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(picture));
    setFixedSize(picture.size());
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

namespace {

struct LabelLine {
    int index;
    const char* caption;
    QColor colour;
    QPoint at;
};

const LabelLine kLabels[] = {
    {0, "Pelaaja 1:n ohjaimet", QColor(255, 0, 0), {27, 27}},
    {2, "'A' = Ulos vilvoittelemaan ja hakemaan vettä", QColor(192, 192, 0), {9, 72}},
    {3, "'S' = Lisää löylyä!", QColor(192, 192, 0), {9, 99}},
    {4, "'D' = Pelaaja luovuttaa", QColor(192, 192, 0), {9, 126}},
    {1, "Pelaaja 2:n ohjaimet", QColor(255, 0, 0), {27, 243}},
    {5, "'K' = Ulos vilvoittelemaan ja hakemaan vettä", QColor(192, 192, 0), {9, 297}},
    {6, "'L' = Lisää löylyä!", QColor(192, 192, 0), {9, 324}},
    {7, "'J' = Pelaaja luovuttaa", QColor(192, 192, 0), {9, 351}},
    {8, "'ESC' = Pelin lopetus", QColor(0, 192, 0), {27, 405}},
    {9, "", QColor(0, 192, 0), {36, 459}},
};

void colourText(QWidget* w, const QColor& colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    w->setPalette(palette);
}

} // namespace

fOptions::fOptions()
{
    setWindowTitle("Options");
    setFixedSize(716, 608);

    for (const LabelLine& line : kLabels) {
        auto* label = new QLabel(QString::fromUtf8(line.caption), this);
        label->setFont(comicFontPoints(14.25));
        colourText(label, line.colour);
        label->move(line.at);
        label->adjustSize();
        Label1[line.index] = label;
    }
    Label2 = new QLabel(QString::fromUtf8("Äänen voimakkuus"), this);
    Label2->setFont(comicFontPoints(12));
    colourText(Label2, QColor(255, 255, 0));
    Label2->setGeometry(270, 171, 136, 23);

    auto slider = [this](int value, const QRect& at) {
        auto* bar = new QScrollBar(Qt::Horizontal, this);
        bar->setRange(0, 100);
        bar->setSingleStep(1);
        bar->setPageStep(5);
        bar->setValue(value);
        bar->setGeometry(at);
        return bar;
    };
    hsbVolume = slider(80, QRect(252, 198, 93, 22));
    hsbPan = slider(50, QRect(360, 414, 66, 13));

    Check1 = new QCheckBox("Vaienna", this);
    colourText(Check1, QColor(255, 255, 0));
    Check1->setGeometry(351, 207, 91, 13);

    Picture1 = new PictureButton(LoadNamedPicture("start_button"), this);
    Picture1->move(468, 171);
    Picture2 = new PictureButton(LoadNamedPicture("quit_button"), this);
    Picture2->move(495, 9);

    Form_Load();

    // centred on the screen by the game itself
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

QString fOptions::instructions()
{
    const char* lines[] = {
        "Ohjeet:",
        "Voittaja on se, joka ensimmäisenä saa 100 pistettä kasaan,",
        "tai jos vastustaja on 'puolikuollut' sanomisesta! => Kunto alle 50%",
        "Jos vesi loppuu kiulusta, voit käydä hakemassa sitä lisää järvestä..",
        "Samalla viilenee hovla ja kunto nousee kestämään hovlan lämpöä.",
    };
    QString text = QString::fromUtf8(lines[0]);
    for (int i = 1; i < 5; ++i)
        text += '\n' + QString::fromUtf8(lines[i]);
    return text;
}

void fOptions::Form_Load()
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    Label1[9]->setText(instructions());
    Label1[9]->adjustSize();
}

void fOptions::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClose)
        onClose();  // closing the menu ends the game, as the quit button does
}

} // namespace hovla
