// The open list of a combo box: it holds the mouse while shown, follows the pointer with its selection,
// chooses the item the button is let go on, scrolls by its own scroll bar, and closes on a press outside.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboListLink.h"
#include "platform/controls/detail/list/ListBox.h"

#include <algorithm>

namespace win::listbox {

void ListBox::BeginDropped(bool buttonDown) {
    m_dropped = true;
    m_openingPress = buttonDown;
    m_tracking = buttonDown;
    m_thumbDrag = false;
    m_typeAhead.Reset();
    SetCapture(m_hwnd);
}

void ListBox::EndDropped() {
    m_dropped = false;
    m_openingPress = false;
    m_thumbDrag = false;
    StopTracking();
}

RECT ListBox::ScrollBarClientRect() const {
    if (!(Style() & WS_VSCROLL)) return {};
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    POINT origin{0, 0};
    ClientToScreen(m_hwnd, &origin);
    const RECT client = controls::ClientRectOf(m_hwnd);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    // The bar is there when the frame right of the client area has room for it.
    if (window.right - (origin.x + client.right) < width) return {};
    return RECT{client.right, 0, client.right + width, client.bottom};
}

namespace {

ScrollBarState BarState(HWND hwnd) {
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ScrollBarState state;
    if (GetScrollInfo(hwnd, SB_VERT, &si)) {
        state.minPos = si.nMin;
        state.maxPos = si.nMax;
        state.page = si.nPage;
        state.pos = si.nPos;
        state.trackPos = si.nTrackPos;
    }
    return state;
}

} // namespace

bool ListBox::ScrollBarPress(POINT client) {
    const RECT bar = ScrollBarClientRect();
    if (controls::IsEmptyRect(bar) || !controls::Contains(bar, client)) return false;
    const ScrollBarState state = BarState(m_hwnd);
    const ScrollBarLayout layout = LayoutScrollBar(bar, true, state);
    const int page = std::max(1, VisibleCount() - 1);
    switch (HitTestScrollBar(layout, true, client)) {
    case ScrollPart::ArrowLow:
        ScrollLines(-1);
        break;
    case ScrollPart::ArrowHigh:
        ScrollLines(1);
        break;
    case ScrollPart::PageLow:
        ScrollLines(-page);
        break;
    case ScrollPart::PageHigh:
        ScrollLines(page);
        break;
    case ScrollPart::Thumb:
        m_thumbDrag = true;
        m_thumbGrab = client.y - layout.thumb.top;
        break;
    case ScrollPart::None:
        break;
    }
    return true;
}

void ListBox::ScrollBarDrag(POINT client) {
    const RECT bar = ScrollBarClientRect();
    if (controls::IsEmptyRect(bar)) return;
    const ScrollBarState state = BarState(m_hwnd);
    const ScrollBarLayout layout = LayoutScrollBar(bar, true, state);
    SetTopIndex(ScrollPosFromThumb(layout, true, state, client.y - m_thumbGrab));
}

void ListBox::DroppedMouseMove(POINT client) {
    if (m_thumbDrag) {
        ScrollBarDrag(client);
        return;
    }
    const RECT rc = controls::ClientRectOf(m_hwnd);
    if (controls::Contains(rc, client)) {
        bool outside = false;
        const int index = ItemAt(client, &outside);
        if (!outside && index != m_selected) Select(index);
        return;
    }
    // Dragging above or below the list with the button held scrolls it.
    if (m_tracking && client.x >= rc.left && client.x < rc.right && (client.y < 0 || client.y >= rc.bottom))
        StartAutoScroll();
}

bool ListBox::DroppedButtonDown(POINT client) {
    const RECT rc = controls::ClientRectOf(m_hwnd);
    if (controls::Contains(rc, client)) {
        m_tracking = true;
        bool outside = false;
        const int index = ItemAt(client, &outside);
        if (!outside) Select(index);
        return true;
    }
    if (ScrollBarPress(client)) return true;
    // A press anywhere else, the combo box itself included, closes the list without choosing.
    combobox::ListCancelled(m_combo);
    return false;
}

void ListBox::DroppedButtonUp(POINT client) {
    if (m_thumbDrag) {
        m_thumbDrag = false;
        return;
    }
    const bool wasTracking = m_tracking;
    m_tracking = false;
    m_openingPress = false;
    if (m_autoScroll) {
        KillTimer(m_hwnd, 1);
        m_autoScroll = false;
    }
    bool outside = true;
    const int index = ItemAt(client, &outside);
    if (wasTracking && !outside) {
        combobox::ListChose(m_combo, index);
        return;
    }
    // Let go elsewhere (over the combo box after opening it): the list stays open.
    combobox::ListButtonReleased(m_combo);
}

} // namespace win::listbox
