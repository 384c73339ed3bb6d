#include "drawing/changes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace hovla {

namespace {

// True when the n pixels at a and b differ anywhere.
bool differ(const QRgb* a, const QRgb* b, int n)
{
    uint32_t any = 0;
    for (int i = 0; i < n; ++i)
        any |= a[i] ^ b[i];
    return any != 0;
}

// The pixels that differ between two images inside one rectangle, as spans
// of rows. Rows are compared in blocks of kBlock pixels; a span runs over
// neighbouring blocks that differ and is trimmed to the exact pixels at its
// ends, so a moving sprite's outline is not painted as its box.
void findDifferences(const QImage& a, const QImage& b, const QRect& r, std::vector<QRect>& spans)
{
    constexpr int kBlock = 8;
    const size_t rowBytes = sizeof(QRgb) * size_t(r.width());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(a.constScanLine(y)) + r.left();
        const auto* d = reinterpret_cast<const QRgb*>(b.constScanLine(y)) + r.left();
        if (std::memcmp(s, d, rowBytes) == 0)
            continue;
        const int w = r.width();
        for (int x = 0; x < w;) {
            const int n = std::min(kBlock, w - x);
            if (!differ(s + x, d + x, n)) {
                x += n;
                continue;
            }
            int end = x + n;
            while (end < w && differ(s + end, d + end, std::min(kBlock, w - end)))
                end += std::min(kBlock, w - end);
            int first = x;
            while (s[first] == d[first])
                ++first;
            int last = end - 1;
            while (s[last] == d[last])
                --last;
            spans.emplace_back(r.left() + first, y, last + 1 - first, 1);
            x = end;
        }
    }
}

// What to paint for row spans: a span joins the rectangle growing down over
// it from the row above while that stays within kSlack of the pixels that
// changed, so the window is sent a few rectangles rather than one per row
// and sprite.
QRegion paintAreaOf(std::vector<QRect>& spans)
{
    constexpr double kSlack = 1.15;
    constexpr int kJoin = 16;
    struct Band {
        QRect rect;
        long long changed;  // pixels that differ inside it
    };
    std::sort(spans.begin(), spans.end(), [](const QRect& a, const QRect& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    });
    QRegion region;
    std::vector<Band> growing, next, pieces;
    auto close = [&](const std::vector<Band>& bands) {
        for (const Band& b : bands)
            region += b.rect;
    };
    for (size_t i = 0; i < spans.size();) {
        const int y = spans[i].y();
        if (!growing.empty() && growing.front().rect.bottom() + 1 != y) {
            close(growing);
            growing.clear();
        }
        // The row's pieces: spans a short gap apart go together.
        pieces.clear();
        for (; i < spans.size() && spans[i].y() == y; ++i) {
            if (!pieces.empty() && spans[i].left() - pieces.back().rect.right() <= kJoin) {
                pieces.back().rect.setRight(spans[i].right());
                pieces.back().changed += spans[i].width();
            } else {
                pieces.push_back({spans[i], spans[i].width()});
            }
        }
        next.clear();
        for (const Band& piece : pieces) {
            auto above = std::find_if(growing.begin(), growing.end(), [&](const Band& b) {
                return b.rect.left() <= piece.rect.right() && piece.rect.left() <= b.rect.right();
            });
            if (above != growing.end()) {
                const QRect grown = above->rect.united(piece.rect);
                const long long changed = above->changed + piece.changed;
                if (double(grown.width()) * grown.height() <= kSlack * double(changed)) {
                    next.push_back({grown, changed});
                    growing.erase(above);
                    continue;
                }
            }
            next.push_back(piece);
        }
        close(growing);
        growing.swap(next);
    }
    close(growing);
    return region;
}

} // namespace

QRegion changedArea(const QImage& now, const QImage& shown, const QRegion& candidates)
{
    std::vector<QRect> spans;
    for (const QRect& r : candidates.intersected(now.rect()).intersected(shown.rect()))
        findDifferences(now, shown, r, spans);
    return paintAreaOf(spans);
}

} // namespace hovla
