// Size limits of top-level windows: the defaults a window procedure is offered in WM_GETMINMAXINFO, and its
// own limits being kept when the window is made and when it is resized.
#include "UserTestSupport.h"

using namespace win;
using namespace usertest;

namespace {

class MinMaxInfo : public UserTest {};

TEST_F(MinMaxInfo, AHandlerIsOfferedThePlatformDefaults) {
    MINMAXINFO seen{};
    // Answered without the default procedure: what the sender filled in must already be there.
    CustomHandler() = [&seen](HWND, UINT msg, WPARAM, LPARAM lParam, LRESULT* result) {
        if (msg != WM_GETMINMAXINFO) return false;
        seen = *reinterpret_cast<const MINMAXINFO*>(lParam);
        *result = 0;
        return true;
    };
    HWND top = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_TRUE(IsWindow(top));
    RECT work{};
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
    constexpr int kFrame = 4;
    EXPECT_EQ(seen.ptMaxSize,
              (POINT{work.right - work.left + 2 * kFrame, work.bottom - work.top + 2 * kFrame}));
    EXPECT_EQ(seen.ptMaxPosition, (POINT{work.left - kFrame, work.top - kFrame}));
    EXPECT_EQ(seen.ptMinTrackSize, (POINT{112, 27}));
    EXPECT_EQ(seen.ptMinTrackSize, (POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)}));
    EXPECT_EQ(seen.ptMaxTrackSize, (POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)}));
    EXPECT_GT(seen.ptMaxTrackSize.x, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_GT(seen.ptMaxTrackSize.y, GetSystemMetrics(SM_CYVIRTUALSCREEN));

    RECT r{};
    GetWindowRect(top, &r);
    EXPECT_EQ(r.right - r.left, 300) << "a handler that leaves the defaults alone limits nothing";
    EXPECT_EQ(r.bottom - r.top, 200);
}

TEST_F(MinMaxInfo, TheProceduresOwnLimitsHoldAtCreationAndOnResizing) {
    // The handler sets its limits and then lets the default procedure see the message, which keeps them.
    CustomHandler() = [](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        if (msg != WM_GETMINMAXINFO) return false;
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize = POINT{200, 150};
        info->ptMaxTrackSize = POINT{400, 300};
        *result = DefWindowProc(hwnd, msg, wParam, lParam);
        return true;
    };
    HWND top = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 10, 10, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_TRUE(IsWindow(top));
    const auto size = [top] {
        RECT r{};
        GetWindowRect(top, &r);
        return POINT{r.right - r.left, r.bottom - r.top};
    };
    EXPECT_EQ(size(), (POINT{200, 150}));
    ASSERT_TRUE(MoveWindow(top, 0, 0, 1000, 1000, TRUE));
    EXPECT_EQ(size(), (POINT{400, 300}));
    ASSERT_TRUE(SetWindowPos(top, nullptr, 0, 0, 50, 260, SWP_NOZORDER | SWP_NOMOVE));
    EXPECT_EQ(size(), (POINT{200, 260}));
}

} // namespace
