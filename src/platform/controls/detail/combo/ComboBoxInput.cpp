// The combo box's keyboard, mouse and wheel: F4 and Alt+arrows open and close the list, arrows and type-ahead
// move the selection (in the open list too), Enter and Escape close it, the wheel steps through the items or
// scrolls the open list. The edit field of the editable styles passes its arrow keys here.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboBox.h"
#include "platform/controls/detail/list/ListBox.h"

#include <algorithm>

namespace win::combobox {

namespace {

constexpr const char* kEditProcProp = "GlyphloomComboEditProc";

LRESULT EditSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto old = reinterpret_cast<WNDPROC>(GetProp(hwnd, kEditProcProp));
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
        ComboBox* combo = ComboBox::From(GetParent(hwnd));
        if (combo && combo->EditKey(msg, static_cast<int>(wParam))) return 0;
    }
    if (msg == WM_NCDESTROY) RemoveProp(hwnd, kEditProcProp);
    return old ? CallWindowProc(old, hwnd, msg, wParam, lParam) : DefWindowProc(hwnd, msg, wParam, lParam);
}

} // namespace

void SubclassEdit(HWND edit) {
    const LONG_PTR old = GetWindowLongPtr(edit, GWLP_WNDPROC);
    if (!old) return;
    SetProp(edit, kEditProcProp, reinterpret_cast<HANDLE>(old));
    SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditSubclassProc));
}

bool ComboBox::EditKey(UINT msg, int key) {
    const bool alt = msg == WM_SYSKEYDOWN;
    listbox::ListBox* list = List();
    if (!list) return false;
    const bool toggle = (key == VK_F4 && !alt && !m_extendedUI) || (alt && (key == VK_DOWN || key == VK_UP));
    if (toggle) {
        if (IsSimple()) return false;
        if (m_dropped)
            CloseUp(Close::Choose, list->Selection(), false);
        else
            DropDown(false);
        return true;
    }
    if (alt) return false;
    if (m_dropped && key == VK_RETURN) {
        CloseUp(Close::Choose, list->Selection(), false);
        return true;
    }
    if (m_dropped && key == VK_ESCAPE) {
        CloseUp(Close::Cancel, -1, false);
        return true;
    }
    if (m_extendedUI && !m_dropped && key == VK_DOWN && !IsSimple()) {
        DropDown(false);
        return true;
    }
    // In an edit field these keys move the caret.
    if (m_edit && (key == VK_HOME || key == VK_END || key == VK_LEFT || key == VK_RIGHT)) return false;
    const int current = m_dropped ? list->Selection() : m_selected;
    const int page = m_dropped ? list->VisibleCount() : DroppedRows();
    const int target = listbox::NavigateIndex(key, current, Count(), page);
    if (target < 0) return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
    m_typeAhead.Reset();
    if (m_dropped) list->Select(target);
    SelectByUser(target);
    return true;
}

LRESULT ComboBox::OnKeyDown(WPARAM wParam, LPARAM) {
    EditKey(WM_KEYDOWN, static_cast<int>(wParam));
    return 0;
}

LRESULT ComboBox::OnSysKeyDown(WPARAM wParam, LPARAM lParam) {
    if (EditKey(WM_SYSKEYDOWN, static_cast<int>(wParam))) return 0;
    return DefWindowProc(m_hwnd, WM_SYSKEYDOWN, wParam, lParam);
}

LRESULT ComboBox::OnChar(WPARAM wParam, LPARAM) {
    const auto character = static_cast<char32_t>(wParam);
    listbox::ListBox* list = List();
    if (!IsDropDownList() || !list || character < 0x20 || character == 0x7F) return 0;
    const int current = m_dropped ? list->Selection() : m_selected;
    const int found = m_typeAhead.Next(list->Items(), character, current, GetTickCount());
    if (found < 0) return 0;
    if (m_dropped) list->Select(found);
    SelectByUser(found);
    return 0;
}

LRESULT ComboBox::OnLButtonDown(WPARAM, LPARAM lParam) {
    const POINT point = controls::PointOf(lParam);
    const HWND focus = GetFocus();
    if (focus != m_hwnd && (!m_edit || focus != m_edit)) {
        SetFocus(m_hwnd);
        if (!Alive()) return 0;
    }
    if (m_dropped) {
        CloseUp(Close::Cancel, -1, false);
        return 0;
    }
    if (IsSimple() || !IsWindowEnabled(m_hwnd)) return 0;
    if (IsDropDownList() || controls::Contains(ButtonRect(), point)) DropDown(true);
    return 0;
}

LRESULT ComboBox::OnLButtonUp(WPARAM, LPARAM) {
    ListButtonReleased();
    return 0;
}

LRESULT ComboBox::OnMouseWheel(WPARAM wParam, LPARAM) {
    m_wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    listbox::ListBox* list = List();
    if (notches == 0 || !list) return 0;
    if (m_dropped) {
        UINT lines = 3;
        SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int page = std::max(1, list->VisibleCount() - 1);
        const int step = (lines == 0 || static_cast<int>(lines) > page) ? page : static_cast<int>(lines);
        list->ScrollLines(-notches * step);
        return 0;
    }
    // Closed: one item per notch, down the list for a turn towards the user, stopping at either end.
    const int count = Count();
    for (int i = 0; i < std::abs(notches) && count > 0 && Alive(); ++i) {
        const int target = m_selected < 0 ? 0 : std::clamp(m_selected + (notches < 0 ? 1 : -1), 0, count - 1);
        SelectByUser(target);
    }
    return 0;
}

} // namespace win::combobox
