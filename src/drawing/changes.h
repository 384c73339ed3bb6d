// What changed on a view: the pixels that differ, gathered into a few
// rectangles to paint. The rectangles hug the pixels that differ closely
// (their area stays within a quarter or so of them), and are few.
#pragma once

#include <QImage>
#include <QRegion>

namespace hovla {

// The area to paint so that the screen, which shows `shown`, shows `now`,
// looking only inside candidates.
QRegion changedArea(const QImage& now, const QImage& shown, const QRegion& candidates);

// Copies into `to` the pixels inside area where it differs from `from`
// (both 32-bit), and returns where `to` changed.
QRegion copyChanges(const QImage& from, QImage& to, const QRegion& area);

} // namespace hovla
