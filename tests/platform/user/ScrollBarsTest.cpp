// A window's own scroll bars: range, page and position rules, showing and hiding with the frame, and the
// geometry shared with the scroll-bar control.
#include "UserTestSupport.h"

#include "platform/gdi/Region.h"

using namespace win;
using namespace usertest;

namespace {

class ScrollBars : public UserTest {};

TEST_F(ScrollBars, PositionStaysInsideTheRangeLessThePage) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND view = MakeChild(top, 0, 0, 117, 200, WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 500;
    EXPECT_EQ(SetScrollInfo(view, SB_VERT, &si, TRUE), 90);
    EXPECT_EQ(SetScrollPos(view, SB_VERT, -5, TRUE), 90);
    EXPECT_EQ(GetScrollPos(view, SB_VERT), 0);
    SCROLLINFO bad;
    bad.cbSize = 3;
    EXPECT_FALSE(GetScrollInfo(view, SB_VERT, &bad));
    EXPECT_FALSE(GetScrollInfo(view, 7, &si));
}

TEST_F(ScrollBars, AUselessBarHidesAndTheClientAreaGrows) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND view = MakeChild(top, 0, 0, 117, 200, WS_VSCROLL);
    RECT r;
    GetClientRect(view, &r);
    EXPECT_EQ(r.right, 100);
    Log().clear();
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = 9;
    si.nPage = 10;
    SetScrollInfo(view, SB_VERT, &si, TRUE);
    EXPECT_FALSE(GetWindowLongPtr(view, GWL_STYLE) & WS_VSCROLL);
    GetClientRect(view, &r);
    EXPECT_EQ(r.right, 117);
    EXPECT_EQ(Count(view, WM_SIZE), 1);
    // Asked to stay, it stays, disabled.
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
    SetScrollInfo(view, SB_VERT, &si, TRUE);
    EXPECT_TRUE(GetWindowLongPtr(view, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollBars, LayoutAndThumbMapping) {
    ScrollBarState s;
    s.minPos = 0;
    s.maxPos = 99;
    s.page = 10;
    s.pos = 45;
    const RECT bar{0, 0, 17, 200};
    const ScrollBarLayout l = LayoutScrollBar(bar, true, s);
    EXPECT_EQ(l.arrowLow, (RECT{0, 0, 17, 17}));
    EXPECT_EQ(l.arrowHigh, (RECT{0, 183, 17, 200}));
    EXPECT_EQ(l.thumb.bottom - l.thumb.top, 16) << "166 pixels of track, a tenth of the range";
    EXPECT_EQ(HitTestScrollBar(l, true, POINT{5, 5}), ScrollPart::ArrowLow);
    EXPECT_EQ(HitTestScrollBar(l, true, POINT{5, 20}), ScrollPart::PageLow);
    EXPECT_EQ(HitTestScrollBar(l, true, POINT{5, l.thumb.top}), ScrollPart::Thumb);
    EXPECT_EQ(HitTestScrollBar(l, true, POINT{5, 180}), ScrollPart::PageHigh);
    EXPECT_EQ(ScrollPosFromThumb(l, true, s, l.thumb.top), 45);
    EXPECT_EQ(ScrollPosFromThumb(l, true, s, 10000), 90);
    EXPECT_EQ(ScrollPosFromThumb(l, true, s, -10000), 0);
    // Too short for a thumb, and a bar whose range fits its page: no thumb.
    EXPECT_TRUE(RectEmpty(LayoutScrollBar(RECT{0, 0, 17, 40}, true, s).thumb));
    s.page = 100;
    EXPECT_TRUE(RectEmpty(LayoutScrollBar(bar, true, s).thumb));
}

} // namespace
