// Clipped pixel and span writes with the binary raster modes.
#include "platform/gdi/PixelWriter.h"

#include "platform/gdi/detail/PixelRows.h"
#include "platform/gdi/detail/RasterOps.h"

#include <algorithm>

namespace win {

namespace {

std::uint32_t ColorBits(const Surface& s) {
    if (s.BitCount() <= 8) return (1u << s.BitCount()) - 1u;
    if (s.BitCount() == 24) return 0x00FFFFFFu;
    const DWORD* m = s.Masks();
    return m[0] | m[1] | m[2];
}

} // namespace

PixelWriter::PixelWriter(DeviceContext& dc, int rop2) : m_rop2(rop2) {
    if (!dc.surface || dc.Clip().Empty()) return;
    m_surface = dc.surface.get();
    m_clip = &dc.Clip();
    m_bounds = m_clip->Bounds();
    m_singleRect = m_clip->IsSingleRect();
    m_mask = ColorBits(*m_surface);
    // R2_BLACK and R2_WHITE paint the colours black and white, not raw zeros and ones: on a palette surface
    // whose table does not start with black, "black" must still look black.
    m_black = m_surface->Encode(RGB(0, 0, 0));
    m_white = m_surface->Encode(RGB(255, 255, 255));
}

std::uint32_t PixelWriter::Encode(COLORREF rgb) {
    if (rgb != m_lastColor) {
        m_lastColor = rgb;
        m_lastRaw = m_surface->Encode(rgb);
    }
    return m_lastRaw;
}

void PixelWriter::Apply(int x, int y, std::uint32_t raw) {
    switch (m_rop2) {
    case R2_COPYPEN:
        m_surface->SetPixelIndex(x, y, raw);
        return;
    case R2_NOP:
        return;
    case R2_BLACK:
        m_surface->SetPixelIndex(x, y, m_black);
        return;
    case R2_WHITE:
        m_surface->SetPixelIndex(x, y, m_white);
        return;
    default:
        m_surface->SetPixelIndex(x, y, ApplyRop2(m_rop2, m_surface->GetPixelIndex(x, y), raw) & m_mask);
        return;
    }
}

template <class F> void PixelWriter::ForClipped(std::int64_t y, std::int64_t x0, std::int64_t x1, F&& f) {
    if (y < m_bounds.top || y >= m_bounds.bottom || x1 <= m_bounds.left || x0 >= m_bounds.right) return;
    for (const RECT& r : m_clip->Rects()) {
        if (y < r.top || y >= r.bottom) continue;
        const std::int64_t left = x0 > r.left ? x0 : r.left;
        const std::int64_t right = x1 < r.right ? x1 : r.right;
        if (left < right) f(static_cast<int>(left), static_cast<int>(right));
    }
}

void PixelWriter::Span(std::int64_t y, std::int64_t x0, std::int64_t x1, std::uint32_t raw) {
    const int row = static_cast<int>(y);
    ForClipped(y, x0, x1, [&](int left, int right) {
        if (m_rop2 == R2_COPYPEN) {
            FillRawRow(*m_surface, row, left, right - left, raw);
            return;
        }
        for (int x = left; x < right; ++x) Apply(x, row, raw);
    });
}

void PixelWriter::BrushSpan(std::int64_t y, std::int64_t x0, std::int64_t x1, const BrushSampler& brush) {
    if (!brush.Paints()) return;
    if (brush.Solid()) {
        Span(y, x0, x1, Encode(brush.Color()));
        return;
    }
    const int row = static_cast<int>(y);
    ForClipped(y, x0, x1, [&](int left, int right) {
        COLORREF color = 0;
        for (int x = left; x < right; ++x)
            if (brush.At(x, row, color)) Apply(x, row, Encode(color));
    });
}

void FillSolid(DeviceContext& dc, const RECT& logical, COLORREF color) {
    PixelWriter writer(dc, R2_COPYPEN);
    if (!writer.Active()) return;
    const std::int64_t top = std::max<std::int64_t>(SurfaceY(dc, logical.top), writer.Bounds().top);
    const std::int64_t bottom = std::min<std::int64_t>(SurfaceY(dc, logical.bottom), writer.Bounds().bottom);
    const std::int64_t left = SurfaceX(dc, logical.left), right = SurfaceX(dc, logical.right);
    const std::uint32_t raw = writer.Encode(color);
    for (std::int64_t y = top; y < bottom; ++y) writer.Span(y, left, right, raw);
}

} // namespace win
