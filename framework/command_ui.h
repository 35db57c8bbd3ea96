#pragma once

#include <windows.h>

class CCmdTarget;
class CWnd;

// What a command-update handler may change about one dialog control.
class CCmdUI {
public:
    CCmdUI(const CWnd& dialog, HWND control);

    UINT Id() const { return id_; }
    // Changes the control only when its state differs. A control that loses
    // its enabled state while it holds the focus hands the focus on first, as
    // a disabled window cannot keep it usefully.
    void Enable(bool enabled);

private:
    const CWnd& dialog_;
    HWND control_;
    UINT id_;
};

// Offers every child control of dialog to target's command-update handlers.
// Controls without a handler keep whatever state they have.
void UpdateDialogControls(const CWnd& dialog, CCmdTarget& target);
