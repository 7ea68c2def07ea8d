// GetPixel, its row-wise companion, and SetPixel. GetPixel stays short because callers read whole pictures
// one pixel at a time: one handle lookup, the origin shift, a clip test and one read.
#include "platform/gdi/Pixels.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/detail/ColorRef.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstdint>

namespace win {

namespace {

// Looked up once: GetPixel is called once per pixel of whole pictures.
HandleTable<DeviceContext>& g_contexts = DeviceContexts();

// The surface point of a logical point when the context may touch it. Inline: this is most of GetPixel's
// work.
inline bool VisiblePoint(const DeviceContext& dc, int x, int y, int& sx, int& sy) {
    const std::int64_t px =
        std::int64_t(x) - dc.state.windowOrg.x + dc.state.viewportOrg.x + dc.surfaceOrigin.x;
    const std::int64_t py =
        std::int64_t(y) - dc.state.windowOrg.y + dc.state.viewportOrg.y + dc.surfaceOrigin.y;
    const Region& clip = dc.Clip();
    if (clip.IsSingleRect()) {
        const RECT& r = clip.Rects().front();
        if (px < r.left || px >= r.right || py < r.top || py >= r.bottom) return false;
    } else if (px < INT32_MIN || px > INT32_MAX || py < INT32_MIN || py > INT32_MAX ||
               !clip.Contains(static_cast<LONG>(px), static_cast<LONG>(py))) {
        return false;
    }
    sx = static_cast<int>(px);
    sy = static_cast<int>(py);
    return true;
}

} // namespace

COLORREF GetPixel(HDC hdc, int x, int y) {
    const DeviceContext* dc = g_contexts.Find(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return CLR_INVALID;
    }
    int sx, sy;
    if (!VisiblePoint(*dc, x, y, sx, sy)) return CLR_INVALID;
    const Surface& surface = *dc->surface;
    if (surface.BitCount() == 1) { // the one-bit pictures that conversions scan pixel by pixel
        const BYTE* row = surface.Row(sy);
        return surface.TableColors()[(row[sx >> 3] >> (7 - (sx & 7))) & 1u];
    }
    return surface.GetPixel(sx, sy);
}

BOOL GetPixelRow(HDC hdc, int x, int y, int count, COLORREF* out) {
    const DeviceContext* dc = g_contexts.Find(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!out || count < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const Region& clip = dc->Clip();
    if (!clip.IsSingleRect()) {
        for (int i = 0; i < count; ++i) {
            const std::int64_t px = std::int64_t(x) + i;
            out[i] = px > INT32_MAX ? CLR_INVALID : GetPixel(hdc, static_cast<int>(px), y);
        }
        return TRUE;
    }
    // One clip rectangle: the visible stretch of the row is worked out once, then read straight.
    const std::int64_t dx =
        std::int64_t(x) - dc->state.windowOrg.x + dc->state.viewportOrg.x + dc->surfaceOrigin.x;
    const std::int64_t py =
        std::int64_t(y) - dc->state.windowOrg.y + dc->state.viewportOrg.y + dc->surfaceOrigin.y;
    const RECT& r = clip.Rects().front();
    std::int64_t first = 0, last = 0; // the visible stretch [first, last) of the indices
    if (py >= r.top && py < r.bottom) {
        first = std::clamp<std::int64_t>(r.left - dx, 0, count);
        last = std::clamp<std::int64_t>(r.right - dx, first, count);
    }
    std::fill(out, out + first, CLR_INVALID);
    std::fill(out + last, out + count, CLR_INVALID);
    const Surface& surface = *dc->surface;
    const int sy = static_cast<int>(py);
    if (surface.BitCount() == 1 && first < last) {
        const BYTE* row = surface.Row(sy);
        const COLORREF* table = surface.TableColors();
        for (std::int64_t i = first; i < last; ++i) {
            const auto sx = static_cast<std::size_t>(dx + i);
            out[i] = table[(row[sx >> 3] >> (7 - (sx & 7))) & 1u];
        }
        return TRUE;
    }
    for (std::int64_t i = first; i < last; ++i) out[i] = surface.GetPixel(static_cast<int>(dx + i), sy);
    return TRUE;
}

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return CLR_INVALID;
    }
    int sx, sy;
    if (!VisiblePoint(*dc, x, y, sx, sy)) return CLR_INVALID;
    Surface& surface = *dc->surface;
    const std::uint32_t raw = surface.Encode(ResolveColorRef(*dc, color));
    surface.SetPixelIndex(sx, sy, raw);
    return surface.Decode(raw);
}

BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color) {
    return SetPixel(hdc, x, y, color) != CLR_INVALID ? TRUE : FALSE;
}

} // namespace win
