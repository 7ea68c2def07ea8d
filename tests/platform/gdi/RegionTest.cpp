#include "platform/gdi/Region.h"

#include <gtest/gtest.h>

namespace win {
namespace {

int Area(const Region& r) {
    int a = 0;
    for (const RECT& x : r.Rects()) a += (x.right - x.left) * (x.bottom - x.top);
    return a;
}

TEST(Region, SubtractUnionAndIntersectKeepRectanglesDisjoint) {
    Region r(RECT{0, 0, 10, 10});
    r.SubtractRect(RECT{2, 2, 5, 5});
    EXPECT_EQ(Area(r), 100 - 9);
    EXPECT_FALSE(r.Contains(3, 3));
    EXPECT_TRUE(r.Contains(1, 3));
    EXPECT_FALSE(r.Contains(10, 0)) << "right and bottom are exclusive";

    r.UnionRect(RECT{0, 0, 4, 4}); // fills part of the hole, overlaps the rest
    EXPECT_EQ(Area(r), 100 - 9 + 4);
    r.UnionRect(RECT{8, 8, 12, 12});
    EXPECT_EQ(Area(r), 100 - 9 + 4 + 16 - 4);
    EXPECT_EQ(r.Bounds(), (RECT{0, 0, 12, 12}));

    r.IntersectRect(RECT{0, 0, 3, 3});
    EXPECT_EQ(Area(r), 9) << "the union filled the corner of the hole";
    EXPECT_TRUE(r == Region(RECT{0, 0, 3, 3}));

    Region empty(RECT{5, 5, 5, 9});
    EXPECT_TRUE(empty.Empty());
}

} // namespace
} // namespace win
