#include "about/about_dlg.h"

#include "framework/data_exchange.h"
#include "res/resource.h"

namespace {

// Addresses under a reserved example domain: nothing real is ever contacted.
constexpr char kAuthorMailTarget[] = "mailto:author@example.com";
constexpr char kMakerWebPage[] = "https://fernhollow.example.org/";

constexpr hyperlink::LinkStyle kAboutLinkAdditions =
    hyperlink::kLinkHoverColour | hyperlink::kLinkNoArmedColour;

void SetAboutLinkColours() {
    CHyperLink::SetLinkColours(RGB(0, 0, 255), RGB(64, 128, 128), RGB(0, 0, 255), RGB(255, 0, 0));
}

// The banner has no id of its own; it is the box's one picture.
HWND FindBanner(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace

// Only top-level windows hear of a change of system colours or settings
// (high contrast among them); the links draw by them.
const MessageEntry CAboutDlg::messageEntries[] = {
    on::Message(WM_SYSCOLORCHANGE, &CAboutDlg::OnSysColorChange),
    on::Message(WM_SETTINGCHANGE, &CAboutDlg::OnSettingChange),
};
const MessageTable CAboutDlg::messageTable{&CDialog::messageTable, messageEntries};

const MessageTable& CAboutDlg::GetMessageTable() const {
    return messageTable;
}

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

// Members go in reverse order: the mail link first, then the web link,
// then the banner.
CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_WEB_LINK, webLink_);
    dx.Control(IDC_MAIL_LINK, mailLink_);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    banner_.SubclassWindow(FindBanner(GetSafeHwnd()));
    mailLink_.SetLinkTarget(kAuthorMailTarget);
    mailLink_.ChangeLinkStyle(0, kAboutLinkAdditions, true);
    SetAboutLinkColours();
    webLink_.SetLinkTarget(kMakerWebPage);
    webLink_.ChangeLinkStyle(0, kAboutLinkAdditions, true);
    // The colours are shared by all links; the second call stores the same.
    SetAboutLinkColours();
    return true;
}

LRESULT CAboutDlg::OnSysColorChange(WPARAM wParam, LPARAM lParam) {
    TellLinks(WM_SYSCOLORCHANGE, wParam, lParam);
    return Default();
}

LRESULT CAboutDlg::OnSettingChange(WPARAM wParam, LPARAM lParam) {
    TellLinks(WM_SETTINGCHANGE, wParam, lParam);
    return Default();
}

void CAboutDlg::TellLinks(UINT message, WPARAM wParam, LPARAM lParam) {
    mailLink_.Send(message, wParam, lParam);
    webLink_.Send(message, wParam, lParam);
}
