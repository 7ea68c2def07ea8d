// Decoding and encoding of UTF-8, tolerant of bad input: every string the platform takes is UTF-8 from
// outside. A byte that does not start a well-formed sequence decodes as U+FFFD and consumes exactly that one
// byte.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

constexpr char32_t kReplacementChar = 0xFFFD;

// A value that is a character: neither a surrogate nor above U+10FFFF.
constexpr bool IsScalarValue(char32_t cp) {
    return cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
}

// Decodes the character at pos and moves pos past it. Overlong forms, surrogates, values above U+10FFFF and
// truncated sequences are bad: they give U+FFFD and advance by one byte. pos must be < s.size().
inline char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int length;
    char32_t cp;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementChar;
    }
    if (pos + static_cast<std::size_t>(length) > s.size()) {
        ++pos;
        return kReplacementChar;
    }
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacementChar;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacementChar;
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

// Appends the UTF-8 form of a code point; values that are not characters append U+FFFD.
inline void AppendUtf8(std::string& out, char32_t cp) {
    if (!IsScalarValue(cp)) cp = kReplacementChar;
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// True when every byte belongs to a well-formed sequence (no overlong forms, surrogates, values above
// U+10FFFF or truncated sequences). A U+FFFD written out in full is well formed.
inline bool IsValidUtf8(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t start = pos;
        if (DecodeUtf8(s, pos) == kReplacementChar && pos - start == 1) return false;
    }
    return true;
}

// The string a (pointer, byte count) pair of the platform's text calls denotes: a count of -1 means up to the
// terminating zero. A null pointer gives an empty view.
inline std::string_view TextArgument(const char* text, int count) {
    if (!text) return {};
    if (count < 0) return std::string_view(text);
    return std::string_view(text, static_cast<std::size_t>(count));
}

} // namespace win
