// String lists: sorted insertion and search without regard to case, object words, the text form, change
// events; and the pointer list's checked indexes.
#include "framework/core/StringList.h"
#include "framework/core/Exceptions.h"
#include "framework/core/List.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gl {
namespace {

std::vector<std::string> Entries(const TStrings& list) {
    std::vector<std::string> entries;
    for (int i = 0; i < list.Count(); ++i) entries.push_back(list.Strings(i));
    return entries;
}

TEST(StringList, SortedInsertionAndFindIgnoreCase) {
    TStringList list;
    list.SetSorted(true);
    list.AddObject("Times", 4);
    list.AddObject("arial", 2);
    list.AddObject("宋体", 7);
    list.AddObject("Courier", 1);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"arial", "Courier", "Times", "宋体"}));
    EXPECT_EQ(list.Objects(list.IndexOf("TIMES")), 4) << "each object word stays with its entry";

    int index = -1;
    EXPECT_TRUE(list.Find("COURIER", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("Bodoni", index));
    EXPECT_EQ(index, 1) << "where it would go";
    EXPECT_EQ(list.IndexOf("Bodoni"), -1);

    EXPECT_EQ(list.Add("ARIAL"), 0) << "dupIgnore gives the existing entry";
    EXPECT_EQ(list.Count(), 4);
    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add("Arial"), EStringListError);
    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("Arial"), 0) << "an accepted duplicate goes before its equal";
    EXPECT_EQ(list.Count(), 5);

    try {
        list.Insert(0, "x");
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "Operation not allowed on sorted string list");
    }
    try {
        list.Delete(5);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
}

TEST(StringList, SortingAnUnsortedListAndCaseSensitivity) {
    TStringList list;
    list.SetText("b\r\nB\r\na\r\n");
    EXPECT_EQ(list.IndexOf("A"), 2) << "an unsorted list is searched in order, without case";
    list.SetSorted(true);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"a", "b", "B"})) << "equal entries keep their order";
    list.SetCaseSensitive(true);
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"B", "a", "b"}));
    EXPECT_EQ(list.IndexOf("A"), -1);
}

TEST(StringList, TextJoinsWithCrLfAndSplitsAtEveryLineEnd) {
    TStringList list;
    list.SetText("one\r\ntwo\nthree\rfour");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\nfour\r\n");
    list.SetText("a\r\n\r\n");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"a", ""}));
    list.SetText("\n\r");
    EXPECT_EQ(Entries(list), (std::vector<std::string>{"", ""})) << "LF then CR are two line ends";
    list.SetText(std::string("a\0b", 3));
    EXPECT_EQ(list.Strings(0).size(), 3u) << "a zero byte is text, not the end";
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Text(), "");
}

TEST(StringList, ChangeEventsRunOncePerChangeAndOncePerUpdate) {
    TStringList list;
    std::vector<std::string> events;
    list.OnChanging = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        events.push_back("changing " + std::to_string(list.Count()));
    };
    list.OnChange = [&](TObject*) { events.push_back("change " + std::to_string(list.Count())); };

    list.Add("x");
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "change 1"}));
    events.clear();
    list.SetStrings(0, "x");
    list.SetObjects(0, 0);
    list.Clear();
    list.Clear();
    EXPECT_EQ(events, (std::vector<std::string>{"changing 1", "change 0"}))
        << "writing what is there does nothing";
    events.clear();
    list.SetText("a\r\nb\r\nc");
    EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "change 3"}));
    events.clear();
    list.SetText("a\r\nb\r\nc\r\n");
    EXPECT_TRUE(events.empty());
}

TEST(StringList, AssignCopiesStringsAndObjectsAndRefusesOtherClasses) {
    TStringList source;
    source.AddObject("Kiv", 3);
    source.AddObject("宋体", 9);
    TStringList copy;
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_TRUE(copy.Equals(source));
    EXPECT_EQ(copy.Objects(1), 9);
    try {
        copy.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TStringList");
    }
    EXPECT_EQ(copy.Count(), 2);

    copy.Move(0, 1);
    EXPECT_EQ(Entries(copy), (std::vector<std::string>{"宋体", "Kiv"}));
    EXPECT_EQ(copy.Objects(1), 3);
    copy.Exchange(0, 1);
    EXPECT_EQ(copy.IndexOfObject(9), 1);
}

TEST(List, CheckedIndexes) {
    TList list;
    int a = 1, b = 2;
    list.Add(&a);
    list.Add(nullptr);
    list.Insert(0, &b);
    EXPECT_EQ(list.First(), &b);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Pack();
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Extract(&b), &b);
    EXPECT_EQ(list.Extract(&b), nullptr);
    try {
        list.Items(1);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Insert(5, &a), EListError);
    EXPECT_THROW(list.SetCount(-1), EListError);
    list.SetCount(3);
    EXPECT_EQ(list.Last(), nullptr);
}

} // namespace
} // namespace gl
