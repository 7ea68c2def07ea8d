// Tests of GetOpenFileName on the headless display, driving the real dialog with mouse and keys while its
// modal loop waits: listing with a filter, choosing by double click and by typed names, folders, cancelling,
// the explorer-style hook's notifications and queries, refusal, the child template around stc32, and bad
// records.
#include "DialogsTestSupport.h"

#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/MessageBox.h"
#include "platform/system/Files.h"
#include "platform/system/Language.h"

#include <cstring>
#include <vector>

namespace win {
namespace {

using dialogstest::DialogsTest;

// What the hook saw.
struct HookLog {
    OPENFILENAME* initParam = nullptr;
    HWND child = nullptr;
    std::vector<UINT> codes;
    std::vector<std::string> paths; // CDM_GETFILEPATH on CDN_SELCHANGE, CDM_GETFOLDERPATH on CDN_FOLDERCHANGE
    int refuseFileOk = 0;
    DWORD filterIndexOnTypeChange = 0;
    RECT childClient{};
    RECT placeholder{};
    RECT extra{};
    std::vector<SIZE> sizes;
};
HookLog g_log;

RECT RectIn(HWND hwnd, HWND parent) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string Ask(HWND dialog, UINT query) {
    char buffer[MAX_PATH] = {};
    SendMessage(dialog, query, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

UINT_PTR RecordingHook(HWND hwnd, UINT msg, WPARAM, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        g_log.initParam = reinterpret_cast<OPENFILENAME*>(lParam);
        g_log.child = hwnd;
        return TRUE;
    }
    if (msg == WM_SIZE) g_log.sizes.push_back(SIZE{LOWORD(lParam), HIWORD(lParam)});
    if (msg != WM_NOTIFY) return 0;
    const auto* note = reinterpret_cast<const OFNOTIFY*>(lParam);
    const UINT code = note->hdr.code;
    g_log.codes.push_back(code);
    if (code == CDN_SELCHANGE) g_log.paths.push_back(Ask(GetParent(hwnd), CDM_GETFILEPATH));
    if (code == CDN_FOLDERCHANGE) g_log.paths.push_back(Ask(GetParent(hwnd), CDM_GETFOLDERPATH));
    if (code == CDN_TYPECHANGE) g_log.filterIndexOnTypeChange = note->lpOFN->nFilterIndex;
    if (code == CDN_INITDONE) {
        GetClientRect(hwnd, &g_log.childClient);
        if (HWND ph = GetDlgItem(hwnd, stc32)) g_log.placeholder = RectIn(ph, hwnd);
        if (HWND extra = GetDlgItem(hwnd, 500)) g_log.extra = RectIn(extra, hwnd);
    }
    if (code == CDN_FILEOK && g_log.refuseFileOk > 0) {
        --g_log.refuseFileOk;
        SetWindowLongPtr(hwnd, DWLP_MSGRESULT, 1);
        return TRUE;
    }
    return 0;
}

class OpenFileDialogTest : public DialogsTest {
protected:
    void SetUp() override {
        DialogsTest::SetUp();
        g_log = HookLog{};
        MakeSampleFolder();
        std::memset(m_file, 0, sizeof m_file);
        m_ofn.lStructSize = sizeof(OPENFILENAME);
        m_ofn.hwndOwner = MakeOwner();
        m_ofn.lpstrFilter = "Bitmaps (*.bmp)\0*.bmp\0\0";
        m_ofn.nFilterIndex = 1;
        m_ofn.lpstrFile = m_file;
        m_ofn.nMaxFile = MAX_PATH;
        m_ofn.lpstrFileTitle = m_title;
        m_ofn.nMaxFileTitle = sizeof m_title;
        m_ofn.lpstrInitialDir = m_folder.c_str();
        m_ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    }
    void UseHook() {
        m_ofn.Flags |= OFN_ENABLEHOOK;
        m_ofn.lpfnHook = &RecordingHook;
    }
    static HWND Host() { return FindWindow(WC_DIALOG, "Open"); }
    static HWND Control(int id) { return GetDlgItem(Host(), id); }
    static std::vector<std::string> Listed() {
        std::vector<std::string> names;
        HWND list = Control(lst1);
        const auto count = SendMessage(list, LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) names.push_back(ItemText(list, i));
        return names;
    }
    BOOL Run() {
        m_script.Install();
        return GetOpenFileName(&m_ofn);
    }

    OPENFILENAME m_ofn;
    char m_file[MAX_PATH];
    char m_title[64] = {};
};

TEST_F(OpenFileDialogTest, FilterListsFoldersThenMatchingFilesAndDoubleClickChoosesThePath) {
    std::vector<std::string> listed;
    bool ownerDisabled = false;
    m_script.Then([&] {
        listed = Listed();
        ownerDisabled = !IsWindowEnabled(m_owner);
        DoubleClickItem(Control(lst1), 2);
    });
    ASSERT_EQ(Run(), TRUE);
    EXPECT_EQ(listed, (std::vector<std::string>{"sub", "a.bmp", "b.BMP"}));
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(m_owner));
    const std::string path = m_folder + "/b.BMP";
    EXPECT_EQ(std::string(m_file), path);
    EXPECT_EQ(m_ofn.nFileOffset, m_folder.size() + 1);
    EXPECT_STREQ(m_file + m_ofn.nFileExtension, "BMP");
    EXPECT_STREQ(m_title, "b.BMP");
    EXPECT_EQ(Host(), nullptr);
    // Without OFN_NOCHANGEDIR the chosen file's folder becomes the current one.
    char cwd[MAX_PATH] = {};
    GetCurrentDirectory(sizeof cwd, cwd);
    EXPECT_EQ(std::string(cwd), m_folder);
}

TEST_F(OpenFileDialogTest, ATypedNameNeedNotExistAndResolvesAgainstTheFolder) {
    m_ofn.Flags |= OFN_NOCHANGEDIR;
    m_script.Then([] {
        headless::TypeText("new.bmp");
        headless::KeyPress(VK_RETURN);
    });
    ASSERT_EQ(Run(), TRUE);
    EXPECT_EQ(std::string(m_file), m_folder + "/new.bmp");

    // Relative parts resolve too, and an existing file named with them is the same path.
    m_script.Then([] {
        headless::TypeText("sub/../a.bmp");
        headless::KeyPress(VK_RETURN);
    });
    ASSERT_EQ(Run(), TRUE);
    EXPECT_EQ(std::string(m_file), m_folder + "/a.bmp");
}

TEST_F(OpenFileDialogTest, FileMustExistRefusesAMissingNameWithAMessageAndStaysOpen) {
    m_ofn.Flags |= OFN_FILEMUSTEXIST;
    std::strcpy(m_file, "keep.bmp");
    std::string told;
    SetMessageBoxHook([&](const MessageBoxInfo& box) {
        told = box.text;
        return IDOK;
    });
    bool stillOpen = false;
    m_script.Then([] {
        SetWindowText(Control(edt1), "");
        headless::TypeText("missing.bmp");
        headless::KeyPress(VK_RETURN);
    });
    m_script.Then([&] {
        stillOpen = Host() != nullptr;
        ClickCentre(Control(IDCANCEL));
    });
    EXPECT_EQ(Run(), FALSE);
    SetMessageBoxHook({});
    EXPECT_TRUE(stillOpen);
    EXPECT_NE(told.find("missing.bmp"), std::string::npos);
    EXPECT_NE(told.find("File not found."), std::string::npos);
    EXPECT_STREQ(m_file, "keep.bmp"); // a cancelled run leaves the record as it was
}

TEST_F(OpenFileDialogTest, CancelAndEscapeReturnFalseWithoutAnError) {
    std::strcpy(m_file, "keep.bmp");
    std::string field;
    m_script.Then([&] {
        field = GetWindowTextString(Control(edt1));
        ClickCentre(Control(IDCANCEL));
    });
    EXPECT_EQ(Run(), FALSE);
    EXPECT_EQ(field, "keep.bmp");
    EXPECT_STREQ(m_file, "keep.bmp");

    m_script.Then([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(Run(), FALSE);
}

TEST_F(OpenFileDialogTest, HookGetsInitDoneFolderChangeThenSelectionChangesWithThePathSelected) {
    UseHook();
    m_script.Then([&] { ClickItem(Control(lst1), 1); }); // a.bmp
    m_script.Then([&] { ClickItem(Control(lst1), 0); }); // the folder "sub"
    m_script.Then([] { headless::KeyPress(VK_ESCAPE); });
    EXPECT_EQ(Run(), FALSE);
    EXPECT_EQ(g_log.initParam, &m_ofn);
    ASSERT_NE(g_log.child, nullptr);
    EXPECT_EQ(g_log.codes, (std::vector<UINT>{CDN_INITDONE, CDN_FOLDERCHANGE, CDN_SELCHANGE, CDN_SELCHANGE}));
    EXPECT_EQ(g_log.paths, (std::vector<std::string>{m_folder, m_folder + "/a.bmp", m_folder + "/sub"}));
}

TEST_F(OpenFileDialogTest, EnteringFoldersByNameByDoubleClickAndUpNotifiesTheHook) {
    UseHook();
    std::vector<std::string> inSub;
    m_script.Then([] {
        headless::TypeText("sub");
        headless::KeyPress(VK_RETURN);
    });
    m_script.Then([&] {
        inSub = Listed();
        ClickCentre(Control(psh1));
    });
    m_script.Then([&] { DoubleClickItem(Control(lst1), 0); });
    m_script.Then([&] { DoubleClickItem(Control(lst1), 0); }); // d.bmp
    ASSERT_EQ(Run(), TRUE);
    EXPECT_EQ(inSub, (std::vector<std::string>{"d.bmp"}));
    EXPECT_EQ(std::string(m_file), m_folder + "/sub/d.bmp");
    std::vector<std::string> folders;
    for (std::size_t i = 0, p = 0; i < g_log.codes.size(); ++i) {
        if (g_log.codes[i] == CDN_FOLDERCHANGE) folders.push_back(g_log.paths[p]);
        if (g_log.codes[i] == CDN_FOLDERCHANGE || g_log.codes[i] == CDN_SELCHANGE) ++p;
    }
    EXPECT_EQ(folders, (std::vector<std::string>{m_folder, m_folder + "/sub", m_folder, m_folder + "/sub"}));
    EXPECT_EQ(g_log.codes.back(), CDN_FILEOK);
}

TEST_F(OpenFileDialogTest, RefusedFileOkKeepsTheDialogOpenUntilAnotherChoiceIsAccepted) {
    UseHook();
    g_log.refuseFileOk = 1;
    bool stillOpen = false;
    m_script.Then([&] { DoubleClickItem(Control(lst1), 1); }); // a.bmp: refused
    m_script.Then([&] {
        stillOpen = Host() != nullptr;
        DoubleClickItem(Control(lst1), 2); // b.BMP
    });
    ASSERT_EQ(Run(), TRUE);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(std::string(m_file), m_folder + "/b.BMP");
    EXPECT_EQ(std::count(g_log.codes.begin(), g_log.codes.end(), CDN_FILEOK), 2);
}

TEST_F(OpenFileDialogTest, AnotherFilterRelistsAndReportsItsIndexButCancelRestoresIt) {
    UseHook();
    m_ofn.lpstrFilter = "Bitmaps\0*.bmp\0Text files\0*.TXT;*.text\0\0";
    std::vector<std::string> listed;
    m_script.Then([] {
        SetFocus(Control(cmb1));
        headless::KeyPress(VK_DOWN);
    });
    m_script.Then([&] {
        listed = Listed();
        headless::KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(Run(), FALSE);
    EXPECT_EQ(listed, (std::vector<std::string>{"sub", "c.txt"}));
    EXPECT_EQ(g_log.filterIndexOnTypeChange, 2u);
    EXPECT_NE(std::find(g_log.codes.begin(), g_log.codes.end(), CDN_TYPECHANGE), g_log.codes.end());
    EXPECT_EQ(m_ofn.nFilterIndex, 1u);
}

TEST_F(OpenFileDialogTest, TemplatePlaceholderReceivesTheStandardPartAndTheRestMovesAroundIt) {
    UseHook();
    // The picture dialog's template: a 316 x 76 child with stc32 at 0, 0, 204 x 76; one more control at its
    // right.
    DialogTemplate t;
    t.style = 0x54000444;
    t.cx = 316;
    t.cy = 76;
    DialogItemTemplate ph;
    ph.className = "STATIC";
    ph.id = stc32;
    ph.style = 0x40020000;
    ph.cx = 204;
    ph.cy = 76;
    DialogItemTemplate extra;
    extra.className = "STATIC";
    extra.id = 500;
    extra.style = WS_CHILD | WS_VISIBLE;
    extra.x = 208;
    extra.y = 4;
    extra.cx = 100;
    extra.cy = 12;
    t.items = {ph, extra};
    ASSERT_TRUE(RegisterDialogTemplate(nullptr, "DLGTEMPLATE", t));
    m_ofn.Flags |= OFN_ENABLETEMPLATE;
    m_ofn.lpTemplateName = "DLGTEMPLATE";
    RECT host{}, okButton{}, extraAfterSizing{};
    m_script.Then([&] {
        GetClientRect(Host(), &host);
        okButton = RectIn(Control(IDOK), Host());
        RECT outer;
        GetWindowRect(Host(), &outer);
        SetWindowPos(Host(), nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top + 50,
                     SWP_NOMOVE | SWP_NOZORDER);
        extraAfterSizing = RectIn(GetDlgItem(g_log.child, 500), g_log.child);
        headless::KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(Run(), FALSE);
    // stc32 grows from 306 x 114 pixels to the standard part's 430 x 264; the child grows by as much.
    EXPECT_EQ(g_log.placeholder, (RECT{0, 0, 430, 264}));
    EXPECT_EQ(g_log.childClient, (RECT{0, 0, 474 + 124, 264}));
    EXPECT_EQ(g_log.extra, (RECT{312 + 124, 6, 462 + 124, 24}));
    EXPECT_EQ(host, g_log.childClient);
    EXPECT_EQ(okButton.right, 430 - 8);
    // Sizing the dialog sizes the child (WM_SIZE) and moves the controls right of the placeholder with it.
    ASSERT_FALSE(g_log.sizes.empty());
    EXPECT_EQ(g_log.sizes.back().cx, 598 + 100);
    EXPECT_EQ(g_log.sizes.back().cy, 264 + 50);
    EXPECT_EQ(extraAfterSizing.left, 436 + 100);
}

TEST_F(OpenFileDialogTest, ABufferTooSmallFailsWithTheSizeItNeeds) {
    m_ofn.nMaxFile = 8;
    m_script.Then([&] { DoubleClickItem(Control(lst1), 1); });
    EXPECT_EQ(Run(), FALSE);
    WORD needed = 0;
    std::memcpy(&needed, m_file, sizeof needed);
    EXPECT_EQ(needed, m_folder.size() + std::strlen("/a.bmp") + 1);
}

TEST_F(OpenFileDialogTest, BadRecordsFailWithTheirCodesAndShowNothing) {
    EXPECT_EQ(GetOpenFileName(nullptr), FALSE);

    OPENFILENAME bad = m_ofn;
    bad.lStructSize = 12;
    EXPECT_EQ(GetOpenFileName(&bad), FALSE);

    bad = m_ofn;
    bad.Flags |= OFN_ENABLEHOOK;
    EXPECT_EQ(GetOpenFileName(&bad), FALSE);

    bad = m_ofn;
    bad.Flags |= OFN_ENABLETEMPLATE;
    bad.lpTemplateName = "NO SUCH TEMPLATE";
    EXPECT_EQ(GetOpenFileName(&bad), FALSE);

    bad = m_ofn;
    DestroyWindow(m_owner);
    EXPECT_EQ(GetOpenFileName(&bad), FALSE);

    bad.hwndOwner = nullptr;
    bad.lpstrFile = nullptr;
    EXPECT_EQ(GetOpenFileName(&bad), FALSE);
    EXPECT_EQ(Host(), nullptr);
}

// In Chinese the host's title, labels and buttons are Chinese, with their access keys.
TEST_F(OpenFileDialogTest, SpeaksChineseWhenTheUserDoes) {
    SetUserLanguageForTesting(UiLanguage::Chinese);
    HWND host = nullptr;
    std::vector<std::string> texts;
    m_script.Then([&] {
        host = FindWindow(WC_DIALOG, "打开");
        for (int id : {stc4, stc3, stc2, IDOK, IDCANCEL})
            texts.push_back(GetWindowTextString(GetDlgItem(host, id)));
        PostMessage(host, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(Run(), FALSE);
    SetUserLanguageForTesting(std::nullopt);
    EXPECT_NE(host, nullptr);
    EXPECT_EQ(texts, (std::vector<std::string>{"查找范围(&I):", "文件名(&N):", "文件类型(&T):", "打开(&O)",
                                               "取消"}));
}

} // namespace
} // namespace win
