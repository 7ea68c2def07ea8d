// Small drawing helpers of the window manager, straight on a context's surface inside its clip: solid fills,
// brush fills, inversion and the one-pixel rings of the classic 3-D look.
#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/detail/WindowManager.h"

namespace win::wm {

namespace {

// Calls f(surfaceRect) for each part of a logical rectangle that lies in the context's clip.
template <class F> void ForClipped(DeviceContext& dc, const RECT& logical, F&& f) {
    if (!dc.surface || RectEmpty(logical)) return;
    const RECT s{dc.ToSurfaceX(logical.left), dc.ToSurfaceY(logical.top), dc.ToSurfaceX(logical.right),
                 dc.ToSurfaceY(logical.bottom)};
    for (const RECT& c : dc.Clip().Rects()) {
        const RECT part = RectIntersection(s, c);
        if (!RectEmpty(part)) f(part);
    }
}

} // namespace

COLORREF SysColor(int index) {
    return GetSysColor(index);
}

void FillSolid(DeviceContext& dc, const RECT& logical, COLORREF color) {
    ForClipped(dc, logical, [&](const RECT& part) { dc.surface->Fill(part, color & 0x00FFFFFF); });
}

void FillWithBrush(DeviceContext& dc, const RECT& logical, HBRUSH brush) {
    // (HBRUSH)(COLOR_x + 1) names a system colour, as class backgrounds often do.
    const auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value > 0 && value <= static_cast<std::uintptr_t>(kSysColorCount)) {
        FillSolid(dc, logical, GetSysColor(static_cast<int>(value) - 1));
        return;
    }
    const BrushObject* object = FindGdi<BrushObject>(brush);
    if (!object) return;
    BrushSampler sampler(dc, object);
    if (!sampler.Paints()) return;
    if (sampler.Solid()) {
        FillSolid(dc, logical, sampler.Color());
        return;
    }
    ForClipped(dc, logical, [&](const RECT& part) {
        for (LONG y = part.top; y < part.bottom; ++y)
            for (LONG x = part.left; x < part.right; ++x) {
                COLORREF c;
                if (sampler.At(x, y, c)) dc.surface->SetPixel(x, y, c);
            }
    });
}

void InvertRect(DeviceContext& dc, const RECT& logical, DWORD mask) {
    ForClipped(dc, logical, [&](const RECT& part) {
        Surface& s = *dc.surface;
        for (LONG y = part.top; y < part.bottom; ++y)
            for (LONG x = part.left; x < part.right; ++x)
                s.SetPixel(x, y, (s.GetPixel(x, y) ^ mask) & 0x00FFFFFF);
    });
}

void FillChecker(DeviceContext& dc, const RECT& logical, COLORREF even, COLORREF odd) {
    ForClipped(dc, logical, [&](const RECT& part) {
        for (LONG y = part.top; y < part.bottom; ++y)
            for (LONG x = part.left; x < part.right; ++x)
                dc.surface->SetPixel(x, y, ((x + y) & 1) ? odd : even);
    });
}

void DrawRing(DeviceContext& dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
    if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
    FillSolid(dc, RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.top + 1, r.left + 1, r.bottom - 1}, topLeft);
    FillSolid(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillSolid(dc, RECT{r.right - 1, r.top, r.right, r.bottom - 1}, bottomRight);
}

} // namespace win::wm
