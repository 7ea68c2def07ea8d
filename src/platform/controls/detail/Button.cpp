// The "BUTTON" window class: push buttons (plain and default), check boxes, radio buttons (the automatic
// kinds check themselves and clear the rest of their group), group boxes and owner-drawn buttons. A button
// clicks when the mouse is let go over it after a press on it, on Space, and on BM_CLICK; it reports
// BN_CLICKED to its parent.
#include "platform/controls/detail/Button.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"

namespace win::button {

const std::unordered_map<UINT, ButtonControl::Handler>& ButtonControl::Handlers() {
    using B = ButtonControl;
    static const std::unordered_map<UINT, Handler> table = {
        {WM_SETTEXT, &B::OnSetText},
        {WM_SETFONT, &B::OnSetFont},
        {WM_GETFONT, &B::OnGetFont},
        {WM_ENABLE, &B::OnEnable},
        {WM_SETFOCUS, &B::OnSetFocus},
        {WM_KILLFOCUS, &B::OnKillFocus},
        {WM_GETDLGCODE, &B::OnGetDlgCode},
        {WM_NCHITTEST, &B::OnNcHitTest},
        {WM_LBUTTONDOWN, &B::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &B::OnLButtonDblClk},
        {WM_MOUSEMOVE, &B::OnMouseMove},
        {WM_LBUTTONUP, &B::OnLButtonUp},
        {WM_CAPTURECHANGED, &B::OnCaptureChanged},
        {WM_KEYDOWN, &B::OnKeyDown},
        {WM_KEYUP, &B::OnKeyUp},
        {BM_GETCHECK, &B::OnGetCheck},
        {BM_SETCHECK, &B::OnSetCheck},
        {BM_GETSTATE, &B::OnGetState},
        {BM_SETSTATE, &B::OnSetState},
        {BM_SETSTYLE, &B::OnSetStyle},
        {BM_CLICK, &B::OnClick},
        {WM_ERASEBKGND, &B::OnEraseBkgnd},
        {WM_PAINT, &B::OnPaint},
    };
    return table;
}

DWORD ButtonControl::Style() const {
    return static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE));
}

void ButtonControl::Notify(WORD code) {
    controls::SendCommandNotification(GetParent(m_hwnd), m_hwnd, code);
}

void ButtonControl::Repaint() {
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

bool ButtonControl::Checkable() const {
    switch (Type()) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return true;
    default:
        return false;
    }
}

void ButtonControl::SetPushed(bool pushed) {
    if (pushed == m_pushed) return;
    m_pushed = pushed;
    Repaint();
}

LRESULT ButtonControl::OnSetText(WPARAM wParam, LPARAM lParam) {
    const LRESULT r = DefWindowProc(m_hwnd, WM_SETTEXT, wParam, lParam);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return r;
}

LRESULT ButtonControl::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    if (LOWORD(static_cast<std::uintptr_t>(lParam))) Repaint();
    return 0;
}

LRESULT ButtonControl::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_font);
}

LRESULT ButtonControl::OnEnable(WPARAM, LPARAM) {
    Repaint();
    return 0;
}

LRESULT ButtonControl::OnSetFocus(WPARAM, LPARAM) {
    m_focused = true;
    Repaint();
    if (Style() & BS_NOTIFY) Notify(BN_SETFOCUS);
    return 0;
}

LRESULT ButtonControl::OnKillFocus(WPARAM, LPARAM) {
    m_focused = false;
    // A press by the keyboard that loses the focus is no click.
    if (m_spaceDown) {
        m_spaceDown = false;
        SetPushed(false);
    }
    if (m_captured && GetCapture() == m_hwnd) ReleaseCapture();
    Repaint();
    if (Style() & BS_NOTIFY) Notify(BN_KILLFOCUS);
    return 0;
}

LRESULT ButtonControl::OnGetDlgCode(WPARAM, LPARAM) {
    switch (Type()) {
    case BS_DEFPUSHBUTTON:
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    case BS_PUSHBUTTON:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
        return DLGC_BUTTON | DLGC_RADIOBUTTON;
    case BS_GROUPBOX:
        return DLGC_STATIC;
    default:
        return DLGC_BUTTON;
    }
}

LRESULT ButtonControl::OnNcHitTest(WPARAM wParam, LPARAM lParam) {
    // A group box is only a frame: the mouse goes through it to the controls inside.
    if (Type() == BS_GROUPBOX) return HTTRANSPARENT;
    return DefWindowProc(m_hwnd, WM_NCHITTEST, wParam, lParam);
}

LRESULT ButtonControl::OnLButtonDown(WPARAM, LPARAM) {
    if (Type() == BS_GROUPBOX) return 0;
    if (GetFocus() != m_hwnd) {
        SetFocus(m_hwnd);
        if (!IsWindow(m_hwnd)) return 0;
    }
    m_captured = true;
    SetCapture(m_hwnd);
    SetPushed(true);
    return 0;
}

LRESULT ButtonControl::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    // A double click is a second press; radio and owner-drawn buttons report it besides.
    OnLButtonDown(wParam, lParam);
    if (IsWindow(m_hwnd) && (Type() == BS_RADIOBUTTON || Type() == BS_AUTORADIOBUTTON ||
                             Type() == BS_OWNERDRAW || (Style() & BS_NOTIFY)))
        Notify(BN_DOUBLECLICKED);
    return 0;
}

LRESULT ButtonControl::OnMouseMove(WPARAM, LPARAM lParam) {
    if (m_captured) SetPushed(controls::Contains(controls::ClientRectOf(m_hwnd), controls::PointOf(lParam)));
    return 0;
}

LRESULT ButtonControl::OnLButtonUp(WPARAM, LPARAM lParam) {
    if (!m_captured) return 0;
    const bool inside = controls::Contains(controls::ClientRectOf(m_hwnd), controls::PointOf(lParam));
    m_captured = false;
    if (GetCapture() == m_hwnd) ReleaseCapture();
    SetPushed(false);
    if (inside && IsWindow(m_hwnd)) Click();
    return 0;
}

LRESULT ButtonControl::OnCaptureChanged(WPARAM, LPARAM) {
    if (m_captured) {
        m_captured = false;
        SetPushed(false);
    }
    return 0;
}

LRESULT ButtonControl::OnKeyDown(WPARAM wParam, LPARAM lParam) {
    if (wParam == static_cast<WPARAM>(VK_SPACE) && Type() != BS_GROUPBOX) {
        // Held Space repeats key-downs; only the first presses the button.
        if (!(lParam & (LPARAM{1} << 30)) || !m_spaceDown) {
            m_spaceDown = true;
            SetPushed(true);
        }
        return 0;
    }
    return DefWindowProc(m_hwnd, WM_KEYDOWN, wParam, lParam);
}

LRESULT ButtonControl::OnKeyUp(WPARAM wParam, LPARAM lParam) {
    if (wParam == static_cast<WPARAM>(VK_SPACE) && m_spaceDown) {
        m_spaceDown = false;
        SetPushed(false);
        Click();
        return 0;
    }
    return DefWindowProc(m_hwnd, WM_KEYUP, wParam, lParam);
}

LRESULT ButtonControl::OnGetCheck(WPARAM, LPARAM) {
    return Checkable() ? static_cast<LRESULT>(m_check) : 0;
}

LRESULT ButtonControl::OnSetCheck(WPARAM wParam, LPARAM) {
    if (!Checkable()) return 0;
    WPARAM check = wParam & (BST_CHECKED | BST_INDETERMINATE);
    if (check == BST_INDETERMINATE && Type() != BS_3STATE && Type() != BS_AUTO3STATE) check = BST_CHECKED;
    if (check != m_check) {
        m_check = check;
        Repaint();
    }
    return 0;
}

LRESULT ButtonControl::OnGetState(WPARAM, LPARAM) {
    LRESULT state = Checkable() ? static_cast<LRESULT>(m_check) : 0;
    if (m_pushed) state |= BST_PUSHED;
    if (m_focused) state |= BST_FOCUS;
    return state;
}

LRESULT ButtonControl::OnSetState(WPARAM wParam, LPARAM) {
    SetPushed(wParam != 0);
    return 0;
}

LRESULT ButtonControl::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    const DWORD style = (Style() & 0xFFFF0000u) | (static_cast<DWORD>(wParam) & 0xFFFFu);
    SetWindowLong(m_hwnd, GWL_STYLE, static_cast<LONG>(style));
    if (lParam) InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ButtonControl::OnClick(WPARAM, LPARAM) {
    if (IsWindowEnabled(m_hwnd) && Type() != BS_GROUPBOX) Click();
    return 0;
}

void ButtonControl::UncheckGroupSiblings() {
    // The group runs from the previous control with WS_GROUP (or the first) up to the next one.
    HWND first = m_hwnd;
    while (!(GetWindowLong(first, GWL_STYLE) & WS_GROUP)) {
        HWND prev = GetWindow(first, GW_HWNDPREV);
        if (!prev) break;
        first = prev;
    }
    for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (GetWindowLong(w, GWL_STYLE) & WS_GROUP)) break;
        if (w == m_hwnd) continue;
        ButtonControl* other = From(w);
        if (other && other->Type() == BS_AUTORADIOBUTTON) SendMessage(w, BM_SETCHECK, BST_UNCHECKED, 0);
    }
}

void ButtonControl::Click() {
    switch (Type()) {
    case BS_AUTOCHECKBOX:
        OnSetCheck(m_check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
        break;
    case BS_AUTO3STATE:
        OnSetCheck(m_check == BST_UNCHECKED ? BST_CHECKED
                                            : (m_check == BST_CHECKED ? BST_INDETERMINATE : BST_UNCHECKED),
                   0);
        break;
    case BS_AUTORADIOBUTTON:
        OnSetCheck(BST_CHECKED, 0);
        UncheckGroupSiblings();
        break;
    default:
        break;
    }
    if (IsWindow(m_hwnd)) Notify(BN_CLICKED);
}

ButtonControl* ButtonControl::From(HWND hwnd) {
    return controls::ControlOf<ButtonControl>(hwnd);
}

} // namespace win::button

namespace win {

bool RegisterButtonClass() {
    return controls::RegisterControlClass<button::ButtonControl>(
        WC_BUTTON, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
}

} // namespace win
