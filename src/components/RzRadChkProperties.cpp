// The radio button's stored properties: what a window's layout may write for TRzCustomGlyphButton and
// TRzRadioButton.
#include "components/RzRadChk.h"

#include "framework/graphics/GraphicsBitmap.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterRadioButtonLayout(PropertyRegistry& registry) {
    RegisterButtonLayout(registry);
    using Glyph = TRzCustomGlyphButton;
    LayoutClass<Glyph>("TRzCustomGlyphButton", "TRzCustomButton", registry)
        .Property("Alignment", &Glyph::SetAlignment)
        .Property("TabOnEnter", &Glyph::SetTabOnEnter)
        .Property("FrameColor", &Glyph::SetFrameColor, "TColor")
        .Property("DisabledColor", &Glyph::SetDisabledColor, "TColor")
        .Property("TransparentColor", &Glyph::SetTransparentColor, "TColor")
        .Property("WinMaskColor", &Glyph::SetWinMaskColor, "TColor")
        .SubObject("CustomGlyphs", &Glyph::CustomGlyphs)
        .Property("UseCustomGlyphs", &Glyph::SetUseCustomGlyphs);
    LayoutClass<TRzRadioButton>("TRzRadioButton", "TRzCustomGlyphButton", registry)
        .Creatable()
        .Property("Checked", &TRzRadioButton::SetChecked);
}

} // namespace gl
