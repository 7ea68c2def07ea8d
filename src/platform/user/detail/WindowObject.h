// Inside the window manager: the objects behind HWNDs and window classes, the window table and the state of
// the one GUI thread (focus, capture, activation). Not for use outside src/platform/user.
#pragma once

#include "platform/display/Display.h"
#include "platform/gdi/Region.h"
#include "platform/gdi/Surface.h"
#include "platform/system/HandleTable.h"
#include "platform/user/Messages.h"
#include "platform/user/ScrollBars.h"
#include "platform/user/Windows.h"
#include "platform/win/types.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace win {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON iconSmall = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    std::vector<BYTE> extra;
    int windowCount = 0;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    Window* parent = nullptr;      // the desktop for top-level windows; null only for the desktop
    std::vector<Window*> children; // z-order, topmost first
    HWND owner = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<BYTE> extra;
    std::vector<std::pair<std::string, HANDLE>> props;

    // Geometry: the window's rectangle in its parent's client coordinates (screen coordinates for top-level
    // windows), and the client rectangle in the window's own coordinates (relative to its top-left corner).
    RECT rect{};
    RECT client{};

    // Painting: the update region in window coordinates, and what BeginPaint still owes.
    Region update;
    bool erasePending = false;
    bool ncPaintPending = false;
    bool internalPaint = false;
    bool inPaint = false;

    bool maximized = false;
    bool minimized = false;
    RECT normalRect{}; // the restored rectangle while maximised or minimised
    bool destroying = false;
    bool destroyed = false;
    bool creating = true;
    bool redrawOff = false;   // WM_SETREDRAW FALSE
    bool messageOnly = false; // created with HWND_MESSAGE as parent: never shown

    ScrollBarState hScroll;
    ScrollBarState vScroll;

    // Top-level windows only: the retained pixels of the whole window and the real window showing them.
    std::shared_ptr<Surface> surface;
    DisplayWindowId displayId = 0;
    RECT dirty{};             // window coordinates, not yet presented
    HWND lastFocus = nullptr; // the focus to give back when this top-level window is activated again
    HICON icon = nullptr;     // WM_SETICON's, not owned
    HICON iconSmall = nullptr;

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Disabled() const { return (style & WS_DISABLED) != 0; }
    LONG Width() const { return rect.right - rect.left; }
    LONG Height() const { return rect.bottom - rect.top; }
};

namespace wm {

HandleTable<Window>& Windows();
// The window behind a handle; null for null, stale and foreign handles and for windows already destroyed.
Window* Find(HWND hwnd);
// As Find, and sets ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* FindOrFail(HWND hwnd);
Window* Desktop();
bool IsTopLevel(const Window* w);
// A top-level window that shows without taking the activation or the keyboard: a pop-up without a caption
// that belongs to another window (a drop-down list, a menu), or any window marked WS_EX_NOACTIVATE (a hint).
bool ShowsWithoutActivation(const Window* top);
Window*
TopLevelOf(Window* w); // the top-level window holding w (w itself when top-level); null for the desktop

// The window's origin in screen coordinates, and its client origin.
POINT ScreenOrigin(const Window* w);
POINT ClientScreenOrigin(const Window* w);
// Where the window's top-left corner lies on its top-level window's retained surface.
POINT SurfaceOrigin(const Window* w);

// Visible: the window and each ancestor below the desktop have WS_VISIBLE.
bool IsVisibleChain(const Window* w);
// Enabled: the window and its top-level window are enabled.
bool IsEnabledChain(const Window* w);

// Calls the window procedure. The window objects of windows destroyed meanwhile stay allocated until the
// outermost call returns, so callers may look at them (their `destroyed` flag) but must not rely on their
// links.
LRESULT CallProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
void Bury(std::unique_ptr<Window> w);
void CollectGarbage();
int CallDepth();

struct ThreadState {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND foreground = nullptr;
    bool appActive = false;
    HWND trackLeave = nullptr; // TrackMouseEvent(TME_LEAVE)
    bool trackLeaveNonClient = false;
    HWND trackHover = nullptr;
    DWORD hoverTime = 400;
    std::uint64_t hoverDue = 0;
    HWND mouseWindow = nullptr; // the window the pointer is over
    POINT cursorPos{};          // screen
    BYTE keyState[256] = {};
    int quitCode = 0;
    bool quitPosted = false;
};
ThreadState& Thread();

// Hooks run when a window goes away, so that other parts drop what they hold of it (timers, caret, DCs...).
void OnWindowDestroyed(HWND hwnd);

} // namespace wm
} // namespace win
