// The classic look of the platform's button parts (DrawFrameControl): push buttons, check boxes and radio
// buttons.
#pragma once

#include "platform/win/types.h"

namespace win {

constexpr UINT DFC_CAPTION = 1;
constexpr UINT DFC_MENU = 2;
constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFC_BUTTON = 4;
constexpr UINT DFC_POPUPMENU = 5;

constexpr UINT DFCS_BUTTONCHECK = 0x0000;
constexpr UINT DFCS_BUTTONRADIOIMAGE = 0x0001;
constexpr UINT DFCS_BUTTONRADIOMASK = 0x0002;
constexpr UINT DFCS_BUTTONRADIO = 0x0004;
constexpr UINT DFCS_BUTTON3STATE = 0x0008;
constexpr UINT DFCS_BUTTONPUSH = 0x0010;
constexpr UINT DFCS_INACTIVE = 0x0100;
constexpr UINT DFCS_PUSHED = 0x0200;
constexpr UINT DFCS_CHECKED = 0x0400;
constexpr UINT DFCS_TRANSPARENT = 0x0800;
constexpr UINT DFCS_HOT = 0x1000;
constexpr UINT DFCS_ADJUSTRECT = 0x2000;
constexpr UINT DFCS_FLAT = 0x4000;
constexpr UINT DFCS_MONO = 0x8000;

// DFC_BUTTON only. Check boxes and radio buttons are drawn in the largest square centred in the rectangle
// (13 x 13 for the usual glyph) and touch no pixel outside their shape; push buttons fill the rectangle, and
// DFCS_ADJUSTRECT returns their face. Other part types fail.
BOOL DrawFrameControl(HDC hdc, RECT* rect, UINT type, UINT state);

} // namespace win
