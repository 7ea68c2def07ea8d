// Tests of the "COMBOBOX" window class on the headless display, driven by real input: choosing by mouse in
// the open list, by keys, type-ahead and wheel, the order of the notifications, sorted items, the heights,
// owner draw through the parent, and the look of the closed control.
#include "platform/controls/ControlsTestSupport.h"

#include "platform/gdi/SysColors.h"

#include <string>

namespace win {
namespace {

using controlstest::ControlsTest;
using controlstest::Log;

constexpr DWORD kDropList = CBS_DROPDOWNLIST | CBS_SORT | CBS_HASSTRINGS | WS_VSCROLL;

class ComboBoxTest : public ControlsTest {
protected:
    HWND MakeCombo(DWORD style = kDropList, int droppedHeight = 200) {
        if (!m_host) MakeHost();
        return MakeControl(WC_COMBOBOX, "", style, 10, 10, 150, droppedHeight);
    }
    void Add(HWND combo, std::initializer_list<const char*> texts) {
        for (const char* t : texts) SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    }
    void AddNumbered(HWND combo, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string text = "Item " + std::string(i < 10 ? "0" : "") + std::to_string(i);
            SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
    }
    COMBOBOXINFO Info(HWND combo) {
        COMBOBOXINFO info;
        GetComboBoxInfo(combo, &info);
        return info;
    }
    int Sel(HWND combo) { return static_cast<int>(SendMessage(combo, CB_GETCURSEL, 0, 0)); }
    bool Dropped(HWND combo) { return SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0) != 0; }
    int ItemHeight(HWND combo) { return static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, 0, 0)); }
    void Open(HWND combo) {
        headless::Click(combo, 50, 5);
        ASSERT_TRUE(Dropped(combo));
    }
};

TEST_F(ComboBoxTest, SortedItemsSearchesAndSelectionFromCode) {
    HWND combo = MakeCombo();
    Add(combo, {"Red", "green", "Blue", "black"});
    EXPECT_EQ(SendMessage(combo, CB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Cyan")), 2);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("BL")), 0);
    EXPECT_EQ(SendMessage(combo, CB_FINDSTRING, 0, reinterpret_cast<LPARAM>("bl")), 1);
    EXPECT_EQ(
        SendMessage(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("RED")), 4);

    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 3, 0), 3);
    EXPECT_EQ(GetWindowTextString(combo), "green");
    char buffer[32] = {};
    EXPECT_EQ(SendMessage(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_STREQ(buffer, "Blue");
    // An insertion above the selection moves it with its item; deleting the selected item clears it.
    SendMessage(combo, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("White"));
    EXPECT_EQ(Sel(combo), 4);
    SendMessage(combo, CB_DELETESTRING, 4, 0);
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(SendMessage(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("r")), 4);
    EXPECT_EQ(GetWindowTextString(combo), "Red");
    // An index that names no item clears the selection.
    EXPECT_EQ(SendMessage(combo, CB_SETCURSEL, 9, 0), CB_ERR);
    EXPECT_EQ(Sel(combo), CB_ERR);
    EXPECT_EQ(GetWindowTextString(combo), "");
    EXPECT_TRUE(Codes(combo).empty()); // nothing done from code is notified
}

TEST_F(ComboBoxTest, TheControlIsAsHighAsItsFieldAndTheAskedHeightIsThatOfTheOpenList) {
    HWND combo = MakeCombo();
    RECT window{};
    GetWindowRect(combo, &window);
    const int field = static_cast<int>(SendMessage(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    EXPECT_EQ(window.bottom - window.top, field + 6);
    const COMBOBOXINFO info = Info(combo);
    EXPECT_EQ(info.rcButton, (RECT{150 - 2 - GetSystemMetrics(SM_CXVSCROLL), 2, 148, field + 4}));
    EXPECT_EQ(info.hwndItem, combo);
    RECT dropped{};
    SendMessage(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 200);
    EXPECT_EQ(SendMessage(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), CB_OKAY);
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.bottom - window.top, 26);
    EXPECT_EQ(SendMessage(combo, CB_SETDROPPEDWIDTH, 220, 0), 220);
    EXPECT_EQ(SendMessage(combo, CB_SETDROPPEDWIDTH, 10, 0), 150);
}

TEST_F(ComboBoxTest, AClickOpensTheListUnderTheControlAndAClickOnAnItemChoosesIt) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 8);
    headless::Click(combo, 50, 5);
    ASSERT_TRUE(Dropped(combo));
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN}));
    HWND list = Info(combo).hwndList;
    ASSERT_TRUE(IsWindowVisible(list));
    RECT comboRect{};
    RECT listRect{};
    GetWindowRect(combo, &comboRect);
    GetWindowRect(list, &listRect);
    EXPECT_EQ(listRect.left, comboRect.left);
    EXPECT_EQ(listRect.top, comboRect.bottom);
    EXPECT_EQ(listRect.right - listRect.left, 150);

    ClearLog();
    const int h = ItemHeight(combo);
    headless::MouseMove(list, 20, h * 5 + 2);
    EXPECT_EQ(Sel(combo), CB_ERR); // following the pointer is not choosing
    headless::Click(list, 20, h * 2 + 2);
    EXPECT_EQ(Sel(combo), 2);
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetWindowTextString(combo), "Item 02");
    EXPECT_EQ(GetFocus(), combo);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ComboBoxTest, PressingOnTheControlAndLettingGoOverAnItemChoosesIt) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 8);
    headless::MouseDown(combo, 50, 5);
    HWND list = Info(combo).hwndList;
    const int h = ItemHeight(combo);
    headless::MouseMove(list, 30, h * 3 + 2);
    headless::MouseUp(list, 30, h * 3 + 2);
    EXPECT_EQ(Sel(combo), 3);
    EXPECT_EQ(Codes(combo),
              (std::vector<WORD>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST_F(ComboBoxTest, APressOutsideTheOpenListClosesItWithoutChoosing) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 8);
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    Open(combo);
    HWND list = Info(combo).hwndList;
    headless::MouseMove(list, 20, ItemHeight(combo) * 4 + 2);
    ClearLog();
    headless::Click(m_host, 300, 250);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Sel(combo), 1);
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
    // A press on the control itself closes the open list too, and does not open it again.
    headless::AdvanceClock(1000);
    Open(combo);
    ClearLog();
    headless::AdvanceClock(1000);
    headless::Click(combo, 50, 5);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELENDCANCEL, CBN_CLOSEUP}));
}

TEST_F(ComboBoxTest, KeysMoveTheSelectionClosedOrOpenAndOpenAndCloseTheList) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 8);
    SetFocus(combo);
    ClearLog();
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Sel(combo), 1);
    headless::KeyPress(VK_END);
    EXPECT_EQ(Sel(combo), 7);
    headless::KeyPress(VK_DOWN); // already at the end: nothing
    headless::KeyPress(VK_UP);
    EXPECT_EQ(Sel(combo), 6);
    EXPECT_EQ(Codes(combo), (std::vector<WORD>(4, CBN_SELCHANGE)));

    ClearLog();
    headless::KeyPress(VK_F4);
    EXPECT_TRUE(Dropped(combo));
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Sel(combo), 7);
    headless::KeyPress(VK_RETURN);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));

    ClearLog();
    headless::KeyChord({VK_MENU, VK_DOWN});
    EXPECT_TRUE(Dropped(combo));
    headless::KeyPress(VK_ESCAPE);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
    EXPECT_EQ(Sel(combo), 7);
}

TEST_F(ComboBoxTest, TypedLettersSelectByPrefixAndALetterAgainStepsOn) {
    HWND combo = MakeCombo();
    Add(combo, {"Black", "Blue", "Brown", "Cyan", "Gold"});
    SetFocus(combo);
    ClearLog();
    headless::TypeText("br");
    EXPECT_EQ(Sel(combo), 2);
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELCHANGE, CBN_SELCHANGE})); // "b" chose Black, "br" Brown
    headless::TypeText("x");
    EXPECT_EQ(Sel(combo), 2);
    headless::AdvanceClock(2000);
    headless::TypeText("b");
    EXPECT_EQ(Sel(combo), 0); // the next item with "b" after Brown, round from the top
    headless::TypeText("b");
    EXPECT_EQ(Sel(combo), 1);
    headless::AdvanceClock(2000);
    headless::TypeText("G");
    EXPECT_EQ(GetWindowTextString(combo), "Gold");
}

TEST_F(ComboBoxTest, TheWheelStepsThroughTheItemsClosedAndScrollsTheOpenList) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 30);
    SetFocus(combo);
    SendMessage(combo, CB_SETCURSEL, 28, 0);
    ClearLog();
    headless::Wheel(combo, 20, 5, -WHEEL_DELTA);
    EXPECT_EQ(Sel(combo), 29);
    headless::Wheel(combo, 20, 5, -WHEEL_DELTA); // the last item stays
    EXPECT_EQ(Sel(combo), 29);
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELCHANGE}));
    SendMessage(combo, CB_SETCURSEL, 0, 0);
    ClearLog();
    headless::Wheel(combo, 20, 5, WHEEL_DELTA);
    EXPECT_EQ(Sel(combo), 0);
    EXPECT_TRUE(Codes(combo).empty());
    headless::Wheel(combo, 20, 5, -2 * WHEEL_DELTA);
    EXPECT_EQ(Sel(combo), 2);

    SendMessage(combo, CB_SETCURSEL, 0, 0);
    SendMessage(combo, CB_SHOWDROPDOWN, TRUE, 0);
    ASSERT_TRUE(Dropped(combo));
    ClearLog();
    headless::Wheel(combo, 20, 5, -WHEEL_DELTA);
    EXPECT_EQ(SendMessage(combo, CB_GETTOPINDEX, 0, 0), 3);
    EXPECT_EQ(Sel(combo), 0);
    EXPECT_TRUE(Codes(combo).empty());
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheParent) {
    MakeHost();
    Log().answerFieldHeight = 16;
    Log().answerItemHeight = 18;
    HWND combo = MakeCombo(kDropList | CBS_OWNERDRAWFIXED);
    ASSERT_EQ(Log().measures.size(), 2u);
    EXPECT_EQ(Log().measures[0].itemID, static_cast<UINT>(-1));
    EXPECT_EQ(Log().measures[1].itemID, 0u);
    EXPECT_EQ(Log().measures[0].CtlType, static_cast<UINT>(ODT_COMBOBOX));
    RECT window{};
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.bottom - window.top, 22);
    EXPECT_EQ(ItemHeight(combo), 18);
    for (int i = 0; i < 5; ++i) {
        const std::string text = "Face " + std::to_string(i);
        const auto at = SendMessage(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessage(combo, CB_SETITEMDATA, static_cast<WPARAM>(at), 100 + i);
    }
    SendMessage(combo, CB_SETCURSEL, 1, 0);
    ClearLog();
    InvalidateRect(combo, nullptr, TRUE);
    headless::Pump();
    ASSERT_EQ(Log().draws.size(), 1u);
    const auto face = Log().draws[0];
    EXPECT_EQ(face.itemId, 1u);
    EXPECT_EQ(face.state, static_cast<UINT>(ODS_COMBOBOXEDIT));
    EXPECT_EQ(face.rect, Info(combo).rcItem);
    EXPECT_EQ(face.rect.bottom - face.rect.top, 16);
    EXPECT_EQ(face.data, 101u);
    EXPECT_EQ(face.item, combo);

    SetFocus(combo);
    headless::Pump();
    ASSERT_FALSE(DrawsOf(1).empty());
    EXPECT_EQ(DrawsOf(1).back().state, static_cast<UINT>(ODS_COMBOBOXEDIT | ODS_SELECTED | ODS_FOCUS));

    ClearLog();
    headless::KeyPress(VK_F4);
    headless::Pump();
    // The open list's items come to the same parent as the combo box's, in the list's coordinates.
    const auto second = DrawsOf(1);
    const auto fourth = DrawsOf(3);
    ASSERT_FALSE(second.empty());
    ASSERT_FALSE(fourth.empty());
    EXPECT_EQ(second.back().ctlType, static_cast<UINT>(ODT_COMBOBOX));
    EXPECT_EQ(second.back().item, combo);
    EXPECT_EQ(second.back().rect.top, 18);
    EXPECT_EQ(second.back().state & ODS_SELECTED, static_cast<UINT>(ODS_SELECTED));
    EXPECT_EQ(fourth.back().rect.top, 54);
    EXPECT_EQ(fourth.back().state & ODS_SELECTED, 0u);
    EXPECT_EQ(fourth.back().data, 103u);
}

TEST_F(ComboBoxTest, AHeightSetWhileOpeningGivesTheListItsRows) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 20);
    const int h = ItemHeight(combo);
    RECT window{};
    GetWindowRect(combo, &window);
    const int comboHeight = window.bottom - window.top;
    // As a framework does to show a chosen number of items: it asks for the height of the open control.
    Log().onCommand = [&](HWND from, WORD code) {
        if (from == combo && code == CBN_DROPDOWN)
            SetWindowPos(combo, nullptr, 0, 0, 150, h * 4 + comboHeight + 2, SWP_NOMOVE | SWP_NOZORDER);
    };
    Open(combo);
    RECT listRect{};
    GetWindowRect(Info(combo).hwndList, &listRect);
    EXPECT_EQ(listRect.bottom - listRect.top, 4 * h + 2);
    GetWindowRect(combo, &window);
    EXPECT_EQ(window.bottom - window.top, comboHeight);
}

TEST_F(ComboBoxTest, TheClosedControlShowsItsButtonAndHighlightsTheFocusedSelection) {
    HWND combo = MakeCombo();
    Add(combo, {"One", "Two"});
    SendMessage(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    headless::Pump();
    const COMBOBOXINFO info = Info(combo);
    const RECT& b = info.rcButton;
    const int left = b.left + (b.right - b.left - 7) / 2;
    const int top = b.top + (b.bottom - b.top - 4) / 2;
    EXPECT_EQ(headless::Pixel(combo, left, top), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(headless::Pixel(combo, left + 3, top + 3), GetSysColor(COLOR_BTNTEXT));
    EXPECT_EQ(headless::Pixel(combo, left, top + 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(headless::Pixel(combo, info.rcItem.right - 3, info.rcItem.top + 3),
              GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(headless::Pixel(combo, 0, 0), GetSysColor(COLOR_BTNSHADOW)); // the sunken edge
}

TEST_F(ComboBoxTest, EditableStylesKeepTheirTextInAnEditFieldThatFollowsTheSelection) {
    HWND combo = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_HASSTRINGS);
    Add(combo, {"alpha", "beta", "gamma"});
    HWND edit = Info(combo).hwndItem;
    ASSERT_NE(edit, combo);
    headless::Click(edit, 5, 5);
    EXPECT_EQ(GetFocus(), edit);
    ClearLog();
    headless::TypeText("zz");
    EXPECT_EQ(GetWindowTextString(combo), "zz");
    EXPECT_EQ(Codes(combo),
              (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));
    ClearLog();
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Sel(combo), 0);
    EXPECT_EQ(GetWindowTextString(combo), "alpha");
    EXPECT_EQ(Codes(combo), (std::vector<WORD>{CBN_SELCHANGE}));

    HWND simple = MakeControl(WC_COMBOBOX, "", CBS_SIMPLE | CBS_HASSTRINGS, 200, 10, 150, 120, 101);
    Add(simple, {"one", "two", "three"});
    HWND list = Info(simple).hwndList;
    ASSERT_TRUE(IsWindowVisible(list));
    ClearLog();
    headless::Click(list, 10, ItemHeight(simple) + 2);
    EXPECT_EQ(Sel(simple), 1);
    EXPECT_EQ(GetWindowTextString(simple), "two");
    EXPECT_EQ(GetFocus(), Info(simple).hwndItem);
    const auto codes = Codes(simple);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.back(), CBN_SELCHANGE);
}

WNDPROC g_comboProc = nullptr;
LRESULT DerivedComboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return CallWindowProc(g_comboProc, hwnd, msg, wParam, lParam);
}

TEST_F(ComboBoxTest, AClassMadeFromTheComboBoxClassWorksAsTheComboBox) {
    // As a framework does: its own class name and procedure, which hands every message on to the platform's.
    WNDCLASS wc;
    ASSERT_TRUE(GetClassInfo(nullptr, WC_COMBOBOX, &wc));
    g_comboProc = wc.lpfnWndProc;
    wc.lpfnWndProc = DerivedComboProc;
    wc.cbWndExtra = 0;
    wc.lpszClassName = "DerivedCombo";
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, "DerivedCombo", &existing)) {
        ASSERT_TRUE(RegisterClass(&wc));
    }
    MakeHost();
    HWND combo = MakeControl("DerivedCombo", "", kDropList, 10, 10, 150, 200);
    AddNumbered(combo, 5);
    Open(combo);
    EXPECT_EQ(Info(combo).hwndItem, combo);
    headless::Click(Info(combo).hwndList, 20, ItemHeight(combo) * 3 + 2);
    EXPECT_EQ(Sel(combo), 3);
    EXPECT_FALSE(Dropped(combo));
}

TEST_F(ComboBoxTest, TheListGoesWithItsComboBox) {
    HWND combo = MakeCombo();
    AddNumbered(combo, 3);
    Open(combo);
    HWND list = Info(combo).hwndList;
    DestroyWindow(combo);
    EXPECT_FALSE(IsWindow(list));
    EXPECT_EQ(GetCapture(), nullptr);
}

} // namespace
} // namespace win
