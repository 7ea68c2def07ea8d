// Input from the headless display: mouse routing, double clicks, capture and mouse leave, the wheel, keys and
// characters (typed and from an input method), focus and activation, disabled windows.
#include "UserTestSupport.h"

using namespace win;
using namespace usertest;

namespace {

class Input : public UserTest {
protected:
    std::vector<Received> Of(HWND hwnd, std::initializer_list<unsigned> kinds) {
        std::vector<Received> out;
        for (const Received& r : Log())
            if (r.hwnd == hwnd)
                for (unsigned k : kinds)
                    if (r.message == k) out.push_back(r);
        return out;
    }
};

TEST_F(Input, ClickGoesToTheChildUnderThePointerInClientCoordinates) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(top, 20, 30, 100, 50);
    Log().clear();
    headless::Click(child, 7, 9);
    const auto downs = Of(child, {WM_LBUTTONDOWN, WM_LBUTTONUP});
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 7);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 9);
    EXPECT_EQ(downs[0].wParam & MK_LBUTTON, MK_LBUTTON);
    EXPECT_EQ(downs[1].wParam & MK_LBUTTON, 0u);
    EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 0);
    // WM_SETCURSOR comes first with the hit code and the mouse message.
    const auto cursor = Of(child, {WM_SETCURSOR});
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(cursor.front().lParam)), HTCLIENT);
}

TEST_F(Input, TransparentAndDisabledChildrenLetTheirParentHaveTheClick) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND disabled = MakeChild(top, 10, 10, 50, 50, WS_DISABLED);
    HWND glass = MakeChild(top, 100, 10, 50, 50);
    CustomHandler() = [glass](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* r) {
        if (hwnd != glass || msg != WM_NCHITTEST) return false;
        *r = HTTRANSPARENT;
        return true;
    };
    Log().clear();
    headless::Click(disabled, 5, 5);
    headless::Click(glass, 5, 5);
    EXPECT_EQ(Count(disabled, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(glass, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 2);
}

TEST_F(Input, DoubleClickNeedsTheClassStyleTimeAndPlace) {
    HWND top = MakeTop(0, 0, 300, 200);
    Log().clear();
    headless::DoubleClick(top, 10, 10);
    EXPECT_EQ(Count(top, WM_LBUTTONDBLCLK), 1);
    EXPECT_EQ(Count(top, WM_LBUTTONDOWN), 1);
    headless::AdvanceClock(1000);
    Log().clear();
    headless::Click(top, 10, 10);
    headless::AdvanceClock(501);
    headless::Click(top, 10, 10);
    EXPECT_EQ(Count(top, WM_LBUTTONDBLCLK), 0) << "too slow";
    headless::AdvanceClock(1000);
    Log().clear();
    headless::Click(top, 10, 10);
    headless::Click(top, 13, 10);
    EXPECT_EQ(Count(top, WM_LBUTTONDBLCLK), 0) << "too far";
    headless::AdvanceClock(1000);
    Log().clear();
    headless::Click(top, 10, 10);
    headless::Click(top, 12, 12);
    EXPECT_EQ(Count(top, WM_LBUTTONDBLCLK), 1);
}

TEST_F(Input, CaptureKeepsTheMouseAndReleasingTellsTheWindow) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND left = MakeChild(top, 0, 0, 100, 100);
    HWND right = MakeChild(top, 150, 0, 100, 100);
    CustomHandler() = [](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg == WM_LBUTTONDOWN) SetCapture(hwnd);
        if (msg == WM_LBUTTONUP) ReleaseCapture();
        return false;
    };
    Log().clear();
    headless::MouseDown(left, 10, 10);
    EXPECT_EQ(GetCapture(), left);
    headless::MouseMove(right, 10, 10);
    headless::MouseUp(right, 10, 10);
    const auto moves = Of(left, {WM_MOUSEMOVE, WM_LBUTTONUP});
    ASSERT_GE(moves.size(), 2u);
    EXPECT_EQ(GET_X_LPARAM(moves.back().lParam), 160) << "in the capturing window's coordinates";
    EXPECT_EQ(Count(right, WM_MOUSEMOVE), 0);
    EXPECT_EQ(Count(left, WM_CAPTURECHANGED), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    // Taking the capture from another window tells the old one.
    SetCapture(left);
    SetCapture(right);
    EXPECT_EQ(Count(left, WM_CAPTURECHANGED), 2);
    SendMessage(right, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND pane = MakeChild(top, 10, 10, 50, 50);
    headless::MouseMove(pane, 5, 5);
    TRACKMOUSEEVENT tme;
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = pane;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    Log().clear();
    headless::MouseMove(pane, 20, 20);
    EXPECT_EQ(Count(pane, WM_MOUSELEAVE), 0);
    headless::MouseMove(top, 200, 150);
    headless::MouseMove(top, 210, 150);
    EXPECT_EQ(Count(pane, WM_MOUSELEAVE), 1);
    // Tracking a window the pointer is not over answers at once.
    TrackMouseEvent(&tme);
    headless::Pump();
    EXPECT_EQ(Count(pane, WM_MOUSELEAVE), 2);
}

TEST_F(Input, WheelGoesToTheFocusWindowAndUpItsChain) {
    HWND top = MakeTop(0, 0, 300, 200);
    HWND edit = MakeChild(top, 10, 10, 50, 50);
    SetFocus(edit);
    Log().clear();
    headless::KeyDown(VK_CONTROL);
    headless::Wheel(top, 200, 100, -120);
    headless::KeyUp(VK_CONTROL);
    const auto wheel = Of(edit, {WM_MOUSEWHEEL});
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheel[0].wParam), -120);
    EXPECT_EQ(GET_KEYSTATE_WPARAM(wheel[0].wParam) & MK_CONTROL, MK_CONTROL);
    EXPECT_EQ(Count(top, WM_MOUSEWHEEL), 1) << "DefWindowProc passes the wheel to the parent";
}

TEST_F(Input, KeysTranslateIntoCharactersAndTextArrivesWhole) {
    HWND top = MakeTop();
    HWND edit = MakeChild(top, 10, 10, 50, 50);
    SetFocus(edit);
    Log().clear();
    headless::KeyPress('A');
    headless::KeyDown(VK_SHIFT);
    headless::KeyPress('A');
    headless::KeyPress('1');
    headless::KeyUp(VK_SHIFT);
    headless::KeyChord({VK_CONTROL, 'C'});
    headless::KeyPress(VK_BACK);
    headless::TypeText("中文𠀀");
    std::vector<WPARAM> chars;
    for (const Received& r : Of(edit, {WM_CHAR})) chars.push_back(r.wParam);
    const std::vector<WPARAM> expected{'a', 'A', '!', 3, 8, 0x4E2D, 0x6587, 0x20000};
    EXPECT_EQ(chars, expected);
    const auto downs = Of(edit, {WM_KEYDOWN});
    ASSERT_FALSE(downs.empty());
    EXPECT_EQ(downs.front().wParam, static_cast<WPARAM>('A'));
    EXPECT_EQ((downs.front().lParam >> 30) & 1, 0) << "first press";
    EXPECT_EQ((downs.front().lParam >> 16) & 0xFF, 0x1E) << "the scan code of A";
    EXPECT_EQ(GetKeyState(VK_SHIFT) < 0, false);
}

TEST_F(Input, AltKeysAreSystemKeysAndAltF4Closes) {
    HWND top = MakeTop();
    SetFocus(top);
    Log().clear();
    headless::KeyChord({VK_MENU, VK_F4});
    EXPECT_GE(Count(top, WM_SYSKEYDOWN), 2);
    EXPECT_EQ(Count(top, WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(Input, FocusMovesWithKillBeforeSet) {
    HWND top = MakeTop();
    HWND a = MakeChild(top, 0, 0, 10, 10);
    HWND b = MakeChild(top, 20, 0, 10, 10);
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    const auto seq = Sequence({WM_KILLFOCUS, WM_SETFOCUS});
    ASSERT_EQ(seq.size(), 2u);
    EXPECT_EQ(seq[0], std::make_pair(a, static_cast<unsigned>(WM_KILLFOCUS)));
    EXPECT_EQ(seq[1], std::make_pair(b, static_cast<unsigned>(WM_SETFOCUS)));
    EXPECT_EQ(GetFocus(), b);
    // Disabling or destroying the focus window takes the focus away.
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    SetFocus(a);
    DestroyWindow(a);
    EXPECT_EQ(GetFocus(), top);
}

TEST_F(Input, ActivationOrderBetweenTwoWindows) {
    HWND first = MakeTop(0, 0, 200, 100);
    HWND second = MakeTop(50, 50, 200, 100);
    EXPECT_EQ(GetActiveWindow(), second);
    Log().clear();
    headless::Click(first, 10, 10);
    EXPECT_EQ(GetActiveWindow(), first);
    const auto seq = Sequence({WM_NCACTIVATE, WM_ACTIVATE, WM_MOUSEACTIVATE, WM_SETFOCUS, WM_KILLFOCUS});
    ASSERT_GE(seq.size(), 5u);
    EXPECT_EQ(seq[0], std::make_pair(first, static_cast<unsigned>(WM_MOUSEACTIVATE)));
    EXPECT_EQ(seq[1], std::make_pair(second, static_cast<unsigned>(WM_NCACTIVATE)));
    EXPECT_EQ(seq[2], std::make_pair(second, static_cast<unsigned>(WM_ACTIVATE)));
    EXPECT_EQ(seq[3], std::make_pair(first, static_cast<unsigned>(WM_NCACTIVATE)));
    EXPECT_EQ(seq[4], std::make_pair(first, static_cast<unsigned>(WM_ACTIVATE)));
    EXPECT_EQ(GetFocus(), first);
    const auto activate = Of(first, {WM_ACTIVATE});
    EXPECT_EQ(LOWORD(activate.back().wParam), WA_CLICKACTIVE);
}

TEST_F(Input, ADisabledWindowGetsNoInputAndAClickOnItBeeps) {
    HWND owner = MakeTop(0, 0, 300, 200);
    HWND child = MakeChild(owner, 10, 10, 50, 50);
    EnableWindow(owner, FALSE);
    headless::ResetBeepCount();
    Log().clear();
    headless::Click(child, 5, 5);
    headless::Wheel(child, 5, 5, 120);
    EXPECT_EQ(Count(child, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(owner, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(Count(child, WM_MOUSEWHEEL), 0);
    EXPECT_EQ(headless::BeepCount(), 1);
    EXPECT_EQ(MessageBeep(0), TRUE);
    EXPECT_EQ(headless::BeepCount(), 2);
}

TEST_F(Input, ClosingFromTheDesktopSendsCloseAndDestroys) {
    HWND top = MakeTop();
    Log().clear();
    headless::CloseWindow(top);
    EXPECT_EQ(Count(top, WM_CLOSE), 1);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(Input, ScrollBarArrowsRepeatAndTheThumbDrags) {
    HWND top = MakeTop(0, 0, 300, 300);
    HWND view = MakeChild(top, 0, 0, 117, 200, WS_VSCROLL);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 99;
    si.nPage = 10;
    si.nPos = 0;
    SetScrollInfo(view, SB_VERT, &si, TRUE);
    CustomHandler() = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM, LRESULT*) {
        if (msg != WM_VSCROLL) return false;
        int pos = GetScrollPos(hwnd, SB_VERT);
        if (LOWORD(wParam) == SB_LINEDOWN) ++pos;
        if (LOWORD(wParam) == SB_THUMBTRACK || LOWORD(wParam) == SB_THUMBPOSITION) pos = HIWORD(wParam);
        SetScrollPos(hwnd, SB_VERT, pos, TRUE);
        return false;
    };
    Log().clear();
    // The lower arrow: client coordinates of the bar lie right of the client area.
    headless::MouseDown(view, 105, 195);
    headless::AdvanceClock(300);
    headless::MouseUp(view, 105, 195);
    const int lines = static_cast<int>(Of(view, {WM_VSCROLL}).size()) - 1; // less SB_ENDSCROLL
    EXPECT_EQ(GetScrollPos(view, SB_VERT), lines);
    EXPECT_GE(lines, 3) << "one at the press, then repeats after 200 ms every 50 ms";
    EXPECT_EQ(Count(view, WM_LBUTTONDOWN), 0) << "the bar keeps the mouse to itself";
    // Drag the thumb from the top of the track to the bottom.
    SetScrollPos(view, SB_VERT, 0, TRUE);
    headless::MouseDown(view, 108, 17 + 2);
    headless::MouseMove(view, 108, 400);
    headless::MouseUp(view, 108, 400);
    EXPECT_EQ(GetScrollPos(view, SB_VERT), 90);
}

} // namespace
