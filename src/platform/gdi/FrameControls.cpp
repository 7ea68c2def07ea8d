// Classic push buttons, check boxes and radio buttons drawn from the system colours.
#include "platform/gdi/FrameControls.h"

#include "platform/gdi/Edges.h"
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/FigureSpans.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

// A square glyph cell: side pixels from the logical point (left, top).
struct Cell {
    LONG left = 0, top = 0;
    LONG side = 0;
};

Cell CenteredSquare(const RECT& r) {
    const std::int64_t w = std::int64_t(r.right) - r.left, h = std::int64_t(r.bottom) - r.top;
    const std::int64_t side = std::max<std::int64_t>(0, std::min(w, h));
    return Cell{static_cast<LONG>(r.left + (w - side) / 2), static_cast<LONG>(r.top + (h - side) / 2),
                static_cast<LONG>(side)};
}

void Plot(DeviceContext& dc, PixelWriter& writer, const Cell& cell, LONG x, LONG y, COLORREF color) {
    writer.Plot(SurfaceX(dc, cell.left) + x, SurfaceY(dc, cell.top) + y, writer.Encode(color));
}

bool InDisc(LONG size, LONG offset, LONG x, LONG y) {
    if (size <= 0) return false;
    const RowSpan row = RoundedBox(offset, offset, offset + size, offset + size, size, size).Row(y);
    return x >= row.left && x < row.right;
}

// The interior colour of check boxes and radio buttons: the window colour, button face when pressed or off.
COLORREF FaceColor(UINT state) {
    return GetSysColor((state & (DFCS_PUSHED | DFCS_INACTIVE)) ? COLOR_BTNFACE : COLOR_WINDOW);
}

COLORREF MarkColor(UINT state) {
    return GetSysColor((state & DFCS_INACTIVE) ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
}

// Rings of a sunken glyph: the outer ring in shadow and highlight, the inner one in dark shadow and light,
// each split along the diagonal from the lower left to the upper right; flat and mono glyphs have one plain
// ring.
COLORREF RingColor(UINT state, bool outer, bool upperLeft) {
    if (state & DFCS_MONO) return outer ? GetSysColor(COLOR_WINDOWFRAME) : FaceColor(state);
    if (state & DFCS_FLAT) return outer ? GetSysColor(COLOR_BTNSHADOW) : FaceColor(state);
    if (outer) return GetSysColor(upperLeft ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    return GetSysColor(upperLeft ? COLOR_3DDKSHADOW : COLOR_3DLIGHT);
}

void DrawRadio(DeviceContext& dc, const Cell& cell, UINT state) {
    PixelWriter writer(dc, R2_COPYPEN);
    if (!writer.Active()) return;
    const LONG n = cell.side;
    // The dot is about a third of the glyph, with the glyph's parity so that it sits exactly in the middle.
    LONG dot = n / 3;
    if ((n - dot) % 2) ++dot;
    const bool mask = (state & 0x1F) == DFCS_BUTTONRADIOMASK;
    // Only the part of the cell inside the clip's bounds is visited.
    const std::int64_t sx = SurfaceX(dc, cell.left), sy = SurfaceY(dc, cell.top);
    const RECT& b = writer.Bounds();
    const LONG x0 = static_cast<LONG>(std::clamp<std::int64_t>(b.left - sx, 0, n));
    const LONG x1 = static_cast<LONG>(std::clamp<std::int64_t>(b.right - sx, 0, n));
    const LONG y0 = static_cast<LONG>(std::clamp<std::int64_t>(b.top - sy, 0, n));
    const LONG y1 = static_cast<LONG>(std::clamp<std::int64_t>(b.bottom - sy, 0, n));
    for (LONG y = y0; y < y1; ++y) {
        for (LONG x = x0; x < x1; ++x) {
            const bool upperLeft = x + y < n - 1;
            if (mask) {
                Plot(dc, writer, cell, x, y, InDisc(n, 0, x, y) ? RGB(0, 0, 0) : RGB(255, 255, 255));
            } else if (!InDisc(n, 0, x, y)) {
                continue;
            } else if (!InDisc(n - 2, 1, x, y)) {
                Plot(dc, writer, cell, x, y, RingColor(state, true, upperLeft));
            } else if (!InDisc(n - 4, 2, x, y)) {
                Plot(dc, writer, cell, x, y, RingColor(state, false, upperLeft));
            } else {
                const bool onDot = (state & DFCS_CHECKED) && InDisc(dot, (n - dot) / 2, x, y);
                Plot(dc, writer, cell, x, y, onDot ? MarkColor(state) : FaceColor(state));
            }
        }
    }
}

void DrawCheckBox(DeviceContext& dc, const Cell& cell, UINT state) {
    const LONG n = cell.side;
    if (n <= 0) return;
    RECT r{cell.left, cell.top, cell.left + n, cell.top + n};
    auto ring = [&](bool outer) {
        FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, RingColor(state, outer, true));
        FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, RingColor(state, outer, true));
        FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, RingColor(state, outer, false));
        FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, RingColor(state, outer, false));
        r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    };
    ring(true);
    ring(false);
    if (RectEmpty(r)) return;
    FillSolid(dc, r, FaceColor(state));
    if (!(state & DFCS_CHECKED) || n < 7) return;
    // The tick: seven columns three pixels high, down to the third column and up to the seventh.
    static constexpr int kTickTop[7] = {2, 3, 4, 3, 2, 1, 0};
    const COLORREF color =
        (state & 0x1F) == DFCS_BUTTON3STATE ? GetSysColor(COLOR_BTNSHADOW) : MarkColor(state);
    const LONG ox = cell.left + (n - 7) / 2, oy = cell.top + (n - 7) / 2;
    for (LONG x = 0; x < 7; ++x) {
        const RECT column{ox + x, oy + kTickTop[x], ox + x + 1, oy + kTickTop[x] + 3};
        const RECT inside = RectIntersection(column, r);
        if (!RectEmpty(inside)) FillSolid(dc, inside, color);
    }
}

// The frame of a pressed button: a dark ring around a shadow ring (one plain ring when flat or mono), then
// the face.
void DrawPressedButton(DeviceContext& dc, RECT& r, UINT state) {
    auto ring = [&](COLORREF color) {
        if (RectEmpty(r)) return;
        FillSolid(dc, RECT{r.left, r.top, r.right, r.top + 1}, color);
        FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, color);
        FillSolid(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, color);
        FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, color);
        r = RECT{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    };
    if (state & DFCS_MONO) {
        ring(GetSysColor(COLOR_WINDOWFRAME));
    } else if (state & DFCS_FLAT) {
        ring(GetSysColor(COLOR_BTNSHADOW));
    } else {
        ring(GetSysColor(COLOR_3DDKSHADOW));
        ring(GetSysColor(COLOR_BTNSHADOW));
    }
    if (!RectEmpty(r)) FillSolid(dc, r, GetSysColor(COLOR_BTNFACE));
}

BOOL DrawPushButton(HDC hdc, DeviceContext& dc, RECT* rect, UINT state) {
    RECT r = *rect;
    if (state & (DFCS_PUSHED | DFCS_CHECKED)) {
        DrawPressedButton(dc, r, state);
    } else {
        UINT flags = BF_RECT | BF_MIDDLE | BF_ADJUST | BF_SOFT;
        if (state & DFCS_MONO)
            flags |= BF_MONO;
        else if (state & DFCS_FLAT)
            flags |= BF_FLAT;
        DrawEdge(hdc, &r, EDGE_RAISED, flags);
    }
    if (state & DFCS_ADJUSTRECT) *rect = r;
    return TRUE;
}

} // namespace

BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!rect || type != DFC_BUTTON) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (rect->right <= rect->left || rect->bottom <= rect->top) return TRUE;
    switch (state & 0x1F) {
    case DFCS_BUTTONPUSH:
        return DrawPushButton(hdc, *dc, rect, state);
    case DFCS_BUTTONRADIO:
    case DFCS_BUTTONRADIOIMAGE:
    case DFCS_BUTTONRADIOMASK:
        DrawRadio(*dc, CenteredSquare(*rect), state);
        return TRUE;
    case DFCS_BUTTONCHECK:
    case DFCS_BUTTON3STATE:
        DrawCheckBox(*dc, CenteredSquare(*rect), state);
        return TRUE;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

} // namespace win
