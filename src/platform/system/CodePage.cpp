// Code page 936 through glibc's iconv, with the descriptors kept open per thread: counting the bytes of a
// short text runs on every keystroke of an edit field.
#include "platform/system/CodePage.h"

#include "platform/system/LastError.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cstring>
#include <iconv.h>
#include <vector>

namespace win {

namespace {

// One iconv descriptor; a descriptor that could not be opened converts nothing.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~IconvConverter() {
        if (Valid()) iconv_close(m_cd);
    }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts all of in into out; returns the bytes written, or 0 when any of it cannot be converted.
    std::size_t Convert(const char* in, std::size_t inLength, char* out, std::size_t outSize) {
        if (!Valid()) return 0;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out;
        std::size_t inLeft = inLength;
        std::size_t outLeft = outSize;
        if (iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            return 0;
        return outSize - outLeft;
    }

private:
    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t m_cd;
};

IconvConverter& ToGbk() {
    thread_local IconvConverter converter("CP936", "UTF-8");
    return converter;
}

IconvConverter& FromGbk() {
    thread_local IconvConverter converter("UTF-8", "CP936");
    return converter;
}

// The code page 936 bytes of one character; 0 when the code page cannot hold it.
std::size_t EncodeGbk(char32_t cp, char out[4]) {
    if (cp < 0x80) {
        out[0] = static_cast<char>(cp);
        return 1;
    }
    std::string utf8;
    AppendUtf8(utf8, cp);
    return ToGbk().Convert(utf8.data(), utf8.size(), out, 4);
}

// Decodes one character of code page 936 text at pos and moves past it; bad bytes give U+FFFD (one byte
// each).
char32_t DecodeGbk(std::string_view s, std::size_t& pos, bool& bad) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t length = 1;
    if (b0 >= 0x81 && b0 <= 0xFE && pos + 1 < s.size()) {
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        if (b1 >= 0x40 && b1 <= 0xFE && b1 != 0x7F) length = 2;
    }
    char utf8[8];
    const std::size_t n = FromGbk().Convert(s.data() + pos, length, utf8, sizeof utf8);
    if (n == 0) {
        ++pos;
        bad = true;
        return kReplacementChar;
    }
    pos += length;
    std::size_t p = 0;
    return DecodeUtf8(std::string_view(utf8, n), p);
}

// DecodeUtf8 that also says whether the character was malformed input (rather than a real U+FFFD).
char32_t DecodeUtf8Checked(std::string_view s, std::size_t& pos, bool& bad) {
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(s, pos);
    if (cp == kReplacementChar && pos - start == 1) bad = true;
    return cp;
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp >= 0x10000) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(static_cast<char16_t>(cp));
    }
}

// Decodes one character of UTF-16 at pos; an unpaired surrogate gives U+FFFD.
char32_t DecodeUtf16(std::u16string_view s, std::size_t& pos, bool& bad) {
    const char16_t u = s[pos++];
    if (u < 0xD800 || u > 0xDFFF) return u;
    if (u <= 0xDBFF && pos < s.size() && s[pos] >= 0xDC00 && s[pos] <= 0xDFFF) {
        const char16_t low = s[pos++];
        return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (low - 0xDC00);
    }
    bad = true;
    return kReplacementChar;
}

template <class Char> int CopyOut(const std::basic_string<Char>& result, Char* dest, int destSize) {
    if (result.size() > 0x7FFFFFFF) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    const int needed = static_cast<int>(result.size());
    if (destSize == 0) return needed;
    if (destSize < needed) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    std::memcpy(dest, result.data(), result.size() * sizeof(Char));
    return needed;
}

} // namespace

BOOL IsDBCSLeadByte(BYTE b) {
    return (b >= 0x81 && b <= 0xFE) ? TRUE : FALSE;
}

std::size_t AnsiByteLength(std::string_view utf8) {
    std::size_t bytes = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            ++bytes;
            continue;
        }
        bool bad = false;
        const char32_t cp = DecodeUtf8Checked(utf8, pos, bad);
        char out[4];
        bytes += bad ? 1 : (std::max<std::size_t>)(EncodeGbk(cp, out), 1);
    }
    return bytes;
}

std::size_t Utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t pos = 0; pos < utf8.size();) units += DecodeUtf8(utf8, pos) >= 0x10000 ? 2 : 1;
    return units;
}

std::string Utf8ToAnsi(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        bool bad = false;
        const char32_t cp = DecodeUtf8Checked(utf8, pos, bad);
        char bytes[4];
        const std::size_t n = bad ? 0 : EncodeGbk(cp, bytes);
        if (n == 0)
            out.push_back('?');
        else
            out.append(bytes, n);
    }
    return out;
}

std::string AnsiToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() * 3 / 2);
    bool bad = false;
    for (std::size_t pos = 0; pos < ansi.size();) AppendUtf8(out, DecodeGbk(ansi, pos, bad));
    return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) AppendUtf16(out, DecodeUtf8(utf8, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    bool bad = false;
    for (std::size_t pos = 0; pos < utf16.size();) AppendUtf8(out, DecodeUtf16(utf16, pos, bad));
    return out;
}

} // namespace win
