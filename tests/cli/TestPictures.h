// Picture files the converter's tests hand to the real program: 24-bit bitmaps drawn from rows of letters,
// a small icon, and a folder of their own that goes away with everything in it.
#pragma once

#include "support/BmpWriter.h"

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

using bmptest::Rgb;

// A bottom-up 24-bit bitmap; rows[y][x] names the pixel's colour by a letter of `palette` ('#' black and
// '.' white unless the palette says otherwise). Rows are listed top first, as the picture looks.
inline std::string Bmp24(const std::vector<std::string>& rows, std::map<char, Rgb> palette = {}) {
    palette.emplace('#', Rgb{0, 0, 0});
    palette.emplace('.', Rgb{255, 255, 255});
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    return bmptest::Bmp24(width, height, [&](int x, int y) {
        const Rgb rgb = palette.at(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
        return bmptest::Bgr(rgb.r, rgb.g, rgb.b);
    });
}

// A 16 x 16 icon with one 24-bit image, all black, fully opaque.
inline std::string Icon16() {
    constexpr int size = 16;
    const std::uint32_t xorBytes = size * size * 3, andBytes = size * 4; // 16 one-bit pixels: 4 bytes a row
    bmptest::BmpRecipe image;
    image.width = size;
    image.height = size * 2; // the colour image and the mask below it
    image.sizeImage = xorBytes + andBytes;
    image.pixelsPerMeter = 0;
    image.pixels.assign(xorBytes + andBytes, '\0');
    image.fileHeader = false;
    const std::string imageBytes = bmptest::MakeBmp(image);
    bmptest::Bytes directory;
    directory.U16(0).U16(1).U16(1);          // an icon, one image
    directory.U8(size).U8(size).U8(0).U8(0); // no colour table
    directory.U16(1).U16(24).U32(static_cast<std::uint32_t>(imageBytes.size())).U32(6 + 16);
    return directory.Data() + imageBytes;
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
