// Bringing a view up to date and knowing what the screen must be sent: only
// the pixels that differ, gathered into a few rectangles to paint.
#pragma once

#include <QImage>
#include <QRegion>

namespace hovla {

// Copies `from` into `to` inside area, and returns the area to paint so that a
// screen that showed `to` shows it again. The rectangles hug the pixels that
// differed closely (their area stays within a quarter or so of them), and
// are few; where nothing differed, nothing is written.
QRegion copyChanges(const QImage& from, QImage& to, const QRegion& area);

} // namespace hovla
