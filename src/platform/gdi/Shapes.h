// Lines and filled figures drawn with the selected pen and brush: lines exclude their end point, figures are
// outlined by the pen inside their right and bottom edges and filled by the brush, both through the ROP2
// mode.
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

BOOL MoveToEx(HDC hdc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC hdc, POINT* position);
BOOL LineTo(HDC hdc, int x, int y);
BOOL Polyline(HDC hdc, const POINT* points, int count);
BOOL PolylineTo(HDC hdc, const POINT* points, DWORD count);

int SetPolyFillMode(HDC hdc, int mode);
// Fills the closed figure with the brush (pixels whose top-left corner lies inside, so a figure's right and
// bottom edges belong to the outline only) and outlines it with the pen, closing it.
BOOL Polygon(HDC hdc, const POINT* points, int count);

// The outline covers left .. right-1 and top .. bottom-1; with the null pen the filled area is one pixel
// smaller at the right and bottom.
BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height);

} // namespace win
