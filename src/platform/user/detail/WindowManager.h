// Inside the window manager: the calls its parts make on each other (frames, positions, painting, surfaces,
// window contexts, focus, timers, the caret and input). Not for use outside src/platform/user.
#pragma once

#include "platform/display/Display.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Region.h"
#include "platform/user/detail/WindowObject.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace win::wm {

// --- Frames (NonClient.cpp) ---
// Thickness of the non-client area on each side (left, top, right, bottom) for a style, frame, caption, edges
// and scroll bars included.
RECT NonClientInsets(DWORD style, DWORD exStyle, bool topLevel);
// The part the desktop draws itself for a top-level window on a screen: frame and caption.
RECT DecorationInsets(const Window* w);
// Where the real window's content lies in window coordinates (the window less the desktop's decoration).
RECT ContentRect(const Window* w);
LRESULT DefNcCalcSize(Window* w, WPARAM wParam, LPARAM lParam);
LRESULT DefNcHitTest(Window* w, POINT screen);
void DefNcPaint(Window* w, HRGN region);
RECT ScrollBarRect(const Window* w, bool vertical); // window coordinates; empty without the bar

// --- Size limits (DefWindowProc.cpp) ---
// The platform's defaults (maximized size and position, smallest and largest tracking size), then whatever
// the window's procedure changes in them when sent WM_GETMINMAXINFO.
MINMAXINFO QueryMinMaxInfo(HWND hwnd);

// --- Positions (WindowPos.cpp) ---
// Recomputes the client rectangle by WM_NCCALCSIZE for the window's current rectangle.
void RecalcClient(Window* w, bool sendParams);
void SyncDisplayWindow(Window* top);
void ApplyDisplayGeometry(Window* top, const RECT& contentOnScreen);
void MoveInZOrder(Window* w, HWND insertAfter);
void ActivateOtherThan(Window* leaving);

// --- Surfaces and presenting (Surfaces.cpp) ---
void EnsureSurface(Window* top);
void MarkDirtySurface(Window* top, const RECT& surfaceRect);
void PresentAll();
void PresentWindow(Window* top, const RECT& contentRect);

// --- Painting (PaintUpdate.cpp) ---
void Invalidate(Window* w, const Region& windowRegion, UINT flags);
Window* NextWindowToPaint(HWND filter);

// --- Window contexts (WindowDC.cpp) ---
Region VisibleRegion(const Window* w, bool whole, bool clipChildren, bool clipSiblings);
HDC MakeWindowDc(Window* w, bool whole, const Region* restrictDevice, DWORD flags, bool paint);
bool ReleaseWindowDc(HDC hdc);
void RefreshWindowDcs();
void InstallDcProvider();

// --- Focus, activation, capture (Focus.cpp) ---
void Activate(Window* top, WORD how);
void DeactivateApp();
void DropFocusWithin(Window* w, bool toParent);

// --- Timers (Timers.cpp) ---
// Internal timers of the window manager (caret blink, scroll-bar repeat, hover): callbacks, no messages.
void SetSystemTimer(std::uintptr_t key, UINT intervalMs, std::function<void()> callback);
void KillSystemTimer(std::uintptr_t key);
std::optional<std::uint64_t> NextTimerDue();
// The next due window or thread timer matching the filter as a WM_TIMER message (due system timers run
// first).
bool TakeDueTimer(HWND filter, bool remove, MSG& msg);
bool IsLiveTimerProc(HWND hwnd, UINT_PTR id, LPARAM proc);
void KillTimersOf(HWND hwnd);
std::uint64_t Now();

// --- Caret (Caret.cpp) ---
void CaretHideForPaint(HWND hwnd);
void CaretShowAfterPaint(HWND hwnd);
void CaretWindowDestroyed(HWND hwnd);

// --- Input (InputRouting.cpp, Keyboard.cpp) ---
void PollDisplay(); // takes waiting display events into the input queue
bool TakeInput(HWND filter, UINT filterMin, UINT filterMax, bool remove, MSG& msg);
void ClearInputState();
// The character of a key under the current key state (US layout); 0 when the key gives none.
char32_t KeyToChar(int virtualKey, bool* isSys);
void SetKeyDown(int virtualKey, bool down);
bool ScrollTrackingInput(const DisplayEvent& e, POINT screen); // scroll-bar tracking swallows mouse input
void StartScrollTracking(Window* w, bool vertical, POINT screen);
void CancelScrollTracking(HWND hwnd);
Window* WindowForDisplay(DisplayWindowId id);

// --- Message queue (MessageQueue.cpp) ---
void PostFront(const MSG& msg);
void ClearQueue();
bool InIdleHook();
void SetIdleHookInternal(std::function<void()> hook);

// --- Drawing helpers on contexts (UserDraw.cpp) ---
void FillSolid(DeviceContext& dc, const RECT& logical, COLORREF color);
void FillWithBrush(DeviceContext& dc, const RECT& logical, HBRUSH brush);
void InvertRect(DeviceContext& dc, const RECT& logical, DWORD mask);
// Classic 3-D edges: two one-pixel rings, outer then inner, each with a top-left and a bottom-right colour.
void DrawRing(DeviceContext& dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight);
// Alternating pixels of two colours (the classic scroll-bar track), aligned to the surface.
void FillChecker(DeviceContext& dc, const RECT& logical, COLORREF even, COLORREF odd);
COLORREF SysColor(int index);

// Clamps for coordinates and sizes the window manager accepts.
inline LONG ClampCoord(long long v) {
    return v < -32768 ? -32768 : (v > 32767 ? 32767 : static_cast<LONG>(v));
}
inline LONG ClampSize(long long v) {
    return v < 0 ? 0 : (v > 32767 ? 32767 : static_cast<LONG>(v));
}

} // namespace win::wm
