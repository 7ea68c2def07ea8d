// Text speed: drawing a 100-character line of 12-pixel text (the goal is at least 20,000 lines per second),
// measuring it, listing the font families, and counting a typed text's bytes in the system code page.
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/system/CodePage.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

using namespace win;

// 100 characters of the window's usual text: Latin letters, digits and punctuation.
const std::string kLatinLine =
    "The quick brown fox jumps over the lazy dog 0123456789, Tarnwick<QQ3164825> again and again!!";
// 100 characters with ten Chinese ones among them.
const std::string kMixedLine =
    "Tarnwick<QQ群号3164825> 文字画 text art from a typed line: 成图 导入 关于 ...... "
    "and a few more words to fill";

std::string Exactly100(const std::string& text) {
    std::u16string units;
    std::string out;
    std::size_t chars = 0;
    for (std::size_t i = 0; chars < 100; ++chars) {
        const std::string& src = text;
        const std::size_t at = i % src.size();
        std::size_t len = 1;
        const auto b = static_cast<unsigned char>(src[at]);
        if (b >= 0xF0)
            len = 4;
        else if (b >= 0xE0)
            len = 3;
        else if (b >= 0xC0)
            len = 2;
        out.append(src, at, len);
        i = (at + len) % src.size();
    }
    return out;
}

class TextTarget {
public:
    TextTarget(const char* face, LONG height, BYTE quality = DEFAULT_QUALITY) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = 1400;
        info.bmiHeader.biHeight = -24;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
        m_oldBitmap = SelectObject(dc, m_bitmap);
        LOGFONT lf;
        lf.lfHeight = height;
        lf.lfQuality = quality;
        std::strncpy(lf.lfFaceName, face, sizeof lf.lfFaceName - 1);
        m_font = CreateFontIndirect(&lf);
        m_oldFont = SelectObject(dc, m_font);
    }
    ~TextTarget() {
        SelectObject(dc, m_oldFont);
        DeleteObject(m_font);
        SelectObject(dc, m_oldBitmap);
        DeleteObject(m_bitmap);
        DeleteDC(dc);
    }
    HDC dc = nullptr;

private:
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_oldBitmap = nullptr;
    HFONT m_font = nullptr;
    HGDIOBJ m_oldFont = nullptr;
};

void DrawLines(benchmark::State& state, const char* face, const std::string& text, BYTE quality) {
    TextTarget target(face, -12, quality);
    const std::string line = Exactly100(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(TextOut(target.dc, 2, 2, line.data(), static_cast<int>(line.size())));
    state.SetItemsProcessed(state.iterations());
    state.counters["lines/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_DrawLine_SongTi12_Latin(benchmark::State& state) {
    DrawLines(state, "宋体", kLatinLine, DEFAULT_QUALITY);
}
void BM_DrawLine_SongTi12_Mixed(benchmark::State& state) {
    DrawLines(state, "宋体", kMixedLine, DEFAULT_QUALITY);
}
void BM_DrawLine_Sans12_AntiAliased(benchmark::State& state) {
    DrawLines(state, "MS Sans Serif", kLatinLine, DEFAULT_QUALITY);
}
BENCHMARK(BM_DrawLine_SongTi12_Latin);
BENCHMARK(BM_DrawLine_SongTi12_Mixed);
BENCHMARK(BM_DrawLine_Sans12_AntiAliased);

void BM_MeasureLine_SongTi12(benchmark::State& state) {
    TextTarget target("宋体", -12);
    const std::string line = Exactly100(kMixedLine);
    SIZE size{};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            GetTextExtentPoint32(target.dc, line.data(), static_cast<int>(line.size()), &size));
}
BENCHMARK(BM_MeasureLine_SongTi12);

int CountFamily(const LOGFONT*, const TEXTMETRIC*, DWORD, LPARAM lParam) {
    ++*reinterpret_cast<int*>(lParam);
    return 1;
}

// The first listing in a process builds the family list from fontconfig (whose own cache is warm).
void BM_ListFamilies_FirstCall(benchmark::State& state) {
    TextTarget target("宋体", -12);
    int count = 0;
    for (auto _ : state) {
        EnumFontFamilies(target.dc, nullptr, CountFamily, reinterpret_cast<LPARAM>(&count));
        benchmark::DoNotOptimize(count);
    }
    state.counters["families"] = count;
}
BENCHMARK(BM_ListFamilies_FirstCall)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ListFamilies(benchmark::State& state) {
    TextTarget target("宋体", -12);
    int count = 0;
    EnumFontFamilies(target.dc, nullptr, CountFamily, reinterpret_cast<LPARAM>(&count)); // warm the caches
    for (auto _ : state) {
        count = 0;
        EnumFontFamilies(target.dc, nullptr, CountFamily, reinterpret_cast<LPARAM>(&count));
        benchmark::DoNotOptimize(count);
    }
    state.counters["families"] = count;
}
BENCHMARK(BM_ListFamilies)->Unit(benchmark::kMicrosecond);

void BM_ListStylesOfFamily(benchmark::State& state) {
    TextTarget target("宋体", -12);
    int count = 0;
    for (auto _ : state) {
        count = 0;
        EnumFontFamilies(target.dc, "DejaVu Sans", CountFamily, reinterpret_cast<LPARAM>(&count));
        benchmark::DoNotOptimize(count);
    }
    state.counters["styles"] = count;
}
BENCHMARK(BM_ListStylesOfFamily)->Unit(benchmark::kMillisecond);

// The space-length rule runs on every keystroke of the glyph field: bytes in code page 936 and UTF-16 units.
void BM_CountTypedText(benchmark::State& state) {
    const std::string typed = "文字画Kiv群号3164825成图";
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnsiByteLength(typed));
        benchmark::DoNotOptimize(Utf16Length(typed));
    }
}
BENCHMARK(BM_CountTypedText);

} // namespace

BENCHMARK_MAIN();
