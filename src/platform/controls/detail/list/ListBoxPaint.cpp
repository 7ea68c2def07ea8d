// Painting of the list box: the items in the classic look, or WM_DRAWITEM to the owner for owner-drawn lists,
// the whole list on WM_PAINT and single items at once when their selection or focus changes.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/list/ListBox.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

namespace win::listbox {

UINT ListBox::ItemState(int index) const {
    UINT state = 0;
    if (index == m_selected) state |= ODS_SELECTED;
    // The open list of a combo box shows the focus on its selection, the combo box having the focus.
    if ((m_focused || m_dropped) && index == m_caret) state |= ODS_FOCUS;
    if (!IsWindowEnabled(m_hwnd)) state |= ODS_DISABLED;
    return state;
}

void ListBox::SendDrawItem(HDC dc, int index, UINT action) {
    HWND control = m_combo ? m_combo : m_hwnd;
    DRAWITEMSTRUCT dis;
    dis.CtlType = m_combo ? ODT_COMBOBOX : ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(control));
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = action;
    dis.itemState = ItemState(index);
    dis.hwndItem = control;
    dis.hDC = dc;
    dis.rcItem = ItemRect(index);
    dis.itemData = m_items.At(index).data;
    // The owner may leave its own objects in the context: each item starts from the list's state.
    const int saved = SaveDC(dc);
    SendMessage(GetParent(control), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    RestoreDC(dc, saved);
}

void ListBox::PaintItem(HDC dc, int index, UINT action, HBRUSH background, COLORREF textColor) {
    if (OwnerDraw()) {
        SendDrawItem(dc, index, action);
        return;
    }
    const RECT r = ItemRect(index);
    const UINT state = ItemState(index);
    COLORREF color = textColor;
    if (state & ODS_SELECTED) {
        controls::FillSysColor(dc, r, COLOR_HIGHLIGHT);
        color = GetSysColor(COLOR_HIGHLIGHTTEXT);
    } else {
        FillRect(dc, &r, background);
    }
    if (state & ODS_DISABLED) color = GetSysColor(COLOR_GRAYTEXT);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (Style() & LBS_USETABSTOPS) format |= DT_EXPANDTABS;
    const RECT textRect{r.left + 2, r.top, r.right, r.bottom};
    controls::DrawTextIn(dc, m_items.At(index).text, textRect, format, color);
    if (state & ODS_FOCUS) DrawFocusRect(dc, &r);
}

void ListBox::RedrawItem(int index, UINT action) {
    if (!m_items.Valid(index) || !Redrawing()) return;
    const RECT r = ItemRect(index);
    const RECT client = controls::ClientRectOf(m_hwnd);
    if (controls::IsEmptyRect(controls::Intersection(r, client))) return;
    HDC dc = GetDC(m_hwnd);
    if (!dc) return;
    HGDIOBJ oldFont = SelectObject(dc, controls::FontOrSystem(m_font));
    HBRUSH brush =
        controls::ControlColors(ReportTo(), m_hwnd, WM_CTLCOLORLISTBOX, dc, COLOR_WINDOW, COLOR_WINDOWTEXT);
    if (m_items.Valid(index)) PaintItem(dc, index, action, brush, GetTextColor(dc));
    SelectObject(dc, oldFont);
    ReleaseDC(m_hwnd, dc);
}

LRESULT ListBox::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    HGDIOBJ oldFont = SelectObject(dc, controls::FontOrSystem(m_font));
    HBRUSH brush =
        controls::ControlColors(ReportTo(), m_hwnd, WM_CTLCOLORLISTBOX, dc, COLOR_WINDOW, COLOR_WINDOWTEXT);
    const COLORREF textColor = GetTextColor(dc);
    const RECT client = controls::ClientRectOf(m_hwnd);
    int bottom = 0;
    for (int i = m_topIndex; i < m_items.Count() && bottom < client.bottom; ++i) {
        const RECT r = ItemRect(i);
        bottom = r.bottom;
        if (!controls::IsEmptyRect(controls::Intersection(r, ps.rcPaint)) && m_items.Valid(i))
            PaintItem(dc, i, ODA_DRAWENTIRE, brush, textColor);
    }
    const RECT rest{0, bottom, client.right, client.bottom};
    if (!controls::IsEmptyRect(rest)) FillRect(dc, &rest, brush);
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
    return 0;
}

LRESULT ListBox::OnEraseBkgnd(WPARAM, LPARAM) {
    // Painting covers every pixel of the client area.
    return 1;
}

} // namespace win::listbox
