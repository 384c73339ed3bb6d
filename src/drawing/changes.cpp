#include "drawing/changes.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace hovla {

namespace {

constexpr int kBlock = 16;

// One bit for each block of kBlock pixels (the last may be short) where the
// rows at a and b differ; 64 blocks at most. Whole blocks are compared in
// wide words where the processor has them.
uint64_t differingBlocks(const QRgb* a, const QRgb* b, int pixels)
{
    uint64_t mask = 0;
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; (i + 1) * kBlock <= pixels; ++i) {
        const auto* p = reinterpret_cast<const __m128i*>(a + i * kBlock);
        const auto* q = reinterpret_cast<const __m128i*>(b + i * kBlock);
        __m128i x = zero;
        for (int k = 0; k < kBlock / 4; ++k)
            x = _mm_or_si128(x, _mm_xor_si128(_mm_loadu_si128(p + k), _mm_loadu_si128(q + k)));
        mask |= uint64_t(_mm_movemask_epi8(_mm_cmpeq_epi8(x, zero)) != 0xFFFF) << i;
    }
#endif
    for (; i * kBlock < pixels; ++i) {
        uint32_t any = 0;
        for (int x = i * kBlock; x < std::min(pixels, (i + 1) * kBlock); ++x)
            any |= a[x] ^ b[x];
        mask |= uint64_t(any != 0) << i;
    }
    return mask;
}

// Changed pixels close together on a row are sent together.
constexpr int kJoin = 16;

// Pixels of one row that differed, in [left, right], `changed` of them.
struct Span {
    int y, left, right;
    long long changed;
};

// Copies one rectangle of `from` into `to` where they differ, and notes the
// pixels that differed as spans of rows. Rows are compared in blocks of
// kBlock pixels, 64 blocks to a bit mask; a run of neighbouring blocks that
// differ is trimmed to the exact pixels at its ends, so a moving sprite's
// outline is not painted as its box, and joins the span before it when it
// starts close after it. A row is read twice at most, and written only
// over its spans, while it is still in the cache.
void copyDifferences(const QImage& from, QImage& to, const QRect& r, std::vector<Span>& spans)
{
    constexpr int kChunk = 64 * kBlock;
    const int w = r.width();
    const size_t rowBytes = sizeof(QRgb) * size_t(w);
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(from.constScanLine(y)) + r.left();
        auto* d = reinterpret_cast<QRgb*>(to.scanLine(y)) + r.left();
        if (std::memcmp(s, d, rowBytes) == 0)
            continue;
        const size_t rowStart = spans.size();
        for (int chunk = 0; chunk < w; chunk += kChunk) {
            uint64_t mask = differingBlocks(s + chunk, d + chunk, std::min(kChunk, w - chunk));
            while (mask != 0) {  // each run of differing blocks
                const int first = std::countr_zero(mask);
                const uint64_t rest = ~(mask >> first);
                const int run = rest == 0 ? 64 - first : std::countr_zero(rest);
                mask = first + run >= 64 ? 0 : mask & (~uint64_t(0) << (first + run));
                int left = chunk + first * kBlock;
                int right = std::min(w, chunk + (first + run) * kBlock) - 1;
                while (s[left] == d[left])
                    ++left;
                while (s[right] == d[right])
                    --right;
                const int x0 = r.left() + left, x1 = r.left() + right;
                if (spans.size() > rowStart && x0 - spans.back().right <= kJoin) {
                    spans.back().right = x1;
                    spans.back().changed += right + 1 - left;
                } else {
                    spans.push_back({y, x0, x1, right + 1 - left});
                }
            }
        }
        for (size_t i = rowStart; i < spans.size(); ++i)
            std::memcpy(d + (spans[i].left - r.left()), s + (spans[i].left - r.left()),
                        sizeof(QRgb) * size_t(spans[i].right + 1 - spans[i].left));
    }
}

// The rectangles as one region, joined pairwise: adding them one by one to
// a region of hundreds costs the square of their number.
QRegion unionOf(const std::vector<QRect>& rects)
{
    std::vector<QRegion> level(rects.begin(), rects.end());
    while (level.size() > 1) {
        for (size_t i = 0; i < level.size() / 2; ++i)
            level[i] = level[2 * i].united(level[2 * i + 1]);
        const size_t joined = level.size() / 2;
        if (level.size() % 2 != 0)
            level[joined] = std::move(level.back());
        level.resize(joined + level.size() % 2);
    }
    return level.empty() ? QRegion() : std::move(level.front());
}

// What to paint for row spans: a span joins the rectangle growing down over
// it from the row above while that stays within kSlack of the pixels that
// changed, so the window is sent a few rectangles rather than one per row
// and sprite.
QRegion paintAreaOf(std::vector<Span>& spans)
{
    constexpr double kSlack = 1.15;
    struct Band {
        QRect rect;
        long long changed;  // pixels that differ inside it
    };
    const auto rowOrder = [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.left < b.left; };
    if (!std::is_sorted(spans.begin(), spans.end(), rowOrder))
        std::sort(spans.begin(), spans.end(), rowOrder);
    std::vector<QRect> closed;
    std::vector<Band> growing, next, pieces;
    auto close = [&](const std::vector<Band>& bands) {
        for (const Band& b : bands)
            closed.push_back(b.rect);
    };
    for (size_t i = 0; i < spans.size();) {
        const int y = spans[i].y;
        if (!growing.empty() && growing.front().rect.bottom() + 1 != y) {
            close(growing);
            growing.clear();
        }
        // The row's pieces: spans a short gap apart go together.
        pieces.clear();
        for (; i < spans.size() && spans[i].y == y; ++i) {
            if (!pieces.empty() && spans[i].left - pieces.back().rect.right() <= kJoin) {
                pieces.back().rect.setRight(spans[i].right);
                pieces.back().changed += spans[i].changed;
            } else {
                pieces.push_back({QRect(QPoint(spans[i].left, y), QPoint(spans[i].right, y)), spans[i].changed});
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
    return unionOf(closed);
}

} // namespace

QRegion copyChanges(const QImage& from, QImage& to, const QRegion& area)
{
    std::vector<Span> spans;
    for (const QRect& r : area.intersected(from.rect()).intersected(to.rect()))
        copyDifferences(from, to, r, spans);
    return paintAreaOf(spans);
}

} // namespace hovla
