// The built program on a data folder given with --data, row by row through
// every exit code, some beside a stand-in for the running game. Every row
// is checked against a fingerprint of the whole folder: a refusal changes
// nothing, and a set changes bytes 208 and 209 of its one house file to the
// days written, and nothing else.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/cli/cli_process.h"
#include "tests/support/file_tree.h"
#include "tests/support/stand_in_game.h"
#include "tests/support/test_files.h"
#include "tests/support/write_protection.h"
#include "tools/gamegen/gamegen.h"

namespace {

using Arguments = std::vector<std::string>;  // "{data}" stands for the data folder

struct Row {
    Arguments arguments;
    int exitCode;
    // Done: standard output exactly. Refused: a part of the one line on
    // standard error. "{data}" again stands for the folder.
    std::string shown;
    std::string houseFile;  // the house file a set writes, below the folder
    int days;
    std::string protectedFile = "";  // below the folder, refusing writes for the row
    bool gameRunning = false;
    // Below the folder ("." for the folder itself): a folder given this mode
    // for the row, which then runs without privilege.
    std::string lockedFolder = "";
    mode_t lockedMode = 0;
};

Row Done(Arguments arguments, std::string out) {
    return {std::move(arguments), 0, std::move(out), "", 0};
}

Row Wrote(Arguments arguments, std::string out, std::string houseFile, int days) {
    return {std::move(arguments), 0, std::move(out), std::move(houseFile), days};
}

Row Refused(Arguments arguments, int exitCode, std::string errPart,
            std::string protectedFile = "") {
    return {std::move(arguments), exitCode, std::move(errPart), "", 0, std::move(protectedFile)};
}

Row WhileTheGameRuns(Row row) {
    row.gameRunning = true;
    return row;
}

Row WithFolderMode(std::string folder, mode_t mode, Row row) {
    row.lockedFolder = std::move(folder);
    row.lockedMode = mode;
    return row;
}

// A folder's mode for one row, put back afterwards so that the next rows,
// the fingerprint and the removal of the temporary folder can go in.
class FolderMode {
public:
    FolderMode(std::filesystem::path folder, mode_t mode) : folder_(std::move(folder)) {
        struct stat status {};
        EXPECT_EQ(stat(folder_.c_str(), &status), 0) << folder_;
        previous_ = status.st_mode & 07777;
        EXPECT_EQ(chmod(folder_.c_str(), mode), 0) << folder_;
    }
    ~FolderMode() { chmod(folder_.c_str(), previous_); }
    FolderMode(const FolderMode&) = delete;
    FolderMode& operator=(const FolderMode&) = delete;

private:
    std::filesystem::path folder_;
    mode_t previous_ = 0;
};

std::string Substituted(std::string text, const std::string& data) {
    for (std::size_t at = text.find("{data}"); at != std::string::npos;
         at = text.find("{data}", at + data.size())) {
        text.replace(at, 6, data);
    }
    return text;
}

void ReplaceWithLink(const std::filesystem::path& file, const std::string& target) {
    std::filesystem::remove(file);
    std::filesystem::create_symlink(target, file);
}

void ReplaceWithFifo(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    ASSERT_EQ(mkfifo(file.c_str(), 0644), 0) << file;
}

// Rows run in order on one folder, so the days a set finds are those an
// earlier row left.
const Row kRows[] = {
    Done({"--data", "{data}", "list", "--json"},
         "{\"data_folder\":\"{data}\",\"neighbourhood\":1,\"families\":["
         "{\"name\":\"Brightwater\",\"lot\":7,\"days\":112},"
         "{\"name\":\"Ekstr\xC3\xB6m\",\"lot\":9,\"days\":1},"
         "{\"name\":\"Hollowell\",\"lot\":5,\"days\":37},"
         "{\"name\":\"Lost\",\"lot\":11,\"days\":null},"
         "{\"name\":\"Short\",\"lot\":12,\"days\":7},"
         "{\"name\":\"Smith\",\"lot\":8,\"days\":20},"
         "{\"name\":\"Smith\",\"lot\":3,\"days\":10}]}\n"),
    Done({"list", "--neighbourhood", "2", "--data", "{data}"},
         "Family Name  Lot #  Days in House\n"
         "Abernathy       15            140\n"
         "Delacroix        4             90\n"),
    Done({"--json", "where", "--data", "{data}"},
         "{\"data_folder\":\"{data}\",\"neighbourhood\":1}\n"),
    Done({"neighbourhoods", "--json", "--data", "{data}"},
         "{\"data_folder\":\"{data}\",\"neighbourhoods\":[1,2,3,4,5,6]}\n"),
    Wrote({"--data", "{data}", "--neighbourhood", "2", "set", "--lot", "15", "30"},
          "Abernathy (lot 15): 140 -> 30\n", "UserData2/Houses/house15.iff", 30),
    Wrote({"set", "--family", "Ekstr\xC3\xB6m", "255", "--data", "{data}", "--json"},
          "{\"name\":\"Ekstr\xC3\xB6m\",\"lot\":9,\"days\":255,\"previous\":1}\n",
          "UserData/Houses/house09.iff", 255),
    Wrote({"--data", "{data}", "set", "--family", "Smith", "--lot", "3", "9"},
          "Smith (lot 3): 10 -> 9\n", "UserData/Houses/house03.iff", 9),
    Done({"--version"}, "lotwarden-cli 2.1.0\n"),
    Refused({"--data", "{data}", "set", "--lot", "5", "12abc"}, 1, "DAYS \"12abc\" is refused"),
    Refused({"--data", "{data}", "set", "--lot", "5", "+5"}, 1, "DAYS \"+5\""),
    Refused({"--data", "{data}", "set", "--lot", "5", " 7"}, 1, "DAYS \" 7\""),
    Refused({"--data", "{data}", "set", "--lot", "5", "0"}, 1, "give 1 to 255"),
    Refused({"--data", "{data}", "set", "--lot", "5", "256"}, 1, "DAYS \"256\""),
    Refused({"--data", "{data}", "set", "--lot", "5", ""}, 1, "DAYS \"\""),
    Refused({"--data", "{data}", "set", "30"}, 1, "give --lot or --family"),
    Refused({"--data", "{data}", "--prefix", "{data}", "list"}, 1, "--prefix"),
    Refused({"--data", "{data}"}, 1, "see --help"),
    Refused({"--data", "{data}", "list", "--colour"}, 1, "--colour"),
    Refused({"--data", "{data}", "--codepage", "1251", "set", "--family", "Ekstr\xC3\xB6m", "5"}, 2,
            "no family \"Ekstr\xC3\xB6m\" in neighbourhood 1"),
    Refused({"--data", "{data}", "set", "--lot", "99", "5"}, 2, "no family on lot 99"),
    Refused({"--data", "{data}", "set", "--lot", "11", "5"}, 2, "Lost (lot 11) is missing"),
    Refused({"--data", "{data}", "--neighbourhood", "7", "list"}, 2,
            "neighbourhood 7 not found: no UserData7/neighborhood.iff in {data};"),
    Refused({"--data", "{data}", "set", "--lot", "7", "--family", "Hollowell", "30"}, 2,
            "no family \"Hollowell\" on lot 7 in neighbourhood 1"),
    Wrote({"--data", "{data}/Sims\\Backup", "set", "--lot", "1", "5"},
          "Backslash (lot 1): 11 -> 5\n", "Sims\\Backup/UserData/Houses/house01.iff", 5),
    Refused({"--data", "{data}/Sims\\", "neighbourhoods"}, 2, "{data}/Sims\\ is not there"),
    Done({"--data", "{data}/g1\\", "neighbourhoods", "--json"},
         "{\"data_folder\":\"{data}/g1\\\\\",\"neighbourhoods\":[1]}\n"),
    Done({"--data", "{data}/g1\\", "list", "--json"},
         "{\"data_folder\":\"{data}/g1\\\\\",\"neighbourhood\":1,\"families\":["
         "{\"name\":\"Trailing\",\"lot\":1,\"days\":3}]}\n"),
    // Neighbourhood 6 was moved elsewhere and left a link in its place.
    Wrote({"--data", "{data}", "--neighbourhood", "6", "set", "--lot", "2", "22"},
          "Moved (lot 2): 21 -> 22\n", "Other Disk/UserData6/Houses/house02.iff", 22),
    Refused({"--data", "{data}/elsewhere", "where"}, 2, "{data}/elsewhere is not there"),
    Refused({"--data", "{data}", "set", "--family", "Smith", "5"}, 3,
            "2 families \"Smith\": Smith (lot 8), Smith (lot 3); pick one with --lot"),
    Refused({"--data", "{data}", "set", "--lot", "12", "5"}, 4, "shorter than 210 bytes"),
    // Neighbourhood 3's house files are a link to a file outside, a FIFO and
    // a folder; neighbourhood 4's file is a FIFO, 5's a link to /dev/zero.
    Done({"--data", "{data}", "--neighbourhood", "3", "list"},
         "Family Name  Lot #  Days in House\n"
         "\\x1b[31mRed     17              1\n"
         "A\\r\\nB          18              2\n"
         "Boxed           16              -\n"
         "Linked          13              -\n"
         "Piped           14              -\n"),
    Refused({"--data", "{data}", "--neighbourhood", "3", "set", "--lot", "13", "5"}, 4,
            "{data}/UserData3/Houses/house13.iff is a symbolic link, not a house file"),
    Refused({"--data", "{data}", "--neighbourhood", "3", "set", "--lot", "14", "5"}, 4,
            "house14.iff is not a regular file"),
    Refused({"--data", "{data}", "--neighbourhood", "3", "set", "--lot", "16", "5"}, 4,
            "house16.iff is a folder, not a house file"),
    Refused({"--data", "{data}", "--neighbourhood", "3", "set", "--family", "A\r\nB", "--lot", "99",
             "5"},
            2, "no family \"A\\r\\nB\" on lot 99 in neighbourhood 3"),
    Refused({"--data", "{data}", "--neighbourhood", "4", "list"}, 4,
            "{data}/UserData4/neighborhood.iff is not a regular file"),
    Refused({"--data", "{data}", "--neighbourhood", "5", "set", "--lot", "1", "5"}, 4,
            "{data}/UserData5/neighborhood.iff is not a regular file"),
    Refused({"--data", "{data}", "set", "--lot", "5", "6"}, 4, "cannot write",
            "UserData/Houses/house05.iff"),
    WhileTheGameRuns(
        Refused({"--data", "{data}", "set", "--lot", "5", "6"}, 5,
                "lotwarden-cli: the game is running: close it first, or give --force")),
    WhileTheGameRuns(Done({"--data", "{data}", "where", "--json"},
                          "{\"data_folder\":\"{data}\",\"neighbourhood\":1}\n")),
    WhileTheGameRuns(Wrote({"--data", "{data}", "set", "--lot", "5", "6", "--force"},
                           "Hollowell (lot 5): 37 -> 6\n", "UserData/Houses/house05.iff", 6)),
    // A folder that cannot be looked in is no missing file, nor an empty one.
    WithFolderMode("UserData/Houses", 0,
                   Refused({"--data", "{data}", "set", "--lot", "5", "7"}, 4,
                           "cannot look at {data}/UserData/Houses: Permission denied")),
    WithFolderMode("UserData/Houses", 0,
                   Refused({"--data", "{data}", "list"}, 4,
                           "cannot look at {data}/UserData/Houses: Permission denied")),
    // Searchable, not listable: a name spelt exactly opens, as under Wine;
    // lot 11's missing file might be there in another spelling.
    WithFolderMode("UserData2/Houses", 0111,
                   Wrote({"--data", "{data}", "--neighbourhood", "2", "set", "--lot", "4", "91"},
                         "Delacroix (lot 4): 90 -> 91\n", "UserData2/Houses/house04.iff", 91)),
    WithFolderMode("UserData2/Houses", 0111,
                   Done({"--data", "{data}", "--neighbourhood", "2", "list"},
                        "Family Name  Lot #  Days in House\n"
                        "Abernathy       15             30\n"
                        "Delacroix        4             91\n")),
    WithFolderMode("UserData/Houses", 0111,
                   Refused({"--data", "{data}", "list"}, 4,
                           "cannot look at {data}/UserData/Houses: Permission denied")),
    WithFolderMode(
        ".", 0,
        Refused({"--data", "{data}", "neighbourhoods"}, 4, "cannot list the data folder {data}")),
    WithFolderMode(".", 0644,
                   Refused({"--data", "{data}", "neighbourhoods"}, 4, "cannot look at {data}/")),
    WithFolderMode(
        ".", 0,
        Refused({"--data", "{data}", "list"}, 4, "cannot look at {data}: Permission denied")),
};

TEST(DataFolderTest, EveryRowDoesWhatItSaysAndTouchesOnlyItsTwoBytes) {
    const test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(),
                             {{"UserData",
                               {{"Hollowell", 5, 37},
                                {"Brightwater", 7, 112},
                                {"Smith", 3, 10},
                                {"Smith", 8, 20},
                                {"Ekstr\xF6m", 9, 1},
                                {"Lost", 11, 5},
                                {"Short", 12, 7},
                                {"Homeless", 0, 0}}},
                              {"UserData2", {{"Abernathy", 15, 140}, {"Delacroix", 4, 90}}},
                              {"UserData3",
                               {{"Linked", 13, 50},
                                {"Piped", 14, 60},
                                {"Boxed", 16, 70},
                                {"\x1b[31mRed", 17, 1},
                                {"A\r\nB", 18, 2}}},
                              {"UserData4", {{"Lone", 1, 1}}},
                              {"UserData5", {{"Lone", 1, 1}}}});
    std::filesystem::remove(game.path() / "UserData/Houses/house11.iff");
    // A data folder whose name holds a backslash, beside the folders that
    // name would lead to were it taken as a separator.
    gamegen::WriteGameFolder(game.path() / "Sims\\Backup", {{"UserData", {{"Backslash", 1, 11}}}});
    gamegen::WriteGameFolder(game.path() / "Sims/Backup", {{"UserData", {{"Slash", 1, 22}}}});
    gamegen::WriteGameFolder(game.path() / "g1\\", {{"UserData", {{"Trailing", 1, 3}}}});
    gamegen::WriteGameFolder(game.path() / "Other Disk", {{"UserData6", {{"Moved", 2, 21}}}});
    std::filesystem::create_directory_symlink("Other Disk/UserData6", game.path() / "UserData6");
    const std::filesystem::path houses3 = game.path() / "UserData3/Houses";
    gamegen::WriteFileBytes(game.path() / "precious.bin", gamegen::HouseFileBytes(99));
    ReplaceWithLink(houses3 / "house13.iff", "../../precious.bin");
    ReplaceWithFifo(houses3 / "house14.iff");
    std::filesystem::remove(houses3 / "house16.iff");
    std::filesystem::create_directory(houses3 / "house16.iff");
    ReplaceWithFifo(game.path() / "UserData4/neighborhood.iff");
    ReplaceWithLink(game.path() / "UserData5/neighborhood.iff", "/dev/zero");
    gamegen::WriteFileBytes(game.path() / "UserData/Houses/house12.iff",
                            gamegen::HouseFileBytes(7).substr(0, gamegen::kDaysOffset + 1));
    cli_test::HandToUnprivilegedUser(game.path());
    const std::string data = game.path().string();

    for (const Row& row : kRows) {
        std::vector<std::string> arguments;
        for (const std::string& argument : row.arguments) {
            arguments.push_back(Substituted(argument, data));
        }
        SCOPED_TRACE(testing::PrintToString(arguments));
        std::optional<test_support::StandInGame> runningGame;
        if (row.gameRunning) {
            runningGame.emplace();
        }
        std::optional<test_support::WriteProtection> protection;
        if (!row.protectedFile.empty()) {
            protection.emplace((game.path() / row.protectedFile).string());
            ASSERT_TRUE(protection->active()) << protection->reason();
        }
        test_support::TreeSnapshot expected = test_support::SnapshotTree(game.path());
        if (!row.houseFile.empty()) {
            std::string bytes = *test_support::ReadBytes((game.path() / row.houseFile).string());
            bytes[gamegen::kDaysOffset] = static_cast<char>(row.days & 0xFF);
            bytes[gamegen::kDaysOffset + 1] = static_cast<char>(row.days >> 8);
            expected[row.houseFile] = test_support::FingerprintOf(bytes);
        }

        std::optional<FolderMode> locked;
        if (!row.lockedFolder.empty()) {
            // Not "folder/.", which a folder of mode 0 no longer lets its
            // owner resolve to put the mode back.
            locked.emplace(row.lockedFolder == "." ? game.path() : game.path() / row.lockedFolder,
                           row.lockedMode);
        }
        const cli_test::CliOutcome outcome =
            cli_test::RunCli(arguments, {}, cli_test::Output::File,
                             locked ? cli_test::Rights::Unprivileged : cli_test::Rights::Tests);
        locked.reset();

        EXPECT_EQ(outcome.exitCode, row.exitCode);
        if (row.exitCode == 0) {
            EXPECT_EQ(outcome.out, Substituted(row.shown, data));
            EXPECT_EQ(outcome.err, "");
        } else {
            EXPECT_EQ(outcome.out, "");
            EXPECT_NE(outcome.err.find(Substituted(row.shown, data)), std::string::npos)
                << outcome.err;
            EXPECT_EQ(outcome.err.find('\n'), outcome.err.size() - 1) << outcome.err;
        }
        EXPECT_EQ(test_support::TreeDifferences(expected, test_support::SnapshotTree(game.path())),
                  std::vector<std::string>());
    }
}

// A set writes its file before it prints; when the report cannot be
// printed the file is still written, and exit 4 would say it is not.
TEST(DataFolderTest, AReportThatCannotBePrintedIsToldOnStandardError) {
    const test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {{"UserData", {{"Hollowell", 5, 37}}}});
    const std::string data = game.path().string();
    const std::string house = "UserData/Houses/house05.iff";
    for (const cli_test::Output output : {cli_test::Output::Closed, cli_test::Output::Full}) {
        for (const int days : {30, 31}) {
            SCOPED_TRACE(days);
            test_support::TreeSnapshot expected = test_support::SnapshotTree(game.path());
            std::string bytes = *test_support::ReadBytes((game.path() / house).string());
            bytes[gamegen::kDaysOffset] = static_cast<char>(days);
            expected[house] = test_support::FingerprintOf(bytes);

            const cli_test::CliOutcome set = cli_test::RunCli(
                {"--data", data, "set", "--lot", "5", std::to_string(days)}, {}, output);
            EXPECT_EQ(set.exitCode, 0);
            EXPECT_EQ(set.err,
                      "lotwarden-cli: the days were written, but standard output could not take "
                      "the report\n");
            EXPECT_EQ(
                test_support::TreeDifferences(expected, test_support::SnapshotTree(game.path())),
                std::vector<std::string>());
        }
        const cli_test::CliOutcome list = cli_test::RunCli({"--data", data, "list"}, {}, output);
        EXPECT_EQ(list.exitCode, 4);
        EXPECT_EQ(list.err, "lotwarden-cli: cannot write to standard output\n");
    }
}

}  // namespace
