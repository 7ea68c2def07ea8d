// The window tree: parents, owners, z-order walks, enumeration and finding windows by point, id or name.
#include "platform/system/LastError.h"
#include "platform/user/Input.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>
#include <unistd.h>

namespace win {

namespace {

constexpr DWORD ERROR_CONTROL_ID_NOT_FOUND_USER = 1421;

bool Contains(const Window* w, POINT clientOfParent) {
    return RectContains(w->rect, clientOfParent.x, clientOfParent.y);
}

bool IsDescendant(const Window* ancestor, const Window* w) {
    for (const Window* a = w ? w->parent : nullptr; a; a = a->parent)
        if (a == ancestor) return true;
    return false;
}

void Collect(const Window* w, std::vector<HWND>& out) {
    for (const Window* c : w->children) {
        out.push_back(c->handle);
        Collect(c, out);
    }
}

// The deepest visible, enabled window under a screen point below `w` (w itself when no child is there).
Window* DeepestAt(Window* w, POINT screen) {
    const POINT origin = wm::ClientScreenOrigin(w);
    const POINT p{screen.x - origin.x, screen.y - origin.y};
    if (w->parent &&
        !RectContains(RECT{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top}, p.x,
                      p.y))
        return w;
    for (Window* c : w->children) {
        if (!c->Visible() || c->Disabled() || c->messageOnly || c->minimized || !Contains(c, p)) continue;
        return DeepestAt(c, screen);
    }
    return w;
}

} // namespace

HWND GetDesktopWindow() {
    return wm::Desktop()->handle;
}

HWND GetParent(HWND hwnd) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return nullptr;
    if (w->IsChild()) return w->parent ? w->parent->handle : nullptr;
    return w->owner;
}

HWND SetParent(HWND hwnd, HWND newParent) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || w == wm::Desktop()) return nullptr;
    Window* target = newParent ? wm::FindOrFail(newParent) : wm::Desktop();
    if (!target) return nullptr;
    if (target == w || IsDescendant(w, target)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    Window* old = w->parent;
    const HWND oldHandle = old ? old->handle : nullptr;
    if (old == target) return oldHandle;
    const bool visible = w->Visible();
    if (visible) ShowWindow(hwnd, SW_HIDE);
    if (!(w = wm::Find(hwnd)) || !(target = newParent ? wm::Find(newParent) : wm::Desktop()))
        return oldHandle;
    old = w->parent;
    if (old) {
        auto& list = old->children;
        list.erase(std::remove(list.begin(), list.end(), w), list.end());
    }
    const bool wasTop = old && !old->parent;
    w->parent = target;
    if (!target->parent) {
        target->children.insert(target->children.begin(), w);
    } else {
        target->children.insert(target->children.begin(), w);
        if (wasTop && w->displayId && HasCurrentDisplay()) {
            CurrentDisplay().DestroyWindow(w->displayId);
            w->displayId = 0;
            w->surface.reset();
        }
    }
    if (!target->parent && !w->displayId) {
        wm::EnsureSurface(w);
        DisplayWindowSpec desc;
        desc.title = w->text;
        desc.clientRect = RectOffset(wm::ContentRect(w), w->rect.left, w->rect.top);
        desc.popup = true;
        w->displayId = CurrentDisplay().CreateWindow(desc);
    }
    wm::RefreshWindowDcs();
    if (visible) ShowWindow(hwnd, SW_SHOWNA);
    return oldHandle == wm::Desktop()->handle ? nullptr : oldHandle;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !w->parent) return nullptr;
    switch (flags) {
    case GA_PARENT:
        return w->parent->handle;
    case GA_ROOT:
        return wm::TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
        Window* top = wm::TopLevelOf(w);
        while (Window* owner = wm::Find(top->owner)) top = owner;
        return top->handle;
    }
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT cmd) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->children.empty() ? nullptr : w->children.front()->handle;
    if (cmd == GW_OWNER) return w->IsChild() ? nullptr : w->owner;
    if (cmd == GW_ENABLEDPOPUP) {
        for (Window* top : wm::Desktop()->children)
            if (top->owner == hwnd && top->Visible() && !top->Disabled()) return top->handle;
        return nullptr;
    }
    if (!w->parent) return nullptr;
    const auto& list = w->parent->children;
    auto it = std::find(list.begin(), list.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST:
        return list.front()->handle;
    case GW_HWNDLAST:
        return list.back()->handle;
    case GW_HWNDNEXT:
        return (it == list.end() || it + 1 == list.end()) ? nullptr : (*(it + 1))->handle;
    case GW_HWNDPREV:
        return (it == list.begin() || it == list.end()) ? nullptr : (*(it - 1))->handle;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

HWND GetDlgItem(HWND dialog, int id) {
    Window* w = wm::FindOrFail(dialog);
    if (!w) return nullptr;
    for (Window* c : w->children)
        if (c->id == id) return c->handle;
    SetLastError(ERROR_CONTROL_ID_NOT_FOUND_USER);
    return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
    Window* w = wm::FindOrFail(hwnd);
    return (w && w->IsChild()) ? static_cast<int>(w->id) : 0;
}

HWND FindWindow(LPCSTR className, LPCSTR windowName) {
    for (Window* top : wm::Desktop()->children) {
        if (top->messageOnly) continue;
        if (className && GetClassNameString(top->handle) != className) continue;
        if (windowName && top->text != windowName) continue;
        return top->handle;
    }
    return nullptr;
}

BOOL EnumWindows(WNDENUMPROC proc, LPARAM lParam) {
    if (!proc) return FALSE;
    std::vector<HWND> tops;
    for (Window* top : wm::Desktop()->children)
        if (!top->messageOnly) tops.push_back(top->handle);
    for (HWND h : tops)
        if (wm::Find(h) && !proc(h, lParam)) return FALSE;
    return TRUE;
}

BOOL IsChild(HWND parent, HWND hwnd) {
    Window* p = wm::Find(parent);
    Window* w = wm::Find(hwnd);
    if (!p || !w) return FALSE;
    for (Window* a = w; a && a->IsChild(); a = a->parent)
        if (a->parent == p) return TRUE;
    return FALSE;
}

HWND WindowFromPoint(POINT screen) {
    for (Window* top : wm::Desktop()->children) {
        if (!top->Visible() || top->minimized || top->messageOnly) continue;
        if (!RectContains(top->rect, screen.x, screen.y)) continue;
        return DeepestAt(top, screen)->handle;
    }
    return nullptr;
}

} // namespace win
