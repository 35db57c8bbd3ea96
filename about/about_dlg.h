#pragma once

#include "about/banner.h"
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

    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnSysColorChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    void TellLinks(UINT message, WPARAM wParam, LPARAM lParam);

    CBanner banner_;
    CHyperLink webLink_;
    CHyperLink mailLink_;
};
