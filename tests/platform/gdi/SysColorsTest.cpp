// The system colour table: the standard defaults, changing colours, and brushes that follow the changes.
#include "DrawingCanvas.h"

#include "platform/gdi/RectFills.h"
#include "platform/gdi/SysColors.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Canvas;

TEST(SysColors, StandardDefaults) {
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
    EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(160, 160, 160));
    EXPECT_EQ(GetSysColor(COLOR_BTNHIGHLIGHT), RGB(255, 255, 255));
    EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(105, 105, 105));
    EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), RGB(227, 227, 227));
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(51, 153, 255));
    EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
    EXPECT_EQ(GetSysColor(COLOR_GRAYTEXT), RGB(109, 109, 109));
    EXPECT_EQ(GetSysColor(COLOR_HOTLIGHT), RGB(0, 102, 204));
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
