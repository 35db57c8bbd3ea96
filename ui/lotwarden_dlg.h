#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/tooltip.h"
#include "gamedata/days_read_ahead.h"
#include "ui/family_list_ctrl.h"

// One row's sort record: the list view sorts by item data, and each row's
// item data points at its own entry.
struct SortEntry {
    std::string name;
};

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
    static std::int32_t StartingNeighbourhood();

    LRESULT OnSysCommand(WPARAM wParam, LPARAM lParam);
    // The family table (family_table.cpp).
    void CreateColumns();
    void LoadNeighbourhood(std::int32_t neighbourhood);
    void LoadFamilies(const std::string& neighbourhoodFile);
    void ReadStartingHousesAhead();
    void LoadDays();
    std::vector<std::string> RowHouseFiles();
    void SortByName();
    void FreeSortEntries();
    void ReportFileNotFound(const std::string& path) const;

    // Days editing (days_editing.cpp).
    void OnDaysChanged();
    LRESULT OnFamilyChanged(NMHDR& header);
    void FillDaysBoxFromSelection();
    void OnUpdateUpdateDays(CCmdUI& ui);
    void OnUpdateDaysBox(CCmdUI& ui);
    void OnNeighbourhoodChosen();
    void ApplyDays();

    LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    LRESULT OnDestroy(WPARAM wParam, LPARAM lParam);
    void OnExit();
    void OnAbout();
    // Help: the help file beside the program (help_command.cpp).
    void ShowHelp();
    // Closes the help windows with the dialog, while the program, and on
    // Windows the viewer's own thread, still run.
    void CloseHelp();
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);

    std::int32_t currentNeighbourhood_ = 0;
    // The Houses folder the rows were loaded from: the days pass and Update
    // Days stay in it until the next load, wherever the registry points by
    // then, so that a row never names another family's house file.
    std::string housesFolder_;
    // The house files of the start-up load, read while the window is made;
    // the first days pass takes it.
    std::unique_ptr<gamedata::DaysReadAhead> startingHousesRead_;
    // While set, the table's change reports are only noted (SortByName).
    bool familyChangesHeld_ = false;
    bool familyChangedWhileHeld_ = false;
    // Owned here, pointed at by the rows; replaced by every sort.
    std::vector<SortEntry> sortEntries_;
    CEdit daysBox_;
    CComboBox neighbourhoodChooser_;
    CFamilyListCtrl familyTable_;
    // Shows the full path of the neighbourhood folder the table shows.
    CToolTipCtrl chooserTip_;
    std::string daysText_;
    IconHandle icon_;
};
