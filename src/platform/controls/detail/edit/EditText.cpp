// The edit control's text bytes: growth goes through realloc, which for a large block remaps its pages rather
// than copying them, and never keeps the old and the new block side by side.
#include "platform/controls/detail/edit/EditText.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <new>
#include <utility>

namespace win {

EditText::EditText(std::string_view bytes) {
    Replace(0, 0, bytes);
}

EditText& EditText::operator=(EditText&& other) noexcept {
    EditText gone(std::move(other));
    Swap(gone);
    return *this;
}

EditText::~EditText() {
    std::free(m_data);
}

void EditText::Swap(EditText& other) noexcept {
    std::swap(m_data, other.m_data);
    std::swap(m_size, other.m_size);
    std::swap(m_capacity, other.m_capacity);
}

void EditText::Grow(std::size_t needed) {
    // Geometric growth keeps many small appends linear; the unused tail of a large block is only address
    // space until it is written.
    std::size_t capacity =
        std::max<std::size_t>(needed, m_capacity < kMaxSize / 2 ? m_capacity * 2 : kMaxSize);
    capacity = std::max<std::size_t>(capacity, 16);
    void* grown = std::realloc(m_data, capacity);
    if (!grown) throw std::bad_alloc(); // the old block is untouched
    m_data = static_cast<char*>(grown);
    m_capacity = capacity;
}

void EditText::Replace(std::size_t pos, std::size_t count, std::string_view bytes) {
    pos = std::min(pos, m_size);
    count = std::min(count, m_size - pos);
    if (bytes.size() > kMaxSize - (m_size - count)) throw std::bad_alloc();
    const std::less<const char*> before;
    if (m_data && !before(bytes.data(), m_data) && before(bytes.data(), m_data + m_size)) {
        // Growing or moving the tail would pull the bytes from under us: work from a copy.
        const std::string copy(bytes);
        Replace(pos, count, copy);
        return;
    }
    const std::size_t newSize = m_size - count + bytes.size();
    if (newSize > m_capacity) Grow(newSize);
    if (bytes.size() != count)
        std::memmove(m_data + pos + bytes.size(), m_data + pos + count, m_size - pos - count);
    if (!bytes.empty()) std::memcpy(m_data + pos, bytes.data(), bytes.size());
    m_size = newSize;
}

} // namespace win
