// Format's placeholder parser and the conversions of each placeholder type.
#include "framework/core/Format.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace gl {

FormatArg& FormatArg::operator=(const FormatArg& other) {
    m_kind = other.m_kind;
    m_wide = other.m_wide;
    m_char = other.m_char;
    m_integer = other.m_integer;
    m_unsigned = other.m_unsigned;
    m_real = other.m_real;
    // A single character points into the argument itself, so it must follow the copy.
    m_text = other.m_text.data() == &other.m_char ? std::string_view(&m_char, 1) : other.m_text;
    return *this;
}

namespace {

// Widths and precisions beyond this are a broken format, not a request for a huge text.
constexpr int kMaxWidth = 65535;

struct FieldSpec {
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

class Formatter {
public:
    Formatter(std::string_view format, std::span<const FormatArg> args) : m_format(format), m_args(args) {}

    std::string Run() {
        while (m_pos < m_format.size()) {
            const char c = m_format[m_pos++];
            if (c != '%') {
                m_out += c;
            } else if (Peek() == '%') {
                ++m_pos;
                m_out += '%';
            } else {
                Placeholder();
            }
        }
        return std::move(m_out);
    }

private:
    [[noreturn]] void Invalid() const { throw EConvertError(Format(msg::SInvalidFormat, m_format)); }

    char Peek() const { return m_pos < m_format.size() ? m_format[m_pos] : '\0'; }

    const FormatArg& NextArg() {
        if (m_next >= m_args.size()) throw EConvertError(Format(msg::SArgumentMissing, m_format));
        return m_args[m_next++];
    }

    // A number, or "*" for the next value; -1 when there is neither.
    int Number() {
        if (Peek() == '*') {
            ++m_pos;
            const FormatArg& arg = NextArg();
            if (arg.kind() != FormatArg::Kind::Integer && arg.kind() != FormatArg::Kind::Unsigned) Invalid();
            const std::int64_t value = arg.kind() == FormatArg::Kind::Integer
                                           ? arg.Integer()
                                           : static_cast<std::int64_t>(arg.Unsigned());
            if (value > kMaxWidth) Invalid();
            return value < 0 ? -1 : static_cast<int>(value);
        }
        if (Peek() < '0' || Peek() > '9') return -1;
        int value = 0;
        while (Peek() >= '0' && Peek() <= '9') {
            value = value * 10 + (m_format[m_pos++] - '0');
            if (value > kMaxWidth) Invalid();
        }
        return value;
    }

    void Placeholder() {
        FieldSpec desc;
        int first = Number();
        if (Peek() == ':') {
            ++m_pos;
            if (first < 0) Invalid();
            m_next = static_cast<std::size_t>(first);
            first = -1;
        }
        if (first < 0) {
            if (Peek() == '-') {
                desc.left = true;
                ++m_pos;
            }
            first = Number();
        }
        desc.width = first;
        if (Peek() == '.') {
            ++m_pos;
            desc.precision = Number();
        }
        desc.type = static_cast<char>(Peek() >= 'A' && Peek() <= 'Z' ? Peek() - 'A' + 'a' : Peek());
        if (desc.type == '\0') Invalid();
        ++m_pos;
        Pad(desc, Convert(desc, NextArg()));
    }

    std::string Convert(const FieldSpec& desc, const FormatArg& arg) const;

    void Pad(const FieldSpec& desc, const std::string& text) {
        const std::size_t padding = desc.width > static_cast<int>(text.size())
                                        ? static_cast<std::size_t>(desc.width) - text.size()
                                        : 0;
        if (!desc.left) m_out.append(padding, ' ');
        m_out += text;
        if (desc.left) m_out.append(padding, ' ');
    }

    std::string_view m_format;
    std::span<const FormatArg> m_args;
    std::size_t m_pos = 0;
    std::size_t m_next = 0;
    std::string m_out;
};

std::string Digits(std::uint64_t value, int base) {
    if (value == 0) return "0";
    std::string digits;
    for (; value; value /= static_cast<unsigned>(base))
        digits.insert(digits.begin(), "0123456789ABCDEF"[value % base]);
    return digits;
}

std::string AtLeast(std::string digits, int precision) {
    if (precision > static_cast<int>(digits.size())) digits.insert(0, precision - digits.size(), '0');
    return digits;
}

std::string Printf(const char* pattern, int precision, double value) {
    const int length = std::snprintf(nullptr, 0, pattern, precision, value);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    std::snprintf(text.data(), text.size() + 1, pattern, precision, value);
    return text;
}

// "E+05" becomes "E+005" (scientific) or "E5" (general), as the program's number texts show exponents.
std::string FixExponent(std::string text, bool general) {
    const auto e = text.find('E');
    if (e == std::string::npos) return text;
    const char sign = text[e + 1];
    std::string digits = text.substr(e + 2);
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    if (general) return text.substr(0, e + 1) + (sign == '-' ? "-" : "") + digits;
    return text.substr(0, e + 1) + sign + AtLeast(digits, 3);
}

std::string WithThousands(const std::string& fixed) {
    const std::size_t start = fixed[0] == '-' ? 1 : 0;
    const std::size_t end = std::min(fixed.find('.'), fixed.size());
    std::string out = fixed.substr(0, start);
    for (std::size_t i = start; i < end; ++i) {
        out += fixed[i];
        const std::size_t remaining = end - i - 1;
        if (remaining > 0 && remaining % 3 == 0) out += ',';
    }
    return out + fixed.substr(end);
}

std::string FloatText(char type, int precision, double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    switch (type) {
    case 'e':
        return FixExponent(Printf("%.*E", std::clamp(precision < 0 ? 15 : precision, 1, 18) - 1, value),
                           false);
    case 'f':
        return Printf("%.*f", std::clamp(precision < 0 ? 2 : precision, 0, 18), value);
    case 'n':
        return WithThousands(Printf("%.*f", std::clamp(precision < 0 ? 2 : precision, 0, 18), value));
    default:
        return FixExponent(Printf("%.*G", std::clamp(precision < 0 ? 15 : precision, 1, 18), value), true);
    }
}

std::string Formatter::Convert(const FieldSpec& desc, const FormatArg& arg) const {
    using Kind = FormatArg::Kind;
    const bool integral = arg.kind() == Kind::Integer || arg.kind() == Kind::Unsigned;
    // The value as the program's 32-bit integers hold it, unless it came from a 64-bit variable.
    const std::uint64_t bits =
        arg.kind() == Kind::Integer ? static_cast<std::uint64_t>(arg.Integer()) : arg.Unsigned();
    const std::uint64_t word = arg.IsWide() ? bits : (bits & 0xFFFFFFFFu);
    switch (desc.type) {
    case 'd':
        if (!integral) Invalid();
        if (arg.kind() == Kind::Integer && arg.Integer() < 0)
            return "-" + AtLeast(Digits(0 - static_cast<std::uint64_t>(arg.Integer()), 10), desc.precision);
        return AtLeast(Digits(bits, 10), desc.precision);
    case 'u':
        if (!integral) Invalid();
        return AtLeast(Digits(word, 10), desc.precision);
    case 'x':
        if (!integral) Invalid();
        return AtLeast(Digits(word, 16), desc.precision);
    case 'p':
        if (arg.kind() != Kind::Pointer) Invalid();
        return AtLeast(Digits(arg.Unsigned(), 16), 8);
    case 'e':
    case 'f':
    case 'g':
    case 'n':
        if (arg.kind() != Kind::Float) Invalid();
        return FloatText(desc.type, desc.precision, arg.Real());
    case 's': {
        if (arg.kind() != Kind::Text) Invalid();
        std::string_view text = arg.Text();
        if (desc.precision >= 0 && static_cast<std::size_t>(desc.precision) < text.size()) {
            std::size_t cut = static_cast<std::size_t>(desc.precision);
            while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
                --cut; // whole characters
            text = text.substr(0, cut);
        }
        return std::string(text);
    }
    default:
        Invalid();
    }
}

} // namespace

std::string Format(std::string_view format, std::span<const FormatArg> args) {
    return Formatter(format, args).Run();
}

} // namespace gl
