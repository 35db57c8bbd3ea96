// Days editing: the days box follows the selected family, Update Days writes
// the typed value into that family's house file, and the chooser switches
// neighbourhoods.
#include "framework/command_ui.h"
#include "framework/wait_cursor.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/game_process.h"
#include "gamedata/house_days.h"
#include "gamedata/number_text.h"
#include "ui/lotwarden_dlg.h"

void CLotwardenDlg::OnDaysChanged() {
    UpdateData(true);
}

LRESULT CLotwardenDlg::OnFamilyChanged(NMHDR&) {
    // Every change the table reports refills the box, whatever changed.
    if (familyChangesHeld_) {
        familyChangedWhileHeld_ = true;
    } else {
        FillDaysBoxFromSelection();
    }
    return 0;
}

void CLotwardenDlg::FillDaysBoxFromSelection() {
    const int row = familyTable_.FirstSelectedItem();
    daysText_ = row >= 0 ? familyTable_.GetItemText(row, kDaysColumn) : "";
    UpdateData(false);
}

void CLotwardenDlg::OnUpdateUpdateDays(CCmdUI& ui) {
    // Only what the user typed can be written: a value merely copied from
    // the table leaves the box unmodified.
    ui.Enable(familyTable_.FirstSelectedItem() >= 0 && !daysText_.empty() && daysBox_.GetModify());
}

void CLotwardenDlg::OnUpdateDaysBox(CCmdUI& ui) {
    ui.Enable(familyTable_.GetItemCount() > 0);
}

void CLotwardenDlg::OnNeighbourhoodChosen() {
    // A label the user picked is taken as it reads, 0 included.
    currentNeighbourhood_ = gamedata::TextToNumber(neighbourhoodChooser_.SelectedText());
    CWaitCursor wait;
    LoadNeighbourhood(currentNeighbourhood_);
    if (familyTable_.GetItemCount() == 0) {
        daysText_.clear();
        UpdateData(false);
    }
}

void CLotwardenDlg::ApplyDays() {
    const int row = familyTable_.FirstSelectedItem();
    if (row < 0 || daysText_.empty()) {
        return;
    }
    const std::int32_t days = gamedata::TextToNumber(daysText_);
    if (days < gamedata::kFewestDays || days > gamedata::kMostDays) {
        ShowMessage("Please enter an integer value between 1 and 255.", "Bad Input",
                    MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The game works on its own copy of an open lot and writes it back when
    // the player saves, over whatever was written here meanwhile.
    if (gamedata::GameIsRunning() &&
        ShowMessage("The Sims is running. It may save its own copy of an open lot over this "
                    "change; closing the game first is safer.\n\nWrite the new days anyway?",
                    "Lotwarden", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    const std::string path =
        gamedata::HouseFile(housesFolder_, familyTable_.GetItemText(row, kLotColumn));
    if (gamedata::WriteDays(path, days) == gamedata::WriteResult::NotFound) {
        ReportFileNotFound(path);
        return;
    }
    // The row shows what was written even when the days pass stops at an
    // earlier row's missing house file: the old value under a "File Not
    // Found" message would tell the player the write had failed.
    familyTable_.SetItemText(row, kDaysColumn, gamedata::FormatDecimal(days));
    // Shows what the house files hold now; the selection stays.
    LoadDays();
}
