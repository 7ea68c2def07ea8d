// Moving, sizing, z-order and showing of windows (SetWindowPos and everything built on it), and keeping the
// display's real windows in step with the top-level ones.
#include "platform/system/LastError.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace win::wm {

namespace {

constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

RECT ClientInParent(const Window* w) {
    return RectOffset(w->client, w->rect.left, w->rect.top);
}

void InvalidateParentArea(Window* w, const RECT& rectInParentClient) {
    Window* parent = w->parent;
    if (!parent || !parent->parent || RectEmpty(rectInParentClient)) return;
    Region area(RectOffset(rectInParentClient, parent->client.left, parent->client.top));
    Invalidate(parent, area, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

bool IsSibling(const Window* w, const Window* other) {
    return other && other->parent == w->parent && other != w;
}

} // namespace

void RecalcClient(Window* w, bool sendParams) {
    const HWND hwnd = w->handle;
    RECT r = w->rect;
    if (sendParams) {
        NCCALCSIZE_PARAMS params{};
        params.rgrc[0] = r;
        params.rgrc[1] = r;
        params.rgrc[2] = ClientInParent(w);
        SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
        r = params.rgrc[0];
    } else {
        SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&r));
    }
    w = Find(hwnd);
    if (!w) return;
    // Whatever a handler answers, the client area stays inside the window.
    RECT c = RectOffset(r, -w->rect.left, -w->rect.top);
    c.left = std::clamp<LONG>(c.left, 0, w->Width());
    c.top = std::clamp<LONG>(c.top, 0, w->Height());
    c.right = std::clamp<LONG>(c.right, c.left, w->Width());
    c.bottom = std::clamp<LONG>(c.bottom, c.top, w->Height());
    w->client = c;
}

void MoveInZOrder(Window* w, HWND insertAfter) {
    Window* parent = w->parent;
    if (!parent) return;
    auto& list = parent->children;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    const bool topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    // Top-level windows keep the topmost ones above the others.
    auto firstNonTopmost = [&] {
        auto it = list.begin();
        if (!parent->parent)
            while (it != list.end() && ((*it)->exStyle & WS_EX_TOPMOST)) ++it;
        return it;
    };
    Window* after = Find(insertAfter);
    if (insertAfter == HWND_BOTTOM) {
        list.push_back(w);
    } else if (IsSibling(w, after)) {
        auto it = std::find(list.begin(), list.end(), after);
        list.insert(it == list.end() ? it : it + 1, w);
    } else if (topmost || parent->parent) {
        list.insert(list.begin(), w);
    } else {
        list.insert(firstNonTopmost(), w);
    }
}

void SyncDisplayWindow(Window* top) {
    if (!top || !IsTopLevel(top) || !top->displayId || !HasCurrentDisplay()) return;
    Display& display = CurrentDisplay();
    const RECT content = ContentRect(top);
    const POINT origin = ScreenOrigin(top);
    display.SetWindowRect(top->displayId, RectOffset(content, origin.x, origin.y));
    DisplayShow show = DisplayShow::Hidden;
    if (top->Visible()) {
        if (top->minimized)
            show = DisplayShow::Minimized;
        else if (top->maximized)
            show = DisplayShow::Maximized;
        else
            show = ShowsWithoutActivation(top) ? DisplayShow::NormalNoActivate : DisplayShow::Normal;
    }
    display.ShowWindow(top->displayId, show);
}

void ApplyDisplayGeometry(Window* top, const RECT& contentOnScreen) {
    const RECT deco = DecorationInsets(top);
    const RECT wanted{contentOnScreen.left - deco.left, contentOnScreen.top - deco.top,
                      contentOnScreen.right + deco.right, contentOnScreen.bottom + deco.bottom};
    if (wanted == top->rect) return;
    SetWindowPos(top->handle, nullptr, wanted.left, wanted.top, wanted.right - wanted.left,
                 wanted.bottom - wanted.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ActivateOtherThan(Window* leaving) {
    ThreadState& t = Thread();
    if (t.active != leaving->handle) return;
    Window* next = Find(leaving->owner);
    if (!next || !next->Visible() || next->Disabled()) {
        next = nullptr;
        for (Window* top : Desktop()->children)
            if (top != leaving && top->Visible() && !top->Disabled() && !top->minimized && !top->destroying) {
                next = top;
                break;
            }
    }
    if (next)
        Activate(next, WA_ACTIVE);
    else
        DeactivateApp();
}

} // namespace win::wm

namespace win {

using namespace wm;

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    if (w == Desktop()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    WINDOWPOS pos{hwnd, insertAfter, ClampCoord(x), ClampCoord(y), ClampSize(cx), ClampSize(cy), flags};
    if (flags & SWP_NOMOVE) {
        pos.x = w->rect.left;
        pos.y = w->rect.top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = w->Width();
        pos.cy = w->Height();
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        w = Find(hwnd);
        if (!w) return FALSE;
        pos.x = ClampCoord(pos.x);
        pos.y = ClampCoord(pos.y);
        pos.cx = ClampSize(pos.cx);
        pos.cy = ClampSize(pos.cy);
    }
    const RECT oldRect = w->rect;
    const RECT oldClient = ClientInParent(w);
    const bool wasVisible = w->Visible();
    const RECT newRect{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
    const bool sized = (newRect.right - newRect.left != oldRect.right - oldRect.left) ||
                       (newRect.bottom - newRect.top != oldRect.bottom - oldRect.top);
    const bool moved = newRect.left != oldRect.left || newRect.top != oldRect.top;
    w->rect = newRect;
    if (sized || moved || (pos.flags & SWP_FRAMECHANGED)) {
        RecalcClient(w, true);
        w = Find(hwnd);
        if (!w) return FALSE;
    }
    if (!(pos.flags & SWP_NOZORDER)) MoveInZOrder(w, pos.hwndInsertAfter);
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~WS_VISIBLE;
    const bool nowVisible = w->Visible();

    const RECT newClient = ClientInParent(w);
    if (newClient.right - newClient.left == oldClient.right - oldClient.left &&
        newClient.bottom - newClient.top == oldClient.bottom - oldClient.top)
        pos.flags |= SWP_NOCLIENTSIZE;
    if (newClient.left == oldClient.left && newClient.top == oldClient.top) pos.flags |= SWP_NOCLIENTMOVE;

    if (IsTopLevel(w)) {
        EnsureSurface(w);
        SyncDisplayWindow(w);
    }
    if (!(pos.flags & SWP_NOREDRAW)) {
        const bool changed = sized || moved || (pos.flags & SWP_FRAMECHANGED) || wasVisible != nowVisible;
        if (nowVisible && (changed || (pos.flags & SWP_SHOWWINDOW)))
            Invalidate(w, Region(RECT{0, 0, w->Width(), w->Height()}),
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        if (wasVisible && (sized || moved || !nowVisible)) {
            // What the window covered before shows its parent (and lower siblings) again.
            Region uncovered(oldRect);
            if (nowVisible) uncovered.SubtractRect(w->rect);
            for (const RECT& r : uncovered.Rects()) InvalidateParentArea(w, r);
        }
    }
    RefreshWindowDcs();
    SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
    w = Find(hwnd);
    if (!w) return TRUE;
    if (IsTopLevel(w) && nowVisible && !wasVisible && !(pos.flags & SWP_NOACTIVATE) && !w->minimized)
        Activate(w, WA_ACTIVE);
    return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint) {
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL BringWindowToTop(HWND hwnd) {
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

int GetStartupShowCommand() {
    const char* v = std::getenv("GLYPHLOOM_SHOW");
    if (!v) return SW_SHOWNORMAL;
    const std::string s(v);
    if (s == "maximized" || s == "maximised") return SW_SHOWMAXIMIZED;
    if (s == "minimized" || s == "minimised") return SW_SHOWMINNOACTIVE;
    return SW_SHOWNORMAL;
}

namespace {

void SaveNormal(Window* w) {
    if (!w->minimized && !w->maximized) w->normalRect = w->rect;
}

void SendSizeState(HWND hwnd, WPARAM kind) {
    Window* w = Find(hwnd);
    if (!w) return;
    SendMessage(hwnd, WM_SIZE, kind,
                MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
}

BOOL Minimize(HWND hwnd, bool activate) {
    Window* w = Find(hwnd);
    const bool wasVisible = w->Visible();
    SaveNormal(w);
    if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = Find(hwnd))) return wasVisible;
    // The window keeps its size and pixels while minimised, so what was painted can still be read back.
    w->minimized = true;
    w->style = (w->style | WS_MINIMIZE) & ~WS_MAXIMIZE;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SendSizeState(hwnd, SIZE_MINIMIZED);
    if ((w = Find(hwnd))) {
        if (activate && IsTopLevel(w))
            Activate(w, WA_ACTIVE);
        else if (IsTopLevel(w))
            ActivateOtherThan(w);
    }
    return wasVisible;
}

BOOL Maximize(HWND hwnd) {
    Window* w = Find(hwnd);
    const bool wasVisible = w->Visible();
    SaveNormal(w);
    if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = Find(hwnd))) return wasVisible;
    RECT area;
    if (IsTopLevel(w)) {
        SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
        // The frame lies outside the work area, as on the platform; the caption stays inside.
        const RECT deco = DecorationInsets(w);
        const LONG frame = deco.left;
        area = RECT{area.left - frame, area.top - frame, area.right + frame, area.bottom + frame};
    } else {
        area = RECT{0, 0, w->parent->client.right - w->parent->client.left,
                    w->parent->client.bottom - w->parent->client.top};
    }
    w->maximized = true;
    w->minimized = false;
    w->style = (w->style | WS_MAXIMIZE) & ~WS_MINIMIZE;
    SetWindowPos(hwnd, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED);
    SendSizeState(hwnd, SIZE_MAXIMIZED);
    return wasVisible;
}

BOOL Restore(HWND hwnd, bool activate) {
    Window* w = Find(hwnd);
    const bool wasVisible = w->Visible();
    if (!wasVisible) SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
    if (!(w = Find(hwnd))) return wasVisible;
    const UINT noActivate = activate ? 0 : SWP_NOACTIVATE;
    if (w->minimized || w->maximized) {
        const bool wasMinimized = w->minimized;
        w->minimized = false;
        w->maximized = false;
        w->style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
        const RECT r = w->normalRect;
        if (!RectEmpty(r))
            SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                         SWP_NOZORDER | SWP_SHOWWINDOW | SWP_FRAMECHANGED | noActivate);
        else
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | noActivate);
        SendSizeState(hwnd, SIZE_RESTORED);
        if (wasMinimized && activate && (w = Find(hwnd)) && IsTopLevel(w)) Activate(w, WA_ACTIVE);
    } else {
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW | noActivate);
    }
    return wasVisible;
}

BOOL Hide(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w->Visible()) return FALSE;
    SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
    if (!(w = Find(hwnd))) return TRUE;
    DropFocusWithin(w, true);
    if (!(w = Find(hwnd))) return TRUE;
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if ((w = Find(hwnd)) && IsTopLevel(w)) ActivateOtherThan(w);
    return TRUE;
}

} // namespace

BOOL ShowWindow(HWND hwnd, int cmd) {
    Window* w = FindOrFail(hwnd);
    if (!w) return FALSE;
    if (w == Desktop()) return TRUE;
    if (cmd == SW_SHOWDEFAULT) cmd = GetStartupShowCommand();
    switch (cmd) {
    case SW_HIDE:
        return Hide(hwnd);
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
        return Minimize(hwnd, cmd == SW_SHOWMINIMIZED);
    case SW_SHOWMINNOACTIVE:
    case SW_FORCEMINIMIZE:
        return Minimize(hwnd, false);
    case SW_SHOWMAXIMIZED:
        return Maximize(hwnd);
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        return Restore(hwnd, true);
    case SW_SHOWNOACTIVATE:
        return Restore(hwnd, false);
    case SW_SHOW: {
        const bool wasVisible = w->Visible();
        if (wasVisible) return TRUE;
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        return FALSE;
    }
    case SW_SHOWNA: {
        const bool wasVisible = w->Visible();
        if (wasVisible) return TRUE;
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        return FALSE;
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
}

BOOL IsZoomed(HWND hwnd) {
    Window* w = Find(hwnd);
    return (w && w->maximized) ? TRUE : FALSE;
}

BOOL IsIconic(HWND hwnd) {
    Window* w = Find(hwnd);
    return (w && w->minimized) ? TRUE : FALSE;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) {
    Window* w = FindOrFail(hwnd);
    if (!w || !rect) return FALSE;
    const POINT o = ScreenOrigin(w);
    *rect = RECT{o.x, o.y, o.x + w->Width(), o.y + w->Height()};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, RECT* rect) {
    Window* w = FindOrFail(hwnd);
    if (!w || !rect) return FALSE;
    *rect = RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, POINT* point) {
    Window* w = FindOrFail(hwnd);
    if (!w || !point) return FALSE;
    const POINT o = ClientScreenOrigin(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, POINT* point) {
    Window* w = FindOrFail(hwnd);
    if (!w || !point) return FALSE;
    const POINT o = ClientScreenOrigin(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    POINT a{}, b{};
    if (from) {
        Window* w = FindOrFail(from);
        if (!w) return 0;
        a = ClientScreenOrigin(w);
    }
    if (to) {
        Window* w = FindOrFail(to);
        if (!w) return 0;
        b = ClientScreenOrigin(w);
    }
    const LONG dx = a.x - b.x, dy = a.y - b.y;
    if (points)
        for (UINT i = 0; i < count; ++i) {
            points[i].x += dx;
            points[i].y += dy;
        }
    SetLastError(ERROR_SUCCESS);
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL, DWORD exStyle) {
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Scroll bars are not part of the adjustment, as on the platform.
    const RECT in = NonClientInsets(style & ~(WS_VSCROLL | WS_HSCROLL), exStyle, !(style & WS_CHILD));
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    return TRUE;
}

} // namespace win
