// Picture files the converter's tests hand to the real program: 24-bit bitmaps drawn from rows of letters,
// a small icon, and a folder of their own that goes away with everything in it.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace gl::clitest {

struct Rgb {
    std::uint8_t r, g, b;
};

inline void Put16(std::string& s, std::uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
inline void Put32(std::string& s, std::uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

inline void PutInfoHeader(std::string& s, int width, int height, int bitCount, std::uint32_t imageSize) {
    Put32(s, 40);
    Put32(s, static_cast<std::uint32_t>(width));
    Put32(s, static_cast<std::uint32_t>(height));
    Put16(s, 1);
    Put16(s, static_cast<std::uint32_t>(bitCount));
    Put32(s, 0);
    Put32(s, imageSize);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
    Put32(s, 0);
}

// A bottom-up 24-bit bitmap; rows[y][x] names the pixel's colour by a letter of `palette` ('#' black and
// '.' white unless the palette says otherwise). Rows are listed top first, as the picture looks.
inline std::string Bmp24(const std::vector<std::string>& rows, std::map<char, Rgb> palette = {}) {
    palette.emplace('#', Rgb{0, 0, 0});
    palette.emplace('.', Rgb{255, 255, 255});
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string pixels;
    for (int y = height - 1; y >= 0; --y) {
        for (char c : rows[static_cast<std::size_t>(y)]) {
            const Rgb rgb = palette.at(c);
            pixels += static_cast<char>(rgb.b);
            pixels += static_cast<char>(rgb.g);
            pixels += static_cast<char>(rgb.r);
        }
        pixels.append(static_cast<std::size_t>(stride - width * 3), '\0');
    }
    std::string file = "BM";
    Put32(file, static_cast<std::uint32_t>(14 + 40 + pixels.size()));
    Put32(file, 0);
    Put32(file, 14 + 40);
    PutInfoHeader(file, width, height, 24, static_cast<std::uint32_t>(pixels.size()));
    return file + pixels;
}

// A 16 x 16 icon with one 24-bit image, all black, fully opaque.
inline std::string Icon16() {
    constexpr int size = 16;
    const std::uint32_t xorBytes = size * size * 3, andBytes = size * 4; // 16 one-bit pixels: 4 bytes a row
    std::string image;
    PutInfoHeader(image, size, size * 2, 24, xorBytes + andBytes);
    image.append(xorBytes, '\0');
    image.append(andBytes, '\0');
    std::string file;
    Put16(file, 0);
    Put16(file, 1); // an icon
    Put16(file, 1); // one image
    file += static_cast<char>(size);
    file += static_cast<char>(size);
    file += '\0'; // no colour table
    file += '\0';
    Put16(file, 1);
    Put16(file, 24);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 6 + 16);
    return file + image;
}

class TempFolder {
public:
    TempFolder() {
        char name[] = "/tmp/glyphloom-cli-XXXXXX";
        if (mkdtemp(name)) m_path = name;
    }
    ~TempFolder() {
        if (DIR* dir = opendir(m_path.c_str())) {
            while (dirent* entry = readdir(dir)) {
                const std::string name = entry->d_name;
                if (name != "." && name != "..") std::remove((m_path + "/" + name).c_str());
            }
            closedir(dir);
        }
        rmdir(m_path.c_str());
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path(const std::string& name) const { return m_path + "/" + name; }
    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }

private:
    std::string m_path;
};

} // namespace gl::clitest
