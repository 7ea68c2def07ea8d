// Icons made from bitmaps, and what a window's icon becomes on the desktop: WM_SETICON on a top-level window
// hands the icon's pixels to the display, which shows them in the desktop's task bar and window list.
#pragma once

#include "platform/win/gdi_types.h"
#include "platform/win/types.h"

#include <cstdint>
#include <vector>

namespace win {

struct ICONINFO {
    BOOL fIcon = TRUE;
    DWORD xHotspot = 0;
    DWORD yHotspot = 0;
    HBITMAP hbmMask =
        nullptr; // 1 where the icon is transparent; may be null when the colour bitmap has alpha
    HBITMAP hbmColor = nullptr; // a 32-bit colour bitmap's alpha counts when any of it is non-zero
};

// The bitmaps stay the caller's: the icon keeps a copy of their pixels.
HICON CreateIconIndirect(const ICONINFO* info);

// --- For the other parts of the platform ---

// An icon's pixels: straight alpha, 0xAARRGGBB, rows top first. False for a handle that is no icon.
bool IconPixels(HICON icon, int& width, int& height, std::vector<std::uint32_t>& argb);
// WM_SETICON (ICON_BIG or ICON_SMALL): stores the icon, gives it to the display, returns the previous one.
LRESULT SetWindowIconMessage(HWND hwnd, WPARAM which, HICON icon);
LRESULT GetWindowIconMessage(HWND hwnd, WPARAM which);
// Gives a top-level window's real window its icon: its own, else its class's (the larger one first).
void PresentWindowIcon(HWND hwnd);

} // namespace win
