// The real program, started as its own process against a generated game
// folder and driven from this one through its windows; and its file, as
// Windows reads it before the program runs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/unique_handle.h"
#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tools/gamegen/gamegen.h"

namespace {

TEST(LotwardenProgram, StartsOnTheGameFolderListsItsNeighbourhoodsAndExitsCleanly) {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {
                                              {"UserData", {{"Newbie", 1, 12}}},
                                              {"UserData12", {{"Pleasant", 3, 40}}},
                                              {"UserData2", {{"Goth", 5, 200}}},
                                              {"UserDataTemplate", {}},
                                          });
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "2");
    const std::string houseBefore =
        test_support::ReadBytes(game.File("UserData2\\Houses\\house05.iff")).value();

    e2e::LotwardenSession program;
    ASSERT_TRUE(program.Start()) << "the Lotwarden window did not appear";
    EXPECT_EQ(test_support::ClassNameOf(program.Control(IDC_NEIGHBOURHOOD)), "ComboBox");
    EXPECT_EQ(program.ChooserEntries(), (std::vector<std::string>{"01", "02", "12"}));
    EXPECT_EQ(program.ChooserSelection(), "02");

    EXPECT_EQ(test_support::ClassNameOf(program.Control(IDC_FAMILY_TABLE)), "SysListView32");
    EXPECT_EQ(program.Rows(), (std::vector<test_support::ListRow>{{"Goth", "05", "200"}}));
    for (int id : {IDC_DAYS, IDC_UPDATE_DAYS, IDC_HELP_BUTTON, IDC_ABOUT, IDC_EXIT}) {
        EXPECT_NE(program.Control(id), nullptr) << "control " << id;
    }

    ASSERT_TRUE(program.Exit()) << "Exit did not end the program cleanly";
    EXPECT_TRUE(program.TakeMessages().empty());
    EXPECT_EQ(test_support::ReadBytes(game.File("UserData2\\Houses\\house05.iff")), houseBefore);
}

// Each manifest resource's name and language, into the vector at found.
BOOL CALLBACK AddLanguage(HMODULE, LPCSTR, LPCSTR name, WORD language, LONG_PTR found) {
    reinterpret_cast<std::vector<std::pair<ULONG_PTR, WORD>>*>(found)->push_back(
        {reinterpret_cast<ULONG_PTR>(name), language});
    return TRUE;
}

BOOL CALLBACK AddLanguages(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
    return EnumResourceLanguagesA(module, type, name, &AddLanguage, found);
}

// What Windows reads from the program's file before it runs: one manifest,
// for the common controls 6 and GDI scaling, with no execution level, which
// would turn off the file virtualisation through which the game's classic
// installation keeps its saves.
TEST(LotwardenProgram, CarriesOneManifestForCommonControls6AndGdiScalingAndNoExecutionLevel) {
    const UniqueHandle<HMODULE, &FreeLibrary> exe(
        LoadLibraryExA(e2e::ExeBesideThisOne("Lotwarden.exe").c_str(), nullptr,
                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(exe);
    std::vector<std::pair<ULONG_PTR, WORD>> manifests;
    EnumResourceNamesA(exe.Get(), RT_MANIFEST, &AddLanguages,
                       reinterpret_cast<LONG_PTR>(&manifests));
    ASSERT_EQ(manifests.size(), 1u);
    EXPECT_EQ(manifests[0].first, 1u);
    HRSRC found = FindResourceExA(exe.Get(), RT_MANIFEST, MAKEINTRESOURCEA(1), manifests[0].second);
    ASSERT_NE(found, nullptr);
    const std::string text(static_cast<const char*>(LockResource(LoadResource(exe.Get(), found))),
                           SizeofResource(exe.Get(), found));
    EXPECT_NE(text.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find(
            R"(<gdiScaling xmlns="http://schemas.microsoft.com/SMI/2017/WindowsSettings">true</gdiScaling>)"),
        std::string::npos)
        << text;
    EXPECT_EQ(text.find("requestedExecutionLevel"), std::string::npos) << text;
}

}  // namespace
