// The classic three-dimensional borders in the current system colours.
#include "platform/gdi/Edges.h"

#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"

namespace win {

namespace {

struct Border {
    bool present = false;
    COLORREF upperLeft = 0;
    COLORREF lowerRight = 0;
};

// The colours of the outer and inner borders: raised borders are lit from the upper left, sunken ones from
// the lower right; BF_SOFT swaps the two lighter shades of a raised edge and the two darker ones of a sunken
// edge.
void BorderColors(UINT edge, UINT flags, Border& outer, Border& inner) {
    const bool soft = flags & BF_SOFT;
    outer.present = edge & BDR_OUTER;
    inner.present = edge & BDR_INNER;
    if (edge & BDR_RAISEDOUTER) {
        outer.upperLeft = GetSysColor(soft ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT);
        outer.lowerRight = GetSysColor(COLOR_3DDKSHADOW);
    } else {
        outer.upperLeft = GetSysColor(soft ? COLOR_3DDKSHADOW : COLOR_BTNSHADOW);
        outer.lowerRight = GetSysColor(COLOR_BTNHIGHLIGHT);
    }
    if (edge & BDR_RAISEDINNER) {
        inner.upperLeft = GetSysColor(soft ? COLOR_3DLIGHT : COLOR_BTNHIGHLIGHT);
        inner.lowerRight = GetSysColor(COLOR_BTNSHADOW);
    } else {
        inner.upperLeft = GetSysColor(soft ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW);
        inner.lowerRight = GetSysColor(COLOR_3DLIGHT);
    }
    if (flags & BF_MONO) {
        outer.upperLeft = outer.lowerRight = GetSysColor(COLOR_WINDOWFRAME);
        inner.upperLeft = inner.lowerRight = GetSysColor(COLOR_WINDOW);
    } else if (flags & BF_FLAT) {
        outer.upperLeft = outer.lowerRight = GetSysColor(COLOR_BTNSHADOW);
        inner.upperLeft = inner.lowerRight = GetSysColor(COLOR_BTNFACE);
    }
}

// One border on the chosen sides of r, which then shrinks by a pixel on each of them.
void DrawBorder(DeviceContext& dc, RECT& r, const Border& border, UINT sides) {
    if (!border.present || RectEmpty(r)) return;
    if (sides & BF_LEFT) FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, border.upperLeft);
    if (sides & BF_TOP) FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, border.upperLeft);
    if (sides & BF_RIGHT) FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, border.lowerRight);
    if (sides & BF_BOTTOM) FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, border.lowerRight);
    if (sides & BF_LEFT) ++r.left;
    if (sides & BF_TOP) ++r.top;
    if (sides & BF_RIGHT) --r.right;
    if (sides & BF_BOTTOM) --r.bottom;
}

} // namespace

BOOL DrawEdge(HDC hdc, RECT* rect, UINT edge, UINT flags) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!rect || (flags & BF_DIAGONAL)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Border outer, inner;
    BorderColors(edge, flags, outer, inner);
    RECT r = *rect;
    DrawBorder(*dc, r, outer, flags & BF_RECT);
    DrawBorder(*dc, r, inner, flags & BF_RECT);
    if ((flags & BF_MIDDLE) && !RectEmpty(r))
        FillSolid(*dc, r, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    if (flags & BF_ADJUST) *rect = r;
    return TRUE;
}

} // namespace win
