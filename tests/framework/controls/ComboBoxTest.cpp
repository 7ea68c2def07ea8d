// The combo box on the headless display: the events of choosing by mouse and keyboard, entries with object
// words kept across windows, sorting, owner drawing and the height of the open list.
#include "StdCtrlsTestSupport.h"

#include "framework/controls/StdCtrlsComboBox.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/Canvas.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/user/MessageLoop.h"

namespace gl::controltest {
namespace {

using win::headless::Pump;

TComboBox* MakeCombo(TComponent* owner, TWinControl* parent, TComboBoxStyle style) {
    auto* combo = new TComboBox(owner);
    combo->SetStyle(style);
    combo->SetParent(parent);
    combo->SetBounds(10, 10, 150, combo->Height());
    return combo;
}

win::HWND ListOf(TComboBox* combo) {
    win::COMBOBOXINFO info;
    EXPECT_TRUE(win::GetComboBoxInfo(combo->Handle(), &info));
    return info.hwndList;
}

void ClickItem(TComboBox* combo, int index) {
    const win::HWND list = ListOf(combo);
    win::RECT item{};
    win::SendMessage(list, win::LB_GETITEMRECT, static_cast<win::WPARAM>(index),
                     reinterpret_cast<win::LPARAM>(&item));
    win::headless::Click(list, (item.left + item.right) / 2, (item.top + item.bottom) / 2);
}

void Watch(TComboBox* combo, EventLog& log) {
    combo->OnChange = log.Record("change");
    combo->OnClick = log.Record("click");
    combo->OnDropDown = log.Record("dropdown");
    combo->OnCloseUp = log.Record("closeup");
}

TEST_F(StdCtrlsTest, ChoosingAnEntryRaisesClickThenChangeOrSelect) {
    MakeForm();
    TComboBox* combo = MakeCombo(&m_owner, m_form, csDropDownList);
    for (const char* item : {"alpha", "beta", "gamma"}) combo->Items()->Add(item);
    EventLog log;
    Watch(combo, log);

    win::headless::Click(combo->Handle(), combo->Width() - 8, combo->Height() / 2);
    ASSERT_TRUE(combo->DroppedDown());
    ClickItem(combo, 1);
    EXPECT_EQ(log.events, (std::vector<std::string>{"dropdown", "closeup", "click", "change"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Text(), "beta");

    log.events.clear();
    combo->OnSelect = log.Record("select");
    win::headless::KeyPress(win::VK_DOWN);
    EXPECT_EQ(log.events, (std::vector<std::string>{"click", "select"}))
        << "OnSelect takes the place of OnChange";
    EXPECT_EQ(combo->Text(), "gamma");

    log.events.clear();
    combo->SetItemIndex(0);
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), "alpha");
    EXPECT_TRUE(log.events.empty()) << "the program's selection raises nothing";
}

TEST_F(StdCtrlsTest, EditFieldTypingIsAChange) {
    MakeForm();
    TComboBox* combo = MakeCombo(&m_owner, m_form, csDropDown);
    EventLog log;
    Watch(combo, log);
    combo->SetFocus();
    win::headless::TypeText("ab");
    EXPECT_EQ(combo->Text(), "ab");
    EXPECT_EQ(log.Count("change"), 2);
}

TEST_F(StdCtrlsTest, EntriesObjectsAndSelectionSurviveTheWindow) {
    auto* combo = new TComboBox(&m_owner);
    combo->SetSorted(true);
    TStrings& items = *combo->Items();
    EXPECT_EQ(items.AddObject("pear", 1), 0);
    EXPECT_EQ(items.AddObject("Apple", 2), 0);
    EXPECT_EQ(items.AddObject("banana", 3), 1);
    combo->SetItemIndex(2);
    EXPECT_EQ(items.IndexOf("BANANA"), 1);

    MakeForm();
    combo->SetParent(m_form);
    ASSERT_TRUE(combo->HandleAllocated());
    EXPECT_EQ(items.Count(), 3);
    EXPECT_EQ(items.Strings(0), "Apple");
    EXPECT_EQ(items.Objects(2), 1);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->Text(), "pear");

    combo->SetStyle(csDropDownList);
    EXPECT_EQ(items.Objects(1), 3);
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(items.AddObject("cherry", 4), 2);
    EXPECT_EQ(combo->ItemIndex(), 3);
    items.Insert(0, "zebra");
    EXPECT_EQ(items.Strings(0), "zebra") << "an insertion goes where it is told, sorted or not";
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_THROW(items.Objects(9), EStringListError);

    combo->SetSorted(false);
    EXPECT_EQ(items.Strings(0), "zebra");
    EXPECT_EQ(combo->Text(), "pear");
}

TEST_F(StdCtrlsTest, OwnerDrawnEntriesAreDrawnByDrawItemAtItemHeight) {
    MakeForm(400, 400);
    auto* combo = new TComboBox(&m_owner);
    combo->SetStyle(csOwnerDrawFixed);
    combo->SetItemHeight(20);
    combo->SetDropDownCount(4);
    for (int i = 0; i < 10; ++i) combo->Items()->AddObject("item " + std::to_string(i), i);
    combo->SetItemIndex(1);
    struct Drawn {
        int index;
        int height;
        TOwnerDrawState state;
    };
    std::vector<Drawn> drawn;
    combo->OnDrawItem = [&](TWinControl*, int index, const TRect& rect, TOwnerDrawState state) {
        drawn.push_back({index, RectHeight(rect), state});
        combo->Canvas()->Brush().SetColor(index == 1 ? clRed : clLime);
        combo->Canvas()->FillRect(rect);
    };
    combo->SetParent(m_form);
    combo->SetBounds(10, 10, 150, combo->Height());
    Pump();
    EXPECT_NE(win::GetWindowLong(combo->Handle(), win::GWL_STYLE) &
                  static_cast<win::LONG>(win::CBS_OWNERDRAWFIXED),
              0);
    EXPECT_EQ(combo->Height(), 26) << "the field is an entry high, inside the platform's frame";
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.back().index, 1);
    EXPECT_EQ(drawn.back().height, 20);
    EXPECT_TRUE(drawn.back().state.Contains(odComboBoxEdit));
    EXPECT_EQ(win::headless::Pixel(combo->Handle(), 20, 13), win::RGB(255, 0, 0));

    drawn.clear();
    combo->SetDroppedDown(true);
    Pump();
    win::RECT listRect{};
    win::GetWindowRect(ListOf(combo), &listRect);
    EXPECT_EQ(listRect.bottom - listRect.top, 4 * 20 + 2) << "DropDownCount entries show";
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front().index, 0);
    EXPECT_FALSE(drawn.front().state.Contains(odComboBoxEdit));
    EXPECT_EQ(win::headless::Pixel(ListOf(combo), 20, 5), win::RGB(0, 255, 0));
}

} // namespace
} // namespace gl::controltest
