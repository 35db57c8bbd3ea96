#include <windows.h>

#include "app/lotwarden_app.h"

namespace {

CLotwardenApp application;

// A portable program is often started from a downloads folder, where a DLL
// planted beside it would be found first whenever the system, the shell or
// the help viewer later loads one by bare name. Everything the program loads
// itself goes by full path. SetDefaultDllDirectories is looked up, not
// linked: a system without it still starts, with the current folder at least
// out of the search.
void KeepDllSearchInTheSystemFolder() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    SetDllDirectoryA("");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    KeepDllSearchInTheSystemFolder();
    return application.Main();
}
