#include "finder/case_blind_path.h"

#include <gtest/gtest.h>

#include <cerrno>
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

// Root passes over modes, so a loop of links stands for a folder that cannot
// be looked in; a file or nothing on the way is plainly no match.
TEST_F(CaseBlindPathTest, TellsAFolderThatCannotBeLookedInFromAMissingOne) {
    std::filesystem::create_symlink("loop", root_.path() / "loop");
    using Outcome = CaseBlindMatch::Outcome;
    const struct {
        const char* relative;
        Outcome outcome;
        std::string path;  // below the root
        int error;
    } rows[] = {
        {"userdata/HOUSES", Outcome::Found, "UserData/Houses", 0},
        {"UserData/Houses/House03.iff/x", Outcome::Missing, "", 0},
        {"UserDat/Houses", Outcome::Missing, "", 0},
        {"loop/Houses", Outcome::CannotLook, "loop", ELOOP},
        {"LOOP/houses/x", Outcome::CannotLook, "loop", ELOOP},
    };
    for (const auto& row : rows) {
        const CaseBlindMatch match = LookUpCaseBlind(Root(), row.relative);
        EXPECT_EQ(match.outcome, row.outcome) << row.relative;
        EXPECT_EQ(match.path, row.path.empty() ? "" : Root() + "/" + row.path) << row.relative;
        EXPECT_EQ(match.error, row.error) << row.relative;
    }
    EXPECT_EQ(FindCaseBlind(Root(), "loop/Houses"), std::nullopt);
    EXPECT_EQ(MatchCaseBlindWherePossible(Root(), "Loop/Houses"), Root() + "/loop/Houses");
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
