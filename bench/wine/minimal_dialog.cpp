// The yardstick for Lotwarden's start-up: a dialog of the same size with a
// list view, statically linked the same way, doing nothing. What it costs
// to start and close is what Wine and the system cost any such program.
#include <windows.h>

#include <commctrl.h>

#include "bench/wine/minimal_dialog.h"

namespace {

INT_PTR CALLBACK MinimalProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_MINIMAL), nullptr, MinimalProcedure, 0) ==
                   IDCANCEL
               ? 0
               : 1;
}
