// The skin drawing benchmarks. Each group (the name up to "_") is measured against its first
// benchmark, the baseline, in the same run; the ratios are printed after the table. Text
// needs fonts, so an application object on the offscreen platform comes first.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Prints the table as usual, then each benchmark's time as a multiple of its group's baseline.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.benchmark_name();
            const std::string group = name.substr(0, name.find('_'));
            if (baselines_.emplace(group, name).second)
                order_.push_back(group);
            times_[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const std::string& group : order_) {
            const std::string& baseline = baselines_[group];
            const double base = times_[baseline];
            if (base <= 0)
                continue;
            std::printf("\nTime relative to %s:\n", baseline.c_str());
            for (const auto& [name, time] : times_)
                if (name.compare(0, group.size() + 1, group + "_") == 0)
                    std::printf("  %-32s %10.2f\n", name.c_str(), time / base);
        }
    }

private:
    std::map<std::string, std::string> baselines_;
    std::vector<std::string> order_;
    std::map<std::string, double> times_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
