// The buttons' stored properties: what a window's layout may write for TRzButton and TRzBitBtn, and the
// names of the enumerations the buttons, radio buttons and panels share.
#include "components/RzButton.h"

#include "framework/controls/ControlProperties.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPicture.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

namespace {

void RegisterButtonNames() {
    PropertyRegistry::RegisterEnum<TRzHotTrackColorType>({"htctComplement", "htctActual"});
    PropertyRegistry::RegisterEnum<TTextStyle>({"tsNormal", "tsRaised", "tsRecessed", "tsShadow"});
    PropertyRegistry::RegisterEnum<TAlignmentVertical>({"avTop", "avCenter", "avBottom"});
    PropertyRegistry::RegisterEnum<TButtonLayout>(
        {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"});
    PropertyRegistry::RegisterEnum<TBitBtnKind>({"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo",
                                                 "bkClose", "bkAbort", "bkRetry", "bkIgnore", "bkAll"});
    PropertyRegistry::RegisterConstants("TModalResult", {{"mrNone", 0},
                                                         {"mrOk", 1},
                                                         {"mrCancel", 2},
                                                         {"mrAbort", 3},
                                                         {"mrRetry", 4},
                                                         {"mrIgnore", 5},
                                                         {"mrYes", 6},
                                                         {"mrNo", 7},
                                                         {"mrAll", 8}});
}

} // namespace

void RegisterButtonLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    RegisterImageListLayout(registry);
    RegisterBitmapLayout(registry);
    RegisterColorConstants();
    RegisterButtonNames();
    using Base = TRzCustomButton;
    LayoutClass<Base>("TRzCustomButton", "TCustomControl", registry)
        .Property("AlignmentVertical", &Base::SetAlignmentVertical)
        .Property("HighlightColor", &Base::SetHighlightColor, "TColor")
        .Property("HotTrack", &Base::SetHotTrack)
        .Property("HotTrackColor", &Base::SetHotTrackColor, "TColor")
        .Property("HotTrackColorType", &Base::SetHotTrackColorType)
        .Property("LightTextStyle", &Base::SetLightTextStyle)
        .Property("TextHighlightColor", &Base::SetTextHighlightColor, "TColor")
        .Property("TextShadowColor", &Base::SetTextShadowColor, "TColor")
        .Property("TextShadowDepth", &Base::SetTextShadowDepth)
        .Property("TextStyle", &Base::SetTextStyle)
        .Property("ThemeAware", &Base::SetThemeAware)
        .Property("Transparent", &Base::SetTransparent);
    LayoutClass<TRzButton>("TRzButton", "TRzCustomButton", registry)
        .Creatable()
        .Property("Alignment", &TRzButton::SetAlignment)
        .Property("ShowFocusRect", &TRzButton::SetShowFocusRect)
        .Property("ShowDownPattern", &TRzButton::SetShowDownPattern)
        .Property("Default", &TRzButton::SetDefault)
        .Property("Cancel", &TRzButton::SetCancel)
        .Property("ModalResult", &TRzButton::SetModalResult, "TModalResult")
        .Property("GroupIndex", &TRzButton::SetGroupIndex)
        .Property("Down", &TRzButton::SetDown)
        .Property("AllowAllUp", &TRzButton::SetAllowAllUp);
    LayoutClass<TRzBitBtn>("TRzBitBtn", "TRzButton", registry)
        .Creatable()
        .Property("Kind", &TRzBitBtn::SetKind)
        .Property("Layout", &TRzBitBtn::SetLayout)
        .Property("Spacing", &TRzBitBtn::SetSpacing)
        .Property("Margin", &TRzBitBtn::SetMargin)
        .SubObject("Glyph", &TRzBitBtn::Glyph)
        .Property("NumGlyphs", &TRzBitBtn::SetNumGlyphs)
        .Property("ImageIndex", &TRzBitBtn::SetImageIndex)
        .Property("DisabledIndex", &TRzBitBtn::SetDisabledIndex)
        .Reference("Images", &TRzBitBtn::SetImages);
}

} // namespace gl
