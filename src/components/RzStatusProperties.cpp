// The caption pane's stored properties: what a window's layout may write for a TRzStatusPane.
#include "components/RzStatus.h"

#include "framework/controls/ControlProperties.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

void RegisterStatusPaneLayout(PropertyRegistry& registry) {
    // Bounds, AutoSize, Color, ParentColor, Font, Enabled and the rest come with the control classes.
    RegisterControlLayout(registry);
    RegisterFrameControllerLayout(registry);
    using Pane = TRzCustomStatusPane;
    LayoutClass<Pane>("TRzCustomStatusPane", "TGraphicControl", registry)
        .Property("Alignment", &Pane::SetAlignment)
        .Property("AutoHint", &Pane::SetAutoHint)
        .Property("Blinking", &Pane::SetBlinking)
        .Property("BlinkColor", &Pane::SetBlinkColor, "TColor")
        .Property("BlinkIntervalOff", &Pane::SetBlinkIntervalOff)
        .Property("BlinkIntervalOn", &Pane::SetBlinkIntervalOn)
        .Property("BorderWidth", &Pane::SetBorderWidth)
        .Property("Caption", &Pane::SetCaption)
        .Property("CaptionOffset", &Pane::SetCaptionOffset)
        .Property("DefaultWidth", &Pane::SetDefaultWidth)
        .Property("FillColor", &Pane::SetFillColor, "TColor")
        .Property("FlatColor", &Pane::SetFlatColor, "TColor")
        .Property("FlatColorAdjustment", &Pane::SetFlatColorAdjustment)
        .Property("FrameStyle", &Pane::SetFrameStyle)
        .Reference("FrameController", &Pane::SetFrameController)
        .Property("ParentFillColor", &Pane::SetParentFillColor)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave);
    LayoutClass<TRzStatusPane>("TRzStatusPane", "TRzCustomStatusPane", registry).Creatable();
}

} // namespace gl
