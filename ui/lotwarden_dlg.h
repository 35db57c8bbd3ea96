#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/handles.h"

// The main dialog: neighbourhood chooser, family table, days box and the
// program's buttons.
class CLotwardenDlg : public CDialog {
public:
    CLotwardenDlg();
    ~CLotwardenDlg() override;

protected:
    const MessageTable& GetMessageTable() const override;
    void DoDataExchange(CDataExchange& dx) override;
    bool OnInitDialog() override;

    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    void InstallAboutMenuItem();
    void FillNeighbourhoodChooser();
    void SelectCurrentNeighbourhood();

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    void OnExit();
    // Help: the help file beside the program (help_command.cpp).
    void ShowHelp();
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);

    std::int32_t currentNeighbourhood_ = 0;
    CEdit daysBox_;
    CComboBox neighbourhoodChooser_;
    CListCtrl familyTable_;
    std::string daysText_;
    IconHandle icon_;
};
