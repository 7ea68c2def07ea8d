// A set of pixels held as disjoint rectangles: clip regions, update regions and visible regions.
#pragma once

#include "platform/win/types.h"

#include <vector>

namespace win {

// Helpers on rectangles (right and bottom exclusive, as everywhere on the platform).
inline bool RectEmpty(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
inline RECT RectIntersection(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (RectEmpty(r)) return RECT{};
    return r;
}
inline RECT RectOffset(const RECT& r, LONG dx, LONG dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline bool RectContains(const RECT& r, LONG x, LONG y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

class Region {
public:
    Region() = default;
    explicit Region(const RECT& r) {
        if (!RectEmpty(r)) m_rects.push_back(r);
    }

    bool Empty() const { return m_rects.empty(); }
    const std::vector<RECT>& Rects() const { return m_rects; }
    bool IsSingleRect() const { return m_rects.size() == 1; }
    RECT Bounds() const;
    bool Contains(LONG x, LONG y) const;
    bool Intersects(const RECT& r) const;

    void Clear() { m_rects.clear(); }
    void IntersectRect(const RECT& r);
    void SubtractRect(const RECT& r);
    void UnionRect(const RECT& r);
    void Intersect(const Region& other);
    void Subtract(const Region& other);
    void Union(const Region& other);
    void Offset(LONG dx, LONG dy);

    friend bool operator==(const Region& a, const Region& b);

private:
    std::vector<RECT> m_rects; // pairwise disjoint, none empty
};

} // namespace win
