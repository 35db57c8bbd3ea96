#include "finder/case_blind_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace finder {
namespace {

// A data folder whose names a Windows program would all reach in one
// spelling; Houses holds three spellings of one file.
class CaseBlindPathTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(root_.path() / "UserData" / "Houses");
        std::filesystem::create_directories(root_.path() / "userdata2");
        for (const char* name : {"house03.iff", "HOUSE03.IFF", "House03.iff", "House04.IFF"}) {
            gamegen::WriteFileBytes(root_.path() / "UserData" / "Houses" / name, name);
        }
    }

    std::string Root() const { return root_.path().string(); }

    test_support::TempFolder root_;
};

TEST_F(CaseBlindPathTest, MatchesEachPartWithoutRegardToCase) {
    const struct {
        const char* relative;
        std::optional<std::string> expected;  // below the root
    } rows[] = {
        {"UserData/Houses/House03.iff", "UserData/Houses/House03.iff"},  // exact wins
        {"userdata/houses/house03.iff", "UserData/Houses/house03.iff"},
        {"USERDATA\\HOUSES\\HoUsE03.IFF", "UserData/Houses/HOUSE03.IFF"},  // first by bytes
        {"userdata/houses/house04.iff", "UserData/Houses/House04.IFF"},
        {"\\UserData2\\", "userdata2"},
        {"userdata//houses", "UserData/Houses"},
        {"UserData/Houses/House05.iff", std::nullopt},
        {"UserDat/Houses", std::nullopt},
        {"UserData/Houses/House03.iff/x", std::nullopt},
    };
    for (const auto& row : rows) {
        const std::optional<std::string> expected =
            row.expected ? std::optional<std::string>(Root() + "/" + *row.expected) : std::nullopt;
        EXPECT_EQ(FindCaseBlind(Root(), row.relative), expected) << row.relative;
    }
    EXPECT_EQ(FindCaseBlind(Root(), ""), Root());
    EXPECT_EQ(FindCaseBlind(Root() + "/missing", "x"), std::nullopt);
}

TEST_F(CaseBlindPathTest, AppendsThePartsWithoutAMatchAsWritten) {
    EXPECT_EQ(MatchCaseBlindWherePossible(Root(), "userdata\\houses\\House09.iff\\x"),
              Root() + "/UserData/Houses/House09.iff/x");
    EXPECT_EQ(MatchCaseBlindWherePossible(Root(), "userdata2"), Root() + "/userdata2");
    EXPECT_EQ(MatchCaseBlindWherePossible(Root(), "\\No Such Folder\\"),
              Root() + "/No Such Folder");
}

}  // namespace
}  // namespace finder
