#include <windows.h>

#include <stdexcept>
#include <string>

#include "tests/support/stand_in_game.h"

namespace test_support {

StandInGame::StandInGame() {
    char self[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string game = folder_.File("Sims.exe");
    if (length == 0 || length >= MAX_PATH || !CopyFileA(self, game.c_str(), TRUE)) {
        throw std::runtime_error("cannot copy this program to " + game);
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(game.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &started)) {
        throw std::runtime_error("cannot start " + game);
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
}

StandInGame::~StandInGame() {
    // The copy can be removed with the folder only once the process is gone.
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
}

}  // namespace test_support
