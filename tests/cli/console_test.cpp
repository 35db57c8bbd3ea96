// The Windows console program under Wine, finding the game through the
// registry values the dialog reads: it lists the current neighbourhood's
// families and sets one family's days in its house file, once the game,
// which it finds running at first, has gone.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/unique_handle.h"
#include "tests/support/game_key.h"
#include "tests/support/stand_in_game.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace {

using Handle = UniqueHandle<HANDLE, &CloseHandle>;

struct ConsoleOutcome {
    DWORD exitCode = 0;
    std::string out;
};

std::string ProgramBesideThisOne() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self = path;
    return self.substr(0, self.find_last_of('\\') + 1) + "lotwarden-cli.exe";
}

// Standard output goes to a file: a pipe would have to be read while the
// program runs.
ConsoleOutcome RunConsole(const std::string& arguments, const test_support::TempFolder& scratch) {
    const std::string outPath = scratch.File("out.txt");
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const Handle out(CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out.Get();
    startup.hStdError = out.Get();
    PROCESS_INFORMATION process{};
    const std::string program = ProgramBesideThisOne();
    std::string commandLine = "\"" + program + "\" " + arguments;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        nullptr, &startup, &process)) {
        ADD_FAILURE() << "cannot start " << program;
        return {};
    }
    const Handle processHandle(process.hProcess);
    const Handle threadHandle(process.hThread);
    ConsoleOutcome outcome;
    EXPECT_EQ(WaitForSingleObject(processHandle.Get(), 60000), WAIT_OBJECT_0);
    GetExitCodeProcess(processHandle.Get(), &outcome.exitCode);
    outcome.out = test_support::ReadBytes(outPath).value_or("");
    return outcome;
}

// A Windows path as a JSON string holds it.
std::string JsonEscaped(const std::string& path) {
    std::string escaped;
    for (const char c : path) {
        escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    return escaped;
}

TEST(ConsoleTest, ListsAndSetsWithTheDialogsRegistryValues) {
    const test_support::TempFolder game;
    const test_support::TempFolder scratch;
    gamegen::WriteGameFolder(
        game.path(),
        {{"UserData", {{"Newbie", 1, 12}}},
         {"UserData2",
          {{"Abernathy", 15, 140}, {"Ekstr\xF6m", 9, 1}, {"\x81\x8D\x8F\x90\x9D", 3, 2}}}});
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "2");

    const ConsoleOutcome list = RunConsole("list --json", scratch);
    EXPECT_EQ(list.exitCode, 0u);
    EXPECT_EQ(list.out, "{\"data_folder\":\"" + JsonEscaped(game.path().string()) +
                            "\",\"neighbourhood\":2,\"families\":["
                            "{\"name\":\"Abernathy\",\"lot\":15,\"days\":140},"
                            "{\"name\":\"Ekstr\xC3\xB6m\",\"lot\":9,\"days\":1},"
                            // The bytes 1252 leaves undefined, as the Linux build prints them.
                            "{\"name\":\"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D\",\"lot\":3,"
                            "\"days\":2}]}\n");

    const std::string house = game.File("UserData2\\Houses\\house15.iff");
    const std::string before = *test_support::ReadBytes(house);
    {
        const test_support::StandInGame runningGame;
        const ConsoleOutcome refused = RunConsole("set --lot 15 30", scratch);
        EXPECT_EQ(refused.exitCode, 5u);
        EXPECT_EQ(refused.out.find("lotwarden-cli: the game is running: close it first, or "
                                   "give --force"),
                  0u);
        EXPECT_EQ(test_support::ReadBytes(house), before);
    }
    std::string expected = before;
    expected[gamegen::kDaysOffset] = 30;
    expected[gamegen::kDaysOffset + 1] = 0;
    const ConsoleOutcome set = RunConsole("set --lot 15 30", scratch);
    EXPECT_EQ(set.exitCode, 0u);
    EXPECT_EQ(set.out, "Abernathy (lot 15): 140 -> 30\n");
    EXPECT_EQ(test_support::ReadBytes(house), expected);
}

}  // namespace
