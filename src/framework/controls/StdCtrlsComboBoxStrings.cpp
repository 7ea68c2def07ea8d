// TComboBoxStrings: the combo box's entries, kept by the platform's list while the combo box has a window and
// in a list of the control's own while it has none (in the platform's sorted order when the box is sorted).
#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/MessageLoop.h"

#include <vector>

namespace gl {

TComboBoxStrings::TComboBoxStrings(TCustomComboBox& comboBox) : m_comboBox(comboBox) {}

win::HWND TComboBoxStrings::Window() const {
    return m_comboBox.HandleAllocated() ? m_comboBox.Handle() : nullptr;
}

void TComboBoxStrings::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) Error(msg::SListIndexError, index);
}

int TComboBoxStrings::Count() const {
    if (const win::HWND hwnd = Window())
        return static_cast<int>(std::max<win::LRESULT>(0, win::SendMessage(hwnd, win::CB_GETCOUNT, 0, 0)));
    return m_kept.Count();
}

std::string TComboBoxStrings::Get(int index) const {
    const win::HWND hwnd = Window();
    if (!hwnd) {
        CheckIndex(index);
        return m_kept.Strings(index);
    }
    const win::LRESULT length =
        win::SendMessage(hwnd, win::CB_GETLBTEXTLEN, static_cast<win::WPARAM>(index), 0);
    if (length < 0) Error(msg::SListIndexError, index);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const win::LRESULT copied = win::SendMessage(hwnd, win::CB_GETLBTEXT, static_cast<win::WPARAM>(index),
                                                 reinterpret_cast<win::LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::clamp<win::LRESULT>(copied, 0, length)));
    return text;
}

// The range is checked first: an object word may be any value, CB_ERR's included.
TObjectWord TComboBoxStrings::GetObject(int index) const {
    CheckIndex(index);
    if (const win::HWND hwnd = Window())
        return static_cast<TObjectWord>(
            win::SendMessage(hwnd, win::CB_GETITEMDATA, static_cast<win::WPARAM>(index), 0));
    return m_kept.Objects(index);
}

void TComboBoxStrings::PutObject(int index, TObjectWord object) {
    CheckIndex(index);
    if (const win::HWND hwnd = Window())
        win::SendMessage(hwnd, win::CB_SETITEMDATA, static_cast<win::WPARAM>(index),
                         static_cast<win::LPARAM>(object));
    else
        m_kept.SetObjects(index, object);
}

int TComboBoxStrings::SortedIndex(const std::string& text) const {
    int low = 0;
    int high = m_kept.Count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (win::listbox::CompareItemText(m_kept.Strings(middle), text) <= 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int TComboBoxStrings::AddObject(const std::string& text, TObjectWord object) {
    const win::HWND hwnd = Window();
    if (!hwnd) {
        const int index = m_comboBox.Sorted() ? SortedIndex(text) : m_kept.Count();
        m_kept.InsertObject(index, text, object);
        return index;
    }
    const win::LRESULT index =
        win::SendMessage(hwnd, win::CB_ADDSTRING, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
    if (index < 0) throw EOutOfResources(msg::SInsertLineError);
    win::SendMessage(hwnd, win::CB_SETITEMDATA, static_cast<win::WPARAM>(index),
                     static_cast<win::LPARAM>(object));
    return static_cast<int>(index);
}

void TComboBoxStrings::InsertObject(int index, const std::string& text, TObjectWord object) {
    const win::HWND hwnd = Window();
    if (!hwnd) {
        if (index < 0 || index > m_kept.Count()) throw EOutOfResources(msg::SInsertLineError);
        m_kept.InsertObject(index, text, object);
        return;
    }
    const win::LRESULT at = win::SendMessage(hwnd, win::CB_INSERTSTRING, static_cast<win::WPARAM>(index),
                                             reinterpret_cast<win::LPARAM>(text.c_str()));
    if (at < 0) throw EOutOfResources(msg::SInsertLineError);
    win::SendMessage(hwnd, win::CB_SETITEMDATA, static_cast<win::WPARAM>(at),
                     static_cast<win::LPARAM>(object));
}

void TComboBoxStrings::Delete(int index) {
    if (const win::HWND hwnd = Window()) {
        win::SendMessage(hwnd, win::CB_DELETESTRING, static_cast<win::WPARAM>(index), 0);
        return;
    }
    if (index < 0 || index >= m_kept.Count()) return;
    m_kept.Delete(index);
    int& selected = m_comboBox.m_itemIndex;
    if (selected == index)
        selected = -1;
    else if (selected > index)
        --selected;
}

void TComboBoxStrings::Clear() {
    const win::HWND hwnd = Window();
    if (!hwnd) {
        m_kept.Clear();
        // A stored index may come before the stored entries.
        if (!m_comboBox.ComponentState().Contains(csLoading)) m_comboBox.m_itemIndex = -1;
        return;
    }
    const std::string text = m_comboBox.HasEditField() ? m_comboBox.Text() : std::string();
    win::SendMessage(hwnd, win::CB_RESETCONTENT, 0, 0);
    if (!text.empty())
        win::SendMessage(hwnd, win::WM_SETTEXT, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
}

int TComboBoxStrings::IndexOf(const std::string& text) const {
    const win::HWND hwnd = Window();
    if (!hwnd) return TStrings::IndexOf(text);
    const win::LRESULT found = win::SendMessage(hwnd, win::CB_FINDSTRINGEXACT, static_cast<win::WPARAM>(-1),
                                                reinterpret_cast<win::LPARAM>(text.c_str()));
    return found < 0 ? -1 : static_cast<int>(found);
}

void TComboBoxStrings::SetUpdateState(bool updating) {
    const win::HWND hwnd = Window();
    if (!hwnd) return;
    win::SendMessage(hwnd, win::WM_SETREDRAW, updating ? 0 : 1, 0);
    if (!updating) m_comboBox.Refresh();
}

int TComboBoxStrings::Reload(int selected) {
    struct Entry {
        std::string text;
        TObjectWord object;
    };
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(m_kept.Count()));
    for (int i = 0; i < m_kept.Count(); ++i) entries.push_back({m_kept.Strings(i), m_kept.Objects(i)});
    m_kept.Clear();
    int placed = -1;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int index = AddObject(entries[i].text, entries[i].object);
        if (static_cast<int>(i) == selected) placed = index;
        // A sorted window may put an entry before the selected one.
        else if (placed >= 0 && index <= placed)
            ++placed;
    }
    return placed;
}

void TComboBoxStrings::MoveFromWindow() {
    const win::HWND hwnd = Window();
    if (!hwnd) return;
    m_kept.Clear();
    const int count = Count();
    for (int i = 0; i < count; ++i) m_kept.AddObject(Get(i), GetObject(i));
}

} // namespace gl
