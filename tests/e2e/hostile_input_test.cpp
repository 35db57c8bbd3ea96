// Hostile and broken game folders under the real program: each case starts
// Lotwarden.exe on a folder made for it, reads what the program shows and
// says, switches where there is something to switch to, and exits. None may
// crash or hang, each gives the message the program's rules give, and not
// one byte of the folder changes by starting, switching or reading.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/kernel_handle.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/support/file_tree.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace {

using e2e::FileNotFound;
using e2e::ShownMessage;
using test_support::ListRow;
using Labels = std::vector<std::string>;

// A folder whose ANSI name has bytes from 0x80 on, made with the ANSI call
// the program itself uses, and the same folder as a path for the standard
// library, which takes narrow text in another encoding.
std::filesystem::path MakeAnsiFolder(const std::string& ansi) {
    if (!CreateDirectoryA(ansi.c_str(), nullptr)) {
        throw std::runtime_error("cannot make " + ansi);
    }
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return std::filesystem::path(wide);
}

// One case's game folder, with the game's registry values pointing at it.
struct Game {
    test_support::TempFolder folder;
    test_support::GameKey key;
    const std::string root = folder.path().string();
    // Held open by this process, sharing nothing, while the program runs.
    std::vector<std::string> heldOpen;

    void PointAt(const std::string& dataFolder, const std::string& current = "1") {
        key.SetText("SIMS_DATA", dataFolder);
        key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", current);
    }
};

struct Expected {
    std::vector<ShownMessage> messages;
    Labels chooser;
    std::string selection;
    std::vector<ListRow> rows;
    // A neighbourhood then picked in the chooser, unless empty, and what
    // that shows.
    std::string chosen = "";
    std::vector<ShownMessage> messagesWhenChosen = {};
    std::vector<ListRow> rowsWhenChosen = {};
};

Expected DataFolderIsAFile(Game& game) {
    const std::string file = game.folder.File("Sims.exe");
    gamegen::WriteFileBytes(file, "MZ, not a folder");
    game.PointAt(file);
    return {{FileNotFound(file + "\\UserData\\neighborhood.iff")}, {}, "", {}};
}

// The neighbourhood file's path stays below MAX_PATH while the house file
// of a ten-digit lot goes beyond it. Windows refuses such a path to the
// ANSI file calls, Wine opens it; either way the program must neither
// overrun a buffer nor disagree with the platform's own fopen, which it
// uses: the days it can read, or the message naming the file it cannot.
Expected HouseFileBeyondMaxPath(Game& game) {
    constexpr std::size_t kDataFolderLength = 228;
    const std::string data =
        game.root + "\\" + std::string(kDataFolderLength - game.root.size() - 1, 'd');
    gamegen::WriteGameFolder(data,
                             {{"UserData", {{"Faraway", 2000000000, 90}, {"Nearby", 5, 37}}}});
    const std::string beyond = data + "\\UserData\\Houses\\house2000000000.iff";
    if ((data + "\\UserData\\neighborhood.iff").size() >= MAX_PATH || beyond.size() <= MAX_PATH) {
        throw std::logic_error("the paths do not straddle MAX_PATH");
    }
    game.PointAt(data);
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> probe(std::fopen(beyond.c_str(), "rb"),
                                                                &std::fclose);
    // The days pass meets the rows in reverse file order, Nearby first.
    return {probe ? std::vector<ShownMessage>{} : std::vector<ShownMessage>{FileNotFound(beyond)},
            {"01"},
            "01",
            {{"Faraway", "2000000000", probe ? "90" : ""}, {"Nearby", "05", "37"}}};
}

Expected NamesWithBytesFrom0x80(Game& game) {
    const std::string data = game.root +
                             "\\Sims \xC9"
                             "dition";
    gamegen::WriteGameFolder(MakeAnsiFolder(data), {{"UserData",
                                                     {{"Ekstr\xF6m", 9, 1},
                                                      {"\xC5"
                                                       "berg",
                                                       3, 250}}}});
    MakeAnsiFolder(data + "\\UserData\xC9");
    game.PointAt(data);
    // "0\xE9" reads as number 0, whose folder is UserData0.
    return {{},
            {"01", "0\xE9"},
            "01",
            {{"Ekstr\xF6m", "09", "1"},
             {"\xC5"
              "berg",
              "03", "250"}},
            "0\xE9",
            {FileNotFound(data + "\\UserData0\\neighborhood.iff")},
            {}};
}

Expected HundredsOfNeighbourhoodFolders(Game& game) {
    Labels labels{"01", "07"};  // UserData, and UserData7.bak beside UserData7
    std::filesystem::create_directory(game.folder.path() / "UserData");
    std::filesystem::create_directory(game.folder.path() / "UserData7.bak");
    std::filesystem::create_directory(game.folder.path() / "UserDataTemplate");
    for (int number = 2; number < 400; ++number) {
        std::filesystem::create_directory(game.folder.path() /
                                          ("UserData" + std::to_string(number)));
        if (number < 100) {
            labels.push_back((number < 10 ? "0" : "") + std::to_string(number));
        }
    }
    std::sort(labels.begin(), labels.end());
    gamegen::WriteGameFolder(game.root, {{"UserData57", {{"Middleton", 4, 57}}}});
    game.PointAt(game.root, "57");
    return {{},   labels,
            "57", {{"Middleton", "04", "57"}},
            "99", {FileNotFound(game.root + "\\UserData99\\neighborhood.iff")},
            {}};
}

// A family at the start, a hundred megabytes of nothing, a family at the
// end: the hole costs no disk and no time to make.
Expected NeighbourhoodFileOf100MB(Game& game) {
    gamegen::WriteGameFolder(game.root, {{"UserData", {{"First", 1, 11}, {"Last", 2, 22}}}});
    const std::string head = gamegen::NeighbourhoodFileBytes({{"First", 1, 11}}, {600, 1});
    const std::string tail = gamegen::NeighbourhoodFileBytes({{"Last", 2, 22}}, {600, 2});
    std::ofstream file(game.folder.path() / "UserData" / "neighborhood.iff",
                       std::ios::binary | std::ios::trunc);
    file.write(head.data(), static_cast<std::streamsize>(head.size()));
    file.seekp(100 * 1024 * 1024 - static_cast<std::streamoff>(tail.size()));
    file.write(tail.data(), static_cast<std::streamsize>(tail.size()));
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write the large neighbourhood file");
    }
    game.PointAt(game.root);
    return {{}, {"01"}, "01", {{"First", "01", "11"}, {"Last", "02", "22"}}};
}

Expected ThousandFamilies(Game& game) {
    std::vector<gamegen::FamilyPlan> families;
    std::vector<ListRow> rows;
    for (int index = 0; index < 1000; ++index) {
        // Names in an order unlike the lots', so that the sort has work.
        const std::string name = "Family " + std::to_string(1000 + index * 7919 % 1000);
        const int lot = index + 1;
        const auto days = static_cast<std::int16_t>(index % 255 + 1);
        families.push_back({name, lot, days});
        rows.push_back({name, (lot < 10 ? "0" : "") + std::to_string(lot), std::to_string(days)});
    }
    std::sort(rows.begin(), rows.end());
    gamegen::WriteGameFolder(game.root, {{"UserData", families}});
    game.PointAt(game.root);
    return {{}, {"01"}, "01", rows};
}

Expected BrokenHouseFiles(Game& game) {
    gamegen::WriteGameFolder(
        game.root,
        {{"UserData", {{"Held", 4, 44}, {"Empty", 1, 5}, {"Cut208", 2, 6}, {"Cut209", 3, 7}}}});
    const auto house = [&](int lot) {
        return game.root + "\\UserData\\Houses\\" + gamegen::HouseFileName(lot);
    };
    gamegen::WriteFileBytes(house(1), "");
    gamegen::WriteFileBytes(house(2), gamegen::HouseFileBytes(0x1234).substr(0, 208));
    gamegen::WriteFileBytes(house(3), gamegen::HouseFileBytes(0x12FF).substr(0, 209));
    game.heldOpen.push_back(house(4));
    game.PointAt(game.root);
    // Missing bytes read as zero. The held file is the last the days pass
    // meets, the rows being in reverse file order then.
    return {
        {FileNotFound(house(4))},
        {"01"},
        "01",
        {{"Cut208", "02", "0"}, {"Cut209", "03", "255"}, {"Empty", "01", "0"}, {"Held", "04", ""}}};
}

struct HostileCase {
    const char* name;
    Expected (*arrange)(Game&);
};

class HostileGameFolderTest : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileGameFolderTest, NoCrashNoHangTheRulesMessageAndNothingWritten) {
    Game game;
    const Expected expected = GetParam().arrange(game);
    const test_support::TreeSnapshot before = test_support::SnapshotTree(game.folder.path());
    {
        std::vector<KernelHandle> held;
        for (const std::string& path : game.heldOpen) {
            held.emplace_back(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(held.back()) << "cannot hold " << path;
        }
        e2e::LotwardenSession program;
        ASSERT_TRUE(program.Start()) << "no window by the deadline";
        EXPECT_EQ(program.TakeMessages(), expected.messages);
        EXPECT_EQ(program.ChooserEntries(), expected.chooser);
        EXPECT_EQ(program.ChooserSelection(), expected.selection);
        EXPECT_EQ(program.Rows(), expected.rows);
        if (!expected.chosen.empty()) {
            ASSERT_TRUE(program.Choose(expected.chosen)) << "switch unfinished by the deadline";
            EXPECT_EQ(program.TakeMessages(), expected.messagesWhenChosen);
            EXPECT_EQ(program.Rows(), expected.rowsWhenChosen);
        }
        ASSERT_TRUE(program.Exit()) << "Exit did not end the program cleanly";
    }
    EXPECT_EQ(test_support::TreeDifferences(before, test_support::SnapshotTree(game.folder.path())),
              std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Folders, HostileGameFolderTest,
    testing::Values(HostileCase{"DataFolderIsAFile", DataFolderIsAFile},
                    HostileCase{"HouseFileBeyondMaxPath", HouseFileBeyondMaxPath},
                    HostileCase{"NamesWithBytesFrom0x80", NamesWithBytesFrom0x80},
                    HostileCase{"HundredsOfNeighbourhoodFolders", HundredsOfNeighbourhoodFolders},
                    HostileCase{"NeighbourhoodFileOf100MB", NeighbourhoodFileOf100MB},
                    HostileCase{"ThousandFamilies", ThousandFamilies},
                    HostileCase{"BrokenHouseFiles", BrokenHouseFiles}),
    [](const testing::TestParamInfo<HostileCase>& info) { return info.param.name; });

}  // namespace
