// The stored properties of the framed edit, memo and spin edit: what a window's layout may write for them.
#include "components/RzEdit.h"
#include "components/RzSpnEdt.h"

#include "framework/ControlLayout.h"
#include "framework/LayoutClass.h"
#include "framework/StdCtrlsLayout.h"

namespace gl {

namespace {

// The frame and colour settings both framed fields store.
template <class T> void AddFrameProperties(LayoutClass<T>& layout) {
    layout.Property("DisabledColor", &T::SetDisabledColor, "TColor")
        .Property("FocusColor", &T::SetFocusColor, "TColor")
        .Property("FrameColor", &T::SetFrameColor, "TColor")
        .Reference("FrameController", &T::SetFrameController)
        .Property("FrameHotColor", &T::SetFrameHotColor, "TColor")
        .Property("FrameHotTrack", &T::SetFrameHotTrack)
        .Property("FrameHotStyle", &T::SetFrameHotStyle)
        .Property("FrameSides", &T::SetFrameSides)
        .Property("FrameStyle", &T::SetFrameStyle)
        .Property("FrameVisible", &T::SetFrameVisible)
        .Property("FramingPreference", &T::SetFramingPreference)
        .Property("TabOnEnter", &T::SetTabOnEnter);
}

} // namespace

void RegisterRzEditLayout(PropertyRegistry& registry) {
    RegisterControlLayout(registry);
    RegisterStdCtrlsLayout(registry);
    RegisterFrameControllerLayout(registry);
    PropertyRegistry::RegisterEnum<TSide>({"sdLeft", "sdTop", "sdRight", "sdBottom"});
    PropertyRegistry::RegisterEnum<TFramingPreference>({"fpCustomFraming", "fpXPThemes"});

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
        .Event("OnChanging", &S::OnChanging)
        .Event("OnButtonClick", &S::OnButtonClick)
        .Ignored("FlatButtonParentColor");
}

} // namespace gl
