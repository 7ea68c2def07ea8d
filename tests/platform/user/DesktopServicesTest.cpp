// Services around the windows: the clipboard in its three text forms, metrics and monitors, the screen's
// density, showing states (maximised, minimised, the start request) and cursors.
#include "UserTestSupport.h"

#include "platform/display/headless/HeadlessDisplay.h"
#include "platform/gdi/Screen.h"
#include "platform/user/detail/WindowObject.h"

#include <cstdlib>
#include <cstring>

using namespace win;
using namespace usertest;

namespace {

class DesktopServices : public UserTest {};

HGLOBAL Block(const void* bytes, std::size_t size) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(mem), bytes, size);
    GlobalUnlock(mem);
    return mem;
}

std::string BlockBytes(HANDLE mem) {
    const char* p = static_cast<const char*>(GlobalLock(mem));
    std::string out(p, GlobalSize(mem));
    GlobalUnlock(mem);
    return out;
}

TEST_F(DesktopServices, ClipboardRoundTripsChineseInEveryTextForm) {
    HWND top = MakeTop();
    const char16_t wide[] = u"中文 ok";
    ASSERT_TRUE(OpenClipboard(top));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_NE(SetClipboardData(CF_UNICODETEXT, Block(wide, sizeof wide)), nullptr);
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetClipboardUtf8(), std::optional<std::string>("中文 ok"));
    EXPECT_EQ(headless::Screen().GetClipboardText(), std::optional<std::string>("中文 ok"));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));

    ASSERT_TRUE(OpenClipboard(nullptr));
    // Code page 936: 中 is D6 D0, 文 is CE C4.
    EXPECT_EQ(BlockBytes(GetClipboardData(CF_TEXT)), std::string("\xD6\xD0\xCE\xC4 ok\0", 8));
    EXPECT_EQ(BlockBytes(GetClipboardData(CF_UTF8TEXT)), std::string("中文 ok") + '\0');
    EXPECT_EQ(GlobalSize(GetClipboardData(CF_UNICODETEXT)), sizeof wide);
    CloseClipboard();

    ASSERT_TRUE(SetClipboardUtf8("第二"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    const std::string ansi = BlockBytes(GetClipboardData(CF_TEXT));
    CloseClipboard();
    EXPECT_EQ(ansi, std::string("\xB5\xDA\xB6\xFE\0", 5));

    // Text from outside (another program on the desktop) is seen too.
    headless::Screen().SetClipboardText("外部");
    EXPECT_EQ(GetClipboardUtf8(), std::optional<std::string>("外部"));
}

TEST_F(DesktopServices, ClipboardMisuseFailsCleanly) {
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr);
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    EXPECT_FALSE(CloseClipboard());
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_FALSE(OpenClipboard(nullptr)) << "already open";
    EXPECT_EQ(SetClipboardData(CF_TEXT, reinterpret_cast<HANDLE>(static_cast<std::uintptr_t>(0xDEAD0))),
              nullptr);
    CloseClipboard();
    EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, std::size_t(1) << 40), nullptr);
    EXPECT_EQ(GlobalLock(nullptr), nullptr);
    HGLOBAL mem = GlobalAlloc(GHND, 4);
    EXPECT_EQ(GlobalFree(mem), nullptr);
    EXPECT_EQ(GlobalFree(mem), mem) << "freed twice";
}

TEST_F(DesktopServices, MetricsMonitorsAndDensity) {
    EXPECT_EQ(GetSystemMetrics(SM_CXVSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYHSCROLL), 17);
    EXPECT_EQ(GetSystemMetrics(SM_CYBORDER), 1);
    EXPECT_EQ(GetSystemMetrics(SM_CXEDGE), 2);
    EXPECT_EQ(GetSystemMetrics(SM_CXFRAME), 4);
    EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(GetSystemMetrics(SM_DBCSENABLED), 1);
    EXPECT_EQ(GetSystemMetrics(12345), 0);
    UINT lines = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &lines, 0));
    EXPECT_EQ(lines, 3u);
    EXPECT_FALSE(SystemParametersInfo(0xFFFF, 0, &lines, 0));

    headless::SetScreenSize(1280, 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    HWND top = MakeTop();
    MONITORINFO info;
    ASSERT_TRUE(GetMonitorInfo(MonitorFromWindow(top, MONITOR_DEFAULTTONEAREST), &info));
    EXPECT_EQ(info.rcMonitor, (RECT{0, 0, 1280, 1024}));
    EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
    EXPECT_EQ(MonitorFromPoint(POINT{5000, 5000}, MONITOR_DEFAULTTONULL), nullptr);

    EXPECT_EQ(ScreenDpi(), 96);
    headless::SetDpi(120);
    EXPECT_EQ(ScreenDpi(), 120) << "the drawing layer sees the same density";
}

TEST_F(DesktopServices, MaximisedMinimisedAndTheStartRequest) {
    HWND top = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 100, 100, 588, 410, nullptr, nullptr,
                              nullptr, nullptr);
    headless::SetScreenSize(1024, 768);
    Log().clear();
    ShowWindow(top, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(top));
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{-4, -4, 1028, 772}));
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(client, (RECT{0, 0, 1024, 768 - 19}));
    bool maximizedSize = false;
    for (const Received& m : Log())
        if (m.hwnd == top && m.message == WM_SIZE && m.wParam == SIZE_MAXIMIZED) maximizedSize = true;
    EXPECT_TRUE(maximizedSize);
    EXPECT_EQ(headless::Screen().FindWindow(1)->show, DisplayShow::Maximized);

    ShowWindow(top, SW_RESTORE);
    GetWindowRect(top, &r);
    EXPECT_EQ(r, (RECT{100, 100, 688, 510}));

    HWND other = MakeTop();
    ShowWindow(top, SW_SHOWMINNOACTIVE);
    EXPECT_TRUE(IsIconic(top));
    EXPECT_EQ(GetActiveWindow(), other);
    GetClientRect(top, &client);
    EXPECT_EQ(client.right, 580) << "a minimised window keeps its size, so its pixels stay readable";

    setenv("GLYPHLOOM_SHOW", "maximized", 1);
    EXPECT_EQ(GetStartupShowCommand(), SW_SHOWMAXIMIZED);
    setenv("GLYPHLOOM_SHOW", "minimized", 1);
    EXPECT_EQ(GetStartupShowCommand(), SW_SHOWMINNOACTIVE);
    HWND started = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                  nullptr, nullptr);
    ShowWindow(started, SW_SHOWDEFAULT);
    EXPECT_TRUE(IsIconic(started));
    unsetenv("GLYPHLOOM_SHOW");
    EXPECT_EQ(GetStartupShowCommand(), SW_SHOWNORMAL);
}

// A window that takes no activation also asks the display not to give it the keyboard: an owned pop-up
// without a caption (a drop-down list) and any WS_EX_NOACTIVATE window (a hint); a window with a caption does
// take it, owned or not.
TEST_F(DesktopServices, PopUpsShownWithoutActivationLeaveTheKeyboardWhereItIs) {
    const HWND top = MakeTop();
    const auto shown = [](HWND hwnd) {
        return headless::Screen().FindWindow(wm::Find(hwnd)->displayId)->show;
    };
    const auto make = [top](DWORD exStyle, DWORD style, HWND owner) {
        const HWND hwnd =
            CreateWindowEx(exStyle, "Recorder", "", style, 10, 10, 60, 40, owner, nullptr, nullptr, nullptr);
        ShowWindow(hwnd, SW_SHOWNA);
        headless::Pump();
        return hwnd;
    };
    const HWND list = make(0, WS_POPUP | WS_BORDER, top);
    const HWND hint = make(WS_EX_NOACTIVATE | WS_EX_TOPMOST, WS_POPUP, nullptr);
    const HWND dialog = make(0, WS_POPUP | WS_CAPTION, top);
    const HWND unowned = make(0, WS_POPUP, nullptr);
    EXPECT_EQ(shown(top), DisplayShow::Normal);
    EXPECT_EQ(shown(list), DisplayShow::NormalNoActivate);
    EXPECT_EQ(shown(hint), DisplayShow::NormalNoActivate);
    EXPECT_EQ(shown(dialog), DisplayShow::Normal);
    EXPECT_EQ(shown(unowned), DisplayShow::Normal);
    EXPECT_EQ(GetActiveWindow(), top);
}

TEST_F(DesktopServices, CursorsFollowSetCursor) {
    HWND top = MakeTop(0, 0, 300, 200);
    HCURSOR beam = LoadCursor(nullptr, IDC_IBEAM);
    ASSERT_NE(beam, nullptr);
    EXPECT_EQ(LoadCursor(nullptr, MAKEINTRESOURCE(1)), nullptr);
    headless::MouseMove(top, 50, 50);
    SetCursor(beam);
    EXPECT_EQ(GetCursor(), beam);
    EXPECT_EQ(headless::Screen().Cursor(), CursorShape::IBeam);
    POINT p;
    GetCursorPos(&p);
    POINT expected{50, 50};
    ClientToScreen(top, &expected);
    EXPECT_EQ(p, expected);
    EXPECT_EQ(WindowFromPoint(p), top);
}

} // namespace
