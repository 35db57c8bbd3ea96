#include "framework/app.h"

#include <objbase.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/dialog.h"
#include "framework/message_box.h"
#include "framework/resources.h"

namespace {

CWinApp* current = nullptr;

// COM on the user-interface thread for the whole run. The shell may open a
// link through a handler it starts with COM (a shell extension, a packaged
// app: how mail addresses usually open on Windows 10 and 11), and
// ShellExecute needs COM on the calling thread for that. Apartment-threaded
// with OLE1 DDE off, as the shell asks. Should it fail, the program runs on:
// most links open without it.
class ComApartment {
public:
    ComApartment()
        : entered_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};

}  // namespace

CWinApp::CWinApp() {
    current = this;
}

CWinApp::~CWinApp() {
    if (current == this) {
        current = nullptr;
    }
}

CWinApp* CWinApp::Current() {
    return current;
}

int CWinApp::Main() {
    const ComApartment com;
    return InitInstance() ? EXIT_FAILURE : exitCode_;
}

void CWinApp::RunMainDialog(CDialog& dialog) {
    SetMainWindow(&dialog);
    const INT_PTR result = dialog.DoModal();
    SetMainWindow(nullptr);
    if (result == -1) {
        ShowMessageBox({nullptr, "The program's window could not be created.", ApplicationTitle(),
                        MB_OK | MB_ICONSTOP});
    }
    if (result == -1 || result == IDABORT) {
        exitCode_ = EXIT_FAILURE;
    }
}
