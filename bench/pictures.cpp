// Pictures against plain loops over the same data, on a 4000 x 3000 24-bit picture: loading the bitmap file
// against reading the file into memory, the reduction to black and white (assign, new one-bit bitmap,
// palette, draw) against a threshold loop, and pixel reads through the canvas against reading the bits.
// After the run the three ratios are printed; they should stay within 2, 3 and 10.
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPalettes.h"
#include "framework/graphics/GraphicsPicture.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

#include "support/BmpWriter.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;
constexpr std::size_t kStride = gl::bmptest::RowBytes(kWidth, 24);

// A gradient with some noise, so that both colours of the reduction occur everywhere.
std::uint8_t Channel(int x, int y, int k) {
    return static_cast<std::uint8_t>((x * (k + 1) + y * (3 - k) + ((x * 7919 + y * 104729) >> 3)) & 0xFF);
}

// The stored pixel: blue, green and red from the channels.
std::uint32_t PackedPixel(int x, int y) {
    return gl::bmptest::Bgr(Channel(x, y, 2), Channel(x, y, 1), Channel(x, y, 0));
}

std::string MakeFile() {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("glyphloom-bench-pictures-" + std::to_string(::getpid()) + ".bmp"))
                                 .string();
    // The file as most programs save it (no size of the pixel bytes in the header).
    gl::bmptest::WriteFile(path, gl::bmptest::Bmp24(kWidth, kHeight, PackedPixel, false));
    return path;
}

std::string g_file; // made by the first benchmark that needs it

const std::string& File() {
    if (g_file.empty()) g_file = MakeFile();
    return g_file;
}

win::HPALETTE BlackWhite() {
    static constexpr win::PALETTEENTRY kEntries[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    return gl::CreatePaletteOf(kEntries);
}

void Reduce(gl::TPicture& picture, gl::TBitmap& target) {
    gl::TBitmap work;
    work.Assign(&picture);
    // In the program's order: one bit deep first, then the size.
    target.SetPixelFormat(gl::pf1bit);
    target.SetWidth(work.Width());
    target.SetHeight(work.Height());
    target.SetPalette(BlackWhite());
    target.Canvas().Draw(0, 0, &work);
}

void BM_ReadFileIntoMemory(benchmark::State& state) {
    for (auto _ : state) {
        std::FILE* f = std::fopen(File().c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        std::vector<char> data(static_cast<std::size_t>(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(data.data(), 1, data.size(), f));
        std::fclose(f);
        benchmark::DoNotOptimize(data.data());
    }
}

void BM_LoadBitmapFile(benchmark::State& state) {
    for (auto _ : state) {
        gl::TBitmap bitmap;
        bitmap.LoadFromFile(File());
        benchmark::DoNotOptimize(bitmap.Width());
    }
}

void BM_ThresholdLoop(benchmark::State& state) {
    std::ifstream in(File(), std::ios::binary);
    std::vector<std::uint8_t> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t outStride = ((kWidth + 31) / 32) * 4;
    for (auto _ : state) {
        std::vector<std::uint8_t> out(outStride * kHeight);
        for (int row = 0; row < kHeight; ++row) {
            const std::uint8_t* p = file.data() + 54 + kStride * row;
            std::uint8_t* o = out.data() + outStride * row;
            for (int x = 0; x < kWidth; ++x, p += 3)
                if (p[0] + p[1] + p[2] > 382)
                    o[x >> 3] = static_cast<std::uint8_t>(o[x >> 3] | (0x80 >> (x & 7)));
        }
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_Reduce(benchmark::State& state) {
    gl::TPicture picture;
    picture.LoadFromFile(File());
    for (auto _ : state) {
        gl::TBitmap target;
        Reduce(picture, target);
        benchmark::DoNotOptimize(target.Width());
    }
}

struct OneBitResult {
    gl::TPicture picture;
    gl::TBitmap target;
    OneBitResult() {
        picture.LoadFromFile(File());
        Reduce(picture, target);
    }
};

void BM_DirectBitReads(benchmark::State& state) {
    OneBitResult result;
    win::DIBSECTION dib{};
    win::GetObject(result.target.Image().DIBHandle(), sizeof dib, &dib);
    const auto* bits = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    const std::size_t stride = static_cast<std::size_t>(dib.dsBm.bmWidthBytes);
    for (auto _ : state) {
        std::uint64_t dark = 0;
        for (int y = 0; y < kHeight; ++y) {
            const std::uint8_t* row = bits + stride * static_cast<std::size_t>(kHeight - 1 - y);
            for (int x = 0; x < kWidth; ++x) dark += ((row[x >> 3] >> (7 - (x & 7))) & 1u) == 0;
        }
        benchmark::DoNotOptimize(dark);
    }
}

void BM_CanvasPixelReads(benchmark::State& state) {
    OneBitResult result;
    gl::TCanvas& canvas = result.target.Canvas();
    for (auto _ : state) {
        std::uint64_t dark = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) dark += canvas.Pixels(x, y) == 0;
        benchmark::DoNotOptimize(dark);
    }
}

BENCHMARK(BM_ReadFileIntoMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadBitmapFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThresholdLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reduce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DirectBitReads)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasPixelReads)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    if (!RunBenchmarks(argc, argv, reporter)) return 1;
    PrintRatio(reporter, "load bitmap file / read file", "BM_LoadBitmapFile", "BM_ReadFileIntoMemory", 2);
    PrintRatio(reporter, "reduction / threshold loop", "BM_Reduce", "BM_ThresholdLoop", 3);
    PrintRatio(reporter, "canvas pixel reads / direct bit reads", "BM_CanvasPixelReads", "BM_DirectBitReads",
               10);
    if (!g_file.empty()) std::filesystem::remove(g_file);
    return 0;
}
