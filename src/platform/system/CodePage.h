// The system's multi-byte code page (936, GBK) and conversions between it, UTF-8 and UTF-16.
// Strings of the program are UTF-8; these calls answer the questions the program asks in the code page's
// terms (how many bytes a text takes there, how many UTF-16 units it has) and convert where a caller needs
// the bytes.
#pragma once

#include "platform/win/types.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

constexpr UINT CP_ACP = 0;
constexpr UINT CP_OEMCP = 1;
constexpr UINT CP_THREAD_ACP = 3;
constexpr UINT CP_GBK = 936;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_PRECOMPOSED = 0x1;
constexpr DWORD MB_ERR_INVALID_CHARS = 0x8;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;
constexpr DWORD WC_NO_BEST_FIT_CHARS = 0x400;

constexpr DWORD ERROR_NO_UNICODE_TRANSLATION = 1113;

// True when a byte starts a two-byte character of code page 936 (0x81 to 0xFE).
BOOL IsDBCSLeadByte(BYTE b);

// The number of bytes a UTF-8 text takes in code page 936: a character the code page cannot hold counts as
// one byte (its "?" replacement), and so does each byte of malformed UTF-8.
std::size_t AnsiByteLength(std::string_view utf8);
// The number of UTF-16 code units of a UTF-8 text; each byte of malformed UTF-8 counts as one unit (U+FFFD).
std::size_t Utf16Length(std::string_view utf8);

// UTF-8 to code page 936 bytes ("?" for what the code page cannot hold) and back (U+FFFD for bad bytes).
std::string Utf8ToAnsi(std::string_view utf8);
std::string AnsiToUtf8(std::string_view ansi);
// UTF-8 to UTF-16 and back; unpaired surrogates become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

} // namespace win
