#include "BenchReport.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace lumra::bench {

void CollectingReporter::ReportRuns(const std::vector<Run>& reports) {
    std::vector<Run> aggregates;
    for (const Run& run : reports) {
        if (run.run_type == Run::RT_Aggregate) {
            aggregates.push_back(run);
            continue;
        }
        if (run.error_occurred) {
            continue;
        }
        const double perIteration = run.GetAdjustedRealTime() *
                                    benchmark::GetTimeUnitMultiplier(run.time_unit) /
                                    benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond);
        samples_[run.run_name.function_name].push_back(perIteration);
    }
    if (!aggregates.empty()) {
        ConsoleReporter::ReportRuns(aggregates);
    }
}

Spread SpreadOf(std::vector<double> values) {
    Spread s;
    s.count = static_cast<int>(values.size());
    if (values.empty()) {
        return s;
    }
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    s.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    s.min = values.front();
    s.max = values.back();
    return s;
}

double RelativeSpread(const Spread& s) {
    return s.median > 0 ? (s.max - s.min) / s.median : 0;
}

std::string LoadAverages() {
    std::ifstream file("/proc/loadavg");
    std::string one;
    std::string five;
    std::string fifteen;
    if (!(file >> one >> five >> fifteen)) {
        return "";
    }
    return one + " " + five + " " + fifteen;
}

namespace {

std::string Describe(const Spread& s, const std::string& unit) {
    char text[128];
    const double spread = s.median > 0 ? 100.0 * (s.max - s.min) / s.median : 0;
    std::snprintf(text, sizeof text, "%.3f %s (%.3f..%.3f, ±%.0f%%, n=%d)", s.median, unit.c_str(),
                  s.min, s.max, spread / 2, s.count);
    return text;
}

} // namespace

int PrintTable(const std::vector<Figure>& figures, const std::vector<FigureRun>& runs,
               const Samples& samples) {
    int missed = 0;
    std::printf("\n| figure | median (min..max, half range, repetitions) | baseline in the same "
                "run | ratio | target | met | load average before, after | tries |\n"
                "|---|---|---|---|---|---|---|---|\n");
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const Figure& f = figures[k];
        const FigureRun run = k < runs.size() ? runs[k] : FigureRun{};
        const std::string load = run.loadBefore + ", " + run.loadAfter;
        const auto it = samples.find(f.measurement);
        if (it == samples.end() || it->second.empty()) {
            std::printf("| %s | not measured | | | | no | %s | %d |\n", f.title.c_str(),
                        load.c_str(), run.tries);
            ++missed;
            continue;
        }
        const Spread figure = SpreadOf(it->second);
        std::string baselineText;
        std::string ratioText;
        char target[64];
        bool met = false;
        if (f.baseline.empty()) {
            std::snprintf(target, sizeof target, "at most %g %s", f.limit, f.unit.c_str());
            met = figure.median <= f.limit;
        } else {
            if (f.overBaseline) {
                std::snprintf(target, sizeof target, "at most %g %s more", f.limit, f.unit.c_str());
            } else {
                std::snprintf(target, sizeof target, "at most %gx", f.limit);
            }
            const auto b = samples.find(f.baseline);
            if (b != samples.end() && !b->second.empty()) {
                const Spread base = SpreadOf(b->second);
                baselineText = Describe(base, f.unit);
                char r[48];
                if (f.overBaseline) {
                    const double more = figure.median - base.median;
                    std::snprintf(r, sizeof r, "%+.3f %s", more, f.unit.c_str());
                    met = more <= f.limit;
                } else {
                    const double ratio = base.median > 0 ? figure.median / base.median : 0;
                    std::snprintf(r, sizeof r, "%.2fx", ratio);
                    met = base.median > 0 && ratio <= f.limit;
                }
                ratioText = r;
            }
        }
        if (!f.hasGoal) {
            std::snprintf(target, sizeof target, "none (reported)");
        }
        missed += met || !f.hasGoal ? 0 : 1;
        std::printf("| %s | %s | %s | %s | %s | %s | %s | %d |\n", f.title.c_str(),
                    Describe(figure, f.unit).c_str(), baselineText.c_str(), ratioText.c_str(),
                    target,
                    !f.hasGoal ? ""
                    : met      ? "yes"
                               : "no",
                    load.c_str(), run.tries);
    }
    std::fflush(stdout);
    return missed;
}

} // namespace lumra::bench
