#include "bench/cli_list_bench.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "bench/bench_files.h"

extern char** environ;

namespace bench {
namespace {

constexpr std::size_t kFamilies = 1000;

// The program's output is thrown away, as a script that only waits for it
// would; its exit code must still be 0, or the figure means nothing.
void RunCliList(const std::string& dataFolder) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments = {LOTWARDEN_CLI, "--data", dataFolder, "list", "--json"};
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, LOTWARDEN_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error("lotwarden-cli list failed");
    }
}

void CountHouses(benchmark::State& state) {
    const auto files = static_cast<std::int64_t>(state.iterations() * kFamilies);
    state.SetItemsProcessed(files);
    state.SetBytesProcessed(files * 2);
}

}  // namespace

void RegisterCliListBenchmarks() {
    const std::string game = GameFolder(kFamilies);
    const std::vector<std::string> houses = GameHouseFiles(kFamilies);
    benchmark::RegisterBenchmark("CliList/1000Families", [game, houses](benchmark::State& state) {
        for (const std::string& house : houses) {
            WarmCache(house);
        }
        for (auto _ : state) {
            RunCliList(game);
        }
        CountHouses(state);
    })->UseRealTime();
    benchmark::RegisterBenchmark("ReadDays/1000GameHouses", [houses](benchmark::State& state) {
        ReadAllDays(state, houses);
    })->UseRealTime();
}

}  // namespace bench
