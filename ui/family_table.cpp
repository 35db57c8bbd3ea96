// The family table: its columns, and the three passes that fill it from the
// neighbourhood file and the house files.
#include <cstring>
#include <optional>
#include <utility>

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

// Raises a flag for as long as it lives.
class RaisedFlag {
public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RaisedFlag() { flag_ = false; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
    bool& flag_;
};

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
    // The registry is read once per load, so both files come from one folder.
    const std::string dataFolder = gamedata::ReadDataFolder();
    housesFolder_ = gamedata::HousesFolder(dataFolder, neighbourhood);
    chooserTip_.UpdateWindowToolText(neighbourhoodChooser_,
                                     gamedata::NeighbourhoodFolder(dataFolder, neighbourhood));
    LoadFamilies(gamedata::NeighbourhoodFile(dataFolder, neighbourhood));
    LoadDays();
    SortByName();
}

void CLotwardenDlg::LoadFamilies(const std::string& path) {
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

void CLotwardenDlg::ReadStartingHousesAhead() {
    // The same files, in the same order, as the start-up load's days pass
    // will ask for, unless the game's values change in between: the pass
    // reads whatever it then finds different itself. Called while the dialog
    // is constructed, outside every guard, and allowed to fail: the pass then
    // reads every file itself.
    startingHousesRead_ = gamedata::DaysReadAhead::StartOrNothing([] {
        const std::int32_t neighbourhood = StartingNeighbourhood();
        const std::string dataFolder = gamedata::ReadDataFolder();
        const auto families =
            gamedata::ScanFamilies(gamedata::NeighbourhoodFile(dataFolder, neighbourhood));
        std::vector<std::string> houseFiles;
        if (!families) {
            return houseFiles;
        }
        const std::string housesFolder = gamedata::HousesFolder(dataFolder, neighbourhood);
        // The families pass puts each family at the top of the table.
        for (auto family = families->rbegin(); family != families->rend(); ++family) {
            houseFiles.push_back(
                gamedata::HouseFile(housesFolder, gamedata::FormatLotLabel(family->lot)));
        }
        return houseFiles;
    });
}

std::vector<std::string> CLotwardenDlg::RowHouseFiles() {
    std::vector<std::string> houseFiles;
    for (int row = 0; row < familyTable_.GetItemCount(); ++row) {
        houseFiles.push_back(
            gamedata::HouseFile(housesFolder_, familyTable_.GetItemText(row, kLotColumn)));
    }
    return houseFiles;
}

void CLotwardenDlg::LoadDays() {
    CWaitCursor wait;
    std::unique_ptr<gamedata::DaysReadAhead> reads = std::move(startingHousesRead_);
    if (!reads) {
        reads = gamedata::DaysReadAhead::StartOrNothing([this] { return RowHouseFiles(); });
    }
    std::optional<std::string> notFound;
    {
        const CRedrawPause pause(familyTable_);
        // Each row's file is still taken from its Lot # text as the pass
        // gets to it; what was read ahead only saves the wait.
        for (int row = 0; row < familyTable_.GetItemCount() && !notFound; ++row) {
            const std::string path =
                gamedata::HouseFile(housesFolder_, familyTable_.GetItemText(row, kLotColumn));
            if (const auto days = reads ? reads->DaysIn(path) : gamedata::ReadDays(path)) {
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
    {
        const CRedrawPause pause(familyTable_);
        // Attaching an entry reports a change of its row, and each report
        // refills the days box with a whole data exchange: a thousand times
        // over on a large neighbourhood. They are noted here and handled
        // once below, which leaves the days box as they would have.
        const RaisedFlag held(familyChangesHeld_);
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
    if (std::exchange(familyChangedWhileHeld_, false)) {
        FillDaysBoxFromSelection();
    }
}

void CLotwardenDlg::FreeSortEntries() {
    // Assigning a new vector, unlike clear(), gives the memory back.
    sortEntries_ = std::vector<SortEntry>();
}

void CLotwardenDlg::ReportFileNotFound(const std::string& path) const {
    ShowMessage("The following file was not found:\n" + path + "\n\nProcessing will be stopped.",
                "File Not Found", MB_OK | MB_ICONSTOP);
}
