#include "app/lotwarden_app.h"

#include <commctrl.h>
#include <windows.h>

#include "framework/dialog.h"
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
