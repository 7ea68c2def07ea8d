// Scaling a stored layout to the screen's density: the window font first, then positions and sizes by the
// ratio of text heights.
#include "framework/stored/LayoutScaling.h"

#include <gtest/gtest.h>

namespace gl {
namespace {

TEST(LayoutScaling, FontHeightFollowsTheDensity) {
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 96), -12);
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 120), -15);
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 144), -18);
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 108), -14) << "-13.5 rounds away from zero";
    EXPECT_EQ(ScaleFontHeightToDensity(12, 108), 14);
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 72), -9);
    EXPECT_EQ(ScaleFontHeightToDensity(-12, 0), -12) << "an unknown density leaves the font as stored";
}

TEST(LayoutScaling, PositionsAndSizesFollowTheTextHeight) {
    // At 120 dots per inch the window font is 15 pixels high: every position and size grows by 15 / 12.
    LayoutScale scale = LayoutScaleForTextHeight(15);
    EXPECT_FALSE(scale.IsIdentity());
    EXPECT_EQ(scale.Apply(588), 735);
    EXPECT_EQ(scale.Apply(410), 513); // 512.5
    EXPECT_EQ(scale.Apply(129), 161); // 161.25
    EXPECT_EQ(scale.Apply(45), 56);   // 56.25
    EXPECT_EQ(scale.Apply(14), 18);   // 17.5
    EXPECT_EQ(scale.Apply(-12), -15);
    EXPECT_EQ(scale.Apply(-2), -3) << "-2.5 rounds away from zero";
    EXPECT_EQ(scale.Apply(0), 0);

    EXPECT_TRUE(LayoutScaleForTextHeight(12).IsIdentity());
    EXPECT_EQ(LayoutScaleForTextHeight(12).Apply(129), 129);
    EXPECT_TRUE(LayoutScaleForTextHeight(0).IsIdentity()) << "an unmeasured font leaves the layout as stored";
    EXPECT_EQ(LayoutScaleForTextHeight(9).Apply(588), 441);
}

TEST(LayoutScaling, MulDivEdges) {
    EXPECT_EQ(ScaleMulDiv(5, 1, 0), -1);
    EXPECT_EQ(ScaleMulDiv(7, 1, -2), -4);
    EXPECT_EQ(ScaleMulDiv(2000000000, 2, 1), -1) << "a result out of range fails as MulDiv does";
    EXPECT_EQ(ScaleMulDiv(2000000000, 3, 3), 2000000000) << "the product is kept in 64 bits";
}

} // namespace
} // namespace gl
