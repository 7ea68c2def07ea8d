// BitBlt and StretchBlt: logical rectangles to surface rectangles, the colour rules each side asks for, and a
// private copy of the source when it is the destination's own surface.
#include "platform/gdi/Blit.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/detail/BlitEngine.h"
#include "platform/gdi/detail/ColorRef.h"
#include "platform/gdi/detail/PixelRows.h"
#include "platform/gdi/detail/RasterOps.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

// Extents beyond this are refused: no surface comes near it, and the sampling arithmetic stays exact.
constexpr std::int64_t kMaxExtent = std::int64_t(1) << 28;

std::int64_t SurfX(const DeviceContext& dc, std::int64_t x) {
    return x - dc.state.windowOrg.x + dc.state.viewportOrg.x + dc.surfaceOrigin.x;
}
std::int64_t SurfY(const DeviceContext& dc, std::int64_t y) {
    return y - dc.state.windowOrg.y + dc.state.viewportOrg.y + dc.surfaceOrigin.y;
}

// A logical span [v, v + extent) on the surface as a start and a positive length; flips when extent < 0.
void ToSurfaceSpan(std::int64_t a, std::int64_t b, std::int64_t& start, std::int64_t& length, bool& flipped) {
    flipped = b < a;
    start = std::min(a, b);
    length = flipped ? a - b : b - a;
}

bool IsMonoDdb(const DeviceContext& dc) {
    const BitmapObject* bitmap = SelectedBitmap(dc);
    return bitmap && IsMonochromeDdb(*bitmap);
}

// The part of the source context's surface that can be read: the surface, within what the context may touch.
RECT ReadableBounds(const DeviceContext& dc) {
    RECT b = RectOffset(dc.systemClip.Bounds(), dc.surfaceOrigin.x, dc.surfaceOrigin.y);
    return RectIntersection(b, RECT{0, 0, dc.surface->Width(), dc.surface->Height()});
}

// Copies the readable part of the source rectangle, for blits within one surface (scrolling).
std::unique_ptr<Surface> Snapshot(const Surface& s, BlitSpec& desc) {
    const RECT part{static_cast<LONG>(std::max<std::int64_t>(desc.sx, desc.srcBounds.left)),
                    static_cast<LONG>(std::max<std::int64_t>(desc.sy, desc.srcBounds.top)),
                    static_cast<LONG>(std::min<std::int64_t>(desc.sx + desc.sw, desc.srcBounds.right)),
                    static_cast<LONG>(std::min<std::int64_t>(desc.sy + desc.sh, desc.srcBounds.bottom))};
    if (RectEmpty(part)) return nullptr;
    const int w = part.right - part.left, h = part.bottom - part.top;
    auto copy = Surface::Create(w, h, s.BitCount(), s.TopDown(), s.BitFields(), s.Masks());
    if (!copy) return nullptr;
    if (s.HasColorTable()) copy->SetColorTable(s.ColorTable());
    std::vector<std::uint32_t> row(static_cast<std::size_t>(w));
    for (int y = 0; y < h; ++y) {
        ReadRawRow(s, part.top + y, part.left, w, row.data());
        WriteRawRow(*copy, y, 0, w, row.data());
    }
    desc.sx -= part.left;
    desc.sy -= part.top;
    desc.srcBounds = RECT{0, 0, w, h};
    return copy;
}

} // namespace

BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop) {
    DeviceContext* dst = FindDCOrFail(hdcDest);
    if (!dst) return FALSE;
    const bool usesSource = Rop3UsesSource(rop);
    DeviceContext* src = usesSource ? FindDCOrFail(hdcSrc) : nullptr;
    if (usesSource && !src) return FALSE;
    auto tooLarge = [](int v) { return v > kMaxExtent || v < -kMaxExtent; };
    if (tooLarge(wDest) || tooLarge(hDest) ||
        (usesSource && (tooLarge(wSrc) || tooLarge(hSrc) || !wSrc || !hSrc))) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (wDest == 0 || hDest == 0 || !dst->surface) return TRUE;
    if (usesSource && !src->surface) return TRUE;

    BlitSpec desc;
    desc.dst = dst;
    desc.rop = rop;
    ToSurfaceSpan(SurfX(*dst, xDest), SurfX(*dst, std::int64_t(xDest) + wDest), desc.dx, desc.dw,
                  desc.mirrorX);
    ToSurfaceSpan(SurfY(*dst, yDest), SurfY(*dst, std::int64_t(yDest) + hDest), desc.dy, desc.dh,
                  desc.mirrorY);
    desc.dstMonoDdb = IsMonoDdb(*dst);
    desc.dstText = ResolveColorRef(*dst, dst->state.textColor);
    desc.dstBk = ResolveColorRef(*dst, dst->state.bkColor);

    std::unique_ptr<Surface> snapshot;
    if (usesSource) {
        bool flipX = false, flipY = false;
        ToSurfaceSpan(SurfX(*src, xSrc), SurfX(*src, std::int64_t(xSrc) + wSrc), desc.sx, desc.sw, flipX);
        ToSurfaceSpan(SurfY(*src, ySrc), SurfY(*src, std::int64_t(ySrc) + hSrc), desc.sy, desc.sh, flipY);
        // Opposite signs of the two extents mirror the picture.
        desc.mirrorX = desc.mirrorX != flipX;
        desc.mirrorY = desc.mirrorY != flipY;
        desc.src = src->surface.get();
        desc.srcBounds = ReadableBounds(*src);
        desc.srcMonoDdb = IsMonoDdb(*src);
        // Compared with the source's pixels as the source holds colours (a 16-bit white is not 0xFFFFFF).
        const Surface& held = *src->surface;
        desc.srcBk = held.Decode(held.Encode(ResolveColorRef(*src, src->state.bkColor)));
        if (src->surface == dst->surface) {
            snapshot = Snapshot(*src->surface, desc);
            if (!snapshot) return TRUE; // nothing of the source is readable
            desc.src = snapshot.get();
        }
    }
    RunBlit(desc);
    return TRUE;
}

BOOL BitBlt(HDC hdcDest, int xDest, int yDest, int width, int height, HDC hdcSrc, int xSrc, int ySrc,
            DWORD rop) {
    return StretchBlt(hdcDest, xDest, yDest, width, height, hdcSrc, xSrc, ySrc, width, height, rop);
}

} // namespace win
