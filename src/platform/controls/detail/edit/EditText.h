// The bytes of an edit control's text, in one block from malloc: growing a large text lets the allocator move
// its pages instead of copying them, so appending row after row to tens of megabytes stays cheap.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

// A growable byte string with just what the text model needs. Every change either happens whole or throws
// std::bad_alloc and leaves the text as it was.
class EditText {
public:
    // Positions are kept in 32 bits by the line index, so no text is ever longer than this.
    static constexpr std::size_t kMaxSize = 0xFFFFFFFFu;

    EditText() = default;
    explicit EditText(std::string_view bytes);
    EditText(const EditText&) = delete;
    EditText& operator=(const EditText&) = delete;
    EditText(EditText&& other) noexcept { Swap(other); }
    EditText& operator=(EditText&& other) noexcept;
    ~EditText();

    std::size_t Size() const { return m_size; }
    const char* Data() const { return m_data ? m_data : ""; }
    std::string_view View() const { return {Data(), m_size}; }
    operator std::string_view() const { return View(); }
    char operator[](std::size_t pos) const { return m_data[pos]; }
    std::string Substr(std::size_t pos, std::size_t count) const {
        return std::string(View().substr(pos, count));
    }

    // Replaces [pos, pos + count) with bytes, which may lie inside this text.
    void Replace(std::size_t pos, std::size_t count, std::string_view bytes);
    void Swap(EditText& other) noexcept;

private:
    void Grow(std::size_t needed);

    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace win
