// The items of a list box (and of a combo box's list): text and item data, in the platform's sorted order
// when asked, with the prefix and whole-text searches of LB_FINDSTRING / LB_FINDSTRINGEXACT.
#pragma once

#include "platform/controls/list/ListMessages.h"
#include "platform/win/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace win::listbox {

struct ListItem {
    std::string text; // UTF-8; empty for owner-drawn items without strings
    ULONG_PTR data = 0;
    std::string key; // the sort key of the text, kept by sorted lists
};

// The key that orders texts as CompareItemText does when compared bytewise (ties aside).
std::string ItemSortKey(std::string_view text);
// True when text starts with prefix, ignoring ASCII case.
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EqualsNoCase(std::string_view a, std::string_view b);

class ListItems {
public:
    // No list holds more items than this: adding beyond it fails as out of space.
    static constexpr std::size_t kMaxItems = 1u << 22;

    int Count() const { return static_cast<int>(m_items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    const ListItem& At(int index) const { return m_items[static_cast<std::size_t>(index)]; }
    ListItem& At(int index) { return m_items[static_cast<std::size_t>(index)]; }

    // A sorted list puts added items in their place; insertions at an index go where they are told.
    void SetSorted(bool sorted) { m_sorted = sorted; }
    bool Sorted() const { return m_sorted; }
    // Adds at the end, or at its sorted place (after the items that compare equal); the index, or -1 when the
    // list is full.
    int Add(std::string text, ULONG_PTR data);
    // Inserts at index (-1 or Count(): the end); -1 when the index is out of range or the list is full.
    int Insert(int index, std::string text, ULONG_PTR data);
    bool Erase(int index);
    void Clear() { m_items.clear(); }

    // The first item from start + 1 onwards, wrapping round, whose text starts with (or equals) the text,
    // ignoring case; start -1 searches from the top. -1 when there is none.
    int Find(std::string_view text, int start, bool exact) const;
    // As Find, but comparing item data instead of text (owner-drawn lists without strings).
    int FindData(ULONG_PTR data, int start) const;

private:
    int SortedPosition(const std::string& key, std::string_view text) const;

    std::vector<ListItem> m_items;
    bool m_sorted = false;
};

// Type-ahead: characters typed within a second of each other make a prefix; the first item from the current
// one that starts with it is chosen. Typing one letter again and again steps through the items with that
// letter.
class TypeAhead {
public:
    static constexpr DWORD kTimeoutMs = 1000;
    // The item to select for a typed character, or -1 when none matches.
    int Next(const ListItems& items, char32_t character, int current, DWORD now);
    void Reset() { m_prefix.clear(); }

private:
    std::string m_prefix;
    DWORD m_last = 0;
};

// The item a navigation key moves to from current (-1: none selected) in a list of count items showing page
// items at a time; -1 when the key is not a navigation key or the list is empty.
int NavigateIndex(int virtualKey, int current, int count, int page);

} // namespace win::listbox
