#include "framework/command_ui.h"

#include "framework/cmd_target.h"
#include "framework/window.h"

CCmdUI::CCmdUI(const CWnd& dialog, HWND control)
    : dialog_(dialog), control_(control), id_(static_cast<UINT>(GetDlgCtrlID(control))) {}

void CCmdUI::Enable(bool enabled) {
    if ((IsWindowEnabled(control_) != FALSE) == enabled) {
        return;
    }
    if (!enabled && GetFocus() == control_) {
        dialog_.Send(WM_NEXTDLGCTL, 0, FALSE);
    }
    EnableWindow(control_, enabled ? TRUE : FALSE);
}

void UpdateDialogControls(const CWnd& dialog, CCmdTarget& target) {
    for (HWND child = GetWindow(dialog.GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        CCmdUI ui(dialog, child);
        target.OnCommandUpdate(ui);
    }
}
