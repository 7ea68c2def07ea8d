// The stored form of fonts and colours: what a layout may write for a control's Font and for colour
// properties.
#pragma once

#include "framework/stored/PropertyRegistry.h"

namespace gl {

// Registers TFont's stored properties (Charset, Color, Height, Name, Pitch, Size, Style), the character-set
// identifiers ("DEFAULT_CHARSET", "GB2312_CHARSET", ...) as table "TFontCharset", the style and pitch names,
// and the colour identifiers as table "TColor". Safe to call more than once.
void RegisterFontLayout(PropertyRegistry& registry = PropertyRegistry::Global());

} // namespace gl
