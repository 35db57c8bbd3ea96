#include "ui/lotwarden_dlg.h"

#include "about/about_dlg.h"
#include "framework/command_ui.h"
#include "framework/data_exchange.h"
#include "framework/paint_dc.h"
#include "framework/resources.h"
#include "framework/wait_cursor.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/neighbourhood_finder.h"
#include "gamedata/number_text.h"
#include "res/resource.h"

const MessageEntry CLotwardenDlg::messageEntries[] = {
    on::Message(WM_SYSCOMMAND, &CLotwardenDlg::OnSysCommand),
    on::Message(WM_PAINT, &CLotwardenDlg::OnPaint),
    on::Message(WM_QUERYDRAGICON, &CLotwardenDlg::OnQueryDragIcon),
    on::Command(IDC_EXIT, BN_CLICKED, &CLotwardenDlg::OnExit),
    on::Command(IDC_ABOUT, BN_CLICKED, &CLotwardenDlg::OnAbout),
    on::Command(IDC_HELP_BUTTON, BN_CLICKED, &CLotwardenDlg::ShowHelp),
    on::Message(WM_DESTROY, &CLotwardenDlg::OnDestroy),
    on::Command(IDC_DAYS, EN_CHANGE, &CLotwardenDlg::OnDaysChanged),
    on::Command(IDC_NEIGHBOURHOOD, CBN_SELCHANGE, &CLotwardenDlg::OnNeighbourhoodChosen),
    on::Command(IDC_UPDATE_DAYS, BN_CLICKED, &CLotwardenDlg::ApplyDays),
    on::Notify(IDC_FAMILY_TABLE, LVN_ITEMCHANGED, &CLotwardenDlg::OnFamilyChanged),
    on::Message(WM_KICKIDLE, &CLotwardenDlg::OnKickIdle),
    on::CommandUpdate(IDC_UPDATE_DAYS, &CLotwardenDlg::OnUpdateUpdateDays),
    on::CommandUpdate(IDC_DAYS, &CLotwardenDlg::OnUpdateDaysBox),
};
const MessageTable CLotwardenDlg::messageTable{&CDialog::messageTable, messageEntries};

const MessageTable& CLotwardenDlg::GetMessageTable() const {
    return messageTable;
}

CLotwardenDlg::CLotwardenDlg()
    : CDialog(IDD_LOTWARDEN),
      icon_(static_cast<HICON>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(IDR_MAINFRAME),
                                          IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR))) {
    ReadStartingHousesAhead();
}

CLotwardenDlg::~CLotwardenDlg() = default;

void CLotwardenDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_DAYS, daysBox_);
    dx.Control(IDC_NEIGHBOURHOOD, neighbourhoodChooser_);
    dx.Control(IDC_FAMILY_TABLE, familyTable_);
    dx.Text(IDC_DAYS, daysText_);
}

bool CLotwardenDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    InstallAboutMenuItem();
    SetIcon(icon_.Get(), true);
    SetIcon(icon_.Get(), false);

    CWaitCursor wait;
    // Made before the first load, which gives it its text.
    if (chooserTip_.Create(*this)) {
        chooserTip_.AddWindowTool(neighbourhoodChooser_, std::string());
    }
    CreateColumns();
    familyTable_.DeleteAllItems();
    neighbourhoodChooser_.ResetContent();
    FillNeighbourhoodChooser();
    SelectCurrentNeighbourhood();
    LoadNeighbourhood(currentNeighbourhood_);
    UpdateData(false);
    return true;
}

void CLotwardenDlg::InstallAboutMenuItem() {
    HMENU menu = GetSystemMenu(GetSafeHwnd(), FALSE);
    const std::string text = LoadResourceString(IDS_ABOUTBOX);
    if (menu == nullptr || text.empty()) {
        return;
    }
    // The second position counts after the first deletion: on the standard
    // menu this takes out Size, then Maximize, which a fixed-size dialog
    // without a maximise box cannot use.
    DeleteMenu(menu, 2, MF_BYPOSITION);
    DeleteMenu(menu, 3, MF_BYPOSITION);
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

void CLotwardenDlg::FillNeighbourhoodChooser() {
    // The chooser is a sorted combo box: it orders the labels itself.
    for (const std::string& label : gamedata::ListNeighbourhoods(gamedata::ReadDataFolder())) {
        neighbourhoodChooser_.AddString(label);
    }
}

std::int32_t CLotwardenDlg::StartingNeighbourhood() {
    const std::int32_t current = gamedata::ReadCurrentNeighbourhood();
    return current <= 0 ? 1 : current;
}

void CLotwardenDlg::SelectCurrentNeighbourhood() {
    currentNeighbourhood_ = StartingNeighbourhood();
    // The chooser was just emptied, so a label that is not there leaves it
    // without a selection.
    neighbourhoodChooser_.SelectString(gamedata::FormatNeighbourhoodLabel(currentNeighbourhood_));
}

LRESULT CLotwardenDlg::OnSysCommand(WPARAM wParam, LPARAM) {
    // The low four bits of a system command are the system's own.
    if ((wParam & 0xFFF0) != IDM_ABOUTBOX) {
        return Default();
    }
    OnAbout();
    return 0;
}

LRESULT CLotwardenDlg::OnPaint(WPARAM, LPARAM) {
    if (!IsIconic(GetSafeHwnd())) {
        return Default();
    }
    CPaintDC dc(GetSafeHwnd());
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    RECT client{};
    GetClientRect(GetSafeHwnd(), &client);
    const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc.Get(), x, y, icon_.Get());
    return 0;
}

LRESULT CLotwardenDlg::OnQueryDragIcon(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(icon_.Get());
}

LRESULT CLotwardenDlg::OnDestroy(WPARAM, LPARAM) {
    CloseHelp();
    FreeSortEntries();
    return Default();
}

void CLotwardenDlg::OnExit() {
    // The dialog manager turns the close request into Cancel.
    Post(WM_CLOSE);
}

void CLotwardenDlg::OnAbout() {
    // A fresh box each time: the links start unvisited.
    CAboutDlg about;
    about.DoModal();
}

LRESULT CLotwardenDlg::OnKickIdle(WPARAM, LPARAM) {
    UpdateDialogControls(*this, *this);
    return 0;
}
