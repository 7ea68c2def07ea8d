// Points, sizes and rectangles in the framework's terms (the platform's records under the program's names),
// and the small helpers that drawing code reads best with: Rect(left, top, right, bottom), Bounds(x, y, w,
// h), InflateRect(rect, amount).
#pragma once

#include "platform/win/types.h"

namespace gl {

using TPoint = win::POINT;
using TSize = win::SIZE;
using TRect = win::RECT;

constexpr TPoint Point(int x, int y) {
    return TPoint{x, y};
}
constexpr TRect Rect(int left, int top, int right, int bottom) {
    return TRect{left, top, right, bottom};
}
// The rectangle of a control's bounds: its corner and its size.
constexpr TRect Bounds(int left, int top, int width, int height) {
    return TRect{left, top, left + width, top + height};
}
constexpr int RectWidth(const TRect& rect) {
    return rect.right - rect.left;
}
constexpr int RectHeight(const TRect& rect) {
    return rect.bottom - rect.top;
}
// Grows a rectangle by `amount` pixels on every side; a negative amount shrinks it.
constexpr void InflateRect(TRect& rect, int amount) {
    rect.left -= amount;
    rect.top -= amount;
    rect.right += amount;
    rect.bottom += amount;
}

} // namespace gl
