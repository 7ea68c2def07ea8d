// The label's stored properties: what a window's layout may write for TRzLabel.
#include "components/RzLabel.h"

#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterLabelLayout(PropertyRegistry& registry) {
    RegisterButtonLayout(registry);
    LayoutClass<TRzLabel>("TRzLabel", "TGraphicControl", registry)
        .Creatable()
        .Property("Alignment", &TRzLabel::SetAlignment)
        .Property("AutoSize", &TRzLabel::SetAutoSize)
        .Property("WordWrap", &TRzLabel::SetWordWrap)
        .Property("ShowAccelChar", &TRzLabel::SetShowAccelChar)
        .Property("Transparent", &TRzLabel::SetTransparent)
        .Property("TextStyle", &TRzLabel::SetTextStyle)
        .Property("HighlightColor", &TRzLabel::SetHighlightColor, "TColor")
        .Property("ShadowColor", &TRzLabel::SetShadowColor, "TColor")
        .Property("ShadowDepth", &TRzLabel::SetShadowDepth)
        .Property("Blinking", &TRzLabel::SetBlinking)
        .Property("BlinkColor", &TRzLabel::SetBlinkColor, "TColor")
        .Property("BlinkIntervalOn", &TRzLabel::SetBlinkIntervalOn)
        .Property("BlinkIntervalOff", &TRzLabel::SetBlinkIntervalOff);
}

} // namespace gl
