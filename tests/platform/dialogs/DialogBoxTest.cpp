// Tests of dialogs made from templates on the headless display: units and placement, the item helpers, the
// dialog keys driven by real key presses in a modal run, the dialog procedure's results, and the reader of
// binary templates.
#include "DialogsTestSupport.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"

#include <cstring>
#include <vector>

namespace win {
namespace {

using dialogstest::DialogsTest;

constexpr int kEdit = 100;
constexpr int kRadio1 = 201;
constexpr int kRadio2 = 202;
constexpr int kLabel = 300;
constexpr UINT kAskResult = WM_USER + 50;
constexpr UINT kAskNested = WM_USER + 51;

struct ProcLog {
    LPARAM initParam = 0;
    HWND initFocus = nullptr;
    std::vector<int> commands;
    int endOn = IDCANCEL;
    INT_PTR endWith = 77;
};
ProcLog g_proc;

INT_PTR TestProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        g_proc.initParam = lParam;
        g_proc.initFocus = reinterpret_cast<HWND>(wParam);
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        g_proc.commands.push_back(LOWORD(wParam));
        if (LOWORD(wParam) == g_proc.endOn) EndDialog(hwnd, g_proc.endWith);
        return TRUE;
    case kAskResult:
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 1234);
        return TRUE;
    case kAskNested:
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 55);
        SendMessage(hwnd, kAskResult, 0, 0); // must not change this message's result
        return TRUE;
    default:
        return FALSE;
    }
}

DialogItemTemplate Item(const char* cls, int id, const char* text, DWORD style, int x, int y, int cx,
                        int cy) {
    DialogItemTemplate item;
    item.className = cls;
    item.id = static_cast<WORD>(id);
    item.text = text;
    item.style = WS_CHILD | WS_VISIBLE | style;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    return item;
}

// An edit, OK (default) and Cancel, a group of two radio buttons, and a label.
DialogTemplate SampleTemplate() {
    DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.x = 10;
    t.y = 20;
    t.cx = 200;
    t.cy = 100;
    t.title = "Sample";
    t.items = {
        Item(WC_EDIT, kEdit, "text", WS_TABSTOP | WS_GROUP | WS_BORDER | ES_AUTOHSCROLL, 10, 10, 100, 14),
        Item(WC_BUTTON, IDOK, "OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 10, 70, 50, 14),
        Item(WC_BUTTON, IDCANCEL, "Cancel", WS_TABSTOP | BS_PUSHBUTTON, 70, 70, 50, 14),
        Item(WC_BUTTON, kRadio1, "One", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 10, 30, 60, 10),
        Item(WC_BUTTON, kRadio2, "Two", BS_AUTORADIOBUTTON, 10, 42, 60, 10),
        Item(WC_STATIC, kLabel, "Label", WS_GROUP, 130, 10, 60, 10)};
    return t;
}

bool IsDefaultLook(HWND button) {
    return (GetWindowLong(button, GWL_STYLE) & BS_TYPEMASK) == static_cast<LONG>(BS_DEFPUSHBUTTON);
}

class DialogBoxTest : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        g_proc = ProcLog{};
    }
};

TEST_F(DialogBoxTest, TemplateIsLaidOutInDialogUnitsAndItemsAnswerByIdentifier) {
    HWND owner = MakeOwner();
    const DialogTemplate t = SampleTemplate();
    HWND dialog = CreateDialogIndirectParam(nullptr, &t, owner, &TestProc, 4242);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetClassNameString(dialog), WC_DIALOG);
    EXPECT_EQ(g_proc.initParam, 4242);
    EXPECT_EQ(g_proc.initFocus, GetDlgItem(dialog, kEdit));

    RECT client;
    GetClientRect(dialog, &client);
    EXPECT_EQ(client, (RECT{0, 0, 300, 150}));
    POINT origin{0, 0}, ownerOrigin{0, 0};
    ClientToScreen(dialog, &origin);
    ClientToScreen(owner, &ownerOrigin);
    EXPECT_EQ(origin.x - ownerOrigin.x, 15);
    EXPECT_EQ(origin.y - ownerOrigin.y, 30);
    RECT edit;
    GetWindowRect(GetDlgItem(dialog, kEdit), &edit);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&edit), 2);
    EXPECT_EQ(edit, (RECT{15, 15, 165, 36}));
    EXPECT_EQ(GetDlgCtrlID(GetDlgItem(dialog, kLabel)), kLabel);
    EXPECT_EQ(SendMessage(GetDlgItem(dialog, IDOK), WM_GETFONT, 0, 0), SendMessage(dialog, WM_GETFONT, 0, 0));

    EXPECT_TRUE(SetDlgItemText(dialog, kEdit, "hello"));
    EXPECT_EQ(GetDlgItemTextString(dialog, kEdit), "hello");
    EXPECT_EQ(SendDlgItemMessage(dialog, kEdit, WM_GETTEXTLENGTH, 0, 0), 5);
    EXPECT_FALSE(SetDlgItemText(dialog, 999, "x"));
    EXPECT_EQ(GetLastError(), ERROR_CONTROL_ID_NOT_FOUND);
    DestroyWindow(dialog);
    EXPECT_FALSE(SetDlgItemText(dialog, kEdit, "x"));
}

TEST_F(DialogBoxTest, TabArrowsEnterAndEscapeMoveAndPressAsInAnyDialog) {
    HWND owner = MakeOwner();
    const DialogTemplate t = SampleTemplate();
    HWND dialog = nullptr, edit = nullptr, ok = nullptr, cancel = nullptr, radio1 = nullptr, radio2 = nullptr;
    std::vector<HWND> focus;
    bool editAllSelected = false, cancelDefault = false, okPlainMeanwhile = false, ownerDisabled = false;
    bool secondChecked = false;
    auto note = [&] { focus.push_back(GetFocus()); };
    m_script.Then([&] {
        dialog = FindWindow(WC_DIALOG, "Sample");
        edit = GetDlgItem(dialog, kEdit);
        ok = GetDlgItem(dialog, IDOK);
        cancel = GetDlgItem(dialog, IDCANCEL);
        radio1 = GetDlgItem(dialog, kRadio1);
        radio2 = GetDlgItem(dialog, kRadio2);
        ownerDisabled = !IsWindowEnabled(owner);
        note();
        headless::KeyPress(VK_TAB);
    });
    m_script.Then([&] {
        note();
        headless::KeyPress(VK_TAB);
    });
    m_script.Then([&] {
        note();
        cancelDefault = IsDefaultLook(cancel);
        okPlainMeanwhile = !IsDefaultLook(ok);
        headless::KeyChord({VK_SHIFT, VK_TAB});
    });
    m_script.Then([&] {
        note();
        headless::KeyPress(VK_TAB);
        headless::KeyPress(VK_TAB);
    });
    m_script.Then([&] {
        note();
        headless::KeyPress(VK_DOWN);
    });
    m_script.Then([&] {
        note();
        secondChecked = SendDlgItemMessage(dialog, kRadio2, BM_GETCHECK, 0, 0) == BST_CHECKED;
        headless::KeyPress(VK_TAB);
    });
    m_script.Then([&] {
        note();
        DWORD start = 0, end = 0;
        SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        editAllSelected = start == 0 && end == 4;
        headless::KeyPress(VK_RETURN);
    });
    m_script.Then([] { headless::KeyPress(VK_ESCAPE); });
    m_script.Install();
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, &t, owner, &TestProc, 0), 77);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindow(dialog));
    // Tab: edit, OK, Cancel; Shift+Tab back to OK; Tab twice to the first radio button; Down to the second
    // one of its group; Tab from there wraps past the label (no tab stop) to the edit.
    EXPECT_EQ(focus, (std::vector<HWND>{edit, ok, cancel, ok, radio1, radio2, edit}));
    EXPECT_TRUE(cancelDefault);
    EXPECT_TRUE(okPlainMeanwhile);
    EXPECT_TRUE(editAllSelected);
    EXPECT_TRUE(secondChecked);
    // Enter in the edit presses the default button; Escape is Cancel.
    EXPECT_EQ(g_proc.commands, (std::vector<int>{kRadio2, IDOK, IDCANCEL}));
}

TEST_F(DialogBoxTest, ProcedureResultsDefaultHandlingAndEndDialog) {
    const DialogTemplate t = SampleTemplate();
    HWND dialog = CreateDialogIndirectParam(nullptr, &t, nullptr, &TestProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(SendMessage(dialog, kAskResult, 0, 0), 1234);
    EXPECT_EQ(SendMessage(dialog, kAskNested, 0, 0), 55);
    EXPECT_EQ(SendMessage(dialog, WM_USER + 99, 0, 0), 0);
    EXPECT_EQ(SendMessage(dialog, DM_GETDEFID, 0, 0), MAKELONG(IDOK, DC_HASDEFID));
    EXPECT_EQ(SendMessage(dialog, WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(dialog)),
              reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));

    // Closing is the Cancel button; the modeless dialog is hidden by EndDialog, not destroyed.
    g_proc.endOn = IDCANCEL;
    SendMessage(dialog, WM_CLOSE, 0, 0);
    headless::Pump();
    EXPECT_EQ(g_proc.commands, (std::vector<int>{IDCANCEL}));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));

    // Another default id: Enter presses it.
    SendMessage(dialog, DM_SETDEFID, kRadio1, 0);
    ShowWindow(dialog, SW_SHOW);
    SetFocus(GetDlgItem(dialog, kEdit));
    MSG msg{GetDlgItem(dialog, kEdit), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessage(dialog, &msg));
    EXPECT_EQ(g_proc.commands.back(), kRadio1);
    MSG elsewhere{MakeOwner(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(IsDialogMessage(dialog, &elsewhere));
    DestroyWindow(dialog);

    HWND plain = MakeOwner();
    EXPECT_FALSE(EndDialog(plain, 1));
    EXPECT_EQ(GetLastError(), ERROR_WINDOW_NOT_DIALOG);
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, nullptr, nullptr, &TestProc, 0), -1);
    DestroyWindow(plain);
    EXPECT_EQ(DialogBoxIndirectParam(nullptr, &t, plain, &TestProc, 0), -1);
    EXPECT_EQ(GetNextDlgTabItem(plain, nullptr, FALSE), nullptr);
}

// The picture dialog's child template in the platform's binary layout (82 bytes).
std::vector<BYTE> PictureTemplateBytes() {
    std::vector<BYTE> b;
    auto word = [&b](unsigned w) {
        b.push_back(static_cast<BYTE>(w & 0xFF));
        b.push_back(static_cast<BYTE>(w >> 8));
    };
    auto dword = [&](unsigned long d) {
        word(static_cast<unsigned>(d & 0xFFFF));
        word(static_cast<unsigned>(d >> 16));
    };
    dword(0x54000444);
    dword(0);
    word(1);
    for (unsigned v : {0u, 0u, 316u, 76u}) word(v);
    word(0); // menu
    word(0); // class
    word(0); // title
    word(8);
    for (char c : std::string("MS Sans Serif")) word(static_cast<unsigned char>(c));
    word(0);
    while (b.size() % 4) b.push_back(0);
    dword(0x40020000);
    dword(0);
    for (unsigned v : {0u, 0u, 204u, 76u}) word(v);
    word(1119);
    word(0xFFFF);
    word(0x0082);
    word(0); // text
    word(0); // extra bytes
    return b;
}

TEST_F(DialogBoxTest, BinaryTemplatesAreReadFieldByFieldAndShortDataIsRefused) {
    const std::vector<BYTE> bytes = PictureTemplateBytes();
    ASSERT_EQ(bytes.size(), 82u);
    DialogTemplate t;
    ASSERT_TRUE(DialogTemplateFromBytes(bytes.data(), bytes.size(), &t));
    EXPECT_EQ(t.style, 0x54000444u);
    EXPECT_EQ(t.cx, 316);
    EXPECT_EQ(t.cy, 76);
    EXPECT_EQ(t.fontFace, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    ASSERT_EQ(t.items.size(), 1u);
    EXPECT_EQ(t.items[0].className, "STATIC");
    EXPECT_EQ(t.items[0].id, stc32);
    EXPECT_EQ(t.items[0].style, 0x40020000u);
    EXPECT_EQ(t.items[0].cx, 204);
    EXPECT_EQ(DialogUnitsToPixelsX(t.cx), 474);
    EXPECT_EQ(DialogUnitsToPixelsY(t.cy), 114);
    for (std::size_t n = 0; n < bytes.size(); ++n)
        EXPECT_FALSE(DialogTemplateFromBytes(bytes.data(), n, &t)) << n;
    std::vector<BYTE> extended = bytes;
    extended[0] = 1;
    extended[1] = 0;
    extended[2] = 0xFF;
    extended[3] = 0xFF;
    EXPECT_FALSE(DialogTemplateFromBytes(extended.data(), extended.size(), &t));
    std::vector<BYTE> unknownClass = bytes;
    unknownClass[76] = 0x99;
    EXPECT_FALSE(DialogTemplateFromBytes(unknownClass.data(), unknownClass.size(), &t));
}

} // namespace
} // namespace win
