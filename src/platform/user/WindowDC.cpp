// Device contexts on windows: the visible region of a window on its top-level surface, the provider behind
// GetDC and GetDCEx, GetWindowDC, BeginPaint/EndPaint, and keeping handed-out contexts in step with the
// windows.
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Screen.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <algorithm>

namespace win::wm {

namespace {

struct DcRecord {
    HDC hdc = nullptr;
    HWND hwnd = nullptr;
    bool whole = false;
    bool clipChildren = false;
    bool clipSiblings = false;
    bool hasRestrict = false;
    Region restrict; // device coordinates: the paint region, or GetDCEx's region
};

std::vector<DcRecord>& Records() {
    static std::vector<DcRecord> records;
    return records;
}

DcRecord* FindRecord(HDC hdc) {
    for (DcRecord& r : Records())
        if (r.hdc == hdc) return &r;
    return nullptr;
}

// A window's rectangle in its top-level surface's coordinates.
RECT SurfaceRect(const Window* w) {
    const POINT o = SurfaceOrigin(w);
    return RECT{o.x, o.y, o.x + w->Width(), o.y + w->Height()};
}

void SubtractHigherSiblings(Region& region, const Window* w) {
    for (const Window* sibling : w->parent->children) {
        if (sibling == w) break;
        if (sibling->Visible()) region.SubtractRect(SurfaceRect(sibling));
    }
}

void ApplyRecord(const DcRecord& record) {
    DeviceContext* dc = FindDC(record.hdc);
    if (!dc) return;
    Window* w = Find(record.hwnd);
    Window* top = TopLevelOf(w);
    if (!w || !top || !top->surface) {
        dc->systemClip.Clear();
        dc->UpdateClip();
        return;
    }
    dc->surface = top->surface;
    const POINT o = SurfaceOrigin(w);
    dc->surfaceOrigin = record.whole ? o : POINT{o.x + w->client.left, o.y + w->client.top};
    dc->systemClip = VisibleRegion(w, record.whole, record.clipChildren, record.clipSiblings);
    if (record.hasRestrict) dc->systemClip.Intersect(record.restrict);
    dc->UpdateClip();
}

HDC ProvideDc(HWND hwnd, HRGN clip, DWORD flags) {
    Window* w = FindOrFail(hwnd);
    if (!w) return nullptr;
    if (w == Desktop()) return GetDCEx(nullptr, clip, flags & ~DCX_WINDOW);
    Region restrict;
    const Region* restrictPtr = nullptr;
    if (flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) {
        if (const RegionObject* r = FindGdi<RegionObject>(clip)) {
            // GetDCEx's region is in screen coordinates; the context's clip in device coordinates.
            const POINT origin = (flags & DCX_WINDOW) ? ScreenOrigin(w) : ClientScreenOrigin(w);
            Region device = r->region;
            device.Offset(-origin.x, -origin.y);
            if (flags & DCX_INTERSECTRGN) {
                restrict = device;
            } else {
                const RECT all = (flags & DCX_WINDOW) ? RECT{0, 0, w->Width(), w->Height()}
                                                      : RECT{0, 0, w->client.right - w->client.left,
                                                             w->client.bottom - w->client.top};
                restrict = Region(all);
                restrict.Subtract(device);
            }
            restrictPtr = & restrict;
        }
    }
    return MakeWindowDc(w, (flags & DCX_WINDOW) != 0, restrictPtr, flags, false);
}

int ReleaseDcHook(HWND, HDC hdc) {
    if (!FindRecord(hdc)) return 0;
    return ReleaseWindowDc(hdc) ? 1 : 0;
}

} // namespace

Region VisibleRegion(const Window* w, bool whole, bool clipChildren, bool clipSiblings) {
    Region region;
    if (!w || !w->parent) return region;
    // Every window below the top-level one must be shown; the top-level window draws on its own surface even
    // while hidden or minimised, so what was painted can still be read.
    for (const Window* a = w; a->parent && a->parent->parent; a = a->parent)
        if (!a->Visible()) return region;
    const POINT o = SurfaceOrigin(w);
    RECT start = whole ? RECT{0, 0, w->Width(), w->Height()} : w->client;
    region = Region(RectOffset(start, o.x, o.y));
    for (const Window* a = w->parent; a->parent && a->parent->parent; a = a->parent) {
        const POINT ao = SurfaceOrigin(a);
        region.IntersectRect(RectOffset(a->client, ao.x, ao.y));
    }
    if ((w->style & WS_CLIPCHILDREN) || clipChildren) {
        for (const Window* child : w->children)
            if (child->Visible()) region.SubtractRect(SurfaceRect(child));
    }
    for (const Window* a = w; a->parent && a->parent->parent; a = a->parent) {
        const bool clip = (a->style & WS_CLIPSIBLINGS) || (a == w && clipSiblings);
        if (clip) SubtractHigherSiblings(region, a);
    }
    const POINT device = whole ? o : POINT{o.x + w->client.left, o.y + w->client.top};
    region.Offset(-device.x, -device.y);
    return region;
}

HDC MakeWindowDc(Window* w, bool whole, const Region* restrictDevice, DWORD flags, bool) {
    Window* top = TopLevelOf(w);
    if (!top) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    EnsureSurface(top);
    std::unique_ptr<DeviceContext> dc = NewDeviceContext(DcKind::Window);
    dc->window = w->handle;
    dc->windowWhole = whole;
    DcRecord record;
    record.hwnd = w->handle;
    record.whole = whole;
    record.clipChildren = (flags & DCX_CLIPCHILDREN) != 0;
    record.clipSiblings = (flags & DCX_CLIPSIBLINGS) != 0;
    if (restrictDevice) {
        record.hasRestrict = true;
        record.restrict = *restrictDevice;
    }
    HDC hdc = RegisterDeviceContext(std::move(dc));
    if (!hdc) return nullptr;
    record.hdc = hdc;
    ApplyRecord(record);
    Records().push_back(std::move(record));
    return hdc;
}

bool ReleaseWindowDc(HDC hdc) {
    auto& records = Records();
    auto it = std::find_if(records.begin(), records.end(), [&](const DcRecord& r) { return r.hdc == hdc; });
    if (it == records.end()) return false;
    if (DeviceContext* dc = FindDC(hdc)) {
        Window* w = Find(it->hwnd);
        if (Window* top = TopLevelOf(w); top && dc->surface == top->surface)
            MarkDirtySurface(top, dc->Clip().Bounds());
    }
    records.erase(it);
    DestroyDeviceContext(hdc);
    return true;
}

void RefreshWindowDcs() {
    for (const DcRecord& r : Records()) ApplyRecord(r);
}

void InstallDcProvider() {
    SetWindowDcProvider(ProvideDc, ReleaseDcHook);
}

namespace {

// No window context left unreleased.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    for (const DcRecord& r : Records()) DestroyDeviceContext(r.hdc);
    Records().clear();
});

} // namespace

} // namespace win::wm

namespace win {

HDC GetWindowDC(HWND hwnd) {
    return GetDCEx(hwnd, nullptr, DCX_WINDOW | DCX_CACHE);
}

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w || !ps || w == wm::Desktop()) {
        if (w) SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    wm::CaretHideForPaint(hwnd);
    if (w->ncPaintPending) {
        w->ncPaintPending = false;
        SendMessage(hwnd, WM_NCPAINT, 1, 0);
        w = wm::Find(hwnd);
        if (!w) return nullptr;
    }
    // The whole update region is validated now; what the handler paints is the part inside the client area.
    Region paint = w->update;
    paint.IntersectRect(w->client);
    paint.Offset(-w->client.left, -w->client.top);
    w->update.Clear();
    w->internalPaint = false;
    const bool erase = w->erasePending;
    w->erasePending = false;
    w->inPaint = true;
    HDC hdc = wm::MakeWindowDc(w, false, &paint, 0, true);
    if (!hdc) {
        w->inPaint = false;
        return nullptr;
    }
    *ps = PAINTSTRUCT{};
    ps->hdc = hdc;
    ps->rcPaint = paint.Bounds();
    ps->fErase = FALSE;
    if (erase) ps->fErase = SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
    if (!ps) return FALSE;
    wm::ReleaseWindowDc(ps->hdc);
    if (Window* w = wm::Find(hwnd)) w->inPaint = false;
    wm::CaretShowAfterPaint(hwnd);
    return TRUE;
}

} // namespace win
