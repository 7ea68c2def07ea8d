// The colours and modes a context keeps for drawing: background and text colours, background mode, stretch
// mode and brush origin.
#include "platform/gdi/DC.h"
#include "platform/gdi/detail/DcStateAccess.h"

namespace win {

COLORREF SetBkColor(HDC hdc, COLORREF color) {
    return SetDcState(hdc, &DcState::bkColor, color, CLR_INVALID);
}

COLORREF GetBkColor(HDC hdc) {
    return GetDcState(hdc, &DcState::bkColor, CLR_INVALID);
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
    return SetDcState(hdc, &DcState::textColor, color, CLR_INVALID);
}

COLORREF GetTextColor(HDC hdc) {
    return GetDcState(hdc, &DcState::textColor, CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode) {
    return SetDcState(hdc, &DcState::bkMode, mode, 0, mode == TRANSPARENT || mode == OPAQUE);
}

int GetBkMode(HDC hdc) {
    return GetDcState(hdc, &DcState::bkMode, 0);
}

int SetStretchBltMode(HDC hdc, int mode) {
    return SetDcState(hdc, &DcState::stretchMode, mode, 0, mode >= BLACKONWHITE && mode <= HALFTONE);
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
