#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "gamedata/data_folder_choice.h"
#include "gamedata/directory_listing.h"

#ifndef _WIN32
#include "finder/case_blind_path.h"
#endif

namespace cli {

// Where the player pointed the program, and what the system tells it.
struct GameSource {
    std::optional<std::string> dataFolder;  // --data
    std::optional<std::string> prefix;      // --prefix (Linux only)
    // Linux: the home folder and $WINEPREFIX (empty when unset), handed in
    // so that a test can lay out a whole home in a temporary folder.
    std::string home;
    std::string winePrefix;
};

struct GameLocation {
    std::string dataFolder;      // as the program uses it: native on Linux, ANSI on Windows
    std::string dataFolderText;  // the same, for output (UTF-8)
    // The game's current neighbourhood as the dialog reads it, not positive
    // giving 1; 1 where the player named the data folder, since no game
    // values belong to that folder.
    std::int32_t currentNeighbourhood = 1;
    // Set when the game's folder and the re-release's both held saves: the
    // one not taken (its folder as output text), and why.
    std::optional<gamedata::LeftOutFolder> leftOut;
};

// The one game the source names. Throws Refusal: NotFound when there is no
// game, Ambiguous when several prefixes hold one, Usage for --prefix on
// Windows.
GameLocation LocateGame(const GameSource& source);

// True when the path names a folder. Linux takes a path as given, for
// every look-up and every open alike: a backslash there is a character of a
// name like any other. Throws Refusal (FileError) on Linux when the path
// cannot be looked at, as under a folder that cannot be searched: that is
// not the same as no folder there.
bool FolderExists(const std::string& path);

// Every entry of the data folder, as the dialog's neighbourhood search
// sees it; false when the folder cannot be listed.
bool ForEachDataFolderEntry(const std::string& dataFolder, const gamedata::EntryVisitor& visit);

// The file or folder at a path below the data folder (parts separated by
// backslashes, as the core builds them), when it exists. Linux matches
// every part without regard to case, as Wine does, and throws Refusal
// (FileError) naming a folder on the way that cannot be looked in; Windows
// finds it as the dialog does.
std::optional<std::string> FindInDataFolder(const std::string& dataFolder,
                                            const std::string& relative);

// Many files of one folder found by name, as FindInDataFolder finds one:
// Linux lists the folder once, not once a name, and matches each name
// without regard to case, throwing as FindInDataFolder throws; Windows
// joins each name as the dialog does.
class FolderFiles {
public:
    explicit FolderFiles(std::string folder);
    std::optional<std::string> Find(const std::string& name) const;

private:
#ifdef _WIN32
    std::string folder_;
#else
    finder::CaseBlindFolder listing_;
#endif
};

}  // namespace cli
