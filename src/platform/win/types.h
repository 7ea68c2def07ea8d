// Basic types, records and handle types of the platform interface that the program is written against.
// Every service area of the platform includes this; area-specific constants live with their area.
#pragma once

#include <cstddef>
#include <cstdint>

namespace win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using UINT = std::uint32_t;
using INT = std::int32_t;
using BOOL = int;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using CHAR = char;
using WCHAR = char16_t;
using LONG_PTR = std::intptr_t;
using ULONG_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using ATOM = WORD;
using COLORREF = DWORD;
using LPVOID = void*;
using LPCVOID = const void*;
using LPSTR = char*;
using LPCSTR = const char*;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles are opaque values, never dereferenced: the platform looks each one up in a checked table, so a
// stale or foreign handle makes a call fail instead of crashing. Distinct pointer types keep the kinds apart
// at compile time.
using HANDLE = void*;
using HGDIOBJ = void*;
#define GLYPHLOOM_DECLARE_HANDLE(name)                                                                       \
    struct name##__;                                                                                         \
    using name = name##__*
GLYPHLOOM_DECLARE_HANDLE(HDC);
GLYPHLOOM_DECLARE_HANDLE(HBITMAP);
GLYPHLOOM_DECLARE_HANDLE(HPALETTE);
GLYPHLOOM_DECLARE_HANDLE(HPEN);
GLYPHLOOM_DECLARE_HANDLE(HBRUSH);
GLYPHLOOM_DECLARE_HANDLE(HFONT);
GLYPHLOOM_DECLARE_HANDLE(HRGN);
GLYPHLOOM_DECLARE_HANDLE(HWND);
GLYPHLOOM_DECLARE_HANDLE(HMENU);
GLYPHLOOM_DECLARE_HANDLE(HICON);
GLYPHLOOM_DECLARE_HANDLE(HINSTANCE);
GLYPHLOOM_DECLARE_HANDLE(HMONITOR);
GLYPHLOOM_DECLARE_HANDLE(HKL);
GLYPHLOOM_DECLARE_HANDLE(HIMC);
GLYPHLOOM_DECLARE_HANDLE(HENHMETAFILE);
GLYPHLOOM_DECLARE_HANDLE(HMETAFILE);
#undef GLYPHLOOM_DECLARE_HANDLE
using HCURSOR = HICON;
using HMODULE = HINSTANCE;
struct IMAGELIST__;
using HIMAGELIST = IMAGELIST__*;

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

using LPRECT = RECT*;
using LPPOINT = POINT*;

// Colours: 0x00BBGGRR.
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr BYTE GetRValue(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr COLORREF CLR_NONE = 0xFFFFFFFF;
constexpr COLORREF CLR_DEFAULT = 0xFF000000;

constexpr WORD LOWORD(std::uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr LONG MAKELONG(WORD lo, WORD hi) {
    return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr LPARAM MAKELPARAM(int lo, int hi) {
    return static_cast<LPARAM>(static_cast<DWORD>(static_cast<WORD>(lo)) |
                               (static_cast<DWORD>(static_cast<WORD>(hi)) << 16));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) {
    return static_cast<WPARAM>(static_cast<DWORD>(MAKELPARAM(lo, hi)));
}
constexpr int GET_X_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp)));
}

} // namespace win
