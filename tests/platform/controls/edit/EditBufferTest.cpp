// Tests of the edit control's text model: the line index under edits, positions, the code-page limit, undo
// and word movement.
#include "platform/controls/detail/edit/EditBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace win {
namespace {

using Undo = EditBuffer::UndoMode;

// Line starts found by scanning the whole text, to check the index that the buffer keeps edit by edit.
std::vector<std::size_t> ScannedLineStarts(std::string_view text) {
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\r' && text[i + 1] == '\n') starts.push_back(i + 2);
    return starts;
}

void ExpectIndexMatchesText(const EditBuffer& buffer) {
    const auto expected = ScannedLineStarts(buffer.Text());
    ASSERT_EQ(buffer.LineCount(), expected.size()) << buffer.Text();
    for (std::size_t i = 0; i < expected.size(); ++i) ASSERT_EQ(buffer.LineStart(i), expected[i]) << i;
}

TEST(EditBuffer, LineCountsOfEmptyTrailingAndLoneBreaks) {
    EditBuffer memo(true);
    EXPECT_EQ(memo.LineCount(), 1u);
    ASSERT_TRUE(memo.SetText("ab\r\ncd\r\n"));
    EXPECT_EQ(memo.LineCount(), 3u);
    EXPECT_EQ(memo.LineText(1), "cd");
    EXPECT_EQ(memo.LineLength(2), 0u);
    EXPECT_EQ(memo.LineStart(2), 8u);
    EXPECT_EQ(memo.LineFromPosition(3), 0u); // between CR and LF belongs to the line the break ends
    EXPECT_EQ(memo.LineStart(99), 8u);       // beyond the last line means the last line

    ASSERT_TRUE(memo.SetText("a\nb\rc"));
    EXPECT_EQ(memo.LineCount(), 1u);

    EditBuffer field(false);
    ASSERT_TRUE(field.SetText("a\r\nb"));
    EXPECT_EQ(field.LineCount(), 1u);
    EXPECT_EQ(field.LineLength(0), 4u);
}

TEST(EditBuffer, AppendingLinesOneAtATimeKeepsTheIndex) {
    EditBuffer memo(true);
    for (int i = 0; i < 50; ++i) {
        // The memo's way of adding a line: caret to the end, replace the empty selection.
        memo.SetSelection(memo.Length(), memo.Length());
        const std::string line = std::string(static_cast<std::size_t>(i % 7), 'x') + "\r\n";
        const auto change = memo.ReplaceSelection(line, Undo::None);
        EXPECT_EQ(change.firstLine, static_cast<std::size_t>(i));
        EXPECT_EQ(change.removedLines, 0u);
        EXPECT_EQ(change.insertedLines, 1u);
        EXPECT_EQ(memo.Caret(), memo.Length());
    }
    ExpectIndexMatchesText(memo);
    EXPECT_EQ(memo.LineCount(), 51u);
    EXPECT_EQ(memo.LineText(13), "xxxxxx");
}

TEST(EditBuffer, RandomEditsKeepTheIndexEqualToAScan) {
    // Pieces that make and break CR LF pairs across the edges of each edit.
    const char* pieces[] = {"", "\r", "\n", "\r\n", "a", "\r\n\r\n", "中", "b\r", "\nc", "\r\r\n\n"};
    std::mt19937 random(7);
    EditBuffer memo(true);
    for (int step = 0; step < 3000; ++step) {
        const std::size_t a = random() % (memo.Length() + 1);
        const std::size_t b = random() % (memo.Length() + 1);
        const char* piece = pieces[random() % std::size(pieces)];
        bool ok = false;
        memo.Replace(a, b, piece, Undo::Single, &ok);
        ASSERT_TRUE(ok);
        ExpectIndexMatchesText(memo);
        if (step % 97 == 0) {
            memo.Undo();
            ExpectIndexMatchesText(memo);
        }
        if (memo.Length() > 400) {
            ASSERT_TRUE(memo.SetText(memo.Text().substr(0, 100)));
        }
    }
}

TEST(EditBuffer, PositionsSnapToCharactersAndLineBreaks) {
    EditBuffer memo(true);
    ASSERT_TRUE(memo.SetText("中a\r\nb")); // 中 is three bytes
    EXPECT_EQ(memo.Snap(1), 0u);
    EXPECT_EQ(memo.Snap(2), 0u);
    EXPECT_EQ(memo.Snap(5), 4u); // between CR and LF
    EXPECT_EQ(memo.Snap(100), memo.Length());
    EXPECT_EQ(memo.NextPosition(0), 3u);
    EXPECT_EQ(memo.NextPosition(4), 6u); // a line break is one step
    EXPECT_EQ(memo.PreviousPosition(6), 4u);
    EXPECT_EQ(memo.PreviousPosition(3), 0u);
    memo.SetSelection(2, 5);
    EXPECT_EQ(memo.SelectionStart(), 0u);
    EXPECT_EQ(memo.SelectionEnd(), 4u);
    EXPECT_EQ(memo.SelectedText(), "中a");
}

TEST(EditBuffer, MalformedUtf8IsSteppedByteByByte) {
    EditBuffer field(false);
    const std::string text = "\xE4\xB8\x41\x80\xFF\xF0\x9F\x98\x80z"; // cut sequence, stray bytes, one emoji
    ASSERT_TRUE(field.SetText(text));
    std::vector<std::size_t> stops;
    for (std::size_t pos = 0; pos < field.Length(); pos = field.NextPosition(pos)) stops.push_back(pos);
    EXPECT_EQ(stops, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 9}));
    for (std::size_t pos = 0; pos <= field.Length(); ++pos) {
        const std::size_t snapped = field.Snap(pos);
        EXPECT_EQ(field.Snap(snapped), snapped);
        EXPECT_TRUE(std::find(stops.begin(), stops.end(), snapped) != stops.end() ||
                    snapped == field.Length());
    }
}

TEST(EditBuffer, LimitCountsDoubleByteCharactersTwice) {
    EditBuffer field(false);
    field.SetLimit(40);
    const std::string chinese = "汉字汉字汉字汉字汉字汉字汉字汉字汉字汉字汉字汉字"; // 24 characters, 48 bytes
    EXPECT_EQ(field.FitToLimit(chinese), chinese.substr(0, 20 * 3));

    // Text set by the program is never cut, and then typing has no room at all.
    ASSERT_TRUE(field.SetText(chinese));
    EXPECT_EQ(field.Text(), chinese);
    field.SetSelection(field.Length(), field.Length());
    EXPECT_EQ(field.FitToLimit("a"), "");
    // Replacing a selection frees the room it took: four characters selected make eight bytes.
    field.SetSelection(0, 4 * 3);
    EXPECT_EQ(field.FitToLimit("abcdefghij"), "");
    field.SetSelection(0, 8 * 3);
    EXPECT_EQ(field.FitToLimit("ab汉字cde"), "ab汉字cd");

    // One byte left is not enough for a double-byte character.
    ASSERT_TRUE(field.SetText(std::string(39, 'x')));
    field.SetSelection(39, 39);
    EXPECT_EQ(field.FitToLimit("汉a"), "");
    EXPECT_EQ(field.FitToLimit("a汉"), "a");
    // A character the code page cannot hold counts one byte, as its replacement does.
    EXPECT_EQ(field.FitToLimit("\xF0\x9F\x98\x80"), "\xF0\x9F\x98\x80");

    // The count follows edits: after deleting four Chinese characters eight bytes are free.
    ASSERT_TRUE(field.SetText(chinese.substr(0, 20 * 3)));
    EXPECT_EQ(field.CodePageLength(), 40u);
    field.Replace(0, 12, "", Undo::None);
    EXPECT_EQ(field.CodePageLength(), 32u);
    field.SetSelection(field.Length(), field.Length());
    EXPECT_EQ(field.FitToLimit("123456789"), "12345678");

    EditBuffer memo(true);
    memo.SetLimit(2);
    EXPECT_EQ(memo.FitToLimit("a\r\nb"), "a"); // a line break is never split
    memo.SetLimit(0);
    EXPECT_EQ(memo.Limit(), 0x7FFFFFFEu);
}

TEST(EditBuffer, TypingUndoesAsOneEditAndUndoTwiceRedoes) {
    EditBuffer field(false);
    ASSERT_TRUE(field.SetText("say "));
    field.SetSelection(4, 4);
    EXPECT_FALSE(field.CanUndo());
    for (const char* ch : {"h", "e", "l", "l", "o"}) field.ReplaceSelection(ch, Undo::Typing);
    EXPECT_EQ(field.Text(), "say hello");
    ASSERT_TRUE(field.CanUndo());
    field.Undo();
    EXPECT_EQ(field.Text(), "say ");
    field.Undo();
    EXPECT_EQ(field.Text(), "say hello");
    EXPECT_EQ(field.SelectedText(), "hello"); // what came back is selected

    // Backspaces merge, and undo brings the deleted characters back in order.
    field.SetSelection(9, 9);
    for (int i = 0; i < 3; ++i) {
        field.SetSelection(field.PreviousPosition(field.Caret()), field.Caret());
        field.ReplaceSelection("", Undo::DeleteBack);
    }
    EXPECT_EQ(field.Text(), "say he");
    field.Undo();
    EXPECT_EQ(field.Text(), "say hello");

    // Typing over a selection undoes to the selected text; an edit without undo forgets the history.
    field.SetSelection(0, 3);
    field.ReplaceSelection("tell", Undo::Typing);
    field.Undo();
    EXPECT_EQ(field.Text(), "say hello");
    field.ReplaceSelection("!", Undo::None);
    EXPECT_FALSE(field.CanUndo());
}

TEST(EditBuffer, ModifiedFlagFollowsEditsNotSetText) {
    EditBuffer field(false);
    ASSERT_TRUE(field.SetText("abc"));
    EXPECT_FALSE(field.Modified());
    field.ReplaceSelection("x", Undo::None);
    EXPECT_TRUE(field.Modified());
    ASSERT_TRUE(field.SetText("abc"));
    EXPECT_FALSE(field.Modified());
}

TEST(EditBuffer, WordMovementAndDoubleClickWords) {
    EditBuffer memo(true);
    ASSERT_TRUE(memo.SetText("hello, world  foo\r\n中文字 ok"));
    std::vector<std::size_t> right;
    for (std::size_t pos = 0; pos < memo.Length(); pos = memo.WordRight(pos)) right.push_back(pos);
    // hello | , | world | foo | (break) | 中文字 | ok
    EXPECT_EQ(right, (std::vector<std::size_t>{0, 5, 7, 14, 17, 19, 29}));
    std::vector<std::size_t> left;
    for (std::size_t pos = memo.Length(); pos > 0; pos = memo.WordLeft(pos)) left.push_back(pos);
    EXPECT_EQ(left, (std::vector<std::size_t>{31, 29, 19, 17, 14, 7, 5}));

    EXPECT_EQ(memo.WordAt(8), std::make_pair(std::size_t{7}, std::size_t{12})); // in "world"
    EXPECT_EQ(memo.WordAt(17),
              std::make_pair(std::size_t{14}, std::size_t{17})); // end of line: the word before
    EXPECT_EQ(memo.WordAt(22), std::make_pair(std::size_t{19}, std::size_t{28})); // the ideographs together
    EXPECT_EQ(memo.WordAt(12), std::make_pair(std::size_t{12}, std::size_t{14})); // blanks are a run too
}

} // namespace
} // namespace win
