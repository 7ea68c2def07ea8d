// Sampling of brushes: the hatch patterns, pattern tiling from the brush origin and monochrome pattern
// colours.
#include "platform/gdi/BrushPattern.h"

#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/gdi/detail/ColorRef.h"

namespace win {

namespace {

// The 8 x 8 hatch patterns: whether the line colour covers pattern point (x, y).
bool HatchCovers(int hatch, int x, int y) {
    switch (hatch) {
    case HS_HORIZONTAL:
        return y == 7;
    case HS_VERTICAL:
        return x == 7;
    case HS_FDIAGONAL:
        return x == y;
    case HS_BDIAGONAL:
        return x + y == 7;
    case HS_CROSS:
        return x == 7 || y == 7;
    case HS_DIAGCROSS:
        return x == y || x + y == 7;
    default:
        return false;
    }
}

int Wrap(std::int64_t v, int n) {
    const std::int64_t m = v % n;
    return static_cast<int>(m < 0 ? m + n : m);
}

} // namespace

BrushSampler::BrushSampler(const DeviceContext& dc, const BrushObject* brush) {
    if (!brush) return;
    // Patterns start at the brush origin, which is in device coordinates.
    m_originX = std::int64_t(dc.surfaceOrigin.x) + dc.state.brushOrg.x;
    m_originY = std::int64_t(dc.surfaceOrigin.y) + dc.state.brushOrg.y;
    switch (brush->brush.lbStyle) {
    case BS_SOLID:
        m_kind = Kind::Solid;
        if (brush->sysColorIndex >= 0)
            m_color = GetSysColor(brush->sysColorIndex);
        else if (IsDcBrush(*brush))
            m_color = ResolveColorRef(dc, dc.state.dcBrushColor);
        else
            m_color = ResolveColorRef(dc, brush->brush.lbColor);
        break;
    case BS_HATCHED:
        m_kind = Kind::Hatch;
        m_hatch = static_cast<int>(brush->brush.lbHatch);
        m_color = ResolveColorRef(dc, brush->brush.lbColor);
        m_back = ResolveColorRef(dc, dc.state.bkColor);
        m_backOpaque = dc.state.bkMode != TRANSPARENT;
        break;
    case BS_PATTERN:
    case BS_DIBPATTERN:
        if (!brush->pattern) break;
        m_kind = Kind::Pattern;
        m_pattern = brush->pattern.get();
        m_mono = brush->monochromePattern;
        m_fore = ResolveColorRef(dc, dc.state.textColor);
        m_back = ResolveColorRef(dc, dc.state.bkColor);
        break;
    default:
        break;
    }
}

bool BrushSampler::At(LONG sx, LONG sy, COLORREF& color) const {
    switch (m_kind) {
    case Kind::None:
        return false;
    case Kind::Solid:
        color = m_color;
        return true;
    case Kind::Hatch:
        if (HatchCovers(m_hatch, Wrap(sx - m_originX, 8), Wrap(sy - m_originY, 8))) {
            color = m_color;
            return true;
        }
        color = m_back;
        return m_backOpaque;
    case Kind::Pattern: {
        const int px = Wrap(sx - m_originX, m_pattern->Width());
        const int py = Wrap(sy - m_originY, m_pattern->Height());
        if (m_mono)
            color = m_pattern->GetPixelIndex(px, py) ? m_back : m_fore;
        else
            color = m_pattern->GetPixel(px, py);
        return true;
    }
    }
    return false;
}

const BrushObject* SelectedBrush(const DeviceContext& dc) {
    if (const BrushObject* brush = FindGdi<BrushObject>(dc.state.brush)) return brush;
    return FindGdi<BrushObject>(GetStockObject(WHITE_BRUSH)); // what every context starts with
}

} // namespace win
