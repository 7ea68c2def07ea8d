// Replays the added readers' fuzz corpora: the valid seeds (ok_*) load, the broken ones (bad_*) are refused,
// and every input ends one way or the other.
#include "FormatFuzzing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gl::formatfuzz {
namespace {

int Replay(Reader reader, const std::string& folder) {
    int files = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(GLYPHLOOM_FORMAT_CORPORA) + "/" + folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const bool loaded = ExerciseReader(reader, bytes.str());
        const std::string name = entry.path().filename().string();
        if (name.starts_with("ok_") || name.starts_with("bad_")) {
            EXPECT_EQ(loaded, name.starts_with("ok_")) << folder << "/" << name;
        }
        ++files;
    }
    return files;
}

TEST(FormatCorpus, EveryInputOfEveryReaderIsHandled) {
    EXPECT_GE(Replay(Reader::Png, "png_reader"), 8);
    EXPECT_GE(Replay(Reader::Jpeg, "jpeg_reader"), 9);
    EXPECT_GE(Replay(Reader::Gif, "gif_reader"), 4);
    EXPECT_GE(Replay(Reader::WebP, "webp_reader"), 4);
}

} // namespace
} // namespace gl::formatfuzz
