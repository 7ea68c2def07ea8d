// The "SCROLLBAR" window class: a scroll bar as a control of its own (SBS_HORZ / SBS_VERT). It keeps range,
// page and position (SBM_* messages, SetScrollInfo with SB_CTL), draws itself in the classic look shared with
// the windows' own bars, and tells its parent of arrows, page clicks and thumb drags with WM_HSCROLL /
// WM_VSCROLL. As on the platform, the bar never moves its own position: the parent does, in answer.
#include "platform/controls/ControlClasses.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"
#include "platform/gdi/SysColors.h"

#include <algorithm>

namespace win::scrollbar {

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT kFirstRepeatMs = 400;
constexpr UINT kRepeatMs = 50;

} // namespace

class ScrollBarControl {
public:
    ScrollBarControl(HWND hwnd, const CREATESTRUCT& cs)
        : m_hwnd(hwnd), m_vertical((static_cast<DWORD>(cs.style) & SBS_VERT) != 0) {
        m_state.maxPos = 100;
    }

    using Handler = LRESULT (ScrollBarControl::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();

    LRESULT OnSetPos(WPARAM wParam, LPARAM lParam) {
        const int old = m_state.pos;
        m_state.pos = static_cast<int>(wParam);
        Clamp();
        if (lParam) Repaint();
        return old;
    }
    LRESULT OnGetPos(WPARAM, LPARAM) { return m_state.pos; }
    LRESULT OnSetRange(WPARAM wParam, LPARAM lParam) { return SetRange(wParam, lParam, false); }
    LRESULT OnSetRangeRedraw(WPARAM wParam, LPARAM lParam) { return SetRange(wParam, lParam, true); }
    LRESULT OnGetRange(WPARAM wParam, LPARAM lParam) {
        if (auto* low = reinterpret_cast<int*>(wParam)) *low = m_state.minPos;
        if (auto* high = reinterpret_cast<int*>(lParam)) *high = m_state.maxPos;
        return 0;
    }
    LRESULT OnEnableArrows(WPARAM wParam, LPARAM) {
        m_state.disabledArrows = static_cast<UINT>(wParam) & ESB_DISABLE_BOTH;
        Repaint();
        return TRUE;
    }
    LRESULT OnSetScrollInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetScrollInfo(WPARAM wParam, LPARAM lParam);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM) { return 1; }
    LRESULT OnEnable(WPARAM, LPARAM) {
        Repaint();
        return 0;
    }
    LRESULT OnGetDlgCode(WPARAM, LPARAM) { return DLGC_WANTARROWS; }
    LRESULT OnLButtonDown(WPARAM, LPARAM lParam);
    LRESULT OnMouseMove(WPARAM, LPARAM lParam);
    LRESULT OnLButtonUp(WPARAM, LPARAM lParam);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM wParam, LPARAM);
    LRESULT OnKeyDown(WPARAM wParam, LPARAM);

private:
    LRESULT SetRange(WPARAM low, LPARAM high, bool redraw) {
        m_state.minPos = static_cast<int>(low);
        m_state.maxPos = std::max(m_state.minPos, static_cast<int>(high));
        Clamp();
        if (redraw) Repaint();
        return m_state.pos;
    }
    int MaxPos() const {
        const int page = m_state.page > 0 ? static_cast<int>(m_state.page) - 1 : 0;
        return std::max(m_state.minPos, m_state.maxPos - page);
    }
    void Clamp() { m_state.pos = std::clamp(m_state.pos, m_state.minPos, MaxPos()); }
    void Repaint() { InvalidateRect(m_hwnd, nullptr, FALSE); }
    ScrollBarLayout Layout() const {
        return LayoutScrollBar(controls::ClientRectOf(m_hwnd), m_vertical, m_state);
    }
    int Along(POINT p) const { return m_vertical ? p.y : p.x; }
    void Send(WORD code, int pos = 0) {
        SendMessage(GetParent(m_hwnd), m_vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos),
                    reinterpret_cast<LPARAM>(m_hwnd));
    }
    static WORD CodeOf(ScrollPart part) {
        switch (part) {
        case ScrollPart::ArrowLow:
            return SB_LINEUP;
        case ScrollPart::ArrowHigh:
            return SB_LINEDOWN;
        case ScrollPart::PageLow:
            return SB_PAGEUP;
        case ScrollPart::PageHigh:
            return SB_PAGEDOWN;
        default:
            return SB_ENDSCROLL;
        }
    }
    void EndTracking(bool notify);

    HWND m_hwnd;
    bool m_vertical;
    ScrollBarState m_state;
    ScrollPart m_part = ScrollPart::None; // the part held down
    int m_grab = 0;                       // where on the thumb it was taken
    bool m_releasing = false;
};

const std::unordered_map<UINT, ScrollBarControl::Handler>& ScrollBarControl::Handlers() {
    using S = ScrollBarControl;
    static const std::unordered_map<UINT, Handler> table = {
        {SBM_SETPOS, &S::OnSetPos},
        {SBM_GETPOS, &S::OnGetPos},
        {SBM_SETRANGE, &S::OnSetRange},
        {SBM_SETRANGEREDRAW, &S::OnSetRangeRedraw},
        {SBM_GETRANGE, &S::OnGetRange},
        {SBM_ENABLE_ARROWS, &S::OnEnableArrows},
        {SBM_SETSCROLLINFO, &S::OnSetScrollInfo},
        {SBM_GETSCROLLINFO, &S::OnGetScrollInfo},
        {WM_PAINT, &S::OnPaint},
        {WM_ERASEBKGND, &S::OnEraseBkgnd},
        {WM_ENABLE, &S::OnEnable},
        {WM_GETDLGCODE, &S::OnGetDlgCode},
        {WM_LBUTTONDOWN, &S::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &S::OnLButtonDown},
        {WM_MOUSEMOVE, &S::OnMouseMove},
        {WM_LBUTTONUP, &S::OnLButtonUp},
        {WM_CAPTURECHANGED, &S::OnCaptureChanged},
        {WM_TIMER, &S::OnTimer},
        {WM_KEYDOWN, &S::OnKeyDown},
    };
    return table;
}

LRESULT ScrollBarControl::OnSetScrollInfo(WPARAM wParam, LPARAM lParam) {
    const auto* si = reinterpret_cast<const SCROLLINFO*>(lParam);
    if (!si) return m_state.pos;
    if (si->fMask & SIF_RANGE) {
        m_state.minPos = si->nMin;
        m_state.maxPos = std::max(si->nMin, si->nMax);
    }
    if (si->fMask & SIF_PAGE) {
        const long long span = static_cast<long long>(m_state.maxPos) - m_state.minPos + 1;
        m_state.page = static_cast<UINT>(std::min<long long>(si->nPage, span));
    }
    if (si->fMask & SIF_POS) m_state.pos = si->nPos;
    Clamp();
    if (wParam) Repaint();
    return m_state.pos;
}

LRESULT ScrollBarControl::OnGetScrollInfo(WPARAM, LPARAM lParam) {
    auto* si = reinterpret_cast<SCROLLINFO*>(lParam);
    if (!si) return FALSE;
    if (si->fMask & SIF_RANGE) {
        si->nMin = m_state.minPos;
        si->nMax = m_state.maxPos;
    }
    if (si->fMask & SIF_PAGE) si->nPage = m_state.page;
    if (si->fMask & SIF_POS) si->nPos = m_state.pos;
    if (si->fMask & SIF_TRACKPOS) si->nTrackPos = m_state.tracking ? m_state.trackPos : m_state.pos;
    return TRUE;
}

LRESULT ScrollBarControl::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    const RECT client = controls::ClientRectOf(m_hwnd);
    if (GetWindowLong(m_hwnd, GWL_STYLE) & SBS_SIZEBOX) {
        controls::FillSysColor(dc, client, COLOR_BTNFACE);
    } else {
        // While the thumb is dragged it is drawn at the tracking position.
        ScrollBarState shown = m_state;
        if (shown.tracking) shown.pos = shown.trackPos;
        PaintScrollBar(dc, client, m_vertical, shown, IsWindowEnabled(m_hwnd) != FALSE);
    }
    EndPaint(m_hwnd, &ps);
    return 0;
}

LRESULT ScrollBarControl::OnLButtonDown(WPARAM, LPARAM lParam) {
    if (GetWindowLong(m_hwnd, GWL_STYLE) & WS_TABSTOP) SetFocus(m_hwnd);
    if (!IsWindow(m_hwnd)) return 0;
    const POINT point = controls::PointOf(lParam);
    const ScrollBarLayout layout = Layout();
    const ScrollPart part = HitTestScrollBar(layout, m_vertical, point);
    if (part == ScrollPart::None) return 0;
    if ((part == ScrollPart::ArrowLow && (m_state.disabledArrows & ESB_DISABLE_LEFT)) ||
        (part == ScrollPart::ArrowHigh && (m_state.disabledArrows & ESB_DISABLE_RIGHT)))
        return 0;
    m_part = part;
    m_state.pressed = part;
    SetCapture(m_hwnd);
    if (part == ScrollPart::Thumb) {
        m_grab = Along(point) - (m_vertical ? layout.thumb.top : layout.thumb.left);
        m_state.tracking = true;
        m_state.trackPos = m_state.pos;
        Repaint();
        return 0;
    }
    Repaint();
    Send(CodeOf(part));
    if (IsWindow(m_hwnd) && m_part != ScrollPart::None)
        SetTimer(m_hwnd, kRepeatTimer, kFirstRepeatMs, nullptr);
    return 0;
}

LRESULT ScrollBarControl::OnMouseMove(WPARAM, LPARAM lParam) {
    if (m_part == ScrollPart::None) return 0;
    const POINT point = controls::PointOf(lParam);
    const ScrollBarLayout layout = Layout();
    if (m_part == ScrollPart::Thumb) {
        const int pos = ScrollPosFromThumb(layout, m_vertical, m_state, Along(point) - m_grab);
        if (pos != m_state.trackPos) {
            m_state.trackPos = pos;
            Repaint();
            Send(SB_THUMBTRACK, pos);
        }
        return 0;
    }
    // An arrow or page press shows pressed only while the pointer stays on it.
    const ScrollPart under = HitTestScrollBar(layout, m_vertical, point);
    const ScrollPart shown = under == m_part ? m_part : ScrollPart::None;
    if (shown != m_state.pressed) {
        m_state.pressed = shown;
        Repaint();
    }
    return 0;
}

void ScrollBarControl::EndTracking(bool notify) {
    const ScrollPart part = m_part;
    const int trackPos = m_state.trackPos;
    m_part = ScrollPart::None;
    m_state.pressed = ScrollPart::None;
    m_state.tracking = false;
    KillTimer(m_hwnd, kRepeatTimer);
    if (GetCapture() == m_hwnd) {
        m_releasing = true;
        ReleaseCapture();
        m_releasing = false;
    }
    Repaint();
    if (!notify) return;
    if (part == ScrollPart::Thumb) Send(SB_THUMBPOSITION, trackPos);
    if (IsWindow(m_hwnd)) Send(SB_ENDSCROLL);
}

LRESULT ScrollBarControl::OnLButtonUp(WPARAM, LPARAM) {
    if (m_part != ScrollPart::None) EndTracking(true);
    return 0;
}

LRESULT ScrollBarControl::OnCaptureChanged(WPARAM, LPARAM) {
    if (!m_releasing && m_part != ScrollPart::None) EndTracking(true);
    return 0;
}

LRESULT ScrollBarControl::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam != kRepeatTimer) return 0;
    if (m_part == ScrollPart::None || m_part == ScrollPart::Thumb) {
        KillTimer(m_hwnd, kRepeatTimer);
        return 0;
    }
    SetTimer(m_hwnd, kRepeatTimer, kRepeatMs, nullptr);
    // A page press repeats until the thumb reaches the pointer.
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(m_hwnd, &point);
    if (HitTestScrollBar(Layout(), m_vertical, point) == m_part) Send(CodeOf(m_part));
    return 0;
}

LRESULT ScrollBarControl::OnKeyDown(WPARAM wParam, LPARAM) {
    WORD code;
    switch (static_cast<int>(wParam)) {
    case VK_UP:
    case VK_LEFT:
        code = SB_LINEUP;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        code = SB_LINEDOWN;
        break;
    case VK_PRIOR:
        code = SB_PAGEUP;
        break;
    case VK_NEXT:
        code = SB_PAGEDOWN;
        break;
    case VK_HOME:
        code = SB_TOP;
        break;
    case VK_END:
        code = SB_BOTTOM;
        break;
    default:
        return 0;
    }
    Send(code);
    if (IsWindow(m_hwnd)) Send(SB_ENDSCROLL);
    return 0;
}

} // namespace win::scrollbar

namespace win {

bool RegisterScrollBarClass() {
    return controls::RegisterControlClass<scrollbar::ScrollBarControl>(WC_SCROLLBAR, CS_DBLCLKS, IDC_ARROW);
}

} // namespace win
