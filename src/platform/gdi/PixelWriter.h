// Pixel writes of one drawing primitive: surface coordinates, inside the context's clip only, through a
// binary raster mode (R2_COPYPEN stores the value; the other modes combine it with the destination bit by
// bit).
#pragma once

#include "platform/gdi/BrushPattern.h"
#include "platform/gdi/DeviceContext.h"

#include <cstdint>

namespace win {

// Drawing coordinates are limited to 28 bits after mapping, like the platform's own coordinate space; this
// keeps every product of two coordinates inside 64 bits. Primitives beyond it fail.
constexpr std::int64_t kCoordLimit = std::int64_t(1) << 28;
inline bool InCoordRange(std::int64_t v) {
    return v >= -kCoordLimit && v <= kCoordLimit;
}

// Logical to surface coordinates, without overflow.
inline std::int64_t SurfaceX(const DeviceContext& dc, LONG x) {
    return std::int64_t(x) - dc.state.windowOrg.x + dc.state.viewportOrg.x + dc.surfaceOrigin.x;
}
inline std::int64_t SurfaceY(const DeviceContext& dc, LONG y) {
    return std::int64_t(y) - dc.state.windowOrg.y + dc.state.viewportOrg.y + dc.surfaceOrigin.y;
}

class PixelWriter {
public:
    PixelWriter(DeviceContext& dc, int rop2);

    // False when nothing can be drawn (no surface, or an empty clip).
    bool Active() const { return m_surface != nullptr; }
    // The clip's bounding box in surface coordinates.
    const RECT& Bounds() const { return m_bounds; }
    Surface& Target() { return *m_surface; }
    const Region& Clip() const { return *m_clip; }
    // The bits of a raw pixel value that carry colour.
    std::uint32_t Mask() const { return m_mask; }

    // The raw value of a colour on this surface (the nearest entry on palette surfaces).
    std::uint32_t Encode(COLORREF rgb);

    void Plot(std::int64_t x, std::int64_t y, std::uint32_t raw) {
        if (x < m_bounds.left || x >= m_bounds.right || y < m_bounds.top || y >= m_bounds.bottom) return;
        if (!m_singleRect && !m_clip->Contains(static_cast<LONG>(x), static_cast<LONG>(y))) return;
        Apply(static_cast<int>(x), static_cast<int>(y), raw);
    }
    // Pixels [x0, x1) of row y.
    void Span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t raw);
    // Pixels [x0, x1) of row y in the colours of a brush.
    void BrushSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, const BrushSampler& brush);
    // One pixel already known to be inside the clip.
    void Apply(int x, int y, std::uint32_t raw);

private:
    // Calls f(left, right) for the parts of [x0, x1) on row y inside the clip.
    template <class F> void ForClipped(std::int64_t y, std::int64_t x0, std::int64_t x1, F&& f);

    Surface* m_surface = nullptr;
    const Region* m_clip = nullptr;
    RECT m_bounds{};
    bool m_singleRect = true;
    int m_rop2 = R2_COPYPEN;
    std::uint32_t m_mask = 0;
    std::uint32_t m_black = 0;
    std::uint32_t m_white = 0;
    COLORREF m_lastColor = CLR_INVALID;
    std::uint32_t m_lastRaw = 0;
};

// Fills a logical rectangle (right and bottom exclusive) with one colour, inside the clip.
void FillSolid(DeviceContext& dc, const RECT& logical, COLORREF color);

} // namespace win
