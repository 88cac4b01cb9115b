// A console reporter for Google Benchmark that also keeps the median real and
// CPU time of every benchmark run with repetitions, so a benchmark program can
// print ratios against a reference measured in the same run. (On a loaded
// machine the CPU time of a single-threaded benchmark is the steadier one.)
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            {
                medians[run.run_name.function_name] = run.GetAdjustedRealTime();
                cpuMedians[run.run_name.function_name] = run.GetAdjustedCPUTime();
            }
    }

    // The median real (or CPU) time of the named benchmark in its time unit;
    // 0 when it did not run.
    double median(const std::string& name) const { return find(medians, name); }
    double cpuMedian(const std::string& name) const { return find(cpuMedians, name); }

    std::map<std::string, double> medians;
    std::map<std::string, double> cpuMedians;

private:
    static double find(const std::map<std::string, double>& values, const std::string& name)
    {
        const auto found = values.find(name);
        return found == values.end() ? 0.0 : found->second;
    }
};
