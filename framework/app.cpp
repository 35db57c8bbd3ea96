#include "framework/app.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "framework/resources.h"
#include "framework/window.h"

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
    return InitInstance() ? EXIT_FAILURE : EXIT_SUCCESS;
}

void CWinApp::OnHelp() {
    std::string helpFile = ModulePath();
    helpFile = helpFile.substr(0, helpFile.find_last_of('.')) + ".hlp";
    HWND owner = mainWindow_ != nullptr ? mainWindow_->GetSafeHwnd() : nullptr;
    const DWORD context = mainWindow_ != nullptr ? mainWindow_->HelpContext() : 0;
    WinHelpA(owner, helpFile.c_str(), HELP_CONTEXT, context);
}
