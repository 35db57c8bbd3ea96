#include <gtest/gtest.h>

#include <string>

#include "gamedata/game_process.h"

namespace gamedata {
namespace {

using namespace std::string_literals;

// One Linux process as /proc shows it: its name and its NUL-separated
// arguments.
struct ProcessCase {
    const char* label;
    std::string name;
    std::string commandLine;
    bool isGame;
};

void PrintTo(const ProcessCase& process, std::ostream* out) {
    *out << process.label;
}

class GameProcessTest : public testing::TestWithParam<ProcessCase> {};

TEST_P(GameProcessTest, TheGameIsSimsExeByNameOrByItsFirstArgumentsPath) {
    EXPECT_EQ(IsGameProcess(GetParam().name, GetParam().commandLine), GetParam().isGame);
}

INSTANTIATE_TEST_SUITE_P(
    ProcRule, GameProcessTest,
    testing::Values(
        ProcessCase{"Name", "Sims.exe", "", true},
        ProcessCase{"NameInOtherCase", "SIMS.EXE", "", true},
        ProcessCase{"WindowsPath", "wine64-preload",
                    "C:\\Program Files\\Maxis\\The Sims\\Sims.exe\0-skip_intro"s, true},
        ProcessCase{"UnixPathInOtherCase", "ld-linux.so.2", "/home/deck/Games/The Sims/sims.EXE\0"s,
                    true},
        ProcessCase{"NameWithADigit", "Sims2.exe", "Z:\\Games\\Sims2.exe\0"s, false},
        ProcessCase{"NameThatEndsLikeIt", "NotSims.exe", "C:\\Games\\NotSims.exe\0"s, false},
        ProcessCase{"PathOnlyInALaterArgument", "vim", "vim\0/home/deck/Sims.exe\0"s, false},
        ProcessCase{"PathWithMore", "bash", "C:\\Games\\Sims.exe.bak\0"s, false},
        ProcessCase{"KernelThread", "kthreadd", "", false}),
    [](const testing::TestParamInfo<ProcessCase>& info) { return info.param.label; });

}  // namespace
}  // namespace gamedata
