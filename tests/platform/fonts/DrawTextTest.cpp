// DrawText: measuring, prefixes, line breaks, word wrapping, alignment, tabs, ellipses and clipping, in the
// 12-pixel "宋体" whose advances are 6 (Latin) and 12 (Chinese).
#include "TextCanvas.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::MakeLogFont;
using test::TextCanvas;

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class DrawTextTest : public ::testing::Test {
protected:
    DrawTextTest() : canvas(200, 80) {
        canvas.UseFont(MakeLogFont("宋体", -12));
        SetBkMode(canvas.dc, TRANSPARENT);
    }
    // The measured rectangle for a text in a box of the given width.
    RECT Measure(const char* text, UINT format, int width = 200) {
        RECT r{10, 5, 10 + width, 5};
        height = DrawText(canvas.dc, text, -1, &r, format | DT_CALCRECT);
        return r;
    }
    TextCanvas canvas;
    int height = 0;
};

TEST_F(DrawTextTest, MeasuresLinesAndEmptyText) {
    EXPECT_EQ(Measure("", 0), (RECT{10, 5, 10, 17})) << "an empty text is one line high";
    EXPECT_EQ(height, 12);
    EXPECT_EQ(Measure("ab\r\nabcd\nx", 0), (RECT{10, 5, 34, 41}));
    EXPECT_EQ(height, 36);
    EXPECT_EQ(Measure("ab\rabcd", 0).bottom, 29) << "a lone CR breaks too";
    // On a single line, line breaks are just characters.
    EXPECT_EQ(Measure("ab\r\nab", DT_SINGLELINE).bottom, 17);
}

TEST_F(DrawTextTest, PrefixesAreRemovedAndUnderlined) {
    EXPECT_EQ(Measure("&File", 0).right, 10 + 24);
    EXPECT_EQ(Measure("A&&B", 0).right, 10 + 18) << "&& is one ampersand";
    EXPECT_EQ(Measure("&File", DT_NOPREFIX).right, 10 + 30);

    RECT box{0, 0, 100, 12};
    DrawText(canvas.dc, "a&bc", -1, &box, 0);
    // The underline sits on the cell's last row under b only.
    for (int x = 0; x < 18; ++x) EXPECT_EQ(canvas.At(x, 11), x >= 6 && x < 12 ? kBlack : kWhite) << x;

    canvas.Clear(kWhite);
    DrawText(canvas.dc, "a&bc", -1, &box, DT_HIDEPREFIX);
    for (int x = 6; x < 12; ++x) EXPECT_EQ(canvas.At(x, 11), kWhite) << x;
    canvas.Clear(kWhite);
    DrawText(canvas.dc, "a&bc", -1, &box, DT_PREFIXONLY);
    EXPECT_EQ(canvas.Ink(), (RECT{6, 11, 12, 12})) << "only the underline";
}

TEST_F(DrawTextTest, WordBreakWrapsAtSpacesAndBetweenChineseCharacters) {
    // 60 pixels hold ten Latin characters.
    EXPECT_EQ(Measure("one two three four", DT_WORDBREAK, 60), (RECT{10, 5, 10 + 60, 5 + 24}));
    EXPECT_EQ(height, 24);
    // A word longer than the line stays whole (and widens the measure).
    EXPECT_EQ(Measure("abcdefghijklmn xy", DT_WORDBREAK, 60), (RECT{10, 5, 10 + 84, 5 + 24}));
    // Chinese text breaks between any two characters: five per 60 pixels.
    EXPECT_EQ(Measure("文字画成图导入关于", DT_WORDBREAK, 60), (RECT{10, 5, 70, 29}));
    EXPECT_EQ(Measure("文字画成图导入关于", DT_WORDBREAK | DT_SINGLELINE, 60).bottom, 17)
        << "single-line does not wrap";
}

TEST_F(DrawTextTest, AlignsInsideTheRectangle) {
    RECT box{20, 10, 140, 50};
    DrawText(canvas.dc, "群", -1, &box, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    RECT ink = canvas.Ink();
    EXPECT_GE(ink.left, 74);
    EXPECT_LE(ink.right, 86);
    EXPECT_GE(ink.top, 24);
    EXPECT_LE(ink.bottom, 36);

    canvas.Clear(kWhite);
    EXPECT_EQ(DrawText(canvas.dc, "群", -1, &box, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM), 40)
        << "bottom-aligned text returns the offset of its bottom";
    ink = canvas.Ink();
    EXPECT_GE(ink.left, 128);
    EXPECT_LE(ink.right, 140);
    EXPECT_GE(ink.top, 38);
    EXPECT_LE(ink.bottom, 50);
}

TEST_F(DrawTextTest, TabsExpandToStops) {
    EXPECT_EQ(Measure("a\tb", DT_EXPANDTABS).right, 10 + 48 + 6) << "stops every 8 average widths";
    // With DT_TABSTOP the second byte is the tab size, not flags: 4 << 8 is also DT_CALCRECT's bit, yet this
    // draws with tab stops every 4 characters instead of measuring.
    static_assert((4u << 8) == DT_CALCRECT);
    RECT box{0, 0, 100, 12};
    EXPECT_EQ(DrawText(canvas.dc, "\t群", -1, &box, DT_EXPANDTABS | DT_TABSTOP | (4 << 8)), 12);
    EXPECT_EQ(box.right, 100) << "not measured";
    const RECT ink = canvas.Ink();
    EXPECT_GE(ink.left, 24);
    EXPECT_LE(ink.right, 36);
}

TEST_F(DrawTextTest, EllipsesShortenWhatDoesNotFit) {
    RECT box{0, 0, 42, 12}; // seven Latin characters
    DrawText(canvas.dc, "abcdefghij", -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(box.right, 42) << "abcd...";
    box = RECT{0, 0, 42, 12};
    DrawText(canvas.dc, "abcdef", -1, &box, DT_SINGLELINE | DT_END_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(box.right, 36) << "a text that fits is kept";

    TextCanvas wide(400, 20);
    wide.UseFont(MakeLogFont("宋体", -12));
    box = RECT{0, 0, 90, 12}; // 15 characters
    DrawText(wide.dc, "C:\\pictures\\holiday\\sea.bmp", -1, &box,
             DT_SINGLELINE | DT_PATH_ELLIPSIS | DT_CALCRECT);
    EXPECT_EQ(box.right, 90) << "C:\\pict...\\sea.bmp";
    // Drawn: the text ends in the file name.
    box = RECT{0, 0, 90, 12};
    DrawText(wide.dc, "C:\\pictures\\holiday\\sea.bmp", -1, &box, DT_SINGLELINE | DT_PATH_ELLIPSIS);
    EXPECT_LE(wide.Ink().right, 90);
}

TEST_F(DrawTextTest, ClipsToTheRectangleUnlessNoClip) {
    RECT box{10, 10, 40, 30};
    DrawText(canvas.dc, "WWWWWWWWWW", -1, &box, DT_SINGLELINE);
    EXPECT_LE(canvas.Ink().right, 40);
    canvas.Clear(kWhite);
    DrawText(canvas.dc, "WWWWWWWWWW", -1, &box, DT_SINGLELINE | DT_NOCLIP);
    EXPECT_GT(canvas.Ink().right, 60);

    // An opaque background fills each line's cell.
    canvas.Clear(kWhite);
    SetBkMode(canvas.dc, OPAQUE);
    SetBkColor(canvas.dc, RGB(0, 255, 0));
    box = RECT{10, 10, 100, 60};
    DrawText(canvas.dc, "ab\nabc", -1, &box, 0);
    EXPECT_EQ(canvas.Ink(), (RECT{10, 10, 28, 34}));
    EXPECT_EQ(canvas.At(25, 15), RGB(255, 255, 255)) << "beyond the first line's cell";
}

} // namespace
} // namespace win
