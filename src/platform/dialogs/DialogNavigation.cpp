// The dialog keys: the tab order and groups of a dialog's controls (child dialogs with WS_EX_CONTROLPARENT
// take part with their own controls), focus moves, the default push button, Enter and Escape.
#include "platform/controls/edit/EditMessages.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/detail/DialogInternal.h"
#include "platform/system/LastError.h"
#include "platform/user/User.h"

#include <vector>

namespace win {

namespace dlg {
namespace {

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLong(hwnd, GWL_STYLE));
}

// The dialog's controls in the order they were made; the controls of a visible, enabled control parent stand
// in its place.
void Flatten(HWND container, std::vector<HWND>& out) {
    for (HWND c = GetWindow(container, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const DWORD exStyle = static_cast<DWORD>(GetWindowLong(c, GWL_EXSTYLE));
        const DWORD style = StyleOf(c);
        if ((exStyle & WS_EX_CONTROLPARENT) && (style & WS_VISIBLE) && !(style & WS_DISABLED))
            Flatten(c, out);
        else
            out.push_back(c);
    }
}

std::vector<HWND> Controls(HWND dialog) {
    std::vector<HWND> out;
    Flatten(dialog, out);
    return out;
}

// The position of control in the list, or of the listed control that holds it (a combo box's edit field);
// -1 when it is not in the dialog.
int IndexOf(const std::vector<HWND>& list, HWND dialog, HWND control) {
    for (HWND w = control; w && w != dialog; w = GetParent(w)) {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == w) return static_cast<int>(i);
        if (!(StyleOf(w) & WS_CHILD)) break;
    }
    return -1;
}

// Visible and enabled by its own style and its parents' up to the dialog, so that a dialog still hidden while
// it initialises knows its tab order.
bool CanFocus(HWND hwnd) {
    for (HWND w = hwnd; w; w = GetParent(w)) {
        const DWORD style = StyleOf(w);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) return false;
        if (!(style & WS_CHILD) || (GetWindowLong(GetParent(w), GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return true;
}

// The first control from start (exclusive) in the direction given, wrapping within [first, last), that
// passes.
template <class Test>
HWND Step(const std::vector<HWND>& list, int first, int last, int start, bool previous, Test test) {
    const int n = last - first;
    if (n <= 0) return nullptr;
    for (int k = 1; k <= n; ++k) {
        int i = previous ? start - k : start + k;
        i = first + (((i - first) % n) + n) % n;
        if (test(list[static_cast<std::size_t>(i)])) return list[static_cast<std::size_t>(i)];
    }
    return nullptr;
}

HWND FindItem(HWND dialog, int id) {
    if (HWND direct = GetDlgItem(dialog, id)) return direct;
    for (HWND c : Controls(dialog))
        if (GetDlgCtrlID(c) == id) return c;
    return nullptr;
}

WORD DefaultId(HWND dialog) {
    const LRESULT r = SendMessage(dialog, DM_GETDEFID, 0, 0);
    return HIWORD(static_cast<std::uintptr_t>(r)) == DC_HASDEFID ? LOWORD(static_cast<std::uintptr_t>(r))
                                                                 : static_cast<WORD>(IDOK);
}

// Sends the click of a button id where a click of that button goes: its parent, or the dialog when there is
// no such button.
void Press(HWND dialog, HWND button, int id) {
    if (button && !IsWindowEnabled(button)) {
        MessageBeep(0);
        return;
    }
    HWND target = button ? GetParent(button) : dialog;
    SendMessage(target, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool TabKey(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && focus != dialog && !IsChild(dialog, focus)) focus = nullptr;
    if (focus == dialog) focus = nullptr;
    HWND next = GetNextDlgTabItem(dialog, focus, GetKeyState(VK_SHIFT) < 0 ? TRUE : FALSE);
    if (next) FocusControl(dialog, next);
    return true;
}

bool ArrowKey(HWND dialog, bool previous) {
    HWND focus = GetFocus();
    if (!focus || !IsChild(dialog, focus)) return true;
    HWND next = GetNextDlgGroupItem(dialog, focus, previous ? TRUE : FALSE);
    if (!next || next == focus) return true;
    FocusControl(dialog, next);
    // Moving onto an automatic radio button checks it.
    if ((SendMessage(next, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) &&
        (StyleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON)
        SendMessage(next, BM_CLICK, 0, 0);
    return true;
}

bool EnterKey(HWND dialog) {
    HWND focus = GetFocus();
    if (focus && IsChild(dialog, focus) && IsPushButton(focus)) {
        Press(dialog, focus, GetDlgCtrlID(focus));
        return true;
    }
    const WORD id = DefaultId(dialog);
    Press(dialog, FindItem(dialog, id), id);
    return true;
}

bool HandleKeyDown(HWND dialog, const MSG& msg, LRESULT code) {
    if (code & DLGC_WANTMESSAGE) return false;
    switch (static_cast<int>(msg.wParam)) {
    case VK_TAB:
        return (code & DLGC_WANTTAB) ? false : TabKey(dialog);
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (code & DLGC_WANTARROWS) return false;
        return ArrowKey(dialog, msg.wParam == VK_LEFT || msg.wParam == VK_UP);
    case VK_RETURN:
        return EnterKey(dialog);
    case VK_ESCAPE:
        Press(dialog, FindItem(dialog, IDCANCEL), IDCANCEL);
        return true;
    default:
        return false;
    }
}

} // namespace

bool IsPushButton(HWND hwnd) {
    return hwnd &&
           (SendMessage(hwnd, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

void UpdateDefaultButton(HWND dialog, HWND focus) {
    const std::vector<HWND> list = Controls(dialog);
    HWND chosen = nullptr;
    if (focus && IsChild(dialog, focus) && IsPushButton(focus)) {
        chosen = focus;
    } else {
        HWND button = FindItem(dialog, DefaultId(dialog));
        if (IsPushButton(button)) chosen = button;
    }
    for (HWND c : list) {
        const LRESULT code = SendMessage(c, WM_GETDLGCODE, 0, 0);
        if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) continue;
        const bool isDefault = (code & DLGC_DEFPUSHBUTTON) != 0;
        if (isDefault == (c == chosen)) continue;
        const DWORD low =
            (StyleOf(c) & 0xFFFF & ~BS_TYPEMASK) | (c == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        SendMessage(c, BM_SETSTYLE, low, TRUE);
    }
}

void FocusControl(HWND dialog, HWND control) {
    if (!control) return;
    SetFocus(control);
    if (GetFocus() != control) return;
    if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessage(control, EM_SETSEL, 0, -1);
    UpdateDefaultButton(dialog, control);
}

} // namespace dlg

using namespace dlg;

HWND GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<HWND> list = Controls(dialog);
    const int n = static_cast<int>(list.size());
    int start = control ? IndexOf(list, dialog, control) : -1;
    if (start < 0) start = previous ? n : -1;
    return Step(list, 0, n, start, previous != FALSE,
                [](HWND c) { return CanFocus(c) && (StyleOf(c) & WS_TABSTOP); });
}

HWND GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous) {
    if (!IsWindow(dialog)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::vector<HWND> list = Controls(dialog);
    const int n = static_cast<int>(list.size());
    const int at = control ? IndexOf(list, dialog, control) : -1;
    if (at < 0) return Step(list, 0, n, previous ? n : -1, previous != FALSE, CanFocus);
    int first = at;
    while (first > 0 && !(StyleOf(list[static_cast<std::size_t>(first)]) & WS_GROUP)) --first;
    int last = at + 1;
    while (last < n && !(StyleOf(list[static_cast<std::size_t>(last)]) & WS_GROUP)) ++last;
    return Step(list, first, last, at, previous != FALSE, CanFocus);
}

BOOL IsDialogMessage(HWND dialog, MSG* msg) {
    if (!msg || !IsWindow(dialog)) return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd)) return FALSE;
    if (msg->message == WM_KEYDOWN || msg->message == WM_CHAR) {
        const LRESULT code =
            SendMessage(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
        if (msg->message == WM_KEYDOWN && HandleKeyDown(dialog, *msg, code)) return TRUE;
        // The characters of the dialog keys are not typed into controls that do not ask for them.
        if (msg->message == WM_CHAR && !(code & (DLGC_WANTCHARS | DLGC_WANTMESSAGE)) &&
            (msg->wParam == '\t' || msg->wParam == '\r' || msg->wParam == '\n' || msg->wParam == 0x1B))
            return TRUE;
    }
    TranslateMessage(msg);
    DispatchMessage(msg);
    return TRUE;
}

} // namespace win
