#include <windows.h>

#include <tlhelp32.h>

#include "common/kernel_handle.h"
#include "gamedata/game_process.h"

namespace gamedata {
bool GameIsRunning() {
    const KernelHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
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
