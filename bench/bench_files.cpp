#include "bench/bench_files.h"
#include "gamedata/house_days.h"

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "tools/gamegen/gamegen.h"

namespace bench {
namespace {

constexpr std::size_t kMebibyte = 1024 * 1024;
constexpr std::size_t kFillerPerFamily = 32 * 1024;

std::filesystem::path DataFolder() {
    return LOTWARDEN_BENCH_DATA_DIR;
}

// Builds the files in a child process: generating a 64 MiB file holds it in
// memory, and the benchmarks' own peak memory must not start from that.
void WriteInChildProcess(const std::function<void()>& write) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        try {
            write();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error("could not write the benchmark files");
    }
}

// Written under a temporary name and renamed, so an interrupted run never
// leaves a short file that a later run would take as finished.
void WriteOnce(const std::filesystem::path& path, const std::function<std::string()>& bytes) {
    if (std::filesystem::exists(path)) {
        return;
    }
    std::filesystem::create_directories(path.parent_path());
    const std::filesystem::path partial = path.string() + ".partial";
    gamegen::WriteFileBytes(partial, bytes());
    std::filesystem::rename(partial, path);
}

}  // namespace

std::string NeighbourhoodFile(std::size_t mebibytes) {
    const std::filesystem::path path =
        DataFolder() / ("neighborhood-" + std::to_string(mebibytes) + "MiB.iff");
    WriteInChildProcess([&] {
        WriteOnce(path, [&] {
            std::vector<gamegen::FamilyPlan> families(mebibytes * kMebibyte / kFillerPerFamily);
            for (std::size_t i = 0; i < families.size(); ++i) {
                families[i] = {"Family " + std::to_string(i), static_cast<std::int32_t>(i % 50),
                               static_cast<std::int16_t>(i % 256)};
            }
            gamegen::NeighbourhoodLayout layout;
            layout.fillerBytesPerFamily = kFillerPerFamily;
            return gamegen::NeighbourhoodFileBytes(families, layout);
        });
    });
    return path.string();
}

std::vector<std::string> HouseFiles(std::size_t count) {
    std::vector<std::string> paths;
    for (std::size_t i = 0; i < count; ++i) {
        paths.push_back(
            (DataFolder() / "houses" / ("house" + std::to_string(i) + ".iff")).string());
    }
    WriteInChildProcess([&] {
        for (std::size_t i = 0; i < count; ++i) {
            WriteOnce(paths[i], [i] {
                return gamegen::HouseFileBytes(static_cast<std::int16_t>(i % 256),
                                               static_cast<std::uint32_t>(i));
            });
        }
    });
    return paths;
}

std::string GameFolder(std::size_t families) {
    const std::filesystem::path folder = DataFolder() / ("game-" + std::to_string(families));
    // The neighbourhood file goes last, under a temporary name and renamed,
    // so an interrupted run leaves no folder a later run takes as whole.
    WriteInChildProcess([&] {
        if (std::filesystem::exists(folder / "UserData" / "neighborhood.iff")) {
            return;
        }
        gamegen::NeighbourhoodPlan neighbourhood{"UserData", {}};
        for (std::size_t lot = 1; lot <= families; ++lot) {
            neighbourhood.families.push_back({"Family " + std::to_string(lot),
                                              static_cast<std::int32_t>(lot),
                                              static_cast<std::int16_t>(lot % 255 + 1)});
        }
        const std::filesystem::path partial = DataFolder() / "game-partial";
        std::filesystem::remove_all(partial);
        gamegen::WriteGameFolder(partial, {neighbourhood});
        std::filesystem::remove_all(folder);
        std::filesystem::rename(partial, folder);
    });
    return folder.string();
}

std::vector<std::string> GameHouseFiles(std::size_t families) {
    const std::filesystem::path houses =
        std::filesystem::path(GameFolder(families)) / "UserData" / "Houses";
    std::vector<std::string> paths;
    for (std::size_t lot = 1; lot <= families; ++lot) {
        paths.push_back((houses / gamegen::HouseFileName(static_cast<std::int32_t>(lot))).string());
    }
    return paths;
}

void WarmCache(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> block(1024 * 1024);
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
    }
}

void ReadAllDays(benchmark::State& state, const std::vector<std::string>& houses) {
    for (const std::string& house : houses) {
        WarmCache(house);
    }
    for (auto _ : state) {
        long total = 0;
        for (const std::string& house : houses) {
            total += gamedata::ReadDays(house).value_or(0);
        }
        benchmark::DoNotOptimize(total);
    }
    const auto files = static_cast<std::int64_t>(state.iterations() * houses.size());
    state.SetItemsProcessed(files);
    state.SetBytesProcessed(files * 2);
}

}  // namespace bench
