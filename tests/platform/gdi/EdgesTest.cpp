// Three-dimensional edges and the classic button parts, pixel by pixel in the system colours.
#include "DrawingCanvas.h"

#include "platform/gdi/Edges.h"
#include "platform/gdi/FrameControls.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Canvas;
using test::Rows;

constexpr COLORREF kBack = RGB(1, 2, 3);
// Distinct window and text colours, so that every role of a glyph has its own letter.
constexpr COLORREF kWindow = RGB(250, 250, 200);
constexpr COLORREF kText = RGB(0, 0, 128);

class Edges : public ::testing::Test {
protected:
    void SetUp() override {
        const INT which[] = {COLOR_WINDOW, COLOR_WINDOWTEXT};
        const COLORREF values[] = {kWindow, kText};
        SetSysColors(2, which, values);
    }
    void TearDown() override { ResetSysColors(); }

    std::map<COLORREF, char> Legend() const {
        return {{kBack, '.'},
                {GetSysColor(COLOR_3DLIGHT), 'L'},
                {GetSysColor(COLOR_3DDKSHADOW), 'K'},
                {GetSysColor(COLOR_BTNHIGHLIGHT), 'H'},
                {GetSysColor(COLOR_BTNSHADOW), 'S'},
                {GetSysColor(COLOR_BTNFACE), 'F'},
                {kWindow, 'W'},
                {kText, 'T'}};
    }
};

TEST_F(Edges, RaisedEdgeCornersBelongToTheLowerRightColour) {
    Canvas c(6, 6, 32, {}, kBack);
    RECT r{0, 0, 6, 6};
    ASSERT_TRUE(DrawEdge(c.dc, &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(c.Picture(Legend()), Rows({"LLLLLK", //
                                         "LHHHSK", //
                                         "LHFFSK", //
                                         "LHFFSK", //
                                         "LSSSSK", //
                                         "KKKKKK"}));
    EXPECT_EQ(r, (RECT{2, 2, 4, 4}));
}

TEST_F(Edges, SoftSunkenAndPartialEdges) {
    Canvas c(5, 4, 32, {}, kBack);
    RECT r{0, 0, 5, 4};
    DrawEdge(c.dc, &r, EDGE_SUNKEN, BF_TOPLEFT | BF_SOFT | BF_ADJUST);
    EXPECT_EQ(c.Picture(Legend()), Rows({"KKKKK", //
                                         "KSSSS", //
                                         "KS...", //
                                         "KS..."}));
    EXPECT_EQ(r, (RECT{2, 2, 5, 4}));
    EXPECT_FALSE(DrawEdge(c.dc, &r, EDGE_RAISED, BF_DIAGONAL));
}

TEST_F(Edges, ClassicRadioButtonGlyph) {
    Canvas c(12, 12, 32, {}, kBack);
    RECT r{0, 0, 12, 12};
    ASSERT_TRUE(DrawFrameControl(c.dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED));
    EXPECT_EQ(c.Picture(Legend()), Rows({"....SSSS....", //
                                         "..SSKKKKSS..", //
                                         ".SKKWWWWKLH.", //
                                         ".SKWWWWWWLH.", //
                                         "SKWWWTTWWWLH", //
                                         "SKWWTTTTWWLH", //
                                         "SKWWTTTTWWLH", //
                                         "SKWWWTTWWWLH", //
                                         ".SKWWWWWWLH.", //
                                         ".SLLWWWWLLH.", //
                                         "..HHLLLLHH..", //
                                         "....HHHH...."}));
}

TEST_F(Edges, RadioStatesInThirteenPixelCell) {
    auto draw = [&](UINT state, int x, int y) {
        Canvas c(13, 13, 32, {}, kBack);
        RECT r{0, 0, 13, 13};
        DrawFrameControl(c.dc, &r, DFC_BUTTON, DFCS_BUTTONRADIO | state);
        return c.At(x, y);
    };
    EXPECT_EQ(draw(0, 0, 0), kBack) << "corners stay as they were";
    EXPECT_EQ(draw(0, 6, 6), kWindow);
    EXPECT_EQ(draw(DFCS_CHECKED, 6, 6), kText);
    EXPECT_EQ(draw(DFCS_CHECKED | DFCS_INACTIVE, 6, 6), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(draw(DFCS_INACTIVE, 6, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(draw(DFCS_PUSHED, 6, 3), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(draw(0, 0, 6), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(draw(0, 12, 6), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(draw(0, 6, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(draw(0, 6, 12), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(draw(DFCS_FLAT, 12, 6), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(draw(DFCS_FLAT, 11, 6), kWindow);
    EXPECT_EQ(draw(DFCS_MONO, 0, 6), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(Edges, CheckBoxAndPushButton) {
    Canvas c(13, 13, 32, {}, kBack);
    RECT r{0, 0, 13, 13};
    ASSERT_TRUE(DrawFrameControl(c.dc, &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED));
    EXPECT_EQ(c.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(c.At(12, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(c.At(1, 1), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(c.At(11, 11), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(c.At(2, 2), kWindow);
    // The tick: down from (3, 5) to (5, 9), up to (9, 3).
    for (const POINT p : {POINT{3, 5}, POINT{3, 7}, POINT{5, 9}, POINT{7, 5}, POINT{9, 3}, POINT{9, 5}})
        EXPECT_EQ(c.At(p.x, p.y), kText) << p.x << "," << p.y;
    for (const POINT p : {POINT{3, 4}, POINT{3, 8}, POINT{5, 6}, POINT{9, 6}})
        EXPECT_EQ(c.At(p.x, p.y), kWindow) << p.x << "," << p.y;

    Canvas b(8, 6, 32, {}, kBack);
    RECT face{0, 0, 8, 6};
    ASSERT_TRUE(DrawFrameControl(b.dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT));
    EXPECT_EQ(face, (RECT{2, 2, 6, 4}));
    EXPECT_EQ(b.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(b.At(7, 5), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(b.At(1, 1), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(b.At(3, 3), GetSysColor(COLOR_BTNFACE));
    face = RECT{0, 0, 8, 6};
    DrawFrameControl(b.dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
    EXPECT_EQ(b.At(0, 0), GetSysColor(COLOR_3DDKSHADOW));
    EXPECT_EQ(b.At(1, 1), GetSysColor(COLOR_BTNSHADOW));

    SetLastError(0);
    EXPECT_FALSE(DrawFrameControl(b.dc, &face, DFC_CAPTION, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

} // namespace
} // namespace win
