// Tests of the framed combo box's behaviour on the headless display: the recently used section of the font
// box, the type-ahead search on the headless clock, the wheel, the flat button and the frame states read as
// pixels, the glyph column surviving a close and reopen, and the drop-down width of a stored layout.
#include "RzCmboBxTestSupport.h"

#include "framework/controls/ControlMessages.h"
#include "framework/stored/LayoutClass.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/MessageLoop.h"
#include "platform/win/KeyCodes.h"

#include <vector>

namespace gl::rztest {
namespace {

using RzComboBehaviourTest = RzComboTest;

TEST_F(RzComboBehaviourTest, TheRecentlyUsedSectionGrowsAtTheTopWithALineUnderIt) {
    TRzFontComboBox* box = MakeFontBox();
    const int count = box->Items()->Count();
    ASSERT_GT(count, 8);
    const std::string a = box->Items()->Strings(3);
    const std::string b = box->Items()->Strings(5);
    EXPECT_EQ(box->MRUCount(), -1);

    Choose(*box, 3);
    EXPECT_EQ(box->Items()->Strings(0), a);
    EXPECT_EQ(box->MRUCount(), 0);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->FontName(), a);
    EXPECT_EQ(changes, 1);
    // B now stands one lower, under the copy of A.
    Choose(*box, 6);
    EXPECT_EQ(box->Items()->Strings(0), b);
    EXPECT_EQ(box->Items()->Strings(1), a);
    EXPECT_EQ(box->MRUCount(), 1);
    EXPECT_EQ(box->Items()->Count(), count + 2);
    EXPECT_EQ(changes, 2);

    // The line under A, across the glyph strip too; none under B.
    Open(*box);
    const win::RECT underA = EntryRect(*box, 1);
    const win::RECT underB = EntryRect(*box, 0);
    EXPECT_EQ(win::headless::Pixel(ListOf(*box), 0, underA.bottom - 1), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(ListOf(*box), 80, underA.bottom - 1), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(ListOf(*box), 0, underB.bottom - 1), Rgb(255, 255, 255));
    win::headless::KeyPress(win::VK_ESCAPE);
    win::headless::Pump();

    // A again, from the section: back to the top, no new copy.
    Choose(*box, 1);
    EXPECT_EQ(box->Items()->Strings(0), a);
    EXPECT_EQ(box->Items()->Strings(1), b);
    EXPECT_EQ(box->MRUCount(), 1);
    EXPECT_EQ(box->Items()->Count(), count + 2);
    // The entry at index 0 changes nothing.
    Choose(*box, 0);
    EXPECT_EQ(box->Items()->Strings(0), a);
    EXPECT_EQ(box->Items()->Count(), count + 2);

    // A window made again keeps the section, its count and the selection.
    box->SetItemHeight(18);
    win::headless::Pump();
    EXPECT_EQ(box->MRUCount(), 1);
    EXPECT_EQ(box->Items()->Strings(0), a);
    EXPECT_EQ(box->Items()->Strings(1), b);
    EXPECT_EQ(box->Items()->Count(), count + 2);
    EXPECT_EQ(box->FontName(), a);
}

TEST_F(RzComboBehaviourTest, TypedPrefixesSearchFromTheTopUntilAPause) {
    TRzComboBox* box = MakeNameBox();
    win::headless::KeyPress('B');
    EXPECT_EQ(box->ItemIndex(), 1);
    win::headless::KeyPress('R');
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->SearchString(), "br");
    EXPECT_EQ(changes, 2);
    // No entry: a beep, the selection and the string stay.
    win::headless::KeyPress('X');
    EXPECT_EQ(win::headless::BeepCount(), 1);
    EXPECT_EQ(box->ItemIndex(), 2);
    EXPECT_EQ(box->SearchString(), "br");
    EXPECT_EQ(changes, 2);
    box->SetBeepOnInvalidKey(false);
    win::headless::KeyPress('X');
    EXPECT_EQ(win::headless::BeepCount(), 1);

    // Just under 1.5 s the prefix goes on; at 1.5 s after the last key it starts again.
    win::headless::AdvanceClock(1499);
    EXPECT_EQ(box->SearchString(), "br");
    win::headless::AdvanceClock(1);
    EXPECT_EQ(box->SearchString(), "");
    win::headless::KeyPress('C');
    EXPECT_EQ(box->ItemIndex(), 3);
    EXPECT_EQ(changes, 3);
}

TEST_F(RzComboBehaviourTest, BackspaceAndEscapeGoBackTowardsTheFirstEntry) {
    TRzComboBox* box = MakeNameBox();
    win::headless::KeyPress('B');
    win::headless::KeyPress('R');
    ASSERT_EQ(box->ItemIndex(), 2);
    win::headless::KeyPress(win::VK_BACK);
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(box->SearchString(), "b");
    win::headless::KeyPress(win::VK_BACK);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(box->SearchString(), "");
    EXPECT_EQ(changes, 4);
    // With nothing typed: a beep, and the empty prefix finds the first entry.
    win::headless::KeyPress(win::VK_BACK);
    EXPECT_EQ(win::headless::BeepCount(), 1);
    EXPECT_EQ(box->ItemIndex(), 0);

    // Escape on the closed box selects entry 0 and tells of it.
    box->SetItemIndex(3);
    const int before = changes;
    win::headless::KeyPress(win::VK_ESCAPE);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(changes, before + 1);
    // The Escape that closes the open list does only that.
    box->SetItemIndex(3);
    Open(*box);
    ASSERT_TRUE(box->DroppedDown());
    win::headless::KeyPress(win::VK_ESCAPE);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), 3);
    EXPECT_EQ(changes, before + 1);
}

TEST_F(RzComboBehaviourTest, TheWheelStepsWithinTheEntriesAndReadOnlyIgnoresInput) {
    TRzComboBox* box = MakeNameBox();
    // Nothing selected: up selects the first entry without telling anyone.
    win::headless::Wheel(box->Handle(), 40, 10, 120);
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
    win::headless::Wheel(box->Handle(), 40, 10, 120);
    EXPECT_EQ(changes, 0);
    win::headless::Wheel(box->Handle(), 40, 10, -120);
    EXPECT_EQ(box->ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
    box->SetItemIndex(3);
    win::headless::Wheel(box->Handle(), 40, 10, -120);
    EXPECT_EQ(box->ItemIndex(), 3);
    EXPECT_EQ(changes, 1);

    box->SetReadOnly(true);
    win::headless::Wheel(box->Handle(), 40, 10, 120);
    win::headless::KeyPress('A');
    win::headless::KeyPress(win::VK_UP);
    Open(*box);
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(box->ItemIndex(), 3);
    EXPECT_EQ(changes, 1);
    // No button: the background where it was.
    EXPECT_EQ(Pixel(*box, 97, 10), Rgb(255, 255, 255));
}

TEST_F(RzComboBehaviourTest, EnterOnTheClosedBoxBecomesATabKey) {
    TRzComboBox* box = MakeNameBox();
    std::vector<int> keys;
    box->OnKeyDown = [&keys](TObject*, std::uint16_t& key, TShiftState) { keys.push_back(key); };
    win::headless::KeyPress(win::VK_RETURN);
    win::headless::Pump();
    EXPECT_EQ(keys, (std::vector<int>{win::VK_RETURN}));
    box->SetTabOnEnter(true);
    keys.clear();
    win::headless::KeyPress(win::VK_RETURN);
    win::headless::Pump();
    EXPECT_EQ(keys, (std::vector<int>{win::VK_RETURN, win::VK_TAB}));
    // With the list open, Enter only closes it.
    Open(*box);
    keys.clear();
    win::headless::KeyPress(win::VK_RETURN);
    win::headless::Pump();
    EXPECT_FALSE(box->DroppedDown());
    EXPECT_EQ(keys, (std::vector<int>{win::VK_RETURN}));
}

TEST_F(RzComboBehaviourTest, TheFlatButtonAndTheFrameFollowThePointerAndTheFocus) {
    MakeForm();
    auto* box = new TRzComboBox(&m_owner);
    box->SetFlatButtons(true);
    box->SetFrameVisible(true);
    box->SetFrameColor(TColor(Rgb(127, 157, 185)));
    box->SetFrameHotTrack(true);
    box->SetFrameHotColor(TColor(Rgb(200, 0, 0)));
    box->SetFocusColor(TColor(Rgb(255, 255, 0)));
    box->SetDisabledColor(TColor(Rgb(0, 128, 0)));
    Place(box);

    // At rest: the frame line, and of the button only the arrow (7 wide, 4 high) on the background.
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(127, 157, 185));
    EXPECT_EQ(Pixel(*box, 1, 10), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*box, 89, 2), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*box, 90, 3), Rgb(255, 255, 255));
    // (The control keeps its fixed height of 21: the button is 89..105 by 2..18.)
    ASSERT_EQ(box->Height(), 21);
    EXPECT_EQ(CountColor(*box, 89, 2, 106, 19, Rgb(0, 0, 0)), 16);
    EXPECT_EQ(Pixel(*box, 94, 8), Rgb(0, 0, 0));
    EXPECT_EQ(Pixel(*box, 100, 8), Rgb(0, 0, 0));
    EXPECT_EQ(Pixel(*box, 97, 11), Rgb(0, 0, 0));
    EXPECT_EQ(Pixel(*box, 96, 11), Rgb(255, 255, 255));

    // Under the pointer: the hot frame (two lines) and a raised button face.
    win::headless::MouseMove(box->Handle(), 97, 10);
    win::headless::Pump();
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(200, 0, 0));
    EXPECT_EQ(Pixel(*box, 1, 10), Rgb(200, 0, 0));
    EXPECT_EQ(Pixel(*box, 89, 2), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*box, 105, 18), Rgb(160, 160, 160));
    EXPECT_EQ(Pixel(*box, 90, 3), Rgb(240, 240, 240));
    EXPECT_EQ(Pixel(*box, 97, 11), Rgb(0, 0, 0));
    win::headless::MouseMove(m_form->Handle(), 5, 5);
    win::headless::Pump();
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(127, 157, 185));
    EXPECT_EQ(Pixel(*box, 90, 3), Rgb(255, 255, 255));

    // Focused: the focus colour and the hot frame; disabled: the disabled colour and a grey arrow.
    box->SetFocus();
    win::headless::Pump();
    EXPECT_EQ(box->Color(), TColor(Rgb(255, 255, 0)));
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(200, 0, 0));
    EXPECT_EQ(Pixel(*box, 2, 10), Rgb(255, 255, 0));
    m_form->SetFocus();
    box->SetEnabled(false);
    win::headless::Pump();
    EXPECT_EQ(box->Color(), TColor(Rgb(0, 128, 0)));
    EXPECT_EQ(Pixel(*box, 97, 11), Rgb(160, 160, 160));
    box->SetEnabled(true);
    EXPECT_EQ(box->Color(), clWindow);
}

TEST_F(RzComboBehaviourTest, TheEditFieldCountsAsTheBoxForThePointer) {
    MakeForm();
    auto* box = new TRzComboBox(&m_owner);
    box->SetFrameVisible(true);
    box->SetFrameColor(TColor(Rgb(127, 157, 185)));
    box->SetFrameHotTrack(true);
    box->SetFrameHotColor(TColor(Rgb(200, 0, 0)));
    Place(box);
    ASSERT_EQ(box->Style(), csDropDown);
    std::vector<std::string> events;
    box->OnMouseEnter = [&events](TObject*) { events.push_back("enter"); };
    box->OnMouseLeave = [&events](TObject*) { events.push_back("leave"); };

    // Over the text, then over the button, then back over the text: one entry, no leaving between.
    win::headless::MouseMove(box->Handle(), 40, 10);
    win::headless::Pump();
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(200, 0, 0));
    win::headless::MouseMove(box->Handle(), 97, 10);
    win::headless::MouseMove(box->Handle(), 30, 10);
    win::headless::Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter"}));
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(200, 0, 0));
    // Out of the box straight from its text.
    win::headless::MouseMove(m_form->Handle(), 5, 5);
    win::headless::Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
    EXPECT_EQ(Pixel(*box, 0, 10), Rgb(127, 157, 185));

    // The simple style's list, under its edit field, is the box too.
    box->SetStyle(csSimple);
    box->Items()->Add("Alpha");
    box->SetHeight(90);
    win::headless::Pump();
    win::COMBOBOXINFO info;
    ASSERT_TRUE(win::GetComboBoxInfo(box->Handle(), &info));
    ASSERT_EQ(win::GetParent(info.hwndList), box->Handle());
    events.clear();
    win::headless::MouseMove(box->Handle(), 40, 10);
    win::headless::MouseMove(info.hwndList, 20, 20);
    win::headless::Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter"}));
    // Straight off the program's windows from the list.
    win::headless::MouseLeaveAll();
    win::headless::Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

TEST_F(RzComboBehaviourTest, NoFocusMarkStaysInTheGlyphColumnAfterACloseAndReopen) {
    TRzFontComboBox* box = MakeFontBox();
    box->SetFocus();
    box->SetItemIndex(0);
    Open(*box);
    const win::HWND list = ListOf(*box);
    const std::vector<win::COLORREF> before = GlyphColumn(list, 16 * 5);
    for (int row = 0; row < 5; ++row) win::headless::MouseMove(list, 60, row * 16 + 8);
    win::headless::KeyPress(win::VK_ESCAPE);
    Open(*box);
    EXPECT_EQ(GlyphColumn(list, 16 * 5), before);
    // Left of the glyphs the strip is the background, and the dotted border is black on the shifted entry.
    for (int y = 0; y < 16 * 5; ++y) ASSERT_EQ(win::headless::Pixel(list, 0, y), Rgb(255, 255, 255)) << y;
    const win::RECT first = EntryRect(*box, 0);
    EXPECT_EQ(win::headless::Pixel(list, 24, first.top + 1), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(list, 25, first.top), Rgb(0, 0, 0));
    EXPECT_EQ(win::headless::Pixel(list, 24, first.top), Rgb(51, 153, 255));
}

TEST_F(RzComboBehaviourTest, TheDropDownWidthOfAStoredLayoutTakesEffect) {
    RegisterComboBoxLayout();
    LayoutClass<TRzTestForm>("TRzTestForm", "TWinControl");
    MakeForm();
    ReadLayout(*m_form,
               "object F_main: TRzTestForm\n"
               "  object Wide: TRzComboBox\n"
               "    Left = 8\n    Top = 8\n    Width = 108\n    DropDownWidth = 250\n    ReadOnly = False\n"
               "  end\n"
               "end\n",
               LayoutMethods());
    auto* box = dynamic_cast<TRzComboBox*>(m_form->FindComponent("Wide"));
    ASSERT_NE(box, nullptr);
    box->HandleNeeded();
    EXPECT_EQ(win::SendMessage(box->Handle(), win::CB_GETDROPPEDWIDTH, 0, 0), 250);
    box->Items()->Add("Alpha");
    Open(*box);
    win::RECT list{};
    win::GetWindowRect(ListOf(*box), &list);
    EXPECT_EQ(list.right - list.left, 250);
}

} // namespace
} // namespace gl::rztest
