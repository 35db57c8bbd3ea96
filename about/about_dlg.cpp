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

}  // namespace

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

// Members go in reverse order: the mail link first, then the web link.
CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::DoDataExchange(CDataExchange& dx) {
    CDialog::DoDataExchange(dx);
    dx.Control(IDC_WEB_LINK, webLink_);
    dx.Control(IDC_MAIL_LINK, mailLink_);
}

bool CAboutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    mailLink_.SetLinkTarget(kAuthorMailTarget);
    mailLink_.ChangeLinkStyle(0, kAboutLinkAdditions, true);
    SetAboutLinkColours();
    webLink_.SetLinkTarget(kMakerWebPage);
    webLink_.ChangeLinkStyle(0, kAboutLinkAdditions, true);
    // The colours are shared by all links; the second call stores the same.
    SetAboutLinkColours();
    return true;
}
