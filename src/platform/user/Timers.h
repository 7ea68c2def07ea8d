// Window timers on the GUI thread (WM_TIMER or a TIMERPROC) and the tick count, both on the display's clock:
// real time on a screen, a virtual clock that tests advance on the headless display.
#pragma once

#include "platform/win/types.h"

namespace win {

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

constexpr UINT USER_TIMER_MINIMUM = 10;
constexpr UINT USER_TIMER_MAXIMUM = 0x7FFFFFFF;

// With a window: the timer is (window, id), and setting it again replaces it. Without one: a new id is
// returned. A due timer produces one WM_TIMER when the queue holds nothing more urgent (missed ticks do not
// pile up); its lParam is the TIMERPROC, which DispatchMessage then calls instead of the window procedure.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc);
BOOL KillTimer(HWND hwnd, UINT_PTR id);

// Milliseconds on the display's clock.
DWORD GetTickCount();

} // namespace win
