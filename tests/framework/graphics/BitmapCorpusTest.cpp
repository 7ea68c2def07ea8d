// Replays the picture readers' fuzz corpus: every input ends in a picture or a framework exception, the
// valid seeds (ok_*) load and what they save loads again with the same pixels, the broken ones (bad_*) are
// refused.
#include "PictureFuzzing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gl::picturefuzz {
namespace {

TEST(BitmapCorpus, EveryInputIsHandled) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLYPHLOOM_BITMAP_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const PictureExercise result = ExercisePictureReaders(bytes.str());
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(result.savedPixelsMatch, result.saved) << name;
        if (name.starts_with("ok_")) {
            EXPECT_TRUE(result.bitmapRead) << name;
            EXPECT_TRUE(result.savedReadsBack) << name;
        } else if (name.starts_with("bad_")) {
            EXPECT_FALSE(result.bitmapRead) << name;
        }
        ++files;
    }
    EXPECT_GE(files, 20);
}

} // namespace
} // namespace gl::picturefuzz
