// Small helpers the standard controls share: rectangles, the height of a font, the colours a parent gives a
// control (WM_CTLCOLOR*), the classic drop-down arrow and text drawing in a rectangle.
#pragma once

#include "platform/user/Windows.h"
#include "platform/win/types.h"

#include <string_view>

namespace win::controls {

inline bool Contains(const RECT& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}
inline bool IsEmptyRect(const RECT& r) {
    return r.right <= r.left || r.bottom <= r.top;
}
inline RECT Inflated(RECT r, int dx, int dy) {
    return RECT{r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}
inline RECT Offset(RECT r, int dx, int dy) {
    return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
inline RECT Intersection(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    return IsEmptyRect(r) ? RECT{} : r;
}
inline POINT PointOf(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}
inline RECT ClientRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

// The font a control draws with: its WM_SETFONT font, or the system font.
HFONT FontOrSystem(HFONT font);
// The cell height (tmHeight) and average character width of a font.
int FontHeight(HFONT font);

// Asks the window a control reports to for its colours (WM_CTLCOLOR*, the parent answering with a brush and
// setting the context's colours); when it gives no valid brush, the context gets the default text and back
// colours and the default brush is returned.
HBRUSH ControlColors(HWND reportTo, HWND control, UINT ctlColorMessage, HDC hdc, int defaultBack,
                     int defaultText);

// Fills a rectangle with a system colour.
void FillSysColor(HDC hdc, const RECT& r, int colorIndex);
void FillColor(HDC hdc, const RECT& r, COLORREF color);

// The classic down-pointing arrow of drop-down buttons: a filled triangle 7 pixels wide and 4 high centred in
// the rectangle (moved by (dx, dy)).
void DrawDownArrow(HDC hdc, const RECT& r, COLORREF color, int dx = 0, int dy = 0);
// The drop-down button of a combo box in the classic look: a raised button face, flat and shadowed while
// pressed, with the arrow (grey when disabled).
void DrawComboButton(HDC hdc, const RECT& r, bool pressed, bool enabled);

// Text drawn with DrawText in the current font of the context, transparent background.
void DrawTextIn(HDC hdc, std::string_view text, RECT r, UINT format, COLORREF color);

} // namespace win::controls
