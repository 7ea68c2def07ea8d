// The added picture kinds in the real window: every lossless kind converts to the same lines as the bitmap
// of the same picture, colours arrive in their places, transparency is light, EXIF-turned JPEGs stand
// upright, and damaged or oversized files fail with their kind's message while the shown picture stays.
#include "app/MainWindowTestSupport.h"
#include "support/PictureEncoders.h"

#include "app/formats/DibTarget.h"
#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/Exceptions.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPicture.h"

#include <zlib.h>

namespace gl::apptest {
namespace {

using enctest::FromRows;
using enctest::Rgba;

// Greys and colours on both sides of the middle: dark grey and red go dark, light grey and yellow light.
const std::map<char, Rgba> kColours = {
    {'d', Rgba{90, 90, 90}}, {'l', Rgba{170, 170, 170}}, {'r', Rgba{200, 30, 30}}, {'y', Rgba{230, 220, 40}}};
const std::vector<std::string> kRows = {"#..d.l#r", "y#r..l.#", "..##dd.y", "#l.y.r.d"};
const std::vector<std::string> kGreyRows = {"#..d.l#d", "l#d..l.#", "..##dd.l", "#l.l.d.d"};
const std::vector<std::string> kLines = {"Kiv      Kiv      KivKiv", "   KivKiv            Kiv",
                                         "      KivKivKivKiv      ", "Kiv            Kiv   Kiv"};

class PictureFormats : public MainWindowTest {
protected:
    std::vector<std::string> ConvertFile(TF_main& w, const std::string& name, const std::string& bytes) {
        WriteFile(TestFile(name), bytes);
        w.LoadPicture(TestFile(name));
        return Convert();
    }
    // Loads a file that must fail, and returns the failure's class and message.
    std::string FailedLoad(TF_main& w, const std::string& name, const std::string& bytes) {
        WriteFile(TestFile(name), bytes);
        try {
            w.LoadPicture(TestFile(name));
        } catch (const EInvalidGraphic& e) {
            return "EInvalidGraphic: " + std::string(e.what());
        } catch (const Exception& e) {
            return e.ClassName() + ": " + e.what();
        }
        return "loaded";
    }
};

TEST_F(PictureFormats, EveryLosslessKindConvertsToTheLinesOfTheBitmap) {
    TF_main& w = Open();
    const enctest::Picture picture = FromRows(kRows, kColours);
    const std::vector<std::pair<std::string, std::string>> files = {
        {"p.bmp", enctest::Bmp(picture)},
        {"rgb.png", enctest::Png(picture, enctest::PngKind::Rgb)},
        {"rgba.png", enctest::Png(picture, enctest::PngKind::Rgba)},
        {"palette.png", enctest::Png(picture, enctest::PngKind::Palette)},
        {"deep.png", enctest::Png(picture, enctest::PngKind::Rgb16)},
        {"interlaced.PNG", enctest::Png(picture, enctest::PngKind::Interlaced)},
        {"p.gif", enctest::Gif(picture)},
        {"interlaced.gif", enctest::Gif(picture, true)},
        {"p.webp", enctest::WebPLossless(picture)},
        {"p.jpg", enctest::Jpeg(picture, {})},
        {"progressive.jpeg", enctest::Jpeg(picture, {.progressive = true})},
        {"cmyk.jpg", enctest::Jpeg(picture, {.cmyk = true})},
    };
    for (const auto& [name, bytes] : files) EXPECT_EQ(ConvertFile(w, name, bytes), kLines) << name;
    const enctest::Picture grey = FromRows(kGreyRows, kColours);
    EXPECT_EQ(ConvertFile(w, "grey.png", enctest::Png(grey, enctest::PngKind::Grey)), kLines);
    EXPECT_EQ(ConvertFile(w, "grey.jpg", enctest::Jpeg(grey, {.grey = true})), kLines);
}

TEST_F(PictureFormats, ColoursArriveInTheirPlacesAndTransparencyIsWhite) {
    TF_main& w = Open();
    const enctest::Picture picture = FromRows({"rgbt", "hhhh"}, {{'r', Rgba{200, 30, 10}},
                                                                 {'g', Rgba{20, 210, 40}},
                                                                 {'b', Rgba{5, 15, 220}},
                                                                 {'t', Rgba{0, 0, 0, 0}},
                                                                 {'h', Rgba{0, 0, 0, 128}}});
    auto pixels = [&](const std::string& name, const std::string& bytes) {
        WriteFile(TestFile(name), bytes);
        w.LoadPicture(TestFile(name));
        TBitmap* bitmap = w.Image1->Picture()->Bitmap();
        std::vector<std::uint32_t> out;
        for (int x = 0; x < 4; ++x) out.push_back(static_cast<std::uint32_t>(bitmap->Canvas().Pixels(x, 0)));
        out.push_back(static_cast<std::uint32_t>(bitmap->Canvas().Pixels(0, 1)));
        return out;
    };
    // 0x00BBGGRR; half-covered black over white is a light grey, lighter still where libpng mixes in linear
    // light.
    const std::vector<std::uint32_t> mixed = {0x0A1EC8, 0x28D214, 0xDC0F05, 0xFFFFFF, 0x7F7F7F};
    EXPECT_EQ(pixels("a.webp", enctest::WebPLossless(picture)), mixed);
    EXPECT_EQ(pixels("a.png", enctest::Png(picture, enctest::PngKind::Rgba)),
              (std::vector<std::uint32_t>{0x0A1EC8, 0x28D214, 0xDC0F05, 0xFFFFFF, 0xBABABA}));
    const enctest::Picture cut = FromRows({"rgbt"}, {{'r', Rgba{200, 30, 10}},
                                                     {'g', Rgba{20, 210, 40}},
                                                     {'b', Rgba{5, 15, 220}},
                                                     {'t', Rgba{0, 0, 0, 0}}});
    WriteFile(TestFile("a.gif"), enctest::Gif(cut));
    w.LoadPicture(TestFile("a.gif"));
    TBitmap* gif = w.Image1->Picture()->Bitmap();
    EXPECT_EQ(static_cast<std::uint32_t>(gif->Canvas().Pixels(0, 0)), 0x0A1EC8u);
    EXPECT_EQ(static_cast<std::uint32_t>(gif->Canvas().Pixels(2, 0)), 0xDC0F05u);
    // The transparent colour is black in the colour table: it shows, and converts, as white.
    EXPECT_EQ(static_cast<std::uint32_t>(gif->Canvas().Pixels(3, 0)), 0xFFFFFFu);
    EXPECT_EQ(Convert(), (std::vector<std::string>{"KivKivKiv   "}));
}

TEST_F(PictureFormats, ExifTurnedJpegsComeOutUpright) {
    TF_main& w = Open();
    // Stored three wide and two high with one dark corner; the tag says how the camera was held.
    const enctest::Picture stored = FromRows({"#..", "..."});
    const std::vector<std::pair<int, std::vector<std::string>>> cases = {
        {1, {"Kiv      ", "         "}},     {3, {"         ", "      Kiv"}},
        {6, {"   Kiv", "      ", "      "}}, {8, {"      ", "      ", "Kiv   "}},
        {2, {"      Kiv", "         "}},
    };
    for (const auto& [orientation, lines] : cases) {
        const std::string name = "turned" + std::to_string(orientation) + ".jpg";
        EXPECT_EQ(ConvertFile(w, name, enctest::Jpeg(stored, {.orientation = orientation})), lines)
            << orientation;
    }
    EXPECT_EQ(w.Image1->Width(), 3);
    ConvertFile(w, "upright6.jpg", enctest::Jpeg(stored, {.orientation = 6}));
    EXPECT_EQ(w.Image1->Width(), 2);
    EXPECT_EQ(w.Image1->Height(), 3);
}

// The PNG with its image data followed by 2 MiB of zeros, in a stream that never ends: read past its rows, it
// fails.
std::string WithEndlessImageData(const std::string& png) {
    std::string head = png.substr(0, 8), compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::size_t length = (std::size_t(std::uint8_t(png[at])) << 24) |
                                   (std::size_t(std::uint8_t(png[at + 1])) << 16) |
                                   (std::size_t(std::uint8_t(png[at + 2])) << 8) | std::uint8_t(png[at + 3]);
        const std::string type = png.substr(at + 4, 4);
        if (type == "IDAT") compressed += png.substr(at + 8, length);
        if (compressed.empty()) head += png.substr(at, length + 12);
        at += length + 12;
    }
    std::string rows(1 << 16, '\0');
    uLongf size = rows.size();
    uncompress(reinterpret_cast<Bytef*>(rows.data()), &size,
               reinterpret_cast<const Bytef*>(compressed.data()), compressed.size());
    rows.resize(size);
    rows += std::string(2 << 20, '\0');
    z_stream stream{};
    deflateInit(&stream, 9);
    std::string data(deflateBound(&stream, rows.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(rows.data());
    stream.avail_in = static_cast<uInt>(rows.size());
    stream.next_out = reinterpret_cast<Bytef*>(data.data());
    stream.avail_out = static_cast<uInt>(data.size());
    deflate(&stream, Z_SYNC_FLUSH);
    data.resize(stream.total_out);
    deflateEnd(&stream);
    const auto chunk = [](const std::string& type, const std::string& body) {
        std::string bytes;
        for (const std::uint32_t value : {static_cast<std::uint32_t>(body.size())})
            for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
        bytes += type + body;
        const auto crc = static_cast<std::uint32_t>(
            crc32(0, reinterpret_cast<const Bytef*>(bytes.data() + 4), static_cast<uInt>(bytes.size() - 4)));
        for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>(crc >> shift);
        return bytes;
    };
    return head + chunk("IDAT", data) + chunk("IEND", "");
}

TEST_F(PictureFormats, APngIsReadToItsLastRowAndNoFurther) {
    TF_main& w = Open();
    const enctest::Picture picture = FromRows(kRows, kColours);
    for (const enctest::PngKind kind :
         {enctest::PngKind::Rgb, enctest::PngKind::Rgba, enctest::PngKind::Palette, enctest::PngKind::Rgb16,
          enctest::PngKind::Interlaced})
        EXPECT_EQ(ConvertFile(w, "endless.png", WithEndlessImageData(enctest::Png(picture, kind))), kLines)
            << static_cast<int>(kind);
    const enctest::Picture grey = FromRows(kGreyRows, kColours);
    EXPECT_EQ(ConvertFile(w, "grey.png", WithEndlessImageData(enctest::Png(grey, enctest::PngKind::Grey))),
              kLines);
}

TEST_F(PictureFormats, DamagedFilesFailWithTheirKindsMessageAndTheShownPictureStays) {
    TF_main& w = Open();
    const enctest::Picture picture = FromRows(kRows, kColours);
    EXPECT_EQ(ConvertFile(w, "good.png", enctest::Png(picture, enctest::PngKind::Rgb)), kLines);
    const std::string png = enctest::Png(picture, enctest::PngKind::Rgb);
    const std::string jpeg = enctest::Jpeg(picture, {});
    const std::string gif = enctest::Gif(picture);
    const std::string webp = enctest::WebPLossless(picture);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"cut.png", png.substr(0, png.size() / 2)},
        {"header.png", png.substr(0, 20)},
        {"empty.png", ""},
        {"bmp.png", enctest::Bmp(picture)},
        {"cut.jpg", jpeg.substr(0, 100)},
        {"text.jpeg", "not a picture"},
        {"cut.gif", gif.substr(0, gif.size() - 8)},
        {"noimage.gif", gif.substr(0, 13) + ";"},
        {"empty.gif", ""},
        {"cut.webp", webp.substr(0, webp.size() / 2)},
        {"png.webp", png},
    };
    const std::map<std::string, std::string> messages = {
        {"png", "EInvalidGraphic: PNG image is not valid"},
        {"jpg", "EInvalidGraphic: JPEG image is not valid"},
        {"jpeg", "EInvalidGraphic: JPEG image is not valid"},
        {"gif", "EInvalidGraphic: GIF image is not valid"},
        {"webp", "EInvalidGraphic: WebP image is not valid"}};
    for (const auto& [name, bytes] : cases)
        EXPECT_EQ(FailedLoad(w, name, bytes), messages.at(name.substr(name.find('.') + 1))) << name;
    EXPECT_EQ(w.Image1->Picture()->Width(), 8);
    EXPECT_EQ(Convert(), kLines);
}

TEST_F(PictureFormats, PicturesPastTheBoundFailAsTooLarge) {
    TF_main& w = Open();
    // A screen of 65535 x 65535 pixels around a one-pixel frame: 13 bytes ask for 12 GiB.
    std::string gif = enctest::Gif(FromRows({"#"}));
    gif[6] = gif[7] = gif[8] = gif[9] = '\xFF';
    EXPECT_EQ(FailedLoad(w, "huge.gif", gif),
              "EInvalidGraphic: GIF image is too large (65535 x 65535 pixels)");
    SetMaxPicturePixels(31);
    const enctest::Picture picture = FromRows(kRows, kColours);
    EXPECT_EQ(FailedLoad(w, "big.png", enctest::Png(picture, enctest::PngKind::Rgb)),
              "EInvalidGraphic: PNG image is too large (8 x 4 pixels)");
    EXPECT_EQ(FailedLoad(w, "big.jpg", enctest::Jpeg(picture, {})),
              "EInvalidGraphic: JPEG image is too large (8 x 4 pixels)");
    EXPECT_EQ(FailedLoad(w, "big.webp", enctest::WebPLossless(picture)),
              "EInvalidGraphic: WebP image is too large (8 x 4 pixels)");
    SetMaxPicturePixels(32);
    EXPECT_EQ(ConvertFile(w, "fits.webp", enctest::WebPLossless(picture)), kLines);
    SetMaxPicturePixels(kDefaultMaxPicturePixels);
}

} // namespace
} // namespace gl::apptest
