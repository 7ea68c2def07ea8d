// Device contexts: memory contexts, saving and restoring state, coordinate origins, device capabilities and
// the attributes that drawing calls read (colours, modes, brush origin).
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/win/gdi_types.h"

#include <memory>

namespace win {

// GetDeviceCaps indexes not listed with the records.
constexpr int DRIVERVERSION = 0;
constexpr int TECHNOLOGY = 2;
constexpr int NUMBRUSHES = 16;
constexpr int NUMPENS = 18;
constexpr int NUMFONTS = 22;
constexpr int ASPECTX = 40;
constexpr int ASPECTY = 42;
constexpr int ASPECTXY = 44;
constexpr int CLIPCAPS = 36;
constexpr int SHADEBLENDCAPS = 120;
constexpr int DT_RASDISPLAY = 1;
constexpr int CP_RECTANGLE = 1;

HDC CreateCompatibleDC(HDC hdc);
BOOL DeleteDC(HDC hdc);
int SaveDC(HDC hdc);
BOOL RestoreDC(HDC hdc, int savedDc);

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC hdc, POINT* origin);
BOOL LPtoDP(HDC hdc, POINT* points, int count);

int GetDeviceCaps(HDC hdc, int index);

COLORREF SetBkColor(HDC hdc, COLORREF color);
COLORREF GetBkColor(HDC hdc);
COLORREF SetTextColor(HDC hdc, COLORREF color);
COLORREF GetTextColor(HDC hdc);
int SetBkMode(HDC hdc, int mode);
int GetBkMode(HDC hdc);
int SetStretchBltMode(HDC hdc, int mode);
BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC hdc, POINT* origin);

// --- For the other parts of the platform (window contexts, drawing code) ---

// A new context in its default state: stock pen, brush, font and palette selected, no clip. The caller sets
// the surface, its origin and the system clip, then registers it.
std::unique_ptr<DeviceContext> NewDeviceContext(DcKind kind);
// Enters a context in the handle table (the objects of its state count as selected) with its clip computed.
HDC RegisterDeviceContext(std::unique_ptr<DeviceContext> dc);
// Releases what the context and its saved states have selected and removes it; false for a bad handle.
bool DestroyDeviceContext(HDC hdc);

} // namespace win
