// The converter's command line: every option in both its forms, the end of the options, and every way a
// command line can be unusable.
#include "cli/ConvertOptions.h"

#include <gtest/gtest.h>

namespace gl::cli {
namespace {

ConvertOptions Parse(const std::vector<std::string>& args) {
    ParsedOptions parsed = ParseConvertOptions(args);
    EXPECT_EQ(parsed.error, "");
    return parsed.options;
}

void ExpectSettings(const ConvertOptions& o, const char* glyph, long long space, const char* text,
                    const char* output, const char* picture) {
    EXPECT_EQ(o.glyph, std::optional<std::string>(glyph));
    EXPECT_EQ(o.space, std::optional<long long>(space));
    EXPECT_EQ(o.text, text ? std::optional<std::string>(text) : std::nullopt);
    EXPECT_EQ(o.output, std::optional<std::string>(output));
    EXPECT_EQ(o.picture, picture ? std::optional<std::string>(picture) : std::nullopt);
}

TEST(ConvertOptions, NothingGivenLeavesEverySettingToTheWindow) {
    const ConvertOptions o = Parse({});
    EXPECT_FALSE(o.glyph || o.space || o.text || o.output || o.picture);
    EXPECT_FALSE(o.help);
    EXPECT_FALSE(o.version);
}

TEST(ConvertOptions, EveryOptionTakesItsValueAsTheNextArgumentOrAfterAnEqualsSign) {
    ExpectSettings(Parse({"--glyph", "ab", "--space", "5", "-o", "out.txt", "pic.bmp"}), "ab", 5, nullptr,
                   "out.txt", "pic.bmp");
    ExpectSettings(Parse({"pic.bmp", "--glyph=ab", "--space=5", "-o=out.txt"}), "ab", 5, nullptr, "out.txt",
                   "pic.bmp");
    ExpectSettings(
        Parse({"--output", "a.txt", "--text", "Tarnwick<QQ群号3164825>", "--glyph", "文字", "--space", "3"}),
        "文字", 3, "Tarnwick<QQ群号3164825>", "a.txt", nullptr);
    ExpectSettings(Parse({"--output=a.txt", "--text=", "--glyph=\xEF\xBF\xBD", "--space=+20"}),
                   "\xEF\xBF\xBD", 20, "", "a.txt", nullptr);
    // Only the first "=" separates; a value may itself start with "-" when it is a separate argument.
    ExpectSettings(Parse({"--glyph==x", "--text=a=b", "--space", "007", "-o", "-dash.txt"}), "=x", 7, "a=b",
                   "-dash.txt", nullptr);
    ExpectSettings(Parse({"--glyph", "-x", "--space=1", "-o", "o", "--", "-"}), "-x", 1, nullptr, "o", "-");
    // A later value replaces an earlier one.
    EXPECT_EQ(Parse({"--glyph", "a", "--glyph=b"}).glyph, "b");

    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"-h"}).help);
    EXPECT_TRUE(Parse({"--version"}).version);
}

TEST(ConvertOptions, DoubleDashEndsTheOptionsAndALoneDashIsAPicture) {
    EXPECT_EQ(Parse({"--", "-pic.bmp"}).picture, "-pic.bmp");
    const ConvertOptions o = Parse({"--glyph", "x", "--", "--help"});
    EXPECT_EQ(o.picture, "--help");
    EXPECT_FALSE(o.help);
    EXPECT_EQ(Parse({"-"}).picture, "-");
    EXPECT_EQ(Parse({""}).picture, "");
    EXPECT_EQ(ParseConvertOptions({"a.bmp", "--", "-b.png", "-"}).pictures,
              (std::vector<std::string>{"a.bmp", "-b.png", "-"}));
}

TEST(ConvertOptions, UnusableCommandLinesAreUsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--glyph"}, "--glyph needs a value"},
        {{"pic.bmp", "--space"}, "--space needs a value"},
        {{"--text"}, "--text needs a value"},
        {{"-o"}, "-o needs a value"},
        {{"--space", "abc"}, "--space needs a whole number, not \"abc\""},
        {{"--space=5x"}, "--space needs a whole number, not \"5x\""},
        {{"--space="}, "--space needs a whole number, not \"\""},
        {{"--space", "2.5"}, "--space needs a whole number, not \"2.5\""},
        {{"--space", "99999999999999999999"}, "--space needs a whole number, not \"99999999999999999999\""},
        {{"--space", "0"}, "--space takes 1 to 20 blanks, not 0"},
        {{"--space=21"}, "--space takes 1 to 20 blanks, not 21"},
        {{"--space", "-7"}, "--space takes 1 to 20 blanks, not -7"},
        {{"--space", "+25"}, "--space takes 1 to 20 blanks, not +25"},
        {{"--space", "9223372036854775807"}, "--space takes 1 to 20 blanks, not 9223372036854775807"},
        {{"--glyph="}, "--glyph needs at least one character"},
        {{"--glyph", "K\xFFv"}, "--glyph takes UTF-8 text"},
        {{"--glyph", "\xC0\xAF"}, "--glyph takes UTF-8 text"},
        {{"--glyph", "Kiv\n"},
         "--glyph takes characters that show: no line breaks or other control characters"},
        {{"--glyph=\t"}, "--glyph takes characters that show: no line breaks or other control characters"},
        {{"--glyph", "a\xE2\x80\xA9"},
         "--glyph takes characters that show: no line breaks or other control characters"},
        {{"-o="}, "-o needs a file name"},
        {{"--output", ""}, "-o needs a file name"},
        {{"--bogus"}, "unknown option --bogus"},
        {{"-x", "--glyph"}, "unknown option -x"},
        {{"--glyphs=ab"}, "unknown option --glyphs"},
        {{"--help=yes"}, "--help takes no value"},
        {{"--version=1"}, "--version takes no value"},
        {{"-", "a.bmp", "-"}, "standard input can be read only once"},
        {{"a.bmp", "--text", "hi", "b.bmp"},
         "--text converts the banner, not a picture: give one or the other"},
        {{"--text", "hi", "a.bmp"}, "--text converts the banner, not a picture: give one or the other"},
        {{"a.bmp", "--text="}, "--text converts the banner, not a picture: give one or the other"},
        {{"--width", "0"}, "--width takes 1 to 100000, not 0"},
        {{"--height=x"}, "--height needs a whole number, not \"x\""},
        {{"--threshold", "256"}, "--threshold takes 0 to 255, not 256"},
        {{"--font-ratio", "0"}, "--font-ratio takes a number from 0.1 to 10, not \"0\""},
        {{"--font-ratio=nan"}, "--font-ratio takes a number from 0.1 to 10, not \"nan\""},
        {{"--dither", "random"}, "--dither takes none, ordered, floyd-steinberg or atkinson, not \"random\""},
        {{"--invert=1"}, "--invert takes no value"},
    };
    for (const auto& [args, error] : cases) {
        std::string joined;
        for (const std::string& a : args) joined += " [" + a + "]";
        EXPECT_EQ(ParseConvertOptions(args).error, error) << joined;
    }
}

} // namespace
} // namespace gl::cli
