// The edit's context menu on the headless display, opened by the right button, Shift+F10 and the Menu key:
// its entries greyed by the edit's state, keyboard and mouse choices, Escape and a click outside.
#include "platform/controls/ControlsTestSupport.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/Language.h"
#include "platform/user/Menus.h"

#include <deque>

using namespace win;
using namespace controlstest;

namespace {

// What the open menu showed: each entry's label ("-" for a separator) and whether it was greyed.
struct Shown {
    std::vector<std::string> labels;
    std::vector<bool> greyed;
};

Shown ShownMenu() {
    Shown shown;
    const HMENU menu = GetOpenPopupMenu();
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        char label[64] = {};
        GetMenuString(menu, static_cast<UINT>(i), label, sizeof label, MF_BYPOSITION);
        shown.labels.push_back(state & MF_SEPARATOR ? "-" : label);
        shown.greyed.push_back((state & MF_GRAYED) != 0);
    }
    return shown;
}

std::pair<LRESULT, LRESULT> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

class EditMenuTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        SetUserLanguageForTesting(UiLanguage::Chinese);
        headless::SetIdleHook([this] {
            if (m_steps.empty()) return;
            auto step = std::move(m_steps.front());
            m_steps.pop_front();
            step();
        });
        MakeHost();
        m_edit = MakeControl(WC_EDIT, "hello world", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 24);
        SetFocus(m_edit);
    }
    void TearDown() override {
        SetUserLanguageForTesting(std::nullopt);
        ControlsTest::TearDown();
    }
    // Right-clicks the edit and, while its menu is open, records it and runs `then`.
    Shown OpenByMouse(std::function<void()> then) {
        Shown shown;
        m_steps.push_back([&shown, then] {
            shown = ShownMenu();
            then();
        });
        headless::Click(m_edit, 50, 12, MouseButton::Right);
        headless::Pump();
        return shown;
    }

    HWND m_edit = nullptr;
    std::deque<std::function<void()>> m_steps;
};

const std::vector<std::string> kChinese = {"撤消(&U)", "-",        "剪切(&T)", "复制(&C)",
                                           "粘贴(&P)", "删除(&D)", "-",        "全选(&A)"};

TEST_F(EditMenuTest, EntriesAreGreyedAsTheEditsStateSays) {
    // Nothing selected, nothing to undo, an empty clipboard: only Select All.
    Shown shown = OpenByMouse([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(shown.labels, kChinese);
    EXPECT_EQ(shown.greyed, (std::vector<bool>{true, false, true, true, true, true, false, false}));
    EXPECT_EQ(GetOpenPopupMenuWindow(), nullptr) << "Escape closed it";

    // A typed character (something to undo), a selection and text on the clipboard: everything.
    headless::KeyPress(VK_END);
    headless::TypeText("!");
    headless::Pump();
    SendMessage(m_edit, EM_SETSEL, 0, 5);
    SetClipboardUtf8("pasted");
    shown = OpenByMouse([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(shown.greyed, (std::vector<bool>{false, false, false, false, false, false, false, false}));

    // All of it selected: nothing more to select.
    SendMessage(m_edit, EM_SETSEL, 0, -1);
    shown = OpenByMouse([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_TRUE(shown.greyed[7]);

    // Read-only: only Copy (of the selection) and Select All may still do something.
    SendMessage(m_edit, EM_SETREADONLY, TRUE, 0);
    SendMessage(m_edit, EM_SETSEL, 0, 5);
    shown = OpenByMouse([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(shown.greyed, (std::vector<bool>{true, false, true, false, true, true, false, false}));

    SetUserLanguageForTesting(UiLanguage::English);
    shown = OpenByMouse([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(shown.labels, (std::vector<std::string>{"&Undo", "-", "Cu&t", "&Copy", "&Paste", "&Delete", "-",
                                                      "Select &All"}));
}

TEST_F(EditMenuTest, TheKeyboardOpensMovesAndChooses) {
    SendMessage(m_edit, EM_SETSEL, 0, 5);
    std::vector<int> highlights;
    auto note = [&highlights] { highlights.push_back(GetOpenPopupMenuHighlight()); };
    // The Menu key: down steps over the separator and onto greyed entries, up goes round, Enter on Copy.
    m_steps.push_back([&] {
        note();
        headless::KeyPress(VK_DOWN);
        headless::KeyPress(VK_DOWN);
    });
    m_steps.push_back([&] {
        note();
        headless::KeyPress(VK_UP);
        headless::KeyPress(VK_UP);
    });
    m_steps.push_back([&] {
        note();
        headless::KeyPress(VK_HOME);
        headless::KeyPress(VK_DOWN);
        headless::KeyPress(VK_DOWN);
    });
    m_steps.push_back([&] {
        note();
        headless::KeyPress(VK_RETURN);
    });
    headless::KeyPress(VK_APPS);
    headless::Pump();
    EXPECT_EQ(highlights, (std::vector<int>{-1, 2, 7, 3}));
    EXPECT_EQ(GetOpenPopupMenuWindow(), nullptr);
    EXPECT_EQ(GetClipboardUtf8(), std::optional<std::string>("hello"));

    // Shift+F10, then the access key of Select All.
    m_steps.push_back([] { headless::TypeText("a"); });
    headless::KeyDown(VK_SHIFT);
    headless::KeyPress(VK_F10);
    headless::KeyUp(VK_SHIFT);
    headless::Pump();
    EXPECT_EQ(Selection(m_edit), (std::pair<LRESULT, LRESULT>{0, 11}));

    // Enter on a greyed entry does nothing and keeps the menu open; Escape then closes it, the text as it
    // was.
    SendMessage(m_edit, EM_SETSEL, 3, 3);
    bool stillOpen = false;
    m_steps.push_back([] {
        headless::KeyPress(VK_DOWN); // Undo, greyed
        headless::KeyPress(VK_RETURN);
    });
    m_steps.push_back([&] {
        stillOpen = GetOpenPopupMenuWindow() != nullptr;
        headless::KeyPress(VK_ESCAPE);
    });
    headless::KeyPress(VK_APPS);
    headless::Pump();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(GetWindowTextString(m_edit), "hello world");
    EXPECT_EQ(Selection(m_edit), (std::pair<LRESULT, LRESULT>{3, 3}));
}

TEST_F(EditMenuTest, TheMouseChoosesAndAClickOutsideCloses) {
    // Hovering lights the entry in the highlight colour; a click on Select All selects everything.
    COLORREF lit = 0;
    RECT selectAll{};
    OpenByMouse([this, &lit, &selectAll] {
        GetOpenPopupMenuItemRect(7, &selectAll);
        headless::MouseMove(GetOpenPopupMenuWindow(), selectAll.left + 5, selectAll.top + 3);
        m_steps.push_back([&lit, &selectAll] {
            const HWND menu = GetOpenPopupMenuWindow();
            lit = headless::Pixel(menu, selectAll.left + 2, selectAll.top + 2);
            headless::Click(menu, selectAll.left + 5, selectAll.top + 3);
        });
    });
    EXPECT_EQ(lit, RGB(51, 153, 255)) << "the highlight colour";
    EXPECT_EQ(Selection(m_edit), (std::pair<LRESULT, LRESULT>{0, 11}));

    // A click on the greyed Undo keeps it open; a click outside closes it with nothing done.
    bool stillOpen = false;
    OpenByMouse([this, &stillOpen] {
        const HWND menu = GetOpenPopupMenuWindow();
        RECT item{};
        GetOpenPopupMenuItemRect(0, &item);
        headless::Click(menu, item.left + 5, item.top + 3);
        m_steps.push_back([this, &stillOpen] {
            stillOpen = GetOpenPopupMenuWindow() != nullptr;
            headless::Click(m_host, 380, 280);
        });
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(GetOpenPopupMenuWindow(), nullptr);
    EXPECT_EQ(GetWindowTextString(m_edit), "hello world");
    EXPECT_EQ(Selection(m_edit), (std::pair<LRESULT, LRESULT>{0, 11}));
}

} // namespace
