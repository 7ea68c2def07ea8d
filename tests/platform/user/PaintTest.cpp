// Painting: update regions and WM_PAINT order, erasing, clipping of window contexts (children, siblings, the
// client area), reading a child's pixels through its parent's context, scrolling pixels.
#include "UserTestSupport.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"

using namespace win;
using namespace usertest;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class Painting : public UserTest {
protected:
    // Each window paints its client area in its own colour, given by its user data.
    void SetUp() override {
        UserTest::SetUp();
        CustomHandler() = [](HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT* r) {
            if (msg != WM_PAINT) return false;
            PAINTSTRUCT ps;
            HDC hdc = BeginPaint(hwnd, &ps);
            const COLORREF color = static_cast<COLORREF>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
            HBRUSH brush = CreateSolidBrush(color);
            RECT client;
            GetClientRect(hwnd, &client);
            FillRect(hdc, &client, brush);
            DeleteObject(brush);
            EndPaint(hwnd, &ps);
            *r = 0;
            return true;
        };
    }
    HWND Colored(HWND hwnd, COLORREF color) {
        SetWindowLongPtr(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(color));
        InvalidateRect(hwnd, nullptr, TRUE);
        return hwnd;
    }
};

TEST_F(Painting, ParentPaintsBeforeItsChildAndOnlyTheInvalidChildRepaints) {
    HWND top = Colored(MakeTop(), kBlue);
    HWND child = Colored(MakeChild(top, 10, 10, 40, 30), kRed);
    headless::Pump();
    auto paints = Sequence({WM_PAINT});
    ASSERT_GE(paints.size(), 2u);
    EXPECT_EQ(paints.front().first, top);
    EXPECT_EQ(headless::Pixel(top, 5, 5), kBlue);
    EXPECT_EQ(headless::Pixel(top, 15, 15), kRed);
    EXPECT_EQ(headless::Pixel(child, 0, 0), kRed);

    Log().clear();
    SetWindowLongPtr(child, GWLP_USERDATA, static_cast<LONG_PTR>(RGB(0, 128, 0)));
    InvalidateRect(child, nullptr, TRUE);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(child, &update, FALSE));
    EXPECT_EQ(update, (RECT{0, 0, 40, 30}));
    headless::Pump();
    EXPECT_EQ(Count(child, WM_PAINT), 1);
    EXPECT_EQ(Count(top, WM_PAINT), 0);
    EXPECT_EQ(headless::Pixel(child, 39, 29), RGB(0, 128, 0));
    EXPECT_FALSE(GetUpdateRect(child, &update, FALSE));
}

TEST_F(Painting, InvalidatingAParentRepaintsChildrenUnlessItClipsThem) {
    HWND top = Colored(MakeTop(), kBlue);
    HWND child = Colored(MakeChild(top, 10, 10, 40, 30), kRed);
    headless::Pump();
    Log().clear();
    InvalidateRect(top, nullptr, TRUE);
    headless::Pump();
    EXPECT_EQ(Count(child, WM_PAINT), 1) << "a parent without WS_CLIPCHILDREN paints over its children";
    EXPECT_EQ(headless::Pixel(child, 1, 1), kRed);

    SetWindowLongPtr(top, GWL_STYLE, GetWindowLongPtr(top, GWL_STYLE) | WS_CLIPCHILDREN);
    headless::Pump();
    Log().clear();
    InvalidateRect(top, nullptr, TRUE);
    headless::Pump();
    EXPECT_EQ(Count(child, WM_PAINT), 0);
    EXPECT_EQ(headless::Pixel(child, 1, 1), kRed) << "the clipped child area was not painted over";
}

TEST_F(Painting, UpdateWindowPaintsAtOnce) {
    HWND top = Colored(MakeTop(), kBlue);
    headless::Pump();
    Log().clear();
    InvalidateRect(top, nullptr, FALSE);
    UpdateWindow(top);
    EXPECT_EQ(Count(top, WM_PAINT), 1);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(Count(top, WM_NCPAINT), 1);
    EXPECT_EQ(Count(top, WM_PAINT), 2);
}

TEST_F(Painting, EraseUsesTheClassBrush) {
    HWND top = MakeTop();
    CustomHandler() = nullptr; // DefWindowProc paints: it erases with the class brush only
    InvalidateRect(top, nullptr, TRUE);
    headless::Pump();
    EXPECT_EQ(headless::Pixel(top, 3, 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Count(top, WM_ERASEBKGND) > 0, true);
}

TEST_F(Painting, ChildPixelsReadThroughTheParentsContext) {
    HWND top = Colored(MakeTop(0, 0, 300, 200), kBlue);
    HWND child = Colored(MakeChild(top, 64, 62, 100, 20), kRed);
    headless::Pump();
    HDC hdc = GetDC(top);
    ASSERT_NE(hdc, nullptr);
    // The way a window-less control reads its own pixels: origin moved to its corner, clip to its rectangle.
    SetViewportOrgEx(hdc, 64, 62, nullptr);
    IntersectClipRect(hdc, 0, 0, 100, 20);
    EXPECT_EQ(GetPixel(hdc, 0, 0), kRed);
    EXPECT_EQ(GetPixel(hdc, 99, 19), kRed);
    EXPECT_EQ(GetPixel(hdc, 100, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(hdc, 0, 20), CLR_INVALID);
    ReleaseDC(top, hdc);

    RECT client;
    GetClientRect(top, &client);
    hdc = GetDC(top);
    EXPECT_EQ(GetPixel(hdc, client.right - 1, client.bottom - 1), kBlue);
    EXPECT_EQ(GetPixel(hdc, client.right, 0), CLR_INVALID) << "outside the client area";
    EXPECT_EQ(GetPixel(hdc, -1, 0), CLR_INVALID);
    ReleaseDC(top, hdc);

    // Covered, minimised: the context still reads what was painted last.
    ShowWindow(top, SW_SHOWMINNOACTIVE);
    headless::Pump();
    hdc = GetDC(child);
    EXPECT_EQ(GetPixel(hdc, 5, 5), kRed);
    ReleaseDC(child, hdc);
}

TEST_F(Painting, ClipChildrenAndClipSiblingsKeepDrawingOff) {
    HWND top = Colored(MakeTop(0, 0, 300, 200), kBlue);
    HWND lower = Colored(MakeChild(top, 10, 10, 50, 50, WS_CLIPSIBLINGS), RGB(0, 200, 0));
    HWND upper = Colored(MakeChild(top, 30, 30, 50, 50), kRed);
    SetWindowPos(upper, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    headless::Pump();
    // Drawing on the lower sibling cannot touch the upper one.
    HDC hdc = GetDC(lower);
    RECT all{0, 0, 50, 50};
    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(hdc, &all, white);
    ReleaseDC(lower, hdc);
    EXPECT_EQ(headless::Pixel(lower, 5, 5), RGB(255, 255, 255));
    EXPECT_EQ(headless::Pixel(upper, 5, 5), kRed);
    // A parent with WS_CLIPCHILDREN draws around its children.
    SetWindowLongPtr(top, GWL_STYLE, GetWindowLongPtr(top, GWL_STYLE) | WS_CLIPCHILDREN);
    hdc = GetDC(top);
    RECT client{0, 0, 300, 200};
    FillRect(hdc, &client, white);
    EXPECT_EQ(GetPixel(hdc, 35, 35), CLR_INVALID);
    ReleaseDC(top, hdc);
    DeleteObject(white);
    EXPECT_EQ(headless::Pixel(upper, 10, 10), kRed);
    EXPECT_EQ(headless::Pixel(top, 200, 150), RGB(255, 255, 255));
}

TEST_F(Painting, HiddenChildNeitherPaintsNorDraws) {
    HWND top = Colored(MakeTop(0, 0, 300, 200), kBlue);
    HWND child = Colored(MakeChild(top, 10, 10, 40, 40), kRed);
    headless::Pump();
    ShowWindow(child, SW_HIDE);
    headless::Pump();
    EXPECT_EQ(headless::Pixel(top, 15, 15), kBlue) << "the parent repaints what the child uncovered";
    HDC hdc = GetDC(child);
    EXPECT_EQ(GetPixel(hdc, 1, 1), CLR_INVALID);
    ReleaseDC(child, hdc);
}

TEST_F(Painting, PresentedPixelsReachTheHeadlessScreen) {
    HWND top = Colored(MakeTop(0, 0, 300, 200), kBlue);
    headless::Pump();
    HeadlessDisplay& screen = headless::Screen();
    ASSERT_EQ(screen.WindowCount(), 1u);
    // The real window shows the client area only: the desktop draws frame and caption.
    const HeadlessDisplay::ScreenWindow* shown = screen.FindWindow(1);
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->desc.title, "Top");
    EXPECT_EQ(screen.PresentedPixel(1, 0, 0), kBlue);
    EXPECT_EQ(screen.PresentedPixel(1, 291, 172), kBlue);
    EXPECT_EQ(screen.PresentedPixel(1, 292, 0), CLR_INVALID);
    (void)top;
}

} // namespace
