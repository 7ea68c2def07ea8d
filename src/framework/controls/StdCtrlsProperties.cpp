// Registration of the standard edit, memo and combo box with the layout reader.
#include "framework/controls/StdCtrlsProperties.h"

#include "framework/controls/MaskEdit.h"
#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/controls/StdCtrlsMemo.h"
#include "framework/stored/LayoutClass.h"

namespace gl {

namespace {

void RegisterEnums() {
    PropertyRegistry::RegisterEnum<TFormBorderStyle>(
        {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"});
    PropertyRegistry::RegisterEnum<TImeMode>({"imDisable", "imClose", "imOpen", "imDontCare", "imSAlpha",
                                              "imAlpha", "imHira", "imSKata", "imKata", "imChinese",
                                              "imSHanguel", "imHanguel"});
    PropertyRegistry::RegisterEnum<TAlignment>({"taLeftJustify", "taRightJustify", "taCenter"});
    PropertyRegistry::RegisterEnum<TScrollStyle>({"ssNone", "ssHorizontal", "ssVertical", "ssBoth"});
    PropertyRegistry::RegisterEnum<TComboBoxStyle>(
        {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"});
}

// The events every one of these controls publishes for the keyboard, the mouse and the focus.
template <class T> void AddInputEvents(LayoutClass<T>& layout) {
    layout.Event("OnClick", &T::OnClick)
        .Event("OnDblClick", &T::OnDblClick)
        .Event("OnEnter", &T::OnEnter)
        .Event("OnExit", &T::OnExit)
        .Event("OnKeyDown", &T::OnKeyDown)
        .Event("OnKeyPress", &T::OnKeyPress)
        .Event("OnKeyUp", &T::OnKeyUp)
        .Event("OnMouseDown", &T::OnMouseDown)
        .Event("OnMouseMove", &T::OnMouseMove)
        .Event("OnMouseUp", &T::OnMouseUp)
        .Event("OnMouseEnter", &T::OnMouseEnter)
        .Event("OnMouseLeave", &T::OnMouseLeave);
}

void RegisterEdits(PropertyRegistry& registry) {
    LayoutClass<TCustomEdit> edit("TCustomEdit", "TWinControl", registry);
    edit.Property("AutoSelect", &TCustomEdit::SetAutoSelect)
        .Property("AutoSize", &TCustomEdit::SetAutoSize)
        .Property("BorderStyle", &TCustomEdit::SetBorderStyle)
        .Property("HideSelection", &TCustomEdit::SetHideSelection)
        .Property("ImeMode", &TCustomEdit::SetImeMode)
        .Property("ImeName", &TCustomEdit::SetImeName)
        .Property("MaxLength", &TCustomEdit::SetMaxLength)
        .Property("ReadOnly", &TCustomEdit::SetReadOnly)
        .Property("Text", &TCustomEdit::SetText)
        .Event("OnChange", &TCustomEdit::OnChange);
    AddInputEvents(edit);
    LayoutClass<TEdit>("TEdit", "TCustomEdit", registry).Creatable();
    LayoutClass<TCustomMaskEdit>("TCustomMaskEdit", "TCustomEdit", registry);

    LayoutClass<TMemoStrings>("TMemoStrings", "TStrings", registry);
    LayoutClass<TCustomMemo>("TCustomMemo", "TCustomEdit", registry)
        .Property("Alignment", &TCustomMemo::SetAlignment)
        .SubObject("Lines", &TCustomMemo::Lines)
        .Property("ScrollBars", &TCustomMemo::SetScrollBars)
        .Property("WantReturns", &TCustomMemo::SetWantReturns)
        .Property("WantTabs", &TCustomMemo::SetWantTabs)
        .Property("WordWrap", &TCustomMemo::SetWordWrap);
    LayoutClass<TMemo>("TMemo", "TCustomMemo", registry).Creatable();
}

void RegisterComboBoxes(PropertyRegistry& registry) {
    LayoutClass<TComboBoxStrings>("TComboBoxStrings", "TStrings", registry);
    LayoutClass<TCustomComboBox> combo("TCustomComboBox", "TWinControl", registry);
    combo.Property("DropDownCount", &TCustomComboBox::SetDropDownCount)
        .Property("ItemHeight", &TCustomComboBox::SetItemHeight)
        .Property("ItemIndex", &TCustomComboBox::SetItemIndex)
        .SubObject("Items", &TCustomComboBox::Items)
        .Property("Sorted", &TCustomComboBox::SetSorted)
        .Property("Style", &TCustomComboBox::SetStyle)
        .Property("Text", &TCustomComboBox::SetText)
        .Event("OnChange", &TCustomComboBox::OnChange)
        .Event("OnCloseUp", &TCustomComboBox::OnCloseUp)
        .Event("OnDrawItem", &TCustomComboBox::OnDrawItem)
        .Event("OnDropDown", &TCustomComboBox::OnDropDown)
        .Event("OnMeasureItem", &TCustomComboBox::OnMeasureItem)
        .Event("OnSelect", &TCustomComboBox::OnSelect);
    AddInputEvents(combo);
    LayoutClass<TComboBox>("TComboBox", "TCustomComboBox", registry).Creatable();
}

} // namespace

void RegisterStdCtrlsLayout(PropertyRegistry& registry) {
    RegisterEnums();
    RegisterEdits(registry);
    RegisterComboBoxes(registry);
}

} // namespace gl
