// The pointer list.
#include "framework/core/List.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"

#include <algorithm>

namespace gl {

namespace {
// The list holds at most what a 32-bit count can name; larger requests are a caller's error, not an
// allocation.
constexpr int kMaxListSize = 0x7FFFFFF;
} // namespace

void TList::Check(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(msg::SListIndexError, index));
}

void TList::SetCount(int count) {
    if (count < 0 || count > kMaxListSize) throw EListError(Format(msg::SListCountError, count));
    m_items.resize(static_cast<std::size_t>(count), nullptr);
}

void TList::SetCapacity(int capacity) {
    if (capacity < Count() || capacity > kMaxListSize)
        throw EListError(Format(msg::SListCapacityError, capacity));
    m_items.reserve(static_cast<std::size_t>(capacity));
}

void* TList::Items(int index) const {
    Check(index);
    return m_items[static_cast<std::size_t>(index)];
}

void TList::SetItems(int index, void* item) {
    Check(index);
    m_items[static_cast<std::size_t>(index)] = item;
}

int TList::Add(void* item) {
    m_items.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item) {
    if (index < 0 || index > Count()) throw EListError(Format(msg::SListIndexError, index));
    m_items.insert(m_items.begin() + index, item);
}

void TList::Delete(int index) {
    Check(index);
    m_items.erase(m_items.begin() + index);
}

int TList::Remove(void* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* item) {
    return Remove(item) >= 0 ? item : nullptr;
}

int TList::IndexOf(const void* item) const {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void TList::Exchange(int index1, int index2) {
    Check(index1);
    Check(index2);
    std::swap(m_items[static_cast<std::size_t>(index1)], m_items[static_cast<std::size_t>(index2)]);
}

void TList::Move(int currentIndex, int newIndex) {
    if (currentIndex == newIndex) return;
    Check(newIndex);
    void* item = Items(currentIndex);
    m_items.erase(m_items.begin() + currentIndex);
    m_items.insert(m_items.begin() + newIndex, item);
}

void TList::Pack() {
    m_items.erase(std::remove(m_items.begin(), m_items.end(), nullptr), m_items.end());
}

void TList::Sort(const std::function<int(void*, void*)>& compare) {
    std::stable_sort(m_items.begin(), m_items.end(), [&](void* a, void* b) { return compare(a, b) < 0; });
}

} // namespace gl
