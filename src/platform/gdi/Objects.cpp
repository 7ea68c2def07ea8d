// SelectObject, DeleteObject, GetObject and friends; which context holds which object, and objects deleted
// while still selected.
#include "platform/gdi/Objects.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/system/LastError.h"

#include <unordered_set>

namespace win {

namespace {

// Pens, brushes, fonts and palettes deleted while a context still held them: they go when the last one lets
// go.
std::unordered_set<const GdiObject*>& PendingDeletes() {
    static std::unordered_set<const GdiObject*> pending;
    return pending;
}

void Retain(HDC hdc, HGDIOBJ handle) {
    GdiObject* object = FindGdiObject(handle);
    if (!object) return;
    object->AddSelect();
    if (object->Kind() == GdiKind::Bitmap && !object->IsStock())
        static_cast<BitmapObject*>(object)->selectedInto = hdc;
}

void Release(HGDIOBJ handle) {
    GdiObject* object = FindGdiObject(handle);
    if (!object) return;
    object->ReleaseSelect();
    if (object->SelectCount() > 0) return;
    if (object->Kind() == GdiKind::Bitmap) static_cast<BitmapObject*>(object)->selectedInto = nullptr;
    auto& pending = PendingDeletes();
    if (pending.erase(object)) GdiObjects().Remove(handle);
}

HGDIOBJ SelectBitmap(HDC hdc, DeviceContext& dc, HGDIOBJ handle, BitmapObject& bitmap) {
    if (dc.kind != DcKind::Memory) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!bitmap.IsStock() && bitmap.selectedInto && bitmap.selectedInto != hdc) {
        SetLastError(ERROR_INVALID_PARAMETER); // a bitmap lives in one context at a time
        return nullptr;
    }
    const HGDIOBJ old = SwapSelectedObject(hdc, dc, &DcState::bitmap, handle);
    AttachBitmapSurface(dc, bitmap);
    return old;
}

} // namespace

HGDIOBJ SwapSelectedObject(HDC hdc, DeviceContext& dc, HGDIOBJ DcState::*slot, HGDIOBJ handle) {
    const HGDIOBJ old = dc.state.*slot;
    Retain(hdc, handle);
    dc.state.*slot = handle;
    Release(old);
    return old;
}

HBITMAP StockDefaultBitmap() {
    static HBITMAP handle = [] {
        auto bitmap = MakeDeviceBitmap(1, 1, true);
        if (!bitmap) return HBITMAP{};
        bitmap->MarkStock();
        return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
    }();
    return handle;
}

void RetainStateObjects(HDC hdc, const DcState& state) {
    for (HGDIOBJ h : {state.bitmap, state.pen, state.brush, state.font, state.palette}) Retain(hdc, h);
}

void ReleaseStateObjects(HDC, const DcState& state) {
    for (HGDIOBJ h : {state.bitmap, state.pen, state.brush, state.font, state.palette}) Release(h);
}

void AttachBitmapSurface(DeviceContext& dc, const BitmapObject& bitmap) {
    dc.surface = bitmap.surface;
    dc.surfaceOrigin = POINT{};
    dc.systemClip = dc.surface ? Region(RECT{0, 0, dc.surface->Width(), dc.surface->Height()}) : Region();
    dc.UpdateClip();
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ handle) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return nullptr;
    GdiObject* object = FindGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    switch (object->Kind()) {
    case GdiKind::Bitmap:
        return SelectBitmap(hdc, *dc, handle, *static_cast<BitmapObject*>(object));
    case GdiKind::Pen:
        return SwapSelectedObject(hdc, *dc, &DcState::pen, handle);
    case GdiKind::Brush:
        return SwapSelectedObject(hdc, *dc, &DcState::brush, handle);
    case GdiKind::Font:
        return SwapSelectedObject(hdc, *dc, &DcState::font, handle);
    case GdiKind::Region: {
        // The platform answers with the clip's complexity in place of an object.
        const int type = SelectClipRgn(hdc, static_cast<HRGN>(handle));
        if (type == ERROR) return HGDI_ERROR;
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(type));
    }
    case GdiKind::Palette:
        break; // palettes go through SelectPalette
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

BOOL DeleteObject(HGDIOBJ handle) {
    GdiObject* object = FindGdiObject(handle);
    if (!object) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (object->IsStock()) return TRUE;
    if (object->SelectCount() > 0) {
        if (object->Kind() == GdiKind::Bitmap) {
            SetLastError(ERROR_INVALID_PARAMETER); // still selected: its context would lose its pixels
            return FALSE;
        }
        PendingDeletes().insert(object);
        return TRUE;
    }
    PendingDeletes().erase(object);
    GdiObjects().Remove(handle);
    return TRUE;
}

int GetObject(HGDIOBJ handle, int size, void* buffer) {
    const GdiObject* object = FindGdiObject(handle);
    if (!object || PendingDeletes().count(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (size < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return object->GetObjectData(size, buffer);
}

DWORD GetObjectType(HGDIOBJ handle) {
    if (const DeviceContext* dc = DeviceContexts().Find(handle))
        return dc->kind == DcKind::Memory ? OBJ_MEMDC : OBJ_DC;
    const GdiObject* object = FindGdiObject(handle);
    if (!object || PendingDeletes().count(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    switch (object->Kind()) {
    case GdiKind::Bitmap:
        return OBJ_BITMAP;
    case GdiKind::Palette:
        return OBJ_PAL;
    case GdiKind::Pen:
        return OBJ_PEN;
    case GdiKind::Brush:
        return OBJ_BRUSH;
    case GdiKind::Font:
        return OBJ_FONT;
    case GdiKind::Region:
        return OBJ_REGION;
    }
    return 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return nullptr;
    switch (type) {
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_PAL:
        return dc->state.palette;
    case OBJ_BITMAP:
        return dc->state.bitmap;
    default:
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
}

} // namespace win
