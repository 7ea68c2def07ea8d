// TCustomComboBox: the window's styles, keeping entries and selection across windows, the notifications of
// the platform's combo box turned into events, owner drawing and the height of the open list.
#include "framework/controls/StdCtrlsComboBox.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RectFills.h"
#include "platform/user/MessageLoop.h"

#include <algorithm>

namespace gl {

namespace {

win::DWORD StyleBits(TComboBoxStyle style) {
    switch (style) {
    case csSimple:
        return win::CBS_SIMPLE;
    case csDropDownList:
        return win::CBS_DROPDOWNLIST;
    case csOwnerDrawFixed:
        return win::CBS_DROPDOWNLIST | win::CBS_OWNERDRAWFIXED;
    case csOwnerDrawVariable:
        return win::CBS_DROPDOWNLIST | win::CBS_OWNERDRAWVARIABLE;
    default:
        return win::CBS_DROPDOWN;
    }
}

TOwnerDrawState OwnerDrawState(win::UINT itemState) {
    TOwnerDrawState state;
    // The low bits follow the platform's ODS_ bits one for one.
    for (int bit = odSelected; bit <= odNoFocusRect; ++bit)
        if (itemState & (1u << bit)) state.Include(static_cast<TOwnerDrawStateItem>(bit));
    if (itemState & win::ODS_COMBOBOXEDIT) state.Include(odComboBoxEdit);
    return state;
}

} // namespace

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner), m_items(std::make_unique<TComboBoxStrings>(*this)),
      m_canvas(std::make_unique<TCanvas>()) {
    // The platform's combo box takes the mouse itself (its open list holds the capture); clicks come from
    // choosing an entry.
    SetControlStyle(TControlStyle{csSetCaption, csDoubleClicks, csFixedHeight, csReflector});
    SetBounds(Left(), Top(), 145, 25);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomComboBox::~TCustomComboBox() = default;

// ---- Window ----

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, "COMBOBOX");
    params.Style |= win::WS_VSCROLL | win::CBS_HASSTRINGS | win::CBS_AUTOHSCROLL | StyleBits(m_style);
    if (m_sorted) params.Style |= win::CBS_SORT;
}

void TCustomComboBox::CreateWnd() {
    TWinControl::CreateWnd();
    // The edit field, and the simple style's list, are windows of the platform's inside this one.
    if (win::COMBOBOXINFO info; HasEditField() && win::GetComboBoxInfo(Handle(), &info)) {
        if (info.hwndItem) AdoptPartWindow(info.hwndItem);
        if (m_style == csSimple && info.hwndList) AdoptPartWindow(info.hwndList);
    }
    const int selected = m_items->Reload(m_itemIndex);
    if (selected >= 0)
        win::SendMessage(Handle(), win::CB_SETCURSEL, static_cast<win::WPARAM>(selected), 0);
    else if (!m_text.empty()) // an edit field takes it; a list selects the entry of that name
        win::SendMessage(Handle(), win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(m_text.c_str()));
    m_itemIndex = -1;
}

void TCustomComboBox::DestroyWnd() {
    m_itemIndex = static_cast<int>(win::SendMessage(Handle(), win::CB_GETCURSEL, 0, 0));
    m_items->MoveFromWindow();
    TWinControl::DestroyWnd();
}

// ---- Properties ----

int TCustomComboBox::ItemIndex() const {
    if (!HandleAllocated()) return m_itemIndex;
    const win::HWND hwnd = const_cast<TCustomComboBox*>(this)->Handle();
    return static_cast<int>(win::SendMessage(hwnd, win::CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
    if (!HandleAllocated()) {
        // A stored index comes before the stored entries: it is checked when the window takes them.
        const bool loading = ComponentState().Contains(csLoading);
        m_itemIndex = index >= 0 && (loading || index < m_items->Count()) ? index : -1;
        return;
    }
    if (ItemIndex() != index)
        win::SendMessage(Handle(), win::CB_SETCURSEL, static_cast<win::WPARAM>(index), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
    if (m_style == style) return;
    m_style = style;
    RecreateWnd();
}

void TCustomComboBox::SetSorted(bool sorted) {
    if (m_sorted == sorted) return;
    m_sorted = sorted;
    if (HandleAllocated()) {
        RecreateWnd();
        return;
    }
    if (!sorted) return;
    // The kept entries take the order the window would give them. The selection stays on its entry, except
    // while loading: a stored index counts in the stored box's own (sorted) order.
    const bool loading = ComponentState().Contains(csLoading);
    const int selected = m_items->Reload(loading ? -1 : m_itemIndex);
    if (!loading) m_itemIndex = selected;
}

int TCustomComboBox::ItemHeight() const {
    if (OwnerDrawn() || !HandleAllocated()) return m_itemHeight;
    const win::HWND hwnd = const_cast<TCustomComboBox*>(this)->Handle();
    return static_cast<int>(win::SendMessage(hwnd, win::CB_GETITEMHEIGHT, 0, 0));
}

void TCustomComboBox::SetItemHeight(int itemHeight) {
    if (itemHeight <= 0 || m_itemHeight == itemHeight) return;
    m_itemHeight = itemHeight;
    // The platform measures owner-drawn entries once, when the window is made.
    if (OwnerDrawn()) RecreateWnd();
}

bool TCustomComboBox::DroppedDown() const {
    if (!HandleAllocated()) return false;
    return win::SendMessage(const_cast<TCustomComboBox*>(this)->Handle(), win::CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool droppedDown) {
    win::SendMessage(Handle(), win::CB_SHOWDROPDOWN, droppedDown ? 1 : 0, 0);
}

// ---- Notifications ----

void TCustomComboBox::CNCommand(TWMCommand& message) {
    switch (message.NotifyCode()) {
    case win::CBN_DBLCLK:
        DblClick();
        break;
    case win::CBN_EDITCHANGE:
        Change();
        break;
    case win::CBN_DROPDOWN:
        DropDown();
        AdjustDropDown();
        break;
    case win::CBN_SELCHANGE: {
        // The text follows the chosen entry first, so the handlers see it.
        const int index = ItemIndex();
        if (index >= 0) SetText(m_items->Strings(index));
        Click();
        Select();
        break;
    }
    case win::CBN_CLOSEUP:
        CloseUp();
        break;
    default:
        break;
    }
}

void TCustomComboBox::AdjustDropDown() {
    const int rows = std::clamp(m_items->Count(), 1, std::max(1, m_dropDownCount));
    win::RECT window{};
    win::GetWindowRect(Handle(), &window);
    // The height asked of the control is that of the control with its list open; the platform keeps the
    // control's own height and sizes the list from the rest.
    const int height = ItemHeight() * rows + (window.bottom - window.top) + 2;
    win::SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left, height,
                      win::SWP_NOMOVE | win::SWP_NOZORDER | win::SWP_NOACTIVATE | win::SWP_NOREDRAW);
}

void TCustomComboBox::WMCtlColor(TWMCtlColor& message) {
    win::SetTextColor(message.ChildDC(), ColorToRGB(Font()->Color()));
    win::SetBkColor(message.ChildDC(), ColorToRGB(Color()));
    message.SetResult(reinterpret_cast<win::LRESULT>(BrushHandle()));
}

// ---- Owner drawing ----

void TCustomComboBox::CNMeasureItem(TWMMeasureItem& message) {
    win::MEASUREITEMSTRUCT* item = message.MeasureItemStruct();
    if (!item) return;
    int height = m_itemHeight;
    if (m_style == csOwnerDrawVariable) MeasureItem(static_cast<int>(item->itemID), height);
    item->itemHeight = static_cast<win::UINT>(std::max(0, height));
    message.SetResult(1);
}

void TCustomComboBox::CNDrawItem(TWMDrawItem& message) {
    const win::DRAWITEMSTRUCT* item = message.DrawItemStruct();
    if (!item || !item->hDC) return;
    const TOwnerDrawState state = OwnerDrawState(item->itemState);
    const auto index = static_cast<int>(item->itemID);
    {
        TLentContext onDC(*m_canvas, item->hDC);
        m_canvas->SetFont(*Font());
        m_canvas->Brush().SetColor(Color());
        if (index >= 0 && state.Contains(odSelected)) {
            m_canvas->Brush().SetColor(clHighlight);
            m_canvas->Font().SetColor(clHighlightText);
        }
        if (index >= 0)
            DrawItem(index, item->rcItem, state);
        else
            m_canvas->FillRect(item->rcItem);
    }
    if (state.Contains(odFocused)) DrawItemFocus(item->hDC, item->rcItem);
    message.SetResult(1);
}

void TCustomComboBox::DrawItemFocus(win::HDC dc, const TRect& rect) {
    win::DrawFocusRect(dc, &rect);
}

void TCustomComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    m_canvas->FillRect(rect);
    if (index < m_items->Count()) m_canvas->TextOut(rect.left + 2, rect.top, m_items->Strings(index));
}

void TCustomComboBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) OnMeasureItem(this, index, height);
}

// ---- Steps ----

void TCustomComboBox::Change() {
    if (OnChange) OnChange(this);
}

// A selection made in the list: OnSelect when the owner listens for it, otherwise the change.
void TCustomComboBox::Select() {
    if (OnSelect)
        OnSelect(this);
    else
        Change();
}

void TCustomComboBox::DropDown() {
    if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
    if (OnCloseUp) OnCloseUp(this);
}

} // namespace gl
