/* A DLL named hhctrl.ocx, as an attacker would leave one beside a downloaded
   Lotwarden.exe. Loaded, it leaves hhctrl.ocx.loaded beside itself. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)reserved;
    char path[MAX_PATH + 8] = {0};
    if (reason == DLL_PROCESS_ATTACH && GetModuleFileNameA(instance, path, MAX_PATH) > 0) {
        lstrcatA(path, ".loaded");
        CloseHandle(CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL));
    }
    return TRUE;
}
