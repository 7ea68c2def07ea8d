// The fixture, scripts and sample folder of the dialog tests.
#include "DialogsTestSupport.h"

#include "platform/controls/list/ListMessages.h"
#include "platform/system/Files.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace dialogstest {

using namespace win;

void Script::Install() {
    headless::SetIdleHook([this] {
        if (m_steps.empty()) return;
        const std::function<void()> step = std::move(m_steps.front());
        m_steps.pop_front();
        step();
    });
}

void DialogsTest::SetUp() {
    headless::Use();
    ASSERT_TRUE(RegisterStandardControls());
    char cwd[4096] = {};
    GetCurrentDirectory(sizeof cwd, cwd);
    m_savedCwd = cwd;
}

void DialogsTest::TearDown() {
    headless::SetIdleHook({});
    headless::Use();
    SetCurrentDirectory(m_savedCwd.c_str());
    if (!m_folder.empty()) std::filesystem::remove_all(m_folder);
}

std::string DialogsTest::MakeSampleFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "glyphloom-dialogs-XXXXXX").string();
    if (!mkdtemp(pattern.data())) return {};
    m_folder = pattern;
    for (const char* name : {"a.bmp", "b.BMP", "c.txt"}) std::ofstream(m_folder + "/" + name) << "x";
    std::filesystem::create_directory(m_folder + "/sub");
    std::ofstream(m_folder + "/sub/d.bmp") << "x";
    return m_folder;
}

HWND DialogsTest::MakeOwner() {
    WNDCLASS wc;
    if (!GetClassInfo(nullptr, "DialogsTestOwner", &wc)) {
        wc = WNDCLASS{};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "DialogsTestOwner";
        RegisterClass(&wc);
    }
    m_owner = CreateWindowEx(0, "DialogsTestOwner", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 700,
                             500, nullptr, nullptr, nullptr, nullptr);
    headless::Pump();
    return m_owner;
}

void DialogsTest::ClickCentre(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    headless::Click(hwnd, r.right / 2, r.bottom / 2);
}

void DialogsTest::DoubleClickItem(HWND list, int index) {
    RECT r{};
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    headless::DoubleClick(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void DialogsTest::ClickItem(HWND list, int index) {
    RECT r{};
    SendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    headless::Click(list, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

std::string DialogsTest::ItemText(HWND list, int index) {
    const auto length = SendMessage(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return "<none>";
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessage(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

} // namespace dialogstest
