// The string list: storage, sorted insertion, search and change events.
#include "framework/core/StringList.h"

#include "framework/core/MessageTexts.h"
#include "framework/core/StringUtils.h"

#include <algorithm>

namespace gl {

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count()) Error(msg::SListIndexError, index);
}

void TStringList::InsertItem(int index, const std::string& text, TObjectWord object) {
    Changing();
    m_items.insert(m_items.begin() + index, Item{text, object});
    Changed();
}

int TStringList::AddObject(const std::string& text, TObjectWord object) {
    int index = Count();
    if (m_sorted && Find(text, index)) {
        switch (m_duplicates) {
        case dupIgnore:
            return index;
        case dupError:
            Error(msg::SDuplicateString, 0);
        case dupAccept:
            break;
        }
    }
    InsertItem(index, text, object);
    return index;
}

void TStringList::InsertObject(int index, const std::string& text, TObjectWord object) {
    if (m_sorted) Error(msg::SSortedListError, 0);
    if (index < 0 || index > Count()) Error(msg::SListIndexError, index);
    InsertItem(index, text, object);
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    Changing();
    m_items.erase(m_items.begin() + index);
    Changed();
}

void TStringList::Clear() {
    if (m_items.empty()) return;
    Changing();
    m_items.clear();
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckIndex(index1);
    CheckIndex(index2);
    if (index1 == index2) return;
    Changing();
    std::swap(m_items[static_cast<std::size_t>(index1)], m_items[static_cast<std::size_t>(index2)]);
    Changed();
}

int TStringList::IndexOf(const std::string& text) const {
    if (!m_sorted) return TStrings::IndexOf(text);
    int index = 0;
    return Find(text, index) ? index : -1;
}

bool TStringList::Find(const std::string& text, int& index) const {
    const auto it =
        std::lower_bound(m_items.begin(), m_items.end(), text, [&](const Item& item, const std::string& t) {
            return CompareStrings(item.text, t) < 0;
        });
    index = static_cast<int>(it - m_items.begin());
    return it != m_items.end() && CompareStrings(it->text, text) == 0;
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.CompareStrings(list.m_items[static_cast<std::size_t>(a)].text,
                                   list.m_items[static_cast<std::size_t>(b)].text);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (m_sorted || Count() < 2) return;
    // Sort positions against the untouched list, so that compare always sees consistent indexes.
    std::vector<int> order(m_items.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(m_items.size());
    for (int i : order) sorted.push_back(std::move(m_items[static_cast<std::size_t>(i)]));
    Changing();
    m_items = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted == m_sorted) return;
    if (sorted) Sort();
    m_sorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
    if (caseSensitive == m_caseSensitive) return;
    m_caseSensitive = caseSensitive;
    if (m_sorted) {
        m_sorted = false;
        Sort();
        m_sorted = true;
    }
}

void TStringList::Changed() {
    if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

std::string TStringList::Get(int index) const {
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)].text;
}

void TStringList::Put(int index, const std::string& text) {
    if (m_sorted) Error(msg::SSortedListError, 0);
    CheckIndex(index);
    auto& item = m_items[static_cast<std::size_t>(index)];
    if (item.text == text) return;
    Changing();
    item.text = text;
    Changed();
}

TObjectWord TStringList::GetObject(int index) const {
    CheckIndex(index);
    return m_items[static_cast<std::size_t>(index)].object;
}

void TStringList::PutObject(int index, TObjectWord object) {
    CheckIndex(index);
    auto& item = m_items[static_cast<std::size_t>(index)];
    if (item.object == object) return;
    Changing();
    item.object = object;
    Changed();
}

void TStringList::SetUpdateState(bool updating) {
    if (updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(std::string_view a, std::string_view b) const {
    return m_caseSensitive ? CompareStr(a, b) : CompareText(a, b);
}

} // namespace gl
