// Tests of the "EDIT" window class on the headless display, driven by real input: typing (Chinese, the byte
// limit), selecting by keys and mouse, the clipboard, notifications, scrolling and painted pixels.
#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace win {
namespace {

struct ParentLog {
    std::map<WORD, int> notes;
    HBRUSH brush = nullptr; // answer to the colour requests when set
    COLORREF textColor = 0;
    int staticColorRequests = 0;
    std::function<void(WORD, HWND)> onCommand;
};
ParentLog* g_log = nullptr;

LRESULT ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (g_log && msg == WM_COMMAND) {
        const WORD code = HIWORD(wParam);
        ++g_log->notes[code];
        if (g_log->onCommand) g_log->onCommand(code, reinterpret_cast<HWND>(lParam));
        return 0;
    }
    if (g_log && (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC)) {
        if (msg == WM_CTLCOLORSTATIC) ++g_log->staticColorRequests;
        if (g_log->brush) {
            SetTextColor(reinterpret_cast<HDC>(wParam), g_log->textColor);
            return reinterpret_cast<LRESULT>(g_log->brush);
        }
    }
    return DefWindowProc(hwnd, msg, wParam, lParam);
}

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

class EditTest : public ::testing::Test {
protected:
    void SetUp() override {
        headless::Use();
        ASSERT_TRUE(RegisterEditClass());
        WNDCLASS wc;
        wc.lpfnWndProc = ParentProc;
        wc.lpszClassName = "EditTestParent";
        RegisterClass(&wc);
        g_log = &m_log;
        m_parent = CreateWindowEx(0, "EditTestParent", "edit test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                  500, 400, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_parent);
        // The window font: Latin letters 6 pixels wide, Chinese characters 12.
        m_font = CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    }
    void TearDown() override {
        DestroyWindow(m_parent);
        DeleteObject(m_font);
        if (m_log.brush) DeleteObject(m_log.brush);
        g_log = nullptr;
    }

    HWND Edit(DWORD style, const char* text = "", int width = 300, int height = 20) {
        const HWND edit = CreateWindowEx(0, "EDIT", text, WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                                         height, m_parent, reinterpret_cast<HMENU>(100), nullptr, nullptr);
        SendMessage(edit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
        SendMessage(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(1, 1));
        headless::Pump();
        m_log.notes.clear();
        return edit;
    }
    HWND Memo(int width = 300, int height = 12 * 10) {
        return Edit(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL, "", width,
                    height);
    }

    static std::pair<DWORD, DWORD> Selection(HWND edit) {
        DWORD start = 0;
        DWORD end = 0;
        SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    static LRESULT FirstVisibleLine(HWND edit) { return SendMessage(edit, EM_GETFIRSTVISIBLELINE, 0, 0); }

    // The memo's way of adding a line: after the last line that holds text, keeping a trailing break.
    static void AddLine(HWND memo, const std::string& line) {
        LRESULT count = SendMessage(memo, EM_GETLINECOUNT, 0, 0);
        if (SendMessage(memo, EM_LINELENGTH,
                        static_cast<WPARAM>(SendMessage(memo, EM_LINEINDEX, count - 1, 0)), 0) == 0)
            --count;
        LRESULT start = SendMessage(memo, EM_LINEINDEX, static_cast<WPARAM>(count), 0);
        std::string insert = line + "\r\n";
        if (start < 0) {
            start = SendMessage(memo, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
            start += SendMessage(memo, EM_LINELENGTH, static_cast<WPARAM>(start), 0);
            insert = "\r\n" + line;
        }
        SendMessage(memo, EM_SETSEL, static_cast<WPARAM>(start), start);
        SendMessage(memo, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(insert.c_str()));
        SendMessage(memo, EM_SCROLLCARET, 0, 0);
    }

    // Some pixel of the cell (x0..x1, y0..y1) has exactly this colour.
    static bool CellHas(HWND hwnd, int x0, int x1, int y0, int y1, COLORREF colour) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                if (headless::Pixel(hwnd, x, y) == colour) return true;
        return false;
    }

    ParentLog m_log;
    HWND m_parent = nullptr;
    HFONT m_font = nullptr;
};

TEST_F(EditTest, TypingDeletingAndUndoInASingleLineField) {
    const HWND edit = Edit(ES_AUTOHSCROLL);
    SetFocus(edit);
    headless::TypeText("hello world");
    EXPECT_EQ(GetWindowTextString(edit), "hello world");
    EXPECT_EQ(m_log.notes[EN_CHANGE], 11);
    EXPECT_EQ(m_log.notes[EN_UPDATE], 11);

    headless::KeyPress(VK_BACK);
    EXPECT_EQ(GetWindowTextString(edit), "hello worl");
    headless::KeyPress(VK_HOME);
    headless::KeyChord({VK_SHIFT, VK_CONTROL, VK_RIGHT});
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{6}));
    headless::TypeText("bye ");
    EXPECT_EQ(GetWindowTextString(edit), "bye worl");
    headless::KeyChord({VK_CONTROL, 'Z'});
    EXPECT_EQ(GetWindowTextString(edit), "hello worl");

    headless::KeyPress(VK_END);
    headless::KeyPress(VK_LEFT);
    headless::KeyPress(VK_DELETE);
    EXPECT_EQ(GetWindowTextString(edit), "hello wor");
    headless::KeyChord({VK_SHIFT, VK_HOME});
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{9}));
    headless::KeyPress(VK_RIGHT); // collapses to the selection's end
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{9}, DWORD{9}));
}

TEST_F(EditTest, FieldsScrollToTheCaretAndAlignToTheRight) {
    const HWND edit = Edit(ES_AUTOHSCROLL, "", 62); // ten characters between the one-pixel margins
    SetFocus(edit);
    headless::TypeText("abcdefghijklmnopqrst");
    const LRESULT first = FirstVisibleLine(edit); // a field answers with its first visible character
    EXPECT_GT(first, 0);
    const LRESULT caretAt = SendMessage(edit, EM_POSFROMCHAR, 19, 0);
    EXPECT_GE(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(caretAt))), 1);
    EXPECT_LE(static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(caretAt))) + 6, 61);
    headless::KeyPress(VK_HOME);
    EXPECT_EQ(FirstVisibleLine(edit), 0);

    // A right-aligned number with room kept for buttons on the right, as the spin edit sets it up.
    const HWND number = Edit(ES_RIGHT | ES_AUTOHSCROLL, "", 43);
    SendMessage(number, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(0, 19));
    SetWindowText(number, "30");
    RECT format{};
    SendMessage(number, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format.left, 0);
    EXPECT_EQ(format.right, 24);
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(SendMessage(number, EM_POSFROMCHAR, 0, 0))), 24 - 12 - 1);
}

TEST_F(EditTest, ChineseTypingStopsAtTheByteLimitWhileProgramTextIsKept) {
    const HWND edit = Edit(ES_AUTOHSCROLL);
    SendMessage(edit, EM_LIMITTEXT, 40, 0);
    SetFocus(edit);
    headless::ResetBeepCount();
    headless::TypeText(Repeat("汉", 25));
    EXPECT_EQ(GetWindowTextString(edit), Repeat("汉", 20)); // 40 bytes in the code page
    EXPECT_EQ(m_log.notes[EN_CHANGE], 20);
    EXPECT_EQ(m_log.notes[EN_MAXTEXT], 5);
    EXPECT_EQ(headless::BeepCount(), 5);

    SetWindowText(edit, Repeat("字", 30).c_str());
    EXPECT_EQ(GetWindowTextString(edit), Repeat("字", 30));
    EXPECT_EQ(m_log.notes[EN_CHANGE], 21); // a single-line field reports the new text once
    headless::KeyChord({VK_CONTROL, VK_END});
    headless::TypeText("a");
    EXPECT_EQ(GetWindowTextLength(edit), 90);

    // One byte left takes a Latin letter but not a Chinese character.
    SetWindowText(edit, std::string(39, 'x').c_str());
    headless::KeyPress(VK_END);
    headless::TypeText("汉a汉");
    EXPECT_EQ(GetWindowTextString(edit), std::string(39, 'x') + "a");
}

TEST_F(EditTest, MouseSelectsByClickDragShiftClickAndDoubleClick) {
    const HWND edit = Edit(ES_AUTOHSCROLL, "alpha beta gamma");
    // Character i covers x = 1 + 6i .. 6 + 6i (one pixel of margin).
    auto xOf = [](int i) { return 1 + 6 * i; };
    headless::Click(edit, xOf(2) + 1, 6);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
    headless::AdvanceClock(1000);         // not a double click
    headless::Click(edit, xOf(2) + 4, 6); // right half of a character: after it
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{3}));
    headless::AdvanceClock(1000);

    headless::MouseDown(edit, xOf(6), 6);
    headless::MouseMove(edit, xOf(8), 6);
    headless::MouseMove(edit, xOf(10), 6);
    headless::MouseUp(edit, xOf(10), 6);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{6}, DWORD{10}));
    EXPECT_EQ(GetCapture(), nullptr);

    headless::KeyDown(VK_SHIFT);
    headless::Click(edit, xOf(16), 6);
    headless::KeyUp(VK_SHIFT);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{6}, DWORD{16}));

    headless::DoubleClick(edit, xOf(13), 6);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{11}, DWORD{16}));
}

TEST_F(EditTest, ClipboardCopyCutAndPasteFitTheControl) {
    const HWND field = Edit(ES_AUTOHSCROLL, "one two");
    SetFocus(field);
    headless::KeyChord({VK_CONTROL, 'A'});
    headless::KeyChord({VK_CONTROL, 'C'});
    EXPECT_EQ(GetClipboardUtf8(), "one two");

    ASSERT_TRUE(SetClipboardUtf8("first\nsecond"));
    headless::KeyChord({VK_SHIFT, VK_INSERT}); // over the whole selection; a field takes the first line only
    EXPECT_EQ(GetWindowTextString(field), "first");
    headless::KeyChord({VK_CONTROL, 'A'});
    headless::KeyChord({VK_CONTROL, 'X'});
    EXPECT_EQ(GetWindowTextString(field), "");
    EXPECT_EQ(GetClipboardUtf8(), "first");
    headless::KeyChord({VK_CONTROL, 'Z'});
    EXPECT_EQ(GetWindowTextString(field), "first");

    SendMessage(field, EM_SETREADONLY, TRUE, 0);
    headless::KeyChord({VK_CONTROL, 'V'});
    EXPECT_EQ(GetWindowTextString(field), "first");

    const HWND memo = Memo();
    SetFocus(memo);
    ASSERT_TRUE(SetClipboardUtf8("a\nb\r\nc\rd"));
    headless::KeyChord({VK_CONTROL, 'V'});
    EXPECT_EQ(GetWindowTextString(memo), "a\r\nb\r\nc\r\nd");
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 4);
}

// Lines end in CR LF inside and in LF on the desktop, both ways, whatever path the text takes.
TEST_F(EditTest, TheDesktopSeesLfLineEndsAndTheProgramCrLf) {
    const struct {
        const char* program;
        const char* desktop;
    } cases[] = {{"ab\r\ncd", "ab\ncd"}, {"\r\n\r\nx\r\n", "\n\nx\n"}, {"lone\rcr", "lone\rcr"}, {"", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desktop);
        ASSERT_TRUE(SetClipboardUtf8(c.program));
        EXPECT_EQ(headless::Screen().GetClipboardText(), c.desktop);
        headless::Screen().SetClipboardText(c.desktop);
        EXPECT_EQ(GetClipboardUtf8(), c.program);
    }
    const HWND memo = Memo();
    SetWindowText(memo, "one\r\ntwo");
    SetFocus(memo);
    headless::KeyChord({VK_CONTROL, 'A'});
    headless::KeyChord({VK_CONTROL, 'C'});
    EXPECT_EQ(headless::Screen().GetClipboardText(), "one\ntwo");
    EXPECT_EQ(headless::Screen().GetPrimaryText(), "one\ntwo");
}

// What the user selects becomes the desktop's primary selection when the gesture ends, and the middle button
// pastes the primary selection where it is pressed.
TEST_F(EditTest, SelectingOffersThePrimarySelectionAndTheMiddleButtonPastesIt) {
    const HWND field = Edit(ES_AUTOHSCROLL, "alpha beta gamma");
    auto xOf = [](int i) { return 1 + 6 * i; };
    headless::MouseDown(field, xOf(6), 6);
    headless::MouseMove(field, xOf(10), 6);
    EXPECT_EQ(headless::Screen().GetPrimaryText(), std::nullopt) << "offered while dragging";
    headless::MouseUp(field, xOf(10), 6);
    EXPECT_EQ(headless::Screen().GetPrimaryText(), "beta");
    headless::KeyPress(VK_HOME);
    headless::KeyChord({VK_SHIFT, VK_RIGHT});
    EXPECT_EQ(headless::Screen().GetPrimaryText(), "a");
    // A password is never offered.
    const HWND password = Edit(ES_PASSWORD, "secret");
    SetFocus(password);
    headless::KeyChord({VK_CONTROL, 'A'});
    EXPECT_EQ(headless::Screen().GetPrimaryText(), "a");
    DestroyWindow(field);
    DestroyWindow(password);

    headless::Screen().SetPrimaryText("x\ny");
    const HWND memo = Memo();
    SetWindowText(memo, "ab");
    headless::Click(memo, xOf(1), 6, MouseButton::Middle);
    EXPECT_EQ(GetFocus(), memo);
    EXPECT_EQ(GetWindowTextString(memo), "ax\r\nyb");
    SendMessage(memo, EM_SETREADONLY, TRUE, 0);
    headless::Click(memo, xOf(1), 6, MouseButton::Middle);
    EXPECT_EQ(GetWindowTextString(memo), "ax\r\nyb");
}

// The clipboard keys reach the control as messages, so that a window procedure put in front of it can refuse
// them.
std::vector<UINT>* g_clipboardMessages = nullptr;
WNDPROC g_editProc = nullptr;

LRESULT RefusingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_CUT || msg == WM_COPY || msg == WM_PASTE || msg == WM_CLEAR) {
        g_clipboardMessages->push_back(msg);
        return 0;
    }
    return CallWindowProc(g_editProc, hwnd, msg, wParam, lParam);
}

TEST_F(EditTest, ClipboardKeysSendTheClipboardMessages) {
    const HWND field = Edit(ES_AUTOHSCROLL, "abc");
    std::vector<UINT> seen;
    g_clipboardMessages = &seen;
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtr(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RefusingProc)));
    SetFocus(field);
    ASSERT_TRUE(SetClipboardUtf8("xyz"));
    headless::KeyChord({VK_CONTROL, 'A'});
    headless::KeyChord({VK_CONTROL, 'C'});
    headless::KeyChord({VK_CONTROL, VK_INSERT});
    headless::KeyChord({VK_CONTROL, 'V'});
    headless::KeyChord({VK_SHIFT, VK_INSERT});
    headless::KeyChord({VK_CONTROL, 'X'});
    headless::KeyChord({VK_SHIFT, VK_DELETE});
    headless::KeyPress(VK_DELETE); // over a selection
    EXPECT_EQ(seen, (std::vector<UINT>{WM_COPY, WM_COPY, WM_PASTE, WM_PASTE, WM_CUT, WM_CUT, WM_CLEAR}));
    EXPECT_EQ(GetWindowTextString(field), "abc");
    EXPECT_EQ(GetClipboardUtf8(), "xyz");
    headless::KeyPress(VK_END);
    headless::KeyPress(VK_BACK);
    headless::KeyPress(VK_HOME);
    headless::KeyPress(VK_DELETE); // no selection: deletes a character without a message
    EXPECT_EQ(GetWindowTextString(field), "b");
    EXPECT_EQ(seen.size(), 7u);
    g_clipboardMessages = nullptr;
}

TEST_F(EditTest, MultiLineTextReplacementIsSilentAndEachAddedLineReportsOnce) {
    const HWND memo = Memo();
    SetWindowText(memo, "a\r\nb");
    EXPECT_EQ(m_log.notes[EN_CHANGE], 0);
    EXPECT_EQ(m_log.notes[EN_UPDATE], 0);
    AddLine(memo, "c");
    EXPECT_EQ(GetWindowTextString(memo), "a\r\nb\r\nc");
    EXPECT_EQ(m_log.notes[EN_CHANGE], 1);

    SetWindowText(memo, "");
    AddLine(memo, "x");
    EXPECT_EQ(GetWindowTextString(memo), "x\r\n");
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 2); // the empty line after the break counts
    AddLine(memo, "y");
    EXPECT_EQ(GetWindowTextString(memo), "x\r\ny\r\n");
    EXPECT_EQ(m_log.notes[EN_CHANGE], 3);

    // Rows appended one by one keep the newest in view: ten lines show, the caret's empty line last.
    for (int i = 0; i < 40; ++i) AddLine(memo, "row " + std::to_string(i));
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 43);
    EXPECT_EQ(FirstVisibleLine(memo), 33);
    EXPECT_EQ(Selection(memo),
              std::make_pair(DWORD(GetWindowTextLength(memo)), DWORD(GetWindowTextLength(memo))));

    // A replacement that may be undone can be; one that may not clears what could be.
    SendMessage(memo, EM_SETSEL, 0, 1);
    SendMessage(memo, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("X"));
    EXPECT_TRUE(SendMessage(memo, EM_CANUNDO, 0, 0));
    SendMessage(memo, EM_UNDO, 0, 0);
    EXPECT_EQ(GetWindowTextString(memo).substr(0, 3), "x\r\n");
    SendMessage(memo, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("Z"));
    EXPECT_FALSE(SendMessage(memo, EM_CANUNDO, 0, 0));
}

// The one-message append gives what the round of line queries above gives, with a single EN_CHANGE each.
TEST_F(EditTest, AppendLineAddsALastLineInOneStepAndReportsOnce) {
    const HWND memo = Memo();
    const auto append = [&](const char* line) {
        return SendMessage(memo, EM_APPENDLINE, 0, reinterpret_cast<LPARAM>(line));
    };
    EXPECT_EQ(append("x"), 0);
    EXPECT_EQ(GetWindowTextString(memo), "x\r\n");
    EXPECT_EQ(append("y"), 1);
    EXPECT_EQ(GetWindowTextString(memo), "x\r\ny\r\n");
    EXPECT_EQ(m_log.notes[EN_CHANGE], 2);
    EXPECT_EQ(m_log.notes[EN_UPDATE], 0);

    SetWindowText(memo, "a\r\nb");
    SendMessage(memo, EM_SETSEL, 0, 1);
    EXPECT_EQ(append("c"), 2) << "after text without a break, the break comes first";
    EXPECT_EQ(GetWindowTextString(memo), "a\r\nb\r\nc");
    EXPECT_EQ(Selection(memo), std::make_pair(DWORD(7), DWORD(7))) << "the caret ends after the new line";
    EXPECT_FALSE(SendMessage(memo, EM_CANUNDO, 0, 0));

    // Rows appended one by one keep the newest in view, as with the line queries.
    SetWindowText(memo, "");
    for (int i = 0; i < 42; ++i) append(("row " + std::to_string(i)).c_str());
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 43);
    EXPECT_EQ(FirstVisibleLine(memo), 33);

    // Cut to the limit as a replacement is, and said so.
    SetWindowText(memo, "");
    SendMessage(memo, EM_LIMITTEXT, 6, 0);
    m_log.notes.clear();
    EXPECT_EQ(append("abcdefgh"), 0);
    EXPECT_EQ(GetWindowTextString(memo), "abcdef");
    EXPECT_EQ(m_log.notes[EN_MAXTEXT], 1);
    EXPECT_EQ(m_log.notes[EN_CHANGE], 1);
}

TEST_F(EditTest, WheelAndScrollMessagesMoveTheFirstVisibleLine) {
    const HWND memo = Memo();
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line " + std::to_string(i) + "\r\n";
    SetWindowText(memo, text.c_str());
    UINT perNotch = 0;
    ASSERT_TRUE(SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &perNotch, 0));
    SetFocus(memo); // the wheel goes to the focus

    headless::Wheel(memo, 20, 20, -240);
    EXPECT_EQ(FirstVisibleLine(memo), static_cast<LRESULT>(2 * perNotch));
    headless::Wheel(memo, 20, 20, -60);
    headless::Wheel(memo, 20, 20, -60); // half notches add up
    EXPECT_EQ(FirstVisibleLine(memo), static_cast<LRESULT>(3 * perNotch));
    headless::Wheel(memo, 20, 20, 120);
    EXPECT_EQ(FirstVisibleLine(memo), static_cast<LRESULT>(2 * perNotch));

    SendMessage(memo, EM_LINESCROLL, 0, 5);
    const LRESULT after = FirstVisibleLine(memo);
    EXPECT_EQ(after, static_cast<LRESULT>(2 * perNotch + 5));
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(SendMessage(memo, EM_SCROLL, SB_PAGEDOWN, 0))), 10);
    SendMessage(memo, EM_LINESCROLL, 0, 1000); // the last line stays at the bottom
    EXPECT_EQ(FirstVisibleLine(memo), 101 - 10);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo, SB_VERT, &info));
    EXPECT_EQ(info.nPos, 91);
    EXPECT_EQ(info.nMax, 100);
    EXPECT_EQ(info.nPage, 10u);
}

TEST_F(EditTest, KeysMoveThroughLinesKeepingTheColumn) {
    const HWND memo = Memo();
    SetWindowText(memo, "abcdef\r\nab\r\nabcdef");
    SetFocus(memo);
    SendMessage(memo, EM_SETSEL, 5, 5);
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Selection(memo).first, 10u); // the end of the short line
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Selection(memo).first, 17u); // back in column 5
    headless::KeyChord({VK_CONTROL, VK_HOME});
    headless::KeyChord({VK_SHIFT, VK_END});
    EXPECT_EQ(Selection(memo), std::make_pair(DWORD{0}, DWORD{6}));
    headless::KeyChord({VK_CONTROL, VK_END});
    EXPECT_EQ(Selection(memo).first, 18u);
    headless::KeyPress(VK_RETURN);
    headless::KeyPress(VK_TAB);
    EXPECT_EQ(GetWindowTextString(memo), "abcdef\r\nab\r\nabcdef\r\n\t");
    headless::KeyPress(VK_BACK);
    headless::KeyPress(VK_BACK); // a line break goes in one step
    EXPECT_EQ(GetWindowTextString(memo), "abcdef\r\nab\r\nabcdef");
}

TEST_F(EditTest, PaintsWithTheParentsColoursSelectionAndDisabledText) {
    m_log.brush = CreateSolidBrush(RGB(255, 255, 224));
    m_log.textColor = RGB(0, 0, 128);
    const HWND edit = Edit(ES_AUTOHSCROLL, "KKK");
    UpdateWindow(edit);
    EXPECT_EQ(headless::Pixel(edit, 200, 5), RGB(255, 255, 224));
    EXPECT_TRUE(CellHas(edit, 1, 7, 0, 12, RGB(0, 0, 128)));
    EXPECT_FALSE(CellHas(edit, 1, 7, 0, 12, 0));

    SetFocus(edit);
    SendMessage(edit, EM_SETSEL, 0, 1);
    UpdateWindow(edit);
    EXPECT_TRUE(CellHas(edit, 1, 7, 0, 12, GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(CellHas(edit, 1, 7, 0, 12, GetSysColor(COLOR_HIGHLIGHTTEXT)));
    EXPECT_FALSE(CellHas(edit, 7, 13, 0, 12, GetSysColor(COLOR_HIGHLIGHT)));

    SetFocus(m_parent); // the selection hides with the focus
    EnableWindow(edit, FALSE);
    UpdateWindow(edit);
    EXPECT_GT(m_log.staticColorRequests, 0);
    EXPECT_TRUE(CellHas(edit, 1, 7, 0, 12, GetSysColor(COLOR_GRAYTEXT)));
    EXPECT_FALSE(CellHas(edit, 1, 7, 0, 12, GetSysColor(COLOR_HIGHLIGHT)));
}

TEST_F(EditTest, LongLinesPaintTheColumnsInViewAfterScrollingSideways) {
    const HWND memo = Edit(ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, "", 300, 60);
    std::string line(12000, ' ');
    line.replace(6000, 3, "Kiv");
    SetWindowText(memo, line.c_str());
    UpdateWindow(memo);
    EXPECT_FALSE(CellHas(memo, 0, 300, 0, 12, 0));
    // Character 6000 starts 36000 pixels into the line: scroll it to the left edge.
    SendMessage(memo, EM_LINESCROLL, 6000, 0);
    UpdateWindow(memo);
    EXPECT_TRUE(CellHas(memo, 1, 19, 0, 12, 0));
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo, SB_HORZ, &info));
    EXPECT_EQ(info.nPos, 36000);
    const LRESULT pos = SendMessage(memo, EM_CHARFROMPOS, 0, MAKELPARAM(1 + 6 * 2 + 1, 5));
    EXPECT_EQ(LOWORD(static_cast<std::uintptr_t>(pos)), static_cast<WORD>(6002));
}

TEST_F(EditTest, BadArgumentsAndDestructionFromANotificationAreSafe) {
    const HWND edit = Edit(ES_AUTOHSCROLL, "汉字");
    EXPECT_EQ(SendMessage(edit, EM_GETSEL, 0, 0), 0);
    EXPECT_EQ(SendMessage(edit, WM_GETTEXT, 0, 0), 0);
    char small[4] = {};
    EXPECT_EQ(SendMessage(edit, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)),
              3); // one whole character
    EXPECT_STREQ(small, "汉");
    char line[8] = {};
    line[0] = 4; // the size word: four bytes, not enough for two characters
    EXPECT_EQ(SendMessage(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(line)), 3);
    SendMessage(edit, EM_SETSEL, 3, 1000000000);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{6}));
    SendMessage(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0); // no selection; the caret stays
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{6}, DWORD{6}));
    SendMessage(edit, EM_SETSEL, 1, 4); // inside characters: back to their starts
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{3}));
    EXPECT_EQ(SendMessage(edit, EM_LINEINDEX, 100, 0), -1);
    EXPECT_EQ(SendMessage(edit, EM_POSFROMCHAR, 100, 0), -1);
    SendMessage(edit, EM_REPLACESEL, 0, 0);
    SendMessage(edit, WM_SETTEXT, 0, 0);
    EXPECT_EQ(GetWindowTextLength(edit), 0);

    // The parent destroys the field in answer to its change notification, in the middle of typing.
    SetFocus(edit);
    m_log.onCommand = [](WORD code, HWND from) {
        if (code == EN_CHANGE) DestroyWindow(from);
    };
    headless::TypeText("abc");
    EXPECT_FALSE(IsWindow(edit));
    EXPECT_EQ(SendMessage(edit, WM_GETTEXTLENGTH, 0, 0), 0);
    m_log.onCommand = nullptr;
}

TEST_F(EditTest, MemoWithoutSidewaysScrollingWrapsAtWordsToItsWidth) {
    // 60 pixels of text: ten Latin letters of 6 pixels; rows of 12 pixels, three in view.
    const HWND memo = Edit(ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, "", 62, 36);
    SetWindowText(memo, "aaa bbb ccc ddddddddddddddd\r\nxy");
    // "aaa bbb " | "ccc " | ten d | five d | "xy": blanks stay at the row's end, a long word breaks anywhere.
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 5);
    const std::vector<LRESULT> starts{0, 8, 12, 22, 29};
    for (std::size_t row = 0; row < starts.size(); ++row)
        EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, row, 0), starts[row]) << row;
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, 5, 0), -1);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, 11, 0), 1);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, 12, 0), 2);
    EXPECT_EQ(SendMessage(memo, EM_LINEFROMCHAR, 27, 0), 3);
    EXPECT_EQ(SendMessage(memo, EM_LINELENGTH, 12, 0), 10);
    char row[16] = {};
    row[0] = static_cast<char>(sizeof row);
    EXPECT_EQ(SendMessage(memo, EM_GETLINE, 0, reinterpret_cast<LPARAM>(row)), 8);
    EXPECT_EQ(std::string(row, 8), "aaa bbb ");
    EXPECT_EQ(SendMessage(memo, EM_POSFROMCHAR, 12, 0), MAKELPARAM(1, 24));

    // "ccc" is painted on the second row; nothing reaches past the first row's "bbb".
    UpdateWindow(memo);
    EXPECT_TRUE(CellHas(memo, 1, 19, 12, 24, 0));
    EXPECT_FALSE(CellHas(memo, 43, 62, 0, 12, 0));
    EXPECT_FALSE(CellHas(memo, 19, 62, 12, 24, 0));

    // The caret moves by rows; End stays on a broken row; the view follows the caret down.
    SetFocus(memo);
    SendMessage(memo, EM_SETSEL, 1, 1);
    headless::KeyPress(VK_DOWN);
    EXPECT_EQ(Selection(memo).first, 9u);
    headless::KeyPress(VK_DOWN);
    headless::KeyPress(VK_END);
    EXPECT_EQ(Selection(memo).first, 21u);
    EXPECT_EQ(FirstVisibleLine(memo), 0);
    headless::KeyChord({VK_CONTROL, VK_END});
    EXPECT_EQ(Selection(memo).first, 31u);
    EXPECT_EQ(FirstVisibleLine(memo), 2);

    // Wider, the rows are broken again.
    SetWindowPos(memo, nullptr, 0, 0, 122, 36, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(SendMessage(memo, EM_GETLINECOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, 1, 0), 12);
    // Typing re-breaks too: the first word grows past the row.
    SendMessage(memo, EM_SETSEL, 0, 0);
    SendMessage(memo, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("zzzzzzzzz"));
    EXPECT_EQ(SendMessage(memo, EM_LINEINDEX, 1, 0), 21);
    // An appended line is reported by its row: the first line takes two.
    EXPECT_EQ(SendMessage(memo, EM_APPENDLINE, 0, reinterpret_cast<LPARAM>("qq")), 3);
}

} // namespace
} // namespace win
