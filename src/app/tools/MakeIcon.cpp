// Writes the program's icon as PNG files at the desktop's usual sizes: MakeIcon FOLDER writes
// FOLDER/<n>x<n>/apps/glyphloom.png for n = 16, 24, 32, 48, 64, 128, 256.
#include "app/IconArt.h"

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: glyphloom_make_icon FOLDER\n", stderr);
        return 2;
    }
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = std::filesystem::path(argv[1]) / name / "apps";
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        const std::string file = (folder / "glyphloom.png").string();
        const auto pixels = gl::DrawIcon(size);
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        image.width = static_cast<png_uint_32>(size);
        image.height = static_cast<png_uint_32>(size);
        image.format = PNG_FORMAT_RGBA;
        if (!png_image_write_to_file(&image, file.c_str(), 0, pixels.data(), 0, nullptr)) {
            std::fprintf(stderr, "glyphloom_make_icon: cannot write %s: %s\n", file.c_str(), image.message);
            return 1;
        }
    }
    return 0;
}
