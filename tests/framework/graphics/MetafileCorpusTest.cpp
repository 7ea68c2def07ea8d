// Replays the metafile player's fuzz corpus: every input ends in a drawing or a framework exception, the
// valid seeds (ok_*) load and draw something, the broken ones (bad_*) are refused.
#include "MetafileFuzzing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gl::metafilefuzz {
namespace {

TEST(MetafileCorpus, EveryInputIsHandled) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLYPHLOOM_METAFILE_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const MetafileExercise result = ExerciseMetafilePlayer(bytes.str());
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ok_")) {
            EXPECT_TRUE(result.loaded) << name;
            EXPECT_GT(result.marked, 0) << name;
        } else if (name.starts_with("bad_")) {
            EXPECT_FALSE(result.loaded) << name;
        }
        ++files;
    }
    EXPECT_GE(files, 6);
}

} // namespace
} // namespace gl::metafilefuzz
