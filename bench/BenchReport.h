#pragma once
// The figures of a run: every repetition of each measurement, and the table that sets each
// figure beside its baseline from the same run.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace lumra::bench {

// Milliseconds per repetition, by measurement name.
using Samples = std::map<std::string, std::vector<double>>;

// Keeps each repetition and shows only the aggregates on the console.
class CollectingReporter final : public benchmark::ConsoleReporter {
public:
    explicit CollectingReporter(Samples& samples) : samples_(samples) {}
    void ReportRuns(const std::vector<Run>& reports) override;

private:
    Samples& samples_;
};

struct Figure {
    std::string title;
    std::string measurement; // a key of the samples
    std::string baseline;    // empty: the target is an absolute limit
    double limit = 0;        // the highest ratio, or the highest median in `unit`
    std::string unit = "ms"; // "ms" or "MB"
    // The limit bounds the median less the baseline's, in `unit`, instead of their ratio.
    bool overBaseline = false;
    // Without a goal the figure is reported beside its baseline and never counts as missed.
    bool hasGoal = true;
};

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
    int count = 0;
};

Spread SpreadOf(std::vector<double> values);
// (max - min) / median; 0 without values.
double RelativeSpread(const Spread& s);

// The conditions a figure was measured in: the load averages (1, 5, 15 minutes, as
// /proc/loadavg gives them) before and after, and how many tries it took.
struct FigureRun {
    std::string loadBefore;
    std::string loadAfter;
    int tries = 0;
};
// The three load averages now, "" when /proc/loadavg cannot be read.
std::string LoadAverages();

// Prints the table as Markdown, one run per figure in the same order; returns the number of
// targets missed.
int PrintTable(const std::vector<Figure>& figures, const std::vector<FigureRun>& runs,
               const Samples& samples);

} // namespace lumra::bench
