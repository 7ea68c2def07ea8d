// Rectangles, ellipses and rounded rectangles: the pen's outline inside the bounding box, the brush inside
// it.
#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/detail/FigureSpans.h"
#include "platform/gdi/detail/PenStroke.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <utility>

namespace win {

namespace {

struct Box {
    std::int64_t left, top, right, bottom;
};

// The bounding box in surface coordinates, ordered; false (with the error set) when out of range.
bool MapBox(const DeviceContext& dc, int left, int top, int right, int bottom, Box& box) {
    box = Box{SurfaceX(dc, left), SurfaceY(dc, top), SurfaceX(dc, right), SurfaceY(dc, bottom)};
    if (box.left > box.right) std::swap(box.left, box.right);
    if (box.top > box.bottom) std::swap(box.top, box.bottom);
    if (!InCoordRange(box.left) || !InCoordRange(box.top) || !InCoordRange(box.right) ||
        !InCoordRange(box.bottom)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}

void FillBox(PixelWriter& writer, const Box& b, const BrushSampler& brush) {
    const std::int64_t top = std::max<std::int64_t>(b.top, writer.Bounds().top);
    const std::int64_t bottom = std::min<std::int64_t>(b.bottom, writer.Bounds().bottom);
    for (std::int64_t y = top; y < bottom; ++y) writer.BrushSpan(y, b.left, b.right, brush);
}

// A wide pen's frame: the band between the outer and inner boxes.
void FrameBand(PixelWriter& writer, const Box& outer, const Box& inner, std::uint32_t raw) {
    const std::int64_t top = std::max<std::int64_t>(outer.top, writer.Bounds().top);
    const std::int64_t bottom = std::min<std::int64_t>(outer.bottom, writer.Bounds().bottom);
    const bool hollow = inner.left < inner.right && inner.top < inner.bottom;
    for (std::int64_t y = top; y < bottom; ++y) {
        if (hollow && y >= inner.top && y < inner.bottom) {
            writer.Span(y, outer.left, inner.left, raw);
            writer.Span(y, inner.right, outer.right, raw);
        } else {
            writer.Span(y, outer.left, outer.right, raw);
        }
    }
}

// Grows a box so that a pen of width w, centred on the one-pixel outline, stays inside the grown box.
Box Centred(const Box& b, int w) {
    return Box{b.left - (w - 1) / 2, b.top - (w - 1) / 2, b.right + w / 2, b.bottom + w / 2};
}

// What a figure is drawn with: its context, its ordered box in surface coordinates, the pen, the writer and
// the brush.
struct Figure {
    DeviceContext& dc;
    Box box;
    PenInfo pen;
    PixelWriter& writer;
    const BrushSampler& brush;
};

// The steps every figure shares before drawing; `draw(figure)` runs only when there is something to draw.
template <class Draw> BOOL DrawFigure(HDC hdc, int left, int top, int right, int bottom, Draw draw) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    Box b{};
    if (!MapBox(*dc, left, top, right, bottom, b)) return FALSE;
    if (b.left == b.right || b.top == b.bottom) return TRUE;
    const PenInfo pen = SelectedPen(*dc);
    PixelWriter writer(*dc, dc->state.rop2);
    if (!writer.Active()) return TRUE;
    const BrushSampler brush(*dc, SelectedBrush(*dc));
    draw(Figure{*dc, b, pen, writer, brush});
    return TRUE;
}

void DrawRoundedFigure(const Figure& f, int cornerW, int cornerH, bool ellipse) {
    const PenInfo& pen = f.pen;
    Box b = f.box;
    std::int64_t cw = cornerW < 0 ? -std::int64_t(cornerW) : cornerW;
    std::int64_t ch = cornerH < 0 ? -std::int64_t(cornerH) : cornerH;
    if (pen.null) {
        b.right -= 1;
        b.bottom -= 1;
    } else if (pen.width > 1 && !pen.insideFrame) {
        b = Centred(b, pen.width);
        cw += pen.width - 1;
        ch += pen.width - 1;
    }
    if (ellipse) {
        cw = b.right - b.left;
        ch = b.bottom - b.top;
    }
    PaintFigure(f.writer, RoundedBox(b.left, b.top, b.right, b.bottom, cw, ch), !pen.null, pen.width,
                pen.null ? 0 : f.writer.Encode(pen.color), f.brush);
}

// A figure with square corners: the brush inside, the pen's frame round it.
void DrawRectangle(const Figure& f) {
    const PenInfo& pen = f.pen;
    const Box& b = f.box;
    if (pen.null) {
        FillBox(f.writer, Box{b.left, b.top, b.right - 1, b.bottom - 1}, f.brush);
        return;
    }
    if (pen.width == 1) {
        // The outline is the closed path through the corner pixels, so dash styles run round the figure.
        FillBox(f.writer, Box{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}, f.brush);
        PenStroker stroker(f.dc, pen, f.writer);
        const std::int64_t r = b.right - 1, d = b.bottom - 1;
        stroker.Segment(b.left, b.top, r, b.top);
        stroker.Segment(r, b.top, r, d);
        stroker.Segment(r, d, b.left, d);
        stroker.Segment(b.left, d, b.left, b.top);
        return;
    }
    const Box outer = pen.insideFrame ? b : Centred(b, pen.width);
    const Box inner{outer.left + pen.width, outer.top + pen.width, outer.right - pen.width,
                    outer.bottom - pen.width};
    if (inner.left < inner.right && inner.top < inner.bottom) FillBox(f.writer, inner, f.brush);
    FrameBand(f.writer, outer, inner, f.writer.Encode(pen.color));
}

} // namespace

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
    return DrawFigure(hdc, left, top, right, bottom, DrawRectangle);
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) {
    return DrawFigure(hdc, left, top, right, bottom,
                      [](const Figure& f) { DrawRoundedFigure(f, 0, 0, true); });
}

BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
    return DrawFigure(hdc, left, top, right, bottom,
                      [=](const Figure& f) { DrawRoundedFigure(f, width, height, false); });
}

} // namespace win
