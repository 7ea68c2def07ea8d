// Benchmarks of the multi-line edit control as the output view uses it: appending long lines one at a time
// (one append message against the older round of line queries and a replaced selection),
// repainting a view that holds them in a 1-point font, and the memory it takes.
#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Objects.h"
#include "platform/user/HeadlessInput.h"
#include "platform/user/User.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace win;

constexpr int kLineChars = 12000;

// A row of text art: the glyph string for dark pixels, blanks for light ones.
std::string ArtRow(int row) {
    std::string line;
    line.reserve(kLineChars + 2);
    for (int i = 0; line.size() < kLineChars; ++i) line += ((i + row) % 5 < 2) ? "   " : "Kiv";
    line.resize(kLineChars);
    return line;
}

struct View {
    HWND parent = nullptr;
    HWND memo = nullptr;
    HFONT font = nullptr;

    View() {
        headless::Use();
        RegisterEditClass();
        WNDCLASS wc;
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = "BenchEditParent";
        RegisterClass(&wc);
        parent = CreateWindowEx(0, "BenchEditParent", "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                400, nullptr, nullptr, nullptr, nullptr);
        memo = CreateWindowEx(WS_EX_CLIENTEDGE, "EDIT", "",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                  ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN,
                              0, 0, 580 + 4 + 17, 254 + 4 + 17, parent, nullptr, nullptr, nullptr);
        SendMessage(memo, EM_LIMITTEXT, 0, 0);
        // The output view's start-up font: 1 point at 96 pixels per inch.
        font = CreateFont(-1, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
        SendMessage(memo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        headless::Pump();
    }
    ~View() {
        DestroyWindow(parent);
        DeleteObject(font);
    }

    // What the memo's line list does to add one line: one message, the control's own append.
    void AddLine(const std::string& line) {
        SendMessage(memo, EM_APPENDLINE, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }

    // What it did before: find where the new line goes through the line queries, then select there, replace
    // the selection and bring the caret into view (seven messages; the text passed ends in CR LF).
    void AddLineByQueries(const std::string& lineWithBreak) {
        LRESULT count = SendMessage(memo, EM_GETLINECOUNT, 0, 0);
        const LRESULT lastStart = SendMessage(memo, EM_LINEINDEX, static_cast<WPARAM>(count - 1), 0);
        if (SendMessage(memo, EM_LINELENGTH, static_cast<WPARAM>(lastStart), 0) == 0) --count;
        const LRESULT start = SendMessage(memo, EM_LINEINDEX, static_cast<WPARAM>(count), 0);
        if (start < 0) return; // not reached here: every line added ends in a break
        SendMessage(memo, EM_SETSEL, static_cast<WPARAM>(start), start);
        SendMessage(memo, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(lineWithBreak.c_str()));
        SendMessage(memo, EM_SCROLLCARET, 0, 0);
    }
};

// The rows of text art, each with the break a line ends in when `withBreak` (the control adds its own).
std::vector<std::string> Rows(int count, bool withBreak = false) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) rows.push_back(ArtRow(i % 7) + (withBreak ? "\r\n" : ""));
    return rows;
}

// Appends the rows one by one into an emptied view, in one of the two ways.
void TimeAppends(benchmark::State& state, void (View::*add)(const std::string&), bool withBreak) {
    const auto rows = Rows(static_cast<int>(state.range(0)), withBreak);
    View view;
    for (auto _ : state) {
        state.PauseTiming();
        SendMessage(view.memo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
        state.ResumeTiming();
        for (const std::string& row : rows) (view.*add)(row);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * (kLineChars + 2));
}

void BM_MemoAppendLines(benchmark::State& state) {
    TimeAppends(state, &View::AddLine, false);
}
BENCHMARK(BM_MemoAppendLines)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

// The same lines added through the line queries and a replaced selection, as the line list once did.
void BM_MemoAppendLinesByQueries(benchmark::State& state) {
    TimeAppends(state, &View::AddLineByQueries, true);
}
BENCHMARK(BM_MemoAppendLinesByQueries)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

// The same text built in a plain string: the floor that appending to the control is measured against.
void BM_StringAppendLines(benchmark::State& state) {
    const auto rows = Rows(static_cast<int>(state.range(0)), true);
    for (auto _ : state) {
        std::string text;
        for (const std::string& row : rows) text += row;
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0) * (kLineChars + 2));
}
BENCHMARK(BM_StringAppendLines)->Arg(300)->Arg(3000)->Unit(benchmark::kMillisecond);

void BM_MemoRepaint(benchmark::State& state) {
    View view;
    for (const std::string& row : Rows(3000)) view.AddLine(row);
    UpdateWindow(view.memo); // the first paint measures every line once
    for (auto _ : state) {
        InvalidateRect(view.memo, nullptr, TRUE);
        UpdateWindow(view.memo);
    }
}
BENCHMARK(BM_MemoRepaint)->Unit(benchmark::kMillisecond)->Repetitions(9)->DisplayAggregatesOnly(true);

long ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Resident memory the control takes per byte of the text it holds (36 MB of text). Run it on its own
// (--benchmark_filter=Memory), so that memory freed by other benchmarks does not hide the growth.
void BM_MemoMemory(benchmark::State& state) {
    const auto rows = Rows(3000);
    double ratio = 0;
    for (auto _ : state) {
        View view; // the display and the font are not the text's
        const long before = ResidentBytes();
        for (const std::string& row : rows) view.AddLine(row);
        UpdateWindow(view.memo);
        const auto textBytes = static_cast<double>(SendMessage(view.memo, WM_GETTEXTLENGTH, 0, 0));
        ratio = static_cast<double>(ResidentBytes() - before) / textBytes;
    }
    state.counters["resident_per_text_byte"] = ratio;
}
BENCHMARK(BM_MemoMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
