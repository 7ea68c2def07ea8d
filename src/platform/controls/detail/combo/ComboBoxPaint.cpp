// Painting of the combo box in the classic look: the sunken edge, the drop-down button with its arrow, and
// the selection field, drawn by the owner (WM_DRAWITEM with ODS_COMBOBOXEDIT) or with the item's text.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/combo/ComboBox.h"
#include "platform/controls/detail/list/ListBox.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Edges.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"
#include "platform/win/gdi_types.h"

namespace win::combobox {

void ComboBox::PaintButton(HDC dc) {
    const RECT button = ButtonRect();
    if (controls::IsEmptyRect(button)) return;
    controls::DrawComboButton(dc, button, m_buttonPressed, IsWindowEnabled(m_hwnd) != FALSE);
}

void ComboBox::PaintField(HDC dc) {
    const RECT field = FieldRect();
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    const bool highlighted = m_focused && !m_dropped;
    const listbox::ListBox* list = List();
    const bool valid = list && list->Items().Valid(m_selected);
    if (OwnerDraw()) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_COMBOBOX;
        dis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        dis.itemID = valid ? static_cast<UINT>(m_selected) : static_cast<UINT>(-1);
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState =
            ODS_COMBOBOXEDIT | (highlighted ? ODS_SELECTED | ODS_FOCUS : 0) | (enabled ? 0 : ODS_DISABLED);
        dis.hwndItem = m_hwnd;
        dis.hDC = dc;
        dis.rcItem = field;
        dis.itemData = valid ? list->Items().At(m_selected).data : 0;
        const int saved = SaveDC(dc);
        SendMessage(GetParent(m_hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        RestoreDC(dc, saved);
        return;
    }
    COLORREF color = GetTextColor(dc);
    if (highlighted) {
        controls::FillSysColor(dc, field, COLOR_HIGHLIGHT);
        color = GetSysColor(COLOR_HIGHLIGHTTEXT);
    }
    if (!enabled) color = GetSysColor(COLOR_GRAYTEXT);
    if (valid) {
        const RECT text{field.left + 2, field.top, field.right, field.bottom};
        controls::DrawTextIn(dc, list->Items().At(m_selected).text, text,
                             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX, color);
    }
    if (highlighted) DrawFocusRect(dc, &field);
}

LRESULT ComboBox::OnPaint(WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    const RECT client = controls::ClientRectOf(m_hwnd);
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    HGDIOBJ oldFont = SelectObject(dc, controls::FontOrSystem(m_font));
    // The edit field paints itself: the combo box keeps off it.
    if (m_edit) {
        RECT edit{};
        GetWindowRect(m_edit, &edit);
        POINT origin{edit.left, edit.top};
        ScreenToClient(m_hwnd, &origin);
        ExcludeClipRect(dc, origin.x, origin.y, origin.x + (edit.right - edit.left),
                        origin.y + (edit.bottom - edit.top));
    }
    RECT frame = IsSimple() ? RECT{0, 0, client.right, ComboHeight()} : client;
    const UINT colorMessage = (m_edit || enabled) ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    HBRUSH brush = controls::ControlColors(GetParent(m_hwnd), m_hwnd, colorMessage, dc,
                                           enabled ? COLOR_WINDOW : COLOR_BTNFACE, COLOR_WINDOWTEXT);
    DrawEdge(dc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const RECT button = ButtonRect();
    if (!controls::IsEmptyRect(button)) frame.right = button.left;
    if (!controls::IsEmptyRect(frame)) FillRect(dc, &frame, brush);
    PaintButton(dc);
    if (IsDropDownList()) PaintField(dc);
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
    return 0;
}

LRESULT ComboBox::OnEraseBkgnd(WPARAM, LPARAM) {
    // Painting covers the whole control.
    return 1;
}

} // namespace win::combobox
