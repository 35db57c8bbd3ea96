#pragma once

#include <windows.h>

#include "framework/window.h"

class CDataExchange;

// The framework's idle message: sent to a modal dialog each time its loop
// finds the message queue empty. A dialog runs its command-update handlers
// from it.
constexpr UINT WM_KICKIDLE = 0x036A;

// The standard Help command, which F1 sends to the application object.
constexpr UINT ID_HELP = 0xE146;

// A dialog from a template in the resources, run modally by DoModal.
class CDialog : public CWnd {
public:
    // Without a parent, the application's main window owns the dialog.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    // Destroys the window if it is still there.
    ~CDialog() override;

    // Creates the dialog, disables its owner and runs the dialog's own message
    // loop until EndDialog; answers EndDialog's result, -1 when the dialog
    // could not be created or its window went without EndDialog, IDABORT when
    // its initialisation failed (which has been reported).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);

    // Pull (true) or push (false) every member bound by DoDataExchange.
    void UpdateData(bool saveAndValidate);

    // Commands the dialog does not handle itself go on to the application.
    bool OnCmdMsg(UINT id, UINT code) override;
    // Keyboard navigation, Enter and Escape, as the dialog manager does them.
    bool PreTranslateMessage(MSG& msg) override;

protected:
    // Runs the first push (binding the controls); true lets the dialog manager
    // put the focus on the first tab-stop control.
    virtual bool OnInitDialog();
    virtual void DoDataExchange(CDataExchange& dx);

    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    void OnOK();
    void OnCancel();
    LRESULT OnHelpInfo(WPARAM wParam, LPARAM lParam);

    static INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;
    void CenterOverOwner();
    void RunModalLoop();
    bool PreTranslateFromTarget(MSG& msg);
    void DestroyWithoutHandlers();

    UINT templateId_;
    CWnd* parent_;
    INT_PTR result_ = -1;
    bool modal_ = false;
};

// Whether a message dispatched by a modal loop means the dialog's state may
// have changed, so that the loop's next empty queue runs the idle work again.
// Pointer moves, paints and the caret's blink timer do not.
bool IsIdleTrigger(const MSG& msg);
