// The queue and the loop: send against post, retrieval order and filters, nested modal loops, registered
// messages, timers on the virtual clock, and the caret's blinking.
#include "UserTestSupport.h"

using namespace win;
using namespace usertest;

namespace {

class MessageLoop : public UserTest {};

TEST_F(MessageLoop, SendRunsAtOncePostWaitsForTheLoop) {
    HWND top = MakeTop();
    Log().clear();
    PostMessage(top, WM_USER + 1, 0, 0);
    SendMessage(top, WM_USER + 2, 0, 0);
    EXPECT_EQ(Count(top, WM_USER + 2), 1);
    EXPECT_EQ(Count(top, WM_USER + 1), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, top);
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER + 1u);
    EXPECT_FALSE(PeekMessage(&msg, nullptr, WM_USER + 1, WM_USER + 1, PM_REMOVE));
}

TEST_F(MessageLoop, PostedMessagesComeBeforeInputAndPaintBeforeTimers) {
    HWND top = MakeTop();
    SetTimer(top, 7, 10, nullptr);
    headless::Screen().AdvanceClock(50); // the timer is due, nothing has run yet
    InvalidateRect(top, nullptr, FALSE);
    DisplayEvent key;
    key.type = DisplayEventType::KeyDown;
    key.virtualKey = 'Q';
    SetFocus(top);
    headless::Screen().QueueEvent(key);
    PostMessage(top, WM_USER, 0, 0);
    std::vector<UINT> order;
    MSG msg;
    while (order.size() < 4 && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        DispatchMessage(&msg);
    }
    const std::vector<UINT> expected{WM_USER, WM_KEYDOWN, WM_PAINT, WM_TIMER};
    EXPECT_EQ(order, expected);
}

TEST_F(MessageLoop, QuitEndsGetMessageAndAnIdleHeadlessLoopEnds) {
    PostQuitMessage(3);
    MSG msg;
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 3u);
    // Nothing can ever arrive: the loop does not hang.
    EXPECT_EQ(GetMessage(&msg, nullptr, 0, 0), FALSE);
}

TEST_F(MessageLoop, ModalLoopNestsWithItsOwnerDisabled) {
    HWND owner = MakeTop();
    static HWND dialog = nullptr;
    static bool ownerWasDisabled = false;
    static int depth = 0;
    dialog = nullptr;
    CustomHandler() = [owner](HWND hwnd, UINT msg, WPARAM wParam, LPARAM, LRESULT*) {
        if (hwnd == owner && msg == WM_USER + 10) {
            dialog = CreateWindowEx(0, "Recorder", "Dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, 50, 50, 200,
                                    100, owner, nullptr, nullptr, nullptr);
            EnableWindow(owner, FALSE);
            ++depth;
            MSG m;
            while (IsWindow(dialog) && GetMessage(&m, nullptr, 0, 0)) {
                TranslateMessage(&m);
                DispatchMessage(&m);
            }
            --depth;
            EnableWindow(owner, TRUE);
            SetActiveWindow(owner);
        }
        if (hwnd == dialog && msg == WM_KEYDOWN && wParam == VK_ESCAPE) DestroyWindow(hwnd);
        return false;
    };
    headless::SetIdleHook([owner] {
        ownerWasDisabled = !IsWindowEnabled(owner);
        if (depth == 1) headless::KeyPress(VK_ESCAPE);
    });
    PostMessage(owner, WM_USER + 10, 0, 0);
    headless::Pump();
    headless::SetIdleHook({});
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MessageLoop, RegisteredMessagesAreStable) {
    const UINT a = RegisterWindowMessage("GlyphloomBlinkQuery");
    EXPECT_GE(a, 0xC000u);
    EXPECT_EQ(RegisterWindowMessage("GlyphloomBlinkQuery"), a);
    EXPECT_NE(RegisterWindowMessage("Other"), a);
    EXPECT_EQ(RegisterWindowMessage(""), 0u);
}

int g_procTicks = 0;
void CountTicks(HWND, UINT, UINT_PTR, DWORD) {
    ++g_procTicks;
}

TEST_F(MessageLoop, TimersFireOnTheVirtualClock) {
    HWND top = MakeTop();
    Log().clear();
    ASSERT_EQ(SetTimer(top, 5, 100, nullptr), 5u);
    headless::AdvanceClock(350);
    EXPECT_EQ(Count(top, WM_TIMER), 3);
    // Setting it again changes the interval from now.
    SetTimer(top, 5, 40, nullptr);
    headless::AdvanceClock(100);
    EXPECT_EQ(Count(top, WM_TIMER), 5);
    KillTimer(top, 5);
    headless::AdvanceClock(1000);
    EXPECT_EQ(Count(top, WM_TIMER), 5);
    EXPECT_FALSE(KillTimer(top, 5));

    g_procTicks = 0;
    const UINT_PTR id = SetTimer(nullptr, 0, 50, CountTicks);
    ASSERT_NE(id, 0u);
    headless::AdvanceClock(120);
    EXPECT_EQ(g_procTicks, 2);
    KillTimer(nullptr, id);
    // A forged WM_TIMER never calls an address that no timer named.
    MSG forged{};
    forged.message = WM_TIMER;
    forged.lParam = reinterpret_cast<LPARAM>(&CountTicks);
    forged.wParam = 999;
    DispatchMessage(&forged);
    EXPECT_EQ(g_procTicks, 2);
}

TEST_F(MessageLoop, MissedTicksDoNotPileUpAndDestroyedWindowsLoseTheirTimers) {
    HWND top = MakeTop();
    SetTimer(top, 1, 100, nullptr);
    Log().clear();
    headless::Screen().AdvanceClock(1000); // busy for a second: no messages ran
    headless::Pump();
    EXPECT_EQ(Count(top, WM_TIMER), 1);
    DestroyWindow(top);
    headless::AdvanceClock(1000);
    EXPECT_EQ(GetTickCount(), headless::Screen().Now());
}

TEST_F(MessageLoop, CaretBlinksByTimerAndHidesWhilePainting) {
    HWND top = MakeTop(0, 0, 300, 200);
    headless::Pump();
    const COLORREF background = headless::Pixel(top, 10, 10);
    ASSERT_TRUE(CreateCaret(top, nullptr, 2, 12));
    SetCaretPos(10, 10);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background) << "a new caret is hidden";
    ShowCaret(top);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background ^ 0x00FFFFFF);
    headless::AdvanceClock(530);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background);
    headless::AdvanceClock(530);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background ^ 0x00FFFFFF);
    PAINTSTRUCT ps;
    InvalidateRect(top, nullptr, FALSE);
    BeginPaint(top, &ps);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background);
    EndPaint(top, &ps);
    EXPECT_EQ(headless::Pixel(top, 10, 10), background ^ 0x00FFFFFF);
    DestroyCaret();
    EXPECT_EQ(headless::Pixel(top, 10, 10), background);
    EXPECT_FALSE(ShowCaret(top));
}

} // namespace
