// Registration of the control classes with the layout reader.
#include "framework/controls/ControlProperties.h"

#include "framework/controls/CustomControl.h"
#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/FontProperties.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

namespace gl {

namespace {

void RegisterControlNames() {
    PropertyRegistry::RegisterEnum<TAlign>(
        {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"});
    PropertyRegistry::RegisterEnum<TAnchorKind>({"akLeft", "akTop", "akRight", "akBottom"});
    PropertyRegistry::RegisterEnum<TAlignment>({"taLeftJustify", "taRightJustify", "taCenter"});
    PropertyRegistry::RegisterConstants("TCursor", {{"crDefault", crDefault},
                                                    {"crNone", crNone},
                                                    {"crArrow", crArrow},
                                                    {"crCross", crCross},
                                                    {"crIBeam", crIBeam},
                                                    {"crSizeNESW", crSizeNESW},
                                                    {"crSizeNS", crSizeNS},
                                                    {"crSizeNWSE", crSizeNWSE},
                                                    {"crSizeWE", crSizeWE},
                                                    {"crUpArrow", crUpArrow},
                                                    {"crHourGlass", crHourGlass},
                                                    {"crDrag", crDrag},
                                                    {"crNoDrop", crNoDrop},
                                                    {"crHSplit", crHSplit},
                                                    {"crVSplit", crVSplit},
                                                    {"crMultiDrag", crMultiDrag},
                                                    {"crSQLWait", crSQLWait},
                                                    {"crNo", crNo},
                                                    {"crAppStart", crAppStart},
                                                    {"crHelp", crHelp},
                                                    {"crHandPoint", crHandPoint},
                                                    {"crSizeAll", crSizeAll},
                                                    {"crSize", crSize}});
}

void RegisterControl(PropertyRegistry& registry) {
    LayoutClass<TControl>("TControl", "TComponent", registry)
        .ParentHook([](TControl& control, TComponent& enclosing) {
            if (auto* parent = dynamic_cast<TWinControl*>(&enclosing)) control.SetParent(parent);
        })
        .Property("Left", &TControl::SetLeft)
        .Property("Top", &TControl::SetTop)
        .Property("Width", &TControl::SetWidth)
        .Property("Height", &TControl::SetHeight)
        .Property("Align", &TControl::SetAlign)
        .Property("Anchors", &TControl::SetAnchors)
        .Property("Visible", &TControl::SetVisible)
        .Property("Enabled", &TControl::SetEnabled)
        .Property("AutoSize", &TControl::SetAutoSize)
        .Property("Color", &TControl::SetColor, "TColor")
        .Property("ParentColor", &TControl::SetParentColor)
        .SubObject("Font", &TControl::Font)
        .Property("ParentFont", &TControl::SetParentFont)
        .Property("Caption", &TControl::SetCaption)
        .Property("Text", &TControl::SetText)
        .Property("Hint", &TControl::SetHint)
        .Property("ShowHint", &TControl::SetShowHint)
        .Property("ParentShowHint", &TControl::SetParentShowHint)
        .Property("Cursor", &TControl::SetCursor, "TCursor")
        .Event("OnClick", &TControl::OnClick)
        .Event("OnDblClick", &TControl::OnDblClick)
        .Event("OnMouseDown", &TControl::OnMouseDown)
        .Event("OnMouseMove", &TControl::OnMouseMove)
        .Event("OnMouseUp", &TControl::OnMouseUp)
        .Event("OnMouseEnter", &TControl::OnMouseEnter)
        .Event("OnMouseLeave", &TControl::OnMouseLeave)
        .Event("OnMouseWheel", &TControl::OnMouseWheel)
        .Event("OnMouseWheelDown", &TControl::OnMouseWheelDown)
        .Event("OnMouseWheelUp", &TControl::OnMouseWheelUp)
        .Event("OnResize", &TControl::OnResize);
}

void RegisterWinControl(PropertyRegistry& registry) {
    LayoutClass<TWinControl>("TWinControl", "TControl", registry)
        .Property("TabOrder", &TWinControl::SetTabOrder)
        .Property("TabStop", &TWinControl::SetTabStop)
        .Property("Ctl3D", &TWinControl::SetCtl3D)
        .Property("ParentCtl3D", &TWinControl::SetParentCtl3D)
        .Event("OnEnter", &TWinControl::OnEnter)
        .Event("OnExit", &TWinControl::OnExit)
        .Event("OnKeyDown", &TWinControl::OnKeyDown)
        .Event("OnKeyPress", &TWinControl::OnKeyPress)
        .Event("OnKeyUp", &TWinControl::OnKeyUp);
}

} // namespace

void RegisterControlLayout(PropertyRegistry& registry) {
    RegisterComponentLayout(registry);
    RegisterFontLayout(registry);
    RegisterControlNames();
    RegisterControl(registry);
    RegisterWinControl(registry);
    LayoutClass<TGraphicControl>("TGraphicControl", "TControl", registry);
    LayoutClass<TCustomControl>("TCustomControl", "TWinControl", registry);
}

} // namespace gl
