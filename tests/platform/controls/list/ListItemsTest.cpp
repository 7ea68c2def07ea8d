// Tests of the list model shared by list and combo boxes: the platform's sort order, prefix search with its
// wrap-round, type-ahead and the navigation keys.
#include "platform/controls/detail/list/ListItems.h"
#include "platform/win/KeyCodes.h"

#include <gtest/gtest.h>

namespace win::listbox {
namespace {

std::vector<std::string> Texts(const ListItems& items) {
    std::vector<std::string> out;
    for (int i = 0; i < items.Count(); ++i) out.push_back(items.At(i).text);
    return out;
}

TEST(ListItems, SortedListsFollowThePlatformsCaseInsensitiveOrder) {
    ListItems items;
    items.SetSorted(true);
    for (const char* t : {"宋体", "arial", "Zapf", "楷体", "Courier", "黑体", "2nd", "_hidden", "Arial"})
        items.Add(t, 0);
    // Symbols, digits, letters without regard to case (equal letters: by bytes), Chinese by reading.
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"_hidden", "2nd", "Arial", "arial", "Courier", "Zapf",
                                                      "黑体", "楷体", "宋体"}));
    EXPECT_LT(CompareItemText("apple", "Banana"), 0);
    EXPECT_GT(CompareItemText("b", "A"), 0);
}

TEST(ListItems, AddReturnsTheSortedPlaceAndInsertKeepsTheGivenOne) {
    ListItems items;
    items.SetSorted(true);
    EXPECT_EQ(items.Add("m", 1), 0);
    EXPECT_EQ(items.Add("a", 2), 0);
    EXPECT_EQ(items.Add("z", 3), 2);
    // Insertion at an index ignores the order, as the platform's LB_INSERTSTRING does.
    EXPECT_EQ(items.Insert(0, "zz", 4), 0);
    EXPECT_EQ(items.Insert(-1, "b", 5), 4);
    EXPECT_EQ(items.Insert(9, "x", 6), -1);
    EXPECT_EQ(Texts(items), (std::vector<std::string>{"zz", "a", "m", "z", "b"}));
    EXPECT_EQ(items.At(3).data, 3u);
}

TEST(ListItems, FindSearchesAfterTheStartAndWrapsRound) {
    ListItems items;
    for (const char* t : {"Alpha", "beta", "Bravo", "alpine"}) items.Insert(-1, t, 0);
    EXPECT_EQ(items.Find("al", -1, false), 0);
    EXPECT_EQ(items.Find("AL", 0, false), 3);
    EXPECT_EQ(items.Find("al", 3, false), 0); // wraps round past the end
    EXPECT_EQ(items.Find("b", 1, false), 2);
    EXPECT_EQ(items.Find("BETA", -1, true), 1);
    EXPECT_EQ(items.Find("bet", -1, true), -1);
    EXPECT_EQ(items.Find("", 1, false), 2); // the empty prefix matches the next item
    EXPECT_EQ(items.Find("x", -1, false), -1);
    EXPECT_EQ(items.Find("a", 99, false), 0); // a start outside the list searches from the top
}

TEST(ListItems, TypeAheadBuildsAPrefixAndRepeatedLettersStepThroughTheirItems) {
    ListItems items;
    for (const char* t : {"Black", "Blue", "Brown", "Cyan", "Bisque"}) items.Insert(-1, t, 0);
    TypeAhead typeAhead;
    EXPECT_EQ(typeAhead.Next(items, U'b', -1, 1000), 0);
    EXPECT_EQ(typeAhead.Next(items, U'r', 0, 1100), 2);  // "br"
    EXPECT_EQ(typeAhead.Next(items, U'x', 2, 1200), -1); // "brx" matches nothing, nor does "x"
    // After a pause a letter starts over; the same letter again moves on to its next item.
    EXPECT_EQ(typeAhead.Next(items, U'b', 2, 5000), 4);
    EXPECT_EQ(typeAhead.Next(items, U'b', 4, 5100), 0);
    EXPECT_EQ(typeAhead.Next(items, U'b', 0, 5200), 1);
}

TEST(ListItems, NavigationKeysStayInsideTheList) {
    EXPECT_EQ(NavigateIndex(VK_DOWN, -1, 5, 3), 0);
    EXPECT_EQ(NavigateIndex(VK_DOWN, 4, 5, 3), 4);
    EXPECT_EQ(NavigateIndex(VK_UP, 0, 5, 3), 0);
    EXPECT_EQ(NavigateIndex(VK_NEXT, 1, 5, 3), 3);
    EXPECT_EQ(NavigateIndex(VK_PRIOR, 1, 5, 3), 0);
    EXPECT_EQ(NavigateIndex(VK_END, 0, 5, 3), 4);
    EXPECT_EQ(NavigateIndex(VK_HOME, 3, 5, 3), 0);
    EXPECT_EQ(NavigateIndex('A', 3, 5, 3), -1);
    EXPECT_EQ(NavigateIndex(VK_DOWN, 0, 0, 3), -1);
}

} // namespace
} // namespace win::listbox
