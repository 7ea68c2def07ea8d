// The convert command end to end: pictures imported or loaded and reduced to black and white, the banner
// as the window shows it, and the lines appended to the output view.
#include "MainWindowTestSupport.h"
#include "support/BannerArt.h"

#include "support/BmpWriter.h"

#include "components/RzEdit.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsPicture.h"

#include "platform/win/KeyCodes.h"

namespace gl::apptest {
namespace {

const win::COLORREF kBlack = Rgb(0, 0, 0);
const win::COLORREF kWhite = Rgb(255, 255, 255);

// The example picture: black, white, black over white, white, black.
std::string ThreeByTwo() {
    return MakeBmp24({{kBlack, kWhite, kBlack}, {kWhite, kWhite, kBlack}});
}

// A 16 x 16 icon of 32-bit pixels, all opaque red.
std::string RedIcon() {
    bmptest::Bytes image;
    image.U32(40).I32(16).I32(32).U16(1).U16(32).U32(0).U32(0).I32(0).I32(0).U32(0).U32(0);
    for (int i = 0; i < 16 * 16; ++i) image.U8(0).U8(0).U8(255).U8(255);
    image.Fill(16 * 4, 0); // the mask: every pixel opaque
    bmptest::Bytes file;
    file.U16(0).U16(1).U16(1);
    file.U8(16).U8(16).U8(0).U8(0).U16(1).U16(32).U32(static_cast<std::uint32_t>(image.Size())).U32(22);
    return file.Data() + image.Data();
}

class WindowConvertTest : public MainWindowTest {
protected:
    // Chooses a file in the import command's dialog by typing its path, as a user would.
    void Import(const std::string& path) {
        Then([path] {
            win::headless::TypeText(path);
            win::headless::KeyPress(win::VK_RETURN);
        });
        ClickOn(*m_window->RzBitBtn5);
    }
    void TextMode() { ClickOn(*m_window->RzRadioButton2); }
};

TEST_F(WindowConvertTest, TheExamplePictureGivesItsTwoLines) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    TF_main& w = Open();
    Import(TestFile("example.bmp"));
    ASSERT_TRUE(m_boxes.empty());
    EXPECT_EQ(w.Image1->Width(), 3);
    EXPECT_EQ(w.Image1->Height(), 2);
    EXPECT_EQ(w.RzEdit1->Text(), DefaultPicture()) << "importing leaves the path field alone";

    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv   Kiv", "      Kiv"}));
    // The holder keeps the black-and-white copy.
    TBitmap* holder = w.Image2->Picture()->Bitmap();
    EXPECT_EQ(holder->Width(), 3);
    EXPECT_EQ(holder->Height(), 2);
    EXPECT_EQ(holder->PixelFormat(), pf1bit);
}

TEST_F(WindowConvertTest, ColoursSplitAtHalfTheWhiteSum) {
    // Each colour goes to the nearer of black and white: a sum of red, green and blue up to 382 is black.
    WriteFile(TestFile("greys.bmp"),
              MakeBmp24({{Rgb(127, 127, 128), Rgb(127, 128, 128), Rgb(200, 100, 82), Rgb(255, 127, 1)},
                         {Rgb(191, 191, 0), Rgb(0, 191, 192), Rgb(1, 1, 1), Rgb(254, 254, 254)}}));
    TF_main& w = Open();
    w.LoadPicture(TestFile("greys.bmp"));
    const std::string row = Cells({true, false, true, false});
    EXPECT_EQ(Convert(), (std::vector<std::string>{row, row}));
}

TEST_F(WindowConvertTest, ABlackAndWhitePictureKeepsItsPixelsWhateverItsColourTable) {
    // One bit per pixel with white listed first: the colours count, not the table indexes.
    bmptest::BmpRecipe picture;
    picture.width = 5;
    picture.height = 2;
    picture.bitCount = 1;
    picture.colors = {{255, 255, 255}, {0, 0, 0}};
    const bool black[2][5] = {{true, true, false, false, true}, {false, true, false, true, false}};
    picture.pixels = bmptest::PackRows(5, 2, 1, false, [&](int x, int y) { return black[y][x] ? 1u : 0u; });
    WriteFile(TestFile("bw.bmp"), bmptest::MakeBmp(picture));
    TF_main& w = Open();
    w.LoadPicture(TestFile("bw.bmp"));
    EXPECT_EQ(Convert(), (std::vector<std::string>{Cells({true, true, false, false, true}),
                                                   Cells({false, true, false, true, false})}));
    TBitmap* holder = w.Image2->Picture()->Bitmap();
    EXPECT_EQ(holder->Canvas().Pixels(0, 0), static_cast<TColor>(0));
    EXPECT_EQ(holder->Canvas().Pixels(2, 0), static_cast<TColor>(0xFFFFFF));
}

TEST_F(WindowConvertTest, AnEmptyGlyphStringLeavesOnlyTheBlanks) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    TF_main& w = Open();
    w.LoadPicture(TestFile("example.bmp"));
    TypeInto(*w.RzEdit2, "");
    ASSERT_EQ(w.RzSpinEdit2->IntegerValue(), 1);
    EXPECT_EQ(Convert(), (std::vector<std::string>{" ", "  "}));

    // The glyph string and space length are read when converting: a new string and a typed length.
    TypeInto(*w.RzEdit2, "中");
    TypeInto(*w.RzSpinEdit2, "5");
    ASSERT_EQ(w.RzSpinEdit2->IntegerValue(), 5);
    EXPECT_EQ(Convert(), (std::vector<std::string>{"中     中", "          中"}));
}

TEST_F(WindowConvertTest, ConvertingTwiceAppendsBelowTheStartupSample) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    TF_main& w = Open();
    const std::vector<std::string> sample = MemoLines();
    ASSERT_FALSE(sample.empty());
    w.LoadPicture(TestFile("example.bmp"));
    const std::vector<std::string> first = Convert();
    const std::vector<std::string> second = Convert();
    EXPECT_EQ(first, second);
    std::vector<std::string> expected = sample;
    expected.insert(expected.end(), first.begin(), first.end());
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(MemoLines(), expected);
}

// A row that does not fit goes in not at all, and the window says how far the conversion came.
TEST_F(WindowConvertTest, AFullOutputViewKeepsWholeRowsAndSaysSo) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    TF_main& w = Open();
    w.LoadPicture(TestFile("example.bmp"));
    w.RzMemo1->Lines()->Clear();
    w.RzMemo1->SetMaxLength(16); // the first row and its break, and five bytes
    EXPECT_EQ(Convert(), std::vector<std::string>{"Kiv   Kiv"});
    EXPECT_EQ(w.RzMemo1->Text(), "Kiv   Kiv\r\n");
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
              "The output view is full: it cannot hold row 2 of this conversion and keeps the "
              "rows before it whole; clear it to convert again.");
}

TEST_F(WindowConvertTest, AnIconShowsButCannotBeConverted) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    WriteFile(TestFile("red.ico"), RedIcon());
    TF_main& w = Open();
    w.LoadPicture(TestFile("example.bmp"));
    ASSERT_EQ(Convert().size(), 2u);

    Import(TestFile("red.ico"));
    ASSERT_TRUE(m_boxes.empty());
    ASSERT_NE(dynamic_cast<TIcon*>(w.Image1->Picture()->Graphic()), nullptr);
    EXPECT_EQ(PixelOf(*w.Image1, 8, 8), Rgb(255, 0, 0)) << "the icon is shown";

    const std::size_t before = MemoLines().size();
    EXPECT_TRUE(Convert().empty());
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Cannot assign a TPicture to a TBitmap.");
    EXPECT_EQ(MemoLines().size(), before);
    EXPECT_EQ(w.Image2->Picture()->Bitmap()->Width(), 3) << "the holder keeps the previous copy";
}

TEST_F(WindowConvertTest, ImportErrorsKeepThePreviousPicture) {
    WriteFile(TestFile("example.bmp"), ThreeByTwo());
    WriteFile(TestFile("broken.bmp"), "GIF89a not a bitmap");
    TF_main& w = Open();
    w.LoadPicture(TestFile("example.bmp"));
    Import(TestFile("broken.bmp"));
    Import(TestFile("missing.bmp"));
    ASSERT_EQ(m_boxes.size(), 2u);
    EXPECT_EQ(m_boxes[0].text, "Bitmap image is not valid.");
    EXPECT_EQ(m_boxes[1].text.rfind("Cannot open file \"" + TestFile("missing.bmp") + "\". ", 0), 0u)
        << m_boxes[1].text;
    EXPECT_EQ(Convert(), (std::vector<std::string>{"Kiv   Kiv", "      Kiv"}));
}

TEST_F(WindowConvertTest, AnEmptyBannerGivesTwentyLinesOfFortyLightCells) {
    TF_main& w = Open();
    TextMode();
    TypeInto(*w.RzEdit3, "");
    ASSERT_EQ(w.RzStatusPane1->Caption(), "");
    EXPECT_EQ(w.RzStatusPane1->Width(), 40);
    EXPECT_EQ(w.RzStatusPane1->Height(), 20);
    EXPECT_EQ(Convert(), std::vector<std::string>(20, std::string(40 * 3, ' ')));
}

// The default banner: 148 x 20 cells, dark exactly where the window shows the banner's text in black.
TEST_F(WindowConvertTest, TheDefaultBannerIsDarkExactlyWhereItsTextIsBlack) {
    TF_main& w = Open();
    TextMode();
    const std::vector<std::string> lines = Convert();
    ASSERT_EQ(lines.size(), 20u);
    int dark = 0;
    for (int y = 0; y < 20; ++y) {
        const std::string& line = lines[static_cast<std::size_t>(y)];
        ASSERT_EQ(line.size(), 148u * 3) << "row " << y;
        for (int x = 0; x < 148; ++x) {
            const std::string cell = line.substr(static_cast<std::size_t>(x) * 3, 3);
            const bool shownBlack = PixelOf(*w.RzStatusPane1, x, y) == kBlack;
            ASSERT_TRUE(cell == "Kiv" || cell == "   ") << "row " << y << " cell " << x;
            EXPECT_EQ(cell == "Kiv", shownBlack) << "row " << y << " cell " << x;
            dark += cell == "Kiv";
        }
    }
    EXPECT_GT(dark, 200) << "the caption's strokes are there";
    // Margins stay light: the first columns and the top and bottom rows.
    EXPECT_EQ(lines[0], std::string(148 * 3, ' '));
    EXPECT_EQ(lines[19], std::string(148 * 3, ' '));
}

// A banner wider than the group box that holds it (40 "€" are 490 pixels; the box shows 313 of them) is
// converted whole, the same whether the window shows it or not.
TEST_F(WindowConvertTest, ABannerWiderThanItsGroupBoxIsConvertedWholeShownOrNot) {
    TF_main& w = Open();
    TypeInto(*w.RzEdit2, "#");
    TextMode();
    TypeInto(*w.RzEdit3, bannertest::Repeated("€", 40));
    ASSERT_EQ(w.RzStatusPane1->Width(), 490);
    const std::vector<std::string> euros = bannertest::RepeatedArt(
        {"............", ".....###....", "....#...#...", "...#........", "...#........", "..#####.....",
         "...#........", "..#####.....", "...#........", "....#...#...", ".....###...."},
        40);
    EXPECT_EQ(Convert(), euros);

    w.SetWindowState(wsMinimized);
    const std::size_t before = MemoLines().size();
    w.RzBitBtn4Click(w.RzBitBtn4);
    const std::vector<std::string> lines = MemoLines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
              euros)
        << "minimised";
    EXPECT_TRUE(m_boxes.empty());
}

// The edit takes 40 characters, but a banner text set by a program is bounded by the widest banner drawn.
TEST_F(WindowConvertTest, ABannerWiderThanTextModeDrawsIsAnError) {
    TF_main& w = Open();
    TextMode();
    w.RzEdit3->SetText(bannertest::Repeated("W", 5460));
    ASSERT_EQ(w.RzStatusPane1->Width(), 32770);
    EXPECT_EQ(Convert(), std::vector<std::string>{});
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text,
              "Text too wide: the banner is 32770 pixels wide, and text mode draws at most 32767.");
}

} // namespace
} // namespace gl::apptest
