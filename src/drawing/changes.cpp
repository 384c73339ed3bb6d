#include "drawing/changes.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

namespace hovla {

namespace {

constexpr int kBlock = 8;

// True when the n pixels at a and b differ anywhere; a whole block in four
// wide words.
bool differ(const QRgb* a, const QRgb* b, int n)
{
    if (n == kBlock) {
        uint64_t x[4], y[4];
        std::memcpy(x, a, sizeof x);
        std::memcpy(y, b, sizeof y);
        return ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) != 0;
    }
    uint32_t any = 0;
    for (int i = 0; i < n; ++i)
        any |= a[i] ^ b[i];
    return any != 0;
}

// The pixels that differ between two images inside one rectangle, as spans
// of rows. Rows are compared in blocks of kBlock pixels, 64 blocks to a bit
// mask; a span runs over neighbouring blocks that differ and is trimmed to
// the exact pixels at its ends, so a moving sprite's outline is not painted
// as its box.
void findDifferences(const QImage& a, const QImage& b, const QRect& r, std::vector<QRect>& spans)
{
    constexpr int kChunk = 64 * kBlock;
    const int w = r.width();
    const size_t rowBytes = sizeof(QRgb) * size_t(w);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(a.constScanLine(y)) + r.left();
        const auto* d = reinterpret_cast<const QRgb*>(b.constScanLine(y)) + r.left();
        if (std::memcmp(s, d, rowBytes) == 0)
            continue;
        for (int chunk = 0; chunk < w; chunk += kChunk) {
            const int blocks = (std::min(kChunk, w - chunk) + kBlock - 1) / kBlock;
            uint64_t mask = 0;
            for (int i = 0; i < blocks; ++i) {
                const int x = chunk + i * kBlock;
                mask |= uint64_t(differ(s + x, d + x, std::min(kBlock, w - x))) << i;
            }
            while (mask != 0) {  // each run of differing blocks
                const int from = std::countr_zero(mask);
                const uint64_t rest = ~(mask >> from);
                const int run = rest == 0 ? 64 - from : std::countr_zero(rest);
                mask = from + run >= 64 ? 0 : mask & (~uint64_t(0) << (from + run));
                int first = chunk + from * kBlock;
                int last = std::min(w, chunk + (from + run) * kBlock) - 1;
                while (s[first] == d[first])
                    ++first;
                while (s[last] == d[last])
                    --last;
                spans.emplace_back(r.left() + first, y, last + 1 - first, 1);
            }
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
    const auto rowOrder = [](const QRect& a, const QRect& b) {
        return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x();
    };
    if (!std::is_sorted(spans.begin(), spans.end(), rowOrder))
        std::sort(spans.begin(), spans.end(), rowOrder);
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
