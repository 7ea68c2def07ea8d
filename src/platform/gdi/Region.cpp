// Region arithmetic on disjoint rectangles. Regions here are small (a few dozen rectangles at most: clip and
// update areas of one window), so plain list operations are fast enough and easy to trust.
#include "platform/gdi/Region.h"

#include <algorithm>

namespace win {

RECT Region::Bounds() const {
    if (m_rects.empty()) return RECT{};
    RECT b = m_rects.front();
    for (const RECT& r : m_rects) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

bool Region::Contains(LONG x, LONG y) const {
    for (const RECT& r : m_rects)
        if (RectContains(r, x, y)) return true;
    return false;
}

bool Region::Intersects(const RECT& rect) const {
    for (const RECT& r : m_rects)
        if (!RectEmpty(RectIntersection(r, rect))) return true;
    return false;
}

void Region::IntersectRect(const RECT& clip) {
    std::vector<RECT> out;
    out.reserve(m_rects.size());
    for (const RECT& r : m_rects) {
        RECT i = RectIntersection(r, clip);
        if (!RectEmpty(i)) out.push_back(i);
    }
    m_rects.swap(out);
}

namespace {
// Appends the parts of r outside hole: up to four bands (above, below, left, right).
void AppendDifference(const RECT& r, const RECT& hole, std::vector<RECT>& out) {
    RECT i = RectIntersection(r, hole);
    if (RectEmpty(i)) {
        out.push_back(r);
        return;
    }
    if (r.top < i.top) out.push_back(RECT{r.left, r.top, r.right, i.top});
    if (i.bottom < r.bottom) out.push_back(RECT{r.left, i.bottom, r.right, r.bottom});
    if (r.left < i.left) out.push_back(RECT{r.left, i.top, i.left, i.bottom});
    if (i.right < r.right) out.push_back(RECT{i.right, i.top, r.right, i.bottom});
}
} // namespace

void Region::SubtractRect(const RECT& hole) {
    if (RectEmpty(hole)) return;
    std::vector<RECT> out;
    out.reserve(m_rects.size() + 4);
    for (const RECT& r : m_rects) AppendDifference(r, hole, out);
    m_rects.swap(out);
}

void Region::UnionRect(const RECT& add) {
    if (RectEmpty(add)) return;
    // Keep the rectangles disjoint: add only the parts of the new one that no existing rectangle covers.
    std::vector<RECT> pieces{add};
    for (const RECT& r : m_rects) {
        std::vector<RECT> next;
        for (const RECT& p : pieces) AppendDifference(p, r, next);
        pieces.swap(next);
        if (pieces.empty()) return;
    }
    m_rects.insert(m_rects.end(), pieces.begin(), pieces.end());
}

void Region::Intersect(const Region& other) {
    std::vector<RECT> out;
    for (const RECT& a : m_rects)
        for (const RECT& b : other.m_rects) {
            RECT i = RectIntersection(a, b);
            if (!RectEmpty(i)) out.push_back(i);
        }
    m_rects.swap(out);
}

void Region::Subtract(const Region& other) {
    for (const RECT& r : other.m_rects) SubtractRect(r);
}

void Region::Union(const Region& other) {
    for (const RECT& r : other.m_rects) UnionRect(r);
}

void Region::Offset(LONG dx, LONG dy) {
    for (RECT& r : m_rects) r = RectOffset(r, dx, dy);
}

bool operator==(const Region& a, const Region& b) {
    // Same pixel set: each covers the other.
    Region d = a;
    d.Subtract(b);
    if (!d.Empty()) return false;
    Region e = b;
    e.Subtract(a);
    return e.Empty();
}

} // namespace win
