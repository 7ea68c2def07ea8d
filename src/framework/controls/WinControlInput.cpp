// Input of a windowed control: the focus, the keyboard (events with a key that a handler may change or
// swallow, dialog keys), the mouse for the children without a window (the one under the pointer, or the one
// holding the capture, gets the message in its own coordinates), the control under the pointer, and the
// cursor.
#include "framework/controls/WinControl.h"

#include "platform/user/Input.h"

#include <algorithm>

namespace gl {

bool RecreatingWindows();

namespace {

bool IsRoutedMouseMessage(win::UINT msg) {
    return msg >= win::WM_MOUSEFIRST && msg <= win::WM_MBUTTONDBLCLK;
}

} // namespace

void TWinControl::WndProc(TMessage& message) {
    if (message.Msg == win::WM_SETFOCUS) {
        // The top control learns first where the focus went; it may refuse.
        if (!RecreatingWindows() && !TopControl()->SetFocusedControl(this)) return;
    } else if (message.Msg == win::WM_DESTROY && !ControlState().Contains(csDestroyingHandle) && m_handle) {
        // Destroyed from outside (its top window closed): the text stays with the control.
        m_text = TControl::GetText();
    } else if (IsRoutedMouseMessage(message.Msg)) {
        if (RouteMouseToChildren(message)) return;
    }
    TControl::WndProc(message);
}

// ---- The mouse ----

bool TWinControl::RouteMouseToChildren(TMessage& message) {
    const TPoint point{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
    TControl* under = ControlAtPos(point, false);
    if (message.Msg == win::WM_MOUSEMOVE) TrackMouse(point, under);
    TControl* target = under;
    if (m_handle && win::GetCapture() == m_handle) {
        // While the window holds the capture, a child that took it gets everything; otherwise the window
        // does.
        TControl* capture = CaptureControl();
        target = capture && capture != this && capture->Parent() == this ? capture : nullptr;
    }
    if (!target) return false;
    TMessage forwarded{message.Msg, message.WParam,
                       win::MAKELPARAM(point.x - target->Left(), point.y - target->Top()), 0};
    target->WndProc(forwarded);
    message.Result = forwarded.Result;
    return true;
}

void TWinControl::TrackMouse(TPoint point, TControl* under) {
    TControl* current = under ? under : (PointInRect(ClientRect(), point) ? this : nullptr);
    if (current && m_handle) {
        // Told when the pointer leaves the window, so that the last control it was over is left too.
        win::TRACKMOUSEEVENT track;
        track.dwFlags = win::TME_LEAVE;
        track.hwndTrack = m_handle;
        win::TrackMouseEvent(&track);
    }
    SetMouseControl(current);
}

void TWinControl::WMMouseLeave(TMessage& message) {
    TControl* current = MouseControl();
    const bool ours = current == this || (current && current->Parent() == this &&
                                          std::find(m_graphicControls.begin(), m_graphicControls.end(),
                                                    current) != m_graphicControls.end());
    if (ours && !PointerOverOwnWindows()) SetMouseControl(nullptr);
    DefaultHandler(message);
}

// Whether the window under the pointer is this control's own or one of the platform's parts inside it (the
// pointer went from the one to the other, which each of them hears as leaving).
bool TWinControl::PointerOverOwnWindows() const {
    if (!m_handle) return false;
    win::HWND w = win::WindowUnderPointer();
    while (w && w != m_handle && !FindControl(w)) w = win::GetParent(w);
    return w == m_handle;
}

namespace {

constexpr const char* kPartProcProp = "GlyphloomPartProc";

} // namespace

void TWinControl::AdoptPartWindow(win::HWND part) {
    const win::LONG_PTR old = win::GetWindowLongPtr(part, win::GWLP_WNDPROC);
    if (!old || win::GetProp(part, kPartProcProp)) return;
    win::SetProp(part, kPartProcProp, reinterpret_cast<win::HANDLE>(old));
    win::SetWindowLongPtr(part, win::GWLP_WNDPROC, reinterpret_cast<win::LONG_PTR>(&PartWndProc));
}

win::LRESULT TWinControl::PartWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    auto old = reinterpret_cast<win::WNDPROC>(win::GetProp(hwnd, kPartProcProp));
    TWinControl* owner = nullptr;
    for (win::HWND w = win::GetParent(hwnd); w && !owner; w = win::GetParent(w)) owner = FindControl(w);
    if (owner && msg == win::WM_MOUSEMOVE && win::GetCapture() == nullptr) {
        win::TRACKMOUSEEVENT track;
        track.dwFlags = win::TME_LEAVE;
        track.hwndTrack = hwnd;
        win::TrackMouseEvent(&track);
        SetMouseControl(owner);
    } else if (owner && msg == win::WM_MOUSELEAVE && MouseControl() == owner &&
               !owner->PointerOverOwnWindows()) {
        SetMouseControl(nullptr);
    }
    if (msg == win::WM_NCDESTROY) win::RemoveProp(hwnd, kPartProcProp);
    return old ? win::CallWindowProc(old, hwnd, msg, wParam, lParam)
               : win::DefWindowProc(hwnd, msg, wParam, lParam);
}

void TWinControl::WMSetCursor(TWMSetCursor& message) {
    if (message.CursorWnd() == m_handle && message.HitTest() == win::HTCLIENT) {
        TCursor cursor = Cursor();
        win::POINT screen{};
        win::GetCursorPos(&screen);
        if (TControl* child = ControlAtPos(ScreenToClient(screen), false))
            if (child->Cursor() != crDefault) cursor = child->Cursor();
        if (cursor != crDefault) {
            win::SetCursor(CursorHandle(cursor));
            message.SetResult(1);
            return;
        }
    }
    DefaultHandler(message.Message());
}

void TWinControl::WMContextMenu(TWMContextMenu& message) {
    DefaultHandler(message.Message());
}

// ---- Focus ----

void TWinControl::WMSetFocus(TWMSetFocus& message) {
    DefaultHandler(message.Message());
}
void TWinControl::WMKillFocus(TWMKillFocus& message) {
    DefaultHandler(message.Message());
}

// ---- Keys ----

bool TWinControl::DoKeyDown(TWMKey& message) {
    TWinControl* top = TopControl();
    if (top != this && top->PreviewsKeys() && top->DoKeyDown(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    std::uint16_t key = message.CharCode();
    KeyDown(key, KeyDataToShiftState(message.KeyData()));
    message.SetCharCode(key);
    return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& message) {
    TWinControl* top = TopControl();
    if (top != this && top->PreviewsKeys() && top->DoKeyUp(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    std::uint16_t key = message.CharCode();
    KeyUp(key, KeyDataToShiftState(message.KeyData()));
    message.SetCharCode(key);
    return key == 0;
}

bool TWinControl::DoKeyPress(TWMChar& message) {
    TWinControl* top = TopControl();
    if (top != this && top->PreviewsKeys() && top->DoKeyPress(message)) return true;
    if (ControlStyle().Contains(csNoStdEvents)) return false;
    char32_t key = message.CharCode();
    KeyPress(key);
    message.SetCharCode(key);
    return key == 0;
}

void TWinControl::KeyDown(std::uint16_t& key, TShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(std::uint16_t& key, TShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::WMKeyDown(TWMKey& message) {
    if (!DoKeyDown(message)) DefaultHandler(message.Message());
}

void TWinControl::WMSysKeyDown(TWMKey& message) {
    if (!DoKeyDown(message)) DefaultHandler(message.Message());
}

void TWinControl::WMKeyUp(TWMKey& message) {
    if (!DoKeyUp(message)) DefaultHandler(message.Message());
}

void TWinControl::WMSysKeyUp(TWMKey& message) {
    if (!DoKeyUp(message)) DefaultHandler(message.Message());
}

void TWinControl::WMChar(TWMChar& message) {
    if (!DoKeyPress(message)) DefaultHandler(message.Message());
}

// A key on its way to this control, before it is dispatched: Tab, arrows, Enter and Escape that the control
// does not take go to the top control as a dialog key. A nonzero result means the key was used.
void TWinControl::CNKeyDown(TWMKey& message) {
    message.SetResult(1);
    win::LRESULT mask = 0;
    switch (message.CharCode()) {
    case win::VK_TAB:
        mask = win::DLGC_WANTTAB;
        break;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
        mask = win::DLGC_WANTARROWS;
        break;
    case win::VK_RETURN:
    case win::VK_EXECUTE:
    case win::VK_ESCAPE:
    case win::VK_CANCEL:
        mask = win::DLGC_WANTALLKEYS;
        break;
    default:
        break;
    }
    if (mask != 0 && Perform(CM_WANTSPECIALKEY, message.CharCode(), message.KeyData()) == 0 &&
        (Perform(win::WM_GETDLGCODE) & mask) == 0 &&
        TopControl()->Perform(CM_DIALOGKEY, message.CharCode(), message.KeyData()) != 0)
        return;
    message.SetResult(0);
}

// A character on its way to this control: one the control does not take as text may be an accelerator.
void TWinControl::CNChar(TWMChar& message) {
    message.SetResult(1);
    if ((Perform(win::WM_GETDLGCODE) & win::DLGC_WANTCHARS) == 0 &&
        TopControl()->Perform(CM_DIALOGCHAR, message.CharCode(), message.KeyData()) != 0)
        return;
    message.SetResult(0);
}

} // namespace gl
