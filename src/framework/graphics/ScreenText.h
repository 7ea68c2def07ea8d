// Measuring text as the screen would draw it in a font: the screen's context with the font selected, both
// given back at the end of the scope.
#pragma once

#include "platform/fonts/FontTypes.h"
#include "platform/gdi/Owners.h"

#include <optional>
#include <string_view>

namespace gl {

class TFont;

class ScreenText {
public:
    // Selects `font` into the screen's context; without a screen every measure below fails.
    explicit ScreenText(TFont& font);
    ScreenText(const ScreenText&) = delete;
    ScreenText& operator=(const ScreenText&) = delete;

    // The screen's context with the font in it (null without a screen), for DrawText's measuring and the
    // like.
    win::HDC Handle() const { return m_dc.Get(); }
    explicit operator bool() const { return static_cast<bool>(m_dc); }

    // The font's metrics; nothing when there is no screen or the platform refuses.
    std::optional<win::TEXTMETRIC> Metrics() const;
    // The extent of `text` on one line; nothing when there is no screen or the platform refuses.
    std::optional<win::SIZE> Extent(std::string_view text) const;

private:
    win::WindowDC m_dc;
    win::SelectedObject m_font;
};

} // namespace gl
