#include "app/lotwarden_app.h"

#include <commctrl.h>
#include <windows.h>

#include "framework/dialog.h"
#include "ui/help_command.h"
#include "ui/lotwarden_dlg.h"

const MessageEntry CLotwardenApp::messageEntries[] = {
    on::Command(ID_HELP, 0, &CLotwardenApp::OnHelp),
};
const MessageTable CLotwardenApp::messageTable{&CWinApp::messageTable, messageEntries};

const MessageTable& CLotwardenApp::GetMessageTable() const {
    return messageTable;
}

bool CLotwardenApp::InitInstance() {
    // Registers the common controls the dialog templates use (the list view
    // and its header); there is nothing else to switch on for control hosting
    // or the three-dimensional look.
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    {
        CLotwardenDlg dialog;
        RunMainDialog(dialog);
    }
    // The dialog has closed: failing the initialisation ends the program.
    return false;
}

void CLotwardenApp::OnHelp() {
    // F1 in any of the program's dialogs. The program has no WinHelp file,
    // and today's Windows no WinHelp viewer, so F1 opens the help the Help
    // button opens; a failure is told over the dialog the user pressed F1 in.
    ShowProgramHelp(GetActiveWindow());
}
