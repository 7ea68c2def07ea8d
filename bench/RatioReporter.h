// The benchmarks' ratios: a reporter that keeps each benchmark's time per iteration, so that a ratio comes
// from this very run, and the line that prints one against its limit.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// Runs the benchmarks the command line names, keeping their times in `reporter`; false on an argument it does
// not know.
inline bool RunBenchmarks(int argc, char** argv, RatioReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}

// A limit of 0 prints the ratio alone.
inline void PrintRatio(const RatioReporter& reporter, const char* what, const char* slow, const char* fast,
                       double limit) {
    const auto s = reporter.times.find(slow), f = reporter.times.find(fast);
    if (s == reporter.times.end() || f == reporter.times.end() || f->second <= 0) return;
    const double ratio = s->second / f->second;
    if (limit > 0)
        std::printf("%-44s %6.2fx (limit %.1fx) %s\n", what, ratio, limit, ratio <= limit ? "ok" : "OVER");
    else
        std::printf("%-44s %6.2fx\n", what, ratio);
}
