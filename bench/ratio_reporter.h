#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

struct RatioTarget {
    std::string faster;
    std::string slower;
    double atLeast;
};

// The console report, followed by the speed ratios between benchmarks of
// this same run, each against its target.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<RatioTarget> targets) : targets_(std::move(targets)) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    bool allTargetsMet() const { return allMet_; }

private:
    std::vector<RatioTarget> targets_;
    std::map<std::string, double> bytesPerSecond_;
    bool allMet_ = true;
};

}  // namespace bench
