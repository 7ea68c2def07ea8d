// Tests of the "LISTBOX" window class on the headless display: its messages, selection by mouse, keys,
// type-ahead and wheel with their notifications, scrolling, owner draw, and the painted look.
#include "platform/controls/ControlsTestSupport.h"

#include "platform/gdi/SysColors.h"

#include <string>

namespace win {
namespace {

using controlstest::ControlsTest;
using controlstest::Log;

constexpr DWORD kPlain = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;

class ListBoxTest : public ControlsTest {
protected:
    HWND MakeList(DWORD style = kPlain, int height = 122) {
        MakeHost();
        return MakeControl(WC_LISTBOX, "", style, 10, 10, 150, height);
    }
    void Fill(HWND list, int count) {
        for (int i = 0; i < count; ++i) {
            const std::string text = "Item " + std::string(i < 10 ? "0" : "") + std::to_string(i);
            SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        headless::Pump();
    }
    std::string TextOf(HWND list, int index) {
        const auto length = SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
        if (length < 0) return "<error>";
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        return text;
    }
    int ItemHeight(HWND list) { return static_cast<int>(SendMessage(list, LB_GETITEMHEIGHT, 0, 0)); }
    int CurSel(HWND list) { return static_cast<int>(SendMessage(list, LB_GETCURSEL, 0, 0)); }
    int Top(HWND list) { return static_cast<int>(SendMessage(list, LB_GETTOPINDEX, 0, 0)); }
};

TEST_F(ListBoxTest, ItemsTextsDataAndSearchesAnswerAsThePlatformsDo) {
    HWND list = MakeList(kPlain | LBS_SORT);
    for (const char* t : {"pear", "Apple", "banana", "apricot"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 4);
    EXPECT_EQ(TextOf(list, 0), "Apple");
    EXPECT_EQ(TextOf(list, 1), "apricot");
    EXPECT_EQ(TextOf(list, 3), "pear");
    EXPECT_EQ(SendMessage(list, LB_GETTEXTLEN, 7, 0), LB_ERR);
    EXPECT_EQ(SendMessage(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>("zebra")), 0);

    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("AP")), 1);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, 1, reinterpret_cast<LPARAM>("ap")), 2);
    EXPECT_EQ(
        SendMessage(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("PEAR")), 4);
    EXPECT_EQ(SendMessage(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("kiwi")),
              LB_ERR);

    EXPECT_EQ(SendMessage(list, LB_SETITEMDATA, 3, 77), TRUE);
    EXPECT_EQ(SendMessage(list, LB_GETITEMDATA, 3, 0), 77);
    EXPECT_EQ(SendMessage(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ban")),
              3);
    EXPECT_EQ(CurSel(list), 3);

    // Deleting an item before the selection moves the selection with its item; deleting it clears it.
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 0, 0), 4);
    EXPECT_EQ(CurSel(list), 2);
    EXPECT_EQ(SendMessage(list, LB_DELETESTRING, 2, 0), 3);
    EXPECT_EQ(CurSel(list), LB_ERR);
    ASSERT_EQ(Log().deletes.size(), 1u); // only the item that carried data is reported
    EXPECT_EQ(Log().deletes[0].itemData, 77u);
    EXPECT_EQ(SendMessage(list, LB_SETCURSEL, 9, 0), LB_ERR);
    SendMessage(list, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(SendMessage(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_TRUE(Codes(list).empty()); // nothing done from code is notified
}

TEST_F(ListBoxTest, ClickDoubleClickAndDragSelectWithNotifications) {
    HWND list = MakeList();
    Fill(list, 5);
    const int h = ItemHeight(list);
    headless::Click(list, 20, h * 2 + 2);
    EXPECT_EQ(CurSel(list), 2);
    EXPECT_EQ(GetFocus(), list);
    EXPECT_EQ(Codes(list), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));

    ClearLog();
    headless::AdvanceClock(1000);
    headless::DoubleClick(list, 20, h * 4 + 1);
    EXPECT_EQ(CurSel(list), 4);
    EXPECT_EQ(Codes(list), (std::vector<WORD>{LBN_SELCHANGE, LBN_DBLCLK}));

    ClearLog();
    headless::AdvanceClock(1000);
    headless::MouseDown(list, 20, 1);
    headless::MouseMove(list, 20, h + 1);
    headless::MouseMove(list, 20, h * 3 + 1);
    headless::MouseUp(list, 20, h * 3 + 1);
    EXPECT_EQ(CurSel(list), 3);
    EXPECT_EQ(Codes(list), (std::vector<WORD>{LBN_SELCHANGE, LBN_SELCHANGE, LBN_SELCHANGE}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ListBoxTest, KeysAndTypeAheadMoveTheSelectionAndKeepItInView) {
    HWND list = MakeList();
    Fill(list, 30);
    SetFocus(list);
    const int visible = 120 / ItemHeight(list);
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(CurSel(list), 0);
    headless::KeyPress(VK_NEXT);
    EXPECT_EQ(CurSel(list), visible - 1);
    headless::KeyPress(VK_END);
    EXPECT_EQ(CurSel(list), 29);
    EXPECT_EQ(Top(list), 30 - visible);
    headless::KeyPress(VK_HOME);
    EXPECT_EQ(CurSel(list), 0);
    EXPECT_EQ(Top(list), 0);
    ClearLog();
    headless::TypeText("Item 1");
    EXPECT_EQ(CurSel(list), 10);
    EXPECT_EQ(Codes(list).size(), 2u); // "I" found nothing new, "Item 1" found item 10
    EXPECT_EQ(Codes(list).back(), LBN_SELCHANGE);
}

TEST_F(ListBoxTest, WheelAndScrollBarMoveTheTopIndexWithoutSelecting) {
    HWND list = MakeList();
    Fill(list, 30);
    SetFocus(list);
    ClearLog();
    headless::Wheel(list, 20, 20, -WHEEL_DELTA);
    EXPECT_EQ(Top(list), 3);
    headless::Wheel(list, 20, 20, -2 * WHEEL_DELTA);
    EXPECT_EQ(Top(list), 9);
    headless::Wheel(list, 20, 20, WHEEL_DELTA);
    EXPECT_EQ(Top(list), 6);
    EXPECT_EQ(CurSel(list), LB_ERR);
    SendMessage(list, WM_VSCROLL, SB_BOTTOM, 0);
    const int visible = 120 / ItemHeight(list);
    EXPECT_EQ(Top(list), 30 - visible);
    SCROLLINFO si;
    si.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(list, SB_VERT, &si));
    EXPECT_EQ(si.nMax, 29);
    EXPECT_EQ(si.nPage, static_cast<UINT>(visible));
    EXPECT_EQ(si.nPos, 30 - visible);
    // Setting the selection from code brings it into view.
    SendMessage(list, LB_SETCURSEL, 2, 0);
    EXPECT_EQ(Top(list), 2);
    EXPECT_TRUE(Codes(list).empty());
}

TEST_F(ListBoxTest, ItemRectsAndHitTestsFollowTheTopIndex) {
    HWND list = MakeList();
    Fill(list, 20);
    const int h = ItemHeight(list);
    SendMessage(list, LB_SETTOPINDEX, 4, 0);
    RECT r{};
    ASSERT_EQ(SendMessage(list, LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&r)), 1);
    EXPECT_EQ(r.top, 2 * h);
    EXPECT_EQ(r.bottom, 3 * h);
    EXPECT_EQ(SendMessage(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, h + 1)), 5);
    const auto below = static_cast<DWORD>(SendMessage(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 500)));
    EXPECT_EQ(HIWORD(below), 1); // outside
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreMeasuredOnceAndDrawnByTheParent) {
    MakeHost();
    Log().answerItemHeight = 20;
    HWND list =
        MakeControl(WC_LISTBOX, "", kPlain | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, 10, 10, 150, 102, 7);
    ASSERT_EQ(Log().measures.size(), 1u);
    EXPECT_EQ(Log().measures[0].CtlType, static_cast<UINT>(ODT_LISTBOX));
    EXPECT_EQ(Log().measures[0].CtlID, 7u);
    EXPECT_EQ(ItemHeight(list), 20);
    for (const char* t : {"one", "two", "three", "four", "five", "six", "seven"})
        SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t));
    ClearLog();
    InvalidateRect(list, nullptr, TRUE);
    headless::Pump();
    // The five visible items, each once, in its own rectangle.
    ASSERT_EQ(Log().draws.size(), 5u);
    for (UINT i = 0; i < 5; ++i) {
        const auto& d = Log().draws[i];
        EXPECT_EQ(d.itemId, i);
        EXPECT_EQ(d.action, static_cast<UINT>(ODA_DRAWENTIRE));
        EXPECT_EQ(d.item, list);
        EXPECT_EQ(d.rect.top, static_cast<LONG>(i * 20));
        EXPECT_EQ(d.rect.bottom, static_cast<LONG>(i * 20 + 20));
    }
    // A click: the old selection is redrawn unselected, the new one selected with the focus.
    SendMessage(list, LB_SETCURSEL, 1, 0);
    SetFocus(list);
    headless::Pump();
    ClearLog();
    headless::Click(list, 10, 3 * 20 + 5);
    const auto oldItem = DrawsOf(1);
    const auto newItem = DrawsOf(3);
    ASSERT_FALSE(oldItem.empty());
    ASSERT_FALSE(newItem.empty());
    EXPECT_EQ(oldItem.front().action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(oldItem.front().state & (ODS_SELECTED | ODS_FOCUS), 0u);
    EXPECT_EQ(newItem.front().action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(newItem.front().state & (ODS_SELECTED | ODS_FOCUS),
              static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
}

TEST_F(ListBoxTest, PaintsItemsWithTheSelectionHighlighted) {
    HWND list = MakeList();
    Fill(list, 3);
    SendMessage(list, LB_SETCURSEL, 1, 0);
    headless::Pump();
    const int h = ItemHeight(list);
    EXPECT_EQ(headless::Pixel(list, 100, h + h / 2), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(headless::Pixel(list, 100, h / 2), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(headless::Pixel(list, 100, 4 * h), GetSysColor(COLOR_WINDOW));
    // Some text was drawn in the first item.
    bool ink = false;
    for (int x = 0; x < 60 && !ink; ++x)
        for (int y = 0; y < h && !ink; ++y) ink = headless::Pixel(list, x, y) != GetSysColor(COLOR_WINDOW);
    EXPECT_TRUE(ink);
}

TEST_F(ListBoxTest, AnIntegralHeightListShowsOnlyWholeItems) {
    MakeHost();
    HWND list = MakeControl(WC_LISTBOX, "", LBS_NOTIFY | WS_BORDER, 10, 10, 150, 100);
    const int h = ItemHeight(list);
    SetWindowPos(list, nullptr, 0, 0, 150, 5 * h + 2 + h / 2, SWP_NOMOVE | SWP_NOZORDER);
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(client.bottom, 5 * h);
}

} // namespace
} // namespace win
