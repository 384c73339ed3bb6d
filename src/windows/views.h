// The main window PL with its two views, and the menu window fOptions.
#pragma once

#include "drawing/piirto.h"

#include <QLabel>
#include <QScrollBar>
#include <QCheckBox>
#include <QWidget>

#include <array>
#include <functional>
#include <utility>

namespace hovla {

// A view: shows what was last presented, pixel for pixel, never smoothed.
// What is presented while a handler runs is gathered (a present names only
// the pixels it changed), and once the handler is done the view paints it
// all at once.
class ViewWidget : public QWidget {
public:
    ViewWidget(const Surface& surface, QWidget* parent);
    // These pixels of the view's image have changed.
    void presented(const QRegion& changed);
    // Pixels painted so far, in view pixels: what the window was sent.
    long long paintedArea() const { return paintedArea_; }
    // The longest a paint took since the last call, in nanoseconds.
    qint64 takeLongestPaint() { return std::exchange(longestPaint_, 0); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Surface& surface_;
    long long paintedArea_ = 0;
    qint64 longestPaint_ = 0;
};

class PL : public QWidget, public ViewSink {
public:
    explicit PL(Piirto& piirto);
    void present(int player, const QRegion& changed) override;

    std::array<ViewWidget*, 2> views{};  // pHovla1, pHovla2
    std::function<void()> onClose;       // Form_Unload

protected:
    void closeEvent(QCloseEvent* event) override;
};

// A picture that acts as a button.
class PictureButton : public QLabel {
public:
    PictureButton(const QImage& picture, QWidget* parent);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class fOptions : public QWidget {
public:
    fOptions();

    std::array<QLabel*, 10> Label1{};
    QLabel* Label2 = nullptr;
    QScrollBar* hsbVolume = nullptr;
    QScrollBar* hsbPan = nullptr;
    QCheckBox* Check1 = nullptr;
    PictureButton* Picture1 = nullptr;  // start a new match
    PictureButton* Picture2 = nullptr;  // quit
    std::function<void()> onClose;

    static QString instructions();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
};

} // namespace hovla
