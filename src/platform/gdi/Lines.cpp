// The current position and the line calls.
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/detail/PenStroke.h"
#include "platform/system/LastError.h"

#include <vector>

namespace win {

namespace {

// Strokes the path through the points (logical coordinates) with the selected pen; fails, drawing nothing,
// when a point lies beyond the coordinate range.
bool StrokePath(DeviceContext& dc, const std::vector<POINT>& points) {
    std::vector<std::int64_t> xs, ys;
    for (const POINT& p : points) {
        xs.push_back(SurfaceX(dc, p.x));
        ys.push_back(SurfaceY(dc, p.y));
        if (!InCoordRange(xs.back()) || !InCoordRange(ys.back())) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return false;
        }
    }
    PixelWriter writer(dc, dc.state.rop2);
    PenStroker stroker(dc, SelectedPen(dc), writer);
    for (std::size_t i = 1; i < points.size(); ++i) stroker.Segment(xs[i - 1], ys[i - 1], xs[i], ys[i]);
    stroker.Finish();
    return true;
}

} // namespace

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.penPos;
    dc->state.penPos = POINT{x, y};
    return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, POINT* position) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (position) *position = dc->state.penPos;
    return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!StrokePath(*dc, {dc->state.penPos, POINT{x, y}})) return FALSE;
    dc->state.penPos = POINT{x, y};
    return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || count < 2) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return StrokePath(*dc, std::vector<POINT>(points, points + count)) ? TRUE : FALSE;
}

BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!points || count == 0 || count > 0x7FFFFFFF) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::vector<POINT> path{dc->state.penPos};
    path.insert(path.end(), points, points + count);
    if (!StrokePath(*dc, path)) return FALSE;
    dc->state.penPos = path.back();
    return TRUE;
}

} // namespace win
