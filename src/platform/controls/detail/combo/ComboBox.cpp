// The "COMBOBOX" window class: the message table, creation of the list and edit parts, the heights (measured
// from the owner for owner-drawn styles), the size that the control keeps for itself, focus, colours and
// text.
#include "platform/controls/detail/combo/ComboBox.h"

#include "platform/controls/ControlClasses.h"
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/ControlSlot.h"
#include "platform/controls/detail/list/ListBox.h"
#include "platform/controls/edit/EditMessages.h"

#include <algorithm>
#include <cstring>

namespace win::combobox {

namespace {

constexpr int kListId = 1000;
constexpr int kEditId = 1001;

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id));
}

} // namespace

const std::unordered_map<UINT, ComboBox::Handler>& ComboBox::Handlers() {
    using C = ComboBox;
    static const std::unordered_map<UINT, Handler> table = {
        {WM_CREATE, &C::OnCreate},
        {WM_DESTROY, &C::OnDestroy},
        {WM_SETFONT, &C::OnSetFont},
        {WM_GETFONT, &C::OnGetFont},
        {WM_WINDOWPOSCHANGING, &C::OnWindowPosChanging},
        {WM_SIZE, &C::OnSize},
        {WM_ENABLE, &C::OnEnable},
        {WM_SETFOCUS, &C::OnSetFocus},
        {WM_KILLFOCUS, &C::OnKillFocus},
        {WM_GETDLGCODE, &C::OnGetDlgCode},
        {WM_COMMAND, &C::OnCommand},
        {WM_CTLCOLOREDIT, &C::OnCtlColor},
        {WM_CTLCOLORSTATIC, &C::OnCtlColor},
        {WM_CTLCOLORLISTBOX, &C::OnCtlColorListBox},
        {WM_GETTEXT, &C::OnGetText},
        {WM_GETTEXTLENGTH, &C::OnGetTextLength},
        {WM_SETTEXT, &C::OnSetText},
        {WM_SETREDRAW, &C::OnSetRedraw},
        {CB_GETCOMBOBOXINFO, &C::OnGetComboBoxInfo},
        {CB_ADDSTRING, &C::OnAddString},
        {CB_INSERTSTRING, &C::OnInsertString},
        {CB_DELETESTRING, &C::OnDeleteString},
        {CB_RESETCONTENT, &C::OnResetContent},
        {CB_GETCOUNT, &C::Forward<LB_GETCOUNT>},
        {CB_GETCURSEL, &C::OnGetCurSel},
        {CB_SETCURSEL, &C::OnSetCurSel},
        {CB_GETLBTEXT, &C::Forward<LB_GETTEXT>},
        {CB_GETLBTEXTLEN, &C::Forward<LB_GETTEXTLEN>},
        {CB_GETITEMDATA, &C::Forward<LB_GETITEMDATA>},
        {CB_SETITEMDATA, &C::Forward<LB_SETITEMDATA>},
        {CB_FINDSTRING, &C::Forward<LB_FINDSTRING>},
        {CB_FINDSTRINGEXACT, &C::Forward<LB_FINDSTRINGEXACT>},
        {CB_SELECTSTRING, &C::OnSelectString},
        {CB_GETTOPINDEX, &C::Forward<LB_GETTOPINDEX>},
        {CB_SETTOPINDEX, &C::Forward<LB_SETTOPINDEX>},
        {CB_INITSTORAGE, &C::Forward<LB_INITSTORAGE>},
        {CB_GETITEMHEIGHT, &C::OnGetItemHeight},
        {CB_SETITEMHEIGHT, &C::OnSetItemHeight},
        {CB_GETDROPPEDWIDTH, &C::OnGetDroppedWidth},
        {CB_SETDROPPEDWIDTH, &C::OnSetDroppedWidth},
        {CB_GETDROPPEDCONTROLRECT, &C::OnGetDroppedControlRect},
        {CB_LIMITTEXT, &C::OnLimitText},
        {CB_GETEDITSEL, &C::OnGetEditSel},
        {CB_SETEDITSEL, &C::OnSetEditSel},
        {CB_SETEXTENDEDUI, &C::OnSetExtendedUI},
        {CB_GETEXTENDEDUI, &C::OnGetExtendedUI},
        {CB_SETMINVISIBLE, &C::OnSetMinVisible},
        {CB_GETMINVISIBLE, &C::OnGetMinVisible},
        {CB_SHOWDROPDOWN, &C::OnShowDropDown},
        {CB_GETDROPPEDSTATE, &C::OnGetDroppedState},
        {WM_KEYDOWN, &C::OnKeyDown},
        {WM_SYSKEYDOWN, &C::OnSysKeyDown},
        {WM_CHAR, &C::OnChar},
        {WM_LBUTTONDOWN, &C::OnLButtonDown},
        {WM_LBUTTONDBLCLK, &C::OnLButtonDown},
        {WM_LBUTTONUP, &C::OnLButtonUp},
        {WM_MOUSEWHEEL, &C::OnMouseWheel},
        {WM_PAINT, &C::OnPaint},
        {WM_ERASEBKGND, &C::OnEraseBkgnd},
    };
    return table;
}

ComboBox* ComboBox::From(HWND hwnd) {
    return controls::ControlOf<ComboBox>(hwnd);
}

ComboBox::ComboBox(HWND hwnd, const CREATESTRUCT& cs)
    : m_hwnd(hwnd), m_style(static_cast<DWORD>(cs.style)), m_droppedHeight(cs.cy) {
    // Scroll-bar styles given to a combo box are meant for its list: the control itself has no bars.
    if (m_style & (WS_VSCROLL | WS_HSCROLL))
        SetWindowLong(hwnd, GWL_STYLE, static_cast<LONG>(m_style & ~(WS_VSCROLL | WS_HSCROLL)));
}

listbox::ListBox* ComboBox::List() const {
    return m_list ? listbox::ListBox::From(m_list) : nullptr;
}

int ComboBox::Count() const {
    const listbox::ListBox* list = List();
    return list ? list->Items().Count() : 0;
}

std::string ComboBox::ItemText(int index) const {
    const listbox::ListBox* list = List();
    if (!list || !list->Items().Valid(index)) return {};
    return list->Items().At(index).text;
}

void ComboBox::Notify(WORD code) {
    controls::SendCommandNotification(GetParent(m_hwnd), m_hwnd, code);
}

RECT ComboBox::ButtonRect() const {
    if (IsSimple()) return {};
    const RECT client = controls::ClientRectOf(m_hwnd);
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    return RECT{std::max<LONG>(2, client.right - 2 - width), 2, std::max<LONG>(2, client.right - 2),
                std::max<LONG>(2, client.bottom - 2)};
}

RECT ComboBox::FieldRect() const {
    const RECT client = controls::ClientRectOf(m_hwnd);
    const LONG right = IsSimple() ? client.right - 3 : ButtonRect().left - 1;
    return RECT{3, 3, std::max<LONG>(3, right), 3 + m_fieldHeight};
}

void ComboBox::CreateParts() {
    DWORD listStyle = LBS_COMBOBOX | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
    if (m_style & CBS_OWNERDRAWFIXED) listStyle |= LBS_OWNERDRAWFIXED;
    if (m_style & CBS_OWNERDRAWVARIABLE) listStyle |= LBS_OWNERDRAWVARIABLE;
    if (m_style & CBS_SORT) listStyle |= LBS_SORT;
    if (m_style & CBS_HASSTRINGS) listStyle |= LBS_HASSTRINGS;
    if (m_style & CBS_DISABLENOSCROLL) listStyle |= LBS_DISABLENOSCROLL;
    if (IsSimple()) {
        m_list = CreateWindowEx(0, WC_COMBOLBOX, "", listStyle | WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, m_hwnd,
                                ChildId(kListId), nullptr, m_hwnd);
    } else {
        // The open list floats above everything, owned by the combo box's window and never activated.
        m_list = CreateWindowEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, WC_COMBOLBOX, "", listStyle | WS_POPUP, 0,
                                0, 0, 0, m_hwnd, nullptr, nullptr, m_hwnd);
    }
    if (!IsDropDownList()) {
        DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;
        if (m_style & CBS_AUTOHSCROLL) editStyle |= ES_AUTOHSCROLL;
        if (m_style & CBS_UPPERCASE) editStyle |= ES_UPPERCASE;
        if (m_style & CBS_LOWERCASE) editStyle |= ES_LOWERCASE;
        m_edit =
            CreateWindowEx(0, WC_EDIT, "", editStyle, 0, 0, 0, 0, m_hwnd, ChildId(kEditId), nullptr, nullptr);
        if (m_edit) SubclassEdit(m_edit);
    }
}

void ComboBox::Measure() {
    const int fontHeight = controls::FontHeight(m_font);
    int itemHeight = fontHeight;
    m_fieldHeight = fontHeight + 2;
    if (OwnerDraw()) {
        // The owner gives the height of the selection field (item -1) and of the items of the list (item 0).
        MEASUREITEMSTRUCT mis;
        mis.CtlType = ODT_COMBOBOX;
        mis.CtlID = static_cast<UINT>(GetDlgCtrlID(m_hwnd));
        mis.itemWidth = static_cast<UINT>(controls::ClientRectOf(m_hwnd).right);
        mis.itemID = static_cast<UINT>(-1);
        mis.itemHeight = static_cast<UINT>(fontHeight);
        SendMessage(GetParent(m_hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        if (mis.itemHeight > 0 && mis.itemHeight <= 255) m_fieldHeight = static_cast<int>(mis.itemHeight);
        mis.itemID = 0;
        mis.itemHeight = static_cast<UINT>(fontHeight);
        SendMessage(GetParent(m_hwnd), WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
        if (mis.itemHeight > 0 && mis.itemHeight <= 255) itemHeight = static_cast<int>(mis.itemHeight);
    }
    if (m_list) SendMessage(m_list, LB_SETITEMHEIGHT, 0, itemHeight);
}

void ComboBox::ResizeSelf() {
    if (IsSimple()) {
        LayoutParts();
        return;
    }
    RECT window{};
    GetWindowRect(m_hwnd, &window);
    m_sizingSelf = true;
    SetWindowPos(m_hwnd, nullptr, 0, 0, window.right - window.left, ComboHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_sizingSelf = false;
    LayoutParts();
}

void ComboBox::LayoutParts() {
    const RECT client = controls::ClientRectOf(m_hwnd);
    if (m_edit) {
        const RECT field = FieldRect();
        MoveWindow(m_edit, field.left, field.top, field.right - field.left, field.bottom - field.top, TRUE);
    }
    if (IsSimple() && m_list) {
        const int top = ComboHeight();
        MoveWindow(m_list, 0, top, client.right, std::max<LONG>(0, client.bottom - top), TRUE);
    }
}

LRESULT ComboBox::OnCreate(WPARAM, LPARAM) {
    CreateParts();
    if (!m_list) return -1;
    Measure();
    ResizeSelf();
    return 0;
}

LRESULT ComboBox::OnDestroy(WPARAM, LPARAM) {
    if (m_dropped) HideList();
    // The pop-up list belongs to the combo box's window, not to the combo box: it goes with the combo box.
    if (m_list && !IsSimple() && IsWindow(m_list)) DestroyWindow(m_list);
    m_list = nullptr;
    return 0;
}

LRESULT ComboBox::OnSetFont(WPARAM wParam, LPARAM lParam) {
    m_font = reinterpret_cast<HFONT>(wParam);
    if (m_list) SendMessage(m_list, WM_SETFONT, wParam, FALSE);
    if (m_edit) SendMessage(m_edit, WM_SETFONT, wParam, FALSE);
    // Owner-drawn heights stay as their owner measured them.
    if (!OwnerDraw()) {
        const int fontHeight = controls::FontHeight(m_font);
        m_fieldHeight = fontHeight + 2;
        if (m_list) SendMessage(m_list, LB_SETITEMHEIGHT, 0, fontHeight);
        ResizeSelf();
    }
    if (LOWORD(static_cast<std::uintptr_t>(lParam))) InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnGetFont(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(m_font);
}

LRESULT ComboBox::OnWindowPosChanging(WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefWindowProc(m_hwnd, WM_WINDOWPOSCHANGING, wParam, lParam);
    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
    if (!pos || IsSimple() || (pos->flags & SWP_NOSIZE)) return result;
    // The height asked of a drop-down combo box is that of the control with its list open; the control itself
    // is always as high as its selection field needs.
    if (!m_sizingSelf && pos->cy != ComboHeight()) m_droppedHeight = pos->cy;
    pos->cy = ComboHeight();
    return result;
}

LRESULT ComboBox::OnSize(WPARAM, LPARAM) {
    LayoutParts();
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnEnable(WPARAM wParam, LPARAM) {
    if (m_edit) EnableWindow(m_edit, wParam ? TRUE : FALSE);
    if (!wParam && m_dropped) CloseUp(Close::Cancel, -1, false);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnSetFocus(WPARAM, LPARAM) {
    if (m_edit) {
        // The edit field takes the focus; its notification makes the combo box's.
        SetFocus(m_edit);
        SendMessage(m_edit, EM_SETSEL, 0, -1);
        return 0;
    }
    m_focused = true;
    InvalidateField();
    Notify(CBN_SETFOCUS);
    return 0;
}

LRESULT ComboBox::OnKillFocus(WPARAM wParam, LPARAM) {
    const auto next = reinterpret_cast<HWND>(wParam);
    if (m_edit || (next && (next == m_list))) return 0;
    if (m_dropped) CloseUp(Close::Cancel, -1, false);
    if (!Alive()) return 0;
    m_focused = false;
    m_typeAhead.Reset();
    InvalidateField();
    Notify(CBN_KILLFOCUS);
    return 0;
}

LRESULT ComboBox::OnGetDlgCode(WPARAM, LPARAM lParam) {
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (m_dropped && msg && msg->message == WM_KEYDOWN &&
        (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT ComboBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (!m_edit || reinterpret_cast<HWND>(lParam) != m_edit) return 0;
    switch (HIWORD(wParam)) {
    case EN_CHANGE:
        if (!m_settingEdit) Notify(CBN_EDITCHANGE);
        break;
    case EN_UPDATE:
        if (!m_settingEdit) Notify(CBN_EDITUPDATE);
        break;
    case EN_SETFOCUS:
        if (!m_focused) {
            m_focused = true;
            Notify(CBN_SETFOCUS);
        }
        break;
    case EN_KILLFOCUS: {
        const HWND next = GetFocus();
        if (next == m_hwnd || next == m_list || !m_focused) break;
        if (m_dropped) CloseUp(Close::Cancel, -1, false);
        if (!Alive()) break;
        m_focused = false;
        Notify(CBN_KILLFOCUS);
        break;
    }
    default:
        break;
    }
    return 0;
}

LRESULT ComboBox::OnCtlColor(WPARAM wParam, LPARAM lParam) {
    // The parts' colours are the parent's to give, as for the combo box itself.
    const UINT msg = reinterpret_cast<HWND>(lParam) == m_edit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
    const LRESULT r = SendMessage(GetParent(m_hwnd), msg, wParam, lParam);
    return r ? r : DefWindowProc(m_hwnd, msg, wParam, lParam);
}

LRESULT ComboBox::OnCtlColorListBox(WPARAM wParam, LPARAM lParam) {
    const LRESULT r = SendMessage(GetParent(m_hwnd), WM_CTLCOLORLISTBOX, wParam, lParam);
    return r ? r : DefWindowProc(m_hwnd, WM_CTLCOLORLISTBOX, wParam, lParam);
}

LRESULT ComboBox::OnGetText(WPARAM wParam, LPARAM lParam) {
    if (m_edit) return SendMessage(m_edit, WM_GETTEXT, wParam, lParam);
    auto* buffer = reinterpret_cast<char*>(lParam);
    if (!buffer || wParam == 0) return 0;
    const std::string text = ItemText(m_selected);
    std::size_t n = std::min<std::size_t>(wParam - 1, text.size());
    // A text cut short ends on a whole character.
    while (n > 0 && n < text.size() && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT ComboBox::OnGetTextLength(WPARAM wParam, LPARAM lParam) {
    if (m_edit) return SendMessage(m_edit, WM_GETTEXTLENGTH, wParam, lParam);
    return static_cast<LRESULT>(ItemText(m_selected).size());
}

LRESULT ComboBox::OnSetText(WPARAM wParam, LPARAM lParam) {
    if (m_edit) {
        m_settingEdit = true;
        const LRESULT r = SendMessage(m_edit, WM_SETTEXT, wParam, lParam);
        m_settingEdit = false;
        return r;
    }
    // A drop-down list can only show one of its items: the text selects the item of that name.
    if (!lParam) return CB_ERR;
    const LRESULT found = ForwardToList(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lParam);
    if (found < 0) return CB_ERR;
    SetCurrent(static_cast<int>(found));
    return TRUE;
}

LRESULT ComboBox::OnSetRedraw(WPARAM wParam, LPARAM lParam) {
    m_redraw = wParam != 0;
    if (m_list) SendMessage(m_list, WM_SETREDRAW, wParam, lParam);
    DefWindowProc(m_hwnd, WM_SETREDRAW, wParam, lParam);
    if (m_redraw) InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT ComboBox::OnGetComboBoxInfo(WPARAM, LPARAM lParam) {
    auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
    if (!info || info->cbSize != sizeof(COMBOBOXINFO)) return FALSE;
    info->rcItem = FieldRect();
    info->rcButton = ButtonRect();
    info->stateButton = IsSimple() ? STATE_SYSTEM_INVISIBLE : (m_buttonPressed ? STATE_SYSTEM_PRESSED : 0);
    info->hwndCombo = m_hwnd;
    info->hwndItem = m_edit ? m_edit : m_hwnd;
    info->hwndList = m_list;
    return TRUE;
}

} // namespace win::combobox

namespace win {

BOOL GetComboBoxInfo(HWND combo, COMBOBOXINFO* info) {
    if (!info || !combobox::ComboBox::From(combo)) return FALSE;
    return SendMessage(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(info)) != 0 ? TRUE : FALSE;
}

bool RegisterComboBoxClass() {
    // A combo box is made of a list and, for the editable styles, an edit field.
    if (!RegisterListBoxClasses() || !RegisterEditClass()) return false;
    return controls::RegisterControlClass<combobox::ComboBox>(
        WC_COMBOBOX, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
}

} // namespace win
