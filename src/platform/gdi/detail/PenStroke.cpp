// Line rasterisation: one-pixel lines by exact integer stepping, dash styles, and wide pens as capsules.
#include "platform/gdi/detail/PenStroke.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/detail/ColorRef.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace win {

namespace {

// The dash patterns of one-pixel pens, in pixels: on, off, on, off, ...
std::vector<int> DashesOf(UINT style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE:
        return {1, 1};
    default:
        return {};
    }
}

std::int64_t Abs(std::int64_t v) {
    return v < 0 ? -v : v;
}

} // namespace

PenInfo SelectedPen(const DeviceContext& dc) {
    PenInfo info;
    const PenObject* pen = FindGdi<PenObject>(dc.state.pen);
    if (!pen) pen = FindGdi<PenObject>(GetStockObject(BLACK_PEN));
    if (!pen) return info;
    const UINT style = pen->pen.lopnStyle & PS_STYLE_MASK;
    info.null = style == PS_NULL;
    // Widths beyond any surface change nothing but the cost of the arithmetic.
    info.width = std::clamp<LONG>(pen->pen.lopnWidth.x, 1, 1 << 16);
    info.insideFrame = style == PS_INSIDEFRAME;
    info.color = ResolveColorRef(dc, IsDcPen(*pen) ? dc.state.dcPenColor : pen->pen.lopnColor);
    if (info.width == 1) info.dashes = DashesOf(style);
    return info;
}

PenStroker::PenStroker(const DeviceContext& dc, const PenInfo& pen, PixelWriter& writer)
    : m_writer(writer), m_width(pen.width), m_null(pen.null || !writer.Active()) {
    if (m_null) return;
    m_raw = m_writer.Encode(pen.color);
    for (std::size_t i = 0; i < pen.dashes.size(); ++i)
        m_style.insert(m_style.end(), pen.dashes[i], i % 2 == 0);
    // The gaps of a dashed line show the background colour unless the background mode is TRANSPARENT.
    m_gapsPainted = dc.state.bkMode != TRANSPARENT;
    if (!m_style.empty()) m_gapRaw = m_writer.Encode(ResolveColorRef(dc, dc.state.bkColor));
}

bool PenStroker::StyleOn(std::int64_t step) const {
    if (m_style.empty()) return true;
    return m_style[static_cast<std::size_t>(step % static_cast<std::int64_t>(m_style.size()))];
}

void PenStroker::Segment(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
    if (m_null) return;
    if (m_width > 1)
        m_wide.push_back(Seg{x0, y0, x1, y1});
    else
        ThinSegment(Seg{x0, y0, x1, y1});
}

// Step i of a line lies at major = start + i and minor = start + round(i * dMinor / dMajor), halves rounding
// away from the start. The closed form lets the loop start where the clip begins instead of walking there.
void PenStroker::ThinSegment(const Seg& s) {
    const std::int64_t dx = s.x1 - s.x0, dy = s.y1 - s.y0;
    const bool xMajor = Abs(dx) >= Abs(dy);
    const std::int64_t n = xMajor ? Abs(dx) : Abs(dy);
    const std::int64_t m = xMajor ? Abs(dy) : Abs(dx);
    const std::int64_t major0 = xMajor ? s.x0 : s.y0, minor0 = xMajor ? s.y0 : s.x0;
    const std::int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const RECT& b = m_writer.Bounds();
    const std::int64_t lo = xMajor ? b.left : b.top, hi = xMajor ? b.right : b.bottom;
    // The steps whose major coordinate lies in [lo, hi).
    std::int64_t first = majorStep > 0 ? lo - major0 : major0 - hi + 1;
    std::int64_t last = majorStep > 0 ? hi - major0 : major0 - lo + 1;
    first = std::max<std::int64_t>(first, 0);
    last = std::min(last, n);
    for (std::int64_t i = first; i < last; ++i) {
        const bool on = StyleOn(m_styleStep + i);
        if (!on && !m_gapsPainted) continue;
        const std::int64_t major = major0 + majorStep * i;
        const std::int64_t minor = minor0 + minorStep * ((2 * i * m + n) / (2 * n));
        const std::uint32_t raw = on ? m_raw : m_gapRaw;
        if (xMajor)
            m_writer.Plot(major, minor, raw);
        else
            m_writer.Plot(minor, major, raw);
    }
    m_styleStep += n;
}

// Marks the pixels within half the pen width of a segment: pixel centres are the integer points for odd
// widths and are shifted by half a pixel for even widths, so a width of w covers exactly w rows of a level
// line.
void PenStroker::MarkCapsule(const Seg& s, const RECT& box, std::vector<std::uint8_t>& mask) const {
    const double r = m_width / 2.0;
    const double off = (m_width % 2 == 0) ? 0.5 : 0.0;
    const double ax = static_cast<double>(s.x0), ay = static_cast<double>(s.y0);
    const double bx = static_cast<double>(s.x1), by = static_cast<double>(s.y1);
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy, rl = r * std::sqrt(len2);
    const std::int64_t top = std::max<std::int64_t>(box.top, std::min(s.y0, s.y1) - m_width);
    const std::int64_t bottom = std::min<std::int64_t>(box.bottom, std::max(s.y0, s.y1) + m_width + 1);
    const std::int64_t width = box.right - box.left;
    for (std::int64_t y = top; y < bottom; ++y) {
        const double py = static_cast<double>(y) + off;
        double lo = INFINITY, hi = -INFINITY;
        auto take = [&](double a, double b) {
            if (a < b) lo = std::min(lo, a), hi = std::max(hi, b);
        };
        for (const auto& [cx, cy] : {std::pair{ax, ay}, std::pair{bx, by}}) { // the round ends
            const double h = r * r - (py - cy) * (py - cy);
            if (h > 0) take(cx - std::sqrt(h), cx + std::sqrt(h));
        }
        if (len2 > 0) { // the band between the ends: 0 <= (p - a).d <= len2 and |d x (p - a)| < r |d|
            const double ry = py - ay;
            double l1 = -INFINITY, h1 = INFINITY, l2 = -INFINITY, h2 = INFINITY;
            if (dx != 0) {
                const double u = ax - ry * dy / dx, v = ax + (len2 - ry * dy) / dx;
                l1 = std::min(u, v), h1 = std::max(u, v);
            } else if (ry * dy < 0 || ry * dy > len2) {
                l1 = 1, h1 = 0;
            }
            if (dy != 0) {
                const double u = ax + (dx * ry - rl) / dy, v = ax + (dx * ry + rl) / dy;
                l2 = std::min(u, v), h2 = std::max(u, v);
            } else if (std::abs(dx * ry) >= rl) {
                l2 = 1, h2 = 0;
            }
            take(std::max(l1, l2), std::min(h1, h2));
        }
        if (!(lo < hi)) continue;
        // Pixels x with lo < x + off < hi.
        std::int64_t x0 = static_cast<std::int64_t>(std::floor(lo - off)) + 1;
        std::int64_t x1 = static_cast<std::int64_t>(std::ceil(hi - off));
        x0 = std::max<std::int64_t>(x0, box.left);
        x1 = std::min<std::int64_t>(x1, box.right);
        std::uint8_t* row = mask.data() + (y - box.top) * width;
        for (std::int64_t x = x0; x < x1; ++x) row[x - box.left] = 1;
    }
}

void PenStroker::Finish() {
    if (m_wide.empty()) return;
    const RECT& clip = m_writer.Bounds();
    std::int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
    for (const Seg& s : m_wide) {
        left = std::min({left, s.x0 - m_width, s.x1 - m_width});
        top = std::min({top, s.y0 - m_width, s.y1 - m_width});
        right = std::max({right, s.x0 + m_width + 1, s.x1 + m_width + 1});
        bottom = std::max({bottom, s.y0 + m_width + 1, s.y1 + m_width + 1});
    }
    const RECT box{static_cast<LONG>(std::max<std::int64_t>(left, clip.left)),
                   static_cast<LONG>(std::max<std::int64_t>(top, clip.top)),
                   static_cast<LONG>(std::min<std::int64_t>(right, clip.right)),
                   static_cast<LONG>(std::min<std::int64_t>(bottom, clip.bottom))};
    std::vector<Seg> segments;
    segments.swap(m_wide);
    if (RectEmpty(box)) return;
    const std::int64_t w = box.right - box.left;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(w * (box.bottom - box.top)), 0);
    for (const Seg& s : segments) MarkCapsule(s, box, mask);
    for (LONG y = box.top; y < box.bottom; ++y) {
        const std::uint8_t* row = mask.data() + (y - box.top) * w;
        for (std::int64_t x = 0; x < w;) {
            if (!row[x]) {
                ++x;
                continue;
            }
            std::int64_t end = x;
            while (end < w && row[end]) ++end;
            m_writer.Span(y, box.left + x, box.left + end, m_raw);
            x = end;
        }
    }
}

} // namespace win
