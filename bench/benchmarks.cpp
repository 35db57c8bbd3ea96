// Neighbourhood scan and house days reads on generated files, with the
// physical yardstick (read the blocks, find the family marker's first byte)
// and the literal byte-at-a-time scan beside them.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

#include "bench/bench_files.h"
#include "bench/cli_list_bench.h"
#include "bench/peak_memory.h"
#include "bench/ratio_reporter.h"
#include "gamedata/family_scanner.h"
#include "gamedata/family_scanner_blocks.h"
#include "gamedata/house_days.h"
#include "tests/gamedata/reference_scanner.h"

namespace bench {
namespace {

constexpr std::size_t kHouseCount = 1000;

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Reads the file in the scanner's block size through the same unbuffered
// stream and counts 'I' bytes with memchr: no scan can beat this by much.
std::size_t CountFamilyMarkerFirstBytes(const std::string& path) {
    const std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        throw std::runtime_error("cannot open " + path);
    }
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::vector<char> block(gamedata::kScanBlockSize);
    std::size_t count = 0;
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file.get());
        const char* at = block.data();
        const char* const end = at + got;
        while (const void* found = std::memchr(at, 'I', static_cast<std::size_t>(end - at))) {
            ++count;
            at = static_cast<const char*>(found) + 1;
        }
        if (got < block.size()) {
            return count;
        }
    }
}

// Adds the file's bytes as throughput and the peak memory the run added,
// which for a scan that does not hold the file stays near zero whatever the
// file's size.
template <typename Scan>
void RunOverFile(benchmark::State& state, const std::string& path, Scan scan) {
    WarmCache(path);
    const long peakBefore = PeakResidentKiB();
    std::size_t found = 0;
    for (auto _ : state) {
        found = scan(path);
        benchmark::DoNotOptimize(found);
    }
    const auto fileSize = static_cast<std::int64_t>(std::filesystem::file_size(path));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * fileSize);
    state.counters["found"] = static_cast<double>(found);
    state.counters["peak_rss_growth_KiB"] = static_cast<double>(PeakResidentKiB() - peakBefore);
    state.counters["peak_rss_MiB"] = static_cast<double>(PeakResidentKiB()) / 1024.0;
}

std::size_t FastScan(const std::string& path) {
    const auto families = gamedata::ScanFamilies(path);
    if (!families) {
        throw std::runtime_error("cannot scan " + path);
    }
    return families->size();
}

std::size_t ReferenceScan(const std::string& path) {
    const auto families = gamedata_reference::ReferenceScanFamilies(path);
    if (!families) {
        throw std::runtime_error("cannot scan " + path);
    }
    return families->size();
}

void RegisterBenchmarks() {
    const std::string small = NeighbourhoodFile(16);
    const std::string large = NeighbourhoodFile(64);
    const std::vector<std::string> houses = HouseFiles(kHouseCount);

    benchmark::RegisterBenchmark("BarePass/64MiB", [large](benchmark::State& state) {
        RunOverFile(state, large, CountFamilyMarkerFirstBytes);
    })->UseRealTime();
    benchmark::RegisterBenchmark("ScanFamilies/16MiB", [small](benchmark::State& state) {
        RunOverFile(state, small, FastScan);
    })->UseRealTime();
    benchmark::RegisterBenchmark("ScanFamilies/64MiB", [large](benchmark::State& state) {
        RunOverFile(state, large, FastScan);
    })->UseRealTime();
    benchmark::RegisterBenchmark("ReferenceScan/64MiB", [large](benchmark::State& state) {
        RunOverFile(state, large, ReferenceScan);
    })->UseRealTime();
    benchmark::RegisterBenchmark("ReadDays/1000Houses", [houses](benchmark::State& state) {
        ReadAllDays(state, houses);
    })->UseRealTime();
}

}  // namespace
}  // namespace bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    bench::RegisterBenchmarks();
    bench::RegisterCliListBenchmarks();
    bench::RatioReporter reporter({{"ScanFamilies/64MiB", "BarePass/64MiB", 0.5},
                                   {"ScanFamilies/64MiB", "ReferenceScan/64MiB", 5.0},
                                   {"CliList/1000Families", "ReadDays/1000GameHouses", 0.5}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
