// The colours and modes a context keeps for drawing: background and text colours, background mode, stretch
// mode and brush origin.
#include "platform/gdi/DC.h"

#include "platform/system/LastError.h"

namespace win {

namespace {

template <class T> T Exchange(T& slot, T value) {
    T old = slot;
    slot = value;
    return old;
}

} // namespace

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? Exchange(dc->state.bkColor, color) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? Exchange(dc->state.textColor, color) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return 0;
    if (mode != TRANSPARENT && mode != OPAQUE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(dc->state.bkMode, mode);
}

int GetBkMode(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? dc->state.bkMode : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return 0;
    if (mode < BLACKONWHITE || mode > HALFTONE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return Exchange(dc->state.stretchMode, mode);
}

int GetStretchBltMode(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    return dc ? dc->state.stretchMode : 0;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (previous) *previous = dc->state.brushOrg;
    dc->state.brushOrg = POINT{x, y};
    return TRUE;
}

BOOL GetBrushOrgEx(HDC hdc, POINT* origin) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->state.brushOrg;
    return TRUE;
}

} // namespace win
