// The converter end to end on a 4000 x 3000 24-bit picture: glyphloom-convert against a plain program that
// thresholds the same file and writes the same bytes (both as processes, output to a file), the converter's
// peak memory, the same conversion inside the window in this process (the convert click until its last line
// is in the output view), the start-up of the desktop program to its first painted window, and the converter
// on rows past 64 KB and on more than 2 GiB of text, each as time per output byte. After the run the figures
// are printed with their limits: 3x, 160 MB, 2x and 300 ms.
#include "app/Program.h"
#include "app/Unit1.h"
#include "components/RzButton.h"
#include "components/RzEdit.h"
#include "framework/core/Strings.h"
#include "framework/forms/Application.h"

#include "platform/user/HeadlessInput.h"

#include "support/BmpWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessorSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// ---- The picture and the files, in a folder of this run ----

const std::filesystem::path& Folder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("glyphloom-bench-convert-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// Diagonal gradients, rings and noise: dark and light areas of every size, and grey near the threshold, so
// that both glyphs and blanks occur in every row.
std::uint8_t Channel(int x, int y, int k) {
    const int gradient = (x * 255 / kWidth + y * 255 / kHeight) / 2;
    const int dx = x - kWidth / 2, dy = y - kHeight / 2;
    const int ring = ((dx * dx + dy * dy) >> 12) & 0x3F;
    const std::uint32_t hash =
        static_cast<std::uint32_t>(x) * 2654435761u ^ static_cast<std::uint32_t>(y) * 40503u;
    const int noise = static_cast<int>((hash >> (8 + k)) & 0x3F) - 32;
    return static_cast<std::uint8_t>(std::clamp(gradient + ring - 32 + noise + 8 * (k - 1), 0, 255));
}

// The stored pixel: blue, green and red from the channels.
std::uint32_t PackedPixel(int x, int y) {
    return gl::bmptest::Bgr(Channel(x, y, 2), Channel(x, y, 1), Channel(x, y, 0));
}

const std::string& Picture() {
    static const std::string path = [] {
        const std::string file = (Folder() / "picture.bmp").string();
        // The file as most programs save it (no size of the pixel bytes in the header).
        gl::bmptest::WriteFile(file, gl::bmptest::Bmp24(kWidth, kHeight, PackedPixel, false));
        return file;
    }();
    return path;
}

std::string OutputPath(const char* name) {
    return (Folder() / name).string();
}

// ---- Child processes ----

struct ProcessRun {
    double seconds = 0;
    double cpuSeconds = 0; // user and system time of the child
    long maxRssKb = 0;
    bool ok = false;
};

// The resident size of this process now, in KiB.
long ResidentKb() {
    long pages = 0, resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// Runs a program with standard output discarded and waits for it; the time is the wall time from the start
// request to the end, the memory the child's peak resident size. A plain fork rather than posix_spawn: the
// latter shares this process's memory until the exec, and the child's peak would then start from this
// process's own peak; after a fork it starts from this process's present resident size (kept in
// g_inheritedKb, a bound on what the figure holds that is not the child's own).
long g_inheritedKb = 0;

ProcessRun Run(const std::vector<std::string>& args, const std::vector<std::string>& extraEnvironment = {}) {
    std::vector<char*> argv;
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e) envp.push_back(*e);
    for (const std::string& e : extraEnvironment) envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);

    ProcessRun result;
    g_inheritedKb = std::max(g_inheritedKb, ResidentKb());
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid < 0) return result;
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        if (null >= 0) ::dup2(null, STDOUT_FILENO);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid) return result;
    result.seconds = SecondsSince(start);
    result.maxRssKb = usage.ru_maxrss;
    result.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                        static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Figures kept for the summary after the run.
std::map<std::string, double> g_figures;

void TimeProcess(benchmark::State& state, const std::vector<std::string>& args, const char* figure,
                 const std::vector<std::string>& extraEnvironment = {}) {
    long peakKb = 0;
    double cpuSeconds = 0;
    double best = 1e9;
    for (auto _ : state) {
        const ProcessRun run = Run(args, extraEnvironment);
        if (!run.ok) {
            state.SkipWithError((args[0] + " failed").c_str());
            return;
        }
        state.SetIterationTime(run.seconds);
        peakKb = std::max(peakKb, run.maxRssKb);
        cpuSeconds += run.cpuSeconds;
        best = std::min(best, run.seconds);
    }
    g_figures[std::string(figure) + " best ms"] = best * 1000;
    const double cpuMs =
        cpuSeconds * 1000 / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["child_cpu_ms"] = cpuMs;
    g_figures[std::string(figure) + " cpu ms"] = cpuMs;
    state.counters["peak_MB"] = static_cast<double>(peakKb) / 1024.0;
    g_figures[std::string(figure) + " peak MB"] = static_cast<double>(peakKb) / 1024.0;
}

void BM_BaselineProcess(benchmark::State& state) {
    TimeProcess(state, {GLYPHLOOM_BASELINE, Picture(), OutputPath("baseline.txt")}, "baseline");
}

void BM_ConvertProcess(benchmark::State& state) {
    TimeProcess(state, {GLYPHLOOM_CONVERT, "-o", OutputPath("convert.txt"), Picture()}, "convert");
}

// Rows past 64 KB: the same picture with 20 blanks a light pixel (rows of up to 80,000 bytes).
void BM_ConvertWideRows(benchmark::State& state) {
    TimeProcess(state, {GLYPHLOOM_CONVERT, "--space", "20", "-o", OutputPath("wide.txt"), Picture()}, "wide");
}

// More than 2 GiB of text: a black 65 x 34,000 picture with a 1,000-letter glyph string, 34,000 rows of
// 65,000 bytes written to /dev/null.
constexpr int kTallWidth = 65, kTallHeight = 34000, kLongGlyph = 1000;

const std::string& TallPicture() {
    static const std::string path = [] {
        const std::string file = (Folder() / "tall.bmp").string();
        gl::bmptest::WriteFile(file, gl::bmptest::Bmp24(
                                         kTallWidth, kTallHeight, [](int, int) { return 0u; }, false));
        return file;
    }();
    return path;
}

void BM_ConvertHugeOutput(benchmark::State& state) {
    TimeProcess(
        state, {GLYPHLOOM_CONVERT, "--glyph", std::string(kLongGlyph, 'K'), "-o", "/dev/null", TallPicture()},
        "huge");
}

void BM_DesktopStartupProcess(benchmark::State& state) {
    TimeProcess(state, {GLYPHLOOM_DESKTOP}, "desktop", {"GLYPHLOOM_DISPLAY=headless"});
}

// ---- In this process ----

// The desktop program's start in this process, from registering the program's classes to the main window's
// first paint and to the end of the paints that showing it causes. Only the first run in a process pays for
// the registrations and the font set-up, so this runs once.
void BM_DesktopStartupInProcess(benchmark::State& state) {
    for (auto _ : state) {
        const auto start = Clock::now();
        win::headless::Use();
        gl::RegisterProgram();
        gl::RegisterStartupSample();
        double firstPaint = 0;
        {
            gl::TApplication application(nullptr);
            application.Initialize();
            application.CreateForm(gl::F_main);
            gl::F_main->OnPaint = [&](gl::TObject*) {
                if (firstPaint == 0) firstPaint = SecondsSince(start);
            };
            gl::F_main->Show();
            application.ProcessMessages();
            const double painted = SecondsSince(start);
            state.SetIterationTime(painted);
            state.counters["first_paint_ms"] = firstPaint * 1000;
            state.counters["all_painted_ms"] = painted * 1000;
            g_figures["in-process first paint ms"] = firstPaint * 1000;
            g_figures["in-process all painted ms"] = painted * 1000;
        }
    }
}

// The convert click in the window, with the picture already loaded as the import command loads it. The
// output view is emptied between runs, outside the timing.
void BM_WindowConvert(benchmark::State& state) {
    win::headless::Use();
    gl::RegisterProgram();
    gl::TApplication application(nullptr);
    application.Initialize();
    application.CreateForm(gl::F_main);
    gl::TF_main& window = *gl::F_main;
    window.LoadPicture(Picture());
    window.Show();
    application.ProcessMessages();
    gl::TStrings& lines = *window.RzMemo1->Lines();
    double cpuSeconds = 0;
    double best = 1e9;
    for (auto _ : state) {
        lines.Clear();
        const int before = lines.Count();
        const auto start = Clock::now();
        const double cpuStart = ProcessorSeconds();
        window.RzBitBtn4->OnClick(window.RzBitBtn4);
        const double seconds = SecondsSince(start);
        state.SetIterationTime(seconds);
        best = std::min(best, seconds);
        cpuSeconds += ProcessorSeconds() - cpuStart;
        if (lines.Count() - before != kHeight) {
            state.SkipWithError("the conversion did not append one line per row");
            return;
        }
    }
    g_figures["window best ms"] = best * 1000;
    g_figures["window cpu ms"] = cpuSeconds * 1000 / static_cast<double>(state.iterations());
}

BENCHMARK(BM_BaselineProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertProcess)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertWideRows)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertHugeOutput)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesktopStartupProcess)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesktopStartupInProcess)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowConvert)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration, so that the ratios come from this very run.
class FigureReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times; // milliseconds
};

void PrintLimit(const char* what, double value, const char* unit, double limit) {
    std::printf("%-52s %8.2f %-3s (limit %.0f %s) %s\n", what, value, unit, limit, unit,
                value <= limit ? "ok" : "OVER");
}

void PrintRatio(const FigureReporter& reporter, const char* what, const char* slow, const char* fast,
                double limit) {
    const auto s = reporter.times.find(slow), f = reporter.times.find(fast);
    if (s == reporter.times.end() || f == reporter.times.end() || f->second <= 0) return;
    PrintLimit(what, s->second / f->second, "x", limit);
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A ratio of two kept figures, as an aside to a limit's line.
void PrintAside(const char* what, const char* slow, const char* fast, const char* note) {
    if (!g_figures.count(slow) || !g_figures.count(fast) || g_figures[fast] <= 0) return;
    std::printf("%-52s %8.2f x   (%s)\n", what, g_figures[slow] / g_figures[fast], note);
}

// A conversion's time for each byte it wrote.
void PrintPerByte(const FigureReporter& reporter, const char* what, const char* benchmark, double bytes) {
    const auto found = reporter.times.find(benchmark);
    if (found == reporter.times.end() || bytes <= 0) return;
    std::printf("%-52s %8.2f ns  (%.0f MB of text)\n", what, found->second * 1e6 / bytes, bytes / 1e6);
}

double FileBytes(const std::string& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : static_cast<double>(size);
}

void PrintSummary(const FigureReporter& reporter) {
    std::printf("\n");
    PrintPerByte(reporter, "glyphloom-convert, time per output byte", "BM_ConvertProcess",
                 FileBytes(OutputPath("convert.txt")));
    PrintPerByte(reporter, "  rows past 64 KB (--space 20)", "BM_ConvertWideRows",
                 FileBytes(OutputPath("wide.txt")));
    PrintPerByte(reporter, "  more than 2 GiB (65 x 34,000, 1,000-letter glyphs)", "BM_ConvertHugeOutput",
                 static_cast<double>(kTallHeight) * (kTallWidth * kLongGlyph + 1));
    PrintRatio(reporter, "glyphloom-convert / plain program", "BM_ConvertProcess", "BM_BaselineProcess", 3);
    PrintAside("  the same, fastest run of each", "convert best ms", "baseline best ms",
               "the line above: means");
    PrintAside("  the same, processor time", "convert cpu ms", "baseline cpu ms", "user and system time");
    if (g_figures.count("convert peak MB"))
        PrintLimit("glyphloom-convert peak memory", g_figures["convert peak MB"], "MB", 160);
    PrintRatio(reporter, "window convert click / glyphloom-convert", "BM_WindowConvert", "BM_ConvertProcess",
               2);
    PrintAside("  the same, fastest run of each", "window best ms", "convert best ms",
               "the line above: means");
    PrintAside("  the same, processor time", "window cpu ms", "convert cpu ms", "user and system time");
    if (reporter.times.count("BM_DesktopStartupProcess"))
        PrintLimit("glyphloom start-up, whole process (headless)",
                   reporter.times.at("BM_DesktopStartupProcess"), "ms", 300);
    if (g_figures.count("in-process first paint ms"))
        std::printf("%-52s %8.2f ms\n%-52s %8.2f ms\n", "  in process: start to the window's first paint",
                    g_figures["in-process first paint ms"], "  in process: start to all controls painted",
                    g_figures["in-process all painted ms"]);
    std::printf("%-52s %8.2f MB\n", "  (of each peak, at most this came from the fork)",
                static_cast<double>(g_inheritedKb) / 1024.0);
    for (const char* name : {"baseline", "desktop"})
        if (g_figures.count(std::string(name) + " peak MB"))
            std::printf("%-52s %8.2f MB\n", (std::string("  peak memory: ") + name).c_str(),
                        g_figures[std::string(name) + " peak MB"]);
    const std::string baseline = Contents(OutputPath("baseline.txt"));
    const std::string converted = Contents(OutputPath("convert.txt"));
    if (!baseline.empty() || !converted.empty())
        std::printf("%-52s %s (%zu bytes)\n", "outputs of glyphloom-convert and the plain program",
                    baseline == converted ? "identical" : "DIFFER", converted.size());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    FigureReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    PrintSummary(reporter);
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
    return 0;
}
