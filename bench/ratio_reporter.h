// A console reporter that also remembers each benchmark's time per iteration,
// so a benchmark program can print how one case compares with another
// measured in the same run. A benchmark run with repetitions is remembered
// by the median of its repetitions, which a busy machine's stray slow run
// moves least; names are the ones given at registration, without the
// "/repeats:5" that Google Benchmark appends.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace relwiz::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Coloured only on a terminal: a reporter of one's own is not told of
    // --benchmark_color, and escape codes would litter a log or a pipe.
    RatioReporter()
        : ConsoleReporter(::isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular)
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        // The median aggregate comes after the repetitions it sums up, so it
        // replaces whichever repetition was remembered last.
        for (const Run& run : runs)
            if (!run.error_occurred &&
                (run.run_type == Run::RT_Iteration || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")))
                seconds_[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }

    // The seconds per iteration remembered for name, or 0 when it was not measured.
    double seconds(const std::string& name) const
    {
        const auto found = seconds_.find(name);
        return found == seconds_.end() ? 0 : found->second;
    }

    // Prints "subject / baseline = ratio" when both were measured, with the
    // verdict when there is a goal (goal <= 0: for information only).
    void print_ratio(const std::string& subject, const std::string& baseline, double goal = 0) const
    {
        const auto s = seconds_.find(subject);
        const auto b = seconds_.find(baseline);
        if (s == seconds_.end() || b == seconds_.end() || b->second <= 0)
            return;
        const double ratio = s->second / b->second;
        std::printf("ratio %-32s / %-32s = %7.2f", subject.c_str(), baseline.c_str(), ratio);
        if (goal > 0)
            std::printf("  (goal <= %.1f: %s)", goal, ratio <= goal ? "met" : "NOT met");
        std::printf("\n");
    }

private:
    std::map<std::string, double> seconds_;
};

}  // namespace relwiz::bench
