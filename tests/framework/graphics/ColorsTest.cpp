// Colours: system colours resolved through the platform's current scheme, and colour identifiers both ways.
#include "framework/graphics/Colors.h"
#include "framework/stored/PropertyRegistry.h"
#include "platform/gdi/SysColors.h"

#include <gtest/gtest.h>

namespace gl {
namespace {

TEST(Colors, SystemColoursResolveThroughTheCurrentScheme) {
    EXPECT_EQ(clWindow, -16777211);
    EXPECT_EQ(clBtnFace, -16777201);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
    EXPECT_EQ(ColorToRGB(clWindowText), 0u);
    EXPECT_EQ(ColorToRGB(clBtnFace), win::RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clInfoBk), win::GetSysColor(win::COLOR_INFOBK));
    EXPECT_EQ(ColorToRGB(0x123456), 0x123456u) << "plain colours pass through";

    const win::INT index = win::COLOR_BTNFACE;
    const win::COLORREF pink = win::RGB(255, 200, 200);
    win::SetSysColors(1, &index, &pink);
    EXPECT_EQ(ColorToRGB(clBtnFace), pink);
    win::ResetSysColors();
}

TEST(Colors, IdentifiersBothWaysAndForTheLayoutReader) {
    TColor color = 0;
    EXPECT_TRUE(IdentToColor("clBtnFace", color));
    EXPECT_EQ(color, clBtnFace);
    EXPECT_TRUE(IdentToColor("CLWINDOWTEXT", color));
    EXPECT_EQ(color, clWindowText);
    EXPECT_FALSE(IdentToColor("clPlaid", color));

    std::string ident;
    EXPECT_TRUE(ColorToIdent(clHotLight, ident));
    EXPECT_EQ(ident, "clHotLight");
    EXPECT_TRUE(ColorToIdent(0xC0C0C0, ident));
    EXPECT_EQ(ident, "clSilver");
    EXPECT_FALSE(ColorToIdent(11571823, ident));
    EXPECT_EQ(ColorToString(11571823), "$00B0926F");
    EXPECT_EQ(ColorToString(clNone), "clNone");

    EXPECT_TRUE(TryStringToColor("$FF00000F", color));
    EXPECT_EQ(color, clBtnFace);
    EXPECT_TRUE(TryStringToColor("clInfoBk", color));
    EXPECT_EQ(color, clInfoBk);
    EXPECT_FALSE(TryStringToColor("blue", color));

    RegisterColorConstants();
    std::int64_t value = 0;
    ASSERT_TRUE(PropertyRegistry::FindConstant("TColor", "clBtnFace", value));
    EXPECT_EQ(value, -16777201);
}

} // namespace
} // namespace gl
