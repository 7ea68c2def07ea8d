// PNG through libpng's simplified reader, which keeps the library's error jumps inside itself: every kind of
// PNG (grey, palette, 16-bit, interlaced, with or without alpha) comes out as blue, green, red over white.
#include "app/formats/DibTarget.h"
#include "app/formats/PictureFormats.h"
#include "app/formats/PngImageData.h"

#include <png.h>

namespace gl {

namespace {

constexpr const char* kKind = "PNG";
// Deflate turns a byte into at most 1032, and a byte of one-bit rows holds 8 pixels.
constexpr std::uint64_t kPixelsPerByte = 1032 * 8;

// Frees what the reader holds however the decoding ends (nothing after a failed step: the reader frees it).
struct PngReader {
    png_image image{};
    PngReader() { image.version = PNG_IMAGE_VERSION; }
    ~PngReader() { png_image_free(&image); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;
};

} // namespace

TDibTarget TPngImage::Decode(const std::vector<std::uint8_t>& file) {
    // The library inflates whatever image data follows the last row before it finishes: data that goes on
    // for gigabytes is cut to the rows first.
    const std::vector<std::uint8_t> cut = PngWithoutTrailingImageData(file);
    const std::vector<std::uint8_t>& data = cut.empty() ? file : cut;
    PngReader reader;
    png_image& image = reader.image;
    if (data.empty() || !png_image_begin_read_from_memory(&image, data.data(), data.size()))
        InvalidPicture(kKind);
    CheckPictureBacked(kKind, image.width, image.height, data.size(), kPixelsPerByte);
    // 16-bit files without colour-space chunks are taken as the same encoding as 8-bit ones, so that
    // 0x8080 reads as 0x80 and not as a brighter linear value.
    image.flags |= PNG_IMAGE_FLAG_16BIT_sRGB;
    image.format = PNG_FORMAT_BGR;
    TDibTarget target(kKind, static_cast<int>(image.width), static_cast<int>(image.height));
    const png_color white{255, 255, 255};
    if (!png_image_finish_read(&image, &white, target.Row(0), target.Stride(), nullptr))
        InvalidPicture(kKind);
    return target;
}

} // namespace gl
