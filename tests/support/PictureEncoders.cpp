// Writing the tests' pictures through libpng, libjpeg, giflib and libwebp. A library error here is a broken
// test, so it ends the test program rather than being reported.
#include "support/PictureEncoders.h"
#include "support/BmpWriter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
#include <webp/encode.h>

namespace gl::enctest {

namespace {

void AbortOnPngError(png_structp, png_const_charp message) {
    std::fprintf(stderr, "libpng: %s\n", message);
    std::abort();
}

void AppendPng(png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), size);
}

void NoFlush(png_structp) {}

std::uint8_t Grey(const Rgba& p) {
    return static_cast<std::uint8_t>((p.r + p.g + p.b) / 3);
}

std::vector<Rgba> Colours(const Picture& picture) {
    std::vector<Rgba> colours;
    for (const Rgba& p : picture.pixels)
        if (std::none_of(colours.begin(), colours.end(),
                         [&](const Rgba& c) { return c.r == p.r && c.g == p.g && c.b == p.b && c.a == p.a; }))
            colours.push_back(p);
    if (colours.size() > 256) std::abort();
    return colours;
}

int IndexOf(const std::vector<Rgba>& colours, const Rgba& p) {
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (colours[i].r == p.r && colours[i].g == p.g && colours[i].b == p.b && colours[i].a == p.a)
            return static_cast<int>(i);
    return 0;
}

std::string ExifBlock(int orientation) {
    // "Exif", two zero bytes, a big-endian TIFF header, one directory with one entry: the orientation.
    const unsigned char bytes[] = {
        'E', 'x', 'i', 'f',  0,    0, 'M', 'M', 0, 42, 0, 0, 0,
        8,   0,   1,   0x01, 0x12, 0, 3,   0,   0, 0,  1, 0, static_cast<unsigned char>(orientation),
        0,   0,   0,   0,    0,    0};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

int AppendGif(GifFileType* gif, const GifByteType* data, int size) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), size);
    return size;
}

} // namespace

Picture FromRows(const std::vector<std::string>& rows, std::map<char, Rgba> palette) {
    palette.emplace('#', Rgba{0, 0, 0});
    palette.emplace('.', Rgba{255, 255, 255});
    Picture picture;
    picture.height = static_cast<int>(rows.size());
    picture.width = rows.empty() ? 0 : static_cast<int>(rows[0].size());
    for (const std::string& row : rows)
        for (char c : row) picture.pixels.push_back(palette.at(c));
    return picture;
}

std::string Png(const Picture& picture, PngKind kind) {
    const int w = picture.width, h = picture.height;
    int colorType = PNG_COLOR_TYPE_RGB, depth = 8;
    if (kind == PngKind::Rgba) colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    if (kind == PngKind::Grey) colorType = PNG_COLOR_TYPE_GRAY;
    if (kind == PngKind::Palette) colorType = PNG_COLOR_TYPE_PALETTE;
    if (kind == PngKind::Rgb16) depth = 16;
    const std::vector<Rgba> colours = kind == PngKind::Palette ? Colours(picture) : std::vector<Rgba>{};
    const int bytesPerSample = depth / 8;
    std::vector<std::vector<png_byte>> rows(static_cast<std::size_t>(h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const Rgba& p = picture.At(x, y);
            std::vector<png_byte> samples;
            if (kind == PngKind::Grey)
                samples = {Grey(p)};
            else if (kind == PngKind::Palette)
                samples = {static_cast<png_byte>(IndexOf(colours, p))};
            else
                samples = {p.r, p.g, p.b};
            if (kind == PngKind::Rgba) samples.push_back(p.a);
            for (png_byte s : samples)
                for (int b = 0; b < bytesPerSample; ++b) rows[static_cast<std::size_t>(y)].push_back(s);
        }
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, AbortOnPngError, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, AppendPng, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), depth, colorType,
                 kind == PngKind::Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (kind == PngKind::Palette) {
        std::vector<png_color> entries;
        std::vector<png_byte> alphas;
        for (const Rgba& c : colours) {
            entries.push_back(png_color{c.r, c.g, c.b});
            alphas.push_back(c.a);
        }
        png_set_PLTE(png, info, entries.data(), static_cast<int>(entries.size()));
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
    std::vector<png_bytep> pointers;
    for (auto& row : rows) pointers.push_back(row.data());
    png_write_info(png, info);
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string Jpeg(const Picture& picture, const JpegOptions& options) {
    jpeg_compress_struct c;
    jpeg_error_mgr error;
    c.err = jpeg_std_error(&error);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = static_cast<JDIMENSION>(picture.width);
    c.image_height = static_cast<JDIMENSION>(picture.height);
    c.input_components = options.grey ? 1 : options.cmyk ? 4 : 3;
    c.in_color_space = options.grey ? JCS_GRAYSCALE : options.cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, options.quality, TRUE);
    // Full colour resolution, so that quality 100 keeps small details.
    for (int i = 0; i < c.num_components; ++i)
        c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    if (options.progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    if (options.orientation != 0) {
        const std::string exif = ExifBlock(options.orientation);
        jpeg_write_marker(&c, JPEG_APP0 + 1, reinterpret_cast<const JOCTET*>(exif.data()),
                          static_cast<unsigned>(exif.size()));
    }
    std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width * c.input_components));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.At(x, y);
            JSAMPLE* s = &row[static_cast<std::size_t>(x * c.input_components)];
            if (options.grey) {
                s[0] = Grey(p);
            } else if (options.cmyk) {
                // Inverted ink: 255 is none. Black is all key; a colour keeps its hue in C, M, Y.
                const int top = std::max({p.r, p.g, p.b});
                s[0] = static_cast<JSAMPLE>(top ? p.r * 255 / top : 255);
                s[1] = static_cast<JSAMPLE>(top ? p.g * 255 / top : 255);
                s[2] = static_cast<JSAMPLE>(top ? p.b * 255 / top : 255);
                s[3] = static_cast<JSAMPLE>(top);
            } else {
                s[0] = p.r, s[1] = p.g, s[2] = p.b;
            }
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&c, rows, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return out;
}

std::string Gif(const Picture& picture, bool interlaced) {
    const std::vector<Rgba> colours = Colours(picture);
    std::vector<GifColorType> entries(256, GifColorType{0, 0, 0});
    int transparent = NO_TRANSPARENT_COLOR;
    for (std::size_t i = 0; i < colours.size(); ++i) {
        entries[i] = GifColorType{colours[i].r, colours[i].g, colours[i].b};
        if (colours[i].a == 0) transparent = static_cast<int>(i);
    }
    ColorMapObject* map = GifMakeMapObject(256, entries.data());
    std::string out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, AppendGif, &error);
    EGifSetGifVersion(gif, true);
    EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map);
    if (transparent != NO_TRANSPARENT_COLOR) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparent};
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension);
    }
    EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, interlaced, nullptr);
    std::vector<int> order;
    if (interlaced) {
        const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < picture.height; y += step[pass]) order.push_back(y);
    } else {
        for (int y = 0; y < picture.height; ++y) order.push_back(y);
    }
    std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width));
    for (int y : order) {
        for (int x = 0; x < picture.width; ++x)
            line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(IndexOf(colours, picture.At(x, y)));
        EGifPutLine(gif, line.data(), picture.width);
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

namespace {

std::vector<std::uint8_t> Samples(const Picture& picture, bool alpha) {
    std::vector<std::uint8_t> samples;
    for (const Rgba& p : picture.pixels) {
        samples.insert(samples.end(), {p.r, p.g, p.b});
        if (alpha) samples.push_back(p.a);
    }
    return samples;
}

std::string TakeWebP(std::uint8_t* data, std::size_t size) {
    std::string out(reinterpret_cast<const char*>(data), size);
    WebPFree(data);
    return out;
}

} // namespace

std::string WebPLossless(const Picture& picture) {
    const std::vector<std::uint8_t> samples = Samples(picture, true);
    std::uint8_t* data = nullptr;
    const std::size_t size =
        WebPEncodeLosslessRGBA(samples.data(), picture.width, picture.height, picture.width * 4, &data);
    return TakeWebP(data, size);
}

std::string WebPLossy(const Picture& picture, float quality) {
    const std::vector<std::uint8_t> samples = Samples(picture, false);
    std::uint8_t* data = nullptr;
    const std::size_t size =
        WebPEncodeRGB(samples.data(), picture.width, picture.height, picture.width * 3, quality, &data);
    return TakeWebP(data, size);
}

std::string Bmp(const Picture& picture) {
    return bmptest::Bmp24(picture.width, picture.height, [&](int x, int y) {
        const Rgba& p = picture.At(x, y);
        return bmptest::Bgr(p.r, p.g, p.b);
    });
}

} // namespace gl::enctest
