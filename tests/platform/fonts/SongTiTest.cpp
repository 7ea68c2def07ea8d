// The window font, "宋体" at 12 pixels: its metrics, its advances and the banner text the text mode reads.
#include "TextCanvas.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::MakeLogFont;
using test::TextCanvas;

const char* const kBanner = "Tarnwick<QQ群号3164825>";

TEST(SongTi, WindowFontHasATwelvePixelCellWithoutInternalLeading) {
    for (const char* name : {"宋体", "SimSun", "新宋体", ""}) {
        TextCanvas canvas(8, 8);
        canvas.UseFont(MakeLogFont(name, -12));
        TEXTMETRIC tm{};
        ASSERT_TRUE(GetTextMetrics(canvas.dc, &tm));
        EXPECT_EQ(tm.tmHeight, 12) << name;
        EXPECT_EQ(tm.tmInternalLeading, 0) << name;
        EXPECT_EQ(tm.tmAscent + tm.tmDescent, 12) << name;
        EXPECT_EQ(tm.tmAveCharWidth, 6) << name;
        EXPECT_EQ(tm.tmCharSet, GB2312_CHARSET) << name;
    }
    // A positive height asks for the cell: the same strike.
    TextCanvas canvas(8, 8);
    canvas.UseFont(MakeLogFont("宋体", 12));
    TEXTMETRIC tm{};
    GetTextMetrics(canvas.dc, &tm);
    EXPECT_EQ(tm.tmHeight, 12);
    EXPECT_EQ(tm.tmInternalLeading, 0);
}

TEST(SongTi, LatinAdvancesSixAndChineseTwelve) {
    TextCanvas canvas(8, 8);
    canvas.UseFont(MakeLogFont("宋体", -12));
    int widths[3] = {};
    ASSERT_TRUE(GetCharWidth32(canvas.dc, 'a', 'c', widths));
    EXPECT_EQ(widths[0], 6);
    EXPECT_EQ(widths[2], 6);
    int han = 0;
    ASSERT_TRUE(GetCharWidth32(canvas.dc, 0x7FA4, 0x7FA4, &han));
    EXPECT_EQ(han, 12);
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(canvas.dc, "Wi群", -1, &size));
    EXPECT_EQ(size.cx, 24);
    EXPECT_EQ(size.cy, 12);
}

TEST(SongTi, BannerMeasures138By12AndIsDrawnInPureBlack) {
    TextCanvas canvas(160, 20);
    canvas.UseFont(MakeLogFont("宋体", -12));
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(canvas.dc, kBanner, -1, &size));
    EXPECT_EQ(size.cx, 138);
    EXPECT_EQ(size.cy, 12);

    RECT calc{0, 0, 160, 20};
    EXPECT_EQ(DrawText(canvas.dc, kBanner, -1, &calc, DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS), 12);
    EXPECT_EQ(calc.right, 138);
    EXPECT_EQ(calc.bottom, 12);

    // As the caption pane paints it: clipped and opaque on its caption rectangle, at (4, 4).
    SetBkColor(canvas.dc, RGB(240, 240, 240));
    const RECT caption{1, 1, 159, 19};
    ASSERT_TRUE(ExtTextOut(canvas.dc, 4, 4, ETO_CLIPPED | ETO_OPAQUE, &caption, kBanner, -1, nullptr));
    std::vector<COLORREF> colors = canvas.Colors(caption);
    std::sort(colors.begin(), colors.end());
    EXPECT_EQ(colors, (std::vector<COLORREF>{RGB(0, 0, 0), RGB(240, 240, 240)}))
        << "no grey, no other colour";
    const RECT ink = canvas.Ink(RGB(240, 240, 240), caption);
    EXPECT_GE(ink.left, 4);
    EXPECT_LE(ink.right, 4 + 138);
    EXPECT_GE(ink.top, 4);
    EXPECT_LE(ink.bottom, 4 + 12);
    EXPECT_EQ(canvas.At(0, 0), RGB(255, 255, 255)) << "outside the rectangle";
}

TEST(SongTi, TextHeightOfPpIsTwelveWithNoInkClipped) {
    TextCanvas canvas(40, 40);
    canvas.UseFont(MakeLogFont("宋体", -12));
    SetBkMode(canvas.dc, TRANSPARENT);
    // Letters with descenders and the tallest Chinese characters stay inside the 12-pixel cell.
    ASSERT_TRUE(TextOut(canvas.dc, 10, 10, "Ppgj|群", -1));
    const RECT ink = canvas.Ink();
    EXPECT_GE(ink.top, 10);
    EXPECT_LE(ink.bottom, 22);
    SIZE size{};
    GetTextExtentPoint32(canvas.dc, "Pp", 2, &size);
    EXPECT_EQ(size.cy, 12);
}

TEST(SongTi, MissingCharactersComeFromTheBitmapSongAtTwelvePixels) {
    // U+0180 is not in the backing face; the bitmap family has it at 12 pixels, so it stays pure black.
    TextCanvas canvas(40, 16);
    canvas.UseFont(MakeLogFont("宋体", -12));
    TextOut(canvas.dc, 0, 0, "\xC6\x80", 2);
    const RECT ink = canvas.Ink();
    ASSERT_FALSE(RectEmpty(ink));
    EXPECT_LE(ink.bottom, 12);
    EXPECT_EQ(canvas.Colors(RECT{0, 0, 40, 16}).size(), 2u);
}

TEST(SongTi, FaceNameAndObjectRecord) {
    TextCanvas canvas(8, 8);
    const LOGFONT lf = MakeLogFont("宋体", -12, FW_BOLD);
    canvas.UseFont(lf);
    LOGFONT back{};
    EXPECT_EQ(GetObject(GetCurrentObject(canvas.dc, 6 /* OBJ_FONT */), sizeof back, &back),
              static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(back.lfHeight, -12);
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_STREQ(back.lfFaceName, "宋体");
}

} // namespace
} // namespace win
