// Nested three-dimensional frames.
#include "framework/graphics/Frame3D.h"

#include "framework/graphics/Canvas.h"

#include <array>

namespace gl {

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width) {
    canvas.Pen().SetWidth(1);
    for (int i = 0; i < width && rect.right - rect.left > 0 && rect.bottom - rect.top > 0; ++i) {
        const int right = rect.right - 1, bottom = rect.bottom - 1;
        canvas.Pen().SetColor(topColor);
        const std::array<TPoint, 3> top{TPoint{rect.left, bottom}, TPoint{rect.left, rect.top},
                                        TPoint{right, rect.top}};
        canvas.Polyline(top);
        canvas.Pen().SetColor(bottomColor);
        const std::array<TPoint, 3> low{TPoint{right, rect.top}, TPoint{right, bottom},
                                        TPoint{rect.left - 1, bottom}};
        canvas.Polyline(low);
        InflateRect(rect, -1);
    }
}

} // namespace gl
