// Pens and brushes: creation calls, the colours of the DC_PEN and DC_BRUSH stock objects, and the pen's
// binary raster mode.
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

// Pen style bits beyond the basic styles (ExtCreatePen).
constexpr UINT PS_USERSTYLE = 7;
constexpr UINT PS_ALTERNATE = 8;
constexpr UINT PS_STYLE_MASK = 0x0000000F;
constexpr UINT PS_ENDCAP_ROUND = 0x00000000;
constexpr UINT PS_ENDCAP_SQUARE = 0x00000100;
constexpr UINT PS_ENDCAP_FLAT = 0x00000200;
constexpr UINT PS_ENDCAP_MASK = 0x00000F00;
constexpr UINT PS_JOIN_ROUND = 0x00000000;
constexpr UINT PS_JOIN_BEVEL = 0x00001000;
constexpr UINT PS_JOIN_MITER = 0x00002000;
constexpr UINT PS_JOIN_MASK = 0x0000F000;
constexpr UINT PS_COSMETIC = 0x00000000;
constexpr UINT PS_GEOMETRIC = 0x00010000;
constexpr UINT PS_TYPE_MASK = 0x000F0000;

// A width of 0 means one pixel. Dashed and dotted styles are one pixel wide: wider pens of those styles are
// solid, as on the platform.
HPEN CreatePen(int style, int width, COLORREF color);

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int hatch, COLORREF color);
// Copies the bitmap's pixels: later changes to the bitmap do not change the brush. A one-bit bitmap gives a
// monochrome pattern, drawn in the context's text colour (index 0) and background colour (index 1).
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);

int SetROP2(HDC hdc, int mode);

} // namespace win
