// Tests of the picture-open dialog on the headless display: its resources and default filter, the preview
// pane as the selection moves over pictures, folders and damaged files, the preview window, the old style
// without a pane, a cancel, the dialog's place on the monitor, and what the open-file request carries.
#include "FormsTestSupport.h"

#include "framework/controls/ButtonsSpeed.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/controls/StdCtrlsLabel.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Streams.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/forms/Hints.h"
#include "framework/forms/Screen.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsFormats.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Windows.h"
#include "platform/win/KeyCodes.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace gl {
namespace {

// A bitmap that loads like any other but cannot be drawn.
class TUnpaintableBitmap : public TBitmap {
public:
    static TGraphicClass StaticClass() {
        static const TGraphicClassInfo info{"TUnpaintableBitmap", TBitmap::StaticClass(),
                                            [] { return std::unique_ptr<TGraphic>(new TUnpaintableBitmap); }};
        return &info;
    }
    TGraphicClass GraphicClass() const override { return StaticClass(); }
    void Draw(TCanvas&, const TRect&) override { throw EInvalidGraphic("Bitmap image is not valid"); }
};

void SavePicture(const std::string& path, int width, int height, TColor colour) {
    TBitmap picture;
    picture.SetPixelFormat(pf24bit);
    picture.SetWidth(width);
    picture.SetHeight(height);
    picture.Canvas().Brush().SetColor(colour);
    picture.Canvas().FillRect(TRect{0, 0, width, height});
    picture.SaveToFile(path);
}

class OpenPictureDialogTest : public formstest::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        ASSERT_TRUE(win::RegisterStandardControls());
        std::string pattern = (std::filesystem::temp_directory_path() / "glyphloom-picdlg-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        std::filesystem::create_directory(m_folder + "/sub");
        SavePicture(m_folder + "/big.bmp", 640, 480, clRed);
        SavePicture(m_folder + "/small.bmp", 40, 30, clBlue);
        std::ofstream(m_folder + "/damaged.bmp") << "BM this is no bitmap";
        m_cwd = std::filesystem::current_path();
        dialog = new TOpenPictureDialog(app.get());
        dialog->SetInitialDir(m_folder);
    }
    void TearDown() override {
        win::headless::SetIdleHook({});
        std::filesystem::current_path(m_cwd);
        std::filesystem::remove_all(m_folder);
        FormsTest::TearDown();
    }
    void Then(std::function<void()> step) { m_steps.Then(std::move(step)); }
    static win::HWND Host() { return win::FindWindow(win::WC_DIALOG, "Open"); }
    // Selects a name in the file list as a click does: the list's selection, then its notice to the dialog.
    static void Select(const std::string& name) {
        win::HWND list = win::GetDlgItem(Host(), win::lst1);
        const auto index = win::SendMessage(list, win::LB_FINDSTRINGEXACT, static_cast<win::WPARAM>(-1),
                                            reinterpret_cast<win::LPARAM>(name.c_str()));
        ASSERT_GE(index, 0) << name;
        win::SendMessage(list, win::LB_SETCURSEL, static_cast<win::WPARAM>(index), 0);
        win::SendMessage(Host(), win::WM_COMMAND, win::MAKEWPARAM(win::lst1, win::LBN_SELCHANGE),
                         reinterpret_cast<win::LPARAM>(list));
    }
    template <class T> T* Part(const char* name) const {
        auto* part = dynamic_cast<T*>(dialog->FindComponent(name));
        EXPECT_NE(part, nullptr) << name;
        return part;
    }
    std::string Label() const { return Part<TLabel>("PictureLabel")->Caption(); }
    std::string PaintCaption() const { return Part<TSilentPaintPanel>("PaintPanel")->Caption(); }
    bool ButtonEnabled() const { return Part<TSpeedButton>("PreviewButton")->Enabled(); }
    TGraphic* Shown() const { return Part<TImage>("PaintBox")->Picture()->Graphic(); }

    TOpenPictureDialog* dialog = nullptr;
    std::string m_folder;
    std::filesystem::path m_cwd;
    formstest::ModalSteps m_steps;
};

TEST_F(OpenPictureDialogTest, TheTemplateTheGlyphAndTheFilterAreThoseOfTheDialog) {
    // A visible child with the 3-D look and a font, 316 x 76 dialog units, "MS Sans Serif" at 8 points, and
    // one static placeholder (1119) of 204 x 76 at its left.
    const std::string expected("\x44\x04\x00\x54\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x3C\x01"
                               "\x4C\x00\x00\x00\x00\x00\x00\x00\x08\x00\x4D\x00\x53\x00\x20\x00"
                               "\x53\x00\x61\x00\x6E\x00\x73\x00\x20\x00\x53\x00\x65\x00\x72\x00"
                               "\x69\x00\x66\x00\x00\x00\x00\x00\x00\x00\x02\x40\x00\x00\x00\x00"
                               "\x00\x00\x00\x00\xCC\x00\x4C\x00\x5F\x04\xFF\xFF\x82\x00\x00\x00"
                               "\x00\x00",
                               82);
    EXPECT_EQ(std::string(PictureDialogTemplateBytes()), expected);
    EXPECT_NE(win::FindDialogTemplate(nullptr, "DLGTEMPLATE"), nullptr);

    TBitmap glyph;
    TStringStream stream{std::string(PreviewGlyphBitmap())};
    stream.Seek(0, soBeginning);
    glyph.LoadFromStream(stream);
    EXPECT_EQ(glyph.Width(), 16);
    EXPECT_EQ(glyph.Height(), 16);
    EXPECT_EQ(glyph.PixelFormat(), pf4bit);
    EXPECT_EQ(glyph.Canvas().Pixels(0, 15), 0x008080);  // the olive corner the button leaves out
    EXPECT_EQ(glyph.Canvas().Pixels(3, 3), 0xFFFFFF);   // the page
    EXPECT_EQ(glyph.Canvas().Pixels(8, 2), 0xFFFFFF);   // inside the folded corner
    EXPECT_EQ(glyph.Canvas().Pixels(10, 10), 0xFFFF00); // the glass
    EXPECT_EQ(glyph.Canvas().Pixels(15, 15), 0x000000); // the handle

    EXPECT_EQ(dialog->Filter(),
              "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
              "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");
    EXPECT_FALSE(dialog->FilterStored());
    dialog->SetFilter("Bitmaps (*.bmp)|*.bmp");
    EXPECT_TRUE(dialog->FilterStored());
}

TEST_F(OpenPictureDialogTest, TheSelectionShowsThePictureItsSizeOrWhyThereIsNone) {
    win::RECT panelBounds{};
    int buttonLeft = 0;
    bool panelInside = false;
    std::string firstCaption;
    std::vector<std::string> seen;
    win::COLORREF centre = 0;
    Then([&] {
        auto* panel = Part<TPanel>("PicturePanel");
        panelInside = panel->HandleAllocated() && win::GetParent(panel->Handle()) == dialog->Handle();
        panelBounds = panel->BoundsRect();
        buttonLeft = Part<TSpeedButton>("PreviewButton")->Left();
        firstCaption = PaintCaption();
        Select("big.bmp");
    });
    Then([&] {
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off"));
        auto* paintPanel = Part<TSilentPaintPanel>("PaintPanel");
        centre =
            win::headless::Pixel(paintPanel->Handle(), paintPanel->Width() / 2, paintPanel->Height() / 2);
        // The same name again reads nothing, so a picture changed on disk meanwhile shows only after the
        // selection has been elsewhere.
        SavePicture(m_folder + "/big.bmp", 320, 240, clRed);
        Select("big.bmp");
        seen.push_back(Label());
        Select("sub");
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off"));
        Select("big.bmp");
        seen.push_back(Label());
        Select("small.bmp");
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off"));
        Select("damaged.bmp");
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off") +
                       (Shown() ? "|shown" : "|empty"));
        Select("big.bmp");
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off"));
        Select("small.bmp");
        seen.push_back(Label() + "|" + PaintCaption() + "|" + (ButtonEnabled() ? "on" : "off"));
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_TRUE(panelInside);
    // Right of the standard part (430 pixels wide), 4 down, to the child's corner (598 x 264).
    EXPECT_EQ(panelBounds.left, 430);
    EXPECT_EQ(panelBounds.top, 4);
    EXPECT_EQ(panelBounds.right, 598);
    EXPECT_EQ(panelBounds.bottom, 264);
    EXPECT_EQ(buttonLeft, 137); // at the paint panel's right edge (162), less its width and 2
    EXPECT_EQ(firstCaption, "(None)");
    EXPECT_EQ(centre, 0x0000FFu); // red, scaled into the pane
    EXPECT_EQ(seen, (std::vector<std::string>{
                        " (640x480)||on",
                        " (640x480)",
                        "Picture:|(None)|off",
                        " (320x240)",
                        " (40x30)||on",
                        "Picture:|Invalid image|off|empty",
                        " (320x240)||on",
                        " (40x30)||on",
                    }));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OpenPictureDialogTest, APictureThatCannotBePaintedLeavesWordsAndTheDialogGoesOn) {
    GetFileFormats().Add("unpaintable", "Unpaintable", 0, TUnpaintableBitmap::StaticClass());
    SavePicture(m_folder + "/odd.unpaintable", 20, 20, clRed);
    dialog->SetFilter("Pictures|*.bmp;*.unpaintable");
    std::string afterPaint;
    Then([&] { Select("odd.unpaintable"); });
    Then([&] {
        afterPaint = PaintCaption();
        Select("small.bmp");
        win::headless::KeyPress(win::VK_RETURN);
    });
    const bool chosen = dialog->Execute();
    GetFileFormats().Remove(TUnpaintableBitmap::StaticClass());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(afterPaint, "Invalid image");
    EXPECT_EQ(dialog->FileName(), m_folder + "/small.bmp");
    EXPECT_TRUE(boxes.empty());
}

TEST_F(OpenPictureDialogTest, ThePreviewWindowFitsThePictureUpToThreeQuartersOfTheMonitor) {
    win::headless::SetScreenSize(1024, 768);
    SavePicture(m_folder + "/medium.bmp", 200, 150, clLime);
    SavePicture(m_folder + "/wide.bmp", 2000, 1000, clLime);
    // Each window as "caption: client width x height, the picture's rectangle in the image".
    std::vector<std::string> seen;
    const auto describe = [](TCustomForm* form, const TRect& dest) {
        return form->Caption() + ": " + std::to_string(form->ClientWidth()) + " x " +
               std::to_string(form->ClientHeight()) + ", " + std::to_string(dest.left) + "," +
               std::to_string(dest.top) + "-" + std::to_string(dest.right) + "," +
               std::to_string(dest.bottom);
    };
    bool closedByEscape = false;
    // Reads the preview window while it runs, then closes it with Escape.
    const auto readPreview = [&] {
        Then([&] {
            auto* form = dynamic_cast<TCustomForm*>(dialog->FindComponent("PreviewForm"));
            ASSERT_NE(form, nullptr);
            seen.push_back(describe(form, dynamic_cast<TImage*>(form->FindComponent("Image"))->DestRect()));
            win::headless::KeyPress(win::VK_ESCAPE);
        });
    };
    for (const char* name : {"medium.bmp", "wide.bmp"}) {
        Then([this, name] { Select(name); });
        Then([this] {
            auto* button = Part<TSpeedButton>("PreviewButton");
            auto* panel = Part<TPanel>("PicturePanel");
            win::headless::AdvanceClock(1000); // two clicks, not a double click
            win::headless::Click(panel->Handle(), button->Left() + 5, button->Top() + 5);
        });
        readPreview();
    }
    // A double click on the picture opens the same window.
    Then([this] {
        auto* paintPanel = Part<TSilentPaintPanel>("PaintPanel");
        win::headless::AdvanceClock(1000);
        win::headless::DoubleClick(paintPanel->Handle(), paintPanel->Width() / 2, paintPanel->Height() / 2);
    });
    readPreview();
    Then([&] {
        closedByEscape = dialog->FindComponent("PreviewForm") == nullptr && Host() != nullptr;
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(seen,
              (std::vector<std::string>{
                  // 200 x 150: an image area of 210 x 160 inside the panel's edge (2) and border (5) on
                  // each side, the picture stretched to 210 x 157 in it.
                  "Preview: 224 x 174, 0,1-210,158",
                  // 2000 x 1000: three quarters of 1024 x 768, the picture scaled to 754 x 377, centred.
                  "Preview: 768 x 576, 0,92-754,469",
                  // The same picture, through a double click on the pane.
                  "Preview: 768 x 576, 0,92-754,469",
              }));
    EXPECT_TRUE(closedByEscape);
}

TEST_F(OpenPictureDialogTest, ThePreviewButtonsHintShowsWhileThePointerRestsAndGoesWithTheDialog) {
    std::string hint;
    Then([this] {
        Select("big.bmp");
        auto* button = Part<TSpeedButton>("PreviewButton");
        win::headless::MouseMove(Part<TPanel>("PicturePanel")->Handle(), button->Left() + 5,
                                 button->Top() + 5);
    });
    Then([] { win::headless::AdvanceClock(500); });
    Then([&] {
        if (app->HintWindow() && app->HintWindow()->HintVisible())
            hint = win::GetWindowTextString(app->HintWindow()->Handle());
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(hint, "Preview");
    ASSERT_NE(app->HintWindow(), nullptr);
    EXPECT_FALSE(app->HintWindow()->HintVisible());
}

TEST_F(OpenPictureDialogTest, TheOldStyleRunsWithoutThePaneAndACancelKeepsTheResult) {
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofOldStyleDialog});
    dialog->SetFileName("/kept/before.bmp");
    win::headless::SetScreenSize(1024, 768);
    bool paneShown = true;
    win::RECT place{};
    Then([&] {
        paneShown = Part<TPanel>("PicturePanel")->HandleAllocated();
        win::GetWindowRect(Host(), &place);
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_FALSE(paneShown);
    // The standard part alone, 438 x 291 with its frame, placed as the explorer style is.
    EXPECT_EQ(place.left, 293);
    EXPECT_EQ(place.top, 159);
    EXPECT_EQ(place.right, 731);
    EXPECT_EQ(dialog->FileName(), "/kept/before.bmp");
    EXPECT_EQ(dialog->Files()->Count(), 0);
}

TEST_F(OpenPictureDialogTest, TheRequestCarriesTheStartNameAndTheRunGivesNamesFilterAndExtensionBack) {
    dialog->SetFileName(std::string(300, 'a'));
    dialog->SetFilter("Bitmaps|*.bmp|Everything|*.*");
    dialog->SetDefaultExt("bmp");
    std::size_t startName = 0;
    int indexWhileOpen = 0, typeChanges = 0;
    dialog->OnTypeChange = [&](TObject*) { ++typeChanges; };
    Then([&] {
        startName = win::GetDlgItemTextString(Host(), win::edt1).size();
        win::HWND types = win::GetDlgItem(Host(), win::cmb1);
        win::SendMessage(types, win::CB_SETCURSEL, 1, 0);
        win::SendMessage(Host(), win::WM_COMMAND, win::MAKEWPARAM(win::cmb1, win::CBN_SELCHANGE),
                         reinterpret_cast<win::LPARAM>(types));
        indexWhileOpen = dialog->FilterIndex();
        // Typed without its extension, the name takes the default one.
        win::SetDlgItemText(Host(), win::edt1, "small");
        win::headless::KeyPress(win::VK_RETURN);
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(startName, 260u);
    EXPECT_EQ(indexWhileOpen, 2);
    EXPECT_EQ(typeChanges, 1);
    EXPECT_EQ(dialog->FilterIndex(), 2);
    EXPECT_EQ(dialog->FileName(), m_folder + "/small.bmp");
    ASSERT_EQ(dialog->Files()->Count(), 1);
    EXPECT_FALSE(dialog->Options().Contains(ofExtensionDifferent));

    // Several quoted names, each prefixed with the folder, the first also the file name.
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofAllowMultiSelect});
    Then([&] {
        win::SetDlgItemText(Host(), win::edt1, "\"big.bmp\" \"small\"");
        win::headless::KeyPress(win::VK_RETURN);
    });
    ASSERT_TRUE(dialog->Execute());
    ASSERT_EQ(dialog->Files()->Count(), 2);
    EXPECT_EQ(dialog->Files()->Strings(0), m_folder + "/big.bmp");
    EXPECT_EQ(dialog->Files()->Strings(1), m_folder + "/small.bmp");
    EXPECT_EQ(dialog->FileName(), m_folder + "/big.bmp");
    EXPECT_EQ(dialog->FilterIndex(), 2);

    // One name chosen after a longer one still reads as one path.
    dialog->SetFileName(m_folder + "/a-much-longer-name-than-the-next.bmp");
    Then([&] {
        win::SetDlgItemText(Host(), win::edt1, "big.bmp");
        win::headless::KeyPress(win::VK_RETURN);
    });
    ASSERT_TRUE(dialog->Execute());
    ASSERT_EQ(dialog->Files()->Count(), 1);
    EXPECT_EQ(dialog->FileName(), m_folder + "/big.bmp");
}

TEST_F(OpenPictureDialogTest, TheDialogSitsCentredAcrossAndAThirdDownTheMonitor) {
    std::vector<win::RECT> places;
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{800, 600}}) {
        win::headless::SetScreenSize(width, height);
        Then([&] {
            win::RECT r{};
            win::GetWindowRect(Host(), &r);
            places.push_back(r);
            win::headless::KeyPress(win::VK_ESCAPE);
        });
        EXPECT_FALSE(dialog->Execute());
    }
    ASSERT_EQ(places.size(), 2u);
    // The dialog is 606 x 291 with its frame: (1024 - 606) / 2, (768 - 291) / 3; then (800 - 606) / 2, (600 -
    // 291) / 3.
    EXPECT_EQ(places[0].left, 209);
    EXPECT_EQ(places[0].top, 159);
    EXPECT_EQ(places[0].right - places[0].left, 606);
    EXPECT_EQ(places[0].bottom - places[0].top, 291);
    EXPECT_EQ(places[1].left, 97);
    EXPECT_EQ(places[1].top, 103);
}

} // namespace
} // namespace gl
