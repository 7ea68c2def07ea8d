// The added picture kinds on a 4000 x 3000 picture: loading a PNG and a JPEG through the program's picture
// classes against the library decoding the same bytes into memory on its own, and glyphloom-convert on the
// JPEG from start to end against that decoding. After the run the ratios are printed; loading should stay
// within 1.3 of the library alone.
#include "app/formats/PictureFormats.h"
#include "framework/core/Streams.h"
#include "support/PictureEncoders.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <jpeglib.h>
#include <map>
#include <png.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

// A gradient with some noise, as a photograph has everywhere.
const gl::enctest::Picture& Source() {
    static const gl::enctest::Picture picture = [] {
        gl::enctest::Picture p;
        p.width = kWidth, p.height = kHeight;
        p.pixels.reserve(static_cast<std::size_t>(kWidth) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int noise = (x * 7919 + y * 104729) >> 3 & 15;
                p.pixels.push_back(gl::enctest::Rgba{static_cast<std::uint8_t>((x / 16 + noise) & 0xFF),
                                                     static_cast<std::uint8_t>((y / 12 + noise) & 0xFF),
                                                     static_cast<std::uint8_t>(((x + y) / 28) & 0xFF)});
            }
        return p;
    }();
    return picture;
}

const std::string& PngBytes() {
    static const std::string bytes = gl::enctest::Png(Source(), gl::enctest::PngKind::Rgb);
    return bytes;
}

const std::string& JpegBytes() {
    static const std::string bytes = gl::enctest::Jpeg(Source(), {.quality = 90});
    return bytes;
}

template <class Image> void LoadThroughClass(benchmark::State& state, const std::string& bytes) {
    for (auto _ : state) {
        gl::TStringStream stream(bytes);
        Image image;
        image.LoadFromStream(stream);
        benchmark::DoNotOptimize(image.Width());
    }
}

void BM_PngLibraryAlone(benchmark::State& state) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (auto _ : state) {
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&image, PngBytes().data(), PngBytes().size());
        image.format = PNG_FORMAT_RGB;
        png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_PngThroughClass(benchmark::State& state) {
    LoadThroughClass<gl::TPngImage>(state, PngBytes());
}

void DecodeJpegAlone(std::vector<std::uint8_t>& pixels) {
    jpeg_decompress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(JpegBytes().data()), JpegBytes().size());
    jpeg_read_header(&info, TRUE);
    jpeg_start_decompress(&info);
    for (JDIMENSION y = 0; y < info.output_height; ++y) {
        JSAMPROW row = pixels.data() + static_cast<std::size_t>(y) * info.output_width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
}

void BM_JpegLibraryAlone(benchmark::State& state) {
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (auto _ : state) {
        DecodeJpegAlone(pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_JpegThroughClass(benchmark::State& state) {
    LoadThroughClass<gl::TJpegImage>(state, JpegBytes());
}

// glyphloom-convert on the JPEG written to a file, its output discarded; the time of the whole process.
void BM_ConvertJpegProcess(benchmark::State& state) {
    const std::string folder = std::filesystem::temp_directory_path().string();
    const std::string picture = folder + "/glyphloom-bench-formats-" + std::to_string(::getpid()) + ".jpg";
    std::ofstream(picture, std::ios::binary) << JpegBytes();
    const std::string output = picture + ".txt";
    std::vector<std::string> args = {GLYPHLOOM_CONVERT, "-o", output, picture};
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t pid = -1;
        int status = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("glyphloom-convert failed");
            break;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::remove(picture.c_str());
    std::remove(output.c_str());
}

BENCHMARK(BM_PngLibraryAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PngThroughClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegLibraryAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegThroughClass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertJpegProcess)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // The pictures are written before any timing starts.
    PngBytes();
    JpegBytes();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter, "PNG through the class / library alone", "BM_PngThroughClass", "BM_PngLibraryAlone",
               1.3);
    PrintRatio(reporter, "JPEG through the class / library alone", "BM_JpegThroughClass",
               "BM_JpegLibraryAlone", 1.3);
    PrintRatio(reporter, "glyphloom-convert on the JPEG / library alone", "BM_ConvertJpegProcess",
               "BM_JpegLibraryAlone", 0);
    benchmark::Shutdown();
    return 0;
}
