#pragma once

#include "framework/cmd_target.h"

class CWnd;

// The application object: one per process, constructed statically.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    static CWinApp* Current();

    CWnd* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWnd* window) { mainWindow_ = window; }

    // Runs the application and answers the process exit code. There is no
    // application message loop: the application does its work in
    // InitInstance, running its main dialog modally there, and then reports
    // that initialisation did not succeed, which ends the program normally.
    // Reporting success would ask for a loop that does not exist, so the
    // program then ends with a failure code.
    int Main();

protected:
    virtual bool InitInstance() = 0;

    // The framework's Help command: context help for the main window, in the
    // help file named after the executable.
    void OnHelp();

private:
    CWnd* mainWindow_ = nullptr;
};
