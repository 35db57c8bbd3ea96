#include "finder/steam_library_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace finder {
namespace {

using Folders = std::vector<std::string>;

struct LibraryRow {
    const char* what;
    std::string vdf;
    Folders expected;
};

const LibraryRow kRows[] = {
    {"new layout, a Deck with its card",
     R"("libraryfolders"
{
	"0"
	{
		"path"		"/home/deck/.local/share/Steam"
		"label"		""
		"contentid"		"123"
		"apps"
		{
			"228980"		"123"
			"path"		"/not/a/library"
		}
	}
	"1"
	{
		"path"		"/run/media/mmcblk0p1"
	}
})",
     {"/home/deck/.local/share/Steam", "/run/media/mmcblk0p1"}},
    {"old layout: numbered keys with folders",
     R"("LibraryFolders" { "TimeNextStatsReport" "1700000000" "ContentStatsID" "-1" )"
     R"("1" "/mnt/games/SteamLibrary" "2" "/mnt/more" })",
     {"/mnt/games/SteamLibrary", "/mnt/more"}},
    {"escapes and comments",
     "// written by hand\n\"libraryfolders\" { // the card\n"
     "\"0\" { \"path\" \"D:\\\\Steam \\\"Library\\\"\" }\n"
     "\"1\" { \"PATH\" \"/tab\\there\" } \"2\" { \"path\" \"C:\\Games\" } }",
     {"D:\\Steam \"Library\"", "/tab\there", "C:\\Games"}},
    {"bare tokens", "libraryfolders { 0 { path /mnt/bare } }", {"/mnt/bare"}},
    {"another top block names no library", R"("other" { "0" { "path" "/x" } "1" "/y" })", {}},
    {"cut off inside a block keeps what came before",
     R"("libraryfolders" { "0" { "path" "/a" } "1" { "path" "/b)",
     {"/a"}},
    {"a stray closing brace ends the file",
     R"("libraryfolders" { "1" "/a" } } "libraryfolders" { "1" "/b" })",
     {"/a"}},
    {"empty", "", {}},
};

TEST(SteamLibraryListTest, ReadsTheLibraryFoldersOfBothLayouts) {
    for (const LibraryRow& row : kRows) {
        EXPECT_EQ(ReadSteamLibraryFolders(row.vdf), row.expected) << row.what;
    }
}

}  // namespace
}  // namespace finder
