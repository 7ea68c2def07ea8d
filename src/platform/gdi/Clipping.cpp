// The application's clip region of a context (device coordinates) and the queries on the effective clip.
#include "platform/gdi/Clipping.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"

namespace win {

namespace {

int EffectiveType(const DeviceContext& dc) {
    return RegionType(dc.Clip());
}

RECT DeviceRect(const DeviceContext& dc, int left, int top, int right, int bottom) {
    const RECT r = NormalizedRect(left, top, right, bottom);
    return dc.ToDevice(r);
}

// The clip that the combining calls start from when the application has set none: everything the context can
// touch.
Region& ApplicationClip(DeviceContext& dc) {
    if (!dc.state.hasClip) {
        dc.state.clip = dc.systemClip;
        dc.state.hasClip = true;
    }
    return dc.state.clip;
}

} // namespace

int SelectClipRgn(HDC hdc, HRGN region) {
    return ExtSelectClipRgn(hdc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC hdc, HRGN handle, int mode) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return ERROR;
    if (mode < RGN_AND || mode > RGN_COPY) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return ERROR;
    }
    if (!handle) {
        if (mode != RGN_COPY) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return ERROR;
        }
        dc->state.hasClip = false;
        dc->state.clip.Clear();
        dc->UpdateClip();
        return EffectiveType(*dc);
    }
    const RegionObject* region = FindGdi<RegionObject>(handle);
    if (!region) {
        SetLastError(ERROR_INVALID_HANDLE);
        return ERROR;
    }
    if (mode == RGN_COPY) {
        dc->state.clip = region->region;
        dc->state.hasClip = true;
    } else {
        Region& clip = ApplicationClip(*dc);
        switch (mode) {
        case RGN_AND:
            clip.Intersect(region->region);
            break;
        case RGN_OR:
            clip.Union(region->region);
            break;
        case RGN_DIFF:
            clip.Subtract(region->region);
            break;
        default: { // RGN_XOR
            Region added = region->region;
            added.Subtract(clip);
            clip.Subtract(region->region);
            clip.Union(added);
            break;
        }
        }
    }
    dc->UpdateClip();
    return EffectiveType(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return ERROR;
    const RECT r = DeviceRect(*dc, left, top, right, bottom);
    if (dc->state.hasClip) {
        dc->state.clip.IntersectRect(r);
    } else {
        dc->state.clip = Region(r);
        dc->state.hasClip = true;
    }
    dc->UpdateClip();
    return EffectiveType(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return ERROR;
    ApplicationClip(*dc).SubtractRect(DeviceRect(*dc, left, top, right, bottom));
    dc->UpdateClip();
    return EffectiveType(*dc);
}

int GetClipBox(HDC hdc, RECT* box) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || !box) return ERROR;
    const Region& clip = dc->Clip();
    if (clip.Empty()) {
        *box = RECT{};
        return NULLREGION;
    }
    RECT b = clip.Bounds();
    // Surface to device, then device to logical.
    const LONG dx = -dc->surfaceOrigin.x - dc->state.viewportOrg.x + dc->state.windowOrg.x;
    const LONG dy = -dc->surfaceOrigin.y - dc->state.viewportOrg.y + dc->state.windowOrg.y;
    *box = RectOffset(b, dx, dy);
    return EffectiveType(*dc);
}

int GetClipRgn(HDC hdc, HRGN handle) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return -1;
    RegionObject* region = FindGdi<RegionObject>(handle);
    if (!region) {
        SetLastError(ERROR_INVALID_HANDLE);
        return -1;
    }
    if (!dc->state.hasClip) return 0;
    region->region = dc->state.clip;
    return 1;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || !rect) return FALSE;
    RECT r = DeviceRect(*dc, rect->left, rect->top, rect->right, rect->bottom);
    r = RectOffset(r, dc->surfaceOrigin.x, dc->surfaceOrigin.y);
    return dc->Clip().Intersects(r) ? TRUE : FALSE;
}

} // namespace win
