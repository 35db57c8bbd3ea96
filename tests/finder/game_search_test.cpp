#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
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
    // Neighbourhood files below the prefix, each last written the given
    // number of minutes after a fixed past moment.
    std::vector<std::pair<std::string, int>> neighbourhoods = {};
    std::optional<std::string> leftOut = std::nullopt;
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
    // SIMS_DATA and the re-release's saves: the saves played last win.
    {"installer's SIMS_DATA names an install folder without saves",
     {false, R"("C:\\Program Files\\EA Games\\The Sims Legacy")", ""},
     {"drive_c/Program Files/EA Games/The Sims Legacy"},
     "$P/"s + kSavedGames,
     std::nullopt,
     {},
     {{kSavedGames + "/UserData/neighborhood.iff"s, 0}}},
    {"templates in the install folder older than the saves",
     {false, R"("C:\\Legacy")", ""},
     {},
     "$P/"s + kSavedGames,
     std::nullopt,
     {},
     {{"drive_c/Legacy/UserData/neighborhood.iff", 0},
      {kSavedGames + "/userdata3/NEIGHBORHOOD.IFF"s, 5}},
     "$P/drive_c/Legacy"},
    {"the classic game played last",
     {false, R"("C:\\Sims")", ""},
     {},
     "$P/drive_c/Sims",
     std::nullopt,
     {},
     {{"drive_c/Sims/UserData2/neighborhood.iff", 9},
      {kSavedGames + "/UserData/neighborhood.iff"s, 5}},
     "$P/"s + kSavedGames},
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
        const auto moment = fs::file_time_type::clock::now() - std::chrono::hours(2);
        for (const auto& [file, minute] : row.neighbourhoods) {
            fs::create_directories((fs::path(prefix) / file).parent_path());
            gamegen::WriteFileBytes(fs::path(prefix) / file, "IFF");
            fs::last_write_time(fs::path(prefix) / file, moment + std::chrono::minutes(minute));
        }
        const std::optional<PrefixGame> game = GameInPrefix(prefix);
        ASSERT_EQ(game.has_value(), row.dataFolder.has_value()) << row.what;
        if (game) {
            EXPECT_EQ(game->prefix, prefix) << row.what;
            EXPECT_EQ(game->dataFolder, WithPrefix(*row.dataFolder, prefix, false)) << row.what;
            EXPECT_EQ(game->currentNeighbourhoodBytes, row.currentNeighbourhood) << row.what;
            ASSERT_EQ(game->leftOut.has_value(), row.leftOut.has_value()) << row.what;
            if (game->leftOut) {
                EXPECT_EQ(game->leftOut->folder, WithPrefix(*row.leftOut, prefix, false));
            }
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

// Steam's other homes and the launchers' prefix folders, each alone in a home.
TEST_F(FindGamesTest, FindsTheGameWhereverSteamAndTheLaunchersKeepIt) {
    const char* const found[] = {
        ".steam/root/steamapps/compatdata/1/pfx",
        ".steam/debian-installation/steamapps/compatdata/1/pfx",
        ".var/app/com.valvesoftware.Steam/data/Steam/steamapps/compatdata/1/pfx",
        "snap/steam/common/.local/share/Steam/steamapps/compatdata/1/pfx",
        "Games/Heroic/Prefixes/default/The Sims Legacy",
        "Games/the-sims-legacy-collection",
        ".local/share/bottles/bottles/Sims",
        ".var/app/com.usebottles.bottles/data/bottles/bottles/Sims",
    };
    for (const char* prefix : found) {
        const test_support::TempFolder home;
        gamegen::WritePrefix(home.path() / prefix, {false, R"("C:\\Sims")", ""});
        const GameSearch search = FindGames(home.path().string(), "");
        EXPECT_EQ(PrefixesOf(search), (std::vector<std::string>{(home.path() / prefix).string()}))
            << prefix;
    }
    // Launchers keep a prefix a game, directly in their folder.
    Prefix("Games/Lutris/the-sims");
    EXPECT_TRUE(FindGames(Home(), "").games.empty());
}

TEST_F(FindGamesTest, AWinePrefixNamingACompatdataFolderIsTheGameSteamFinds) {
    const std::string compatdata = ".local/share/Steam/steamapps/compatdata/2300570";
    Prefix(compatdata + "/pfx");
    const GameSearch search = FindGames(Home(), Home(compatdata));
    EXPECT_EQ(PrefixesOf(search), (std::vector<std::string>{Home(compatdata) + "/pfx"}));
}

TEST_F(FindGamesTest, NeverLooksRelativeToTheWorkingDirectory) {
    Prefix("games/steamapps/compatdata/5/pfx");
    Prefix(".wine");
    LibraryList(".steam/steam", R"("libraryfolders" { "0" { "path" "games" } })");
    const fs::path before = fs::current_path();
    fs::current_path(home_.path());
    const GameSearch relativeLibrary = FindGames(Home(), "");
    const GameSearch relativeHome = FindGames(".", ".wine");
    fs::current_path(before);
    EXPECT_TRUE(relativeLibrary.games.empty());
    EXPECT_TRUE(relativeHome.placesLooked.empty());
}

TEST_F(FindGamesTest, AnEmptyHomeLooksOnlyInTheWinePrefix) {
    const GameSearch search = FindGames(Home(), Home(".wine"));
    EXPECT_EQ(search.placesLooked, (std::vector<std::string>{Home(".wine")}));
    EXPECT_TRUE(search.games.empty());
    EXPECT_TRUE(FindGames(Home(), "").placesLooked.empty());
}

}  // namespace
}  // namespace finder
