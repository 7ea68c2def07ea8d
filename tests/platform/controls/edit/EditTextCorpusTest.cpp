// Replays the edit text fuzz corpus: every input, set as text and edited step by step, keeps the text model
// consistent with a plain scan of its text; and the faults the fuzzing found, checked directly.
#include "EditFuzzing.h"

#include "platform/controls/detail/edit/EditBuffer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace win::editfuzz {
namespace {

TEST(EditTextCorpus, EveryInputKeepsTheTextModelConsistent) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLYPHLOOM_EDIT_TEXT_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const EditExercise result = ExerciseEditBuffer(bytes.str());
        const std::string name = entry.path().filename().string();
        for (const std::string& fault : result.faults) ADD_FAILURE() << name << ": " << fault;
        EXPECT_GT(result.steps, 0u) << name;
        ++files;
    }
    EXPECT_GE(files, 5);
}

// Pasted bytes that complete a character begun by malformed bytes before them: the code-page count follows
// the joined character, and undo takes out exactly the pasted bytes (it once took the character's lead too).
TEST(EditTextCorpus, PastedBytesJoiningTheirNeighbourAreCountedAndUndoneExactly) {
    EditBuffer buffer(true);
    ASSERT_TRUE(buffer.SetText("a\xE4"));
    EXPECT_EQ(buffer.CodePageLength(), 2u);
    buffer.SetSelection(2, 2);
    buffer.ReplaceSelection("\xB8\xAD", EditBuffer::UndoMode::Single); // with the lead: U+4E2D
    EXPECT_EQ(buffer.Text(), "a\xE4\xB8\xAD");
    EXPECT_EQ(buffer.CodePageLength(), 3u);
    buffer.Undo();
    EXPECT_EQ(buffer.Text(), "a\xE4");
    EXPECT_EQ(buffer.CodePageLength(), 2u);
    buffer.Undo();
    EXPECT_EQ(buffer.Text(), "a\xE4\xB8\xAD");

    // Deleting what kept a lead byte and its continuation apart joins them too.
    ASSERT_TRUE(buffer.SetText("\xE4x\xB8\xAD"));
    EXPECT_EQ(buffer.CodePageLength(), 4u);
    buffer.Replace(1, 2, "", EditBuffer::UndoMode::Single);
    EXPECT_EQ(buffer.CodePageLength(), 2u);
    buffer.Undo();
    EXPECT_EQ(buffer.Text(), "\xE4x\xB8\xAD");
    EXPECT_EQ(buffer.CodePageLength(), 4u);
}

} // namespace
} // namespace win::editfuzz
