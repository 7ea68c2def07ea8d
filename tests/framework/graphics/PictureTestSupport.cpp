// Shared pieces of the picture tests.
#include "PictureTestSupport.h"

#include "framework/graphics/GraphicsPalettes.h"

#include "platform/gdi/Palettes.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace gl::bmptest {

win::HPALETTE BlackWhitePalette() {
    static constexpr win::PALETTEENTRY kEntries[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    return CreatePaletteOf(kEntries);
}

void Reduce(TBitmap& source, TBitmap& target) {
    target.SetWidth(source.Width());
    target.SetHeight(source.Height());
    target.SetPixelFormat(pf1bit);
    target.SetPalette(BlackWhitePalette());
    target.Canvas().Draw(0, 0, &source);
}

std::string Rgb24File(int width, int height, const std::function<std::uint32_t(int x, int y)>& color,
                      bool topDown) {
    BmpRecipe desc;
    desc.width = width;
    desc.height = topDown ? -height : height;
    desc.bitCount = 24;
    desc.pixels = PackRows(width, height, 24, topDown, [&](int x, int y) {
        const std::uint32_t c = color(x, y);
        return Bgr(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    });
    return MakeBmp(desc);
}

std::string IconFile(const std::vector<IconImageSpec>& images, std::uint16_t type) {
    std::vector<std::string> bodies;
    for (const IconImageSpec& image : images) {
        const int n = image.size;
        Bytes body;
        const std::uint32_t colors = static_cast<std::uint32_t>(image.colors.size());
        body.U32(40).I32(n).I32(2 * n).U16(1).U16(static_cast<std::uint32_t>(image.bitCount));
        body.U32(0).U32(0).U32(0).U32(0).U32(colors).U32(0);
        for (const Rgb& c : image.colors) body.U8(c.b).U8(c.g).U8(c.r).U8(0);
        // Transparent pixels hold 0, so that drawing through the mask leaves what is under them.
        body.Raw(PackRows(n, n, image.bitCount, false,
                          [&](int x, int y) { return image.transparent(x, y) ? 0u : image.value(x, y); }));
        body.Raw(PackRows(n, n, 1, false, [&](int x, int y) { return image.transparent(x, y) ? 1u : 0u; }));
        bodies.push_back(body.Data());
    }
    Bytes file;
    file.U16(0).U16(type).U16(static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const int n = images[i].size;
        file.U8(n == 256 ? 0 : n).U8(n == 256 ? 0 : n).U8(0).U8(0).U16(1).U16(images[i].bitCount);
        file.U32(static_cast<std::uint32_t>(bodies[i].size())).U32(offset);
        offset += static_cast<std::uint32_t>(bodies[i].size());
    }
    for (const std::string& body : bodies) file.Raw(body);
    return file.Data();
}

std::string EnhancedMetafile(int frameWidth, int frameHeight) {
    Bytes header;
    const std::uint32_t headerSize = 108, eofSize = 20;
    header.U32(1).U32(headerSize);                                   // EMR_HEADER, record size
    header.I32(0).I32(0).I32(frameWidth / 26).I32(frameHeight / 26); // bounds in device units
    header.I32(0).I32(0).I32(frameWidth).I32(frameHeight);           // frame in hundredths of a millimetre
    header.U32(0x464D4520).U32(0x10000).U32(headerSize + eofSize);   // signature, version, total bytes
    header.U32(2).U16(1).U16(0);                                     // records, handles, reserved
    header.U32(0).U32(0).U32(0);                                     // description, palette entries
    header.I32(1920).I32(1080).I32(508).I32(286);                    // device in pixels and millimetres
    header.Fill(headerSize - header.Size(), 0);
    header.U32(14).U32(eofSize).U32(0).U32(16).U32(eofSize); // EMR_EOF
    return header.Data();
}

std::string PlaceableMetafile(int boxWidth, int boxHeight, int inch) {
    Bytes key;
    key.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(static_cast<std::uint32_t>(boxWidth));
    key.U16(static_cast<std::uint32_t>(boxHeight)).U16(static_cast<std::uint32_t>(inch)).U32(0);
    const std::string& k = key.Data();
    std::uint32_t sum = 0;
    for (int i = 0; i < 10; ++i)
        sum ^= static_cast<std::uint8_t>(k[2 * i]) |
               (static_cast<std::uint32_t>(static_cast<std::uint8_t>(k[2 * i + 1])) << 8);
    key.U16(sum);
    Bytes meta;
    meta.U16(1).U16(9).U16(0x300).U32(12).U16(0).U32(3).U16(0); // header: 9 words, 12 words in all
    meta.U32(3).U16(0);                                         // end record
    return key.Data() + meta.Data();
}

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const auto path = std::filesystem::temp_directory_path() /
                      ("glyphloom-pictures-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path);
    m_path = path.string();
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempFolder::Path(const std::string& name) const {
    return m_path + "/" + name;
}

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace gl::bmptest
