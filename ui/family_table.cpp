// The family table: its columns, and the three passes that fill it from the
// neighbourhood file and the house files.
#include <cstring>
#include <optional>

#include "framework/redraw_pause.h"
#include "framework/wait_cursor.h"
#include "gamedata/family_scanner.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/house_days.h"
#include "gamedata/number_text.h"
#include "ui/lotwarden_dlg.h"

namespace {

// Byte by byte as unsigned values, as strcmp does: upper case sorts before
// lower case, and names with bytes from 0x80 after all plain ASCII ones.
int CALLBACK CompareNames(LPARAM first, LPARAM second, LPARAM) {
    return std::strcmp(reinterpret_cast<const SortEntry*>(first)->name.c_str(),
                       reinterpret_cast<const SortEntry*>(second)->name.c_str());
}

}  // namespace

void CLotwardenDlg::CreateColumns() {
    RECT client{};
    GetClientRect(familyTable_.GetSafeHwnd(), &client);
    // Sized as if the vertical scroll bar were there, so that a long
    // neighbourhood never needs a horizontal one.
    const FamilyColumnWidths widths =
        SplitColumnWidths(client.right - client.left - GetSystemMetrics(SM_CXVSCROLL));
    familyTable_.InsertColumn(kNameColumn, "Family Name", LVCFMT_LEFT, widths.name);
    familyTable_.InsertColumn(kLotColumn, "Lot #", LVCFMT_CENTER, widths.lot);
    familyTable_.InsertColumn(kDaysColumn, "Days in House", LVCFMT_CENTER, widths.days);
    familyTable_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
}

void CLotwardenDlg::LoadNeighbourhood(std::int32_t neighbourhood) {
    LoadFamilies(neighbourhood);
    LoadDays(neighbourhood);
    SortByName();
}

void CLotwardenDlg::LoadFamilies(std::int32_t neighbourhood) {
    const std::string path = gamedata::NeighbourhoodFile(neighbourhood);
    const auto families = gamedata::ScanFamilies(path);
    {
        const CRedrawPause pause(familyTable_);
        // Emptied even when the file is missing: rows kept from the previous
        // neighbourhood would name lots of this one, and an update would
        // then write into the house file of another family.
        familyTable_.DeleteAllItems();
        if (families) {
            for (const gamedata::FamilyRecord& family : *families) {
                const int row = familyTable_.InsertItem(0, family.name);
                familyTable_.SetItemText(row, kLotColumn, gamedata::FormatLotLabel(family.lot));
            }
        }
    }
    if (!families) {
        ReportFileNotFound(path);
    }
}

void CLotwardenDlg::LoadDays(std::int32_t neighbourhood) {
    CWaitCursor wait;
    const std::string housesFolder = gamedata::HousesFolder(neighbourhood);
    std::optional<std::string> notFound;
    {
        const CRedrawPause pause(familyTable_);
        for (int row = 0; row < familyTable_.GetItemCount() && !notFound; ++row) {
            const std::string path =
                gamedata::HouseFile(housesFolder, familyTable_.GetItemText(row, kLotColumn));
            if (const auto days = gamedata::ReadDays(path)) {
                familyTable_.SetItemText(row, kDaysColumn, gamedata::FormatDecimal(*days));
            } else {
                notFound = path;
            }
        }
    }
    // Once the table draws again, so that it shows behind the message.
    if (notFound) {
        ReportFileNotFound(*notFound);
    }
}

void CLotwardenDlg::SortByName() {
    const CRedrawPause pause(familyTable_);
    FreeSortEntries();
    const auto count = static_cast<std::size_t>(familyTable_.GetItemCount());
    sortEntries_.resize(count);
    for (std::size_t row = 0; row < count; ++row) {
        sortEntries_[row].name = familyTable_.GetItemText(static_cast<int>(row), kNameColumn);
        familyTable_.SetItemData(static_cast<int>(row),
                                 reinterpret_cast<LPARAM>(&sortEntries_[row]));
    }
    familyTable_.SortItems(&CompareNames, 0);
}

void CLotwardenDlg::FreeSortEntries() {
    // Assigning a new vector, unlike clear(), gives the memory back.
    sortEntries_ = std::vector<SortEntry>();
}

void CLotwardenDlg::ReportFileNotFound(const std::string& path) const {
    ShowMessage("The following file was not found:\n" + path + "\n\nProcessing will be stopped.",
                "File Not Found", MB_OK | MB_ICONSTOP);
}
