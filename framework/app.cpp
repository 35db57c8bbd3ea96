#include "framework/app.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/com_apartment.h"
#include "framework/dialog.h"
#include "framework/message_box.h"
#include "framework/resources.h"

namespace {

CWinApp* current = nullptr;

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
