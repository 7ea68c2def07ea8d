// TextOut and ExtTextOut: placement by the text alignment, backgrounds, clipping, origins, bit depths and
// decorations.
#include "TextCanvas.h"

#include <gtest/gtest.h>

#include <climits>

namespace win {
namespace {

using test::MakeLogFont;
using test::TextCanvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class TextOutTest : public ::testing::Test {
protected:
    TextOutTest() : canvas(120, 40) {
        canvas.UseFont(MakeLogFont("宋体", -12));
        SetBkMode(canvas.dc, TRANSPARENT);
    }
    TextCanvas canvas;
};

TEST_F(TextOutTest, AlignmentPlacesTheReferencePoint) {
    // "WW" is 12 pixels wide and its ink touches both ends of the cell's width in the strike.
    const RECT leftInk = [&] {
        TextOut(canvas.dc, 50, 10, "群群", -1);
        return canvas.Ink();
    }();
    EXPECT_GE(leftInk.left, 50);
    EXPECT_LE(leftInk.right, 74);

    struct Case {
        UINT align;
        int dx;
        int dy;
    } cases[] = {{TA_RIGHT, -24, 0},
                 {TA_CENTER, -12, 0},
                 {TA_BASELINE, 0, -11},
                 {TA_BOTTOM, 0, -12},
                 {TA_RIGHT | TA_BOTTOM, -24, -12}};
    for (const Case& c : cases) {
        canvas.Clear(kWhite);
        SetTextAlign(canvas.dc, c.align);
        TextOut(canvas.dc, 50, 20, "群群", -1);
        const RECT ink = canvas.Ink();
        EXPECT_EQ(ink.left - leftInk.left, c.dx) << c.align;
        EXPECT_EQ(ink.top - leftInk.top, c.dy + 10) << c.align;
    }
}

TEST_F(TextOutTest, UpdateCurrentPositionAdvancesThePen) {
    SetTextAlign(canvas.dc, TA_UPDATECP);
    MoveToEx(canvas.dc, 5, 5, nullptr);
    TextOut(canvas.dc, 0, 0, "ab", 2);
    TextOut(canvas.dc, 0, 0, "群", -1);
    POINT pos{};
    GetCurrentPositionEx(canvas.dc, &pos);
    EXPECT_EQ(pos.x, 5 + 12 + 12);
    EXPECT_EQ(pos.y, 5);
    EXPECT_GE(canvas.Ink().left, 5);
}

TEST_F(TextOutTest, OpaqueBackgroundFillsTheCellOnly) {
    SetBkMode(canvas.dc, OPAQUE);
    SetBkColor(canvas.dc, RGB(10, 200, 30));
    TextOut(canvas.dc, 7, 9, "ab", 2);
    EXPECT_EQ(canvas.Ink(), (RECT{7, 9, 19, 21}));
    for (const COLORREF c : canvas.Colors(RECT{7, 9, 19, 21}))
        EXPECT_TRUE(c == kBlack || c == RGB(10, 200, 30)) << std::hex << c;
}

TEST_F(TextOutTest, ClippedOpaqueFillsExactlyTheRectangle) {
    SetBkColor(canvas.dc, RGB(0, 0, 255));
    const RECT r{10, 5, 30, 15};
    // The text starts left of and above the rectangle and runs far past it.
    ASSERT_TRUE(ExtTextOut(canvas.dc, 4, 0, ETO_CLIPPED | ETO_OPAQUE, &r, "Tarnwick群号", -1, nullptr));
    EXPECT_EQ(canvas.Ink(), r);
    for (const COLORREF c : canvas.Colors(r)) EXPECT_TRUE(c == kBlack || c == RGB(0, 0, 255));
    EXPECT_GT(canvas.Colors(r).size(), 1u) << "some ink inside";

    // Opaque without clipping: the rectangle is filled and the text runs on past it.
    canvas.Clear(kWhite);
    ExtTextOut(canvas.dc, 4, 0, ETO_OPAQUE, &r, "Tarnwick群号", -1, nullptr);
    const RECT ink = canvas.Ink();
    EXPECT_LT(ink.left, r.left);
    EXPECT_GT(ink.right, r.right);

    // An empty text with ETO_OPAQUE only fills.
    canvas.Clear(kWhite);
    EXPECT_TRUE(ExtTextOut(canvas.dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr));
    EXPECT_EQ(canvas.Ink(), r);
}

TEST_F(TextOutTest, OriginsAndClipRegionApply) {
    SetViewportOrgEx(canvas.dc, 30, 3, nullptr);
    SetWindowOrgEx(canvas.dc, 10, 0, nullptr);
    IntersectClipRect(canvas.dc, 0, 0, 16, 40); // logical: device x 20..36
    TextOut(canvas.dc, 0, 0, "群群群", -1);
    // Read back in device coordinates, without the clip.
    SelectClipRgn(canvas.dc, nullptr);
    SetViewportOrgEx(canvas.dc, 0, 0, nullptr);
    SetWindowOrgEx(canvas.dc, 0, 0, nullptr);
    const RECT ink = canvas.Ink();
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 36);
    EXPECT_GE(ink.top, 3);
    EXPECT_LE(ink.bottom, 15);
}

TEST_F(TextOutTest, AdvancesCanBeGiven) {
    const INT dx[] = {20, 20, 20};
    ExtTextOut(canvas.dc, 0, 0, 0, nullptr, "iii", 3, dx);
    EXPECT_GE(canvas.Ink().right, 41) << "the third i starts at 40";
}

TEST(TextOutDepths, PureBlackStrikeTextOnEveryBitDepth) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        TextCanvas canvas(80, 16, bits);
        canvas.UseFont(MakeLogFont("宋体", -12));
        // White as the surface holds it (five bits per channel read back as 0xF8).
        const COLORREF paper = canvas.At(0, 0);
        TextOut(canvas.dc, 1, 2, "Tar群", -1);
        std::vector<COLORREF> colors = canvas.Colors(RECT{0, 0, 80, 16});
        std::sort(colors.begin(), colors.end());
        EXPECT_EQ(colors, (std::vector<COLORREF>{kBlack, paper})) << bits << " bits";
        EXPECT_EQ(canvas.Ink(paper), (RECT{1, 3, 30, 14})) << bits << " bits";
    }
}

TEST(TextOutQuality, OutlinesAreGreyUnlessNonAntialiased) {
    TextCanvas smooth(80, 30);
    smooth.UseFont(MakeLogFont("DejaVu Sans", -20));
    TextOut(smooth.dc, 2, 2, "Sog", -1);
    EXPECT_GT(smooth.Colors(RECT{0, 0, 80, 30}).size(), 2u) << "grey levels at the edges";

    for (int bits : {8, 32}) {
        TextCanvas sharp(80, 30, bits);
        sharp.UseFont(MakeLogFont("DejaVu Sans", -20, FW_NORMAL, NONANTIALIASED_QUALITY));
        TextOut(sharp.dc, 2, 2, "Sog", -1);
        std::vector<COLORREF> colors = sharp.Colors(RECT{0, 0, 80, 30});
        std::sort(colors.begin(), colors.end());
        EXPECT_EQ(colors, (std::vector<COLORREF>{kBlack, kWhite})) << bits;
    }

    // Grey edges blend with what is underneath: yellow on dark blue gives only mixtures of the two.
    TextCanvas blend(80, 30);
    blend.UseFont(MakeLogFont("DejaVu Sans", -20));
    blend.Clear(RGB(0, 0, 128));
    SetBkMode(blend.dc, TRANSPARENT);
    SetTextColor(blend.dc, RGB(255, 255, 0));
    TextOut(blend.dc, 2, 2, "Sog", -1);
    for (const COLORREF c : blend.Colors(RECT{0, 0, 80, 30})) {
        EXPECT_EQ(GetRValue(c), GetGValue(c));
        EXPECT_NEAR(GetBValue(c), 128 - GetRValue(c) * 128 / 255, 1);
    }
}

TEST(TextOutStyle, UnderlineStrikeOutBoldAndItalic) {
    TextCanvas plain(60, 16);
    plain.UseFont(MakeLogFont("宋体", -12));
    TextOut(plain.dc, 0, 0, "ab", 2);

    TextCanvas lined(60, 16);
    LOGFONT lf = MakeLogFont("宋体", -12);
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 1;
    lined.UseFont(lf);
    TextOut(lined.dc, 0, 0, "ab", 2);
    TEXTMETRIC tm{};
    GetTextMetrics(lined.dc, &tm);
    EXPECT_TRUE(tm.tmUnderlined);
    EXPECT_TRUE(tm.tmStruckOut);
    // The underline is the cell's last row, across the whole text.
    for (int x = 0; x < 12; ++x) EXPECT_EQ(lined.At(x, 11), kBlack) << x;
    EXPECT_EQ(lined.At(12, 11), kWhite);
    int strikeRows = 0;
    for (int y = 0; y < 11; ++y) {
        bool full = true;
        for (int x = 0; x < 12; ++x) full = full && lined.At(x, y) == kBlack;
        strikeRows += full ? 1 : 0;
    }
    EXPECT_EQ(strikeRows, 1);

    // Synthetic bold widens each character by a pixel; synthetic italic keeps the strike's metrics and
    // pixels.
    TextCanvas bold(60, 16);
    bold.UseFont(MakeLogFont("宋体", -12, FW_BOLD));
    SIZE size{};
    GetTextExtentPoint32(bold.dc, "ab", 2, &size);
    EXPECT_EQ(size.cx, 14);
    TextCanvas italic(60, 16);
    lf = MakeLogFont("宋体", -12);
    lf.lfItalic = 1;
    italic.UseFont(lf);
    GetTextMetrics(italic.dc, &tm);
    EXPECT_EQ(tm.tmHeight, 12);
    TextOut(italic.dc, 2, 0, "ab", 2);
    std::vector<COLORREF> colors = italic.Colors(RECT{0, 0, 60, 16});
    EXPECT_EQ(colors.size(), 2u);
    EXPECT_NE(italic.Ink(), plain.Ink());
}

TEST(TextOutErrors, BadHandlesAndArgumentsFailCleanly) {
    EXPECT_FALSE(TextOut(nullptr, 0, 0, "a", 1));
    HDC stale = CreateCompatibleDC(nullptr);
    DeleteDC(stale);
    SIZE size{};
    EXPECT_FALSE(GetTextExtentPoint32(stale, "a", 1, &size));
    TextCanvas canvas(10, 10);
    EXPECT_FALSE(TextOut(canvas.dc, 0, 0, nullptr, 3));
    EXPECT_FALSE(GetTextExtentPoint32(canvas.dc, "a", -2, &size));
    RECT r{0, 0, 10, 10};
    EXPECT_EQ(DrawText(canvas.dc, "a", 1, nullptr, 0), 0);
    EXPECT_EQ(DrawText(stale, "a", 1, &r, 0), 0);
    // Malformed UTF-8 draws and measures (as replacement characters) without harm.
    EXPECT_TRUE(TextOut(canvas.dc, 0, 0, "\xFF\xC3", 2));
    EXPECT_TRUE(GetTextExtentPoint32(canvas.dc, "\xE4\xB8", 2, &size));
    // Extreme coordinates and advances draw nothing and overflow nothing.
    const INT huge[] = {INT_MAX, INT_MAX, INT_MIN};
    EXPECT_TRUE(ExtTextOut(canvas.dc, INT_MIN, INT_MAX, 0, nullptr, "abc", 3, huge));
    SetTextAlign(canvas.dc, TA_RIGHT | TA_BASELINE | TA_UPDATECP);
    EXPECT_TRUE(TextOut(canvas.dc, 0, 0, "abc", 3));
    SetTextAlign(canvas.dc, TA_LEFT);
    RECT everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_GT(DrawText(canvas.dc, "a b\nc", -1, &everything, DT_WORDBREAK | DT_CENTER), 0);
    EXPECT_GT(DrawText(canvas.dc, "a b", -1, &everything, DT_SINGLELINE | DT_VCENTER | DT_RIGHT), 0);
    EXPECT_GT(DrawText(canvas.dc, "a b", -1, &everything, DT_CALCRECT), 0);
    // A stale font handle in the context falls back to the system font.
    HFONT font = CreateFont(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "宋体");
    HGDIOBJ old = SelectObject(canvas.dc, font);
    SelectObject(canvas.dc, old);
    DeleteObject(font);
    EXPECT_TRUE(GetTextExtentPoint32(canvas.dc, "a", 1, &size));
}

} // namespace
} // namespace win
