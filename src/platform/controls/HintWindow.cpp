// The hint window class: its procedure (text, font, size, paint, no activation, transparent to the mouse) and
// the calls that make, show and hide a hint.
#include "platform/controls/HintWindow.h"

#include "platform/controls/ControlClasses.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

#include <algorithm>

namespace win::hint {

namespace {

constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS;

HFONT MakeDefaultFont() {
    return CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
}

} // namespace

class HintControl {
public:
    HintControl(HWND hwnd, const CREATESTRUCT&) : m_hwnd(hwnd), m_ownFont(MakeDefaultFont()) {}
    ~HintControl() {
        if (m_ownFont) DeleteObject(m_ownFont);
    }
    HintControl(const HintControl&) = delete;
    HintControl& operator=(const HintControl&) = delete;

    using Handler = LRESULT (HintControl::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();

    HFONT Font() const { return m_font ? m_font : m_ownFont; }

    LRESULT OnSetText(WPARAM wParam, LPARAM lParam) {
        const LRESULT r = DefWindowProc(m_hwnd, WM_SETTEXT, wParam, lParam);
        FitText();
        return r;
    }
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam) {
        m_font = reinterpret_cast<HFONT>(wParam);
        FitText();
        if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(m_hwnd, nullptr, TRUE);
        return 0;
    }
    LRESULT OnGetFont(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(Font()); }
    LRESULT OnNcHitTest(WPARAM, LPARAM) { return HTTRANSPARENT; }
    LRESULT OnMouseActivate(WPARAM, LPARAM) { return MA_NOACTIVATE; }
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnPaint(WPARAM, LPARAM) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        if (!dc) return 0;
        const RECT client = controls::ClientRectOf(m_hwnd);
        controls::FillSysColor(dc, client, COLOR_INFOBK);
        HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
        FrameRect(dc, &client, black);
        DeleteObject(black);
        HGDIOBJ oldFont = SelectObject(dc, Font());
        const RECT text{kHintBorder + kHintMarginX, kHintBorder + kHintMarginY, client.right - kHintBorder,
                        client.bottom - kHintBorder};
        controls::DrawTextIn(dc, GetWindowTextString(m_hwnd), text, kTextFormat, GetSysColor(COLOR_INFOTEXT));
        SelectObject(dc, oldFont);
        EndPaint(m_hwnd, &ps);
        return 0;
    }

private:
    void FitText() {
        const SIZE size = HintWindowSize(Font(), GetWindowTextString(m_hwnd));
        SetWindowPos(m_hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }

    HWND m_hwnd;
    HFONT m_font = nullptr;
    HFONT m_ownFont;
};

const std::unordered_map<UINT, HintControl::Handler>& HintControl::Handlers() {
    using H = HintControl;
    static const std::unordered_map<UINT, Handler> table = {
        {WM_SETTEXT, &H::OnSetText},
        {WM_SETFONT, &H::OnSetFont},
        {WM_GETFONT, &H::OnGetFont},
        {WM_NCHITTEST, &H::OnNcHitTest},
        {WM_ERASEBKGND, &H::OnEraseBkgnd},
        {WM_PAINT, &H::OnPaint},
        {WM_MOUSEACTIVATE, &H::OnMouseActivate},
    };
    return table;
}

} // namespace win::hint

namespace win {

SIZE HintWindowSize(HFONT font, std::string_view text) {
    HFONT own = font ? nullptr : hint::MakeDefaultFont();
    if (own) font = own;
    HDC dc = CreateCompatibleDC(nullptr);
    RECT extent{0, 0, 0, 0};
    if (dc) {
        HGDIOBJ old = SelectObject(dc, controls::FontOrSystem(font));
        if (text.empty()) {
            extent.bottom = controls::FontHeight(font);
        } else {
            DrawText(dc, text.data(), static_cast<int>(text.size()), &extent,
                     DT_CALCRECT | DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
        }
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    if (own) DeleteObject(own);
    return SIZE{extent.right - extent.left + 2 * (kHintBorder + kHintMarginX),
                extent.bottom - extent.top + 2 * (kHintBorder + kHintMarginY)};
}

BOOL ShowHintWindow(HWND hint, int screenX, int screenY, LPCSTR text) {
    if (!IsWindow(hint)) return FALSE;
    SetWindowText(hint, text ? text : "");
    RECT r{};
    GetWindowRect(hint, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const int x = std::clamp(screenX, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
    const int y = std::clamp(screenY, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));
    return SetWindowPos(hint, HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

BOOL HideHintWindow(HWND hint) {
    if (!IsWindow(hint)) return FALSE;
    return SetWindowPos(hint, nullptr, 0, 0, 0, 0,
                        SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool RegisterHintClass() {
    return controls::RegisterControlClass<hint::HintControl>(HINT_CLASS, CS_SAVEBITS, IDC_ARROW);
}

} // namespace win
