// The "LISTBOX" and "ComboLBox" window classes: the message table, creation, the font and item height, size
// and integral height, focus, redraw and the notifications to the parent.
#include "platform/controls/detail/list/ListBox.h"

#include "platform/controls/ControlClasses.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"
#include "platform/controls/detail/combo/ComboListLink.h"

#include <algorithm>

namespace win::listbox {

const std::unordered_map<UINT, ListBox::Handler>& ListBox::Handlers() {
    using L = ListBox;
    static const std::unordered_map<UINT, Handler> table = {
        {WM_CREATE, &L::OnCreate},
        {WM_DESTROY, &L::OnDestroy},
        {WM_SETFONT, &L::OnSetFont},
        {WM_GETFONT, &L::OnGetFont},
        {WM_SIZE, &L::OnSize},
        {WM_WINDOWPOSCHANGING, &L::OnWindowPosChanging},
        {WM_ENABLE, &L::OnEnable},
        {WM_SETFOCUS, &L::OnSetFocus},
        {WM_KILLFOCUS, &L::OnKillFocus},
        {WM_GETDLGCODE, &L::OnGetDlgCode},
        {WM_SETREDRAW, &L::OnSetRedraw},
        {WM_STYLECHANGED, &L::OnStyleChanged},
        {LB_ADDSTRING, &L::OnAddString},
        {LB_INSERTSTRING, &L::OnInsertString},
        {LB_DELETESTRING, &L::OnDeleteString},
        {LB_RESETCONTENT, &L::OnResetContent},
        {LB_GETCOUNT, &L::OnGetCount},
        {LB_GETCURSEL, &L::OnGetCurSel},
        {LB_SETCURSEL, &L::OnSetCurSel},
        {LB_GETSEL, &L::OnGetSel},
        {LB_SETSEL, &L::OnSetSel},
        {LB_GETSELCOUNT, &L::OnGetSelCount},
        {LB_GETTEXT, &L::OnGetText},
        {LB_GETTEXTLEN, &L::OnGetTextLen},
        {LB_GETITEMDATA, &L::OnGetItemData},
        {LB_SETITEMDATA, &L::OnSetItemData},
        {LB_FINDSTRING, &L::OnFindString},
        {LB_FINDSTRINGEXACT, &L::OnFindStringExact},
        {LB_SELECTSTRING, &L::OnSelectString},
        {LB_GETTOPINDEX, &L::OnGetTopIndex},
        {LB_SETTOPINDEX, &L::OnSetTopIndex},
        {LB_GETITEMHEIGHT, &L::OnGetItemHeight},
        {LB_SETITEMHEIGHT, &L::OnSetItemHeight},
        {LB_GETITEMRECT, &L::OnGetItemRect},
        {LB_ITEMFROMPOINT, &L::OnItemFromPoint},
        {LB_GETCARETINDEX, &L::OnGetCaretIndex},
        {LB_SETCARETINDEX, &L::OnSetCaretIndex},
        {LB_INITSTORAGE, &L::OnInitStorage},
        {LB_GETLISTBOXINFO, &L::OnGetListBoxInfo},
        {WM_KEYDOWN, &L::OnKeyDown},
        {WM_CHAR, &L::OnChar},
        {WM_LBUTTONDOWN, &L::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &L::OnLButtonDblClk},
        {WM_MOUSEMOVE, &L::OnMouseMove},
        {WM_LBUTTONUP, &L::OnLButtonUp},
        {WM_CAPTURECHANGED, &L::OnCaptureChanged},
        {WM_TIMER, &L::OnTimer},
        {WM_MOUSEWHEEL, &L::OnMouseWheel},
        {WM_VSCROLL, &L::OnVScroll},
        {WM_MOUSEACTIVATE, &L::OnMouseActivate},
        {WM_PAINT, &L::OnPaint},
        {WM_ERASEBKGND, &L::OnEraseBkgnd},
    };
    return table;
}

ListBox* ListBox::From(HWND hwnd) {
    return controls::ControlOf<ListBox>(hwnd);
}

ListBox::ListBox(HWND hwnd, const CREATESTRUCT& cs)
    : m_hwnd(hwnd), m_style(static_cast<DWORD>(cs.style)), m_scrollBar((m_style & WS_VSCROLL) != 0) {
    // A combo box makes its list with itself as the creation parameter.
    if ((m_style & LBS_COMBOBOX) && cs.lpCreateParams) m_combo = static_cast<HWND>(cs.lpCreateParams);
    m_items.SetSorted((m_style & LBS_SORT) != 0);
}

DWORD ListBox::Style() const {
    return static_cast<DWORD>(GetWindowLong(m_hwnd, GWL_STYLE));
}

HWND ListBox::ReportTo() const {
    return m_combo ? m_combo : GetParent(m_hwnd);
}

bool ListBox::Redrawing() const {
    return m_redraw && IsWindowVisible(m_hwnd);
}

void ListBox::Notify(WORD code) {
    // The list of a combo box tells its combo box directly; a plain list box tells its parent when asked to.
    if (m_combo) {
        if (code == LBN_SELCHANGE)
            combobox::ListSelectionChanged(m_combo, m_selected);
        else if (code == LBN_DBLCLK)
            combobox::ListDoubleClicked(m_combo);
        return;
    }
    if (Notifies() || code == LBN_ERRSPACE)
        controls::SendCommandNotification(GetParent(m_hwnd), m_hwnd, code);
}

void ListBox::MeasureItems() {
    MEASUREITEMSTRUCT mis;
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
    mis.itemID = 0;
    mis.itemWidth = static_cast<UINT>(controls::ClientRectOf(m_hwnd).right);
    mis.itemHeight = static_cast<UINT>(m_itemHeight);
    SendMessage(GetParent(m_hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (mis.itemHeight > 0 && mis.itemHeight <= 255) m_itemHeight = static_cast<int>(mis.itemHeight);
}

LRESULT ListBox::OnCreate(WPARAM, LPARAM) {
    m_itemHeight = controls::FontHeight(nullptr);
    // Owner-drawn items are measured once, when the list is made; a combo box measures for its list.
    if (OwnerDraw() && !m_combo) MeasureItems();
    UpdateScrollBar();
    return 0;
}

LRESULT ListBox::OnDestroy(WPARAM, LPARAM) {
    StopTracking();
    KillTimer(m_hwnd, 1);
    return 0;
}

LRESULT ListBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    // Owner-drawn fixed items keep the height their owner gave them.
    if (!OwnerDraw()) m_itemHeight = controls::FontHeight(m_font);
    ClampTopIndex();
    UpdateScrollBar();
    if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ListBox::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_font);
}

LRESULT ListBox::OnSize(WPARAM, LPARAM) {
    ClampTopIndex();
    UpdateScrollBar();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ListBox::OnWindowPosChanging(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProc(m_hwnd, WM_WINDOWPOSCHANGING, wParam, lParam);
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!pos || (pos->flags & SWP_NOSIZE) || m_combo || (Style() & LBS_NOINTEGRALHEIGHT)) return result;
    // An integral-height list shows only whole items: its client area shrinks to a multiple of the item
    // height.
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    const int frame = (window.bottom - window.top) - controls::ClientRectOf(m_hwnd).bottom;
    const int client = pos->cy - frame;
    if (client > m_itemHeight && m_itemHeight > 0) pos->cy = frame + client / m_itemHeight * m_itemHeight;
    return result;
}

LRESULT ListBox::OnEnable(WPARAM, LPARAM) {
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ListBox::OnSetFocus(WPARAM, LPARAM) {
    m_focused = true;
    RedrawItem(m_caret, ODA_FOCUS);
    Notify(LBN_SETFOCUS);
    return 0;
}

LRESULT ListBox::OnKillFocus(WPARAM, LPARAM) {
    m_focused = false;
    if (m_tracking && !m_dropped) StopTracking();
    RedrawItem(m_caret, ODA_FOCUS);
    Notify(LBN_KILLFOCUS);
    return 0;
}

LRESULT ListBox::OnGetDlgCode(WPARAM, LPARAM) {
    return DLGC_WANTARROWS | DLGC_WANTCHARS;
}

LRESULT ListBox::OnSetRedraw(WPARAM wParam, LPARAM lParam) {
    DefWindowProc(m_hwnd, WM_SETREDRAW, wParam, lParam);
    m_redraw = wParam != 0;
    if (m_redraw) {
        UpdateScrollBar();
        InvalidateRect(m_hwnd, nullptr, TRUE);
    }
    return 0;
}

LRESULT ListBox::OnStyleChanged(WPARAM wParam, LPARAM lParam) {
    const auto* ss = reinterpret_cast<const STYLESTRUCT*>(lParam);
    if (static_cast<int>(wParam) == GWL_STYLE && ss) m_style = ss->styleNew;
    return 0;
}

int ListBox::VisibleCount() const {
    const int height = controls::ClientRectOf(m_hwnd).bottom;
    return m_itemHeight > 0 ? std::max(1, height / m_itemHeight) : 1;
}

void ListBox::ClampTopIndex() {
    const int maxTop = std::max(0, m_items.Count() - VisibleCount());
    m_topIndex = std::clamp(m_topIndex, 0, maxTop);
}

void ListBox::UpdateScrollBar() {
    if (!m_scrollBar || !m_redraw) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (m_style & LBS_DISABLENOSCROLL) si.fMask |= SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = std::max(0, m_items.Count() - 1);
    si.nPage = static_cast<UINT>(VisibleCount());
    si.nPos = m_topIndex;
    SetScrollInfo(m_hwnd, SB_VERT, &si, TRUE);
}

} // namespace win::listbox

namespace win {

bool RegisterListBoxClasses() {
    return controls::RegisterControlClass<listbox::ListBox>(WC_LISTBOX, CS_DBLCLKS, IDC_ARROW) &&
           controls::RegisterControlClass<listbox::ListBox>(WC_COMBOLBOX, CS_DBLCLKS | CS_SAVEBITS,
                                                            IDC_ARROW);
}

} // namespace win
