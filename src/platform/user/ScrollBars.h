// The standard scroll bars of a window (WS_HSCROLL / WS_VSCROLL): their range, page and position, and the
// classic look and hit areas that the scroll-bar control shares.
#pragma once

#include "platform/win/types.h"

namespace win {

constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_CTL = 2;
constexpr int SB_BOTH = 3;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

constexpr UINT ESB_ENABLE_BOTH = 0x0000;
constexpr UINT ESB_DISABLE_BOTH = 0x0003;
constexpr UINT ESB_DISABLE_LEFT = 0x0001;
constexpr UINT ESB_DISABLE_RIGHT = 0x0002;
constexpr UINT ESB_DISABLE_UP = 0x0001;
constexpr UINT ESB_DISABLE_DOWN = 0x0002;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};
using LPSCROLLINFO = SCROLLINFO*;

// For SB_CTL the call is forwarded to the scroll-bar control (SBM_* messages); SB_HORZ and SB_VERT address
// the window's own bars. Setting a range or page that makes a bar useless hides it unless
// SIF_DISABLENOSCROLL.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, BOOL redraw);
BOOL GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw);
int GetScrollPos(HWND hwnd, int bar);

// Messages of the scroll-bar control.
constexpr UINT SBM_SETPOS = 0x00E0;
constexpr UINT SBM_GETPOS = 0x00E1;
constexpr UINT SBM_SETRANGE = 0x00E2;
constexpr UINT SBM_SETRANGEREDRAW = 0x00E6;
constexpr UINT SBM_GETRANGE = 0x00E3;
constexpr UINT SBM_ENABLE_ARROWS = 0x00E4;
constexpr UINT SBM_SETSCROLLINFO = 0x00E9;
constexpr UINT SBM_GETSCROLLINFO = 0x00EA;
// Scroll-bar control styles.
constexpr DWORD SBS_HORZ = 0x0000;
constexpr DWORD SBS_VERT = 0x0001;
constexpr DWORD SBS_SIZEBOX = 0x0008;

// The geometry and look of one scroll bar, shared by the window's bars and the scroll-bar control.
enum class ScrollPart { None, ArrowLow, PageLow, Thumb, PageHigh, ArrowHigh };

struct ScrollBarState {
    int minPos = 0;
    int maxPos = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool tracking = false;
    bool visible = true;
    UINT disabledArrows = 0; // ESB_DISABLE_* bits
    ScrollPart pressed = ScrollPart::None;
};

// Parts of a bar laid along `rect` (vertical when `vertical`): the two arrows are as long as the bar is
// thick, the thumb is proportional to the page and at least 8 pixels; no thumb when the track is too short.
struct ScrollBarLayout {
    RECT arrowLow{};
    RECT arrowHigh{};
    RECT track{};
    RECT thumb{}; // empty when there is no thumb
};
ScrollBarLayout LayoutScrollBar(const RECT& rect, bool vertical, const ScrollBarState& state);
ScrollPart HitTestScrollBar(const ScrollBarLayout& layout, bool vertical, POINT point);
// The position for the thumb's leading edge at `thumbStart` (pixels along the track).
int ScrollPosFromThumb(const ScrollBarLayout& layout, bool vertical, const ScrollBarState& state,
                       int thumbStart);
// Draws the bar in the classic look on a context (window or memory); `enabled` greys arrows and hides the
// thumb.
void PaintScrollBar(HDC hdc, const RECT& rect, bool vertical, const ScrollBarState& state, bool enabled);

} // namespace win
