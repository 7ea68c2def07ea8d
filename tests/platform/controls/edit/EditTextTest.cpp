// Tests of the edit control's text storage: it must behave as a plain string under any sequence of edits,
// including edits whose bytes come from the text itself, and a refused edit must leave the text as it was.
#include "platform/controls/detail/edit/EditText.h"

#include <gtest/gtest.h>

#include <new>
#include <random>
#include <string>

namespace win {
namespace {

TEST(EditText, GrowsAcrossManyAppendsAndEditsLikeAString) {
    EditText text;
    std::string model;
    EXPECT_EQ(text.View(), "");
    // Appending long rows takes the block through many sizes, small ones on the heap and large mapped ones.
    for (int row = 0; row < 400; ++row) {
        const std::string line = std::string(3000 + row, static_cast<char>('a' + row % 26)) + "\r\n";
        text.Replace(text.Size(), 0, line);
        model += line;
    }
    ASSERT_EQ(text.View(), model);

    std::mt19937 random(7);
    for (int step = 0; step < 300; ++step) {
        const std::size_t pos = random() % (model.size() + 1);
        const std::size_t count = random() % 5000;
        const std::string bytes(random() % 9000, static_cast<char>('A' + step % 26));
        text.Replace(pos, count, bytes);
        model.replace(pos, count, bytes);
        ASSERT_EQ(text.Size(), model.size()) << step;
    }
    EXPECT_EQ(text.View(), model);
    EXPECT_EQ(text.Substr(10, 20), model.substr(10, 20));
    EXPECT_EQ(text[model.size() / 2], model[model.size() / 2]);
}

TEST(EditText, ReplacesWithBytesTakenFromItself) {
    EditText text(std::string_view("0123456789"));
    std::string model = "0123456789";
    for (int i = 0; i < 12; ++i) { // doubles each time, so most of these grow the block
        text.Replace(3, 2, text.View());
        model.replace(3, 2, std::string(model));
    }
    EXPECT_EQ(text.View(), model);
    text.Replace(0, 4, text.View().substr(text.Size() - 6)); // a source that the moved tail overwrites
    model.replace(0, 4, model.substr(model.size() - 6));
    EXPECT_EQ(text.View(), model);
}

TEST(EditText, RefusedEditLeavesTextUnchanged) {
    EditText text(std::string_view("keep\r\nthis"));
    // Longer than any text may be: refused before a byte of it is read.
    static const char source = 'x';
    const std::string_view tooLong(&source, EditText::kMaxSize);
    EXPECT_THROW(text.Replace(4, 0, tooLong), std::bad_alloc);
    EXPECT_EQ(text.View(), "keep\r\nthis");
    text.Replace(4, 2, " ");
    EXPECT_EQ(text.View(), "keep this");

    EditText other;
    other.Swap(text);
    EXPECT_EQ(other.View(), "keep this");
    EXPECT_EQ(text.View(), "");
    EXPECT_EQ(text.Data()[0], '\0'); // an empty text still gives a valid pointer
}

} // namespace
} // namespace win
