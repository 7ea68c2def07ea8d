// Finding where a PNG's rows end in its image data, and storing just those bytes when more follows.
#include "app/formats/PngImageData.h"
#include "app/formats/DibTarget.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <zlib.h>

namespace gl {

namespace {

// Inflated bytes past the rows that are read through as the library would: a stream's end usually comes
// within them.
constexpr std::uint64_t kSlack = std::uint64_t(1) << 20;
// The stored image data goes into chunks of this size.
constexpr std::size_t kChunkData = std::size_t(1) << 24;

std::uint32_t BigEndian(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct Span {
    const std::uint8_t* data;
    std::size_t size;
};

// What the walk through the chunks found: the header's fields and the run of image data chunks.
struct Layout {
    std::uint32_t width = 0, height = 0;
    int depth = 0, colourType = 0, interlace = 0;
    std::size_t dataStart = 0; // where the first image data chunk starts
    std::vector<Span> data;
};

bool ReadLayout(const std::vector<std::uint8_t>& file, Layout& layout) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0) return false;
    for (std::size_t at = 8; file.size() - at >= 12;) {
        const std::uint32_t length = BigEndian(&file[at]);
        if (length > file.size() - at - 12) return false;
        const std::uint8_t* type = &file[at + 4];
        const std::uint8_t* body = &file[at + 8];
        if (std::memcmp(type, "IHDR", 4) == 0 && length == 13) {
            layout.width = BigEndian(body);
            layout.height = BigEndian(body + 4);
            layout.depth = body[8];
            layout.colourType = body[9];
            layout.interlace = body[12];
        } else if (std::memcmp(type, "IDAT", 4) == 0) {
            if (layout.data.empty()) layout.dataStart = at;
            layout.data.push_back({body, length});
        } else if (!layout.data.empty()) {
            break; // the run of image data has ended
        }
        at += 12 + std::size_t(length);
    }
    return !layout.data.empty();
}

// The bytes of filtered rows the header describes (each row a filter byte and its pixels), 0 when the header
// makes no sense.
std::uint64_t RowBytes(const Layout& l) {
    static constexpr int kChannels[] = {1, 0, 3, 1, 2, 0, 4};
    if (l.colourType < 0 || l.colourType > 6 || kChannels[l.colourType] == 0 || l.depth < 1 || l.depth > 16)
        return 0;
    const std::uint64_t bits = std::uint64_t(kChannels[l.colourType]) * std::uint64_t(l.depth);
    const auto pass = [&](std::uint64_t x0, std::uint64_t y0, std::uint64_t dx, std::uint64_t dy) {
        const std::uint64_t w = l.width > x0 ? (l.width - x0 + dx - 1) / dx : 0;
        const std::uint64_t h = l.height > y0 ? (l.height - y0 + dy - 1) / dy : 0;
        return w == 0 ? 0 : h * ((w * bits + 7) / 8 + 1);
    };
    if (l.interlace == 0) return pass(0, 0, 1, 1);
    return pass(0, 0, 8, 8) + pass(4, 0, 8, 8) + pass(0, 4, 4, 8) + pass(2, 0, 4, 4) + pass(0, 2, 2, 4) +
           pass(1, 0, 2, 2) + pass(0, 1, 1, 2);
}

// Inflates the image data into `out` (or, without one, into scratch space) until `limit` bytes came out or
// the stream ends; returns how many came out.
std::uint64_t Inflate(const std::vector<Span>& data, std::uint64_t limit, std::uint8_t* out) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK) return 0;
    std::array<std::uint8_t, 1 << 16> scratch{};
    std::uint64_t produced = 0;
    int result = Z_OK;
    for (const Span& span : data) {
        stream.next_in = const_cast<Bytef*>(span.data);
        stream.avail_in = static_cast<uInt>(span.size);
        while (result == Z_OK && produced < limit && stream.avail_in > 0) {
            const auto room = static_cast<uInt>(std::min<std::uint64_t>(limit - produced, scratch.size()));
            stream.next_out = out ? out + produced : scratch.data();
            stream.avail_out = room;
            result = inflate(&stream, Z_NO_FLUSH);
            produced += room - stream.avail_out;
            if (result == Z_BUF_ERROR) result = Z_OK; // wants the next chunk
        }
        if (result != Z_OK || produced >= limit) break;
    }
    inflateEnd(&stream);
    return produced;
}

// The rows' bytes as a zlib stream of stored blocks.
void AppendStored(std::vector<std::uint8_t>& out, const std::vector<std::uint8_t>& rows) {
    out.push_back(0x78);
    out.push_back(0x01);
    std::size_t at = 0;
    do {
        const std::size_t size = std::min<std::size_t>(rows.size() - at, 0xFFFF);
        out.push_back(at + size == rows.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size));
        out.push_back(static_cast<std::uint8_t>(~size >> 8));
        out.insert(out.end(), rows.begin() + static_cast<std::ptrdiff_t>(at),
                   rows.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < rows.size());
    PutBigEndian(out, static_cast<std::uint32_t>(
                          adler32(adler32(0, nullptr, 0), rows.data(), static_cast<uInt>(rows.size()))));
}

void AppendChunk(std::vector<std::uint8_t>& out, const char* type, const std::uint8_t* body,
                 std::size_t size) {
    PutBigEndian(out, static_cast<std::uint32_t>(size));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body, body + size);
    PutBigEndian(out, static_cast<std::uint32_t>(
                          crc32(crc32(0, nullptr, 0), &out[start], static_cast<uInt>(out.size() - start))));
}

} // namespace

std::vector<std::uint8_t> PngWithoutTrailingImageData(const std::vector<std::uint8_t>& file) {
    Layout layout;
    if (!ReadLayout(file, layout)) return {};
    const std::uint64_t needed = RowBytes(layout);
    // Rows the library refuses anyway, or image data that ends soon enough after them.
    if (needed == 0 || std::uint64_t(layout.width) * layout.height > MaxPicturePixels()) return {};
    if (Inflate(layout.data, needed + kSlack, nullptr) < needed + kSlack) return {};
    std::vector<std::uint8_t> rows(static_cast<std::size_t>(needed));
    if (Inflate(layout.data, needed, rows.data()) < needed) return {};
    std::vector<std::uint8_t> stored;
    AppendStored(stored, rows);
    std::vector<std::uint8_t>().swap(rows);
    std::vector<std::uint8_t> out(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(layout.dataStart));
    for (std::size_t at = 0; at < stored.size(); at += kChunkData)
        AppendChunk(out, "IDAT", stored.data() + at, std::min(kChunkData, stored.size() - at));
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

} // namespace gl
