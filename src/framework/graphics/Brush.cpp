// TBrush: attributes and the platform brush.
#include "framework/graphics/Brush.h"

#include "framework/core/OSErrors.h"
#include "platform/gdi/PensBrushes.h"

namespace gl {

TBrush::~TBrush() = default;

void TBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) return TPersistent::Assign(source);
    if (m_color == brush->m_color && m_style == brush->m_style && m_bitmap == brush->m_bitmap) return;
    m_color = brush->m_color;
    m_style = brush->m_style;
    m_bitmap = brush->m_bitmap;
    Changed();
}

void TBrush::SetColor(TColor color) {
    if (color == m_color && m_style != bsClear) return;
    m_color = color;
    if (m_style == bsClear) m_style = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TBrush::SetBitmap(win::HBITMAP bitmap) {
    if (bitmap == m_bitmap) return;
    m_bitmap = bitmap;
    Changed();
}

win::HBRUSH TBrush::Handle() {
    if (m_handle) return m_handle.Get();
    win::LOGBRUSH logBrush;
    logBrush.lbColor = ColorToRGB(m_color);
    if (m_bitmap) {
        logBrush.lbStyle = win::BS_PATTERN;
        logBrush.lbHatch = reinterpret_cast<win::ULONG_PTR>(m_bitmap);
    } else if (m_style == bsSolid) {
        logBrush.lbStyle = win::BS_SOLID;
    } else if (m_style == bsClear) {
        logBrush.lbStyle = win::BS_HOLLOW;
    } else {
        logBrush.lbStyle = win::BS_HATCHED;
        logBrush.lbHatch = static_cast<win::ULONG_PTR>(m_style - bsHorizontal) + win::HS_HORIZONTAL;
    }
    m_handle.Reset(GDICheck(win::CreateBrushIndirect(&logBrush)));
    return m_handle.Get();
}

} // namespace gl
