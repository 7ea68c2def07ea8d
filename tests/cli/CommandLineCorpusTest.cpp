// Replays the command-line fuzz corpus: every input parses into options or a usage error without a fault, the
// usable seeds (ok_*) are accepted and the unusable ones (bad_*) refused.
#include "CommandLineFuzzing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace gl::cli::fuzz {
namespace {

TEST(CommandLineCorpus, EveryInputIsHandled) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GLYPHLOOM_COMMAND_LINE_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const CommandLineExercise result = ExerciseCommandLine(bytes.str());
        const std::string name = entry.path().filename().string();
        for (const std::string& fault : result.faults) ADD_FAILURE() << name << ": " << fault;
        if (name.starts_with("ok_")) {
            EXPECT_TRUE(result.accepted) << name;
        } else if (name.starts_with("bad_")) {
            EXPECT_FALSE(result.accepted) << name;
        }
        ++files;
    }
    EXPECT_GE(files, 6);
}

TEST(CommandLineCorpus, ArgumentsAreThePiecesBetweenZeroBytes) {
    using Args = std::vector<std::string>;
    EXPECT_EQ(SplitArguments(""), Args{});
    EXPECT_EQ(SplitArguments("pic.bmp"), Args{"pic.bmp"});
    EXPECT_EQ(SplitArguments(std::string_view("-o\0\0x", 5)), (Args{"-o", "", "x"}));
    EXPECT_EQ(SplitArguments(std::string_view("a\0", 2)), (Args{"a", ""}));
}

} // namespace
} // namespace gl::cli::fuzz
