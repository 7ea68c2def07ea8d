// Blit and pixel-read speed against plain loops over the same memory: the same-size copy of a 4000 x 3000
// 24-bit picture into a one-bit black, white bitmap, and GetPixel on a one-bit bitmap through a memory
// context.
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Blit.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

using namespace win;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

HBITMAP MakeSection(int width, int height, int bitCount, BYTE** bits) {
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + 2 * sizeof(RGBQUAD));
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bitCount);
    std::memcpy(info.data(), &h, sizeof h);
    const RGBQUAD table[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    std::memcpy(info.data() + sizeof h, table, sizeof table);
    void* p = nullptr;
    HBITMAP bitmap =
        CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(info.data()), DIB_RGB_COLORS, &p, nullptr, 0);
    *bits = static_cast<BYTE*>(p);
    return bitmap;
}

void FillPicture(BYTE* bits, std::size_t size) {
    std::uint32_t v = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        v = v * 1664525u + 1013904223u;
        bits[i] = static_cast<BYTE>(v >> 24);
    }
}

struct Picture {
    HBITMAP colour = nullptr, mono = nullptr;
    BYTE* colourBits = nullptr;
    BYTE* monoBits = nullptr;
    HDC colourDc = nullptr, monoDc = nullptr;
    int colourStride = ((kWidth * 24 + 31) / 32) * 4;
    int monoStride = ((kWidth + 31) / 32) * 4;

    Picture() {
        colour = MakeSection(kWidth, kHeight, 24, &colourBits);
        mono = MakeSection(kWidth, kHeight, 1, &monoBits);
        FillPicture(colourBits, static_cast<std::size_t>(colourStride) * kHeight);
        colourDc = CreateCompatibleDC(nullptr);
        monoDc = CreateCompatibleDC(nullptr);
        SelectObject(colourDc, colour);
        SelectObject(monoDc, mono);
        SetStretchBltMode(monoDc, COLORONCOLOR);
    }
};

Picture& Shared() {
    static Picture p;
    return p;
}

// The baseline: threshold the colour buffer straight into the one-bit buffer (black when r + g + b <= 382).
void BM_ThresholdLoop(benchmark::State& state) {
    Picture& p = Shared();
    std::vector<BYTE> out(static_cast<std::size_t>(p.monoStride) * kHeight);
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y) {
            const BYTE* s = p.colourBits + static_cast<std::size_t>(y) * p.colourStride;
            BYTE* d = out.data() + static_cast<std::size_t>(y) * p.monoStride;
            for (int x = 0; x < kWidth; x += 8) {
                unsigned b = 0;
                for (int k = 0; k < 8; ++k, s += 3) b = (b << 1) | (s[0] + s[1] + s[2] > 382 ? 1u : 0u);
                d[x >> 3] = static_cast<BYTE>(b);
            }
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ThresholdLoop)->Unit(benchmark::kMillisecond);

void BM_StretchBltTo1Bit(benchmark::State& state) {
    Picture& p = Shared();
    for (auto _ : state) {
        StretchBlt(p.monoDc, 0, 0, kWidth, kHeight, p.colourDc, 0, 0, kWidth, kHeight, SRCCOPY);
        benchmark::DoNotOptimize(p.monoBits);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StretchBltTo1Bit)->Unit(benchmark::kMillisecond);

constexpr int kBlock = 512; // pixels read per iteration: a kBlock x kBlock corner

void BM_ReadBitDirect(benchmark::State& state) {
    Picture& p = Shared();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int y = 0; y < kBlock; ++y) {
            const BYTE* row = p.monoBits + static_cast<std::size_t>(kHeight - 1 - y) * p.monoStride;
            for (int x = 0; x < kBlock; ++x) sum += (row[x >> 3] >> (7 - (x & 7))) & 1u;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kBlock * kBlock);
}
BENCHMARK(BM_ReadBitDirect)->Unit(benchmark::kMicrosecond);

void BM_GetPixel1Bit(benchmark::State& state) {
    Picture& p = Shared();
    for (auto _ : state) {
        unsigned sum = 0;
        for (int y = 0; y < kBlock; ++y)
            for (int x = 0; x < kBlock; ++x) sum += GetPixel(p.monoDc, x, y) == 0 ? 1u : 0u;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kBlock * kBlock);
}
BENCHMARK(BM_GetPixel1Bit)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
