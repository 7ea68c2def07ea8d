// Registration of TFont and of the colour and character-set identifiers with the layout reader.
#include "framework/graphics/FontProperties.h"

#include "framework/graphics/Colors.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

namespace {

void RegisterCharsetConstants() {
    PropertyRegistry::RegisterConstants("TFontCharset", {{"ANSI_CHARSET", win::ANSI_CHARSET},
                                                         {"DEFAULT_CHARSET", win::DEFAULT_CHARSET},
                                                         {"SYMBOL_CHARSET", win::SYMBOL_CHARSET},
                                                         {"MAC_CHARSET", win::MAC_CHARSET},
                                                         {"SHIFTJIS_CHARSET", win::SHIFTJIS_CHARSET},
                                                         {"HANGEUL_CHARSET", win::HANGUL_CHARSET},
                                                         {"HANGUL_CHARSET", win::HANGUL_CHARSET},
                                                         {"JOHAB_CHARSET", win::JOHAB_CHARSET},
                                                         {"GB2312_CHARSET", win::GB2312_CHARSET},
                                                         {"CHINESEBIG5_CHARSET", win::CHINESEBIG5_CHARSET},
                                                         {"GREEK_CHARSET", win::GREEK_CHARSET},
                                                         {"TURKISH_CHARSET", win::TURKISH_CHARSET},
                                                         {"VIETNAMESE_CHARSET", win::VIETNAMESE_CHARSET},
                                                         {"HEBREW_CHARSET", win::HEBREW_CHARSET},
                                                         {"ARABIC_CHARSET", win::ARABIC_CHARSET},
                                                         {"BALTIC_CHARSET", win::BALTIC_CHARSET},
                                                         {"RUSSIAN_CHARSET", win::RUSSIAN_CHARSET},
                                                         {"THAI_CHARSET", win::THAI_CHARSET},
                                                         {"EASTEUROPE_CHARSET", win::EASTEUROPE_CHARSET},
                                                         {"OEM_CHARSET", win::OEM_CHARSET}});
}

} // namespace

void RegisterFontLayout(PropertyRegistry& registry) {
    RegisterColorConstants();
    RegisterCharsetConstants();
    PropertyRegistry::RegisterEnum<TFontStyle>({"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
    PropertyRegistry::RegisterEnum<TFontPitch>({"fpDefault", "fpVariable", "fpFixed"});
    LayoutClass<TFont>("TFont", "TPersistent", registry)
        .Property("Charset", &TFont::SetCharset, "TFontCharset")
        .Property("Color", &TFont::SetColor, "TColor")
        .Property("Height", &TFont::SetHeight)
        .Property("Name", &TFont::SetName)
        .Property("Pitch", &TFont::SetPitch)
        .Property("Size", &TFont::SetSize)
        .Property("Style", &TFont::SetStyle);
}

} // namespace gl
