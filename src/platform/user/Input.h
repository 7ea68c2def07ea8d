// Keyboard and mouse: virtual-key codes, key state, focus, capture, mouse tracking and cursors.
//
// Characters: WM_CHAR (and WM_SYSCHAR) carry one whole character per message, its Unicode code point in
// wParam (never a UTF-16 surrogate half); text from an input method arrives the same way, one WM_CHAR per
// character. Controls append the character as UTF-8. lParam: repeat count in bits 0-15, scan code in bits
// 16-23, bit 24 for extended keys, bit 29 while Alt is held, bit 30 when the key was already down, bit 31 on
// release. On a screen with an input method, bit 28 of WM_KEYDOWN marks a key whose character arrives as text
// of its own; TranslateMessage then makes WM_CHAR only for control characters (Backspace, Tab, Enter, Escape,
// Ctrl+letter).
#pragma once

#include "platform/user/Messages.h"
#include "platform/win/KeyCodes.h"
#include "platform/win/types.h"

namespace win {

// Mouse-message key flags (wParam of mouse messages).
constexpr WPARAM MK_LBUTTON = 0x0001;
constexpr WPARAM MK_RBUTTON = 0x0002;
constexpr WPARAM MK_SHIFT = 0x0004;
constexpr WPARAM MK_CONTROL = 0x0008;
constexpr WPARAM MK_MBUTTON = 0x0010;
constexpr WPARAM MK_XBUTTON1 = 0x0020;
constexpr WPARAM MK_XBUTTON2 = 0x0040;

// One wheel notch.
constexpr int WHEEL_DELTA = 120;
constexpr UINT WHEEL_PAGESCROLL = 0xFFFFFFFF;
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM w) {
    return static_cast<SHORT>(HIWORD(w));
}
constexpr WORD GET_KEYSTATE_WPARAM(WPARAM w) {
    return LOWORD(w);
}

// Key state: the high bit (SHORT < 0) while down, the low bit for a toggled key (Caps Lock...).
// GetKeyState answers as of the message being handled.
SHORT GetKeyState(int virtualKey);
UINT MapVirtualKey(UINT code, UINT mapType);
constexpr UINT MAPVK_VK_TO_VSC = 0;
constexpr UINT MAPVK_VSC_TO_VK = 1;
constexpr UINT MAPVK_VK_TO_CHAR = 2;

// Focus and keyboard.
HWND SetFocus(HWND hwnd); // returns the window that had the focus; null with an error for a bad window
HWND GetFocus();

// Mouse capture.
HWND SetCapture(HWND hwnd);
BOOL ReleaseCapture();
HWND GetCapture();

// Mouse tracking.
constexpr DWORD TME_HOVER = 0x00000001;
constexpr DWORD TME_LEAVE = 0x00000002;
constexpr DWORD TME_NONCLIENT = 0x00000010;
constexpr DWORD TME_QUERY = 0x40000000;
constexpr DWORD TME_CANCEL = 0x80000000;
constexpr DWORD HOVER_DEFAULT = 0xFFFFFFFF;
struct TRACKMOUSEEVENT {
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};
BOOL TrackMouseEvent(TRACKMOUSEEVENT* tme);

// Double clicks: 500 ms and 4 x 4 pixels unless changed.
UINT GetDoubleClickTime();

// Cursor position and shape. System cursors are MAKEINTRESOURCE ids with a null instance.
inline LPCSTR MAKEINTRESOURCE(int id) {
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}
inline bool IS_INTRESOURCE(LPCSTR p) {
    return (reinterpret_cast<std::uintptr_t>(p) >> 16) == 0;
}
inline const LPCSTR IDC_ARROW = MAKEINTRESOURCE(32512);
inline const LPCSTR IDC_IBEAM = MAKEINTRESOURCE(32513);
inline const LPCSTR IDC_WAIT = MAKEINTRESOURCE(32514);
inline const LPCSTR IDC_CROSS = MAKEINTRESOURCE(32515);
inline const LPCSTR IDC_UPARROW = MAKEINTRESOURCE(32516);
inline const LPCSTR IDC_SIZE = MAKEINTRESOURCE(32640);
inline const LPCSTR IDC_ICON = MAKEINTRESOURCE(32641);
inline const LPCSTR IDC_SIZENWSE = MAKEINTRESOURCE(32642);
inline const LPCSTR IDC_SIZENESW = MAKEINTRESOURCE(32643);
inline const LPCSTR IDC_SIZEWE = MAKEINTRESOURCE(32644);
inline const LPCSTR IDC_SIZENS = MAKEINTRESOURCE(32645);
inline const LPCSTR IDC_SIZEALL = MAKEINTRESOURCE(32646);
inline const LPCSTR IDC_NO = MAKEINTRESOURCE(32648);
inline const LPCSTR IDC_HAND = MAKEINTRESOURCE(32649);
inline const LPCSTR IDC_APPSTARTING = MAKEINTRESOURCE(32650);
inline const LPCSTR IDC_HELP = MAKEINTRESOURCE(32651);

// System cursors only: LoadCursor(nullptr, IDC_x). Other requests fail with ERROR_RESOURCE_NAME_NOT_FOUND.
HCURSOR LoadCursor(HINSTANCE instance, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor); // returns the previous cursor
HCURSOR GetCursor();
BOOL GetCursorPos(POINT* point);
// The window the pointer is over, as the last mouse input found it; null once the pointer has left all of the
// program's windows (where GetCursorPos keeps the last position over them).
HWND WindowUnderPointer();

} // namespace win
