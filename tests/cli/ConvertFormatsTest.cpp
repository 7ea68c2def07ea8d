// glyphloom-convert on the added picture kinds: lossy files land within a few cells of the bitmap of the same
// picture, damaged ones fail with their kind's message, and "-" reads a picture of any kind from standard
// input, told by its first bytes.
#include "TestPictures.h"
#include "support/ChildProcess.h"
#include "support/PictureEncoders.h"

#include <gtest/gtest.h>

namespace gl::clitest {
namespace {

using proctest::RunResult;

RunResult Convert(std::vector<std::string> args, const std::string& input = "/dev/null") {
    args.insert(args.begin(), GLYPHLOOM_CONVERT);
    return proctest::Run(args, 60000, {}, {}, input);
}

// A 32 x 16 picture: a dark ring on a light ground with a grey bar, soft enough for lossy coding to blur.
enctest::Picture Ring() {
    enctest::Picture p;
    p.width = 32, p.height = 16;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const int dx = x - 16, dy = 2 * (y - 8), d = dx * dx + dy * dy;
            const bool ring = d >= 64 && d <= 169;
            const std::uint8_t v = ring ? 20 : (y == 14 && x > 3 && x < 28) ? 70 : 235;
            p.pixels.push_back(enctest::Rgba{v, v, static_cast<std::uint8_t>(v + (ring ? 10 : 0))});
        }
    return p;
}

int DifferentCells(const std::string& a, const std::string& b) {
    int differ = 0;
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) differ += a[i] != b[i];
    return differ + static_cast<int>(std::max(a.size(), b.size()) - std::min(a.size(), b.size()));
}

TEST(ConvertFormats, LossyPicturesLandWithinAFewCellsOfTheBitmap) {
    TempFolder folder;
    const enctest::Picture ring = Ring();
    const RunResult bmp =
        Convert({"--glyph", "#", "--space", "1", folder.Write("ring.bmp", enctest::Bmp(ring))});
    ASSERT_EQ(bmp.exitCode, 0) << bmp.err;
    EXPECT_EQ(std::count(bmp.out.begin(), bmp.out.end(), '#'), 191);
    EXPECT_EQ(std::count(bmp.out.begin(), bmp.out.end(), '\n'), 16);
    const std::vector<std::pair<std::string, std::string>> lossy = {
        {"ring.jpg", enctest::Jpeg(ring, {.quality = 75})},
        {"ring.jpeg", enctest::Jpeg(ring, {.quality = 60, .progressive = true})},
        {"ring.webp", enctest::WebPLossy(ring, 75)},
    };
    for (const auto& [name, bytes] : lossy) {
        const RunResult run = Convert({"--glyph", "#", "--space", "1", folder.Write(name, bytes)});
        EXPECT_EQ(run.exitCode, 0) << name << run.err;
        EXPECT_LE(DifferentCells(run.out, bmp.out), 6) << name << "\n" << run.out;
    }
}

TEST(ConvertFormats, DamagedFilesExitWithTheirKindsMessage) {
    TempFolder folder;
    const std::string png = enctest::Png(Ring(), enctest::PngKind::Rgb);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {folder.Write("cut.png", png.substr(0, 60)), "PNG image is not valid"},
        {folder.Write("png.jpg", png), "JPEG image is not valid"},
        {folder.Write("png.gif", png), "GIF image is not valid"},
        {folder.Write("png.webp", png), "WebP image is not valid"},
        {folder.Write("png.bmp", png), "Bitmap image is not valid"},
    };
    for (const auto& [picture, message] : cases) {
        const RunResult run = Convert({picture});
        EXPECT_EQ(run.exitCode, 1) << picture;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST(ConvertFormats, StandardInputIsToldByItsFirstBytes) {
    TempFolder folder;
    const enctest::Picture picture = enctest::FromRows({"#.#", "..#"});
    const std::vector<std::string> inputs = {
        folder.Write("a", enctest::Bmp(picture)),
        folder.Write("b", enctest::Png(picture, enctest::PngKind::Palette)),
        folder.Write("c", enctest::Jpeg(picture, {})),
        folder.Write("d", enctest::Gif(picture)),
        folder.Write("e", enctest::WebPLossless(picture)),
    };
    for (const std::string& input : inputs) {
        const RunResult run = Convert({"-"}, input);
        EXPECT_EQ(run.exitCode, 0) << input << run.err;
        EXPECT_EQ(run.out, "Kiv   Kiv\n      Kiv\n") << input;
    }
    const std::string png = enctest::Png(picture, enctest::PngKind::Rgb);
    const std::vector<std::pair<std::string, std::string>> failures = {
        {folder.Write("cut", png.substr(0, png.size() - 20)), "PNG image is not valid"},
        {folder.Write("text", "hello"), "Standard input holds no picture of a known kind"},
        {"/dev/null", "Standard input holds no picture of a known kind"},
        {folder.Write("icon", Icon16()), "Cannot assign a TPicture to a TBitmap"},
    };
    for (const auto& [input, message] : failures) {
        const RunResult run = Convert({"-"}, input);
        EXPECT_EQ(run.exitCode, 1) << input;
        EXPECT_EQ(run.err, message + "\n");
    }
}

} // namespace
} // namespace gl::clitest
