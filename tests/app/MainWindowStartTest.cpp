// The creation handler: the output font first, then the default picture from the program's folder (found,
// missing, corrupt, or with the program in the root folder).
#include "MainWindowTestSupport.h"

#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/GraphicsPicture.h"

#include "platform/user/Windows.h"

#include <cstdlib>

namespace gl::apptest {
namespace {

const win::COLORREF kBlack = Rgb(0, 0, 0);
const win::COLORREF kWhite = Rgb(255, 255, 255);

TEST_F(MainWindowTest, LoadsTheDefaultPictureFromTheProgramsFolder) {
    WriteFile(DefaultPicture(), MakeBmp24({{kBlack, kWhite, kWhite, kWhite, kBlack},
                                           {kWhite, kBlack, kWhite, kBlack, kWhite},
                                           {kWhite, kWhite, kBlack, kWhite, kWhite}}));
    TF_main& w = Open();
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(w.RzEdit1->Text(), ProgramFolder() + "/Tarnwick.bmp");
    ASSERT_NE(w.Image1->Picture()->Graphic(), nullptr);
    EXPECT_EQ(w.Image1->Width(), 5) << "the picture sizes its image";
    EXPECT_EQ(w.Image1->Height(), 3);
    EXPECT_EQ(PixelOf(*w.Image1, 0, 0), kBlack) << "shown in the band";
    EXPECT_EQ(PixelOf(*w.Image1, 1, 0), kWhite);
    EXPECT_EQ(PixelOf(*w.Image1, 2, 2), kBlack);

    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv         Kiv", "   Kiv   Kiv   ", "      Kiv      "}));
}

TEST_F(MainWindowTest, ACorruptDefaultPictureShowsOneBoxBeforeTheWindowOpens) {
    // Not "BM": some other kind of file saved under the name.
    WriteFile(DefaultPicture(), "GIF89a this is not a bitmap at all, just some bytes of another kind");
    // What the window looked like when the box came: made, the font step done, not yet shown.
    bool shownYet = true;
    int memoSize = 0;
    std::string fontBox, path;
    win::SetMessageBoxHook([&](const win::MessageBoxInfo& info) {
        m_boxes.push_back(ShownBox{info.caption, info.text, info.icon, info.buttons, info.labels});
        if (F_main) {
            shownYet = F_main->HandleAllocated() && win::IsWindowVisible(F_main->Handle());
            memoSize = F_main->RzMemo1->Font()->Size();
            fontBox = F_main->RzFontComboBox1->FontName();
            path = F_main->RzEdit1->Text();
        }
        return win::IDOK;
    });
    TF_main& w = Open();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(m_boxes[0].caption, "Glyphloom");
    EXPECT_EQ(m_boxes[0].icon, win::MB_ICONERROR);
    EXPECT_EQ(m_boxes[0].buttons, (std::vector<int>{win::IDOK}));
    EXPECT_FALSE(shownYet);
    EXPECT_EQ(memoSize, 1) << "the output font step runs first";
    EXPECT_EQ(fontBox, "宋体");
    EXPECT_EQ(path, DefaultPicture()) << "the path is in the field before loading";

    // The window opens all the same, whole and usable, with no picture.
    EXPECT_TRUE(win::IsWindowVisible(w.Handle()));
    EXPECT_EQ(w.Image1->Picture()->Graphic(), nullptr);
    EXPECT_EQ(w.Image1->Width(), 60);
    EXPECT_EQ(w.RzStatusPane1->Width(), 148);
    TypeInto(*w.RzEdit2, "ab");
    EXPECT_EQ(w.RzEdit2->Text(), "ab");
}

TEST_F(MainWindowTest, WithoutADefaultPictureOpensEmptyAndConvertingFails) {
    TF_main& w = Open();
    EXPECT_TRUE(m_boxes.empty()) << "a missing default picture is no error";
    EXPECT_EQ(w.RzEdit1->Text(), ProgramFolder() + "/Tarnwick.bmp");
    EXPECT_EQ(w.Image1->Picture()->Graphic(), nullptr);
    EXPECT_EQ(w.Image1->Width(), 60);
    EXPECT_EQ(w.Image1->Height(), 20);

    const std::size_t before = MemoLines().size();
    EXPECT_TRUE(Convert().empty());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Cannot assign a TPicture to a TBitmap.");
    EXPECT_EQ(m_boxes[0].icon, win::MB_ICONERROR);
    EXPECT_EQ(MemoLines().size(), before);
    EXPECT_EQ(w.Image2->Picture()->Graphic(), nullptr) << "the holder image keeps its (empty) content";

    // Typing a path into the field loads nothing: only the start reads it.
    WriteFile(TestFile("typed.bmp"), MakeBmp24({{kBlack}}));
    TypeInto(*w.RzEdit1, TestFile("typed.bmp"));
    EXPECT_EQ(w.RzEdit1->Text(), TestFile("typed.bmp"));
    EXPECT_EQ(w.Image1->Picture()->Graphic(), nullptr);
}

TEST_F(MainWindowTest, AProgramInTheRootFolderGetsADoubledSeparator) {
    PlaceProgramAt("/glyphloom");
    TF_main& w = Open();
    EXPECT_EQ(TF_main::DefaultPicturePath(), "//Tarnwick.bmp");
    EXPECT_EQ(w.RzEdit1->Text(), "//Tarnwick.bmp");
}

// "glyphloom PICTURE": the named picture in place of the default one; one that cannot be loaded shows the
// import command's box and leaves the default picture where it was.
TEST_F(MainWindowTest, APictureNamedAtTheStartReplacesTheDefaultOne) {
    WriteFile(DefaultPicture(), MakeBmp24({{kBlack, kWhite, kBlack}}));
    WriteFile(TestFile("named.bmp"), MakeBmp24({{kWhite, kBlack}, {kBlack, kWhite}}));
    TF_main& w = Open();
    w.StartWithPicture(TestFile("named.bmp"));
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_EQ(w.RzEdit1->Text(), TestFile("named.bmp"));
    EXPECT_EQ(w.Image1->Width(), 2);
    EXPECT_EQ(Convert(), (std::vector<std::string>{"   Kiv", "Kiv   "}));
}

TEST_F(MainWindowTest, APictureNamedAtTheStartThatCannotLoadKeepsTheDefaultOne) {
    WriteFile(DefaultPicture(), MakeBmp24({{kBlack, kWhite, kBlack}}));
    WriteFile(TestFile("broken.bmp"), "GIF89a not a bitmap");
    WriteFile(TestFile("notes.txt"), "some words");
    TF_main& w = Open();
    struct Case {
        std::string name, message;
    };
    for (const Case& c : {Case{"broken.bmp", "Bitmap image is not valid."},
                          Case{"notes.txt", "Unknown picture file extension (.txt)"}}) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        w.StartWithPicture(TestFile(c.name));
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text, c.message);
        EXPECT_EQ(m_boxes[0].caption, "Glyphloom");
        EXPECT_EQ(m_boxes[0].icon, win::MB_ICONERROR);
        EXPECT_EQ(w.RzEdit1->Text(), DefaultPicture()) << "the field still names the picture shown";
        EXPECT_EQ(w.Image1->Width(), 3);
    }
    m_boxes.clear();
    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv   Kiv"}));
}

// The program's start: the window made, its creation handler's error shown, then the window shown as the
// start request says while the loop runs (on the headless screen the loop ends once nothing can come).
TEST_F(MainWindowTest, TheProcessShowsTheWindowAsRequestedEvenAfterACreationError) {
    WriteFile(DefaultPicture(), "GIF89a not a bitmap");
    struct Request {
        const char* show;
        bool zoomed, iconic;
    };
    for (const Request& request : {Request{"normal", false, false}, Request{"maximized", true, false},
                                   Request{"minimized", false, true}}) {
        SCOPED_TRACE(request.show);
        ::setenv("GLYPHLOOM_SHOW", request.show, 1);
        m_boxes.clear();
        bool visible = false, zoomed = false, iconic = false;
        win::headless::SetIdleHook([&] {
            if (!F_main || !F_main->HandleAllocated()) return;
            visible = win::IsWindowVisible(F_main->Handle());
            zoomed = win::IsZoomed(F_main->Handle());
            iconic = win::IsIconic(F_main->Handle());
        });
        const int result = RunApplication([](TApplication& application) { application.CreateForm(F_main); });
        F_main = nullptr;
        win::headless::SetIdleHook({});
        EXPECT_EQ(result, 0);
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text, "Bitmap image is not valid.");
        EXPECT_TRUE(visible);
        EXPECT_EQ(zoomed, request.zoomed);
        EXPECT_EQ(iconic, request.iconic);
    }
    ::unsetenv("GLYPHLOOM_SHOW");
}

} // namespace
} // namespace gl::apptest
