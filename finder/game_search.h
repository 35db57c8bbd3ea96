#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "gamedata/data_folder_choice.h"

// Finding the game from Linux: inside Wine and Proton prefixes, whose
// registry is a text file and whose file system ignores letter case.
// Every path here is a native path; every finder takes its root as a
// parameter, so a test can lay out a whole home folder in a temporary one.
namespace finder {

// A prefix's registry file that is there and cannot be read: a FIFO or a
// device in its place, its permissions, or a size far beyond any real one.
// The message names the file and the reason.
class UnreadableFile : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PrefixGame {
    std::string prefix;      // the folder holding drive_c and system.reg
    std::string dataFolder;  // native path of the data folder, the one holding UserData
    // The raw bytes of SIMS_CURRENT_NEIGHBORHOOD_NUM as the dialog would read
    // them (text as it is, a dword or hex value as its bytes); nothing when
    // the key or value is missing. Text comes as UTF-8 with the terminating
    // zero the registry stores ("2" reads as "2\0"), as RegQueryValueExA
    // hands it over; gamedata's rules take text up to its first zero byte.
    std::optional<std::string> currentNeighbourhoodBytes;
    // Set when SIMS_DATA's folder and the re-release's both held saves: the
    // one not taken, and why.
    std::optional<gamedata::LeftOutFolder> leftOut;
};

// A folder holding drive_c and system.reg.
bool IsWinePrefix(const std::string& folder);

// The prefix folder itself, or a Proton compatdata/<id> folder whose "pfx"
// is one. The game in it, chosen by the Windows program's rule
// (gamedata::ChooseDataFolder) between SIMS_DATA from system.reg (the
// Wow6432Node key in a 64-bit prefix, the plain key in a #arch=win32 one),
// its drive mapped through dosdevices/<drive>:, the rest matched without
// regard to case, and the re-release's folder under
// drive_c/users/<user>/Saved Games, for the one user that has it. Nothing
// when the folder is no prefix or holds no game.
// A SIMS_DATA that is readable (up to 1024 bytes) and maps to a drive is the
// game even when its folder is missing, as for the Windows program: the
// parts not found are appended as written. One without a drive letter or on
// an unmapped drive counts as missing. Should several users have the
// re-release's folder, the first user name by byte order wins. The
// registry file is read once, its lines streamed, up to 64 MiB; one that
// cannot be read throws UnreadableFile.
std::optional<PrefixGame> GameInPrefix(const std::string& folder);

struct GameSearch {
    std::vector<std::string> placesLooked;  // every prefix folder looked in
    std::vector<PrefixGame> games;          // one per distinct prefix that holds the game
};

// Looks in winePrefix (the caller passes $WINEPREFIX, or home/.wine when it
// is unset; compatdata/<id> stands for its pfx), in steamapps/compatdata/*/pfx
// of every Steam library (Steam's folders under home, Debian's, the
// Flatpak's and the Snap's, and the absolute libraries their
// libraryfolders.vdf lists), and in every Wine prefix directly inside
// Heroic's, Lutris' and Bottles' folders. A folder reached by several paths
// counts once. Relative paths, a relative home included, are never looked
// in. A libraryfolders.vdf that is
// no regular file of at most 1 MiB is skipped, and so is a prefix whose
// registry file cannot be read.
GameSearch FindGames(const std::string& home, const std::string& winePrefix);

}  // namespace finder
