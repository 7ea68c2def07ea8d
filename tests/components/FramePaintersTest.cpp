// The frame painters drawn on a small memory surface and read back pixel by pixel, and the colour shades by
// TColor (system colours resolved at the time of the call).
#include "MemorySurface.h"

#include "components/ColorShading.h"
#include "components/FramePainters.h"
#include "platform/gdi/SysColors.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace gl {
namespace {

constexpr win::COLORREF Rgb(int r, int g, int b) {
    return win::RGB(r, g, b);
}
using test::Surface;
constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000;

win::COLORREF Sys(TColor color) {
    return ColorToRGB(color);
}

// Pictures of a 6 × 6 border: A/B the outer upper-left/lower-right colours, C/D the inner ones.
const std::vector<std::string> kOneOutline{"AAAAAB", "A....B", "A....B", "A....B", "A....B", "BBBBBB"};
const std::vector<std::string> kTwoOutlines{"AAAAAB", "ACCCDB", "AC..DB", "AC..DB", "ADDDDB", "BBBBBB"};
// The etched pair: A upper-left, B lower-right.
const std::vector<std::string> kEtched{"AAAAAB", "ABBBAB", "AB..AB", "AB..AB", "AAAAAB", "BBBBBB"};

struct StyleCase {
    TFrameStyleEx style;
    const std::vector<std::string>* picture;
    win::COLORREF a, b, c, d;
};

void ExpectStyles(const std::vector<StyleCase>& cases, bool derived, TColor base) {
    Surface surface(6, 6);
    for (const StyleCase& item : cases) {
        surface.Clear();
        const TRect inner =
            derived ? DrawColorBorder(surface.canvas, Rect(0, 0, 6, 6), item.style, sdAllSides, base)
                    : DrawBorder(surface.canvas, Rect(0, 0, 6, 6), item.style, sdAllSides);
        const std::string what = "style " + std::to_string(item.style);
        surface.Expect(*item.picture, {{'A', item.a}, {'B', item.b}, {'C', item.c}, {'D', item.d}}, what);
        const int inset = item.picture == &kOneOutline ? 1 : 2;
        EXPECT_EQ(inner.left, inset) << what;
        EXPECT_EQ(inner.bottom, 6 - inset) << what;
    }
}

TEST(FramePainters, SystemColourBorderEveryStyle) {
    const auto shadow = Sys(clBtnShadow), light = Sys(clBtnHighlight), dark = Sys(cl3DDkShadow);
    const auto light3d = Sys(cl3DLight), text = Sys(clBtnText);
    ExpectStyles({{fsFlat, &kOneOutline, dark, dark, 0, 0},
                  {fsGroove, &kEtched, shadow, light, 0, 0},
                  {fsBump, &kEtched, light, shadow, 0, 0},
                  {fsLowered, &kTwoOutlines, shadow, light, dark, light3d},
                  {fsButtonDown, &kTwoOutlines, text, text, shadow, shadow},
                  {fsRaised, &kTwoOutlines, light3d, dark, light, shadow},
                  {fsButtonUp, &kTwoOutlines, light, dark, light3d, shadow},
                  {fsStatus, &kOneOutline, shadow, light, 0, 0},
                  {fsPopup, &kOneOutline, light, shadow, 0, 0},
                  {fsFlatBold, &kTwoOutlines, shadow, shadow, shadow, shadow}},
                 false, clNone);
    Surface surface(6, 6);
    const TRect inner = DrawBorder(surface.canvas, Rect(0, 0, 6, 6), fsNone, sdAllSides);
    EXPECT_EQ(inner.left, 0);
    surface.Expect({"......", "......", "......", "......", "......", "......"}, {}, "fsNone");
}

TEST(FramePainters, ColourDerivedBorderEveryStyle) {
    // A system colour as the base is resolved first: clBtnFace is RGB 240, 240, 240 by default.
    for (TColor base : {TColor(Rgb(120, 160, 200)), clBtnFace}) {
        const RgbColor rgb = Sys(base);
        const auto d50 = DarkerRgb(rgb, 50), d100 = DarkerRgb(rgb, 100);
        const auto l40 = LighterRgb(rgb, 40), l50 = LighterRgb(rgb, 50), l100 = LighterRgb(rgb, 100);
        ExpectStyles({{fsFlat, &kOneOutline, d50, d50, 0, 0},
                      {fsGroove, &kEtched, d50, l100, 0, 0},
                      {fsBump, &kEtched, l100, d50, 0, 0},
                      {fsLowered, &kTwoOutlines, d50, l100, d100, l50},
                      {fsButtonDown, &kTwoOutlines, d100, d100, d50, d50},
                      {fsRaised, &kTwoOutlines, l50, d100, l100, d50},
                      {fsButtonUp, &kTwoOutlines, l100, d100, l40, d50},
                      {fsStatus, &kOneOutline, d50, l100, 0, 0},
                      {fsPopup, &kOneOutline, l100, d50, 0, 0},
                      {fsFlatBold, &kTwoOutlines, d50, d50, d50, d50}},
                     true, base);
    }
}

TEST(FramePainters, OutlineOnPartialSidesAndNoColour) {
    Surface surface(5, 4);
    TRect inner = DrawSides(surface.canvas, Rect(0, 0, 5, 4), kRed, kBlue, TSides{sdTop, sdRight});
    surface.Expect({"RRRRB", "....B", "....B", "....B"}, {{'R', Sys(kRed)}, {'B', Sys(kBlue)}}, "top, right");
    EXPECT_EQ(inner.left, 0);
    EXPECT_EQ(inner.top, 1);
    EXPECT_EQ(inner.right, 4);
    EXPECT_EQ(inner.bottom, 4);

    // clNone draws nothing on its sides, but the sides still count as drawn.
    surface.Clear();
    inner = DrawSides(surface.canvas, Rect(0, 0, 5, 4), clNone, kBlue, sdAllSides);
    surface.Expect({"....B", "....B", "....B", "BBBBB"}, {{'B', Sys(kBlue)}}, "clNone");
    EXPECT_EQ(inner.left, 1);
    EXPECT_EQ(inner.top, 1);
}

TEST(FramePainters, CutCornerOutlineLeavesTheFourCornersAlone) {
    Surface surface(6, 5);
    DrawCutCornerOutline(surface.canvas, Rect(1, 0, 6, 5), kRed);
    surface.Expect({"..RRR.", ".R...R", ".R...R", ".R...R", "..RRR."}, {{'R', Rgb(255, 0, 0)}},
                   "cut corners");
}

TEST(FramePainters, EtchedPairSetsTheCornerPixelsOfPartialSides) {
    struct Case {
        TSides sides;
        std::vector<std::string> picture;
        TRect inner;
    };
    const std::vector<Case> cases{
        {TSides{sdLeft, sdTop},
         {"UUUUUU", "UWWWWW", "UW....", "UW....", "UW....", "UW...."},
         Rect(2, 2, 6, 6)},
        {TSides{sdRight, sdBottom},
         {"....UW", "....UW", "....UW", "....UW", "UUUUUW", "WWWWWW"},
         Rect(0, 0, 4, 4)},
        {TSides{sdTop}, {"UUUUUU", "WWWWWW", "......", "......", "......", "......"}, Rect(0, 2, 6, 6)},
        {TSides{sdLeft}, {"UW....", "UW....", "UW....", "UW....", "UW....", "UW...."}, Rect(2, 0, 6, 6)},
        {TSides{sdBottom}, {"......", "......", "......", "......", "UUUUUU", "WWWWWW"}, Rect(0, 0, 6, 4)},
        {TSides{sdRight}, {"....UW", "....UW", "....UW", "....UW", "....UW", "....UW"}, Rect(0, 0, 4, 6)},
        {TSides{sdLeft, sdRight},
         {"UW..UW", "UW..UW", "UW..UW", "UW..UW", "UW..UW", "UW..UW"},
         Rect(2, 0, 4, 6)},
    };
    Surface surface(6, 6);
    for (const Case& item : cases) {
        surface.Clear();
        const TRect inner = DrawEtchedPair(surface.canvas, Rect(0, 0, 6, 6), kRed, kBlue, item.sides);
        const std::string what = "sides " + std::to_string(item.sides.Bits());
        surface.Expect(item.picture, {{'U', Sys(kRed)}, {'W', Sys(kBlue)}}, what);
        EXPECT_EQ(inner.left, item.inner.left) << what;
        EXPECT_EQ(inner.top, item.inner.top) << what;
        EXPECT_EQ(inner.right, item.inner.right) << what;
        EXPECT_EQ(inner.bottom, item.inner.bottom) << what;
    }
}

TEST(FramePainters, FramedFieldClearsTheRingThenDrawsItsStyle) {
    Surface surface(6, 6);
    const auto face = Sys(clBtnFace), red = Sys(kRed);
    // A flat line on two sides: the rest of the two-pixel ring keeps the background.
    DrawFrame(surface.canvas, 6, 6, TSides{sdLeft, sdTop}, kRed, clBtnFace, fsFlat);
    surface.Expect({"FFFFFF", "FCCCCC", "FC..CC", "FC..CC", "FCCCCC", "FCCCCC"}, {{'F', red}, {'C', face}},
                   "fsFlat");
    surface.Clear();
    DrawFrame(surface.canvas, 6, 6, sdAllSides, kRed, clBtnFace, fsFlatBold);
    surface.Expect({"FFFFFF", "FFFFFF", "FF..FF", "FF..FF", "FFFFFF", "FFFFFF"}, {{'F', red}}, "fsFlatBold");
    surface.Clear();
    DrawFrame(surface.canvas, 6, 6, sdAllSides, kRed, clBtnFace, fsNone);
    surface.Expect({"CCCCCC", "CCCCCC", "CC..CC", "CC..CC", "CCCCCC", "CCCCCC"}, {{'C', face}}, "fsNone");
}

TEST(FramePainters, WindowColourValueChoosesTheSystemPainterPureWhiteTheShades) {
    Surface surface(6, 6);
    DrawFrame(surface.canvas, 6, 6, sdAllSides, kRed, clWindow, fsLowered);
    surface.Expect(kTwoOutlines,
                   {{'A', Sys(clBtnShadow)},
                    {'B', Sys(clBtnHighlight)},
                    {'C', Sys(cl3DDkShadow)},
                    {'D', Sys(cl3DLight)}},
                   "clWindow");
    // Same RGB, other value: shades of white (D50 of white is RGB 202, 202, 202; lighter stays white).
    surface.Clear();
    DrawFrame(surface.canvas, 6, 6, sdAllSides, kRed, clWhite, fsLowered);
    const auto white = Rgb(255, 255, 255);
    surface.Expect(kTwoOutlines,
                   {{'A', Rgb(202, 202, 202)}, {'B', white}, {'C', Rgb(149, 149, 149)}, {'D', white}},
                   "clWhite");
}

TEST(FramePainters, ShadesResolveSystemColoursWhenCalled) {
    // The buttons' face colour set as the scheme's button face gives the worked border colour.
    const int element = win::COLOR_BTNFACE;
    const win::COLORREF face = Rgb(244, 244, 240);
    win::SetSysColors(1, &element, &face);
    EXPECT_EQ(DarkerColor(clBtnFace, 150), TColor(Rgb(96, 96, 70)));
    EXPECT_EQ(DarkerColor(TColor(face), 150), TColor(Rgb(96, 96, 70)));
    win::ResetSysColors();

    EXPECT_EQ(LighterColor(TColor(Rgb(255, 199, 60)), 30), TColor(Rgb(255, 219, 123)));
    EXPECT_EQ(BlendColors(TColor(Rgb(28, 81, 128)), clWindow, 128), TColor(Rgb(141, 168, 191)));
    EXPECT_EQ(BlendColors(TColor(Rgb(33, 161, 33)), clBtnHighlight, 153), TColor(Rgb(122, 199, 122)));
}

TEST(FramePainters, ShadesOfTheExtremesAndAdjustments) {
    for (int n : {1, 30, 100, 240, 255}) {
        EXPECT_EQ(LighterColor(clWindow, n), clWhite) << n;
        EXPECT_EQ(LighterColor(clWhite, n), clWhite) << n;
        EXPECT_EQ(DarkerColor(clWindowText, n), clBlack) << n;
        EXPECT_EQ(DarkerColor(clBlack, n), clBlack) << n;
    }
    // Lightness pushed past 240 saturates to white whatever the hue.
    EXPECT_EQ(LighterColor(clHighlight, 200), clWhite);
    EXPECT_EQ(LighterColor(TColor(Rgb(28, 81, 128)), 255), clWhite);

    EXPECT_EQ(AdjustColor(clBtnShadow, 30), TColor(Rgb(192, 192, 192)));
    EXPECT_EQ(AdjustColor(clBtnShadow, -30), DarkerColor(clBtnShadow, 30));
    EXPECT_EQ(AdjustColor(clBtnShadow, 0), clBtnShadow);
    EXPECT_EQ(DarkerColor(clNone, 50), clNone);
    EXPECT_EQ(LighterColor(clNone, 50), clNone);
}

} // namespace
} // namespace gl
