// What changed on a view since the screen last got it: the pixels that
// differ, gathered into a few rectangles to paint.
#pragma once

#include <QImage>
#include <QRegion>

namespace hovla {

// The area to paint so that the screen, which shows `shown`, shows `now`,
// looking only inside candidates. The rectangles hug the pixels that differ
// closely (their area stays within a quarter or so of them), and are few.
QRegion changedArea(const QImage& now, const QImage& shown, const QRegion& candidates);

} // namespace hovla
