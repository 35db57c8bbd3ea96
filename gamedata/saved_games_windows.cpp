#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include "common/unique_handle.h"
#include "gamedata/ansi_text.h"
#include "gamedata/saved_games.h"

namespace gamedata {
namespace {

using ShellText = UniqueHandle<PWSTR, &CoTaskMemFree>;

std::optional<std::wstring> KnownSavedGamesFolder() {
    PWSTR path = nullptr;
    // No KF_FLAG_CREATE: the program only looks, it never makes folders.
    const HRESULT result = SHGetKnownFolderPath(FOLDERID_SavedGames, 0, nullptr, &path);
    // The caller frees the text whether the call succeeded or not.
    const ShellText owned(path);
    if (FAILED(result) || path == nullptr) {
        return std::nullopt;
    }
    return std::wstring(path);
}

std::optional<std::wstring> ProfileSavedGamesFolder() {
    const DWORD size = GetEnvironmentVariableW(L"USERPROFILE", nullptr, 0);
    if (size == 0) {
        return std::nullopt;
    }
    std::wstring profile(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", profile.data(), size);
    // An empty profile would make a path from the root of the current drive.
    if (length == 0 || length >= size) {
        return std::nullopt;
    }
    profile.resize(length);
    return profile + L"\\Saved Games";
}

}  // namespace

std::optional<std::string> SavedGamesFolder() {
    std::optional<std::wstring> folder = KnownSavedGamesFolder();
    if (!folder) {
        folder = ProfileSavedGamesFolder();
    }
    if (!folder) {
        return std::nullopt;
    }
    return WideToAnsiExactly(*folder, GetACP());
}

}  // namespace gamedata
