// Painting: update regions, WM_PAINT with BeginPaint/EndPaint, window device contexts and scrolling of
// pixels. Each top-level window keeps a retained surface of the whole window; child windows draw into it at
// their place, so a context on a window reads the pixels as last painted even when the window is covered or
// minimised.
#pragma once

#include "platform/gdi/Screen.h"
#include "platform/user/Messages.h"
#include "platform/win/types.h"

namespace win {

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint{};
    BOOL fRestore = FALSE;
    BOOL fIncUpdate = FALSE;
    BYTE rgbReserved[32] = {};
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// RedrawWindow flags.
constexpr UINT RDW_INVALIDATE = 0x0001;
constexpr UINT RDW_INTERNALPAINT = 0x0002;
constexpr UINT RDW_ERASE = 0x0004;
constexpr UINT RDW_VALIDATE = 0x0008;
constexpr UINT RDW_NOINTERNALPAINT = 0x0010;
constexpr UINT RDW_NOERASE = 0x0020;
constexpr UINT RDW_NOCHILDREN = 0x0040;
constexpr UINT RDW_ALLCHILDREN = 0x0080;
constexpr UINT RDW_UPDATENOW = 0x0100;
constexpr UINT RDW_ERASENOW = 0x0200;
constexpr UINT RDW_FRAME = 0x0400;
constexpr UINT RDW_NOFRAME = 0x0800;

// ScrollWindowEx flags.
constexpr UINT SW_SCROLLCHILDREN = 0x0001;
constexpr UINT SW_INVALIDATE = 0x0002;
constexpr UINT SW_ERASE = 0x0004;
constexpr UINT SW_SMOOTHSCROLL = 0x0010;

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps);

// GetDC, GetDCEx and ReleaseDC live with the drawing calls (gdi/Screen.h, they also serve the screen) and
// come here for a window. A window context covers the client area (DCX_WINDOW: the whole window), clipped to
// the visible part; WS_CLIPCHILDREN and WS_CLIPSIBLINGS take children and higher siblings out of it.
HDC GetWindowDC(HWND hwnd);

BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase); // hwnd null: every top-level window
BOOL GetUpdateRect(HWND hwnd, RECT* rect, BOOL erase);
BOOL UpdateWindow(HWND hwnd);
BOOL RedrawWindow(HWND hwnd, const RECT* update, HRGN updateRgn, UINT flags);

} // namespace win
