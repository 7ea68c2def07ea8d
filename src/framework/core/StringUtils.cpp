// Text helpers: case, trimming and numbers.
#include "framework/core/StringUtils.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace gl {

namespace {

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

template <class Fold> int Compare(std::string_view a, std::string_view b, Fold fold) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(fold(a[i]));
        const auto y = static_cast<unsigned char>(fold(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = Upper(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

} // namespace

int CompareStr(std::string_view a, std::string_view b) {
    return Compare(a, b, [](char c) { return c; });
}
int CompareText(std::string_view a, std::string_view b) {
    return Compare(a, b, Upper);
}
bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Upper(c);
    return out;
}

std::string LowerCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Lower(c);
    return out;
}

std::string TrimLeft(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return std::string(text.substr(start));
}

std::string TrimRight(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) {
    return TrimLeft(TrimRight(text));
}

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::uint64_t value, int digits) {
    return Format("%.*x", digits, value);
}

bool TryStrToInt(std::string_view text, int& value) {
    const std::string trimmed = Trim(text);
    std::string_view s = trimmed;
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s[0] == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return false;
    std::int64_t magnitude = 0;
    for (char c : s) {
        const int digit = HexValue(c);
        if (digit < 0 || digit >= base) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > 0xFFFFFFFFLL) return false;
    }
    // Hexadecimal texts may name the full 32 bits ("$FFFFFFFF" is -1), decimal ones must fit the range.
    std::int64_t result = negative ? -magnitude : magnitude;
    if (base == 16 && !negative && magnitude > std::numeric_limits<int>::max())
        result = magnitude - 0x100000000LL;
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) return false;
    value = static_cast<int>(result);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value)) throw EConvertError(Format(msg::SInvalidInteger, text));
    return value;
}

int StrToIntDef(std::string_view text, int fallback) {
    int value = 0;
    return TryStrToInt(text, value) ? value : fallback;
}

std::string FloatToStr(double value) {
    return Format("%g", value);
}

bool TryStrToFloat(std::string_view text, double& value) {
    const std::string trimmed = Trim(text);
    std::string_view s = trimmed;
    if (!s.empty() && s[0] == '+') s.remove_prefix(1);
    if (s.empty() || s[0] == '+') return false;
    if (s.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return false; // no "inf" or "nan"
    double parsed = 0;
    const auto [end, error] =
        std::from_chars(s.data(), s.data() + s.size(), parsed, std::chars_format::general);
    if (error != std::errc() || end != s.data() + s.size()) return false;
    value = parsed;
    return true;
}

bool IsAccel(char32_t character, std::string_view caption) {
    const auto fold = [](char32_t c) { return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c; };
    std::size_t pos = 0;
    while ((pos = caption.find('&', pos)) != std::string_view::npos) {
        ++pos;
        if (pos >= caption.size()) return false;
        if (caption[pos] == '&') {
            ++pos;
            continue;
        }
        return fold(win::DecodeUtf8(caption, pos)) == fold(character);
    }
    return false;
}

} // namespace gl
