#include <windows.h>

#include <tlhelp32.h>

#include "common/unique_handle.h"
#include "gamedata/game_process.h"

namespace gamedata {
namespace {

HANDLE NoSnapshot() {
    return INVALID_HANDLE_VALUE;
}

using SnapshotHandle = UniqueHandle<HANDLE, &CloseHandle, &NoSnapshot>;

}  // namespace

bool GameIsRunning() {
    const SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
        if (IsGameProgramName(entry.szExeFile)) {
            return true;
        }
    }
    return false;
}

}  // namespace gamedata
