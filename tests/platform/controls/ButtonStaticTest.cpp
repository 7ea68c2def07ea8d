// Tests of the "BUTTON", "STATIC" and hint window classes on the headless display: clicks by mouse, Space and
// BM_CLICK, check boxes and radio groups, and the painted look (default frame, message icons, hint colours).
#include "ControlsTestSupport.h"

#include "platform/controls/HintWindow.h"
#include "platform/controls/MessageIcons.h"
#include "platform/gdi/SysColors.h"

namespace win {
namespace {

using controlstest::ControlsTest;
using controlstest::Log;

class ButtonTest : public ControlsTest {};

TEST_F(ButtonTest, APushButtonClicksWhenTheMouseIsLetGoOverIt) {
    MakeHost();
    HWND button = MakeControl(WC_BUTTON, "&Open", BS_PUSHBUTTON | WS_TABSTOP, 20, 20, 75, 23, 42);
    headless::Click(button, 30, 10);
    EXPECT_EQ(Codes(button), (std::vector<WORD>{BN_CLICKED}));
    EXPECT_EQ(GetFocus(), button);
    // Pressed, dragged off and let go elsewhere: no click, and the button comes up again.
    ClearLog();
    headless::AdvanceClock(1000);
    headless::MouseDown(button, 30, 10);
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, static_cast<LRESULT>(BST_PUSHED));
    headless::MouseMove(button, 200, 100);
    EXPECT_EQ(SendMessage(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    headless::MouseUp(button, 200, 100);
    EXPECT_TRUE(Codes(button).empty());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, SpaceAndBmClickClickTheButton) {
    MakeHost();
    HWND button = MakeControl(WC_BUTTON, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 20, 20, 75, 23, 1);
    SetFocus(button);
    headless::KeyDown(VK_SPACE);
    EXPECT_TRUE(Codes(button).empty()); // the click comes when Space is let go
    headless::KeyUp(VK_SPACE);
    EXPECT_EQ(Codes(button), (std::vector<WORD>{BN_CLICKED}));
    SendMessage(button, BM_CLICK, 0, 0);
    EXPECT_EQ(Codes(button).size(), 2u);
    EnableWindow(button, FALSE);
    SendMessage(button, BM_CLICK, 0, 0);
    EXPECT_EQ(Codes(button).size(), 2u);
}

TEST_F(ButtonTest, AutomaticCheckBoxesToggleAndRadioButtonsClearTheirGroup) {
    MakeHost();
    HWND check = MakeControl(WC_BUTTON, "Check", BS_AUTOCHECKBOX, 20, 10, 120, 20, 10);
    HWND first = MakeControl(WC_BUTTON, "One", BS_AUTORADIOBUTTON | WS_GROUP, 20, 40, 120, 20, 11);
    HWND second = MakeControl(WC_BUTTON, "Two", BS_AUTORADIOBUTTON, 20, 60, 120, 20, 12);
    HWND other = MakeControl(WC_BUTTON, "Other group", BS_AUTORADIOBUTTON | WS_GROUP, 20, 80, 120, 20, 13);
    SendMessage(other, BM_SETCHECK, BST_CHECKED, 0);
    headless::Click(check, 5, 10);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    headless::AdvanceClock(1000);
    headless::Click(check, 5, 10);
    EXPECT_EQ(SendMessage(check, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    headless::Click(first, 5, 10);
    headless::Click(second, 5, 10);
    EXPECT_EQ(SendMessage(first, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(SendMessage(second, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(SendMessage(other, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(Codes(second), (std::vector<WORD>{BN_CLICKED}));
}

TEST_F(ButtonTest, TheDefaultButtonHasABlackFrameAndAPressedButtonIsSunken) {
    MakeHost();
    HWND plain = MakeControl(WC_BUTTON, "Plain", BS_PUSHBUTTON, 20, 20, 75, 23, 1);
    HWND def = MakeControl(WC_BUTTON, "Default", BS_DEFPUSHBUTTON, 120, 20, 75, 23, 2);
    EXPECT_EQ(headless::Pixel(def, 0, 0), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(headless::Pixel(def, 74, 22), GetSysColor(COLOR_WINDOWFRAME));
    EXPECT_EQ(headless::Pixel(plain, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(headless::Pixel(plain, 74, 22), GetSysColor(COLOR_3DDKSHADOW));
    headless::MouseDown(plain, 30, 10);
    EXPECT_NE(headless::Pixel(plain, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    headless::MouseUp(plain, 30, 10);
    EXPECT_EQ(headless::Pixel(plain, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
}

class StaticTest : public ControlsTest {};

TEST_F(StaticTest, IconStaticsDrawTheMessageBoxIcons) {
    MakeHost();
    HWND stop = MakeControl(WC_STATIC, "", SS_ICON, 10, 10, 100, 100, 1);
    HWND info = MakeControl(WC_STATIC, "", SS_ICON, 60, 10, 0, 0, 2);
    SendMessage(stop, STM_SETICON, reinterpret_cast<WPARAM>(MessageIconHandle(MessageIcon::Stop)), 0);
    SendMessage(info, STM_SETIMAGE, IMAGE_ICON,
                reinterpret_cast<LPARAM>(MessageIconHandle(MessageIcon::Information)));
    headless::Pump();
    RECT r{};
    GetClientRect(stop, &r);
    EXPECT_EQ(r.right, kMessageIconSize);                         // an icon static takes the icon's size
    EXPECT_EQ(headless::Pixel(stop, 16, 4), RGB(255, 0, 0));      // the red disc
    EXPECT_EQ(headless::Pixel(stop, 16, 16), RGB(255, 255, 255)); // the white cross
    EXPECT_EQ(headless::Pixel(stop, 0, 0), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(headless::Pixel(info, 16, 4), RGB(255, 255, 255)); // the white disc
    EXPECT_EQ(headless::Pixel(info, 16, 18), RGB(0, 0, 255));    // the blue "i"
    EXPECT_EQ(MessageIconOfHandle(reinterpret_cast<HICON>(SendMessage(info, STM_GETICON, 0, 0))),
              MessageIcon::Information);
}

TEST_F(StaticTest, TextStaticsDrawTheirTextAndReportClicksOnlyWhenAsked) {
    MakeHost();
    HWND text = MakeControl(WC_STATIC, "Some text", SS_CENTER, 10, 10, 120, 20, 1);
    HWND notifying = MakeControl(WC_STATIC, "Click me", SS_LEFT | SS_NOTIFY, 10, 40, 120, 20, 2);
    bool ink = false;
    for (int x = 0; x < 120 && !ink; ++x) ink = headless::Pixel(text, x, 8) != GetSysColor(COLOR_BTNFACE);
    EXPECT_TRUE(ink);
    EXPECT_EQ(headless::Pixel(text, 1, 1), GetSysColor(COLOR_BTNFACE));
    headless::Click(text, 20, 10);
    headless::Click(notifying, 20, 10);
    EXPECT_TRUE(Codes(text).empty());
    EXPECT_EQ(Codes(notifying), (std::vector<WORD>{STN_CLICKED}));
}

class HintTest : public ControlsTest {};

TEST_F(HintTest, AHintIsSizedToItsTextAndDrawnInTheInfoColours) {
    MakeHost();
    ASSERT_TRUE(RegisterHintClass());
    HWND hint = CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, HINT_CLASS, "", WS_POPUP,
                               0, 0, 0, 0, m_host, nullptr, nullptr, nullptr);
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(ShowHintWindow(hint, 200, 150, "Convert the picture"));
    headless::Pump();
    const SIZE size = HintWindowSize(nullptr, "Convert the picture");
    RECT r{};
    GetWindowRect(hint, &r);
    EXPECT_EQ(r.left, 200);
    EXPECT_EQ(r.top, 150);
    EXPECT_EQ(r.right - r.left, size.cx);
    EXPECT_EQ(r.bottom - r.top, size.cy);
    EXPECT_GT(size.cx, 6 * 19); // nineteen characters of at least six pixels, and the margins
    EXPECT_EQ(headless::Pixel(hint, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(headless::Pixel(hint, size.cx - 1, size.cy - 1), RGB(0, 0, 0));
    EXPECT_EQ(headless::Pixel(hint, 1, 1), GetSysColor(COLOR_INFOBK));
    bool ink = false;
    for (int x = 3; x < size.cx - 3 && !ink; ++x)
        for (int y = 2; y < size.cy - 2 && !ink; ++y)
            ink = headless::Pixel(hint, x, y) == GetSysColor(COLOR_INFOTEXT);
    EXPECT_TRUE(ink);
    // Showing a hint leaves the activation and the focus where they were.
    EXPECT_EQ(GetActiveWindow(), m_host);
    ASSERT_TRUE(HideHintWindow(hint));
    EXPECT_FALSE(IsWindowVisible(hint));
}

} // namespace
} // namespace win
