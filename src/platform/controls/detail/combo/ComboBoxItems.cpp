// The combo box's CB_* messages: the items (kept by the list), the current selection, heights and widths, and
// the edit field's limit and selection.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboBox.h"
#include "platform/controls/detail/list/ListBox.h"
#include "platform/controls/edit/EditMessages.h"

#include <algorithm>

namespace win::combobox {

namespace {

int IndexArg(WPARAM wParam) {
    return static_cast<int>(static_cast<std::intptr_t>(wParam));
}

} // namespace

LRESULT ComboBox::ForwardToList(UINT listMessage, WPARAM wParam, LPARAM lParam) {
    return m_list && IsWindow(m_list) ? SendMessage(m_list, listMessage, wParam, lParam) : CB_ERR;
}

void ComboBox::InvalidateField() {
    if (!m_redraw) return;
    const RECT field = FieldRect();
    InvalidateRect(m_hwnd, &field, FALSE);
}

void ComboBox::SetCurrent(int index) {
    if (index != -1 && (index < 0 || index >= Count())) index = -1;
    m_selected = index;
    if (m_edit) {
        m_settingEdit = true;
        SetWindowText(m_edit, ItemText(index).c_str());
        if (GetFocus() == m_edit) SendMessage(m_edit, EM_SETSEL, 0, -1);
        m_settingEdit = false;
    }
    if (m_dropped || IsSimple()) {
        if (listbox::ListBox* list = List()) list->Select(index);
    }
    InvalidateField();
}

void ComboBox::SelectByUser(int index) {
    if (index == m_selected) return;
    SetCurrent(index);
    Notify(CBN_SELCHANGE);
}

void ComboBox::ItemInserted(int index) {
    if (index >= 0 && m_selected >= index) ++m_selected;
}

LRESULT ComboBox::OnAddString(WPARAM wParam, LPARAM lParam) {
    const LRESULT r = ForwardToList(LB_ADDSTRING, wParam, lParam);
    ItemInserted(static_cast<int>(r));
    return r;
}

LRESULT ComboBox::OnInsertString(WPARAM wParam, LPARAM lParam) {
    const LRESULT r = ForwardToList(LB_INSERTSTRING, wParam, lParam);
    ItemInserted(static_cast<int>(r));
    return r;
}

LRESULT ComboBox::OnDeleteString(WPARAM wParam, LPARAM lParam) {
    const int index = IndexArg(wParam);
    const LRESULT r = ForwardToList(LB_DELETESTRING, wParam, lParam);
    if (r < 0 || !Alive()) return r;
    if (index == m_selected) {
        m_selected = -1;
        InvalidateField();
    } else if (index < m_selected) {
        --m_selected;
    }
    return r;
}

LRESULT ComboBox::OnResetContent(WPARAM wParam, LPARAM lParam) {
    ForwardToList(LB_RESETCONTENT, wParam, lParam);
    if (!Alive()) return CB_OKAY;
    m_selected = -1;
    m_typeAhead.Reset();
    if (m_edit) {
        m_settingEdit = true;
        SetWindowText(m_edit, "");
        m_settingEdit = false;
    }
    InvalidateField();
    return CB_OKAY;
}

LRESULT ComboBox::OnGetCurSel(WPARAM, LPARAM) {
    return m_selected;
}

LRESULT ComboBox::OnSetCurSel(WPARAM wParam, LPARAM) {
    // An index that names no item clears the selection.
    const int index = IndexArg(wParam);
    if (index < 0 || index >= Count()) {
        SetCurrent(-1);
        return CB_ERR;
    }
    SetCurrent(index);
    return index;
}

LRESULT ComboBox::OnSelectString(WPARAM wParam, LPARAM lParam) {
    const LRESULT found = ForwardToList(LB_FINDSTRING, wParam, lParam);
    if (found >= 0) SetCurrent(static_cast<int>(found));
    return found;
}

LRESULT ComboBox::OnGetItemHeight(WPARAM wParam, LPARAM lParam) {
    if (IndexArg(wParam) == -1) return m_fieldHeight;
    return ForwardToList(LB_GETITEMHEIGHT, wParam, lParam);
}

LRESULT ComboBox::OnSetItemHeight(WPARAM wParam, LPARAM lParam) {
    const auto height = static_cast<std::intptr_t>(lParam);
    if (height <= 0 || height > 255) return CB_ERR;
    if (IndexArg(wParam) != -1) return ForwardToList(LB_SETITEMHEIGHT, 0, lParam);
    if (m_fieldHeight != static_cast<int>(height)) {
        m_fieldHeight = static_cast<int>(height);
        ResizeSelf();
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    return CB_OKAY;
}

LRESULT ComboBox::OnGetDroppedWidth(WPARAM, LPARAM) {
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    return std::max<LONG>(m_droppedWidth, window.right - window.left);
}

LRESULT ComboBox::OnSetDroppedWidth(WPARAM wParam, LPARAM) {
    const auto width = static_cast<std::intptr_t>(wParam);
    if (width < 0 || width > 32767) return CB_ERR;
    m_droppedWidth = static_cast<int>(width);
    return OnGetDroppedWidth(0, 0);
}

LRESULT ComboBox::OnGetDroppedControlRect(WPARAM, LPARAM lParam) {
    auto* out = reinterpret_cast<RECT*>(lParam);
    if (!out) return CB_ERR;
    GetWindowRect(m_hwnd, out);
    out->right = out->left + static_cast<LONG>(OnGetDroppedWidth(0, 0));
    out->bottom = out->top + std::max(m_droppedHeight, ComboHeight());
    return TRUE;
}

LRESULT ComboBox::OnLimitText(WPARAM wParam, LPARAM) {
    if (m_edit) SendMessage(m_edit, EM_LIMITTEXT, wParam, 0);
    return TRUE;
}

LRESULT ComboBox::OnGetEditSel(WPARAM wParam, LPARAM lParam) {
    return m_edit ? SendMessage(m_edit, EM_GETSEL, wParam, lParam) : CB_ERR;
}

LRESULT ComboBox::OnSetEditSel(WPARAM, LPARAM lParam) {
    if (!m_edit) return CB_ERR;
    const auto start = static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lParam)));
    const auto end = static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lParam)));
    SendMessage(m_edit, EM_SETSEL, static_cast<WPARAM>(static_cast<std::intptr_t>(start)), end);
    return TRUE;
}

LRESULT ComboBox::OnSetExtendedUI(WPARAM wParam, LPARAM) {
    m_extendedUI = wParam != 0;
    return CB_OKAY;
}

LRESULT ComboBox::OnGetExtendedUI(WPARAM, LPARAM) {
    return m_extendedUI ? TRUE : FALSE;
}

LRESULT ComboBox::OnSetMinVisible(WPARAM wParam, LPARAM) {
    const int count = IndexArg(wParam);
    if (count < 1) return FALSE;
    m_minVisible = std::min(count, 1000);
    return TRUE;
}

LRESULT ComboBox::OnGetMinVisible(WPARAM, LPARAM) {
    return m_minVisible;
}

} // namespace win::combobox
