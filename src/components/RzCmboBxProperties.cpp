// The framed combo boxes' stored properties: what a window's layout may write for TRzComboBox and
// TRzFontComboBox, including the names older layouts used.
#include "components/RzCmboBx.h"
#include "components/RzFrameModelProperties.h"

#include "framework/controls/ControlProperties.h"
#include "framework/controls/StdCtrlsProperties.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

namespace {

void RegisterComboBoxNames() {
    PropertyRegistry::RegisterEnum<TFrameStyleEx>({"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered",
                                                   "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
                                                   "fsPopup", "fsFlatBold", "fsFlatRounded"});
    RegisterFrameModelNames();
    PropertyRegistry::RegisterEnum<TRzFontDevice>({"fdScreen", "fdPrinter"});
    PropertyRegistry::RegisterEnum<TRzFontType>({"ftAll", "ftTrueType", "ftFixedPitch", "ftPrinter"});
    PropertyRegistry::RegisterEnum<TRzShowStyle>(
        {"ssFontName", "ssFontSample", "ssFontNameAndSample", "ssFontPreview"});
}

// A frame style of an older layout: a name of the styles fsNone .. fsFlatBold.
TFrameStyle FrameStyleValue(const LayoutValue& value, LayoutReadContext& context) {
    const TFrameStyle style = LayoutConvert<TFrameStyle>(value, context);
    if (style > fsFlatBold) context.InvalidValue(value);
    return style;
}

} // namespace

void RegisterComboBoxLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    RegisterStdCtrlsLayout(registry);
    RegisterComboBoxNames();
    using Base = TRzCustomComboBox;
    LayoutClass<Base> combo("TRzCustomComboBox", "TCustomComboBox", registry);
    AddFrameModelProperties(combo)
        .Property("BeepOnInvalidKey", &Base::SetBeepOnInvalidKey)
        .Property("DropDownWidth", &Base::SetDropDownWidth)
        .Property("FlatButtonColor", &Base::SetFlatButtonColor, "TColor")
        .Property("FlatButtons", &Base::SetFlatButtons)
        .Property("ReadOnly", &Base::SetReadOnly)
        // Retired names of older layouts.
        .Property("FrameFlat", &Base::SetFrameFlat)
        .Custom("FrameFocusStyle",
                [](Base& box, const LayoutValue& value, LayoutReadContext& context) {
                    box.SetFrameHotStyle(FrameStyleValue(value, context));
                })
        .Ignored("FrameFlatStyle");
    LayoutClass<TRzComboBox>("TRzComboBox", "TRzCustomComboBox", registry).Creatable();
    LayoutClass<TRzFontComboBox>("TRzFontComboBox", "TRzCustomComboBox", registry)
        .Creatable()
        .Property("FontDevice", &TRzFontComboBox::SetFontDevice)
        .Property("FontName", &TRzFontComboBox::SetFontName)
        .Property("FontSize", &TRzFontComboBox::SetFontSize)
        .Property("FontStyle", &TRzFontComboBox::SetFontStyle)
        .Property("FontType", &TRzFontComboBox::SetFontType)
        .Property("MaintainMRUFonts", &TRzFontComboBox::SetMaintainMRUFonts)
        .Property("PreviewFontSize", &TRzFontComboBox::SetPreviewFontSize)
        .Property("PreviewHeight", &TRzFontComboBox::SetPreviewHeight)
        .Property("PreviewText", &TRzFontComboBox::SetPreviewText)
        .Property("PreviewWidth", &TRzFontComboBox::SetPreviewWidth)
        .Property("ShowSymbolFonts", &TRzFontComboBox::SetShowSymbolFonts)
        .Property("ShowStyle", &TRzFontComboBox::SetShowStyle);
}

} // namespace gl
