// Polygon filling by scanlines (alternate and winding rules) and the fill mode.
#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/detail/PenStroke.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {

struct Edge {
    std::int64_t x0, y0, x1, y1; // y0 < y1
    int direction;               // +1 downwards in the polygon's order, -1 upwards
};

struct Crossing {
    std::int64_t x;
    int direction;
};

std::int64_t CeilDiv(std::int64_t num, std::int64_t den) { // den > 0
    const std::int64_t q = num / den;
    return (num % den != 0 && num > 0) ? q + 1 : q;
}

// Fills the rows of the polygon: row y meets the edges with y0 <= y < y1, and the pixels from one crossing
// (rounded up) to the next (rounded up, exclusive) are inside, as the fill rule decides.
void FillPolygon(PixelWriter& writer, const std::vector<Edge>& edges, int mode, const BrushSampler& brush) {
    if (edges.empty() || !brush.Paints() || !writer.Active()) return;
    std::int64_t top = edges.front().y0, bottom = edges.front().y1;
    for (const Edge& e : edges) top = std::min(top, e.y0), bottom = std::max(bottom, e.y1);
    top = std::max<std::int64_t>(top, writer.Bounds().top);
    bottom = std::min<std::int64_t>(bottom, writer.Bounds().bottom);
    std::vector<Crossing> crossings;
    for (std::int64_t y = top; y < bottom; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            if (y < e.y0 || y >= e.y1) continue;
            const std::int64_t dy = e.y1 - e.y0;
            crossings.push_back(Crossing{CeilDiv(e.x0 * dy + (y - e.y0) * (e.x1 - e.x0), dy), e.direction});
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += mode == WINDING ? crossings[i].direction : 1;
            const bool inside = mode == WINDING ? winding != 0 : (winding % 2) != 0;
            if (inside) writer.BrushSpan(y, crossings[i].x, crossings[i + 1].x, brush);
        }
    }
}

} // namespace

int SetPolyFillMode(HDC hdc, int mode) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (mode != ALTERNATE && mode != WINDING) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const int old = dc->state.polyFillMode;
    dc->state.polyFillMode = mode;
    return old;
}

BOOL Polygon(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!points || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const std::size_t n = static_cast<std::size_t>(count);
    std::vector<std::int64_t> xs(n), ys(n);
    for (std::size_t i = 0; i < n; ++i) {
        xs[i] = SurfaceX(*dc, points[i].x);
        ys[i] = SurfaceY(*dc, points[i].y);
        if (!InCoordRange(xs[i]) || !InCoordRange(ys[i])) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
    }
    std::vector<Edge> edges;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        if (ys[i] < ys[j])
            edges.push_back(Edge{xs[i], ys[i], xs[j], ys[j], 1});
        else if (ys[i] > ys[j])
            edges.push_back(Edge{xs[j], ys[j], xs[i], ys[i], -1});
    }
    PixelWriter writer(*dc, dc->state.rop2);
    FillPolygon(writer, edges, dc->state.polyFillMode, BrushSampler(*dc, SelectedBrush(*dc)));
    PenStroker stroker(*dc, SelectedPen(*dc), writer);
    for (std::size_t i = 0; i < n; ++i) stroker.Segment(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n]);
    stroker.Finish();
    return TRUE;
}

} // namespace win
