// Tests of the common dialogs on the headless display: the filter in the platform's form, TOpenPictureDialog
// running the real open-file dialog (answered through the idle hook) and returning the chosen path, a cancel
// leaving the result as it was, the initial folder, the font dialog that opens nothing, and the stored form.
#include "FormsTestSupport.h"

#include "framework/forms/Dialogs.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/graphics/Font.h"
#include "framework/stored/LayoutClass.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/system/Files.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Windows.h"
#include "platform/win/KeyCodes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace gl {
namespace {

class DialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::headless::Use();
        ASSERT_TRUE(win::RegisterStandardControls());
        std::string pattern = (std::filesystem::temp_directory_path() / "glyphloom-opendlg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        for (const char* name : {"a.bmp", "b.bmp", "c.txt"}) std::ofstream(m_folder + "/" + name) << "x";
        m_cwd = std::filesystem::current_path();
    }
    void TearDown() override {
        win::headless::SetIdleHook({});
        std::filesystem::current_path(m_cwd);
        std::filesystem::remove_all(m_folder);
        win::headless::Use();
    }
    void Then(std::function<void()> step) { m_steps.Then(std::move(step)); }
    static win::HWND Host() { return win::FindWindow(win::WC_DIALOG, "Open"); }
    static std::vector<std::string> Listed() {
        win::HWND list = win::GetDlgItem(Host(), win::lst1);
        std::vector<std::string> names;
        const auto count = win::SendMessage(list, win::LB_GETCOUNT, 0, 0);
        for (int i = 0; i < count; ++i) {
            char text[win::MAX_PATH] = {};
            win::SendMessage(list, win::LB_GETTEXT, static_cast<win::WPARAM>(i),
                             reinterpret_cast<win::LPARAM>(text));
            names.emplace_back(text);
        }
        return names;
    }

    std::string m_folder;
    std::filesystem::path m_cwd;
    formstest::ModalSteps m_steps;
};

TEST_F(DialogsTest, TheFilterReachesThePlatformAsZeroSeparatedPairs) {
    EXPECT_EQ(TOpenDialog::PlatformFilter("Bitmaps (*.bmp)|*.bmp"),
              std::string("Bitmaps (*.bmp)\0*.bmp\0\0", 23));
    EXPECT_EQ(TOpenDialog::PlatformFilter(""), "");
}

TEST_F(DialogsTest, ThePictureDialogReturnsTheChosenPathAndACancelKeepsIt) {
    TComponent owner(nullptr);
    auto* dialog = new TOpenPictureDialog(&owner);
    dialog->SetFilter("Bitmaps (*.bmp)|*.bmp");
    dialog->SetInitialDir(m_folder + "/");
    EXPECT_EQ(dialog->InitialDir(), m_folder);
    int shown = 0;
    int closed = 0;
    dialog->OnShow = [&](TObject*) { ++shown; };
    dialog->OnClose = [&](TObject*) { ++closed; };
    std::vector<std::string> listed;
    std::string selectedWhileOpen;
    Then([&] {
        listed = Listed();
        win::headless::TypeText("b.bmp");
    });
    Then([&] {
        selectedWhileOpen = dialog->FileName();
        win::headless::KeyPress(win::VK_RETURN);
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(listed, (std::vector<std::string>{"a.bmp", "b.bmp"}));
    EXPECT_EQ(selectedWhileOpen, m_folder + "/b.bmp");
    EXPECT_EQ(dialog->FileName(), m_folder + "/b.bmp");
    ASSERT_EQ(dialog->Files()->Count(), 1);
    EXPECT_EQ(dialog->Files()->Strings(0), m_folder + "/b.bmp");
    EXPECT_EQ(dialog->FilterIndex(), 1);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(dialog->Handle(), nullptr);

    Then([] { win::headless::KeyPress(win::VK_ESCAPE); });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->FileName(), m_folder + "/b.bmp");
    EXPECT_EQ(Host(), nullptr);
}

TEST_F(DialogsTest, ARefusedChoiceKeepsTheDialogOpen) {
    TComponent owner(nullptr);
    auto* dialog = new TOpenDialog(&owner);
    dialog->SetInitialDir(m_folder);
    int asked = 0;
    dialog->OnCanClose = [&](TObject*, bool& canClose) { canClose = ++asked > 1; };
    Then([] {
        win::headless::TypeText("a.bmp");
        win::headless::KeyPress(win::VK_RETURN);
    });
    Then([] { win::headless::KeyPress(win::VK_RETURN); });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dialog->FileName(), m_folder + "/a.bmp");
}

TEST_F(DialogsTest, TheFontDialogOpensNothing) {
    TComponent owner(nullptr);
    auto* dialog = new TFontDialog(&owner);
    dialog->Font()->SetName("宋体");
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->Font()->Name(), "宋体");
}

TEST_F(DialogsTest, TheWindowsDialogsLoadFromALayout) {
    RegisterExtDlgsLayout();
    TComponent root(nullptr);
    ReadLayout(root, "object F_main: TComponent\n"
                     "  object OpenPictureDialog1: TOpenPictureDialog\n"
                     "    FileEditStyle = fsEdit\n"
                     "    Filter = 'Bitmaps (*.bmp)|*.bmp'\n"
                     "    Options = [ofHideReadOnly, ofFileMustExist]\n"
                     "  end\n"
                     "  object FontDialog1: TFontDialog\n"
                     "  end\n"
                     "end\n");
    auto* open = dynamic_cast<TOpenPictureDialog*>(root.FindComponent("OpenPictureDialog1"));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->Filter(), "Bitmaps (*.bmp)|*.bmp");
    EXPECT_EQ(open->Options(), (TOpenOptions{ofHideReadOnly, ofFileMustExist}));
    EXPECT_NE(dynamic_cast<TFontDialog*>(root.FindComponent("FontDialog1")), nullptr);
}

} // namespace
} // namespace gl
