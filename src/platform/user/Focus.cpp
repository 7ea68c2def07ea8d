// Keyboard focus, activation of top-level windows, mouse capture and mouse tracking (leave and hover).
#include "platform/system/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win::wm {

namespace {

void SendActivateApp(BOOL active) {
    std::vector<HWND> tops;
    for (Window* top : Desktop()->children)
        if (!top->messageOnly) tops.push_back(top->handle);
    for (HWND h : tops) SendMessage(h, WM_ACTIVATEAPP, static_cast<WPARAM>(active), 1);
}

bool Within(const Window* ancestor, const Window* w) {
    for (; w; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

constexpr std::uintptr_t kHoverTimer = 0x486F7672; // the hover check's system timer key

void CheckHover() {
    ThreadState& t = Thread();
    KillSystemTimer(kHoverTimer);
    Window* w = Find(t.trackHover);
    if (!w) return;
    t.trackHover = nullptr;
    POINT p = t.cursorPos;
    const POINT o = ClientScreenOrigin(w);
    p.x -= o.x;
    p.y -= o.y;
    WPARAM keys = 0;
    if (t.keyState[VK_LBUTTON] & 0x80) keys |= MK_LBUTTON;
    if (t.keyState[VK_RBUTTON] & 0x80) keys |= MK_RBUTTON;
    if (t.keyState[VK_MBUTTON] & 0x80) keys |= MK_MBUTTON;
    if (t.keyState[VK_SHIFT] & 0x80) keys |= MK_SHIFT;
    if (t.keyState[VK_CONTROL] & 0x80) keys |= MK_CONTROL;
    PostMessage(w->handle, WM_MOUSEHOVER, keys, MAKELPARAM(p.x, p.y));
}

} // namespace

void Activate(Window* top, WORD how) {
    if (!top || !IsTopLevel(top) || top->messageOnly) return;
    ThreadState& t = Thread();
    const HWND hwnd = top->handle;
    const HWND old = t.active;
    if (old == hwnd) return;
    if (Window* o = Find(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        if ((o = Find(old)))
            SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, o->minimized ? 1 : 0),
                        reinterpret_cast<LPARAM>(hwnd));
    }
    if (!(top = Find(hwnd))) return;
    if (!t.appActive) {
        t.appActive = true;
        SendActivateApp(TRUE);
        if (!(top = Find(hwnd))) return;
    }
    t.active = hwnd;
    t.foreground = hwnd;
    if (top->displayId && HasCurrentDisplay() && top->Visible()) CurrentDisplay().RaiseWindow(top->displayId);
    MoveInZOrder(top, HWND_TOP);
    SendMessage(hwnd, WM_NCACTIVATE, TRUE, 0);
    if ((top = Find(hwnd)))
        SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, top->minimized ? 1 : 0),
                    reinterpret_cast<LPARAM>(old));
}

void DeactivateApp() {
    ThreadState& t = Thread();
    const HWND old = t.active;
    if (Window* o = Find(old)) {
        SendMessage(old, WM_NCACTIVATE, FALSE, 0);
        if ((o = Find(old))) SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, o->minimized ? 1 : 0), 0);
    }
    t.active = nullptr;
    t.foreground = nullptr;
    if (t.focus) {
        if (Window* f = Find(t.focus))
            if (Window* top = TopLevelOf(f)) top->lastFocus = t.focus;
        SetFocus(nullptr);
    }
    if (t.appActive) {
        t.appActive = false;
        SendActivateApp(FALSE);
    }
}

void DropFocusWithin(Window* w, bool toParent) {
    ThreadState& t = Thread();
    Window* focus = Find(t.focus);
    if (!focus || !Within(w, focus)) return;
    Window* parent = (toParent && w->IsChild()) ? w->parent : nullptr;
    SetFocus(parent && !parent->destroying ? parent->handle : nullptr);
}

} // namespace win::wm

namespace win {

using namespace wm;

HWND SetFocus(HWND hwnd) {
    ThreadState& t = Thread();
    const HWND old = t.focus;
    if (!hwnd) {
        if (old) {
            SendMessage(old, WM_KILLFOCUS, 0, 0);
            if (t.focus == old) t.focus = nullptr;
        }
        return old;
    }
    Window* w = FindOrFail(hwnd);
    if (!w || w == Desktop()) return nullptr;
    if (hwnd == old) return old;
    Window* top = TopLevelOf(w);
    if (top && t.active != top->handle) {
        Activate(top, WA_ACTIVE);
        if (!(w = Find(hwnd))) return nullptr;
        if (t.focus == hwnd) return old;
    }
    const HWND previous = t.focus;
    if (previous) {
        SendMessage(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
        // A handler that moved the focus elsewhere has the last word.
        if (t.focus != previous) return previous;
        if (!(w = Find(hwnd))) {
            t.focus = nullptr;
            return previous;
        }
    }
    t.focus = hwnd;
    if ((top = TopLevelOf(w))) top->lastFocus = hwnd;
    SendMessage(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus() {
    return Find(Thread().focus) ? Thread().focus : nullptr;
}

HWND GetActiveWindow() {
    return Find(Thread().active) ? Thread().active : nullptr;
}

HWND SetActiveWindow(HWND hwnd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    Window* top = TopLevelOf(w);
    if (!top || top->Disabled()) return nullptr;
    const HWND old = GetActiveWindow();
    Activate(top, WA_ACTIVE);
    return old;
}

HWND SetCapture(HWND hwnd) {
    ThreadState& t = Thread();
    const HWND old = Find(t.capture) ? t.capture : nullptr;
    Window* w = Find(hwnd);
    if (!w) return old;
    if (old == hwnd) return old;
    t.capture = hwnd;
    if (old) SendMessage(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture() {
    ThreadState& t = Thread();
    const HWND old = t.capture;
    if (!old) return TRUE;
    t.capture = nullptr;
    if (Find(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() {
    return Find(Thread().capture) ? Thread().capture : nullptr;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme) {
    if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ThreadState& t = Thread();
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = 0;
        tme->hwndTrack = nullptr;
        if (t.trackLeave) {
            tme->dwFlags |= TME_LEAVE | (t.trackLeaveNonClient ? TME_NONCLIENT : 0);
            tme->hwndTrack = t.trackLeave;
        }
        if (t.trackHover) {
            tme->dwFlags |= TME_HOVER;
            tme->hwndTrack = t.trackHover;
            tme->dwHoverTime = t.hoverTime;
        }
        return TRUE;
    }
    Window* w = FindOrFail(tme->hwndTrack);
    if (!w) return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if ((tme->dwFlags & TME_LEAVE) && t.trackLeave == tme->hwndTrack) t.trackLeave = nullptr;
        if ((tme->dwFlags & TME_HOVER) && t.trackHover == tme->hwndTrack) {
            t.trackHover = nullptr;
            KillSystemTimer(kHoverTimer);
        }
        return TRUE;
    }
    if (tme->dwFlags & TME_LEAVE) {
        // A window the pointer is not over hears at once that it has left.
        if (t.mouseWindow != tme->hwndTrack) {
            PostMessage(tme->hwndTrack, (tme->dwFlags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0,
                        0);
        } else {
            t.trackLeave = tme->hwndTrack;
            t.trackLeaveNonClient = (tme->dwFlags & TME_NONCLIENT) != 0;
        }
    }
    if (tme->dwFlags & TME_HOVER) {
        t.trackHover = tme->hwndTrack;
        t.hoverTime = tme->dwHoverTime == HOVER_DEFAULT ? 400 : std::max<DWORD>(tme->dwHoverTime, 1);
        SetSystemTimer(kHoverTimer, t.hoverTime, CheckHover);
    }
    return TRUE;
}

} // namespace win
