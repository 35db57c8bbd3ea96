// The program's promise to its users, kept as a standing test: whatever a
// user does with it, the only bytes it ever changes in a game folder are
// bytes 208 and 209 of the house files it was told to update, and they hold
// the value typed. Every file of a generated game folder is fingerprinted
// before and after a session of real use of the real program: switches,
// bad values, missing and read-only files, and successful updates.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/support/file_tree.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/write_protection.h"
#include "tools/gamegen/gamegen.h"

namespace {

using e2e::BadInput;
using e2e::FileNotFound;
using e2e::ShownMessage;
using test_support::ListRow;
using Messages = std::vector<ShownMessage>;
using Rows = std::vector<ListRow>;

// The file as an update leaves it: the days at 208 and 209, low byte
// first; a file too short for them grows to 210 bytes.
std::string WithDays(std::string bytes, int days) {
    if (bytes.size() < gamegen::kDaysOffset + 2) {
        bytes.resize(gamegen::kDaysOffset + 2, '\0');
    }
    bytes[gamegen::kDaysOffset] = static_cast<char>(days & 0xFF);
    bytes[gamegen::kDaysOffset + 1] = static_cast<char>(days >> 8);
    return bytes;
}

class TwoByteGuaranteeTest : public testing::Test {
protected:
    void SetUp() override {
        gamegen::WriteGameFolder(
            game_.path(), {{"UserData", {{"Newbie", 1, 12}, {"Goth", 5, 200}, {"Pleasant", 7, 40}}},
                           {"UserData2", {{"Lonely", 3, 30}, {"Roomies", 2, 9}}},
                           {"UserData3", {{"Landgraab", 4, 60}}},
                           {"UserData4", {{"Tiny", 6, 77}}}});
        // A house file lost, a neighbourhood file lost, a house file cut
        // short just after its days' low byte, and a file of another kind.
        std::filesystem::remove(Path("UserData2\\Houses\\house03.iff"));
        std::filesystem::remove(Path("UserData3\\neighborhood.iff"));
        gamegen::WriteFileBytes(Path("UserData4\\Houses\\house06.iff"),
                                gamegen::HouseFileBytes(77, 9).substr(0, gamegen::kDaysOffset + 1));
        std::filesystem::create_directory(game_.path() / "Downloads");
        gamegen::WriteFileBytes(Path("Downloads\\sofa.iff"), gamegen::HouseFileBytes(1234, 3));
        key_.SetText("SIMS_DATA", game_.path().string());
        key_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");
    }

    std::string Path(const std::string& name) const { return game_.File(name); }

    // Records the update the test expects to land: the file as it is now,
    // with the days typed.
    void ExpectUpdate(const std::string& name, int days) {
        updates_[name] = test_support::FingerprintOf(
            WithDays(test_support::ReadBytes(Path(name)).value(), days));
    }

    // Selects the family, types the text and presses Update Days.
    Messages Update(e2e::LotwardenSession& program, const std::string& family,
                    const std::string& typed) {
        EXPECT_TRUE(program.SelectFamily(family)) << family;
        EXPECT_TRUE(program.Type(typed)) << typed;
        EXPECT_TRUE(program.UpdateDays()) << "Update Days unfinished by the deadline";
        return program.TakeMessages();
    }

    Messages Choose(e2e::LotwardenSession& program, const std::string& label) {
        EXPECT_TRUE(program.Choose(label)) << "switch to " << label << " unfinished";
        return program.TakeMessages();
    }

    test_support::TempFolder game_;
    test_support::GameKey key_;
    std::map<std::string, test_support::Fingerprint> updates_;
};

TEST_F(TwoByteGuaranteeTest, OnlyTheDaysOfUpdatedHousesChangeAndHoldTheValuesTyped) {
    const std::string goth = "UserData\\Houses\\house05.iff";
    const std::string pleasant = "UserData\\Houses\\house07.iff";
    const std::string lonely = "UserData2\\Houses\\house03.iff";
    const std::string roomies = "UserData2\\Houses\\house02.iff";
    const std::string tiny = "UserData4\\Houses\\house06.iff";
    test_support::TreeSnapshot expected = test_support::SnapshotTree(game_.path());
    ExpectUpdate(goth, 77);
    ExpectUpdate(roomies, 15);
    ExpectUpdate(tiny, 200);
    {
        e2e::LotwardenSession program;
        ASSERT_TRUE(program.Start());
        EXPECT_EQ(program.TakeMessages(), Messages{});
        EXPECT_EQ(program.Rows(),
                  (Rows{{"Goth", "05", "200"}, {"Newbie", "01", "12"}, {"Pleasant", "07", "40"}}));

        for (const char* bad : {"abc", "0", "256", "-3", "4294967297"}) {
            EXPECT_EQ(Update(program, "Goth", bad), Messages{BadInput()}) << bad;
        }
        EXPECT_EQ(Update(program, "Goth", "77"), Messages{});
        EXPECT_EQ(program.Rows()[0], (ListRow{"Goth", "05", "77"}));
        EXPECT_EQ(test_support::SelectedListRow(program.Control(IDC_FAMILY_TABLE)), 0);
        {
            test_support::WriteProtection readOnly(Path(pleasant));
            ASSERT_TRUE(readOnly.active()) << readOnly.reason();
            EXPECT_EQ(Update(program, "Pleasant", "5"), Messages{FileNotFound(Path(pleasant))});
        }

        // Lonely's house file is missing: the days pass stops there, both
        // after the switch and after Roomies' update, whose write lands all
        // the same. Writing Lonely's must not make the file.
        EXPECT_EQ(Choose(program, "02"), Messages{FileNotFound(Path(lonely))});
        EXPECT_EQ(program.Rows(), (Rows{{"Lonely", "03", ""}, {"Roomies", "02", "9"}}));
        EXPECT_EQ(Update(program, "Lonely", "8"), Messages{FileNotFound(Path(lonely))});
        EXPECT_EQ(Update(program, "Roomies", " +15"), Messages{FileNotFound(Path(lonely))});

        EXPECT_EQ(Choose(program, "03"),
                  Messages{FileNotFound(Path("UserData3\\neighborhood.iff"))});
        EXPECT_EQ(program.Rows(), Rows{});

        // 209 bytes: the low byte is there, the high one reads as zero.
        EXPECT_EQ(Choose(program, "04"), Messages{});
        EXPECT_EQ(program.Rows(), (Rows{{"Tiny", "06", "77"}}));
        EXPECT_EQ(Update(program, "Tiny", "200"), Messages{});
        EXPECT_EQ(program.Rows(), (Rows{{"Tiny", "06", "200"}}));

        EXPECT_EQ(Choose(program, "01"), Messages{});
        EXPECT_EQ(program.Rows()[0], (ListRow{"Goth", "05", "77"}));
        // Enter ends the program with the typed value unwritten.
        ASSERT_TRUE(program.SelectFamily("Newbie"));
        ASSERT_TRUE(program.Type("99"));
        ASSERT_TRUE(program.PressEnter()) << "Enter did not end the program cleanly";
        EXPECT_EQ(program.TakeMessages(), Messages{});
    }
    for (const auto& [name, fingerprint] : updates_) {
        expected[std::filesystem::path(name).generic_u8string()] = fingerprint;
    }
    EXPECT_EQ(test_support::TreeDifferences(expected, test_support::SnapshotTree(game_.path())),
              std::vector<std::string>{});
}

}  // namespace
