// The clipboard: text in three forms inside (code-page 936 bytes, UTF-16, UTF-8), one UTF-8 text outside.
// On a screen it is the desktop's real clipboard; the headless display keeps it in memory. Line ends change
// on the way: CR LF inside, LF on the desktop.
#pragma once

#include "platform/win/types.h"

#include <optional>
#include <string>
#include <string_view>

namespace win {

constexpr UINT CF_TEXT = 1; // code page 936 bytes, zero-terminated
constexpr UINT CF_BITMAP = 2;
constexpr UINT CF_OEMTEXT = 7;
constexpr UINT CF_DIB = 8;
constexpr UINT CF_UNICODETEXT = 13; // UTF-16, zero-terminated
constexpr UINT CF_LOCALE = 16;
constexpr UINT CF_UTF8TEXT = 0xC000; // UTF-8, zero-terminated: the form the desktop holds

// Global memory blocks, which the clipboard takes and gives out.
constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;
constexpr UINT GPTR = GMEM_FIXED | GMEM_ZEROINIT;
using HGLOBAL = HANDLE;
// Blocks are limited to 1 GiB; larger requests fail with ERROR_NOT_ENOUGH_MEMORY.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
LPVOID GlobalLock(HGLOBAL mem);
BOOL GlobalUnlock(HGLOBAL mem);
std::size_t GlobalSize(HGLOBAL mem);
HGLOBAL GlobalFree(HGLOBAL mem); // null on success, the block on failure

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// Takes ownership of the block (CF_TEXT, CF_UNICODETEXT, CF_UTF8TEXT); the others text forms are made from
// it.
HANDLE SetClipboardData(UINT format, HANDLE mem);
// A block owned by the clipboard, valid until the clipboard is emptied or changes; do not free it.
HANDLE GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);

// The simple path: the whole text in UTF-8, without opening the clipboard.
bool SetClipboardUtf8(const std::string& text);
std::optional<std::string> GetClipboardUtf8();

// The desktop's primary selection (the text selected last in any program, pasted with the middle button), in
// UTF-8.
bool SetPrimaryUtf8(const std::string& text);
std::optional<std::string> GetPrimaryUtf8();

// Inside, lines end in CR LF; on the desktop, in LF. A lone CR is left as it is either way.
std::string DesktopLineEnds(std::string_view text);
std::string ProgramLineEnds(std::string_view text);

} // namespace win
