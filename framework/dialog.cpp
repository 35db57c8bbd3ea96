#include "framework/dialog.h"

#include <algorithm>

#include "framework/app.h"
#include "framework/data_exchange.h"
#include "framework/resources.h"

namespace {

// Commands from 0xF000 on are system commands, never the application's.
constexpr UINT kFirstSystemCommand = 0xF000;

// Disables a window for as long as it lives, if it was enabled, and then gives
// it back its activation.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner)
        : owner_(owner), disabled_(owner != nullptr && IsWindowEnabled(owner)) {
        if (disabled_) {
            EnableWindow(owner_, FALSE);
        }
    }
    ~DisabledOwner() {
        if (disabled_) {
            EnableWindow(owner_, TRUE);
            SetActiveWindow(owner_);
        }
    }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    HWND owner_;
    bool disabled_;
};

}  // namespace

const MessageEntry CDialog::messageEntries[] = {
    on::Command(IDOK, BN_CLICKED, &CDialog::OnOK),
    on::Command(IDCANCEL, BN_CLICKED, &CDialog::OnCancel),
    on::Message(WM_HELP, &CDialog::OnHelpInfo),
};
const MessageTable CDialog::messageTable{&CWnd::messageTable, messageEntries};

const MessageTable& CDialog::GetMessageTable() const {
    return messageTable;
}

CDialog::CDialog(UINT templateId, CWnd* parent) : templateId_(templateId), parent_(parent) {}

CDialog::~CDialog() {
    DestroyWithoutHandlers();
}

INT_PTR CDialog::DoModal() {
    result_ = -1;
    modal_ = true;
    {
        HWND owner = ModalOwner();
        DisabledOwner disabled(owner);
        if (CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(templateId_), owner,
                               &CDialog::DialogProcedure,
                               reinterpret_cast<LPARAM>(this)) != nullptr) {
            RunModalLoop();
        }
        // Hidden before the owner is enabled again, so that the activation
        // goes straight back to the owner.
        if (GetSafeHwnd() != nullptr) {
            SetWindowPos(GetSafeHwnd(), nullptr, 0, 0, 0, 0,
                         SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    }
    // Destroyed while the dialog still has its window, so that WM_DESTROY
    // reaches the dialog's own handlers; the final WM_NCDESTROY lets go.
    if (GetSafeHwnd() != nullptr) {
        ::DestroyWindow(GetSafeHwnd());
    }
    return result_;
}

void CDialog::EndDialog(INT_PTR result) {
    result_ = result;
    modal_ = false;
}

void CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, saveAndValidate);
    DoDataExchange(dx);
}

bool CDialog::OnCmdMsg(UINT id, UINT code) {
    if (CWnd::OnCmdMsg(id, code)) {
        return true;
    }
    CWinApp* app = CWinApp::Current();
    return code == 0 && id < kFirstSystemCommand && app != nullptr && app->OnCmdMsg(id, code);
}

bool CDialog::PreTranslateMessage(MSG& msg) {
    return IsDialogMessageA(GetSafeHwnd(), &msg) != FALSE;
}

bool CDialog::OnInitDialog() {
    UpdateData(false);
    return true;
}

void CDialog::DoDataExchange(CDataExchange&) {}

void CDialog::OnOK() {
    UpdateData(true);
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::OnHelpInfo(WPARAM, LPARAM) {
    // A message box hands F1 on to its owner, which it has disabled (under
    // Wine, twice). Help asked for inside a box is not this dialog's to give:
    // answered, every press would put one more box on top of it.
    if (IsWindowEnabled(GetSafeHwnd())) {
        Send(WM_COMMAND, ID_HELP);
    }
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProcedure(HWND hwnd, UINT message, WPARAM, LPARAM lParam) {
    // The dialog takes over its window here; from then on every message goes
    // through the window bridge first, and this procedure answering FALSE
    // leaves the rest to the dialog manager.
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    CDialog& dialog = *reinterpret_cast<CDialog*>(lParam);
    try {
        if (!dialog.SubclassWindow(hwnd)) {
            return FALSE;
        }
        dialog.CenterOverOwner();
        return dialog.OnInitDialog() ? TRUE : FALSE;
    } catch (...) {
        // A half-initialised dialog must not be left for the user to work
        // with: its controls may not even be bound.
        ReportCurrentException();
        dialog.EndDialog(IDABORT);
        return FALSE;
    }
}

void CDialog::CenterOverOwner() {
    // The templates leave the place to us; a dialog opens over the middle of
    // the window it belongs to, or of the screen, where the user is looking.
    RECT area{};
    HWND owner = GetWindow(GetSafeHwnd(), GW_OWNER);
    if (owner == nullptr || !IsWindowVisible(owner) || IsIconic(owner)) {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    } else {
        GetWindowRect(owner, &area);
    }
    RECT window{};
    GetWindowRect(GetSafeHwnd(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(GetSafeHwnd(), nullptr, std::max(x, 0), std::max(y, 0), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND CDialog::ModalOwner() const {
    CWnd* owner = parent_;
    if (owner == nullptr && CWinApp::Current() != nullptr) {
        owner = CWinApp::Current()->MainWindow();
    }
    if (owner == nullptr || owner == this || owner->GetSafeHwnd() == nullptr) {
        return nullptr;
    }
    return GetAncestor(owner->GetSafeHwnd(), GA_ROOT);
}

void CDialog::DestroyWithoutHandlers() {
    // Only reached when the derived object is already gone, so its handlers
    // must not see the window's last messages.
    HWND hwnd = GetSafeHwnd();
    if (hwnd != nullptr) {
        UnsubclassWindow();
        ::DestroyWindow(hwnd);
    }
}
