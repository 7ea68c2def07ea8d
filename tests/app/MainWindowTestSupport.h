// The main window's tests: the real window made from its stored layout on a fresh headless display, with the
// program's registrations, a folder of its own as the program's folder, and every box it shows recorded.
#pragma once

#include "app/Unit1.h"
#include "framework/forms/Application.h"

#include "platform/dialogs/MessageBox.h"
#include "platform/user/HeadlessInput.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gl::apptest {

// What a message box showed.
struct ShownBox {
    std::string caption;
    std::string text;
    unsigned icon = 0;
    std::vector<int> buttons;
    std::vector<std::string> labels;
};

inline constexpr win::COLORREF Rgb(int r, int g, int b) {
    return static_cast<win::COLORREF>(r | (g << 8) | (b << 16));
}

// A 24-bit bottom-up BMP file of the given rows (top row first), each pixel 0x00BBGGRR.
std::string MakeBmp24(const std::vector<std::vector<win::COLORREF>>& rows);
void WriteFile(const std::string& path, const std::string& bytes);

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window as the program does (application object, then the form from its stored layout), on a
    // screen of this density, and shows and paints it.
    TF_main& Open(int dpi = 96);
    // The program's folder as the window sees it (its executable is "glyphloom" there); the default picture
    // goes here. Set before Open.
    void PlaceProgramAt(const std::string& executablePath);
    std::string ProgramFolder() const { return m_folder; }
    std::string DefaultPicture() const { return m_folder + "/Tarnwick.bmp"; }
    // A file in the test's own folder, for pictures to import.
    std::string TestFile(const std::string& name) const { return m_folder + "/" + name; }

    // User actions, given from inside the application's loop as a screen delivers them, so that the
    // application sees keys first (Tab, Enter) and handles what escapes a handler.
    void AsUser(std::function<void()> input);
    // Input for a later wait, after what is queued already: what the user does in a modal window that the
    // previous input opens.
    void Then(std::function<void()> input) { m_steps.push_back(std::move(input)); }
    void ClickOn(TWinControl& control);
    void Press(int virtualKey);
    // Clicks into the edit, selects all its text and types the replacement (empty: deletes it).
    void TypeInto(TWinControl& edit, const std::string& text);
    // Clicks the convert button and returns the lines it appended.
    std::vector<std::string> Convert();

    std::vector<std::string> MemoLines() const;
    // What the window shows at a point of a control's client area.
    win::COLORREF PixelOf(TControl& control, int x, int y) const;

    std::unique_ptr<TApplication> m_app;
    TF_main* m_window = nullptr;
    std::vector<ShownBox> m_boxes;
    // When set, boxes are shown as modal windows and this answers them from the loop's idle time.
    std::function<void(const win::MessageBoxInfo&)> m_answerOpenBox;

private:
    std::string m_folder;
    std::deque<std::function<void()>> m_steps;
    std::string m_savedFolder;
};

// The glyph string and blanks a row of cells gives (true: dark).
std::string Cells(const std::vector<bool>& dark, const std::string& glyphs = "Kiv", int space = 3);

} // namespace gl::apptest
