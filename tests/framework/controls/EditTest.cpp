// The single-line edit on the headless display: the change event from its two sources, the length limit that
// binds typing only, the height rule, selecting on entry, its colours and the input method on focus.
#include "StdCtrlsTestSupport.h"

#include "framework/controls/MaskEdit.h"
#include "framework/controls/StdCtrlsEdit.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/system/CodePage.h"
#include "platform/system/InputMethods.h"
#include "platform/user/MessageLoop.h"

namespace gl::controltest {
namespace {

using win::headless::Pump;

TEdit* MakeEdit(TComponent* owner, TWinControl* parent, int top = 10) {
    auto* edit = new TEdit(owner);
    edit->SetParent(parent);
    edit->SetBounds(10, top, 200, edit->Height());
    return edit;
}

TEST_F(StdCtrlsTest, EditRaisesOnChangeOncePerChange) {
    MakeForm();
    EventLog log;
    auto* edit = new TCustomMaskEdit(&m_owner);
    edit->OnChange = log.Record("change");
    edit->SetText("before the window");
    EXPECT_EQ(log.Count("change"), 1) << "without a window the text-changed notification is the source";

    edit->SetParent(m_form);
    ASSERT_TRUE(edit->HandleAllocated());
    EXPECT_EQ(edit->Text(), "before the window");
    EXPECT_EQ(log.Count("change"), 1) << "making the window with the text is no change";

    edit->SetText("written");
    EXPECT_EQ(log.Count("change"), 2);
    edit->SetText("written");
    EXPECT_EQ(log.Count("change"), 2) << "the same text changes nothing";

    edit->SetFocus();
    win::headless::KeyPress(win::VK_END);
    win::headless::KeyPress('X');
    EXPECT_EQ(edit->Text(), "writtenx");
    EXPECT_EQ(log.Count("change"), 3);
    EXPECT_TRUE(edit->Modified());

    edit->RecreateWnd();
    EXPECT_EQ(edit->Text(), "writtenx");
    EXPECT_TRUE(edit->Modified()) << "the modified flag survives a new window";
    EXPECT_EQ(log.Count("change"), 3);
    edit->Clear();
    EXPECT_EQ(log.Count("change"), 4);
}

TEST_F(StdCtrlsTest, MaxLengthLimitsTypingInCodePageBytesButNeverTheProgramsText) {
    MakeForm();
    TEdit* edit = MakeEdit(&m_owner, m_form);
    EXPECT_EQ(win::SendMessage(edit->Handle(), win::EM_GETLIMITTEXT, 0, 0),
              static_cast<win::LRESULT>(win::kEditMaxLimit))
        << "0 lifts the platform's default limit";
    edit->SetMaxLength(40);
    EXPECT_EQ(win::SendMessage(edit->Handle(), win::EM_GETLIMITTEXT, 0, 0), 40);

    edit->SetFocus();
    win::headless::TypeText(std::string(45, 'a'));
    EXPECT_EQ(edit->Text(), std::string(40, 'a'));

    edit->SetText("");
    std::string chinese;
    for (int i = 0; i < 25; ++i) chinese += "字";
    win::headless::TypeText(chinese);
    EXPECT_EQ(win::AnsiByteLength(edit->Text()), 40u) << "a double-byte character counts two";
    EXPECT_EQ(edit->Text().size(), 20u * 3);

    const std::string longText(100, 'b');
    edit->SetText(longText);
    EXPECT_EQ(edit->Text(), longText);

    edit->SetMaxLength(-5);
    EXPECT_EQ(edit->MaxLength(), 0);
    edit->RecreateWnd();
    EXPECT_EQ(win::SendMessage(edit->Handle(), win::EM_GETLIMITTEXT, 0, 0),
              static_cast<win::LRESULT>(win::kEditMaxLimit));
}

TEST_F(StdCtrlsTest, AutoSizeFixesTheHeightFromTheFontAndTheBorder) {
    MakeForm();
    auto* edit = new TEdit(&m_owner);
    EXPECT_EQ(edit->Height(), 25);
    UseWindowFont(*edit);
    edit->SetParent(m_form);
    EXPECT_EQ(edit->Height(), 20) << "12 pixels of text and 8 border units with the 3D border";
    EXPECT_NE(win::GetWindowLong(edit->Handle(), win::GWL_EXSTYLE) &
                  static_cast<win::LONG>(win::WS_EX_CLIENTEDGE),
              0);

    edit->SetCtl3D(false);
    EXPECT_EQ(edit->Height(), 18);
    EXPECT_NE(win::GetWindowLong(edit->Handle(), win::GWL_STYLE) & static_cast<win::LONG>(win::WS_BORDER), 0);
    edit->SetParentCtl3D(true);
    EXPECT_TRUE(edit->Ctl3D());
    EXPECT_EQ(edit->Height(), 20);

    edit->SetAutoSize(false);
    edit->SetHeight(33);
    edit->Font()->SetHeight(-16);
    EXPECT_EQ(edit->Height(), 33) << "without AutoSize the height is the program's";
}

TEST_F(StdCtrlsTest, EntryByKeyboardOrProgramSelectsAllButAClickDoesNot) {
    MakeForm();
    TEdit* first = MakeEdit(&m_owner, m_form, 10);
    TEdit* second = MakeEdit(&m_owner, m_form, 40);
    second->SetText("hello");
    int selectedOnEntry = -1;
    second->OnEnter = [&](TObject*) { selectedOnEntry = second->SelLength(); };

    second->SetFocus();
    EXPECT_EQ(selectedOnEntry, 5);
    first->SetFocus();
    second->SetSelStart(0);
    win::headless::Click(second->Handle(), 30, 5);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(selectedOnEntry, 0) << "a click does not select everything";

    first->SetFocus();
    second->SetAutoSelect(false);
    second->SetSelStart(2);
    second->SetFocus();
    EXPECT_EQ(selectedOnEntry, 0);
    second->SetSelLength(2);
    EXPECT_EQ(second->SelText(), "ll");
}

TEST_F(StdCtrlsTest, EditPaintsInItsColourEnabledOrNot) {
    MakeForm();
    TEdit* edit = MakeEdit(&m_owner, m_form);
    const TColor background = 0x00F0DCC8;
    edit->SetColor(background);
    Pump();
    const win::HWND hwnd = edit->Handle();
    EXPECT_EQ(win::headless::Pixel(hwnd, 190, 8), static_cast<win::COLORREF>(background));
    edit->SetEnabled(false);
    edit->Repaint();
    Pump();
    EXPECT_EQ(win::headless::Pixel(hwnd, 190, 8), static_cast<win::COLORREF>(background));
}

TEST_F(StdCtrlsTest, ImeModeDisableClosesTheInputMethodWhileFocused) {
    MakeForm();
    TEdit* other = MakeEdit(&m_owner, m_form, 10);
    TEdit* edit = MakeEdit(&m_owner, m_form, 40);
    edit->SetImeName("极品五笔输入法");
    edit->SetImeMode(imDisable);
    const win::HIMC context = win::ImmGetContext(edit->Handle());
    win::ImmSetOpenStatus(context, win::TRUE);

    edit->SetFocus();
    EXPECT_FALSE(win::ImmGetOpenStatus(context));
    other->SetFocus();
    EXPECT_TRUE(win::ImmGetOpenStatus(context)) << "switched back on when the focus leaves";
    EXPECT_EQ(win::GetKeyboardLayout(0), win::DefaultKeyboardLayout());

    edit->SetImeMode(imDontCare);
    win::ImmSetOpenStatus(context, win::FALSE);
    edit->SetFocus();
    EXPECT_FALSE(win::ImmGetOpenStatus(context)) << "imDontCare leaves the input method as it was";
    win::ImmReleaseContext(edit->Handle(), context);
}

} // namespace
} // namespace gl::controltest
