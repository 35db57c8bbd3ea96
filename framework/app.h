#pragma once

#include "framework/cmd_target.h"

class CDialog;
class CWnd;

// The application object: one per process, constructed statically.
class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;

    static CWinApp* Current();

    CWnd* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWnd* window) { mainWindow_ = window; }

    // Runs the application, in a single-threaded COM apartment of its own,
    // and answers the process exit code. There is no application message
    // loop: the application does its work in InitInstance, running its main
    // dialog modally there, and then reports that initialisation did not
    // succeed, which ends the program normally.
    // Reporting success would ask for a loop that does not exist, so the
    // program then ends with a failure code; so does a main dialog that
    // could not run.
    int Main();

protected:
    virtual bool InitInstance() = 0;

    // Runs dialog modally as the main window. When it could not be created or
    // its initialisation failed, the program ends with a failure code, and a
    // dialog that never appeared is reported, so that no start fails silently.
    void RunMainDialog(CDialog& dialog);

private:
    CWnd* mainWindow_ = nullptr;
    int exitCode_ = 0;
};
