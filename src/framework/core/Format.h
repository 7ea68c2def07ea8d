// Format: fills a message text's placeholders from a list of values.
// A placeholder is "%" [index ":"] ["-"] [width] ["." precision] type, with type d (decimal), u (unsigned),
// x (upper-case hexadecimal), e, f, g, n (numbers with decimals), p (pointer) or s (text), and "%%" for "%".
// "%1:s" takes the value at index 1 and the next plain placeholder goes on from there; "*" as index, width or
// precision takes it from the next value. Precision is the least number of digits for d, u and x ("%.8x"),
// the most characters for s, and the decimals for the numbers. A placeholder that does not suit its value, or
// has no value, raises EConvertError; it never reads past the list.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

namespace gl {

class FormatArg {
public:
    enum class Kind { Integer, Unsigned, Float, Text, Pointer };

    template <std::integral T>
    requires(!std::same_as<T, char>)
        FormatArg(T value) // NOLINT: implicit by design, so that a list reads Format(text, {a, b})
        : m_kind(std::is_signed_v<T> ? Kind::Integer : Kind::Unsigned), m_wide(sizeof(T) > 4) {
        if constexpr (std::is_signed_v<T>)
            m_integer = value;
        else
            m_unsigned = value;
    }
    FormatArg(char c) : m_kind(Kind::Text), m_char(c), m_text(&m_char, 1) {}
    FormatArg(double value) : m_kind(Kind::Float), m_real(value) {}
    FormatArg(const char* text) : m_kind(Kind::Text), m_text(text ? text : "") {}
    FormatArg(std::string_view text) : m_kind(Kind::Text), m_text(text) {}
    FormatArg(const std::string& text) : m_kind(Kind::Text), m_text(text) {}
    FormatArg(std::nullptr_t) : m_kind(Kind::Text) {}
    FormatArg(const void* pointer)
        : m_kind(Kind::Pointer), m_unsigned(reinterpret_cast<std::uintptr_t>(pointer)) {}
    FormatArg(const FormatArg& other) { *this = other; }
    FormatArg& operator=(const FormatArg& other);

    Kind kind() const { return m_kind; }
    bool IsWide() const { return m_wide; }
    std::int64_t Integer() const { return m_integer; }
    std::uint64_t Unsigned() const { return m_unsigned; }
    double Real() const { return m_real; }
    std::string_view Text() const { return m_text; }

private:
    Kind m_kind = Kind::Integer;
    bool m_wide = false;
    char m_char = 0;
    std::int64_t m_integer = 0;
    std::uint64_t m_unsigned = 0;
    double m_real = 0;
    std::string_view m_text;
};

std::string Format(std::string_view format, std::span<const FormatArg> args);

inline std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
    return Format(format, std::span<const FormatArg>(args.begin(), args.size()));
}

template <class... Args>
requires(std::constructible_from<FormatArg, const Args&>&&...) std::string
    Format(std::string_view format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)}; // the extra entry keeps the array non-empty
    return Format(format, std::span<const FormatArg>(list, sizeof...(Args)));
}

} // namespace gl
