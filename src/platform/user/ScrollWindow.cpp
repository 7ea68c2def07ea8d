// Scrolling pixels: ScrollDC moves what a context shows, ScrollWindowEx does it for a window's client area
// and invalidates what was uncovered. Only pixels that are visible move; the rest is repainted.
#include "platform/gdi/Clipping.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"
#include "platform/user/Caret.h"
#include "platform/user/Paint.h"
#include "platform/user/detail/WindowManager.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace win {

namespace {

// Moves the pixels of `area` (logical) by (dx, dy) inside the context's clip and `clip`; `uncovered` receives
// the part of area ∩ clip (logical coordinates) that did not get pixels.
void ScrollPixels(DeviceContext& dc, int dx, int dy, const RECT& area, const RECT& clip, Region& uncovered) {
    const LONG ox = dc.ToSurfaceX(0), oy = dc.ToSurfaceY(0);
    const RECT areaS = RectOffset(area, ox, oy);
    const RECT clipS = RectOffset(clip, ox, oy);
    Region visible = dc.Clip();
    Region source = visible;
    source.IntersectRect(areaS);
    Region dest = source;
    dest.Offset(dx, dy);
    dest.IntersectRect(clipS);
    dest.IntersectRect(areaS);
    dest.Intersect(visible);
    Region target(RectIntersection(areaS, clipS));
    target.Intersect(visible);
    if (dc.surface && !dest.Empty()) {
        Surface& s = *dc.surface;
        // Copy the source block first, so that overlapping moves read unchanged pixels.
        const RECT from =
            RectIntersection(RectOffset(dest.Bounds(), -dx, -dy), RECT{0, 0, s.Width(), s.Height()});
        const LONG w = from.right - from.left, h = from.bottom - from.top;
        if (w > 0 && h > 0) {
            const bool raw32 = s.BitCount() == 32 && !s.BitFields();
            std::vector<std::uint32_t> copy(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
            for (LONG y = 0; y < h; ++y) {
                std::uint32_t* row = copy.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(w);
                if (raw32)
                    std::memcpy(row, s.Row(from.top + y) + from.left * 4, static_cast<std::size_t>(w) * 4);
                else
                    for (LONG x = 0; x < w; ++x) row[x] = s.GetPixel(from.left + x, from.top + y);
            }
            for (const RECT& r : dest.Rects()) {
                // Every destination pixel's source lies inside the copied block.
                for (LONG y = r.top; y < r.bottom; ++y) {
                    const LONG sy = y - dy - from.top;
                    const LONG sx = r.left - dx - from.left;
                    if (sy < 0 || sy >= h || sx < 0 || sx + (r.right - r.left) > w) continue;
                    const std::uint32_t* src =
                        copy.data() + static_cast<std::size_t>(sy) * static_cast<std::size_t>(w) + sx;
                    if (raw32)
                        std::memcpy(s.Row(y) + r.left * 4, src,
                                    static_cast<std::size_t>(r.right - r.left) * 4);
                    else
                        for (LONG x = r.left; x < r.right; ++x) s.SetPixel(x, y, src[x - r.left]);
                }
            }
        }
    }
    target.Subtract(dest);
    target.Offset(-ox, -oy);
    uncovered = target;
}

void Report(const Region& uncovered, HRGN updateRgn, RECT* update) {
    if (RegionObject* r = FindGdi<RegionObject>(updateRgn)) r->region = uncovered;
    if (update) *update = uncovered.Bounds();
}

} // namespace

BOOL ScrollDC(HDC hdc, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn, RECT* update) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    dx = wm::ClampCoord(dx);
    dy = wm::ClampCoord(dy);
    // Without a rectangle the whole of what the context can show scrolls.
    const RECT all = RectOffset(dc->Clip().Bounds(), -dc->ToSurfaceX(0), -dc->ToSurfaceY(0));
    const RECT area = scroll ? *scroll : all;
    const RECT limit = clip ? *clip : all;
    Region uncovered;
    ScrollPixels(*dc, dx, dy, area, limit, uncovered);
    if (dc->kind == DcKind::Window)
        if (Window* w = wm::Find(dc->window)) wm::MarkDirty(w, RECT{0, 0, w->Width(), w->Height()});
    Report(uncovered, updateRgn, update);
    return TRUE;
}

int ScrollWindowEx(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip, HRGN updateRgn,
                   RECT* update, UINT flags) {
    Window* w = wm::FindOrFail(hwnd);
    if (!w) return ERROR;
    dx = wm::ClampCoord(dx);
    dy = wm::ClampCoord(dy);
    const RECT client{0, 0, w->client.right - w->client.left, w->client.bottom - w->client.top};
    const RECT area = scroll ? RectIntersection(*scroll, client) : client;
    const RECT limit = clip ? RectIntersection(*clip, client) : client;
    HideCaret(hwnd);
    Region uncovered;
    HDC hdc = wm::MakeWindowDc(w, false, nullptr, 0, false);
    if (DeviceContext* dc = FindDC(hdc)) ScrollPixels(*dc, dx, dy, area, limit, uncovered);
    wm::ReleaseWindowDc(hdc);
    if (!(w = wm::Find(hwnd))) return ERROR;
    // What was waiting to be painted inside the area moves with the pixels.
    Region pending = w->update;
    const RECT areaW = RectOffset(area, w->client.left, w->client.top);
    pending.IntersectRect(areaW);
    if (!pending.Empty()) {
        w->update.SubtractRect(areaW);
        pending.Offset(dx, dy);
        pending.IntersectRect(RectOffset(limit, w->client.left, w->client.top));
        w->update.Union(pending);
        wm::NotePaintPending();
    }
    if (flags & SW_SCROLLCHILDREN) {
        std::vector<HWND> children;
        for (Window* c : w->children)
            if (!scroll || !RectEmpty(RectIntersection(c->rect, *scroll))) children.push_back(c->handle);
        for (HWND c : children) {
            RECT r;
            Window* cw = wm::Find(c);
            if (!cw) continue;
            r = cw->rect;
            SetWindowPos(c, nullptr, r.left + dx, r.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        }
    }
    if ((flags & SW_INVALIDATE) && !uncovered.Empty() && (w = wm::Find(hwnd))) {
        Region windowRegion = uncovered;
        windowRegion.Offset(w->client.left, w->client.top);
        wm::Invalidate(w, windowRegion,
                       RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0) |
                           ((flags & SW_SCROLLCHILDREN) ? RDW_ALLCHILDREN : 0));
    }
    ShowCaret(hwnd);
    Report(uncovered, updateRgn, update);
    return RegionType(uncovered);
}

BOOL ScrollWindow(HWND hwnd, int dx, int dy, const RECT* scroll, const RECT* clip) {
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr,
                          SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN)) != ERROR;
}

} // namespace win
