// TPen: attributes and the platform pen.
#include "framework/graphics/Pen.h"

#include "framework/core/OSErrors.h"
#include "platform/gdi/PensBrushes.h"

#include <array>

namespace gl {

int PenModeToRop2(TPenMode mode) {
    static constexpr std::array<int, 16> kRop2{
        win::R2_BLACK,       win::R2_WHITE,      win::R2_NOP,         win::R2_NOT,
        win::R2_COPYPEN,     win::R2_NOTCOPYPEN, win::R2_MERGEPENNOT, win::R2_MASKPENNOT,
        win::R2_MERGENOTPEN, win::R2_MASKNOTPEN, win::R2_MERGEPEN,    win::R2_NOTMERGEPEN,
        win::R2_MASKPEN,     win::R2_NOTMASKPEN, win::R2_XORPEN,      win::R2_NOTXORPEN,
    };
    const auto index = static_cast<std::size_t>(mode);
    return index < kRop2.size() ? kRop2[index] : win::R2_COPYPEN;
}

TPen::~TPen() = default;

void TPen::Assign(const TPersistent* source) {
    const auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) return TPersistent::Assign(source);
    if (m_color == pen->m_color && m_width == pen->m_width && m_style == pen->m_style &&
        m_mode == pen->m_mode)
        return;
    m_color = pen->m_color;
    m_width = pen->m_width;
    m_style = pen->m_style;
    m_mode = pen->m_mode;
    Changed();
}

void TPen::SetColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    Changed();
}

void TPen::SetWidth(int width) {
    if (width < 0 || width == m_width) return;
    m_width = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style) {
    if (style == m_style) return;
    m_style = style;
    Changed();
}

void TPen::SetMode(TPenMode mode) {
    if (mode == m_mode) return;
    m_mode = mode;
    Changed();
}

win::HPEN TPen::Handle() {
    if (!m_handle) {
        static constexpr win::UINT kStyles[] = {win::PS_SOLID,      win::PS_DASH,       win::PS_DOT,
                                                win::PS_DASHDOT,    win::PS_DASHDOTDOT, win::PS_NULL,
                                                win::PS_INSIDEFRAME};
        m_handle.Reset(
            GDICheck(win::CreatePen(static_cast<int>(kStyles[m_style]), m_width, ColorToRGB(m_color))));
    }
    return m_handle.Get();
}

} // namespace gl
