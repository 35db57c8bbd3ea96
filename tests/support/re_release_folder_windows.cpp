#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <stdexcept>

#include "common/unique_handle.h"
#include "tests/support/re_release_folder.h"

namespace test_support {
namespace {

using ShellText = UniqueHandle<PWSTR, &CoTaskMemFree>;

// The test's own call, not the program's: a program that looked in another
// folder must not find the one made here. Created if the prefix lacks it.
std::filesystem::path KnownSavedGamesFolder() {
    PWSTR path = nullptr;
    const HRESULT result =
        SHGetKnownFolderPath(FOLDERID_SavedGames, KF_FLAG_CREATE, nullptr, &path);
    const ShellText owned(path);
    if (FAILED(result) || path == nullptr) {
        throw std::runtime_error("no Saved Games folder");
    }
    return std::filesystem::path(path);
}

}  // namespace

ReReleaseFolder::ReReleaseFolder()
    : savedGames_(KnownSavedGamesFolder()),
      vendorFolder_(savedGames_ / "Electronic Arts"),
      folder_(vendorFolder_ / "The Sims 25") {
    if (std::filesystem::exists(folder_)) {
        throw std::runtime_error(folder_.string() + " is there already; a test leaves it alone");
    }
}

ReReleaseFolder::~ReReleaseFolder() {
    RemoveWhatWasMade();
}

}  // namespace test_support
