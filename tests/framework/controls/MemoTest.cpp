// The memo on the headless display: appending lines, replacing the whole text, the change event, long lines,
// lines before there is a window, and the window's settings.
#include "StdCtrlsTestSupport.h"

#include "framework/controls/StdCtrlsMemo.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"

namespace gl::controltest {
namespace {

TMemo* MakeMemo(TComponent* owner, TWinControl* parent) {
    auto* memo = new TMemo(owner);
    memo->SetParent(parent);
    memo->SetBounds(10, 10, 300, 200);
    return memo;
}

TEST_F(StdCtrlsTest, AddedLinesKeepOneTrailingBreakAndRaiseOneChangeEach) {
    MakeForm();
    TMemo* memo = MakeMemo(&m_owner, m_form);
    EventLog log;
    memo->OnChange = log.Record("change");
    TStrings& lines = *memo->Lines();
    EXPECT_EQ(lines.Count(), 0);

    EXPECT_EQ(lines.Add("x"), 0);
    EXPECT_EQ(memo->Text(), "x\r\n");
    EXPECT_EQ(lines.Count(), 1);
    EXPECT_EQ(lines.Add("y"), 1);
    EXPECT_EQ(memo->Text(), "x\r\ny\r\n");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Strings(1), "y");
    EXPECT_EQ(log.Count("change"), 2);

    lines.SetText("a");
    EXPECT_EQ(log.Count("change"), 3) << "the platform is silent about a whole new text; the memo is not";
    EXPECT_EQ(lines.Add("b"), 1);
    EXPECT_EQ(memo->Text(), "a\r\nb") << "the break comes first after text that lacks one";
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(log.Count("change"), 4);

    lines.SetText("a\r\nb");
    EXPECT_EQ(log.Count("change"), 4) << "the same text changes nothing";
    lines.SetText("p\nq\rr\n\rs");
    EXPECT_EQ(memo->Text(), "p\r\nq\r\nr\r\ns");
    EXPECT_EQ(log.Count("change"), 5);
    memo->SetText("typed");
    EXPECT_EQ(log.Count("change"), 6);
}

TEST_F(StdCtrlsTest, LongLinesAreAddedWholeAndTheNewestComesIntoView) {
    MakeForm();
    TMemo* memo = MakeMemo(&m_owner, m_form);
    // Unbroken: a wrapping memo's lines are the rows it shows.
    memo->SetWordWrap(false);
    for (int i = 0; i < 100; ++i) memo->Lines()->Add(std::string(12000, static_cast<char>('a' + i % 26)));
    EXPECT_EQ(memo->Text().size(), 100u * 12002u);
    EXPECT_EQ(memo->Lines()->Count(), 100);
    EXPECT_EQ(memo->Lines()->Strings(57), std::string(12000, static_cast<char>('a' + 57 % 26)));
    EXPECT_GT(win::SendMessage(memo->Handle(), win::EM_GETFIRSTVISIBLELINE, 0, 0), 80);

    memo->Lines()->SetText(std::string(70000, 'w'));
    EXPECT_EQ(memo->Lines()->Strings(0).size(), 70000u) << "longer than a line message can carry";
}

TEST_F(StdCtrlsTest, LinesWorkOnTheTextBeforeThereIsAWindow) {
    auto* memo = new TMemo(&m_owner);
    EventLog log;
    memo->OnChange = log.Record("change");
    TStrings& lines = *memo->Lines();
    lines.Add("x");
    lines.Add("y");
    lines.Insert(1, "between");
    EXPECT_EQ(memo->Text(), "x\r\nbetween\r\ny\r\n");
    lines.Delete(0);
    lines.SetStrings(1, "z");
    EXPECT_EQ(memo->Text(), "between\r\nz\r\n");
    EXPECT_EQ(lines.Strings(0), "between");
    EXPECT_EQ(log.Count("change"), 5);

    MakeForm();
    memo->SetParent(m_form);
    ASSERT_TRUE(memo->HandleAllocated());
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines.Strings(1), "z");
    EXPECT_EQ(win::SendMessage(memo->Handle(), win::EM_GETLIMITTEXT, 0, 0),
              static_cast<win::LRESULT>(win::kEditMaxLimit));
    lines.Clear();
    EXPECT_EQ(memo->Text(), "");
    EXPECT_EQ(log.Count("change"), 6);
}

TEST_F(StdCtrlsTest, MemoWindowFollowsItsSettings) {
    MakeForm();
    TMemo* memo = MakeMemo(&m_owner, m_form);
    const auto style = [memo] {
        return static_cast<win::DWORD>(win::GetWindowLong(memo->Handle(), win::GWL_STYLE));
    };
    EXPECT_NE(style() & win::ES_MULTILINE, 0u);
    EXPECT_EQ(style() & win::ES_AUTOHSCROLL, 0u);
    EXPECT_EQ(style() & (win::WS_HSCROLL | win::WS_VSCROLL), 0u);

    memo->Lines()->Add("kept");
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    EXPECT_EQ(style() & (win::WS_HSCROLL | win::WS_VSCROLL), win::WS_HSCROLL | win::WS_VSCROLL);
    EXPECT_NE(style() & win::ES_AUTOHSCROLL, 0u);
    EXPECT_EQ(memo->Text(), "kept\r\n");

    EXPECT_EQ(memo->Perform(win::WM_GETDLGCODE) & win::DLGC_WANTTAB, 0);
    memo->SetWantTabs(true);
    EXPECT_NE(memo->Perform(win::WM_GETDLGCODE) & win::DLGC_WANTTAB, 0);

    EventLog log;
    memo->OnChange = log.Record("change");
    memo->SetFocus();
    memo->SetCaretPos(Point(2, 0));
    win::headless::KeyPress(win::VK_RETURN);
    EXPECT_EQ(memo->Text(), "ke\r\npt\r\n") << "Enter breaks the line";
    EXPECT_EQ(log.Count("change"), 1);
    memo->SetWantReturns(false);
    EXPECT_EQ(memo->Perform(win::WM_GETDLGCODE) & win::DLGC_WANTALLKEYS, 0);
    win::headless::KeyPress(win::VK_RETURN);
    EXPECT_EQ(log.Count("change"), 1) << "without WantReturns Enter is not the memo's";
    EXPECT_EQ(memo->CaretPos().y, 1);
}

} // namespace
} // namespace gl::controltest
