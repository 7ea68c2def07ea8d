// Sending and posting messages, the GUI thread's queue and the message loop.
// There is one GUI thread: posted messages, input, WM_PAINT and WM_TIMER all come from its queue.
#pragma once

#include "platform/user/Messages.h"
#include "platform/win/types.h"

namespace win {

// PeekMessage flags.
constexpr UINT PM_NOREMOVE = 0x0000;
constexpr UINT PM_REMOVE = 0x0001;
constexpr UINT PM_NOYIELD = 0x0002;

// GetQueueStatus / MsgWaitForMultipleObjects kinds.
constexpr UINT QS_KEY = 0x0001;
constexpr UINT QS_MOUSEMOVE = 0x0002;
constexpr UINT QS_MOUSEBUTTON = 0x0004;
constexpr UINT QS_POSTMESSAGE = 0x0008;
constexpr UINT QS_TIMER = 0x0010;
constexpr UINT QS_PAINT = 0x0020;
constexpr UINT QS_SENDMESSAGE = 0x0040;
constexpr UINT QS_MOUSE = QS_MOUSEMOVE | QS_MOUSEBUTTON;
constexpr UINT QS_INPUT = QS_MOUSE | QS_KEY;
constexpr UINT QS_ALLINPUT = QS_INPUT | QS_POSTMESSAGE | QS_TIMER | QS_PAINT | QS_SENDMESSAGE;

// SendMessageTimeout flags.
constexpr UINT SMTO_NORMAL = 0x0000;
constexpr UINT SMTO_BLOCK = 0x0001;
constexpr UINT SMTO_ABORTIFHUNG = 0x0002;

// Sends straight to the window procedure and returns its result; 0 with ERROR_INVALID_WINDOW_HANDLE for a
// window that does not exist (never a crash, also for a window destroyed meanwhile).
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
BOOL PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam); // hwnd null: a thread message
void PostQuitMessage(int exitCode);

// GetMessage returns 0 for WM_QUIT, -1 on an error (a bad window filter), otherwise nonzero.
// On the headless display, a wait with nothing that could ever arrive (no input, no posted message, no timer)
// ends as if WM_QUIT had been posted, so a loop never hangs a test; headless::SetIdleHook can feed input
// first.
BOOL GetMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL TranslateMessage(const MSG* msg); // WM_KEYDOWN -> WM_CHAR posted, one per character (see Input.h)
LRESULT DispatchMessage(const MSG* msg);

// Registered messages: the same name gives the same number (0xC000..0xFFFF) for the life of the process.
UINT RegisterWindowMessage(LPCSTR name);

// Shows on the screen what was painted so far, at once: a loop that only peeks at messages never waits, and
// waiting is when painted windows are shown otherwise. Always TRUE.
BOOL GdiFlush();

// Runs every message that is waiting (posted, input, paint, due timers) without waiting, as a loop would.
// Returns false when WM_QUIT was met (it is posted again so that the caller's loop sees it too).
bool PumpWaitingMessages();

} // namespace win
