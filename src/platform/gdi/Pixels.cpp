// GetPixel, its row-wise companion, and SetPixel. GetPixel stays short because callers read whole pictures
// one pixel at a time: one handle lookup, the origin shift, a clip test and one read.
#include "platform/gdi/Pixels.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/detail/ColorRef.h"
#include "platform/system/LastError.h"

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
    const Surface& surface = *dc->surface;
    const bool oneBit = surface.BitCount() == 1;
    for (int i = 0; i < count; ++i) {
        int sx, sy;
        const std::int64_t px = std::int64_t(x) + i;
        if (px > INT32_MAX || !VisiblePoint(*dc, static_cast<int>(px), y, sx, sy)) {
            out[i] = CLR_INVALID;
        } else if (oneBit) {
            out[i] = surface.TableColors()[(surface.Row(sy)[sx >> 3] >> (7 - (sx & 7))) & 1u];
        } else {
            out[i] = surface.GetPixel(sx, sy);
        }
    }
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
