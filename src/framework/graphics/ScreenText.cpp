// Measuring text in a font on the screen's context.
#include "framework/graphics/ScreenText.h"

#include "framework/graphics/Font.h"
#include "platform/fonts/FontApi.h"

#include <algorithm>
#include <climits>

namespace gl {

ScreenText::ScreenText(TFont& font) : m_dc(nullptr), m_font(m_dc.Get(), m_dc ? font.Handle() : nullptr) {}

std::optional<win::TEXTMETRIC> ScreenText::Metrics() const {
    win::TEXTMETRIC metrics{};
    if (!m_dc || !win::GetTextMetrics(m_dc, &metrics)) return std::nullopt;
    return metrics;
}

std::optional<win::SIZE> ScreenText::Extent(std::string_view text) const {
    win::SIZE size{};
    const int length = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    if (!m_dc || !win::GetTextExtentPoint32(m_dc, text.data(), length, &size)) return std::nullopt;
    return size;
}

} // namespace gl
