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
#include "framework/forms/Screen.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsFormats.h"
#include "platform/controls/ControlClasses.h"
#include "platform/controls/list/ListMessages.h"
#include "platform/dialogs/Dialogs.h"
#include "platform/display/VirtualKeys.h"
#include "platform/user/MessageLoop.h"
#include "platform/user/Windows.h"

#include <cstdlib>
#include <deque>
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
    // Each step runs once when a modal loop waits.
    void Then(std::function<void()> step) {
        m_steps.push_back(std::move(step));
        win::headless::SetIdleHook([this] {
            if (m_steps.empty()) return;
            auto next = std::move(m_steps.front());
            m_steps.pop_front();
            next();
        });
    }
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
    std::deque<std::function<void()>> m_steps;
};

TEST_F(OpenPictureDialogTest, TheTemplateTheGlyphAndTheFilterAreThoseOfTheDialog) {
    const std::string_view bytes = PictureDialogTemplateBytes();
    ASSERT_EQ(bytes.size(), 82u);
    win::DialogTemplate t;
    ASSERT_TRUE(win::DialogTemplateFromBytes(bytes.data(), bytes.size(), &t));
    EXPECT_EQ(t.style, 0x54000444u);
    EXPECT_EQ(t.cx, 316);
    EXPECT_EQ(t.cy, 76);
    EXPECT_EQ(t.fontFace, "MS Sans Serif");
    EXPECT_EQ(t.pointSize, 8);
    ASSERT_EQ(t.items.size(), 1u);
    EXPECT_EQ(t.items[0].id, 1119);
    EXPECT_EQ(t.items[0].style, 0x40020000u);
    EXPECT_EQ(t.items[0].cx, 204);
    EXPECT_EQ(t.items[0].cy, 76);
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
    bool panelInside = false;
    std::string firstCaption;
    std::vector<std::string> seen;
    win::COLORREF centre = 0;
    Then([&] {
        auto* panel = Part<TPanel>("PicturePanel");
        panelInside = panel->HandleAllocated() && win::GetParent(panel->Handle()) == dialog->Handle();
        panelBounds = panel->BoundsRect();
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
    struct Seen {
        int clientWidth = 0, clientHeight = 0;
        TRect dest{};
        std::string caption;
    };
    std::vector<Seen> seen;
    bool closedByEscape = false;
    const auto openPreview = [&](const char* name) {
        Then([this, name] { Select(name); });
        Then([this, name] {
            auto* button = Part<TSpeedButton>("PreviewButton");
            auto* panel = Part<TPanel>("PicturePanel");
            win::headless::AdvanceClock(1000); // two clicks, not a double click
            win::headless::Click(panel->Handle(), button->Left() + 5, button->Top() + 5);
        });
        Then([&] {
            auto* form = dynamic_cast<TCustomForm*>(dialog->FindComponent("PreviewForm"));
            ASSERT_NE(form, nullptr);
            auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
            seen.push_back(
                Seen{form->ClientWidth(), form->ClientHeight(), image->DestRect(), form->Caption()});
            win::headless::KeyPress(win::VK_ESCAPE);
        });
    };
    openPreview("medium.bmp");
    openPreview("wide.bmp");
    // A double click on the picture opens the same window.
    Then([&] {
        auto* paintPanel = Part<TSilentPaintPanel>("PaintPanel");
        win::headless::AdvanceClock(1000);
        win::headless::DoubleClick(paintPanel->Handle(), paintPanel->Width() / 2, paintPanel->Height() / 2);
    });
    Then([&] {
        auto* form = dynamic_cast<TCustomForm*>(dialog->FindComponent("PreviewForm"));
        ASSERT_NE(form, nullptr);
        seen.push_back(Seen{form->ClientWidth(), form->ClientHeight(), TRect{}, form->Caption()});
        form->Close();
    });
    Then([&] {
        closedByEscape = dialog->FindComponent("PreviewForm") == nullptr && Host() != nullptr;
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[2].clientWidth, 768);
    // 200 x 150: an image area of 210 x 160 inside the panel's edge (2) and border (5) on each side, the
    // picture stretched to 210 x 157 in it.
    EXPECT_EQ(seen[0].caption, "Preview");
    EXPECT_EQ(seen[0].clientWidth, 224);
    EXPECT_EQ(seen[0].clientHeight, 174);
    EXPECT_EQ(seen[0].dest.left, 0);
    EXPECT_EQ(seen[0].dest.top, 1);
    EXPECT_EQ(seen[0].dest.right, 210);
    EXPECT_EQ(seen[0].dest.bottom, 158);
    // 2000 x 1000: three quarters of 1024 x 768, the picture scaled to 754 x 377 and centred.
    EXPECT_EQ(seen[1].clientWidth, 768);
    EXPECT_EQ(seen[1].clientHeight, 576);
    EXPECT_EQ(seen[1].dest.left, 0);
    EXPECT_EQ(seen[1].dest.top, 92);
    EXPECT_EQ(seen[1].dest.right, 754);
    EXPECT_EQ(seen[1].dest.bottom, 469);
    EXPECT_TRUE(closedByEscape);
}

TEST_F(OpenPictureDialogTest, TheOldStyleRunsWithoutThePaneAndACancelKeepsTheResult) {
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofOldStyleDialog});
    dialog->SetFileName("/kept/before.bmp");
    bool paneShown = true;
    Then([&] {
        paneShown = Part<TPanel>("PicturePanel")->HandleAllocated();
        win::headless::KeyPress(win::VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_FALSE(paneShown);
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
