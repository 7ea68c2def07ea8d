// The main window's test fixture: registrations, the program's folder, the recorded boxes and user actions.
#include "MainWindowTestSupport.h"

#include "support/BmpWriter.h"

#include "app/Program.h"
#include "components/RzButton.h"
#include "components/RzEdit.h"
#include "framework/core/Strings.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/system/Files.h"
#include "platform/win/KeyCodes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace gl::apptest {

std::string MakeBmp24(const std::vector<std::vector<win::COLORREF>>& rows) {
    bmptest::BmpRecipe picture;
    picture.height = static_cast<std::int32_t>(rows.size());
    picture.width = rows.empty() ? 0 : static_cast<std::int32_t>(rows[0].size());
    picture.bitCount = 24;
    picture.pixels = bmptest::PackRows(picture.width, picture.height, 24, false, [&](int x, int y) {
        const win::COLORREF c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        return bmptest::Bgr(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    });
    return bmptest::MakeBmp(picture);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void MainWindowTest::SetUp() {
    std::string folder = (std::filesystem::temp_directory_path() / "glyphloom-app-XXXXXX").string();
    ASSERT_NE(::mkdtemp(folder.data()), nullptr);
    m_folder = folder;
    // The open dialog makes the chosen file's folder the current one.
    m_savedFolder = std::filesystem::current_path().string();
    win::headless::Use(); // a fresh platform: what the test sets comes after it
    PlaceProgramAt(m_folder + "/glyphloom");
    win::SetMessageBoxHook([this](const win::MessageBoxInfo& info) {
        m_boxes.push_back(ShownBox{info.caption, info.text, info.icon, info.buttons, info.labels});
        return m_answerOpenBox ? 0 : win::IDOK;
    });
    RegisterProgram();
    RegisterStartupSample();
}

void MainWindowTest::TearDown() {
    m_app.reset();
    F_main = nullptr;
    win::headless::SetIdleHook({});
    win::SetMessageBoxHook({});
    win::SetModuleFileNameForTesting(nullptr);
    win::headless::Use();
    std::error_code ignored;
    std::filesystem::current_path(m_savedFolder, ignored);
    std::filesystem::remove_all(m_folder, ignored);
}

void MainWindowTest::PlaceProgramAt(const std::string& executablePath) {
    win::SetModuleFileNameForTesting(executablePath.c_str());
}

TF_main& MainWindowTest::Open(int dpi) {
    win::headless::SetDpi(dpi);
    m_app = std::make_unique<TApplication>(nullptr);
    m_app->Initialize();
    m_app->CreateForm(F_main);
    m_window = F_main;
    m_window->Show();
    win::headless::Pump();
    // While a loop waits: an open box is answered first, then the input a test gives is delivered.
    win::headless::SetIdleHook([this] {
        win::MessageBoxInfo info;
        if (m_answerOpenBox && win::GetActiveMessageBox(&info)) {
            m_answerOpenBox(info);
            return;
        }
        if (!m_steps.empty()) {
            auto input = std::move(m_steps.front());
            m_steps.pop_front();
            input();
        }
    });
    return *m_window;
}

void MainWindowTest::AsUser(std::function<void()> input) {
    m_steps.push_front(std::move(input));
    while (!m_steps.empty() && !m_app->Terminated()) m_app->HandleMessage();
    m_app->ProcessMessages();
}

void MainWindowTest::ClickOn(TWinControl& control) {
    AsUser([&control] { win::headless::Click(control.Handle(), control.Width() / 2, control.Height() / 2); });
}

void MainWindowTest::Press(int virtualKey) {
    AsUser([virtualKey] { win::headless::KeyPress(virtualKey); });
}

void MainWindowTest::TypeInto(TWinControl& edit, const std::string& text) {
    ClickOn(edit);
    AsUser([&text] {
        win::headless::KeyChord({win::VK_CONTROL, 'A'});
        if (text.empty())
            win::headless::KeyPress(win::VK_DELETE);
        else
            win::headless::TypeText(text);
    });
}

std::vector<std::string> MainWindowTest::Convert() {
    const int before = m_window->RzMemo1->Lines()->Count();
    ClickOn(*m_window->RzBitBtn4);
    std::vector<std::string> appended;
    for (int i = before; i < m_window->RzMemo1->Lines()->Count(); ++i)
        appended.push_back(m_window->RzMemo1->Lines()->Strings(i));
    return appended;
}

std::vector<std::string> MainWindowTest::MemoLines() const {
    std::vector<std::string> lines;
    for (int i = 0; i < m_window->RzMemo1->Lines()->Count(); ++i)
        lines.push_back(m_window->RzMemo1->Lines()->Strings(i));
    return lines;
}

win::COLORREF MainWindowTest::PixelOf(TControl& control, int x, int y) const {
    win::headless::Pump();
    if (auto* windowed = dynamic_cast<TWinControl*>(&control))
        return win::headless::Pixel(windowed->Handle(), x, y);
    return win::headless::Pixel(control.Parent()->Handle(), control.Left() + x, control.Top() + y);
}

std::string Cells(const std::vector<bool>& dark, const std::string& glyphs, int space) {
    std::string line;
    for (bool d : dark) line += d ? glyphs : std::string(static_cast<std::size_t>(space), ' ');
    return line;
}

} // namespace gl::apptest
