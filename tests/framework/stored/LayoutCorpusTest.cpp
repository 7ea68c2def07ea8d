// Replays the layout reader's fuzz corpus: every input ends in success or a framework exception, every tree
// that parses writes back to text that parses to the same tree, and the valid seeds read.
#include "LayoutTestClasses.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gl::layout_test {
namespace {

TEST(LayoutCorpus, EveryInputIsHandled) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLYPHLOOM_LAYOUT_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        LayoutExercise result = ExerciseLayoutReader(text.str());
        EXPECT_TRUE(result.writtenReadsBack) << entry.path();
        // Seeds named ok_* are whole, valid layouts of the test classes.
        if (entry.path().filename().string().starts_with("ok_")) {
            EXPECT_TRUE(result.read) << entry.path();
        }
        ++files;
    }
    EXPECT_GE(files, 10);
}

} // namespace
} // namespace gl::layout_test
