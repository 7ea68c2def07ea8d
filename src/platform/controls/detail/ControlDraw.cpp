// Drawing helpers shared by the standard controls: font measures, parent colours, arrows and the combo
// button.
#include "platform/controls/detail/ControlDraw.h"

#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/MessageLoop.h"
#include "platform/win/gdi_types.h"

namespace win::controls {

HFONT FontOrSystem(HFONT font) {
    if (font && GetObjectType(font) == OBJ_FONT) return font;
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

namespace {

TEXTMETRIC MetricsOf(HFONT font) {
    TEXTMETRIC tm{};
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return tm;
    HGDIOBJ old = SelectObject(dc, FontOrSystem(font));
    GetTextMetrics(dc, &tm);
    SelectObject(dc, old);
    DeleteDC(dc);
    return tm;
}

} // namespace

int FontHeight(HFONT font) {
    const int h = MetricsOf(font).tmHeight;
    return h > 0 ? h : 16;
}

HBRUSH ControlColors(HWND reportTo, HWND control, UINT ctlColorMessage, HDC hdc, int defaultBack,
                     int defaultText) {
    SetTextColor(hdc, GetSysColor(defaultText));
    SetBkColor(hdc, GetSysColor(defaultBack));
    if (reportTo) {
        const LRESULT r = SendMessage(reportTo, ctlColorMessage, reinterpret_cast<WPARAM>(hdc),
                                      reinterpret_cast<LPARAM>(control));
        auto* brush = reinterpret_cast<HBRUSH>(r);
        if (brush && GetObjectType(brush) == OBJ_BRUSH) return brush;
        SetTextColor(hdc, GetSysColor(defaultText));
        SetBkColor(hdc, GetSysColor(defaultBack));
    }
    return GetSysColorBrush(defaultBack);
}

void FillColor(HDC hdc, const RECT& r, COLORREF color) {
    if (IsEmptyRect(r)) return;
    HBRUSH brush = CreateSolidBrush(color);
    if (!brush) return;
    FillRect(hdc, &r, brush);
    DeleteObject(brush);
}

void FillSysColor(HDC hdc, const RECT& r, int colorIndex) {
    if (!IsEmptyRect(r)) FillRect(hdc, &r, GetSysColorBrush(colorIndex));
}

void DrawDownArrow(HDC hdc, const RECT& r, COLORREF color, int dx, int dy) {
    // Rows of 7, 5, 3 and 1 pixels: filled row by row so that the shape is exact at every size.
    constexpr int kWidth = 7;
    constexpr int kHeight = 4;
    const int left = r.left + (r.right - r.left - kWidth) / 2 + dx;
    const int top = r.top + (r.bottom - r.top - kHeight) / 2 + dy;
    for (int row = 0; row < kHeight; ++row) {
        const RECT line{left + row, top + row, left + kWidth - row, top + row + 1};
        FillColor(hdc, line, color);
    }
}

void DrawComboButton(HDC hdc, const RECT& r, bool pressed, bool enabled) {
    RECT face = r;
    if (pressed) {
        // A pressed scroll-bar style button: one shadow line round a flat face.
        HBRUSH shadow = GetSysColorBrush(COLOR_BTNSHADOW);
        FrameRect(hdc, &face, shadow);
        face = Inflated(face, -1, -1);
        FillSysColor(hdc, face, COLOR_BTNFACE);
    } else {
        DrawEdge(hdc, &face, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    const int shift = pressed ? 1 : 0;
    if (enabled) {
        DrawDownArrow(hdc, r, GetSysColor(COLOR_BTNTEXT), shift, shift);
    } else {
        DrawDownArrow(hdc, r, GetSysColor(COLOR_BTNHIGHLIGHT), 1, 1);
        DrawDownArrow(hdc, r, GetSysColor(COLOR_BTNSHADOW));
    }
}

void DrawTextIn(HDC hdc, std::string_view text, RECT r, UINT format, COLORREF color) {
    const COLORREF oldColor = SetTextColor(hdc, color);
    const int oldMode = SetBkMode(hdc, TRANSPARENT);
    DrawText(hdc, text.data(), static_cast<int>(text.size()), &r, format);
    SetBkMode(hdc, oldMode);
    SetTextColor(hdc, oldColor);
}

} // namespace win::controls
