// The font and text calls of the platform: creating fonts, metrics and measuring, text output, DrawText and
// the family enumeration. Strings are UTF-8; a count is in bytes, and -1 means up to the terminating zero.
#pragma once

#include "platform/fonts/FontTypes.h"

namespace win {

HFONT CreateFontIndirect(const LOGFONT* logFont);
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);

BOOL GetTextMetrics(HDC hdc, TEXTMETRIC* metrics);

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int count, SIZE* size);
BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, int* widths);

UINT SetTextAlign(HDC hdc, UINT align);

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int count);
// count may be (UINT)-1 for a zero-terminated text; dx, when given, holds one advance per character (code
// point).
BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                const INT* dx);
int DrawText(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format);

// One callback per family (family null or empty) or per style of the named family; returns the last
// callback's value (1 when there was none to call). EnumFontFamiliesEx reads lfFaceName and ignores lfCharSet
// and flags.
int EnumFontFamilies(HDC hdc, LPCSTR family, FONTENUMPROC proc, LPARAM lParam);

} // namespace win
