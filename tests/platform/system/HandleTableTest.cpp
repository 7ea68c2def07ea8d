#include "platform/system/HandleTable.h"

#include <gtest/gtest.h>

namespace win {
namespace {

TEST(HandleTable, StaleAndForeignHandlesAreNotFound) {
    HandleTable<int> a(HandleTag::GdiObject);
    HandleTable<int> b(HandleTag::Window);
    const auto h = a.Add(std::make_unique<int>(7));
    ASSERT_NE(h, 0u);
    EXPECT_EQ(*a.Find(h), 7);
    EXPECT_EQ(b.Find(h), nullptr) << "a handle of another table is foreign";
    EXPECT_EQ(a.Find(std::uintptr_t{0}), nullptr);
    EXPECT_EQ(a.Find(h + (std::uintptr_t{1} << 40)), nullptr) << "an index past the table";

    auto removed = a.Remove(h);
    ASSERT_TRUE(removed);
    EXPECT_EQ(a.Find(h), nullptr) << "removed handles are stale";
    EXPECT_FALSE(a.Remove(h)) << "removing twice fails";

    const auto h2 = a.Add(std::make_unique<int>(8));
    EXPECT_NE(h2, h) << "a reused slot gets a new generation";
    EXPECT_EQ(a.Find(h), nullptr);
    EXPECT_EQ(*a.Find(h2), 8);
    EXPECT_EQ(a.Count(), 1u);
}

} // namespace
} // namespace win
