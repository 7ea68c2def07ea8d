// Pattern raster operations on rectangles: fills, frames, inversion and the dotted focus frame.
#include "platform/gdi/RectFills.h"

#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/PixelWriter.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/RasterOps.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

// A brush handle, or a system colour index plus one.
const BrushObject* FindBrush(HBRUSH brush) {
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= static_cast<std::uintptr_t>(kSysColorCount))
        return FindGdi<BrushObject>(GetSysColorBrush(static_cast<int>(value) - 1));
    return FindGdi<BrushObject>(brush);
}

// A logical rectangle in surface coordinates, clamped to the clip's bounds (empty when it misses them).
RECT SurfaceRect(const DeviceContext& dc, const RECT& logical, const RECT& bounds) {
    const std::int64_t left = std::max<std::int64_t>(SurfaceX(dc, logical.left), bounds.left);
    const std::int64_t top = std::max<std::int64_t>(SurfaceY(dc, logical.top), bounds.top);
    const std::int64_t right = std::min<std::int64_t>(SurfaceX(dc, logical.right), bounds.right);
    const std::int64_t bottom = std::min<std::int64_t>(SurfaceY(dc, logical.bottom), bounds.bottom);
    if (left >= right || top >= bottom) return RECT{};
    return RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                static_cast<LONG>(bottom)};
}

// Applies a raster operation of pattern and destination to a logical rectangle, inside the clip.
void PatternOp(DeviceContext& dc, const RECT& logical, const BrushSampler& brush, DWORD rop) {
    PixelWriter writer(dc, R2_COPYPEN);
    if (!writer.Active()) return;
    const RECT target = SurfaceRect(dc, logical, writer.Bounds());
    if (RectEmpty(target)) return;
    const std::uint8_t index = Rop3Index(rop);
    const bool usesPattern = Rop3UsesPattern(rop);
    if (usesPattern && !brush.Paints()) return;
    const std::uint32_t mask = writer.Mask();
    const std::uint32_t black = writer.Encode(RGB(0, 0, 0)), white = writer.Encode(RGB(255, 255, 255));
    Surface& surface = writer.Target();
    for (const RECT& clip : writer.Clip().Rects()) {
        const RECT r = RectIntersection(clip, target);
        for (LONG y = r.top; y < r.bottom; ++y) {
            if (index == 0xF0 && brush.Solid()) { // PATCOPY with one colour: the common fill
                writer.Span(y, r.left, r.right, writer.Encode(brush.Color()));
                continue;
            }
            if (index == 0x00 || index == 0xFF) { // BLACKNESS and WHITENESS fill whole rows as well
                writer.Span(y, r.left, r.right, index == 0x00 ? black : white);
                continue;
            }
            for (LONG x = r.left; x < r.right; ++x) {
                std::uint32_t pattern = 0;
                if (usesPattern) {
                    COLORREF color = 0;
                    if (!brush.At(x, y, color)) continue;
                    pattern = writer.Encode(color);
                }
                // All-zero and all-one results stand for black and white, whatever their table indexes.
                std::uint32_t value = index == 0x00 ? black : index == 0xFF ? white : 0;
                if (index != 0x00 && index != 0xFF)
                    value = ApplyRop3(index, surface.GetPixelIndex(x, y), 0, pattern) & mask;
                surface.SetPixelIndex(x, y, value);
            }
        }
    }
}

// Inverts the pixels of a logical rectangle whose device coordinates, counted from the brush origin, have an
// even sum: the platform's 50% focus pattern.
void InvertAlternate(DeviceContext& dc, const RECT& logical) {
    PixelWriter writer(dc, R2_COPYPEN);
    if (!writer.Active()) return;
    const RECT target = SurfaceRect(dc, logical, writer.Bounds());
    if (RectEmpty(target)) return;
    const std::int64_t ox = std::int64_t(dc.surfaceOrigin.x) + dc.state.brushOrg.x;
    const std::int64_t oy = std::int64_t(dc.surfaceOrigin.y) + dc.state.brushOrg.y;
    Surface& surface = writer.Target();
    for (const RECT& clip : writer.Clip().Rects()) {
        const RECT r = RectIntersection(clip, target);
        for (LONG y = r.top; y < r.bottom; ++y)
            for (LONG x = r.left; x < r.right; ++x)
                if (((static_cast<std::int64_t>(x) - ox + y - oy) & 1) == 0)
                    surface.SetPixelIndex(x, y, ~surface.GetPixelIndex(x, y) & writer.Mask());
    }
}

} // namespace

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    const BrushObject* b = FindBrush(brush);
    if (!rect || !b) {
        SetLastError(rect ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PatternOp(*dc, *rect, BrushSampler(*dc, b), PATCOPY);
    return TRUE;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    const BrushObject* b = FindBrush(brush);
    if (!rect || !b) {
        SetLastError(rect ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top) return TRUE;
    const BrushSampler sampler(*dc, b);
    PatternOp(*dc, RECT{r.left, r.top, r.right, r.top + 1}, sampler, PATCOPY);
    PatternOp(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, sampler, PATCOPY);
    PatternOp(*dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, sampler, PATCOPY);
    PatternOp(*dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1}, sampler, PATCOPY);
    return TRUE;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    PatternOp(*dc, *rect, BrushSampler(*dc, nullptr), DSTINVERT);
    return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (Rop3UsesSource(rop)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::int64_t left = x, top = y, right = std::int64_t(x) + width, bottom = std::int64_t(y) + height;
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    // The logical rectangle may not fit in 32 bits; clamp it to a range that still covers any surface.
    auto clamp = [](std::int64_t v) {
        return static_cast<LONG>(std::clamp<std::int64_t>(v, INT32_MIN, INT32_MAX));
    };
    PatternOp(*dc, RECT{clamp(left), clamp(top), clamp(right), clamp(bottom)},
              BrushSampler(*dc, SelectedBrush(*dc)), rop);
    return TRUE;
}

BOOL DrawFocusRect(HDC hdc, const RECT* rect) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!rect) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    const RECT& r = *rect;
    if (r.right <= r.left || r.bottom <= r.top) return TRUE;
    // Four strips, as the platform draws them: a one-pixel-high rectangle is inverted twice.
    InvertAlternate(*dc, RECT{r.left, r.top, r.right, r.top + 1});
    InvertAlternate(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom});
    InvertAlternate(*dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1});
    InvertAlternate(*dc, RECT{r.right - 1, r.top + 1, r.right, r.bottom - 1});
    return TRUE;
}

} // namespace win
