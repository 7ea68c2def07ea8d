// glyphloom-convert run as a user runs it: the build's executable on pictures made here, on the default
// picture beside it and on banner texts, checked by its exact output, messages and exit codes.
#include "TestPictures.h"
#include "support/BannerArt.h"
#include "support/ChildProcess.h"

#include "cli/ConvertOptions.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace gl::clitest {
namespace {

using bannertest::Repeated;
using bannertest::RepeatedArt;
using proctest::ReadFile;
using proctest::RunResult;

const std::string kConvert = GLYPHLOOM_CONVERT;
const std::string kDefaultBanner = "Tarnwick<QQ群号3164825>";

RunResult Convert(std::vector<std::string> args) {
    args.insert(args.begin(), kConvert);
    return proctest::Run(args, 60000);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "every line ends in \"\\n\"";
    return lines;
}

// Checks that every line is `cells` cells of either the glyph string or `blanks`, and counts the glyph cells.
int CountCells(const std::vector<std::string>& lines, const std::string& glyph, const std::string& blanks,
               int cells) {
    int dark = 0;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), cells * glyph.size()) << line;
        for (std::size_t at = 0; at + glyph.size() <= line.size(); at += glyph.size()) {
            const std::string cell = line.substr(at, glyph.size());
            EXPECT_TRUE(cell == glyph || cell == blanks) << "cell at " << at << " of \"" << line << "\"";
            dark += cell == glyph;
        }
    }
    return dark;
}

void ExpectSuccess(const RunResult& run, const std::string& out, const std::string& what) {
    EXPECT_EQ(run.exitCode, 0) << what << "\n" << run.err;
    EXPECT_EQ(run.err, "") << what;
    EXPECT_EQ(run.out, out) << what;
}

class ConvertProgram : public ::testing::Test {
protected:
    TempFolder m_folder;
    // The worked example: row 0 black, white, black; row 1 white, white, black.
    const std::string m_example = m_folder.Write("example.bmp", Bmp24({"#.#", "..#"}));
};

TEST_F(ConvertProgram, PictureModeWritesTheGlyphStringForBlackAndBlanksForEveryOtherPixel) {
    ExpectSuccess(Convert({m_example}), "Kiv   Kiv\n      Kiv\n", "the worked example");
    // Greys and near-black go to the nearer of black and white before the scan.
    const std::string greys = m_folder.Write(
        "greys.bmp",
        Bmp24({"dl", "nw"},
              {{'d', {96, 96, 96}}, {'l', {176, 176, 176}}, {'n', {1, 2, 3}}, {'w', {250, 250, 250}}}));
    ExpectSuccess(Convert({"--glyph", "@", greys}), "@ \n@ \n", "greys reduced to black and white");
}

TEST_F(ConvertProgram, GlyphStringAndSpaceLengthAsTheWindowSetsThem) {
    const std::string blanks20(20, ' ');
    const std::string eleven = "一二三四五六七八九十百";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--glyph", "ab"}, "ab  ab\n    ab\n"},
        {{"--glyph", "ab", "--space", "5"}, "ab     ab\n          ab\n"},
        {{"--space=5", "--glyph=ab"}, "ab     ab\n          ab\n"}, // a given space length wins either way
        {{"--space", "1"}, "Kiv Kiv\n  Kiv\n"},
        {{"--space", "20"}, "Kiv" + blanks20 + "Kiv\n" + blanks20 + blanks20 + "Kiv\n"},
        {{"--glyph", "文字"}, "文字    文字\n        文字\n"},
        {{"--glyph", "文字字"}, "文字字      文字字\n            文字字\n"},
        {{"--glyph", "文a"},
         "文a    文a\n        文a\n"}, // one double-byte character makes every one count 2
        {{"--glyph", eleven}, eleven + blanks20 + eleven + "\n" + blanks20 + blanks20 + eleven + "\n"},
        // auto: the columns a terminal gives the glyph string, where the window's rule counts bytes.
        {{"--glyph", "文a", "--space", "auto"}, "文a   文a\n      文a\n"},
        {{"--glyph", "e\xCC\x81", "--space=auto"}, "e\xCC\x81 e\xCC\x81\n  e\xCC\x81\n"},
    };
    for (auto [args, out] : cases) {
        std::string what;
        for (const std::string& a : args) what += " [" + a + "]";
        args.push_back(m_example);
        ExpectSuccess(Convert(args), out, what);
    }
}

TEST_F(ConvertProgram, WidthHeightAndToneFitThePictureAsTheTextShowsIt) {
    // A black square: a "Kiv" cell is 3 columns wide and a line 2 columns tall; 织 is 2 columns wide.
    const std::string square =
        m_folder.Write("square.bmp", Bmp24(std::vector<std::string>(300, std::string(300, '#'))));
    const struct {
        std::vector<std::string> args;
        std::string glyph, blanks;
        int cells, lines, dark;
    } cases[] = {
        {{"--width", "90"}, "Kiv", "   ", 30, 45, 30 * 45},
        {{"--glyph", "织", "--width", "60"}, "织", "  ", 30, 30, 30 * 30},
        {{"--height", "10", "--font-ratio", "1"}, "Kiv", "   ", 3, 10, 3 * 10},
        {{"--width", "90", "--invert"}, "Kiv", "   ", 30, 45, 0},
        {{"--width", "90", "--threshold", "0"}, "Kiv", "   ", 30, 45, 0},
        {{"--width", "90", "--dither", "atkinson"}, "Kiv", "   ", 30, 45, 30 * 45},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back(square);
        const RunResult run = Convert(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(c.lines)) << args[1];
        EXPECT_EQ(CountCells(lines, c.glyph, c.blanks, c.cells), c.dark) << args[1];
    }
}

TEST_F(ConvertProgram, SeveralPicturesConvertOneAfterAnotherAndAFailureNamesItsPicture) {
    const std::string second = m_folder.Write("second.bmp", Bmp24({"..", "##"}));
    ExpectSuccess(Convert({"--glyph", "@", m_example, second, m_example}), "@ @\n  @\n  \n@@\n@ @\n  @\n",
                  "three pictures in turn");
    const std::string broken = m_folder.Write("broken.bmp", "BM");
    const RunResult run = Convert({m_example, broken});
    EXPECT_EQ(run.exitCode, std::optional<int>(1));
    EXPECT_EQ(run.err.rfind(broken + ": ", 0), 0u) << run.err;
}

TEST_F(ConvertProgram, TheDefaultPictureBesideTheProgramIs88By52) {
    const RunResult kiv = Convert({});
    ASSERT_EQ(kiv.exitCode, 0) << kiv.err;
    const std::vector<std::string> lines = Lines(kiv.out);
    ASSERT_EQ(lines.size(), 52u);
    const int dark = CountCells(lines, "Kiv", "   ", 88);
    EXPECT_GT(dark, 0);
    EXPECT_LT(dark, 88 * 52);

    // One character a cell shows the same pixels; naming the picture changes nothing.
    const RunResult hash = Convert({"--glyph", "#"});
    ASSERT_EQ(hash.exitCode, 0) << hash.err;
    EXPECT_EQ(CountCells(Lines(hash.out), "#", " ", 88), dark);
    std::string widened;
    for (char c : hash.out) widened += c == '#' ? "Kiv" : c == ' ' ? "   " : std::string(1, c);
    EXPECT_EQ(widened, kiv.out);
    const std::string folder = kConvert.substr(0, kConvert.rfind('/'));
    const RunResult named = Convert({folder + "/Tarnwick.bmp"});
    EXPECT_EQ(named.out, kiv.out);
    EXPECT_EQ(named.exitCode, 0);
}

TEST_F(ConvertProgram, TextModeScansTheBannerAsTheWindowShowsIt) {
    // An empty banner keeps its default 40 x 20 pixels, all light.
    const RunResult empty = Convert({"--text", ""});
    ExpectSuccess(
        empty,
        [] {
            std::string out;
            for (int i = 0; i < 20; ++i) out += std::string(120, ' ') + "\n";
            return out;
        }(),
        "empty banner");
    const RunResult narrow = Convert({"--text=", "--space", "2"});
    ASSERT_EQ(narrow.exitCode, 0);
    EXPECT_EQ(Lines(narrow.out), std::vector<std::string>(20, std::string(80, ' ')));

    // The default banner text sizes the banner to 148 pixels; its letters are drawn in pure black.
    const RunResult banner = Convert({"--text", kDefaultBanner});
    ASSERT_EQ(banner.exitCode, 0) << banner.err;
    const std::vector<std::string> lines = Lines(banner.out);
    ASSERT_EQ(lines.size(), 20u);
    const int dark = CountCells(lines, "Kiv", "   ", 148);
    EXPECT_GT(dark, 100);
    const RunResult hash = Convert({"--glyph", "#", "--text", kDefaultBanner});
    ASSERT_EQ(hash.exitCode, 0) << hash.err;
    EXPECT_EQ(CountCells(Lines(hash.out), "#", " ", 148), dark);
}

TEST_F(ConvertProgram, TextModeDrawsTheWholeBannerHoweverWideTheWindowShowsIt) {
    // 60 "W" make a banner of 370 pixels; the window shows only its first 313 inside the group box.
    const RunResult run = Convert({"--glyph", "#", "--text", Repeated("W", 60)});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> w = {"......", "#.#.#.", "#.#.#.", "#.#.#.", "#.#.#.", "#.#.#.",
                                        "#.#.#.", ".#.#..", ".#.#..", ".#.#..", ".#.#.."};
    EXPECT_EQ(Lines(run.out), RepeatedArt(w, 60));
    EXPECT_EQ(Lines(run.out)[9].substr(312, 12), "# # # # # # ") << "dark past the group box's edge";

    // The widest banner drawn: 5,459 "W" are 32,764 pixels; one more is too wide.
    const RunResult widest = Convert({"--glyph", "#", "--text", Repeated("W", 5459)});
    ASSERT_EQ(widest.exitCode, 0) << widest.err;
    EXPECT_EQ(Lines(widest.out), RepeatedArt(w, 5459));
}

TEST_F(ConvertProgram, TextModeDrawsEveryCharacterInPureBlack) {
    // The numeral zero of the Chinese numbers has no bitmap in the backing face's 12-pixel strike.
    const RunResult zero = Convert({"--glyph", "#", "--text", "〇"});
    ASSERT_EQ(zero.exitCode, 0) << zero.err;
    EXPECT_EQ(Lines(zero.out), RepeatedArt({"............", "...####.....", "..#....#....", ".#......#...",
                                            "#........#..", "#........#..", "#........#..", "#........#..",
                                            ".#......#...", "..#....#....", "...####.....", "............"},
                                           1))
        << zero.out;
    // More of them, a character outside the code page and one that no installed face has (drawn as "?", like
    // the "?" beside it): each gives dark cells.
    for (const std::string text : {"丂", "ⅵ", "ⅹ", "한", "\xF4\x8F\xBF\xBD"}) {
        const RunResult run = Convert({"--glyph", "#", "--text", text});
        ASSERT_EQ(run.exitCode, 0) << text;
        EXPECT_NE(run.out.find('#'), std::string::npos) << text;
    }
    const RunResult missing = Convert({"--glyph", "#", "--text", "\xF4\x8F\xBF\xBD"});
    const RunResult question = Convert({"--glyph", "#", "--text", "?"});
    EXPECT_EQ(missing.out, question.out);
}

TEST_F(ConvertProgram, TextOfMoreThanOneLineOrWiderThanTheBannerDrawsIsAUsageError) {
    const std::string oneLine = "--text takes one line: no line breaks or other control characters";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--text", "two\nlines"}, oneLine},
        {{"--text=carriage\rreturn"}, oneLine},
        {{"--text", "a\ttab"}, oneLine},
        {{"--text", "delete\x7F"}, oneLine},
        {{"--text", "next\xC2\x85line"}, oneLine},
        {{"--text", "line\xE2\x80\xA8separator"}, oneLine},
        {{"--text", Repeated("W", 5460)},
         "--text is too wide: its banner is 32770 pixels wide, and at most 32767 can be drawn"},
        {{"--text", Repeated("群", 2731)},
         "--text is too wide: its banner is 32782 pixels wide, and at most 32767 can be drawn"},
    };
    for (const auto& [args, error] : cases) {
        std::vector<std::string> withFile = args;
        withFile.insert(withFile.begin(), {"-o", m_folder.Path("out.txt")});
        const RunResult run = Convert(withFile);
        EXPECT_EQ(run.exitCode, 2) << error;
        EXPECT_EQ(run.err, "glyphloom-convert: " + error + "\n" + cli::kConvertUsage);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path("out.txt")));
    }
    // Other characters of the separators' block are text.
    EXPECT_EQ(Convert({"--text", "a\xE2\x80\xA7"
                                 "b"})
                  .exitCode,
              0);
}

TEST_F(ConvertProgram, OutputFileGetsExactlyTheBytesOfStandardOutput) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{m_example}, std::vector<std::string>{"--glyph", "文字", "--text", "Ab"}}) {
        const RunResult toStdout = Convert(args);
        ASSERT_EQ(toStdout.exitCode, 0);
        std::vector<std::string> withFile = args;
        const std::string file = m_folder.Path("out.txt");
        withFile.insert(withFile.begin(), {"-o", file});
        ExpectSuccess(Convert(withFile), "", "nothing on standard output with -o");
        EXPECT_EQ(ReadFile(file), toStdout.out);
    }
    const std::string nowhere = m_folder.Path("no-such-folder/out.txt");
    const RunResult failed = Convert({"-o", nowhere, m_example});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "Cannot create file \"" + nowhere + "\". No such file or directory\n");
}

TEST_F(ConvertProgram, AnOutputFileIsReplacedOnlyByAWholeText) {
    const std::string file = m_folder.Write("old.txt", "old\n");
    const std::string large =
        m_folder.Write("large.bmp", Bmp24(std::vector<std::string>(64, std::string(64, '#'))));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{kConvert, "-o", file, m_folder.Write("broken.bmp", "BM")}, "Stream read error\n"},
        // A file size limit stands in for a full disk: the write fails once the text has begun.
        {{"sh", "-c", "ulimit -f 1; exec \"$0\" \"$@\"", kConvert, "-o", file, large},
         "Cannot write file \"" + file + "\". File too large\n"},
    };
    for (const auto& [command, error] : cases) {
        const RunResult run = proctest::Run(command, 60000);
        EXPECT_EQ(run.exitCode, 1) << error;
        EXPECT_EQ(run.err, error);
        EXPECT_EQ(ReadFile(file), "old\n");
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_folder.Path("")), {}), 4)
        << "no temporary file stays behind";
    ExpectSuccess(Convert({"-o", file, m_example}), "", "replaced");
    EXPECT_EQ(ReadFile(file), "Kiv   Kiv\n      Kiv\n");
    // A device is written to as it is, and "-" is standard output.
    const RunResult full = Convert({"-o", "/dev/full", m_example});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "Cannot write file \"/dev/full\". No space left on device\n");
    ExpectSuccess(Convert({"-o", "-", m_example}), "Kiv   Kiv\n      Kiv\n", "-o -");
}

TEST_F(ConvertProgram, ErrorsExitWithOneAndTheErrorBoxMessage) {
    const std::string missing = m_folder.Path("missing.bmp");
    std::string sevenBits = Bmp24({"#"});
    sevenBits[28] = 7; // a bit count the platform cannot make a bitmap of
    const std::vector<std::pair<std::string, std::string>> cases = {
        // A file whose bytes are of a kind we read goes by its bytes, any other by its extension.
        {m_folder.Write("gif.bmp", "GIF89a" + std::string(40, '\0')), "GIF image is not valid"},
        {m_folder.Write("seven.bmp", sevenBits), "System Error.  Code: 87.\r\nThe parameter is incorrect"},
        {m_folder.Write("photo.tiff", Bmp24({"#"})), "Unknown picture file extension (.tiff)"},
        {m_folder.Write("photo.jpg", "x" + Bmp24({"#"})), "JPEG image is not valid"},
        {m_folder.Write("photo", Bmp24({"#"})), "Unknown picture file extension (.)"},
        {m_folder.Write("mark.ico", Icon16()), "Cannot assign a TPicture to a TBitmap"},
        {missing, "Cannot open file \"" + missing + "\". The system cannot find the file specified"},
    };
    for (const auto& [picture, message] : cases) {
        const RunResult run = Convert({"-o", m_folder.Path("out.txt"), picture});
        EXPECT_EQ(run.exitCode, 1) << picture;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(m_folder.Path("out.txt"))) << "no file of a failed conversion";
    }
}

// Run-length data of two bytes (the picture's end) under a header of the given size, with a grey table.
std::string RunLength8(int width, int height) {
    bmptest::BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.bitCount = 8;
    recipe.compression = 1; // 8-bit runs
    recipe.sizeImage = 2;
    recipe.pixelsPerMeter = 0;
    for (int i = 0; i < 256; ++i) {
        const auto grey = static_cast<std::uint8_t>(i);
        recipe.colors.push_back({grey, grey, grey});
    }
    recipe.pixels = std::string("\0\1", 2);
    return bmptest::MakeBmp(recipe);
}

TEST_F(ConvertProgram, PicturesTheirBytesCannotHoldFailWithoutBeingMade) {
    // Cut inside its pixels: the last row lost two of its bytes.
    const std::string whole = Bmp24({"#.#", "..#"});
    const std::string cut = m_folder.Write("cut.bmp", whole.substr(0, whole.size() - 2));
    // 62 bytes claiming 23,168 x 23,168 one-bit pixels (64 MiB of them), and two bytes of runs claiming as
    // many.
    bmptest::BmpRecipe hugeRecipe;
    hugeRecipe.width = hugeRecipe.height = 23168;
    hugeRecipe.bitCount = 1;
    hugeRecipe.pixelsPerMeter = 0;
    hugeRecipe.colors = {{0, 0, 0}, {255, 255, 255}};
    const std::string huge = bmptest::MakeBmp(hugeRecipe);
    ASSERT_EQ(huge.size(), 62u);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {cut, "Stream read error"},
        {m_folder.Write("huge.bmp", huge), "Stream read error"},
        {m_folder.Write("runs.bmp", RunLength8(23168, 23168)),
         "System Error.  Code: 8.\r\nNot enough storage is available to process this command"},
    };
    for (const auto& [picture, message] : cases) {
        const RunResult run = Convert({picture});
        EXPECT_EQ(run.exitCode, 1) << picture;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
        // The sanitizers' shadow memory alone takes more than the bound, so the bound is the plain build's.
        if (!proctest::kSanitized) {
            EXPECT_LT(run.peakKiB, 100 * 1024) << picture;
        }
    }
    // Runs may leave 16 Mi pixels unfilled: a 4097 x 4096 picture of two bytes is refused, 4096 x 4096 is
    // not.
    const RunResult wide = Convert({"--glyph", "#", m_folder.Write("wide.bmp", RunLength8(4097, 4096))});
    EXPECT_EQ(wide.err,
              "System Error.  Code: 8.\r\nNot enough storage is available to process this command\n");
    const RunResult square = Convert({"--glyph", "#", m_folder.Write("square.bmp", RunLength8(4096, 4096))});
    EXPECT_EQ(square.exitCode, 0) << square.err;
    EXPECT_EQ(square.out.size(), 4097u * 4096u);
    EXPECT_EQ(square.out.substr(0, 4097),
              std::string(4096, '#') + "\n"); // unfilled pixels are entry 0, black
}

TEST_F(ConvertProgram, RowsOfAnyLengthGoOutWholeWithoutTheOutputHeldInMemory) {
    // Rows of 67,986 bytes: longer than a 16-bit count.
    const std::string wide =
        m_folder.Write("wide.bmp", Bmp24({std::string(3999, '.') + "#", "#" + std::string(3999, '.')}));
    ExpectSuccess(Convert({"--space", "17", wide}),
                  std::string(67983, ' ') + "Kiv\n" + "Kiv" + std::string(67983, ' ') + "\n", "wide rows");
    // 160 MiB of text from a picture of 16 MiB.
    const RunResult big = Convert(
        {"--glyph", "##########", "-o", "/dev/null", m_folder.Write("big.bmp", RunLength8(4096, 4096))});
    EXPECT_EQ(big.exitCode, 0) << big.err;
    if (!proctest::kSanitized) {
        EXPECT_LT(big.peakKiB, 100 * 1024);
    }
}

TEST_F(ConvertProgram, APictureWithoutPixelsConvertsToNothingWithAWarning) {
    const std::string empty = m_folder.Write("empty.bmp", "");
    const RunResult run = Convert({empty});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "glyphloom-convert: warning: the picture \"" + empty +
                           "\" has no pixels: no text art was written\n");
    // A picture of light pixels only writes its blank lines and no warning.
    ExpectSuccess(Convert({"--space", "1", m_folder.Write("white.bmp", Bmp24({".."}))}), "  \n",
                  "a white picture");
}

TEST_F(ConvertProgram, UsageErrorsExitWithTwoAndHelpAndVersionWithZero) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"--space", "many", m_example}, "--space needs a whole number, not \"many\""},
        {{m_example, "--glyph"}, "--glyph needs a value"},
        {{"--text", "hi", m_example}, "--text converts the banner, not a picture: give one or the other"},
        // The window's spin edit holds 1 to 20 and would clamp anything else without a word.
        {{"--space", "0", m_example}, "--space takes 1 to 20 blanks, not 0"},
        {{"--space=25", m_example}, "--space takes 1 to 20 blanks, not 25"},
        {{"--space", "-7", "--text", "hi"}, "--space takes 1 to 20 blanks, not -7"},
        {{"-o", m_folder.Path("./example.bmp"), m_example},
         "-o names the picture itself, which its text art would replace"},
    };
    for (const auto& [args, error] : cases) {
        const RunResult run = Convert(args);
        EXPECT_EQ(run.exitCode, 2) << error;
        EXPECT_EQ(run.err, "glyphloom-convert: " + error + "\n" + cli::kConvertUsage);
        EXPECT_EQ(run.out, "");
    }
    ExpectSuccess(Convert({"--help"}), cli::kConvertUsage, "--help");
    ExpectSuccess(Convert({"--version"}), "glyphloom-convert 1.0\n", "--version");
}

} // namespace
} // namespace gl::clitest
