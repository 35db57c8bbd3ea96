#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "finder/game_search.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace finder {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Every "$P" in text becomes the prefix's path: as written in the rows'
// expectations, with registry-escaped backslashes in a SIMS_DATA value.
std::string WithPrefix(std::string text, const std::string& prefix, bool asRegistryText) {
    std::string replacement = prefix;
    if (asRegistryText) {
        replacement.clear();
        for (const char c : prefix) {
            replacement += c == '/' ? "\\\\" : std::string(1, c);
        }
    }
    for (std::size_t at = text.find("$P"); at != std::string::npos; at = text.find("$P", at)) {
        text.replace(at, 2, replacement);
        at += replacement.size();
    }
    return text;
}

struct PrefixRow {
    const char* what;
    gamegen::PrefixPlan plan;
    std::vector<std::string> folders;  // made below the prefix
    std::optional<std::string> dataFolder;
    std::optional<std::string> currentNeighbourhood = std::nullopt;
    std::string systemReg = {};  // written over the plan's, when given
};

const char kSavedGames[] = "drive_c/users/steamuser/Saved Games/Electronic Arts/The Sims 25";

const PrefixRow kPrefixRows[] = {
    {"64-bit prefix, folder in other case, text neighbourhood",
     {false, R"("C:\\Games\\Sims")", R"("2")"},
     {"drive_c/games/SIMS/UserData"},
     "$P/drive_c/games/SIMS",
     "2\0"s},
    {"32-bit prefix, plain key, dword neighbourhood",
     {true, R"("c:\\Games")", "dword:00000002"},
     {"drive_c/Games"},
     "$P/drive_c/Games",
     "\x02\0\0\0"s},
    {"str(2) value cut at its first zero",
     {false, R"(str(2):"C:\\Games\0junk")", ""},
     {"drive_c/Games"},
     "$P/drive_c/Games"},
    {"missing folder named as written",
     {false, R"("C:\\Games\\Maxis\\The Sims")", ""},
     {"drive_c/games"},
     "$P/drive_c/games/Maxis/The Sims"},
    {"Z: is the whole file system",
     {false, R"("Z:$P\\elsewhere\\Sims")", ""},
     {"Elsewhere/sims"},
     "$P/Elsewhere/sims"},
    {"\"..\" stops at the drive's root, as in Wine",
     {false, R"("C:\\..\\..\\Sims\\.\\Maxis\\..\\Game")", ""},
     {"drive_c/Sims/Game", "Sims/Game"},
     "$P/drive_c/Sims/Game"},
    {"unmapped drive falls back to the re-release",
     {false, R"("D:\\Sims")", ""},
     {kSavedGames},
     "$P/"s + kSavedGames},
    {"no drive letter falls back",
     {false, R"("\\\\server\\Sims")", ""},
     {kSavedGames},
     "$P/"s + kSavedGames},
    {"re-release folder in other case",
     {false, "", ""},
     {"drive_c/Users/steamuser/saved games/electronic arts/the sims 25"},
     "$P/drive_c/Users/steamuser/saved games/electronic arts/the sims 25"},
    {"several users: first by byte order",
     {false, "", ""},
     {"drive_c/users/zoe/Saved Games/Electronic Arts/The Sims 25",
      "drive_c/users/Ann/Saved Games/Electronic Arts/The Sims 25", "drive_c/users/Public"},
     "$P/drive_c/users/Ann/Saved Games/Electronic Arts/The Sims 25"},
    {"SIMS_DATA of 1024 bytes with its zero is read",
     {false, "\"C:\\\\" + std::string(1020, 'a') + "\"", ""},
     {},
     "$P/drive_c/" + std::string(1020, 'a')},
    {"SIMS_DATA over 1024 bytes is unreadable",
     {false, "\"C:\\\\" + std::string(1021, 'a') + "\"", ""},
     {kSavedGames},
     "$P/"s + kSavedGames},
    {"unusable SIMS_DATA and no re-release", {false, R"("D:\\Sims")", R"("1")"}, {}, std::nullopt},
    {"nothing at all", {}, {"drive_c/users/steamuser"}, std::nullopt},
    {"64-bit file holding only the plain key",
     {},
     {"drive_c/Games"},
     std::nullopt,
     std::nullopt,
     "WINE REGISTRY Version 2\n#arch=win64\n[Software\\\\Maxis\\\\The Sims]\n"
     "\"SIMS_DATA\"=\"C:\\\\Games\"\n"},
};

TEST(GameInPrefixTest, FindsTheDataFolderAsTheProgramWouldInThePrefix) {
    for (const PrefixRow& row : kPrefixRows) {
        test_support::TempFolder temp;
        const std::string prefix = (temp.path() / "pfx").string();
        gamegen::PrefixPlan plan = row.plan;
        plan.simsData = WithPrefix(plan.simsData, prefix, true);
        gamegen::WritePrefix(prefix, plan);
        for (const std::string& folder : row.folders) {
            fs::create_directories(fs::path(prefix) / folder);
        }
        if (!row.systemReg.empty()) {
            gamegen::WriteFileBytes(fs::path(prefix) / "system.reg", row.systemReg);
        }
        const std::optional<PrefixGame> game = GameInPrefix(prefix);
        ASSERT_EQ(game.has_value(), row.dataFolder.has_value()) << row.what;
        if (game) {
            EXPECT_EQ(game->prefix, prefix) << row.what;
            EXPECT_EQ(game->dataFolder, WithPrefix(*row.dataFolder, prefix, false)) << row.what;
            EXPECT_EQ(game->currentNeighbourhoodBytes, row.currentNeighbourhood) << row.what;
        }
    }
}

// Wine resolves c: -> ../drive_c from the folder the link really lies in.
TEST(GameInPrefixTest, ALinkedDosdevicesFolderLeadsWhereWineGoes) {
    test_support::TempFolder temp;
    const fs::path prefix = temp.path() / "pfx";
    gamegen::WritePrefix(prefix, {false, R"("C:\\Sims")", ""});
    fs::create_directories(prefix / "drive_c/Sims");
    fs::create_directories(temp.path() / "moved/drive_c/Sims");
    fs::rename(prefix / "dosdevices", temp.path() / "moved/dosdevices");
    fs::create_directory_symlink("../moved/dosdevices", prefix / "dosdevices");

    const std::optional<PrefixGame> game = GameInPrefix(prefix.string());
    ASSERT_TRUE(game);
    EXPECT_EQ(game->dataFolder, fs::canonical(temp.path() / "moved/drive_c/Sims").string());
}

TEST(GameInPrefixTest, ARegistryFileLargerThan64MiBIsRefusedUnread) {
    test_support::TempFolder temp;
    const fs::path prefix = temp.path() / "pfx";
    gamegen::WritePrefix(prefix, {false, R"("C:\\Sims")", ""});
    fs::resize_file(prefix / "system.reg", 64 * 1024 * 1024 + 1);  // sparse: no disk used
    EXPECT_THROW(GameInPrefix(prefix.string()), UnreadableFile);
}

TEST(GameInPrefixTest, TakesAProtonCompatdataFolderAndRefusesOtherFolders) {
    test_support::TempFolder temp;
    const fs::path compatdata = temp.path() / "compatdata" / "1234";
    gamegen::WritePrefix(compatdata / "pfx", {false, R"("C:\\Sims")", ""});
    const std::optional<PrefixGame> game = GameInPrefix(compatdata.string());
    ASSERT_TRUE(game);
    EXPECT_EQ(game->prefix, (compatdata / "pfx").string());
    EXPECT_EQ(game->dataFolder, (compatdata / "pfx" / "drive_c" / "Sims").string());

    EXPECT_EQ(GameInPrefix((temp.path() / "compatdata").string()), std::nullopt);
    EXPECT_EQ(GameInPrefix((compatdata / "pfx" / "drive_c").string()), std::nullopt);
    EXPECT_EQ(GameInPrefix((temp.path() / "missing").string()), std::nullopt);
}

// A home folder: Wine's default prefix and Steam with its libraries.
class FindGamesTest : public testing::Test {
protected:
    std::string Home(const std::string& relative = "") const {
        return relative.empty() ? home_.path().string() : (home_.path() / relative).string();
    }

    // A prefix holding the game at C:\Sims; without the game when empty.
    void Prefix(const std::string& relative, bool withGame = true) {
        gamegen::WritePrefix(home_.path() / relative, {false, withGame ? R"("C:\\Sims")" : "", ""});
    }

    void LibraryList(const std::string& steam, const std::string& vdf) {
        fs::create_directories(home_.path() / steam / "steamapps");
        gamegen::WriteFileBytes(home_.path() / steam / "steamapps" / "libraryfolders.vdf", vdf);
    }

    static std::vector<std::string> PrefixesOf(const GameSearch& search) {
        std::vector<std::string> prefixes;
        for (const PrefixGame& game : search.games) {
            prefixes.push_back(game.prefix);
        }
        return prefixes;
    }

    test_support::TempFolder home_;
};

TEST_F(FindGamesTest, SteamDeckLibrariesReachedTwiceCountOnce) {
    fs::create_directories(home_.path() / ".local/share/Steam");
    fs::create_directories(home_.path() / ".steam");
    fs::create_directory_symlink("../.local/share/Steam", home_.path() / ".steam/steam");
    LibraryList(".local/share/Steam", R"("libraryfolders" { "0" { "path" ")" +
                                          Home(".local/share/Steam") + R"(" } "1" { "path" ")" +
                                          Home("card") + R"(" } "2" { "path" ")" + Home("card/") +
                                          R"(" } })");
    Prefix(".local/share/Steam/steamapps/compatdata/2000/pfx");
    Prefix(".local/share/Steam/steamapps/compatdata/1000/pfx", false);
    fs::create_directories(home_.path() / ".local/share/Steam/steamapps/compatdata/3000");
    Prefix("card/steamapps/compatdata/4000/pfx");
    Prefix(".wine");

    const GameSearch search = FindGames(Home(), Home(".wine"));
    const std::string steam = Home(".steam/steam/steamapps/compatdata/");
    EXPECT_EQ(search.placesLooked,
              (std::vector<std::string>{Home(".wine"), steam + "1000/pfx", steam + "2000/pfx",
                                        Home("card/steamapps/compatdata/4000/pfx")}));
    EXPECT_EQ(PrefixesOf(search),
              (std::vector<std::string>{Home(".wine"), steam + "2000/pfx",
                                        Home("card/steamapps/compatdata/4000/pfx")}));
    EXPECT_EQ(search.games[1].dataFolder, steam + "2000/pfx/drive_c/Sims");
}

TEST_F(FindGamesTest, OldLibraryListAndAWinePrefixThatIsAProtonOne) {
    LibraryList(".steam/steam", R"("LibraryFolders" { "1" ")" + Home("games") + R"(" })");
    Prefix("games/steamapps/compatdata/5000/pfx");
    fs::create_directory_symlink(Home("games/steamapps/compatdata/5000/pfx"), Home("myprefix"));

    const GameSearch search = FindGames(Home(), Home("myprefix"));
    EXPECT_EQ(search.placesLooked, (std::vector<std::string>{Home("myprefix")}));
    EXPECT_EQ(PrefixesOf(search), (std::vector<std::string>{Home("myprefix")}));
}

TEST_F(FindGamesTest, AnEmptyHomeLooksOnlyInTheWinePrefix) {
    const GameSearch search = FindGames(Home(), Home(".wine"));
    EXPECT_EQ(search.placesLooked, (std::vector<std::string>{Home(".wine")}));
    EXPECT_TRUE(search.games.empty());
    EXPECT_TRUE(FindGames(Home(), "").placesLooked.empty());
}

}  // namespace
}  // namespace finder
