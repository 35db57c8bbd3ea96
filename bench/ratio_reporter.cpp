#include "bench/ratio_reporter.h"

#include <cstdio>

namespace bench {

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const auto rate = run.counters.find("bytes_per_second");
        if (run.run_type == Run::RT_Iteration && !run.error_occurred &&
            rate != run.counters.end()) {
            bytesPerSecond_[run.run_name.function_name] = rate->second.value;
        }
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::printf("\nSpeed ratios in this run:\n");
    for (const RatioTarget& target : targets_) {
        const auto faster = bytesPerSecond_.find(target.faster);
        const auto slower = bytesPerSecond_.find(target.slower);
        if (faster == bytesPerSecond_.end() || slower == bytesPerSecond_.end()) {
            std::printf("  %s / %s: not run\n", target.faster.c_str(), target.slower.c_str());
            continue;
        }
        const double ratio = faster->second / slower->second;
        const bool met = ratio >= target.atLeast;
        allMet_ = allMet_ && met;
        std::printf("  %-24s / %-24s = %6.2f  (target >= %.1f: %s)\n", target.faster.c_str(),
                    target.slower.c_str(), ratio, target.atLeast, met ? "met" : "MISSED");
    }
    std::fflush(stdout);
}

}  // namespace bench
