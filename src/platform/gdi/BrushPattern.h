// The colour a brush paints at each surface point: solid, system-colour and DC brushes, hatched brushes and
// pattern brushes, aligned to the context's brush origin.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiObjects.h"

#include <cstdint>

namespace win {

// Resolves a brush against a context once, so that sampling it per pixel is cheap.
class BrushSampler {
public:
    BrushSampler(const DeviceContext& dc, const BrushObject* brush);

    // False for no brush or a null brush: nothing is painted.
    bool Paints() const { return m_kind != Kind::None; }
    // One colour everywhere; Color() gives it.
    bool Solid() const { return m_kind == Kind::Solid; }
    COLORREF Color() const { return m_color; }

    // The colour at surface point (sx, sy); false where the brush leaves the pixel alone (a null brush, or
    // the gaps of a hatched brush when the background mode is TRANSPARENT).
    bool At(LONG sx, LONG sy, COLORREF& color) const;

private:
    enum class Kind { None, Solid, Hatch, Pattern };
    Kind m_kind = Kind::None;
    COLORREF m_color = 0;     // solid colour, hatch line colour
    COLORREF m_back = 0;      // hatch gaps; monochrome pattern index 1
    COLORREF m_fore = 0;      // monochrome pattern index 0
    bool m_backOpaque = true; // hatch gaps are painted
    int m_hatch = 0;
    const Surface* m_pattern = nullptr;
    bool m_mono = false;
    std::int64_t m_originX = 0; // the surface point where the pattern's (0, 0) lies
    std::int64_t m_originY = 0;
};

// The brush selected into a context; the stock white brush when it has none.
const BrushObject* SelectedBrush(const DeviceContext& dc);

} // namespace win
