// The combo box behind the window class "COMBOBOX": a selection field (or an edit field) with a list, which
// is a "ComboLBox" pop-up under the control for the drop-down styles and a child list for CBS_SIMPLE. The
// items live in the list; the combo box keeps the current selection, the heights and the open state. Handlers
// live in files by concern (ComboBox.cpp: creation, font, size, focus and text; ComboBoxItems.cpp: the CB_*
// messages; ComboBoxDropDown.cpp: opening and closing the list; ComboBoxInput.cpp: keyboard, mouse and wheel;
// ComboBoxPaint.cpp).
//
// The notifications of choosing an item with the mouse in the open list come in this order: CBN_SELENDOK,
// CBN_CLOSEUP, then CBN_SELCHANGE; the selection has its new value when the first of them arrives. Enter in
// the open list sends CBN_SELENDOK and CBN_CLOSEUP (and CBN_SELCHANGE last when the item under the pointer
// differed from the selection); Escape, a press outside or losing the focus sends CBN_SELENDCANCEL and
// CBN_CLOSEUP. Arrow keys, type-ahead and the wheel send CBN_SELCHANGE at once, open or closed.
#pragma once

#include "platform/controls/detail/list/ListItems.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/User.h"

#include <string>
#include <unordered_map>

namespace win::listbox {
class ListBox;
}

namespace win::combobox {

class ComboBox {
public:
    ComboBox(HWND hwnd, const CREATESTRUCT& cs);
    ComboBox(const ComboBox&) = delete;
    ComboBox& operator=(const ComboBox&) = delete;

    using Handler = LRESULT (ComboBox::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();
    static ComboBox* From(HWND hwnd);

    // Creation, font, geometry, focus, text (ComboBox.cpp).
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnSetFont(WPARAM, LPARAM);
    LRESULT OnGetFont(WPARAM, LPARAM);
    LRESULT OnWindowPosChanging(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnCommand(WPARAM, LPARAM);
    LRESULT OnCtlColor(WPARAM, LPARAM);
    LRESULT OnCtlColorListBox(WPARAM, LPARAM);
    LRESULT OnGetText(WPARAM, LPARAM);
    LRESULT OnGetTextLength(WPARAM, LPARAM);
    LRESULT OnSetText(WPARAM, LPARAM);
    LRESULT OnGetComboBoxInfo(WPARAM, LPARAM);
    LRESULT OnSetRedraw(WPARAM, LPARAM);

    // The CB_* messages (ComboBoxItems.cpp).
    LRESULT OnAddString(WPARAM, LPARAM);
    LRESULT OnInsertString(WPARAM, LPARAM);
    LRESULT OnDeleteString(WPARAM, LPARAM);
    LRESULT OnResetContent(WPARAM, LPARAM);
    LRESULT OnGetCurSel(WPARAM, LPARAM);
    LRESULT OnSetCurSel(WPARAM, LPARAM);
    LRESULT OnSelectString(WPARAM, LPARAM);
    LRESULT OnGetItemHeight(WPARAM, LPARAM);
    LRESULT OnSetItemHeight(WPARAM, LPARAM);
    LRESULT OnGetDroppedWidth(WPARAM, LPARAM);
    LRESULT OnSetDroppedWidth(WPARAM, LPARAM);
    LRESULT OnGetDroppedControlRect(WPARAM, LPARAM);
    LRESULT OnLimitText(WPARAM, LPARAM);
    LRESULT OnGetEditSel(WPARAM, LPARAM);
    LRESULT OnSetEditSel(WPARAM, LPARAM);
    LRESULT OnSetExtendedUI(WPARAM, LPARAM);
    LRESULT OnGetExtendedUI(WPARAM, LPARAM);
    LRESULT OnSetMinVisible(WPARAM, LPARAM);
    LRESULT OnGetMinVisible(WPARAM, LPARAM);
    // CB_GETCOUNT, CB_GETLBTEXT, CB_FINDSTRING... go to the list unchanged.
    LRESULT ForwardToList(UINT listMessage, WPARAM wParam, LPARAM lParam);
    template <UINT ListMessage> LRESULT Forward(WPARAM wParam, LPARAM lParam) {
        return ForwardToList(ListMessage, wParam, lParam);
    }

    // Opening and closing (ComboBoxDropDown.cpp).
    LRESULT OnShowDropDown(WPARAM, LPARAM);
    LRESULT OnGetDroppedState(WPARAM, LPARAM);
    void ListChose(int index);
    void ListCancelled();
    void ListButtonReleased();
    void ListSelectionChanged(int index);
    void ListDoubleClicked();

    // Keyboard, mouse, wheel (ComboBoxInput.cpp).
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnSysKeyDown(WPARAM, LPARAM);
    LRESULT OnChar(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnMouseWheel(WPARAM, LPARAM);
    // Keys typed into the edit field of the CBS_DROPDOWN and CBS_SIMPLE styles; true when the combo box used
    // it.
    bool EditKey(UINT msg, int key);

    // Painting (ComboBoxPaint.cpp).
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

private:
    enum class Close { Choose, Cancel, Quiet };

    // State and geometry (ComboBox.cpp).
    DWORD Kind() const { return m_style & 3; }
    bool IsDropDownList() const { return Kind() == CBS_DROPDOWNLIST; }
    bool IsSimple() const { return Kind() == CBS_SIMPLE || Kind() == 0; }
    bool OwnerDraw() const { return (m_style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) != 0; }
    bool Alive() const { return IsWindow(m_hwnd) != FALSE; }
    listbox::ListBox* List() const;
    int Count() const;
    int ComboHeight() const { return m_fieldHeight + 6; }
    RECT ButtonRect() const;
    RECT FieldRect() const;
    void Notify(WORD code);
    void CreateParts();
    void Measure();
    void ResizeSelf();
    void LayoutParts();
    std::string ItemText(int index) const;

    // The selection (ComboBoxItems.cpp).
    void SetCurrent(int index);
    void SelectByUser(int index);
    void ItemInserted(int index);
    void InvalidateField();

    // Opening and closing (ComboBoxDropDown.cpp).
    int DroppedRows() const;
    void DropDown(bool buttonDown);
    void CloseUp(Close how, int chosen, bool alwaysNotify);
    void HideList();

    // Painting (ComboBoxPaint.cpp).
    void PaintField(HDC dc);
    void PaintButton(HDC dc);

    HWND m_hwnd;
    DWORD m_style;
    HWND m_list = nullptr;
    HWND m_edit = nullptr;
    HFONT m_font = nullptr;
    int m_fieldHeight = 16;
    int m_droppedHeight = 0;
    int m_droppedWidth = 0;
    int m_minVisible = 1;
    int m_selected = -1;
    bool m_focused = false;
    bool m_dropped = false;
    bool m_closing = false;
    bool m_buttonPressed = false;
    bool m_sizingSelf = false;
    bool m_extendedUI = false;
    bool m_redraw = true;
    bool m_settingEdit = false; // the edit field's text follows the selection, which is no edit by the user
    int m_wheelRest = 0;
    listbox::TypeAhead m_typeAhead;
};

// Lets the combo box see the keys typed into its edit field (ComboBoxInput.cpp).
void SubclassEdit(HWND edit);

} // namespace win::combobox
