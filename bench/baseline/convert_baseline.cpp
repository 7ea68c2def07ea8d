// The floor for glyphloom-convert: a plain program that reads a 24-bit bitmap file, makes each pixel black or
// white by the sum of its channels and writes the glyph string for black and the blanks for white, row by
// row. Usage: convert_baseline PICTURE OUTPUT. It writes the bytes the converter writes with its default
// settings.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kGlyphs[] = "Kiv";
constexpr char kBlanks[] = "   ";

std::uint32_t Read32(const std::vector<unsigned char>& bytes, std::size_t at) {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

bool ReadFile(const char* path, std::vector<unsigned char>& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    std::fseek(file, 0, SEEK_END);
    const long size = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    bytes.resize(size > 0 ? static_cast<std::size_t>(size) : 0);
    const bool read = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    std::fclose(file);
    return read;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return std::fputs("usage: convert_baseline PICTURE OUTPUT\n", stderr), 2;
    std::vector<unsigned char> bytes;
    if (!ReadFile(argv[1], bytes) || bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return std::fputs("convert_baseline: not a bitmap file\n", stderr), 1;
    const std::uint32_t offset = Read32(bytes, 10);
    const auto width = static_cast<std::int32_t>(Read32(bytes, 18));
    const auto rawHeight = static_cast<std::int32_t>(Read32(bytes, 22));
    const std::uint16_t bitCount = static_cast<std::uint16_t>(bytes[28] | (bytes[29] << 8));
    const bool bottomUp = rawHeight > 0;
    const std::int64_t height = bottomUp ? rawHeight : -static_cast<std::int64_t>(rawHeight);
    const std::size_t stride = ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
    if (bitCount != 24 || width <= 0 || offset + stride * height > bytes.size())
        return std::fputs("convert_baseline: not a 24-bit bitmap\n", stderr), 1;

    std::FILE* out = std::fopen(argv[2], "wb");
    if (!out) return std::fputs("convert_baseline: cannot create the output\n", stderr), 1;
    std::string line;
    line.reserve(static_cast<std::size_t>(width) * 3 + 1);
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t row = bottomUp ? height - 1 - y : y;
        const unsigned char* pixel = bytes.data() + offset + stride * static_cast<std::size_t>(row);
        line.clear();
        for (std::int32_t x = 0; x < width; ++x, pixel += 3)
            line.append(pixel[0] + pixel[1] + pixel[2] <= 382 ? kGlyphs : kBlanks, 3);
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), out);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
