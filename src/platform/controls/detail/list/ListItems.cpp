// The items of a list: sorted insertion in the platform's case-insensitive order, prefix and whole-text
// search.
#include "platform/controls/detail/list/ListItems.h"

#include "platform/system/CodePage.h"
#include "platform/system/Utf8.h"
#include "platform/win/KeyCodes.h"

#include <algorithm>
#include <cstring>

namespace win::listbox {

namespace {

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Character classes in the order the platform sorts them.
constexpr char kSymbol = 1;
constexpr char kDigit = 2;
constexpr char kLetter = 3;
constexpr char kWide = 4;

} // namespace

std::string ItemSortKey(std::string_view text) {
    // Chinese text sorts by its code-page bytes, whose first level is ordered by reading.
    const std::string ansi = Utf8ToAnsi(text);
    std::string key;
    key.reserve(ansi.size() * 2);
    for (std::size_t i = 0; i < ansi.size(); ++i) {
        const auto b = static_cast<unsigned char>(ansi[i]);
        if (IsDBCSLeadByte(b) && i + 1 < ansi.size()) {
            key.push_back(kWide);
            key.push_back(ansi[i]);
            key.push_back(ansi[++i]);
        } else if (b >= '0' && b <= '9') {
            key.push_back(kDigit);
            key.push_back(ansi[i]);
        } else if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z')) {
            key.push_back(kLetter);
            key.push_back(LowerAscii(ansi[i]));
        } else {
            key.push_back(b >= 0x80 ? kWide : kSymbol);
            key.push_back(ansi[i]);
        }
    }
    return key;
}

namespace {

int CompareBytes(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareKeyed(std::string_view keyA, std::string_view a, std::string_view keyB, std::string_view b) {
    const int c = CompareBytes(keyA, keyB);
    return c != 0 ? c : CompareBytes(a, b);
}

} // namespace

int CompareItemText(std::string_view a, std::string_view b) {
    return CompareKeyed(ItemSortKey(a), a, ItemSortKey(b), b);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
    return true;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

int ListItems::SortedPosition(const std::string& key, std::string_view text) const {
    const auto it = std::upper_bound(m_items.begin(), m_items.end(), 0, [&](int, const ListItem& item) {
        return CompareKeyed(key, text, item.key, item.text) < 0;
    });
    return static_cast<int>(it - m_items.begin());
}

int ListItems::Add(std::string text, ULONG_PTR data) {
    if (m_items.size() >= kMaxItems) return -1;
    if (!m_sorted) return Insert(-1, std::move(text), data);
    ListItem item{std::move(text), data, {}};
    item.key = ItemSortKey(item.text);
    const int at = SortedPosition(item.key, item.text);
    m_items.insert(m_items.begin() + at, std::move(item));
    return at;
}

int ListItems::Insert(int index, std::string text, ULONG_PTR data) {
    if (m_items.size() >= kMaxItems) return -1;
    if (index == -1) index = Count();
    if (index < 0 || index > Count()) return -1;
    ListItem item{std::move(text), data, {}};
    if (m_sorted) item.key = ItemSortKey(item.text);
    m_items.insert(m_items.begin() + index, std::move(item));
    return index;
}

bool ListItems::Erase(int index) {
    if (!Valid(index)) return false;
    m_items.erase(m_items.begin() + index);
    return true;
}

int ListItems::Find(std::string_view text, int start, bool exact) const {
    const int n = Count();
    if (n == 0) return -1;
    if (start < -1 || start >= n) start = -1;
    for (int step = 1; step <= n; ++step) {
        const int i = (start + step) % n;
        const std::string& t = At(i).text;
        if (exact ? EqualsNoCase(t, text) : StartsWithNoCase(t, text)) return i;
    }
    return -1;
}

int ListItems::FindData(ULONG_PTR data, int start) const {
    const int n = Count();
    if (n == 0) return -1;
    if (start < -1 || start >= n) start = -1;
    for (int step = 1; step <= n; ++step) {
        const int i = (start + step) % n;
        if (At(i).data == data) return i;
    }
    return -1;
}

int TypeAhead::Next(const ListItems& items, char32_t character, int current, DWORD now) {
    if (now - m_last > kTimeoutMs) m_prefix.clear();
    m_last = now;
    std::string typed;
    AppendUtf8(typed, character);
    m_prefix += typed;
    const bool repeated = m_prefix.size() > typed.size() &&
                          m_prefix.find_first_not_of(typed) == std::string::npos &&
                          m_prefix.size() % typed.size() == 0;
    if (m_prefix.size() > typed.size() && !repeated) {
        // A longer prefix may still match the current item.
        const int found = items.Find(m_prefix, current - 1, false);
        if (found >= 0) return found;
        m_prefix = typed;
    }
    if (repeated) m_prefix = typed + typed;
    return items.Find(typed, current, false);
}

int NavigateIndex(int virtualKey, int current, int count, int page) {
    if (count <= 0) return -1;
    const int step = page > 1 ? page - 1 : 1;
    int target;
    switch (virtualKey) {
    case VK_UP:
    case VK_LEFT:
        target = current < 0 ? 0 : current - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = current < 0 ? 0 : current + 1;
        break;
    case VK_PRIOR:
        target = current < 0 ? 0 : current - step;
        break;
    case VK_NEXT:
        target = current < 0 ? 0 : current + step;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(target, 0, count - 1);
}

} // namespace win::listbox
