// The list box behind the window classes "LISTBOX" and "ComboLBox" (the list of a combo box): one object per
// window with its items, selection, scrolling and owner-draw state. Handlers live in files by concern
// (ListBox.cpp: creation, font, size and focus; ListBoxItems.cpp: the LB_* messages; ListBoxInput.cpp:
// keyboard, mouse, wheel and scrolling; ListBoxPaint.cpp: painting and owner draw; ListBoxDropped.cpp: the
// open list of a combo box).
#pragma once

#include "platform/controls/detail/list/ListItems.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/User.h"

#include <unordered_map>

namespace win::listbox {

class ListBox {
public:
    ListBox(HWND hwnd, const CREATESTRUCT& cs);
    ListBox(const ListBox&) = delete;
    ListBox& operator=(const ListBox&) = delete;

    using Handler = LRESULT (ListBox::*)(WPARAM, LPARAM);
    static const std::unordered_map<UINT, Handler>& Handlers();
    // The object of a list box window (of "LISTBOX", "ComboLBox" or a class made from them); null for any
    // other.
    static ListBox* From(HWND hwnd);

    // Creation, font, geometry, focus (ListBox.cpp).
    LRESULT OnCreate(WPARAM, LPARAM);
    LRESULT OnDestroy(WPARAM, LPARAM);
    LRESULT OnSetFont(WPARAM, LPARAM);
    LRESULT OnGetFont(WPARAM, LPARAM);
    LRESULT OnSize(WPARAM, LPARAM);
    LRESULT OnWindowPosChanging(WPARAM, LPARAM);
    LRESULT OnEnable(WPARAM, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnGetDlgCode(WPARAM, LPARAM);
    LRESULT OnSetRedraw(WPARAM, LPARAM);
    LRESULT OnStyleChanged(WPARAM, LPARAM);

    // Items and queries (ListBoxItems.cpp).
    LRESULT OnAddString(WPARAM, LPARAM);
    LRESULT OnInsertString(WPARAM, LPARAM);
    LRESULT OnDeleteString(WPARAM, LPARAM);
    LRESULT OnResetContent(WPARAM, LPARAM);
    LRESULT OnGetCount(WPARAM, LPARAM);
    LRESULT OnGetCurSel(WPARAM, LPARAM);
    LRESULT OnSetCurSel(WPARAM, LPARAM);
    LRESULT OnGetSel(WPARAM, LPARAM);
    LRESULT OnSetSel(WPARAM, LPARAM);
    LRESULT OnGetSelCount(WPARAM, LPARAM);
    LRESULT OnGetText(WPARAM, LPARAM);
    LRESULT OnGetTextLen(WPARAM, LPARAM);
    LRESULT OnGetItemData(WPARAM, LPARAM);
    LRESULT OnSetItemData(WPARAM, LPARAM);
    LRESULT OnFindString(WPARAM, LPARAM);
    LRESULT OnFindStringExact(WPARAM, LPARAM);
    LRESULT OnSelectString(WPARAM, LPARAM);
    LRESULT OnGetTopIndex(WPARAM, LPARAM);
    LRESULT OnSetTopIndex(WPARAM, LPARAM);
    LRESULT OnGetItemHeight(WPARAM, LPARAM);
    LRESULT OnSetItemHeight(WPARAM, LPARAM);
    LRESULT OnGetItemRect(WPARAM, LPARAM);
    LRESULT OnItemFromPoint(WPARAM, LPARAM);
    LRESULT OnGetCaretIndex(WPARAM, LPARAM);
    LRESULT OnSetCaretIndex(WPARAM, LPARAM);
    LRESULT OnInitStorage(WPARAM, LPARAM);
    LRESULT OnGetListBoxInfo(WPARAM, LPARAM);

    // Keyboard, mouse, wheel and scrolling (ListBoxInput.cpp).
    LRESULT OnKeyDown(WPARAM, LPARAM);
    LRESULT OnChar(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnLButtonDblClk(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    LRESULT OnTimer(WPARAM, LPARAM);
    LRESULT OnMouseWheel(WPARAM, LPARAM);
    LRESULT OnVScroll(WPARAM, LPARAM);
    LRESULT OnMouseActivate(WPARAM, LPARAM);

    // Painting (ListBoxPaint.cpp).
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnEraseBkgnd(WPARAM, LPARAM);

    // What the combo box that owns this list calls (ListBoxDropped.cpp).
    int Selection() const { return m_selected; }
    // Selects an item (-1: none) without notifying, and brings it into view.
    void Select(int index);
    int VisibleCount() const;
    void ScrollLines(int lines);
    // The list has been shown under its combo box: it takes the mouse. buttonDown: the press that opened it
    // is still held, so letting go over an item chooses it.
    void BeginDropped(bool buttonDown);
    // The list is about to be hidden: it lets the mouse go.
    void EndDropped();
    const ListItems& Items() const { return m_items; }

private:
    // State (ListBox.cpp).
    DWORD Style() const;
    bool OwnerDraw() const { return (m_style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (m_style & LBS_HASSTRINGS) != 0; }
    bool Notifies() const { return (m_style & LBS_NOTIFY) != 0; }
    HWND ReportTo() const;
    void Notify(WORD code);
    void MeasureItems();
    void UpdateScrollBar();
    void ClampTopIndex();
    bool Redrawing() const;

    // Items (ListBoxItems.cpp).
    std::string TextArgument(LPARAM lParam) const;
    LRESULT Inserted(int index);
    void SendDeleteItem(int index);
    LRESULT CopyItemText(int index, LPARAM buffer) const;

    // Geometry and selection (ListBoxInput.cpp).
    RECT ItemRect(int index) const;
    int ItemAt(POINT client, bool* outside) const;
    void SetTopIndex(int index);
    void EnsureVisible(int index);
    // Selects and moves the caret; true when the selection changed.
    bool SetSelection(int index, bool scroll);
    void SelectByUser(int index);
    void TrackPoint(POINT client, bool select);
    void StopTracking();
    void StartAutoScroll();

    // The open list of a combo box (ListBoxDropped.cpp).
    bool DroppedButtonDown(POINT client);
    void DroppedButtonUp(POINT client);
    void DroppedMouseMove(POINT client);
    bool ScrollBarPress(POINT client);
    void ScrollBarDrag(POINT client);
    RECT ScrollBarClientRect() const;

    // Painting (ListBoxPaint.cpp).
    UINT ItemState(int index) const;
    void PaintItem(HDC dc, int index, UINT action, HBRUSH background, COLORREF textColor);
    void RedrawItem(int index, UINT action);
    void SendDrawItem(HDC dc, int index, UINT action);

    HWND m_hwnd;
    HWND m_combo = nullptr; // the combo box whose list this is
    DWORD m_style;
    bool m_scrollBar; // made with WS_VSCROLL: the bar comes and goes as the items need it
    ListItems m_items;
    HFONT m_font = nullptr;
    int m_itemHeight = 16;
    int m_topIndex = 0;
    int m_selected = -1;
    int m_caret = 0;
    bool m_focused = false;
    bool m_redraw = true;
    bool m_tracking = false;     // the left button is down in the list
    bool m_autoScroll = false;   // the scroll timer is running
    bool m_dropped = false;      // shown under its combo box, holding the mouse
    bool m_openingPress = false; // the press that opened the list is still held
    bool m_releasing = false;    // letting the mouse go on purpose
    bool m_thumbDrag = false;    // dragging the thumb of the open list's scroll bar
    int m_thumbGrab = 0;
    int m_wheelRest = 0;
    TypeAhead m_typeAhead;
};

} // namespace win::listbox
