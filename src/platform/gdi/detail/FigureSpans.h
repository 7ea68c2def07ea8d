// Rows of filled figures with round corners (ellipses, rounded rectangles, the discs of radio buttons), and
// painting such a figure as an outline in one colour around an interior in a brush.
#pragma once

#include "platform/gdi/PixelWriter.h"

#include <cstdint>

namespace win {

// Pixels [left, right) of one row; empty when left >= right.
struct RowSpan {
    std::int64_t left = 0;
    std::int64_t right = 0;
    bool Empty() const { return left >= right; }
};

// The box [left, right) x [top, bottom) with its corners cut by quarter ellipses of cornerW x cornerH pixels;
// corners as large as the box give an ellipse. A pixel is inside when its centre lies in the continuous
// figure.
class RoundedBox {
public:
    RoundedBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
               std::int64_t cornerW, std::int64_t cornerH);

    std::int64_t Top() const { return m_top; }
    std::int64_t Bottom() const { return m_bottom; }
    RowSpan Row(std::int64_t y) const;

private:
    std::int64_t m_left, m_top, m_right, m_bottom, m_cornerW, m_cornerH;
};

// Paints a figure: its outline, penWidth pixels thick, in penRaw (when withPen), and the rest in the brush.
void PaintFigure(PixelWriter& writer, const RoundedBox& figure, bool withPen, int penWidth,
                 std::uint32_t penRaw, const BrushSampler& brush);

} // namespace win
