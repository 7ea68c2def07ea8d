// The stored properties of the framed edit, memo and spin edit: what a window's layout may write for them.
#include "components/RzEdit.h"
#include "components/RzFrameModelProperties.h"
#include "components/RzSpnEdt.h"

#include "framework/controls/ControlProperties.h"
#include "framework/controls/StdCtrlsProperties.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPicture.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

namespace {

// The frame and colour settings both framed fields store, and their frame controller.
template <class T> void AddFrameProperties(LayoutClass<T>& layout) {
    AddFrameModelProperties(layout).Reference("FrameController", &T::SetFrameController);
}

} // namespace

void RegisterRzEditLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    RegisterStdCtrlsLayout(registry);
    RegisterFrameControllerLayout(registry);
    RegisterFrameModelNames();

    LayoutClass<TRzCustomEdit> edit("TRzCustomEdit", "TCustomMaskEdit", registry);
    AddFrameProperties(edit);
    edit.Property("FlatButtons", &TRzCustomEdit::SetFlatButtons)
        .Property("FlatButtonColor", &TRzCustomEdit::SetFlatButtonColor, "TColor");
    LayoutClass<TRzEdit>("TRzEdit", "TRzCustomEdit", registry).Creatable();

    LayoutClass<TRzMemo> memo("TRzMemo", "TCustomMemo", registry);
    memo.Creatable();
    AddFrameProperties(memo);
}

void RegisterRzSpinEditLayout(PropertyRegistry& registry) {
    RegisterRzEditLayout(registry);
    RegisterBitmapLayout(registry);
    PropertyRegistry::RegisterEnum<TSpinDirection>({"sdUpDown", "sdLeftRight"});
    PropertyRegistry::RegisterEnum<TOrientation>({"orHorizontal", "orVertical"});
    using S = TRzSpinEdit;
    // Max before Min before Value in a stored layout: each write goes through the range as it is then.
    LayoutClass<S>("TRzSpinEdit", "TRzCustomEdit", registry)
        .Creatable()
        .Property("AllowBlank", &S::SetAllowBlank)
        .Property("AllowKeyEdit", &S::SetAllowKeyEdit)
        .Property("BlankValue", &S::SetBlankValue)
        .Property("ButtonWidth", &S::SetButtonWidth)
        .Property("CheckRange", &S::SetCheckRange)
        .Property("Decimals", &S::SetDecimals)
        .Property("Direction", &S::SetDirection)
        .Property("Increment", &S::SetIncrement)
        .Property("IntegersOnly", &S::SetIntegersOnly)
        .Property("Max", &S::SetMax)
        .Property("Min", &S::SetMin)
        .Property("Orientation", &S::SetOrientation)
        .Property("PageSize", &S::SetPageSize)
        .Property("Value", &S::SetValue)
        .SubObject("ButtonUpGlyph", &S::ButtonUpGlyph)
        .SubObject("ButtonDownGlyph", &S::ButtonDownGlyph)
        .Property("ButtonUpNumGlyphs", &S::SetButtonUpNumGlyphs)
        .Property("ButtonDownNumGlyphs", &S::SetButtonDownNumGlyphs)
        .Event("OnChanging", &S::OnChanging)
        .Event("OnButtonClick", &S::OnButtonClick)
        .Ignored("FlatButtonParentColor");
}

} // namespace gl
