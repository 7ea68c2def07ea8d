// Files dropped on the main window from the desktop: the first one loads as an imported picture does and
// picture mode takes over; a folder or a damaged file shows its error, keeps the old picture and the mode.
#include "MainWindowTestSupport.h"

#include "components/RzButton.h"
#include "components/RzEdit.h"
#include "components/RzRadChk.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/graphics/GraphicsPicture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gl::apptest {
namespace {

constexpr win::COLORREF kBlack = Rgb(0, 0, 0), kWhite = Rgb(255, 255, 255);

class WindowDropTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // Three by two: black, white, black above white, white, black.
        WriteFile(TestFile("example.bmp"), MakeBmp24({{kBlack, kWhite, kBlack}, {kWhite, kWhite, kBlack}}));
        WriteFile(TestFile("wide.bmp"), MakeBmp24({{kBlack, kBlack, kBlack, kBlack}}));
        WriteFile(TestFile("broken.bmp"), "GIF89a not a bitmap");
        std::filesystem::create_directory(TestFile("folder.bmp"));
    }
    // Drops the files on the output view, which does not take them itself: its window passes them up.
    void Drop(const std::vector<std::string>& files) {
        AsUser([this, files] { win::headless::DropFiles(m_window->RzMemo1->Handle(), 20, 20, files); });
    }
    void TextMode() { ClickOn(*m_window->RzRadioButton2); }
    void ExpectPictureMode(bool on) {
        EXPECT_EQ(m_window->RzRadioButton1->Checked(), on);
        EXPECT_EQ(m_window->RzBitBtn5->Enabled(), on);
        EXPECT_EQ(m_window->RzEdit1->Enabled(), on);
        EXPECT_EQ(m_window->RzEdit3->Enabled(), !on);
    }
};

TEST_F(WindowDropTest, TheFirstDroppedFileLoadsAndPictureModeTakesOver) {
    TF_main& w = Open();
    TextMode();
    ExpectPictureMode(false);
    Drop({TestFile("example.bmp"), TestFile("wide.bmp"), TestFile("broken.bmp")});
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(w.Image1->Width(), 3);
    EXPECT_EQ(w.Image1->Height(), 2);
    ExpectPictureMode(true);
    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv   Kiv", "      Kiv"}));
    // In picture mode already, the next drop just replaces the picture.
    Drop({TestFile("wide.bmp")});
    EXPECT_EQ(Convert(), (std::vector<std::string>{"KivKivKivKiv"}));
}

TEST_F(WindowDropTest, AFolderOrADamagedFileShowsTheErrorAndKeepsPictureAndMode) {
    TF_main& w = Open();
    w.LoadPicture(TestFile("example.bmp"));
    TextMode();
    Drop({TestFile("broken.bmp"), TestFile("wide.bmp")});
    Drop({TestFile("folder.bmp")});
    Drop({TestFile("notes.txt")});
    ASSERT_EQ(m_boxes.size(), 3u);
    EXPECT_EQ(m_boxes[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(m_boxes[1].text.rfind("Cannot open file \"" + TestFile("folder.bmp") + "\". ", 0), 0u)
        << m_boxes[1].text;
    EXPECT_EQ(m_boxes[2].text, "Unknown picture file extension (.txt)");
    EXPECT_EQ(w.Image1->Width(), 3);
    ExpectPictureMode(false);
    ClickOn(*w.RzRadioButton1);
    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv   Kiv", "      Kiv"}));
}

} // namespace
} // namespace gl::apptest
