// Memory contexts, the life of every context, saved states, origins and device capabilities.
#include "platform/gdi/DC.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/StockObjects.h"
#include "platform/system/LastError.h"

namespace win {

std::unique_ptr<DeviceContext> NewDeviceContext(DcKind kind) {
    auto dc = std::make_unique<DeviceContext>();
    dc->kind = kind;
    SelectDefaultObjects(*dc);
    return dc;
}

HDC RegisterDeviceContext(std::unique_ptr<DeviceContext> dc) {
    DeviceContext* raw = dc.get();
    raw->UpdateClip();
    HDC hdc = AddDeviceContext(std::move(dc));
    RetainStateObjects(hdc, raw->state);
    return hdc;
}

bool DestroyDeviceContext(HDC hdc) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) return false;
    for (const DcState& s : dc->saved) ReleaseStateObjects(hdc, s);
    ReleaseStateObjects(hdc, dc->state);
    DeviceContexts().Remove(hdc);
    return true;
}

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !FindDCOrFail(hdc)) return nullptr;
    auto dc = NewDeviceContext(DcKind::Memory);
    const auto* bitmap = FindGdi<BitmapObject>(StockDefaultBitmap());
    if (!bitmap) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    dc->state.bitmap = StockDefaultBitmap();
    AttachBitmapSurface(*dc, *bitmap);
    return RegisterDeviceContext(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (dc->kind == DcKind::Window) return FALSE; // window contexts go back through ReleaseDC
    return DestroyDeviceContext(hdc) ? TRUE : FALSE;
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    RetainStateObjects(hdc, dc->state);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int savedDc) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    const long long depth = static_cast<long long>(dc->saved.size());
    // Positive: an absolute level as SaveDC returned it; negative: counted back from the latest.
    const long long target = savedDc > 0 ? savedDc - 1 : depth + savedDc;
    if (savedDc == 0 || target < 0 || target >= depth) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const HGDIOBJ oldBitmap = dc->state.bitmap;
    ReleaseStateObjects(hdc, dc->state);
    for (long long i = depth - 1; i > target; --i)
        ReleaseStateObjects(hdc, dc->saved[static_cast<std::size_t>(i)]);
    // The target state's references move to the current state as they are.
    dc->state = dc->saved[static_cast<std::size_t>(target)];
    dc->saved.resize(static_cast<std::size_t>(target));
    if (dc->state.bitmap != oldBitmap) {
        if (const auto* bitmap = FindGdi<BitmapObject>(dc->state.bitmap)) AttachBitmapSurface(*dc, *bitmap);
    }
    dc->UpdateClip();
    return TRUE;
}

namespace {

BOOL SetOrigin(HDC hdc, POINT DcState::*field, int x, int y, POINT* previous, bool relative) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    POINT& origin = dc->state.*field;
    if (previous) *previous = origin;
    origin = relative ? POINT{origin.x + x, origin.y + y} : POINT{x, y};
    return TRUE;
}

BOOL GetOrigin(HDC hdc, POINT DcState::*field, POINT* origin) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || !origin) return FALSE;
    *origin = dc->state.*field;
    return TRUE;
}

} // namespace

BOOL SetViewportOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::viewportOrg, x, y, previous, false);
}
BOOL SetWindowOrgEx(HDC hdc, int x, int y, POINT* previous) {
    return SetOrigin(hdc, &DcState::windowOrg, x, y, previous, false);
}
BOOL GetWindowOrgEx(HDC hdc, POINT* origin) {
    return GetOrigin(hdc, &DcState::windowOrg, origin);
}

BOOL LPtoDP(HDC hdc, POINT* points, int count) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || (count > 0 && !points)) return FALSE;
    for (int i = 0; i < count; ++i) points[i] = dc->ToDevice(points[i]);
    return TRUE;
}

int GetDeviceCaps(HDC hdc, int index) {
    if (!FindDCOrFail(hdc)) return 0;
    // Every context reports the display's format, as the platform does: a memory context holding a one-bit
    // bitmap still says 32 bits per pixel, so callers that choose halftoning by depth keep the plain copy.
    const int dpi = ScreenDpi();
    switch (index) {
    case DRIVERVERSION:
        return 0x4000;
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZSIZE:
        return ScreenWidth() * 254 / (dpi * 10);
    case VERTSIZE:
        return ScreenHeight() * 254 / (dpi * 10);
    case HORZRES:
        return ScreenWidth();
    case VERTRES:
        return ScreenHeight();
    case BITSPIXEL:
        return kScreenBitsPerPixel;
    case PLANES:
        return 1;
    case NUMBRUSHES:
    case NUMPENS:
    case NUMCOLORS:
        return -1;
    case NUMFONTS:
        return 0;
    case CLIPCAPS:
        return CP_RECTANGLE;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    case ASPECTX:
    case ASPECTY:
        return 36;
    case ASPECTXY:
        return 51;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return dpi;
    case SIZEPALETTE:
    case NUMRESERVED:
        return 0;
    case COLORRES:
        return 24;
    default:
        return 0;
    }
}

} // namespace win
