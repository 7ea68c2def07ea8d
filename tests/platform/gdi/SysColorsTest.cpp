// The system colours as drawing shows them: the standard colours through their brushes, changing colours,
// and brushes that follow the changes.
#include "DrawingCanvas.h"

#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <iterator>
#include <utility>

namespace win {
namespace {

using test::Canvas;

// What a user sees of the standard colours: each one painted through its brush, and through the brush that
// its index plus one stands for, lands as the platform's documented RGB.
TEST(SysColors, BrushesPaintTheStandardColours) {
    const std::pair<INT, COLORREF> standard[] = {
        {COLOR_WINDOW, RGB(255, 255, 255)},       {COLOR_WINDOWTEXT, RGB(0, 0, 0)},
        {COLOR_BTNFACE, RGB(240, 240, 240)},      {COLOR_BTNSHADOW, RGB(160, 160, 160)},
        {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)}, {COLOR_3DDKSHADOW, RGB(105, 105, 105)},
        {COLOR_3DLIGHT, RGB(227, 227, 227)},      {COLOR_HIGHLIGHT, RGB(51, 153, 255)},
        {COLOR_INFOBK, RGB(255, 255, 225)},       {COLOR_GRAYTEXT, RGB(109, 109, 109)},
        {COLOR_HOTLIGHT, RGB(0, 102, 204)}};
    const int count = static_cast<int>(std::size(standard));
    Canvas c(count, 2, 32, {}, RGB(1, 2, 3));
    for (int i = 0; i < count; ++i) {
        const RECT top{i, 0, i + 1, 1}, bottom{i, 1, i + 1, 2};
        ASSERT_TRUE(FillRect(c.dc, &top, GetSysColorBrush(standard[i].first)));
        ASSERT_TRUE(FillRect(c.dc, &bottom, reinterpret_cast<HBRUSH>(std::uintptr_t(standard[i].first + 1))));
    }
    for (int i = 0; i < count; ++i) {
        EXPECT_EQ(c.At(i, 0), standard[i].second) << "colour " << standard[i].first;
        EXPECT_EQ(c.At(i, 1), standard[i].second) << "colour " << standard[i].first << ", index brush";
    }
    // No colour and no brush outside the table.
    EXPECT_EQ(GetSysColor(-1), 0u);
    EXPECT_EQ(GetSysColor(kSysColorCount), 0u);
    EXPECT_EQ(GetSysColorBrush(kSysColorCount), nullptr);
}

TEST(SysColors, SetSysColorsMovesColoursAndTheirBrushes) {
    HBRUSH text = GetSysColorBrush(COLOR_WINDOWTEXT);
    EXPECT_EQ(GetSysColorBrush(COLOR_WINDOWTEXT), text) << "one brush per colour";
    EXPECT_TRUE(DeleteObject(text));

    const INT which[] = {COLOR_WINDOWTEXT, 99, COLOR_BTNFACE};
    const COLORREF values[] = {RGB(0, 0, 128), RGB(1, 1, 1), RGB(200, 10, 10)};
    ASSERT_TRUE(SetSysColors(3, which, values));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 128));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(200, 10, 10));

    Canvas c(2, 1);
    RECT left{0, 0, 1, 1}, right{1, 0, 2, 1};
    ASSERT_TRUE(FillRect(c.dc, &left, text)) << "the brush survived DeleteObject";
    // A system colour index plus one stands for that colour's brush.
    ASSERT_TRUE(FillRect(c.dc, &right, reinterpret_cast<HBRUSH>(std::uintptr_t(COLOR_BTNFACE + 1))));
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 128));
    EXPECT_EQ(c.At(1, 0), RGB(200, 10, 10));
    LOGBRUSH b{};
    GetObject(text, sizeof b, &b);
    EXPECT_EQ(b.lbColor, RGB(0, 0, 128));

    ResetSysColors();
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    FillRect(c.dc, &left, text);
    EXPECT_EQ(c.At(0, 0), RGB(0, 0, 0));
    EXPECT_FALSE(SetSysColors(1, nullptr, values));
}

} // namespace
} // namespace win
