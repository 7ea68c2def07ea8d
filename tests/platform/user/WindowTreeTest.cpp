// The window tree and geometry: z-order walks, enumeration, finding windows by point, reparenting, moving
// with WM_WINDOWPOSCHANGED / WM_MOVE / WM_SIZE, style changes, the non-client area's pixels and redraw
// switching.
#include "UserTestSupport.h"

#include "platform/gdi/Pixels.h"
#include "platform/gdi/SysColors.h"

using namespace win;
using namespace usertest;

namespace {

class WindowTree : public UserTest {};

TEST_F(WindowTree, ZOrderWalks) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND a = MakeChild(top, 0, 0, 50, 50);
    HWND b = MakeChild(top, 10, 10, 50, 50);
    HWND inner = MakeChild(a, 0, 0, 5, 5);
    // Children are created at the bottom: creation order is z-order from the top.
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(b, GW_HWNDPREV), a);
    EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), nullptr);
    EXPECT_TRUE(IsChild(top, inner));
    EXPECT_FALSE(IsChild(b, inner));

    // a is above b where they overlap.
    POINT p{15, 15};
    ClientToScreen(top, &p);
    EXPECT_EQ(WindowFromPoint(p), a);
    SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(p), b);
}

TEST_F(WindowTree, MovingSendsPositionMessagesOnlyForRealChanges) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(top, 10, 10, 50, 50);
    Log().clear();
    MoveWindow(child, 20, 10, 50, 50, TRUE);
    EXPECT_EQ(Count(child, WM_WINDOWPOSCHANGING), 1);
    EXPECT_EQ(Count(child, WM_WINDOWPOSCHANGED), 1);
    EXPECT_EQ(Count(child, WM_MOVE), 1);
    EXPECT_EQ(Count(child, WM_SIZE), 0);
    MoveWindow(child, 20, 10, 70, 40, TRUE);
    EXPECT_EQ(Count(child, WM_SIZE), 1);
    RECT r;
    GetWindowRect(child, &r);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    EXPECT_EQ(r, (RECT{origin.x + 20, origin.y + 10, origin.x + 90, origin.y + 50}));
    POINT pts[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(child, top, pts, 2);
    EXPECT_EQ(pts[1], (POINT{25, 15}));
    // A handler of WM_WINDOWPOSCHANGING may change the request.
    CustomHandler() = [child](HWND hwnd, UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (hwnd == child && msg == WM_WINDOWPOSCHANGING) reinterpret_cast<WINDOWPOS*>(lParam)->cx = 33;
        return false;
    };
    MoveWindow(child, 0, 0, 100, 100, TRUE);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 33);
}

TEST_F(WindowTree, ReparentingMovesTheWindowBetweenParents) {
    HWND one = MakeTop(0, 0, 300, 200);
    HWND two = MakeTop(400, 0, 300, 200);
    HWND child = MakeChild(one, 5, 5, 20, 20);
    EXPECT_EQ(SetParent(child, two), one);
    EXPECT_EQ(GetParent(child), two);
    EXPECT_EQ(GetWindow(one, GW_CHILD), nullptr);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_EQ(SetParent(two, child), nullptr) << "a window cannot go under its own descendant";
}

TEST_F(WindowTree, StyleChangesAreAnnouncedAndFrameChangesRecomputeTheClient) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(top, 0, 0, 100, 100);
    Log().clear();
    SetWindowLongPtr(child, GWL_STYLE, GetWindowLongPtr(child, GWL_STYLE) | WS_BORDER);
    EXPECT_EQ(Count(child, WM_STYLECHANGING), 1);
    EXPECT_EQ(Count(child, WM_STYLECHANGED), 1);
    RECT r;
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 100) << "the frame waits for SWP_FRAMECHANGED";
    SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(child, &r);
    EXPECT_EQ(r.right, 98);
    headless::Pump();
    EXPECT_EQ(headless::WindowPixel(child, 0, 0), GetSysColor(COLOR_WINDOWFRAME)) << "the border is painted";
    HDC hdc = GetWindowDC(child);
    EXPECT_EQ(GetPixel(hdc, 0, 50), GetSysColor(COLOR_WINDOWFRAME));
    ReleaseDC(child, hdc);
}

TEST_F(WindowTree, RedrawOffStopsPaintingUntilSwitchedOn) {
    HWND top = MakeTop(0, 0, 300, 200);
    headless::Pump();
    Log().clear();
    SendMessage(top, WM_SETREDRAW, FALSE, 0);
    InvalidateRect(top, nullptr, TRUE);
    headless::Pump();
    EXPECT_EQ(Count(top, WM_PAINT), 0);
    SendMessage(top, WM_SETREDRAW, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(top));
    InvalidateRect(top, nullptr, TRUE);
    headless::Pump();
    EXPECT_EQ(Count(top, WM_PAINT), 1);
}

TEST_F(WindowTree, ThreadMessagesAndHoverTracking) {
    HWND top = MakeTop(0, 0, 300, 200);
    PostMessage(nullptr, WM_APP + 3, 7, 8);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, WM_APP + 3u);
    EXPECT_EQ(DispatchMessage(&msg), 0) << "no window: nothing to call";

    headless::MouseMove(top, 40, 40);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_HOVER;
    tme.hwndTrack = top;
    tme.dwHoverTime = HOVER_DEFAULT;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    Log().clear();
    headless::AdvanceClock(300);
    headless::MouseMove(top, 41, 40); // resting starts again
    headless::AdvanceClock(300);
    EXPECT_EQ(Count(top, WM_MOUSEHOVER), 0);
    headless::AdvanceClock(150);
    EXPECT_EQ(Count(top, WM_MOUSEHOVER), 1);
}

} // namespace
