// The panels' stored properties: what a window's layout may write for TRzPanel and TRzGroupBox, and the names
// of the frame, side and group-box enumerations.
#include "components/RzPanel.h"

#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterPanelLayout(PropertyRegistry& registry) {
    RegisterButtonLayout(registry);
    PropertyRegistry::RegisterEnum<TFrameStyleEx>({"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered",
                                                   "fsButtonDown", "fsRaised", "fsButtonUp", "fsStatus",
                                                   "fsPopup", "fsFlatBold", "fsFlatRounded"});
    PropertyRegistry::RegisterEnum<TSide>({"sdLeft", "sdTop", "sdRight", "sdBottom"});
    PropertyRegistry::RegisterEnum<TRzGroupBoxStyle>({"gsStandard", "gsCustom", "gsTopLine", "gsFlat"});
    using P = TRzCustomPanel;
    LayoutClass<P>("TRzCustomPanel", "TCustomControl", registry)
        .Property("BorderOuter", &P::SetBorderOuter)
        .Property("BorderInner", &P::SetBorderInner)
        .Property("BorderWidth", &P::SetBorderWidth)
        .Property("BorderSides", &P::SetBorderSides)
        .Property("BorderColor", &P::SetBorderColor, "TColor")
        .Property("BorderHighlight", &P::SetBorderHighlight, "TColor")
        .Property("BorderShadow", &P::SetBorderShadow, "TColor")
        .Property("FlatColor", &P::SetFlatColor, "TColor")
        .Property("FlatColorAdjustment", &P::SetFlatColorAdjustment)
        .Property("BevelWidth", &P::SetBevelWidth)
        .Property("Alignment", &P::SetAlignment)
        .Property("AlignmentVertical", &P::SetAlignmentVertical)
        .Property("ThemeAware", &P::SetThemeAware)
        .Property("Transparent", &P::SetTransparent)
        .Property("UseGradients", &P::SetUseGradients)
        .Property("ShowGrid", &P::SetShowGrid);
    LayoutClass<TRzPanel>("TRzPanel", "TRzCustomPanel", registry).Creatable();
    LayoutClass<TRzCustomGroupBox>("TRzCustomGroupBox", "TRzCustomPanel", registry)
        .Property("GroupStyle", &TRzCustomGroupBox::SetGroupStyle);
    LayoutClass<TRzGroupBox>("TRzGroupBox", "TRzCustomGroupBox", registry).Creatable();
}

} // namespace gl
