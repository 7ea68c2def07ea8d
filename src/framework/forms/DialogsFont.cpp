// TFontDialog: the font chooser the window keeps but never opens, and the dialogs' stored properties.
#include "framework/forms/Dialogs.h"

#include "framework/graphics/Font.h"

namespace gl {

TFontDialog::TFontDialog(TComponent* owner) : TCommonDialog(owner), m_font(std::make_unique<TFont>()) {}

TFontDialog::~TFontDialog() = default;

void TFontDialog::SetFont(const TFont* font) {
    m_font->Assign(font);
}

bool TFontDialog::Execute() {
    // The platform has no font chooser; nothing is opened and the font stays as it was.
    return false;
}

} // namespace gl
