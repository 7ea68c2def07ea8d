// Creating and destroying windows: message order, frame arithmetic, window data, subclassing, stale handles.
#include "UserTestSupport.h"

#include "platform/system/LastError.h"

using namespace win;
using namespace usertest;

namespace {

class WindowLifecycle : public UserTest {};

TEST_F(WindowLifecycle, CreationSendsMessagesInPlatformOrder) {
    HWND top = CreateWindowEx(0, "Recorder", "标题", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_TRUE(IsWindow(top));
    const auto order =
        MessagesOf(top, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE});
    const std::vector<unsigned> expected{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE,
                                         WM_CREATE,        WM_SIZE,     WM_MOVE};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(GetWindowTextString(top), "标题");
    EXPECT_FALSE(IsWindowVisible(top)) << "WS_VISIBLE was not asked for";
}

TEST_F(WindowLifecycle, FailingCreateGivesNoWindow) {
    CustomHandler() = [](HWND, UINT msg, WPARAM, LPARAM, LRESULT* r) {
        if (msg != WM_CREATE) return false;
        *r = -1;
        return true;
    };
    HWND top = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                              nullptr, nullptr);
    EXPECT_EQ(top, nullptr);
    EXPECT_EQ(Sequence({WM_DESTROY}).size(), 1u);
    EXPECT_EQ(Sequence({WM_NCDESTROY}).size(), 1u);
}

TEST_F(WindowLifecycle, DestroySendsDestroyDownAndNcDestroyUp) {
    HWND top = MakeTop();
    HWND child = MakeChild(top, 0, 0, 50, 50);
    HWND grandchild = MakeChild(child, 0, 0, 10, 10);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(top));
    const auto seq = Sequence({WM_DESTROY, WM_NCDESTROY});
    const std::vector<std::pair<HWND, unsigned>> expected{
        {top, WM_DESTROY},          {child, WM_DESTROY},   {grandchild, WM_DESTROY},
        {grandchild, WM_NCDESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(seq, expected);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
}

TEST_F(WindowLifecycle, CaptionedFrameArithmetic) {
    HWND top = CreateWindowEx(0, "Recorder", "", WS_OVERLAPPEDWINDOW, 0, 0, 588, 410, nullptr, nullptr,
                              nullptr, nullptr);
    RECT client;
    ASSERT_TRUE(GetClientRect(top, &client));
    EXPECT_EQ(client.right, 580);
    EXPECT_EQ(client.bottom, 383);
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    EXPECT_EQ(origin, (POINT{4, 23}));
    RECT adjusted{0, 0, 580, 383};
    AdjustWindowRectEx(&adjusted, WS_OVERLAPPEDWINDOW, FALSE, 0);
    EXPECT_EQ(adjusted.right - adjusted.left, 588);
    EXPECT_EQ(adjusted.bottom - adjusted.top, 410);
}

TEST_F(WindowLifecycle, BordersEdgesAndScrollBarsShrinkTheClientArea) {
    HWND top = MakeTop(0, 0, 400, 300);
    HWND bordered = MakeChild(top, 0, 0, 100, 50, WS_BORDER);
    HWND edged = CreateWindowEx(WS_EX_CLIENTEDGE, "Recorder", "", WS_CHILD | WS_VSCROLL | WS_HSCROLL, 0, 0,
                                100, 80, top, nullptr, nullptr, nullptr);
    RECT r;
    GetClientRect(bordered, &r);
    EXPECT_EQ(r, (RECT{0, 0, 98, 48}));
    GetClientRect(edged, &r);
    EXPECT_EQ(r, (RECT{0, 0, 100 - 4 - 17, 80 - 4 - 17}));
    EXPECT_EQ(SendMessage(edged, WM_NCHITTEST, 0, MAKELPARAM(4 + 95, 23 + 10)), HTVSCROLL);
}

TEST_F(WindowLifecycle, WindowDataAndProperties) {
    HWND top = MakeTop();
    HWND child = MakeChild(top, 5, 6, 20, 20, WS_TABSTOP, 42);
    EXPECT_EQ(GetDlgCtrlID(child), 42);
    EXPECT_EQ(GetDlgItem(top, 42), child);
    EXPECT_EQ(GetParent(child), top);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), top);
    EXPECT_EQ(GetWindow(top, GW_CHILD), child);
    SetWindowLongPtr(child, GWLP_USERDATA, 1234);
    EXPECT_EQ(GetWindowLongPtr(child, GWLP_USERDATA), 1234);
    EXPECT_TRUE(GetWindowLongPtr(child, GWL_STYLE) & WS_TABSTOP);
    int value = 7;
    SetProp(child, "Owner", &value);
    EXPECT_EQ(GetProp(child, "Owner"), &value);
    EXPECT_EQ(RemoveProp(child, "Owner"), &value);
    EXPECT_EQ(GetProp(child, "Owner"), nullptr);
    SetWindowText(child, "中文 text");
    EXPECT_EQ(GetWindowTextLength(child), static_cast<int>(std::string("中文 text").size()));
    char small[5];
    // A short buffer never gets half a character.
    EXPECT_EQ(GetWindowText(child, small, sizeof small), 3);
    EXPECT_STREQ(small, "中");
    EXPECT_EQ(GetClassNameString(child), "Recorder");
}

LRESULT WrapProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
WNDPROC g_original = nullptr;
int g_wrapped = 0;

LRESULT WrapProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER + 1) return 99;
    ++g_wrapped;
    return CallWindowProc(g_original, hwnd, msg, wParam, lParam);
}

TEST_F(WindowLifecycle, SubclassingThroughTheProcedureSlot) {
    HWND top = MakeTop();
    g_original =
        reinterpret_cast<WNDPROC>(SetWindowLongPtr(top, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WrapProc)));
    EXPECT_EQ(g_original, &RecorderProc);
    EXPECT_EQ(SendMessage(top, WM_USER + 1, 0, 0), 99);
    g_wrapped = 0;
    SendMessage(top, WM_USER + 2, 0, 0);
    EXPECT_EQ(g_wrapped, 1);
    EXPECT_EQ(Count(top, WM_USER + 2), 1);
}

TEST_F(WindowLifecycle, StaleHandlesFailCleanly) {
    HWND top = MakeTop();
    HWND child = MakeChild(top, 0, 0, 10, 10);
    DestroyWindow(top);
    SetLastError(0);
    EXPECT_EQ(SendMessage(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(PostMessage(child, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowPos(child, nullptr, 0, 0, 1, 1, 0));
    EXPECT_FALSE(ShowWindow(child, SW_SHOW));
    EXPECT_FALSE(DestroyWindow(child));
    EXPECT_EQ(SetFocus(child), nullptr);
    EXPECT_EQ(GetDC(child), nullptr);
    EXPECT_FALSE(InvalidateRect(child, nullptr, TRUE));
    EXPECT_EQ(SetTimer(child, 1, 100, nullptr), 0u);
    HWND foreign = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x12345678));
    EXPECT_FALSE(IsWindow(foreign));
    EXPECT_EQ(GetWindowLongPtr(foreign, GWL_STYLE), 0);
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, child, nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(WindowLifecycle, WindowDestroyedInsideItsOwnHandler) {
    HWND top = MakeTop();
    CustomHandler() = [](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT*) {
        if (msg == WM_USER) DestroyWindow(hwnd);
        return false;
    };
    PostMessage(top, WM_USER, 0, 0);
    PostMessage(top, WM_USER + 1, 0, 0); // arrives after the window is gone: dropped
    headless::Pump();
    EXPECT_FALSE(IsWindow(top));
    EXPECT_EQ(Count(top, WM_USER + 1), 0);
}

TEST_F(WindowLifecycle, AbsurdSizesAreClamped) {
    HWND top = CreateWindowEx(0, "Recorder", "", WS_POPUP | WS_VISIBLE, -100000, -5, 1000000, -50, nullptr,
                              nullptr, nullptr, nullptr);
    ASSERT_TRUE(IsWindow(top));
    RECT r;
    GetWindowRect(top, &r);
    EXPECT_EQ(r.left, -32768);
    EXPECT_EQ(r.right - r.left, 32767);
    EXPECT_EQ(r.bottom - r.top, 0);
    headless::Pump();
    EXPECT_TRUE(MoveWindow(top, 0, 0, 200000, 200000, TRUE));
    headless::Pump();
}

} // namespace
