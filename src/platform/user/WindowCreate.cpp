// Creating and destroying windows, with the platform's message order: WM_GETMINMAXINFO, WM_NCCREATE,
// WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_PARENTNOTIFY, then showing; on destruction WM_DESTROY from
// the window down to its children, then WM_NCDESTROY from the children up.
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/Caret.h"
#include "platform/user/Icons.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Metrics.h"
#include "platform/user/detail/WindowClassRegistry.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win {

namespace {

constexpr DWORD ERROR_TLW_WITH_WSCHILD = 1406;

// Where the next top-level window without a place goes: new windows cascade a little from the screen's
// corner.
int g_cascade = 0;

RECT InitialRect(int x, int y, int width, int height, bool topLevel) {
    if (!topLevel) {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    } else {
        if (x == CW_USEDEFAULT) {
            x = y = 26 * (1 + g_cascade);
            g_cascade = (g_cascade + 1) % 8;
        }
        if (width == CW_USEDEFAULT) {
            width = GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
            height = GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
        }
    }
    const LONG left = wm::ClampCoord(x), top = wm::ClampCoord(y);
    return RECT{left, top, left + wm::ClampSize(width), top + wm::ClampSize(height)};
}

void ApplyMinMax(HWND hwnd, RECT& rect) {
    const MINMAXINFO info = wm::QueryMinMaxInfo(hwnd);
    const LONG width = std::clamp<LONG>(rect.right - rect.left, std::max<LONG>(0, info.ptMinTrackSize.x),
                                        std::max<LONG>(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
    const LONG height = std::clamp<LONG>(rect.bottom - rect.top, std::max<LONG>(0, info.ptMinTrackSize.y),
                                         std::max<LONG>(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
}

void CreateDisplayWindow(Window* w) {
    if (w->messageOnly) return;
    Display& display = CurrentDisplay();
    DisplayWindowSpec desc;
    desc.title = w->text;
    const RECT content = wm::ContentRect(w);
    desc.clientRect = RectOffset(content, w->rect.left, w->rect.top);
    desc.popup = RectEmpty(wm::DecorationInsets(w)) && (w->style & WS_CAPTION) != WS_CAPTION;
    desc.toolWindow = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    desc.topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    desc.resizable = (w->style & WS_THICKFRAME) != 0;
    if (Window* owner = wm::Find(w->owner)) desc.owner = owner->displayId;
    w->displayId = display.CreateWindow(desc);
    PresentWindowIcon(w->handle);
}

// Unlinks a window whose WM_CREATE failed or whose WM_NCCREATE refused, without the WM_DESTROY round.
void DiscardWindow(HWND hwnd) {
    if (Window* w = wm::Find(hwnd)) {
        w->destroying = true;
        SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    }
    Window* w = wm::Windows().Find(hwnd);
    if (!w) return;
    if (w->parent) {
        auto& list = w->parent->children;
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
    }
    if (w->displayId && HasCurrentDisplay()) CurrentDisplay().DestroyWindow(w->displayId);
    --w->cls->windowCount;
    w->destroyed = true;
    wm::Bury(wm::Windows().Remove(hwnd));
}

void SendDestroyDown(HWND hwnd) {
    SendMessage(hwnd, WM_DESTROY, 0, 0);
    Window* w = wm::Windows().Find(hwnd);
    if (!w) return;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND c : children) {
        Window* cw = wm::Find(c);
        if (!cw || cw->destroying) continue;
        cw->destroying = true;
        SendDestroyDown(c);
    }
}

void FreeUp(HWND hwnd) {
    Window* w = wm::Windows().Find(hwnd);
    if (!w) return;
    std::vector<HWND> children;
    for (Window* c : w->children) children.push_back(c->handle);
    for (HWND c : children) {
        if (Window* cw = wm::Windows().Find(c)) cw->destroying = true;
        FreeUp(c);
    }
    SendMessage(hwnd, WM_NCDESTROY, 0, 0);
    w = wm::Windows().Find(hwnd);
    if (!w) return;
    // Children created during the round above go too.
    while (!w->children.empty()) {
        HWND late = w->children.front()->handle;
        w->children.front()->destroying = true;
        FreeUp(late);
        w = wm::Windows().Find(hwnd);
        if (!w) return;
    }
    wm::OnWindowDestroyed(hwnd);
    if (w->parent) {
        auto& list = w->parent->children;
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
    }
    if (w->displayId && HasCurrentDisplay()) CurrentDisplay().DestroyWindow(w->displayId);
    w->displayId = 0;
    --w->cls->windowCount;
    w->destroyed = true;
    wm::Bury(wm::Windows().Remove(hwnd));
}

} // namespace

namespace wm {

void OnWindowDestroyed(HWND hwnd) {
    ThreadState& t = Thread();
    if (t.capture == hwnd) t.capture = nullptr;
    if (t.focus == hwnd) t.focus = nullptr;
    if (t.active == hwnd) t.active = nullptr;
    if (t.foreground == hwnd) t.foreground = nullptr;
    if (t.trackLeave == hwnd) t.trackLeave = nullptr;
    if (t.trackHover == hwnd) t.trackHover = nullptr;
    if (t.mouseWindow == hwnd) t.mouseWindow = nullptr;
    KillTimersOf(hwnd);
    CaretWindowDestroyed(hwnd);
    CancelScrollTracking(hwnd);
}

} // namespace wm

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param) {
    Window* desktop = wm::Desktop();
    wm::InstallDcProvider();
    auto cls = wm::FindClass(className);
    if (!cls) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    Window* parentWindow = desktop;
    HWND owner = nullptr;
    const bool messageOnly = parent == HWND_MESSAGE;
    if (style & WS_CHILD) {
        if (messageOnly || !parent) {
            SetLastError(ERROR_TLW_WITH_WSCHILD);
            return nullptr;
        }
        parentWindow = wm::FindOrFail(parent);
        if (!parentWindow) return nullptr;
    } else if (parent && !messageOnly) {
        Window* ownerWindow = wm::FindOrFail(parent);
        if (!ownerWindow) return nullptr;
        // The owner of a window is always a top-level window.
        if (Window* top = wm::TopLevelOf(ownerWindow)) owner = top->handle;
    }
    const bool topLevel = parentWindow == desktop;
    if (topLevel) {
        // Top-level windows always clip their siblings, and overlapped ones always have a caption.
        style |= WS_CLIPSIBLINGS;
        if (!(style & WS_POPUP)) style |= WS_CAPTION;
        if ((style & WS_THICKFRAME) || (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
            exStyle |= WS_EX_WINDOWEDGE;
    }

    auto object = std::make_unique<Window>();
    Window* w = object.get();
    w->cls = cls;
    w->proc = cls->proc;
    w->style = style & ~(WS_VISIBLE | WS_MAXIMIZE | WS_MINIMIZE);
    w->exStyle = exStyle;
    w->parent = parentWindow;
    w->owner = owner;
    w->instance = instance;
    w->messageOnly = messageOnly;
    w->id = (style & WS_CHILD) ? reinterpret_cast<LONG_PTR>(menu) : 0;
    w->extra.assign(static_cast<std::size_t>(cls->wndExtra), 0);
    w->rect = InitialRect(x, y, width, height, topLevel);
    w->client = RECT{0, 0, w->Width(), w->Height()};
    const HWND hwnd = HandleCast<HWND>(wm::Windows().Add(std::move(object)));
    w->handle = hwnd;
    ++cls->windowCount;
    if (topLevel)
        wm::MoveInZOrder(w, nullptr);
    else
        parentWindow->children.push_back(w);

    if (topLevel && ((style & WS_THICKFRAME) || !(style & WS_POPUP))) {
        ApplyMinMax(hwnd, w->rect);
        if (!(w = wm::Find(hwnd))) return nullptr;
    }
    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = (style & WS_CHILD) ? parent : owner;
    cs.x = w->rect.left;
    cs.y = w->rect.top;
    cs.cx = w->Width();
    cs.cy = w->Height();
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;
    if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
        DiscardWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!(w = wm::Find(hwnd))) return nullptr;
    wm::RecalcClient(w, false);
    if (!(w = wm::Find(hwnd))) return nullptr;
    if (topLevel) {
        wm::EnsureSurface(w);
        CreateDisplayWindow(w);
    }
    if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (wm::Find(hwnd)) DestroyWindow(hwnd);
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!(w = wm::Find(hwnd))) return nullptr;
    w->creating = false;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED,
                MAKELPARAM(w->client.right - w->client.left, w->client.bottom - w->client.top));
    if (!(w = wm::Find(hwnd))) return nullptr;
    SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left + w->client.left, w->rect.top + w->client.top));
    if (!(w = wm::Find(hwnd))) return nullptr;
    if ((style & WS_CHILD) && !(exStyle & WS_EX_NOPARENTNOTIFY))
        SendMessage(parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, static_cast<WORD>(w->id)),
                    reinterpret_cast<LPARAM>(hwnd));
    if (!wm::Find(hwnd)) return nullptr;
    if (style & WS_VISIBLE) {
        if (style & WS_MAXIMIZE)
            ShowWindow(hwnd, SW_SHOWMAXIMIZED);
        else if (style & WS_MINIMIZE)
            ShowWindow(hwnd, SW_SHOWMINIMIZED);
        else
            ShowWindow(hwnd, SW_SHOW);
    }
    return wm::Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return FALSE;
    if (w == wm::Desktop() || w->destroying) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    w->destroying = true;
    // Owned windows go first.
    std::vector<HWND> owned;
    for (Window* top : wm::Desktop()->children)
        if (top->owner == hwnd && !top->destroying) owned.push_back(top->handle);
    for (HWND o : owned) DestroyWindow(o);

    if ((w = wm::Find(hwnd)) && w->IsChild() && !(w->exStyle & WS_EX_NOPARENTNOTIFY) && w->parent)
        SendMessage(w->parent->handle, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, static_cast<WORD>(w->id)),
                    reinterpret_cast<LPARAM>(hwnd));
    if ((w = wm::Find(hwnd)) && w->Visible()) {
        wm::DropFocusWithin(w, true);
        if ((w = wm::Find(hwnd)))
            SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        if ((w = wm::Find(hwnd)) && wm::IsTopLevel(w)) wm::ActivateOtherThan(w);
    }
    if (!(w = wm::Find(hwnd))) return TRUE;
    wm::DropFocusWithin(w, true);
    if (wm::Thread().capture && (w = wm::Find(hwnd))) {
        Window* cap = wm::Find(wm::Thread().capture);
        for (Window* a = cap; a; a = a->parent)
            if (a == w) {
                ReleaseCapture();
                break;
            }
    }
    if (!wm::Find(hwnd)) return TRUE;
    SendDestroyDown(hwnd);
    FreeUp(hwnd);
    wm::RefreshWindowDcs();
    return TRUE;
}

namespace {

// Every window goes, top-level windows first.
const bool kWindowsReset = RegisterStateReset(ResetPhase::Windows, [] {
    std::vector<HWND> tops;
    for (Window* top : wm::Desktop()->children) tops.push_back(top->handle);
    for (HWND h : tops)
        if (wm::Find(h)) DestroyWindow(h);
});

// The next window without a place goes to the first place again.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { g_cascade = 0; });

} // namespace

} // namespace win
