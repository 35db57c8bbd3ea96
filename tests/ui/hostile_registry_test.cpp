// Hostile values in the game's registry key, met by the real main dialog
// at start-up: each ends in the table of the neighbourhood the rules pick,
// or in the message naming the file the rules then look for, and nothing in
// the game folder is written. (A key missing altogether is started end to
// end, in the re-release test.)
#include <windows.h>

#include "tests/support/file_tree.h"
#include "tests/ui/main_dialog_fixture.h"

namespace {

using test_support::ListRow;

struct Shown {
    std::vector<std::string> messages;
    std::string selection;
    std::vector<ListRow> rows;
};

struct HostileValues {
    const char* name;
    // Sets the key's values, given the game folder, and says what the
    // dialog must then show.
    Shown (*arrange)(test_support::GameKey& key, const std::string& folder);
};

const Shown kFirstNeighbourhood{{}, "01", {{"Newbie", "01", "12"}}};
const Shown kThirdNeighbourhood{{}, "03", {{"Goth", "05", "200"}}};

Shown DataFolderInBinaryWithoutZero(test_support::GameKey& key, const std::string& folder) {
    key.SetBytes("SIMS_DATA", folder);
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "3");
    return kThirdNeighbourhood;
}

// 1,022 characters and the zero: the whole path, in the message too.
Shown DataFolderOf1023Bytes(test_support::GameKey& key, const std::string&) {
    const std::string folder = "C:\\" + std::string(1019, 'a');
    key.SetText("SIMS_DATA", folder);
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "3");
    return {{NotFoundText(folder + "\\UserData3\\neighborhood.iff")}, "", {}};
}

// Exactly fills the buffer and has no zero: still read whole.
Shown DataFolderOf1024BytesWithoutZero(test_support::GameKey& key, const std::string&) {
    const std::string folder = "C:\\" + std::string(1021, 'b');
    key.SetBytes("SIMS_DATA", folder);
    return {{NotFoundText(folder + "\\UserData\\neighborhood.iff")}, "", {}};
}

// Too long for the buffer: unreadable, so no data folder at all; the
// neighbourhood number is read however long its value.
Shown ValuesOf4096Bytes(test_support::GameKey& key, const std::string&) {
    key.SetText("SIMS_DATA", "C:\\" + std::string(4092, 'c'));
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", std::string(4094, ' ') + "3");
    return {{NotFoundText("\\UserData3\\neighborhood.iff")}, "", {}};
}

Shown EmptyValues(test_support::GameKey& key, const std::string&) {
    key.SetText("SIMS_DATA", "");
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "");
    return {{NotFoundText("\\UserData\\neighborhood.iff")}, "", {}};
}

// The raw bytes 03 00 00 00 begin with no digit: number 0, so the first.
Shown NeighbourhoodAsDword(test_support::GameKey& key, const std::string&) {
    const DWORD three = 3;
    key.SetTyped("SIMS_CURRENT_NEIGHBORHOOD_NUM", REG_DWORD,
                 std::string(reinterpret_cast<const char*>(&three), sizeof three));
    return kFirstNeighbourhood;
}

Shown NeighbourhoodWithBlanksAndSign(test_support::GameKey& key, const std::string&) {
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", " \t+3 rooms");
    return kThirdNeighbourhood;
}

class HostileRegistryTest : public MainDialogTest,
                            public testing::WithParamInterface<HostileValues> {};

TEST_P(HostileRegistryTest, StartsOnWhatTheRulesMakeOfTheValuesAndWritesNothing) {
    UseGame({{"UserData", {{"Newbie", 1, 12}}}, {"UserData3", {{"Goth", 5, 200}}}}, 1);
    const Shown expected = GetParam().arrange(gameKey_, folder_.path().string());
    const test_support::TreeSnapshot before = test_support::SnapshotTree(folder_.path());
    Shown shown;
    Run({[&](HWND dialog) {
        shown.selection = test_support::ComboSelection(GetDlgItem(dialog, IDC_NEIGHBOURHOOD));
        shown.rows = Rows(dialog);
        Close(dialog);
    }});
    for (const MessageBoxRequest& message : messages_.shown) {
        shown.messages.push_back(message.text);
    }
    EXPECT_EQ(shown.messages, expected.messages);
    EXPECT_EQ(shown.selection, expected.selection);
    EXPECT_EQ(shown.rows, expected.rows);
    EXPECT_EQ(test_support::TreeDifferences(before, test_support::SnapshotTree(folder_.path())),
              std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostileRegistryTest,
    testing::Values(
        HostileValues{"DataFolderInBinaryWithoutZero", DataFolderInBinaryWithoutZero},
        HostileValues{"DataFolderOf1023Bytes", DataFolderOf1023Bytes},
        HostileValues{"DataFolderOf1024BytesWithoutZero", DataFolderOf1024BytesWithoutZero},
        HostileValues{"ValuesOf4096Bytes", ValuesOf4096Bytes},
        HostileValues{"EmptyValues", EmptyValues},
        HostileValues{"NeighbourhoodAsDword", NeighbourhoodAsDword},
        HostileValues{"NeighbourhoodWithBlanksAndSign", NeighbourhoodWithBlanksAndSign}),
    [](const testing::TestParamInfo<HostileValues>& info) { return info.param.name; });

}  // namespace
