// Tests of the font box's preview style on the headless display: the panel beside the open list, its text
// (the sample, shortened when narrow, or the attached edit's text) in the face under the pointer, and the
// ways it is hidden.
#include "RzCmboBxTestSupport.h"

#include "components/RzEdit.h"
#include "framework/controls/ControlMessages.h"
#include "framework/graphics/Font.h"
#include "platform/user/User.h"
#include "platform/win/KeyCodes.h"

namespace gl::rztest {
namespace {

class RzComboPreviewTest : public RzComboTest {
protected:
    TRzFontComboBox* MakePreviewBox() {
        TRzFontComboBox* box = MakeFontBox();
        box->SetShowStyle(ssFontPreview);
        box->SetFocus();
        win::headless::Pump();
        return box;
    }
    static win::HWND PanelOf(TRzFontComboBox& box) { return box.PreviewPanel()->Handle(); }
    static bool PanelShown(TRzFontComboBox& box) {
        return box.PreviewVisible() && win::IsWindowVisible(PanelOf(box));
    }
    // The columns of the panel that hold a pixel darker than mid-grey, outline excluded.
    static std::vector<int> InkColumns(win::HWND panel, int width, int height) {
        std::vector<int> columns;
        for (int x = 1; x < width - 1; ++x)
            for (int y = 1; y < height - 1; ++y)
                if (const win::COLORREF c = win::headless::Pixel(panel, x, y); (c & 0xFF) < 128) {
                    columns.push_back(x);
                    break;
                }
        return columns;
    }
};

TEST_F(RzComboPreviewTest, OpeningTheListShowsThePanelBesideItAndClosingHidesIt) {
    TRzFontComboBox* box = MakePreviewBox();
    EXPECT_FALSE(win::IsWindowVisible(PanelOf(*box)));
    Open(*box);
    ASSERT_TRUE(box->DroppedDown());
    ASSERT_TRUE(PanelShown(*box));
    // Right of the list (the box's width, 108, less one), level with the box's top, 260 by 65.
    win::RECT boxRect{}, panel{};
    win::GetWindowRect(box->Handle(), &boxRect);
    win::GetWindowRect(PanelOf(*box), &panel);
    EXPECT_EQ(panel.left, boxRect.left + 107);
    EXPECT_EQ(panel.top, boxRect.top);
    EXPECT_EQ(panel.right - panel.left, 260);
    EXPECT_EQ(panel.bottom - panel.top, 65);
    // A black outline round the window colour, and the sample centred.
    win::headless::Pump();
    const win::HWND hwnd = PanelOf(*box);
    EXPECT_EQ(win::headless::Pixel(hwnd, 0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(hwnd, 259, 64), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(hwnd, 1, 1), Rgb(255, 255, 255));
    EXPECT_EQ(box->PreviewPanel()->Text(), "AaBbYyZz");
    const std::vector<int> ink = InkColumns(hwnd, 260, 65);
    ASSERT_FALSE(ink.empty());
    EXPECT_LE(std::abs((ink.front() - 1) - (258 - ink.back())), 8) << ink.front() << ".." << ink.back();

    // The entry under the pointer lends the panel its face.
    const win::RECT second = EntryRect(*box, 2);
    win::headless::MouseMove(ListOf(*box), 60, (second.top + second.bottom) / 2);
    win::headless::Pump();
    EXPECT_EQ(box->PreviewPanel()->Font()->Name(), box->Items()->Strings(2));

    win::headless::KeyPress(win::VK_ESCAPE);
    win::headless::Pump();
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_FALSE(PanelShown(*box));
    EXPECT_FALSE(win::IsWindowVisible(hwnd));
}

TEST_F(RzComboPreviewTest, ThePanelShowsTheEditsSelectionOrItsFirstTenCharactersFromTheLeft) {
    TRzFontComboBox* box = MakePreviewBox();
    auto* edit = new TRzEdit(&m_owner);
    edit->SetParent(m_form);
    edit->SetBounds(20, 60, 200, 22);
    edit->SetText("織物 woven on the loom");
    box->SetPreviewEdit(edit);
    Open(*box);
    ASSERT_TRUE(PanelShown(*box));
    EXPECT_EQ(box->PreviewPanel()->Text(), "織物 woven o");
    win::headless::Pump();
    const std::vector<int> ink = InkColumns(PanelOf(*box), 260, 65);
    ASSERT_FALSE(ink.empty());
    EXPECT_LE(ink.front(), 8) << "left-aligned";
    win::headless::KeyPress(win::VK_ESCAPE);

    edit->SetSelStart(7); // after "織物 ", in bytes
    edit->SetSelLength(5);
    Open(*box);
    EXPECT_EQ(box->PreviewPanel()->Text(), "woven");
    win::headless::KeyPress(win::VK_ESCAPE);

    // A freed edit is forgotten: the sample again.
    delete edit;
    EXPECT_EQ(box->PreviewEdit(), nullptr);
    Open(*box);
    EXPECT_EQ(box->PreviewPanel()->Text(), "AaBbYyZz");
}

TEST_F(RzComboPreviewTest, ANarrowPanelShowsAShorterSample) {
    TRzFontComboBox* box = MakePreviewBox();
    box->SetPreviewWidth(60);
    box->SetPreviewHeight(40);
    EXPECT_EQ(box->PreviewWidth(), 60);
    // Four rows: the entry with the focus is out of view, so no drawing of it measures the sample again and
    // the opening itself must.
    box->SetDropDownCount(4);
    Open(*box);
    ASSERT_TRUE(PanelShown(*box));
    EXPECT_EQ(box->PreviewPanel()->Text(), "AaBbYy");
    win::RECT panel{};
    win::GetWindowRect(PanelOf(*box), &panel);
    EXPECT_EQ(panel.right - panel.left, 60);
    EXPECT_EQ(panel.bottom - panel.top, 40);
}

TEST_F(RzComboPreviewTest, AnEmptyListNeverShowsThePanel) {
    TRzFontComboBox* box = MakePreviewBox();
    box->SetFontType(ftPrinter); // admits no font
    win::headless::Pump();
    ASSERT_EQ(box->Items()->Count(), 0);
    Open(*box);
    EXPECT_FALSE(PanelShown(*box));
    EXPECT_EQ(box->CurrentFont(), nullptr);
}

TEST_F(RzComboPreviewTest, AnotherControlCancellingTheMouseModeHidesThePanel) {
    TRzFontComboBox* box = MakePreviewBox();
    TRzPreviewFontPanel* panel = box->PreviewPanel();
    Open(*box);
    ASSERT_TRUE(PanelShown(*box));
    // Its own cancellations do not count, for the box or the panel.
    box->Perform(CM_CANCELMODE, 0, reinterpret_cast<win::LPARAM>(box));
    panel->Perform(CM_CANCELMODE, 0, reinterpret_cast<win::LPARAM>(panel));
    EXPECT_TRUE(PanelShown(*box));
    // The panel asks its box, by the private message, to hide it.
    panel->Perform(CM_CANCELMODE, 0, reinterpret_cast<win::LPARAM>(m_form));
    EXPECT_FALSE(PanelShown(*box));

    win::headless::KeyPress(win::VK_ESCAPE);
    Open(*box);
    ASSERT_TRUE(PanelShown(*box));
    box->Perform(CM_CANCELMODE, 0, reinterpret_cast<win::LPARAM>(m_form));
    EXPECT_FALSE(PanelShown(*box));
}

} // namespace
} // namespace gl::rztest
