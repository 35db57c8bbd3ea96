#pragma once

#include "about/hyperlink.h"
#include "framework/dialog.h"

// The About box: banner, version, a mail link to the author, a web link to
// the maker's page and a short notice. Owned by the main window.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    ~CAboutDlg() override;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

private:
    CHyperLink webLink_;
    CHyperLink mailLink_;
};
