// The window table, the desktop window, coordinate helpers and the guarded call of window procedures.
#include "platform/display/Display.h"
#include "platform/gdi/Screen.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/detail/WindowObject.h"

namespace win::wm {

namespace {

std::vector<std::unique_ptr<Window>>& Graveyard() {
    static std::vector<std::unique_ptr<Window>> graveyard;
    return graveyard;
}

int g_callDepth = 0;

LRESULT DesktopProc(HWND, UINT msg, WPARAM, LPARAM) {
    // The desktop draws nothing and accepts no changes; it only anchors the tree and the screen's
    // coordinates.
    return msg == WM_NCCREATE ? TRUE : 0;
}

} // namespace

HandleTable<Window>& Windows() {
    static HandleTable<Window> table(HandleTag::Window);
    return table;
}

Window* Find(HWND hwnd) {
    Window* w = Windows().Find(hwnd);
    return (w && !w->destroyed) ? w : nullptr;
}

Window* FindOrFail(HWND hwnd) {
    Window* w = Find(hwnd);
    if (!w) SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return w;
}

Window* Desktop() {
    static Window* desktop = [] {
        auto w = std::make_unique<Window>();
        auto cls = std::make_shared<WindowClass>();
        cls->name = "#32769";
        cls->proc = DesktopProc;
        w->cls = cls;
        w->proc = DesktopProc;
        w->style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        w->creating = false;
        Window* raw = w.get();
        raw->handle = HandleCast<HWND>(Windows().Add(std::move(w)));
        return raw;
    }();
    // The screen can change size when the display is replaced.
    desktop->rect = RECT{0, 0, ScreenWidth(), ScreenHeight()};
    desktop->client = desktop->rect;
    return desktop;
}

bool IsTopLevel(const Window* w) {
    return w && w->parent && !w->parent->parent;
}

bool ShowsWithoutActivation(const Window* top) {
    if (!top) return false;
    const bool ownedPopup = (top->style & WS_POPUP) && (top->style & WS_CAPTION) != WS_CAPTION && top->owner;
    return ownedPopup || (top->exStyle & WS_EX_NOACTIVATE);
}

Window* TopLevelOf(Window* w) {
    if (!w || !w->parent) return nullptr;
    while (w->parent && w->parent->parent) w = w->parent;
    return w;
}

POINT ScreenOrigin(const Window* w) {
    POINT p{};
    while (w && w->parent) {
        p.x += w->rect.left;
        p.y += w->rect.top;
        w = w->parent;
        if (w->parent) {
            p.x += w->client.left;
            p.y += w->client.top;
        }
    }
    return p;
}

POINT ClientScreenOrigin(const Window* w) {
    POINT p = ScreenOrigin(w);
    if (w && w->parent) {
        p.x += w->client.left;
        p.y += w->client.top;
    }
    return p;
}

POINT SurfaceOrigin(const Window* w) {
    POINT p{};
    while (w && w->parent && w->parent->parent) {
        p.x += w->rect.left + w->parent->client.left;
        p.y += w->rect.top + w->parent->client.top;
        w = w->parent;
    }
    return p;
}

bool IsVisibleChain(const Window* w) {
    for (; w && w->parent; w = w->parent)
        if (!w->Visible()) return false;
    return w != nullptr;
}

bool IsEnabledChain(const Window* w) {
    if (!w || w->Disabled()) return false;
    const Window* top = TopLevelOf(const_cast<Window*>(w));
    return !top || !top->Disabled();
}

LRESULT CallProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!w || w->destroyed || !w->proc) return 0;
    ++g_callDepth;
    const LRESULT result = w->proc(w->handle, msg, wParam, lParam);
    --g_callDepth;
    if (g_callDepth == 0) CollectGarbage();
    return result;
}

void Bury(std::unique_ptr<Window> w) {
    if (!w) return;
    Graveyard().push_back(std::move(w));
    if (g_callDepth == 0) CollectGarbage();
}

void CollectGarbage() {
    if (g_callDepth != 0) return;
    auto& graveyard = Graveyard();
    while (!graveyard.empty()) {
        std::vector<std::unique_ptr<Window>> dead;
        dead.swap(graveyard);
    }
}

int CallDepth() {
    return g_callDepth;
}

ThreadState& Thread() {
    static ThreadState state;
    return state;
}

namespace {

// No focus, capture, activation or key state, no window waiting to be freed.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    Thread() = ThreadState{};
    g_callDepth = 0;
    CollectGarbage();
});

} // namespace

} // namespace win::wm
