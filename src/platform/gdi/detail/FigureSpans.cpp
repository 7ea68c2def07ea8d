// Exact ellipse rows in integer arithmetic, and the split of a figure into outline and interior.
#include "platform/gdi/detail/FigureSpans.h"

#include <algorithm>
#include <cmath>

namespace win {

namespace {

__extension__ using Int128 = __int128;

// The pixels of row j (0 <= j < h) of the ellipse inscribed in a w x h box, as box-relative [left, right].
// With X = 2x + 1 - w and Y = 2j + 1 - h (twice the offsets of pixel centres from the centre), pixel x is
// inside when X^2 h^2 + Y^2 w^2 <= w^2 h^2. False for a row without pixels.
bool EllipseRow(std::int64_t w, std::int64_t h, std::int64_t j, std::int64_t& left, std::int64_t& right) {
    const std::int64_t y = 2 * j + 1 - h;
    const Int128 h2 = Int128(h) * h;
    const Int128 q = Int128(w) * w * (h2 - Int128(y) * y); // X^2 h^2 <= q
    if (q < 0) return false;
    auto fits = [&](std::int64_t x) { return Int128(x) * x * h2 <= q; };
    std::int64_t x = static_cast<std::int64_t>(std::sqrt(static_cast<double>(q) / static_cast<double>(h2)));
    while (x > 0 && !fits(x)) --x;
    while (fits(x + 1)) ++x;
    if (((x + w + 1) & 1) != 0) --x; // X has the parity of w + 1
    if (x < 0) return false;
    left = (w - 1 - x) / 2;
    right = (w - 1 + x) / 2;
    return true;
}

} // namespace

RoundedBox::RoundedBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                       std::int64_t cornerW, std::int64_t cornerH)
    : m_left(left), m_top(top), m_right(right), m_bottom(bottom),
      m_cornerW(std::clamp<std::int64_t>(cornerW, 0, std::max<std::int64_t>(right - left, 0))),
      m_cornerH(std::clamp<std::int64_t>(cornerH, 0, std::max<std::int64_t>(bottom - top, 0))) {}

RowSpan RoundedBox::Row(std::int64_t y) const {
    if (y < m_top || y >= m_bottom || m_left >= m_right) return {};
    const std::int64_t half = m_cornerH / 2;
    std::int64_t j = -1; // the row of the corner ellipse, when the row passes through the corners
    if (y - m_top < half)
        j = y - m_top;
    else if (m_bottom - 1 - y < half)
        j = m_cornerH - (m_bottom - y);
    if (j < 0 || m_cornerW < 2) return RowSpan{m_left, m_right};
    std::int64_t l = 0, r = 0;
    if (!EllipseRow(m_cornerW, m_cornerH, j, l, r)) {
        // A corner too narrow to have pixels on this row: a rounded rectangle keeps its straight edge between
        // the corners; an ellipse has nothing here.
        if (m_cornerW >= m_right - m_left) return {};
        l = m_cornerW / 2;
    }
    // The left corner's row starts at l; the right corner mirrors it.
    return RowSpan{m_left + l, m_right - l};
}

void PaintFigure(PixelWriter& writer, const RoundedBox& figure, bool withPen, int penWidth,
                 std::uint32_t penRaw, const BrushSampler& brush) {
    if (!writer.Active()) return;
    const RECT& bounds = writer.Bounds();
    const std::int64_t top = std::max<std::int64_t>(figure.Top(), bounds.top);
    const std::int64_t bottom = std::min<std::int64_t>(figure.Bottom(), bounds.bottom);
    const std::int64_t w = std::clamp(penWidth, 1, 4096);
    for (std::int64_t y = top; y < bottom; ++y) {
        const RowSpan row = figure.Row(y);
        if (row.Empty()) continue;
        if (!withPen) {
            writer.BrushSpan(y, row.left, row.right, brush);
            continue;
        }
        // The interior is what stays after taking away every pixel within w steps (counted along rows and
        // columns) of the outside: for a one-pixel pen, the pixels whose four neighbours are all inside.
        RowSpan inner{row.left + w, row.right - w};
        for (std::int64_t d = 1; d <= w && !inner.Empty(); ++d) {
            for (const std::int64_t yy : {y - d, y + d}) {
                const RowSpan other = figure.Row(yy);
                if (other.Empty()) {
                    inner = {};
                    break;
                }
                inner.left = std::max(inner.left, other.left + (w - d));
                inner.right = std::min(inner.right, other.right - (w - d));
            }
        }
        if (inner.Empty()) {
            writer.Span(y, row.left, row.right, penRaw);
            continue;
        }
        writer.Span(y, row.left, inner.left, penRaw);
        writer.BrushSpan(y, inner.left, inner.right, brush);
        writer.Span(y, inner.right, row.right, penRaw);
    }
}

} // namespace win
