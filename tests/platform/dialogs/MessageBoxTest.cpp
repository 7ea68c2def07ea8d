// Tests of the message box on the headless display: its modal loop (the owner disabled meanwhile), the keys
// and clicks that answer it, what it shows (caption, lines of text, icons), its place, and the hook.
#include "platform/dialogs/MessageBox.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/MessageIcons.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/Language.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <gtest/gtest.h>

#include <functional>

namespace win {
namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Use();
        ASSERT_TRUE(RegisterStandardControls());
        WNDCLASS existing;
        if (!GetClassInfo(nullptr, "MessageBoxTestOwner", &existing)) {
            WNDCLASS wc;
            wc.lpfnWndProc = DefWindowProc;
            wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_WINDOW + 1));
            wc.lpszClassName = "MessageBoxTestOwner";
            ASSERT_TRUE(RegisterClass(&wc));
        }
        m_owner = CreateWindowEx(0, "MessageBoxTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200,
                                 150, 588, 410, nullptr, nullptr, nullptr, nullptr);
        headless::Pump();
    }
    void TearDown() override {
        headless::SetIdleHook({});
        SetMessageBoxHook({});
        headless::Use();
    }
    // Runs once, the first time the box's loop has nothing to do: the box is open and painted then.
    void WhenShown(std::function<void(const MessageBoxInfo&)> action) {
        m_shown = false;
        headless::SetIdleHook([this, action] {
            MessageBoxInfo info;
            if (m_shown || !GetActiveMessageBox(&info)) return;
            m_shown = true;
            action(info);
        });
    }

    HWND m_owner = nullptr;
    bool m_shown = false;
};

TEST_F(MessageBoxTest, EnterAnswersOkWhileTheOwnerWaitsDisabled) {
    bool ownerEnabled = true;
    COLORREF disc = 0;
    COLORREF cross = 0;
    MessageBoxInfo seen;
    WhenShown([&](const MessageBoxInfo& info) {
        seen = info;
        ownerEnabled = IsWindowEnabled(m_owner) != FALSE;
        HWND icon = GetDlgItem(info.hwnd, 20);
        disc = headless::Pixel(icon, 16, 4);
        cross = headless::Pixel(icon, 16, 16);
        headless::KeyPress(VK_RETURN);
    });
    const int answer =
        MessageBox(m_owner, "Cannot assign a nil to a TFont.", "Glyphloom", MB_OK | MB_ICONSTOP);
    EXPECT_EQ(answer, IDOK);
    ASSERT_TRUE(m_shown);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    EXPECT_EQ(seen.caption, "Glyphloom");
    EXPECT_EQ(seen.text, "Cannot assign a nil to a TFont.");
    EXPECT_EQ(seen.icon, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_EQ(seen.owner, m_owner);
    EXPECT_EQ(seen.labels, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(GetWindowTextString(seen.hwnd), "");
    EXPECT_FALSE(IsWindow(seen.hwnd));
    EXPECT_EQ(disc, RGB(255, 0, 0));
    EXPECT_EQ(cross, RGB(255, 255, 255));
    EXPECT_FALSE(GetActiveMessageBox(nullptr));
}

TEST_F(MessageBoxTest, TheAboutBoxShowsItsLinesBesideTheInformationIconCentredOnItsOwner) {
    const char* text = "GlyphloomV 1.0\r\nMaker：Tarnwick Works\r\nMail：a@b.c\r\nWeb：d.e\r\nPhone：1";
    int textHeight = 0;
    std::string caption;
    COLORREF stem = 0;
    RECT box{};
    WhenShown([&](const MessageBoxInfo& info) {
        caption = GetWindowTextString(info.hwnd);
        RECT r{};
        GetClientRect(GetDlgItem(info.hwnd, 0xFFFF), &r);
        textHeight = r.bottom;
        stem = headless::Pixel(GetDlgItem(info.hwnd, 20), 16, 18);
        GetWindowRect(info.hwnd, &box);
        headless::KeyPress(VK_SPACE);
    });
    EXPECT_EQ(MessageBox(m_owner, text, "关于...", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_EQ(caption, "关于...");
    EXPECT_EQ(textHeight, 5 * 12); // five lines of the 12-pixel box font
    EXPECT_EQ(stem, RGB(0, 0, 255));
    RECT owner{};
    GetWindowRect(m_owner, &owner);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

TEST_F(MessageBoxTest, EscapeCancelsWhereTheBoxCanBeCancelledAndLettersChooseTheirButtons) {
    WhenShown([](const MessageBoxInfo&) { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(MessageBox(m_owner, "Go on?", "Question", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);

    // A Yes/No box cannot be cancelled: Escape does nothing there and "n" answers No.
    WhenShown([](const MessageBoxInfo&) {
        headless::KeyPress(VK_ESCAPE);
        headless::KeyPress('N');
    });
    EXPECT_EQ(MessageBox(m_owner, "Replace it?", "Question", MB_YESNO), IDNO);
}

TEST_F(MessageBoxTest, TabMovesBetweenButtonsFromTheDefaultOneAndSpacePressesTheFocusedOne) {
    int focusAtStart = 0;
    MessageBoxInfo seen;
    WhenShown([&](const MessageBoxInfo& info) {
        seen = info;
        focusAtStart = GetDlgCtrlID(GetFocus());
        headless::KeyPress(VK_TAB);
        headless::KeyPress(VK_SPACE);
    });
    EXPECT_EQ(MessageBox(m_owner, "Save?", "Glyphloom", MB_YESNOCANCEL | MB_DEFBUTTON2), IDCANCEL);
    EXPECT_EQ(seen.defaultButton, IDNO);
    EXPECT_EQ(focusAtStart, IDNO);
}

TEST_F(MessageBoxTest, ClickingAButtonAnswersWithItsId) {
    WhenShown([](const MessageBoxInfo& info) { headless::Click(GetDlgItem(info.hwnd, IDRETRY), 10, 10); });
    EXPECT_EQ(MessageBox(m_owner, "Try again?", "Glyphloom", MB_RETRYCANCEL | MB_ICONWARNING), IDRETRY);
}

TEST_F(MessageBoxTest, AHookAnswersBeforeAnyWindowIsMade) {
    MessageBoxInfo seen;
    SetMessageBoxHook([&](const MessageBoxInfo& info) {
        seen = info;
        return IDYES;
    });
    EXPECT_EQ(MessageBox(nullptr, "Text", nullptr, MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(seen.hwnd, nullptr);
    EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(seen.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(FindWindow(MESSAGEBOX_CLASS, nullptr), nullptr);
}

TEST_F(MessageBoxTest, WithNothingToAnswerItTheBoxEndsAsCancelledAndLeavesNoQuitBehind) {
    EXPECT_EQ(MessageBox(m_owner, "Nobody reads this", "Glyphloom", MB_OK), IDOK);
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    EXPECT_TRUE(headless::Pump());
    EXPECT_EQ(MessageBox(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x7777)), "x", "y", MB_OK), 0);
}

// The buttons speak the user's language; the access keys stay the same letters.
TEST_F(MessageBoxTest, ButtonsInChineseAnswerTheirAccessKeys) {
    SetUserLanguageForTesting(UiLanguage::Chinese);
    MessageBoxInfo seen;
    WhenShown([&](const MessageBoxInfo& info) {
        seen = info;
        headless::KeyPress('N');
    });
    EXPECT_EQ(MessageBox(m_owner, "Save?", "Glyphloom", MB_YESNOCANCEL), IDNO);
    EXPECT_EQ(seen.labels, (std::vector<std::string>{"是(&Y)", "否(&N)", "取消"}));
    WhenShown([&](const MessageBoxInfo& info) {
        seen = info;
        headless::KeyPress(VK_RETURN);
    });
    EXPECT_EQ(MessageBox(m_owner, "Done.", "Glyphloom", MB_OKCANCEL), IDOK);
    EXPECT_EQ(seen.labels, (std::vector<std::string>{"确定", "取消"}));
    SetUserLanguageForTesting(UiLanguage::English);
    WhenShown([&](const MessageBoxInfo& info) {
        seen = info;
        headless::KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(MessageBox(m_owner, "Stop?", "Glyphloom", MB_ABORTRETRYIGNORE), 0);
    EXPECT_EQ(seen.labels, (std::vector<std::string>{"&Abort", "&Retry", "&Ignore"}));
    SetUserLanguageForTesting(std::nullopt);
}

} // namespace
} // namespace win
