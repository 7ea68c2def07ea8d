// The hint (tool-tip) window class "GlyphloomHint": a pop-up that floats above everything without taking the
// activation or the mouse, with a one-pixel black border on the info-background colour and its text in the
// info-text colour, as large as its text (DrawText's measure) and a small margin. Setting its text resizes
// it.
#pragma once

#include "platform/win/types.h"

#include <string_view>

namespace win {

inline constexpr const char* HINT_CLASS = "GlyphloomHint";

// Room round the text: the border and the margin on each side.
constexpr int kHintBorder = 1;
constexpr int kHintMarginX = 2;
constexpr int kHintMarginY = 1;

// The outer size a hint window takes for a text in a font (null: the hint's own font).
SIZE HintWindowSize(HFONT font, std::string_view text);
BOOL ShowHintWindow(HWND hint, int screenX, int screenY, LPCSTR text);
BOOL HideHintWindow(HWND hint);

} // namespace win
