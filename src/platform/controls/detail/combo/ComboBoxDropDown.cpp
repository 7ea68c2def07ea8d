// Opening and closing the list of a drop-down combo box: its place and size under the control, the
// notifications in the platform's order, and what the open list reports back.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboBox.h"
#include "platform/controls/detail/combo/ComboListLink.h"
#include "platform/controls/detail/list/ListBox.h"

#include <algorithm>

namespace win::combobox {

int ComboBox::DroppedRows() const {
    const listbox::ListBox* list = List();
    const int itemHeight = m_list ? static_cast<int>(SendMessage(m_list, LB_GETITEMHEIGHT, 0, 0)) : 0;
    // The height asked for the open control, less the control itself and the list's border, in whole items.
    int rows = itemHeight > 0 ? (m_droppedHeight - ComboHeight() - 2) / itemHeight : 1;
    rows = std::max(rows, m_minVisible);
    rows = std::min(rows, std::max(1, list ? list->Items().Count() : 0));
    return std::max(1, rows);
}

void ComboBox::DropDown(bool buttonDown) {
    if (m_dropped || IsSimple() || !List()) return;
    // The owner hears of it first, and may still change the items or the heights.
    Notify(CBN_DROPDOWN);
    if (!Alive() || m_dropped || !List()) return;
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    const int width = static_cast<int>(OnGetDroppedWidth(0, 0));
    const int itemHeight = static_cast<int>(SendMessage(m_list, LB_GETITEMHEIGHT, 0, 0));
    const int height = DroppedRows() * std::max(1, itemHeight) + 2;
    int top = window.bottom;
    // Where the screen ends below the control, the list opens above it.
    if (top + height > GetSystemMetrics(SM_CYSCREEN) && window.top - height >= 0) top = window.top - height;
    SetWindowPos(m_list, HWND_TOPMOST, window.left, top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    listbox::ListBox* list = List();
    if (!Alive() || !list) return;
    list->Select(m_selected);
    m_dropped = true;
    m_buttonPressed = buttonDown;
    m_typeAhead.Reset();
    InvalidateRect(m_hwnd, nullptr, FALSE);
    list->BeginDropped(buttonDown);
}

void ComboBox::HideList() {
    m_dropped = false;
    m_buttonPressed = false;
    m_typeAhead.Reset();
    if (listbox::ListBox* list = List()) list->EndDropped();
    if (m_list && IsWindow(m_list))
        SetWindowPos(m_list, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ComboBox::CloseUp(Close how, int chosen, bool alwaysNotify) {
    if (!m_dropped || m_closing) return;
    m_closing = true;
    bool changed = false;
    if (how == Close::Choose && chosen >= 0 && chosen < Count()) {
        changed = alwaysNotify || chosen != m_selected;
        if (chosen != m_selected) SetCurrent(chosen);
    }
    if (how == Close::Choose)
        Notify(CBN_SELENDOK);
    else if (how == Close::Cancel)
        Notify(CBN_SELENDCANCEL);
    if (!Alive()) return;
    if (m_dropped) {
        HideList();
        Notify(CBN_CLOSEUP);
        if (!Alive()) return;
    }
    m_closing = false;
    if (changed) Notify(CBN_SELCHANGE);
}

void ComboBox::ListChose(int index) {
    CloseUp(Close::Choose, index, true);
}

void ComboBox::ListCancelled() {
    CloseUp(Close::Cancel, -1, false);
}

void ComboBox::ListButtonReleased() {
    if (!m_buttonPressed) return;
    m_buttonPressed = false;
    const RECT button = ButtonRect();
    InvalidateRect(m_hwnd, &button, FALSE);
}

void ComboBox::ListSelectionChanged(int index) {
    SelectByUser(index);
}

void ComboBox::ListDoubleClicked() {
    Notify(CBN_DBLCLK);
}

LRESULT ComboBox::OnShowDropDown(WPARAM wParam, LPARAM) {
    if (wParam)
        DropDown(false);
    else
        CloseUp(Close::Quiet, -1, false);
    return TRUE;
}

LRESULT ComboBox::OnGetDroppedState(WPARAM, LPARAM) {
    return m_dropped ? TRUE : FALSE;
}

void ListChose(HWND combo, int index) {
    if (ComboBox* c = ComboBox::From(combo)) c->ListChose(index);
}

void ListCancelled(HWND combo) {
    if (ComboBox* c = ComboBox::From(combo)) c->ListCancelled();
}

void ListButtonReleased(HWND combo) {
    if (ComboBox* c = ComboBox::From(combo)) c->ListButtonReleased();
}

void ListSelectionChanged(HWND combo, int index) {
    if (ComboBox* c = ComboBox::From(combo)) c->ListSelectionChanged(index);
}

void ListDoubleClicked(HWND combo) {
    if (ComboBox* c = ComboBox::From(combo)) c->ListDoubleClicked();
}

} // namespace win::combobox
