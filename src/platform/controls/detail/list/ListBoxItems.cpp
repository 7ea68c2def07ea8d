// The list box's LB_* messages: adding, inserting and deleting items, texts and item data, searching, the
// selection, the top index, item heights and rectangles.
#include "platform/controls/detail/ControlDraw.h"
#include "platform/controls/detail/list/ListBox.h"

#include <algorithm>
#include <cstring>

namespace win::listbox {

namespace {

int IndexArg(WPARAM wParam) {
    return static_cast<int>(static_cast<std::intptr_t>(wParam));
}

} // namespace

std::string ListBox::TextArgument(LPARAM lParam) const {
    if (!HasStrings() || !lParam) return {};
    return std::string(reinterpret_cast<const char*>(lParam));
}

LRESULT ListBox::Inserted(int index) {
    if (index < 0) {
        Notify(LBN_ERRSPACE);
        return LB_ERRSPACE;
    }
    if (m_selected >= index) ++m_selected;
    if (m_caret >= index && m_items.Count() > 1) ++m_caret;
    UpdateScrollBar();
    if (Redrawing() && index < m_topIndex + VisibleCount() + 1) {
        RECT below = controls::ClientRectOf(m_hwnd);
        below.top = std::max<LONG>(0, ItemRect(index).top);
        InvalidateRect(m_hwnd, &below, TRUE);
    }
    return index;
}

LRESULT ListBox::OnAddString(WPARAM, LPARAM lParam) {
    const ULONG_PTR data = HasStrings() ? 0 : static_cast<ULONG_PTR>(lParam);
    return Inserted(m_items.Add(TextArgument(lParam), data));
}

LRESULT ListBox::OnInsertString(WPARAM wParam, LPARAM lParam) {
    const int index = IndexArg(wParam);
    if (index < -1 || index > m_items.Count()) return LB_ERR;
    const ULONG_PTR data = HasStrings() ? 0 : static_cast<ULONG_PTR>(lParam);
    return Inserted(m_items.Insert(index, TextArgument(lParam), data));
}

void ListBox::SendDeleteItem(int index) {
    // The owner hears of every item that carried data of its own.
    const ListItem& item = m_items.At(index);
    if (item.data == 0) return;
    DELETEITEMSTRUCT dis;
    HWND owner = m_combo ? m_combo : m_hwnd;
    dis.CtlType = m_combo ? ODT_COMBOBOX : ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(owner));
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = owner;
    dis.itemData = item.data;
    SendMessage(GetParent(owner), WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

LRESULT ListBox::OnDeleteString(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index)) return LB_ERR;
    SendDeleteItem(index);
    if (!IsWindow(m_hwnd) || !m_items.Valid(index)) return LB_ERR;
    m_items.Erase(index);
    if (m_selected == index)
        m_selected = -1;
    else if (m_selected > index)
        --m_selected;
    if (m_caret > index) --m_caret;
    m_caret = std::clamp(m_caret, 0, std::max(0, m_items.Count() - 1));
    ClampTopIndex();
    UpdateScrollBar();
    if (Redrawing()) InvalidateRect(m_hwnd, nullptr, TRUE);
    return m_items.Count();
}

LRESULT ListBox::OnResetContent(WPARAM, LPARAM) {
    for (int i = 0; i < m_items.Count(); ++i) SendDeleteItem(i);
    m_items.Clear();
    m_selected = -1;
    m_caret = 0;
    m_topIndex = 0;
    m_typeAhead.Reset();
    UpdateScrollBar();
    if (Redrawing()) InvalidateRect(m_hwnd, nullptr, TRUE);
    return LB_OKAY;
}

LRESULT ListBox::OnGetCount(WPARAM, LPARAM) {
    return m_items.Count();
}

LRESULT ListBox::OnGetCurSel(WPARAM, LPARAM) {
    return m_selected;
}

LRESULT ListBox::OnSetCurSel(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (index == -1) {
        SetSelection(-1, false);
        return LB_ERR;
    }
    if (!m_items.Valid(index)) return LB_ERR;
    SetSelection(index, true);
    return index;
}

LRESULT ListBox::OnGetSel(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index)) return LB_ERR;
    return index == m_selected ? 1 : 0;
}

LRESULT ListBox::OnSetSel(WPARAM wParam, LPARAM lParam) {
    // One selected item at most: selecting one replaces the selection, deselecting clears it.
    const int index = static_cast<int>(lParam);
    if (index != -1 && !m_items.Valid(index)) return LB_ERR;
    if (wParam) {
        if (index >= 0) SetSelection(index, false);
    } else if (index == -1 || index == m_selected) {
        SetSelection(-1, false);
    }
    return LB_OKAY;
}

LRESULT ListBox::OnGetSelCount(WPARAM, LPARAM) {
    return m_selected >= 0 ? 1 : 0;
}

LRESULT ListBox::CopyItemText(int index, LPARAM buffer) const {
    if (!m_items.Valid(index) || !buffer) return LB_ERR;
    const ListItem& item = m_items.At(index);
    auto* out = reinterpret_cast<char*>(buffer);
    if (!HasStrings()) {
        std::memcpy(out, &item.data, sizeof item.data);
        return static_cast<LRESULT>(sizeof item.data);
    }
    std::memcpy(out, item.text.data(), item.text.size());
    out[item.text.size()] = '\0';
    return static_cast<LRESULT>(item.text.size());
}

LRESULT ListBox::OnGetText(WPARAM wParam, LPARAM lParam) {
    return CopyItemText(IndexArg(wParam), lParam);
}

LRESULT ListBox::OnGetTextLen(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index)) return LB_ERR;
    return HasStrings() ? static_cast<LRESULT>(m_items.At(index).text.size())
                        : static_cast<LRESULT>(sizeof(ULONG_PTR));
}

LRESULT ListBox::OnGetItemData(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index)) return LB_ERR;
    return static_cast<LRESULT>(m_items.At(index).data);
}

LRESULT ListBox::OnSetItemData(WPARAM wParam, LPARAM lParam) {
    const int index = IndexArg(wParam);
    if (index == -1) {
        for (int i = 0; i < m_items.Count(); ++i) m_items.At(i).data = static_cast<ULONG_PTR>(lParam);
        return TRUE;
    }
    if (!m_items.Valid(index)) return LB_ERR;
    m_items.At(index).data = static_cast<ULONG_PTR>(lParam);
    return TRUE;
}

LRESULT ListBox::OnFindString(WPARAM wParam, LPARAM lParam) {
    const int found = HasStrings() ? m_items.Find(TextArgument(lParam), IndexArg(wParam), false)
                                   : m_items.FindData(static_cast<ULONG_PTR>(lParam), IndexArg(wParam));
    return found >= 0 ? found : LB_ERR;
}

LRESULT ListBox::OnFindStringExact(WPARAM wParam, LPARAM lParam) {
    const int found = HasStrings() ? m_items.Find(TextArgument(lParam), IndexArg(wParam), true)
                                   : m_items.FindData(static_cast<ULONG_PTR>(lParam), IndexArg(wParam));
    return found >= 0 ? found : LB_ERR;
}

LRESULT ListBox::OnSelectString(WPARAM wParam, LPARAM lParam) {
    const LRESULT found = OnFindString(wParam, lParam);
    if (found >= 0) SetSelection(static_cast<int>(found), true);
    return found;
}

LRESULT ListBox::OnGetTopIndex(WPARAM, LPARAM) {
    return m_topIndex;
}

LRESULT ListBox::OnSetTopIndex(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index) && !(index == 0 && m_items.Count() == 0)) return LB_ERR;
    SetTopIndex(index);
    return LB_OKAY;
}

LRESULT ListBox::OnGetItemHeight(WPARAM, LPARAM) {
    return m_itemHeight;
}

LRESULT ListBox::OnSetItemHeight(WPARAM, LPARAM lParam) {
    const int height = LOWORD(static_cast<std::uintptr_t>(lParam));
    if (height <= 0 || height > 255) return LB_ERR;
    if (height == m_itemHeight) return LB_OKAY;
    m_itemHeight = height;
    ClampTopIndex();
    UpdateScrollBar();
    if (Redrawing()) InvalidateRect(m_hwnd, nullptr, TRUE);
    return LB_OKAY;
}

LRESULT ListBox::OnGetItemRect(WPARAM wParam, LPARAM lParam) {
    const int index = IndexArg(wParam);
    auto* out = reinterpret_cast<RECT*>(lParam);
    if (!out || !m_items.Valid(index)) return LB_ERR;
    *out = ItemRect(index);
    return 1;
}

LRESULT ListBox::OnItemFromPoint(WPARAM, LPARAM lParam) {
    bool outside = false;
    const int index = ItemAt(controls::PointOf(lParam), &outside);
    return MAKELONG(static_cast<WORD>(index), outside ? 1 : 0);
}

LRESULT ListBox::OnGetCaretIndex(WPARAM, LPARAM) {
    return m_caret;
}

LRESULT ListBox::OnSetCaretIndex(WPARAM wParam, LPARAM) {
    const int index = IndexArg(wParam);
    if (!m_items.Valid(index)) return LB_ERR;
    if (index != m_caret) {
        const int old = m_caret;
        m_caret = index;
        RedrawItem(old, ODA_FOCUS);
        RedrawItem(m_caret, ODA_FOCUS);
    }
    EnsureVisible(index);
    return LB_OKAY;
}

LRESULT ListBox::OnInitStorage(WPARAM wParam, LPARAM) {
    if (wParam > ListItems::kMaxItems) return LB_ERRSPACE;
    return static_cast<LRESULT>(m_items.Count() + static_cast<int>(wParam));
}

LRESULT ListBox::OnGetListBoxInfo(WPARAM, LPARAM) {
    return VisibleCount();
}

} // namespace win::listbox
