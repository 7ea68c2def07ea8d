// The list box's geometry, selection and scrolling, and its keyboard, mouse and wheel input.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboListLink.h"
#include "platform/controls/detail/list/ListBox.h"

#include <algorithm>

namespace win::listbox {

namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 100;

int WheelLines() {
    UINT lines = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    return static_cast<int>(lines);
}

} // namespace

RECT ListBox::ItemRect(int index) const {
    const int top = (index - m_topIndex) * m_itemHeight;
    return RECT{0, top, controls::ClientRectOf(m_hwnd).right, top + m_itemHeight};
}

int ListBox::ItemAt(POINT client, bool* outside) const {
    const RECT rc = controls::ClientRectOf(m_hwnd);
    const int count = m_items.Count();
    *outside = !controls::Contains(rc, client);
    if (count == 0) {
        *outside = true;
        return 0;
    }
    int index;
    if (client.y < 0) {
        index = m_topIndex;
    } else {
        index = m_topIndex + (m_itemHeight > 0 ? client.y / m_itemHeight : 0);
        if (client.y >= rc.bottom) index = std::min(index, m_topIndex + VisibleCount() - 1);
    }
    if (index >= count) {
        index = count - 1;
        *outside = true;
    }
    return std::max(0, index);
}

void ListBox::SetTopIndex(int index) {
    const int maxTop = std::max(0, m_items.Count() - VisibleCount());
    index = std::clamp(index, 0, maxTop);
    if (index == m_topIndex) return;
    m_topIndex = index;
    UpdateScrollBar();
    if (Redrawing()) InvalidateRect(m_hwnd, nullptr, TRUE);
}

void ListBox::ScrollLines(int lines) {
    SetTopIndex(m_topIndex + lines);
}

void ListBox::EnsureVisible(int index) {
    if (!m_items.Valid(index)) return;
    const int visible = VisibleCount();
    if (index < m_topIndex)
        SetTopIndex(index);
    else if (index >= m_topIndex + visible)
        SetTopIndex(index - visible + 1);
}

bool ListBox::SetSelection(int index, bool scroll) {
    if (index != -1 && !m_items.Valid(index)) return false;
    const int oldSelected = m_selected;
    const int oldCaret = m_caret;
    m_selected = index;
    if (index >= 0) m_caret = index;
    if (scroll && index >= 0) EnsureVisible(index);
    if (oldSelected != m_selected) RedrawItem(oldSelected, ODA_SELECT);
    if (oldCaret != m_caret && oldCaret != oldSelected) RedrawItem(oldCaret, ODA_FOCUS);
    if (oldSelected != m_selected)
        RedrawItem(m_selected, ODA_SELECT);
    else if (oldCaret != m_caret)
        RedrawItem(m_caret, ODA_FOCUS);
    return oldSelected != m_selected;
}

void ListBox::Select(int index) {
    SetSelection(index, true);
}

void ListBox::SelectByUser(int index) {
    if ((Style() & LBS_NOSEL) != 0) return;
    if (SetSelection(index, true)) Notify(LBN_SELCHANGE);
}

LRESULT ListBox::OnKeyDown(WPARAM wParam, LPARAM) {
    if (m_combo) return 0;
    const int key = static_cast<int>(wParam);
    if (Style() & LBS_WANTKEYBOARDINPUT) {
        const LRESULT answer = SendMessage(GetParent(m_hwnd), WM_VKEYTOITEM, MAKEWPARAM(key, m_caret),
                                           reinterpret_cast<LPARAM>(m_hwnd));
        if (answer == -2 || !IsWindow(m_hwnd)) return 0;
        if (answer >= 0) {
            SelectByUser(static_cast<int>(answer));
            return 0;
        }
    }
    const int target = NavigateIndex(key, m_selected, m_items.Count(), VisibleCount());
    if (target >= 0) {
        m_typeAhead.Reset();
        SelectByUser(target);
    }
    return 0;
}

LRESULT ListBox::OnChar(WPARAM wParam, LPARAM) {
    const auto character = static_cast<char32_t>(wParam);
    if (m_combo || character < 0x20 || character == 0x7F || !HasStrings()) return 0;
    const int found = m_typeAhead.Next(m_items, character, m_selected, GetTickCount());
    if (found >= 0) SelectByUser(found);
    return 0;
}

void ListBox::StartAutoScroll() {
    if (m_autoScroll) return;
    m_autoScroll = SetTimer(m_hwnd, kAutoScrollTimer, kAutoScrollMs, nullptr) != 0;
}

void ListBox::StopTracking() {
    m_tracking = false;
    if (m_autoScroll) {
        KillTimer(m_hwnd, kAutoScrollTimer);
        m_autoScroll = false;
    }
    if (GetCapture() == m_hwnd) {
        m_releasing = true;
        ReleaseCapture();
        m_releasing = false;
    }
}

void ListBox::TrackPoint(POINT client, bool select) {
    const RECT rc = controls::ClientRectOf(m_hwnd);
    if (client.y < 0 || client.y >= rc.bottom) {
        StartAutoScroll();
        return;
    }
    bool outside = false;
    const int index = ItemAt(client, &outside);
    if (select && m_items.Valid(index) && !(outside && client.y >= ItemRect(m_items.Count() - 1).bottom))
        SelectByUser(index);
}

LRESULT ListBox::OnLButtonDown(WPARAM, LPARAM lParam) {
    const POINT point = controls::PointOf(lParam);
    if (m_dropped) {
        DroppedButtonDown(point);
        return 0;
    }
    // The always-shown list of a simple combo box leaves the focus with its combo box's edit field.
    const HWND focus = GetFocus();
    const bool focusedHere = m_combo ? (focus == m_combo || IsChild(m_combo, focus)) : focus == m_hwnd;
    if (!focusedHere) {
        SetFocus(m_combo ? m_combo : m_hwnd);
        if (!IsWindow(m_hwnd)) return 0;
    }
    m_tracking = true;
    SetCapture(m_hwnd);
    TrackPoint(point, true);
    return 0;
}

LRESULT ListBox::OnLButtonDblClk(WPARAM wParam, LPARAM lParam) {
    OnLButtonDown(wParam, lParam);
    if (m_dropped || !IsWindow(m_hwnd)) return 0;
    bool outside = false;
    ItemAt(controls::PointOf(lParam), &outside);
    if (!outside) Notify(LBN_DBLCLK);
    return 0;
}

LRESULT ListBox::OnMouseMove(WPARAM, LPARAM lParam) {
    const POINT point = controls::PointOf(lParam);
    if (m_dropped)
        DroppedMouseMove(point);
    else if (m_tracking)
        TrackPoint(point, true);
    return 0;
}

LRESULT ListBox::OnLButtonUp(WPARAM, LPARAM lParam) {
    if (m_dropped)
        DroppedButtonUp(controls::PointOf(lParam));
    else if (m_tracking)
        StopTracking();
    return 0;
}

LRESULT ListBox::OnCaptureChanged(WPARAM, LPARAM) {
    if (m_releasing) return 0;
    if (m_dropped) {
        // Someone else took the mouse while the list was open: it closes as if cancelled.
        m_dropped = false;
        StopTracking();
        combobox::ListCancelled(m_combo);
        return 0;
    }
    if (m_tracking) {
        m_tracking = false;
        if (m_autoScroll) {
            KillTimer(m_hwnd, kAutoScrollTimer);
            m_autoScroll = false;
        }
    }
    return 0;
}

LRESULT ListBox::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam != kAutoScrollTimer) return 0;
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(m_hwnd, &point);
    const RECT rc = controls::ClientRectOf(m_hwnd);
    int target = -1;
    if (m_tracking && point.y < 0) {
        ScrollLines(-1);
        target = m_topIndex;
    } else if (m_tracking && point.y >= rc.bottom) {
        ScrollLines(1);
        target = std::min(m_items.Count() - 1, m_topIndex + VisibleCount() - 1);
    }
    if (target < 0) {
        KillTimer(m_hwnd, kAutoScrollTimer);
        m_autoScroll = false;
        return 0;
    }
    if (m_dropped)
        Select(target);
    else
        SelectByUser(target);
    return 0;
}

LRESULT ListBox::OnMouseWheel(WPARAM wParam, LPARAM) {
    m_wheelRest += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = m_wheelRest / WHEEL_DELTA;
    m_wheelRest -= notches * WHEEL_DELTA;
    if (notches == 0) return 0;
    int lines = WheelLines();
    const int page = std::max(1, VisibleCount() - 1);
    if (lines <= 0 || lines > page) lines = page;
    ScrollLines(-notches * lines);
    return 0;
}

LRESULT ListBox::OnVScroll(WPARAM wParam, LPARAM) {
    const int page = std::max(1, VisibleCount() - 1);
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        ScrollLines(-1);
        break;
    case SB_LINEDOWN:
        ScrollLines(1);
        break;
    case SB_PAGEUP:
        ScrollLines(-page);
        break;
    case SB_PAGEDOWN:
        ScrollLines(page);
        break;
    case SB_TOP:
        SetTopIndex(0);
        break;
    case SB_BOTTOM:
        SetTopIndex(m_items.Count());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        const int pos = GetScrollInfo(m_hwnd, SB_VERT, &si) ? si.nTrackPos : HIWORD(wParam);
        SetTopIndex(pos);
        break;
    }
    default:
        break;
    }
    return 0;
}

LRESULT ListBox::OnMouseActivate(WPARAM wParam, LPARAM lParam) {
    // The open list of a combo box never takes the activation (nor the focus) from the combo box's window.
    if (m_combo) return MA_NOACTIVATE;
    return DefWindowProc(m_hwnd, WM_MOUSEACTIVATE, wParam, lParam);
}

} // namespace win::listbox
