// GIF through giflib: the first frame on the logical screen, its transparent colour and everything the frame
// does not cover white.
#include "app/formats/DibTarget.h"
#include "app/formats/PictureFormats.h"

#include <algorithm>
#include <cstring>
#include <gif_lib.h>

namespace gl {

namespace {

constexpr const char* kKind = "GIF";
// One LZW code of at least 3 bits gives at most 4,096 pixels.
constexpr std::uint64_t kPixelsPerByte = 4096;

struct MemorySource {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
    auto* source = static_cast<MemorySource*>(gif->UserData);
    const std::size_t n =
        std::min<std::size_t>(static_cast<std::size_t>(count), source->size - source->position);
    std::memcpy(buffer, source->data + source->position, n);
    source->position += n;
    return static_cast<int>(n);
}

struct GifReader {
    GifFileType* gif = nullptr;
    GifReader() = default;
    GifReader(const GifReader&) = delete;
    GifReader& operator=(const GifReader&) = delete;
    ~GifReader() {
        int error = 0;
        if (gif) DGifCloseFile(gif, &error);
    }
};

void Check(int result) {
    if (result != GIF_OK) InvalidPicture(kKind);
}

// Reads extensions up to the first image; the transparent colour of the last graphics control block, or -1.
int ReadUpToImage(GifFileType* gif) {
    int transparent = NO_TRANSPARENT_COLOR;
    for (;;) {
        GifRecordType type;
        Check(DGifGetRecordType(gif, &type));
        if (type == IMAGE_DESC_RECORD_TYPE) return transparent;
        if (type != EXTENSION_RECORD_TYPE) InvalidPicture(kKind); // the end, or no image at all
        int code = 0;
        GifByteType* block = nullptr;
        Check(DGifGetExtension(gif, &code, &block));
        GraphicsControlBlock control;
        if (code == GRAPHICS_EXT_FUNC_CODE && block && block[0] >= 4 &&
            DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK)
            transparent = control.TransparentColor;
        while (block) Check(DGifGetExtensionNext(gif, &block));
    }
}

// The stored row of each displayed row: interlaced frames keep every eighth row first, and so on.
std::vector<int> RowOrder(int height, bool interlaced) {
    std::vector<int> order;
    order.reserve(static_cast<std::size_t>(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y) order.push_back(y);
        return order;
    }
    constexpr int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = start[pass]; y < height; y += step[pass]) order.push_back(y);
    return order;
}

} // namespace

TDibTarget TGifImage::Decode(const std::vector<std::uint8_t>& data) {
    if (data.empty()) InvalidPicture(kKind);
    MemorySource source{data.data(), data.size(), 0};
    GifReader reader;
    int error = 0;
    reader.gif = DGifOpen(&source, ReadFromMemory, &error);
    if (!reader.gif) InvalidPicture(kKind);
    GifFileType* gif = reader.gif;
    const int transparent = ReadUpToImage(gif);
    Check(DGifGetImageDesc(gif));
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* colors = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!colors || frame.Width <= 0 || frame.Height <= 0) InvalidPicture(kKind);
    // A screen of no size is the first frame's.
    const int width = gif->SWidth > 0 ? gif->SWidth : frame.Left + frame.Width;
    const int height = gif->SHeight > 0 ? gif->SHeight : frame.Top + frame.Height;
    CheckPictureSize(kKind, static_cast<std::uint64_t>(frame.Width),
                     static_cast<std::uint64_t>(frame.Height));
    // The screen around the frame is background: it counts among the pixels no data stands for.
    CheckPictureBacked(kKind, static_cast<std::uint64_t>(width), static_cast<std::uint64_t>(height),
                       data.size(), kPixelsPerByte);
    TDibTarget target(kKind, width, height);
    for (int y = 0; y < height; ++y) std::memset(target.Row(y), 0xFF, static_cast<std::size_t>(width) * 3);
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int row : RowOrder(frame.Height, frame.Interlace)) {
        Check(DGifGetLine(gif, line.data(), frame.Width));
        const int y = frame.Top + row;
        if (y < 0 || y >= height) continue;
        for (int x = 0; x < frame.Width; ++x) {
            const int at = frame.Left + x, index = line[static_cast<std::size_t>(x)];
            // Indexes past the colour map show nothing, as transparent ones do.
            if (at < 0 || at >= width || index == transparent || index >= colors->ColorCount) continue;
            const GifColorType& c = colors->Colors[index];
            std::uint8_t* to = target.Row(y) + 3 * at;
            to[0] = c.Blue, to[1] = c.Green, to[2] = c.Red;
        }
    }
    return target;
}

} // namespace gl
