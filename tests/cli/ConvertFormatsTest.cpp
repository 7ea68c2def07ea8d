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

TEST(ConvertFormats, AJpegFittedToAWidthLandsOnItsGridUprightOrTurned) {
    // 400 x 200, the left half black: decoded at a reduced scale for a 40-column fit, and turned upright
    // first when its orientation says so (the left half becomes the top half).
    enctest::Picture halves;
    halves.width = 400, halves.height = 200;
    for (int i = 0; i < 400 * 200; ++i)
        halves.pixels.push_back(i % 400 < 200 ? enctest::Rgba{0, 0, 0} : enctest::Rgba{255, 255, 255});
    TempFolder folder;
    const std::string row = std::string(20, '#') + std::string(20, ' ') + "\n";
    std::string upright;
    for (int y = 0; y < 20; ++y) upright += row;
    const RunResult plain = Convert({"--glyph", "#", "--font-ratio", "1", "--width", "40",
                                     folder.Write("halves.jpg", enctest::Jpeg(halves, {.quality = 90}))});
    EXPECT_EQ(plain.out, upright) << plain.err;
    const std::string top = std::string(20, '#') + "\n", bottom = std::string(20, ' ') + "\n";
    std::string turned;
    for (int y = 0; y < 40; ++y) turned += y < 20 ? top : bottom;
    const RunResult rotated =
        Convert({"--glyph", "#", "--font-ratio", "1", "--width", "20",
                 folder.Write("turned.jpg", enctest::Jpeg(halves, {.quality = 90, .orientation = 6}))});
    EXPECT_EQ(rotated.out, turned) << rotated.err;
}

TEST(ConvertFormats, DamagedFilesExitWithTheirKindsMessage) {
    TempFolder folder;
    const std::string png = enctest::Png(Ring(), enctest::PngKind::Rgb);
    // Bytes of no kind we know (a PNG behind a stray byte) go by the file's extension.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {folder.Write("cut.png", png.substr(0, 60)), "PNG image is not valid"},
        {folder.Write("png.jpg", "x" + png), "JPEG image is not valid"},
        {folder.Write("png.gif", "x" + png), "GIF image is not valid"},
        {folder.Write("png.webp", "x" + png), "WebP image is not valid"},
        {folder.Write("png.bmp", "x" + png), "Bitmap image is not valid"},
    };
    for (const auto& [picture, message] : cases) {
        const RunResult run = Convert({picture});
        EXPECT_EQ(run.exitCode, 1) << picture;
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, "");
    }
}

// The CRC-32 of PNG chunks.
std::uint32_t Crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void PutBigEndian(std::string& bytes, std::size_t at, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(value >> (8 * (size - 1 - i)));
}

// Small files whose headers claim pictures of 2^28 pixels or nearly: refused at once as damaged, before a
// bitmap of hundreds of megabytes is made for them.
TEST(ConvertFormats, HeadersClaimingFarMorePixelsThanTheFileHoldsAreRefused) {
    TempFolder folder;
    // A PNG of the ring with its header saying 16384 x 16384 (the header's CRC made to match).
    std::string png = enctest::Png(Ring(), enctest::PngKind::Rgb);
    PutBigEndian(png, 16, 16384, 4);
    PutBigEndian(png, 20, 16384, 4);
    PutBigEndian(png, 29, Crc32(png.substr(12, 17)), 4);
    // A JPEG of the ring whose frame says 16000 x 16000.
    std::string jpeg = enctest::Jpeg(Ring(), {});
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    PutBigEndian(jpeg, frame + 5, 16000, 2);
    PutBigEndian(jpeg, frame + 7, 16000, 2);
    // A GIF of one pixel on a screen of 65535 x 4096: 35 bytes.
    const std::string gif("GIF89a\xFF\xFF\x00\x10\x80\x00\x00"
                          "\x00\x00\x00\xFF\xFF\xFF"
                          "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00"
                          "\x02\x02\x44\x01\x00\x3B",
                          35);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {folder.Write("claims.png", png), "PNG image is not valid"},
        {folder.Write("claims.jpg", jpeg), "JPEG image is not valid"},
        {folder.Write("claims.gif", gif), "GIF image is not valid"},
    };
    for (const auto& [picture, message] : cases) {
        const RunResult run = Convert({picture});
        EXPECT_EQ(run.exitCode, 1) << picture;
        EXPECT_EQ(run.err, message + "\n");
        if (!proctest::kSanitized) {
            EXPECT_LT(run.peakKiB, 100 * 1024) << picture;
        }
    }
    // The same one pixel on a screen of 4096 x 4096 is a picture: its background is within what no data needs
    // to stand for.
    std::string square = gif;
    PutBigEndian(square, 6, 0x0010, 2); // 4096, stored low byte first
    const RunResult run = Convert({"--glyph", "#", "--space", "1", folder.Write("square.gif", square)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out.size(), 4097u * 4096u);
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
    // A file named for another kind we read is read by its content.
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"png.jpg", enctest::Png(picture, enctest::PngKind::Palette)},
             {"jpeg.png", enctest::Jpeg(picture, {})},
             {"gif.bmp", enctest::Gif(picture)}}) {
        const RunResult run = Convert({folder.Write(name, bytes)});
        EXPECT_EQ(run.out, "Kiv   Kiv\n      Kiv\n") << name << run.err;
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

TEST(ConvertFormats, APipeOrADeviceIsReadAsStandardInputIs) {
    TempFolder folder;
    const std::string png = folder.Write("a.png", enctest::Png(enctest::FromRows({"#.#", "..#"}), {}));
    // A pipe named as the picture, its kind told by its first bytes.
    const RunResult piped =
        proctest::Run({"sh", "-c", "cat \"$1\" | exec \"$0\" /dev/stdin", GLYPHLOOM_CONVERT, png}, 60000);
    EXPECT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(piped.out, "Kiv   Kiv\n      Kiv\n");
    // Endless bytes of no known kind are refused after their first few.
    const std::vector<std::pair<RunResult, std::string>> refused = {
        {Convert({"-"}, "/dev/zero"), "Standard input holds no picture of a known kind\n"},
        {Convert({"/dev/zero"}), "File \"/dev/zero\" holds no picture of a known kind\n"},
    };
    for (const auto& [run, message] : refused) {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, message);
        if (!proctest::kSanitized) {
            EXPECT_LT(run.peakKiB, 100 * 1024);
        }
    }
}

} // namespace
} // namespace gl::clitest
