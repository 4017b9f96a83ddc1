// A console reporter that also remembers each benchmark's time per iteration,
// so a benchmark program can print how one case compares with another
// measured in the same run.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace relwiz::bench {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
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
