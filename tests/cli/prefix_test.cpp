// The built program finding the game by itself in a home folder laid out
// like a player's: a Wine prefix, a Proton prefix in a Steam library, a
// Steam Deck's linked Steam folder, several games or none. Each prefix holds
// make-game-folder's demo game, with one neighbourhood's names in other
// letter cases than the game's, as Windows would not care.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"
#include "tests/support/test_files.h"

namespace {

constexpr char kProton[] = ".local/share/Steam/steamapps/compatdata/2300570/pfx";

struct PrefixRow {
    std::vector<std::string> prefixes;   // below the home folder
    bool deckLink;                       // ~/.steam/steam links to ~/.local/share/Steam
    std::string winePrefix;              // below the home folder; empty: unset
    std::vector<std::string> arguments;  // "{home}" stands for the home folder
    int exitCode;
    std::string outPart;
    std::string errPart;
    void (*spoil)(const std::filesystem::path& home) = nullptr;  // after the prefixes are made
};

// Steam's library lists as a FIFO (a read would wait for ever), a link to
// /dev/zero (endless) and a folder: each is skipped like a missing list.
void FifoAndEndlessLibraryLists(const std::filesystem::path& home) {
    for (const char* steam : {".steam/steam/steamapps", ".local/share/Steam/steamapps"}) {
        std::filesystem::create_directories(home / steam);
    }
    ASSERT_EQ(mkfifo((home / ".steam/steam/steamapps/libraryfolders.vdf").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero",
                                    home / ".local/share/Steam/steamapps/libraryfolders.vdf");
}

void FolderLibraryList(const std::filesystem::path& home) {
    std::filesystem::create_directories(home / ".steam/steam/steamapps/libraryfolders.vdf");
}

void HugeRegistryFile(const std::filesystem::path& home) {
    std::filesystem::resize_file(home / ".wine/system.reg", 64 * 1024 * 1024 + 1);
}

// The community installer's values: SIMS_DATA names a folder the game
// does not save in, and the saves lie in the re-release's folder.
constexpr char kInstalledGame[] = ".wine/drive_c/Program Files (x86)/Maxis/The Sims";
constexpr char kReRelease[] = ".wine/drive_c/users/me/Saved Games/Electronic Arts/The Sims 25";

void SavesMovedToTheReRelease(const std::filesystem::path& home) {
    std::filesystem::create_directories((home / kReRelease).parent_path());
    std::filesystem::rename(home / kInstalledGame, home / kReRelease);
    std::filesystem::create_directories(home / kInstalledGame);
}

// Both editions, the re-release played last.
void ReReleasePlayedLast(const std::filesystem::path& home) {
    std::filesystem::create_directories(home / kReRelease);
    std::filesystem::copy(home / kInstalledGame, home / kReRelease,
                          std::filesystem::copy_options::recursive);
    std::filesystem::last_write_time(
        home / kReRelease / "userdata2/neighborhood.iff",
        std::filesystem::file_time_type::clock::now() + std::chrono::minutes(5));
}

std::string Substituted(std::string text, const std::string& home) {
    const std::size_t at = text.find("{home}");
    return at == std::string::npos ? text : text.replace(at, 6, home);
}

const PrefixRow kRows[] = {
    {{".wine"},
     false,
     "",
     {"list", "--json"},
     0,
     "{\"data_folder\":\"{home}/.wine/drive_c/Program Files (x86)/Maxis/The Sims\","
     "\"neighbourhood\":2,\"families\":[{\"name\":\"Abernathy\",\"lot\":15,\"days\":140},",
     ""},
    {{"games/sims"}, false, "games/sims", {"where"}, 0, "Neighbourhood: 2\n", ""},
    {{kProton}, true, "", {"list"}, 0, "Abernathy       15            140\n", ""},
    {{kProton},
     false,
     "",
     {"--prefix", "{home}/.local/share/Steam/steamapps/compatdata/2300570", "set", "--family",
      "Abernathy", "30"},
     0,
     "Abernathy (lot 15): 140 -> 30\n",
     ""},
    {{".wine", kProton}, false, "", {"list"}, 3, "", "2 games found: "},
    {{".wine", kProton}, false, "", {"list"}, 3, "", "; pick one with --prefix"},
    {{}, false, "", {"list"}, 2, "", "no game found; looked in {home}/.wine"},
    {{}, false, "", {"--prefix", "{home}", "list"}, 2, "", "no game found in the prefix {home}"},
    {{".wine"}, false, "", {"where"}, 0, "Neighbourhood: 2\n", "", &FifoAndEndlessLibraryLists},
    {{".wine"}, false, "", {"where"}, 0, "Neighbourhood: 2\n", "", &FolderLibraryList},
    {{".wine"},
     false,
     "",
     {"--prefix", "{home}/.wine", "list"},
     4,
     "",
     "{home}/.wine/system.reg is larger than 64 MiB",
     &HugeRegistryFile},
    {{".wine"},
     false,
     "",
     {"list", "--json"},
     0,
     "{\"data_folder\":\"{home}/.wine/drive_c/users/me/Saved Games/Electronic Arts/The Sims "
     "25\",\"neighbourhood\":2,\"families\":[{\"name\":\"Abernathy\",\"lot\":15,\"days\":140},",
     "",
     &SavesMovedToTheReRelease},
    {{".wine"},
     false,
     "",
     {"where"},
     0,
     "Left out:      {home}/.wine/drive_c/Program Files (x86)/Maxis/The Sims: its newest "
     "neighbourhood file is older\n",
     "",
     &ReReleasePlayedLast},
};

TEST(PrefixTest, FindsTheOneGameOrSaysWhyNot) {
    for (const PrefixRow& row : kRows) {
        const test_support::TempFolder home;
        const std::filesystem::path root = home.path();
        for (const std::string& prefix : row.prefixes) {
            cli_test::MakeGameFolder({"--prefix", (root / prefix).string()});
            const std::filesystem::path data =
                root / prefix / "drive_c/Program Files (x86)/Maxis/The Sims/UserData2";
            std::filesystem::rename(data / "Houses/house15.iff", data / "Houses/HOUSE15.IFF");
            std::filesystem::rename(data / "Houses", data / "houses");
            std::filesystem::rename(data, data.parent_path() / "userdata2");
        }
        if (row.spoil != nullptr) {
            row.spoil(root);
        }
        if (row.deckLink) {
            std::filesystem::create_directories(root / ".steam");
            std::filesystem::create_directory_symlink(root / ".local/share/Steam",
                                                      root / ".steam/steam");
        }
        std::map<std::string, std::string> environment = {{"HOME", root.string()}};
        if (!row.winePrefix.empty()) {
            environment["WINEPREFIX"] = (root / row.winePrefix).string();
        }
        std::vector<std::string> arguments;
        for (const std::string& argument : row.arguments) {
            arguments.push_back(Substituted(argument, root.string()));
        }
        SCOPED_TRACE(testing::PrintToString(arguments));

        const cli_test::CliOutcome outcome = cli_test::RunCli(arguments, environment);

        EXPECT_EQ(outcome.exitCode, row.exitCode) << outcome.err;
        EXPECT_NE(outcome.out.find(Substituted(row.outPart, root.string())), std::string::npos)
            << outcome.out;
        EXPECT_NE(outcome.err.find(Substituted(row.errPart, root.string())), std::string::npos)
            << outcome.err;
    }
}

TEST(PrefixTest, WithoutHomeTheUserDatabaseNamesTheHomeFolder) {
    const passwd* user = getpwuid(getuid());
    ASSERT_NE(user, nullptr);
    const cli_test::CliOutcome outcome = cli_test::RunCli({"where"}, {});
    EXPECT_NE(outcome.err.find(std::string("looked in ") + user->pw_dir + "/.wine"),
              std::string::npos)
        << outcome.err;
}

}  // namespace
