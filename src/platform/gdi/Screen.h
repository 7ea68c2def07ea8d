// The screen: its size, depth and density, its 32-bit surface, and the contexts of GetDC/GetDCEx/ReleaseDC.
// Window contexts come from the window manager through a provider hook registered at start-up.
#pragma once

#include "platform/gdi/Surface.h"
#include "platform/win/types.h"

#include <memory>

namespace win {

// GetDCEx flags.
constexpr DWORD DCX_WINDOW = 0x00000001;
constexpr DWORD DCX_CACHE = 0x00000002;
constexpr DWORD DCX_NORESETATTRS = 0x00000004;
constexpr DWORD DCX_CLIPCHILDREN = 0x00000008;
constexpr DWORD DCX_CLIPSIBLINGS = 0x00000010;
constexpr DWORD DCX_PARENTCLIP = 0x00000020;
constexpr DWORD DCX_EXCLUDERGN = 0x00000040;
constexpr DWORD DCX_INTERSECTRGN = 0x00000080;
constexpr DWORD DCX_LOCKWINDOWUPDATE = 0x00000400;
constexpr DWORD DCX_VALIDATE = 0x00200000;

constexpr int kDefaultScreenWidth = 1920;
constexpr int kDefaultScreenHeight = 1080;
constexpr int kScreenBitsPerPixel = 32;

int ScreenWidth();
int ScreenHeight();
// Changes the screen's size (the display backend at start-up, or tests). The screen surface is made anew on
// next use; contexts already made keep drawing on the old one.
void SetScreenSize(int width, int height);

// Pixels per logical inch: 96 unless GLYPHLOOM_DPI names a value between 48 and 960.
int ScreenDpi();
void SetScreenDpi(int dpi); // 0 goes back to the environment's value

// The screen's 32-bit surface, made on first use.
std::shared_ptr<Surface> ScreenSurface();

// Hooks of the window manager: make a context for a window (flags as GetDCEx; the region as GetDCEx's), and
// take one back (ReleaseDC's result). Without a provider GetDC of a window fails.
using WindowDcProvider = HDC (*)(HWND window, HRGN clip, DWORD flags);
using WindowDcRelease = int (*)(HWND window, HDC hdc);
void SetWindowDcProvider(WindowDcProvider provide, WindowDcRelease release);

HDC GetDC(HWND window);
HDC GetDCEx(HWND window, HRGN clip, DWORD flags);
int ReleaseDC(HWND window, HDC hdc);

} // namespace win
