// Every size from one point up draws and measures consistently: the extent, DrawText's measure, the metrics
// and the ink that is drawn agree.
#include "TextCanvas.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::MakeLogFont;
using test::TextCanvas;

// Heights at 96 pixels per inch of 1 to 30 points, and a few larger pixel heights.
std::vector<LONG> Heights() {
    std::vector<LONG> heights;
    for (int points = 1; points <= 30; ++points) heights.push_back(-(points * 96 + 36) / 72);
    for (LONG px : {40, 56, 72}) heights.push_back(-px);
    return heights;
}

void CheckConsistent(const char* face, LONG height, const char* text) {
    SCOPED_TRACE(testing::Message() << face << " height " << height);
    TextCanvas canvas(1200, 120);
    canvas.UseFont(MakeLogFont(face, height));
    SetBkMode(canvas.dc, TRANSPARENT);
    TEXTMETRIC tm{};
    ASSERT_TRUE(GetTextMetrics(canvas.dc, &tm));
    EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
    EXPECT_GE(tm.tmHeight, -height) << "the cell holds the character height";
    EXPECT_EQ(tm.tmInternalLeading, tm.tmHeight + height);

    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(canvas.dc, text, -1, &size));
    EXPECT_EQ(size.cy, tm.tmHeight);
    EXPECT_GT(size.cx, 0);

    RECT calc{0, 0, 1200, 120};
    EXPECT_EQ(DrawText(canvas.dc, text, -1, &calc, DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE), tm.tmHeight);
    EXPECT_EQ(calc.right, size.cx);
    EXPECT_EQ(calc.bottom, size.cy);

    const int x = 20;
    const int y = 10;
    ASSERT_TRUE(ExtTextOut(canvas.dc, x, y, 0, nullptr, text, static_cast<UINT>(-1), nullptr));
    const RECT ink = canvas.Ink();
    ASSERT_FALSE(RectEmpty(ink)) << "something is drawn";
    // Ink stays in the cell's rows; sideways only edge pixels may lean out by one.
    EXPECT_GE(ink.top, y);
    EXPECT_LE(ink.bottom, y + size.cy);
    EXPECT_GE(ink.left, x - 1);
    EXPECT_LE(ink.right, x + size.cx + 1);
    // The same text drawn by DrawText lands on the same pixels.
    TextCanvas again(1200, 120);
    again.UseFont(MakeLogFont(face, height));
    SetBkMode(again.dc, TRANSPARENT);
    RECT box{x, y, x + size.cx, y + size.cy};
    DrawText(again.dc, text, -1, &box, DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
    EXPECT_EQ(again.Ink(), ink);
}

TEST(Sizes, SongTiFromOnePointUp) {
    for (LONG h : Heights()) CheckConsistent("宋体", h, "Tarnwick<QQ群号3164825>");
}

TEST(Sizes, SansFromOnePointUp) {
    for (LONG h : Heights()) CheckConsistent("MS Sans Serif", h, "Tarnwick<QQ3164825>");
}

TEST(Sizes, OnePointTextKeepsEveryCharacterVisible) {
    TextCanvas canvas(200, 10);
    canvas.UseFont(MakeLogFont("宋体", -1));
    SIZE size{};
    GetTextExtentPoint32(canvas.dc, "########", -1, &size);
    EXPECT_EQ(size.cx, 8) << "one pixel per character at least";
    EXPECT_EQ(size.cy, 1);
}

TEST(Sizes, AbsurdHeightsAreBounded) {
    TextCanvas canvas(50, 50);
    canvas.UseFont(MakeLogFont("宋体", -2000000000));
    TEXTMETRIC tm{};
    ASSERT_TRUE(GetTextMetrics(canvas.dc, &tm));
    EXPECT_LE(tm.tmHeight, 2048);
    EXPECT_TRUE(TextOut(canvas.dc, 0, 0, "W", 1));
    canvas.UseFont(MakeLogFont("宋体", 0));
    GetTextMetrics(canvas.dc, &tm);
    EXPECT_EQ(tm.tmHeight, 12) << "height 0 is the default size";
}

} // namespace
} // namespace win
