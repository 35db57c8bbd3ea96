#include <windows.h>

#include <string>

#include "common/unique_handle.h"
#include "gamedata/game_registry.h"

namespace gamedata {
namespace {

constexpr char kGameKey[] = "Software\\Maxis\\The Sims";

// A value that grows between the size query and the read is read again with
// the new size; a value that keeps changing this often is given up on.
constexpr int kReadAttempts = 4;

using RegistryKey = UniqueHandle<HKEY, &RegCloseKey>;

// Query-only access. Built as a 32-bit program, this sees the same registry
// view as the 32-bit game (WOW6432Node on 64-bit Windows).
RegistryKey OpenForQuery(HKEY root, const char* subKey) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return RegistryKey();
    }
    return RegistryKey(key);
}

std::optional<std::string> ReadWholeValue(HKEY key, const char* valueName) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        DWORD size = 0;
        if (RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        // For text values the size asked for first may be larger than the
        // bytes finally delivered; only the count the read returns is kept.
        std::string bytes(size, '\0');
        DWORD read = size;
        const LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr,
                                             reinterpret_cast<BYTE*>(bytes.data()), &read);
        if (status == ERROR_SUCCESS && read <= size) {
            bytes.resize(read);
            return bytes;
        }
        if (status != ERROR_MORE_DATA) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> QueryGameValue(const char* valueName) {
    const RegistryKey key = OpenForQuery(HKEY_LOCAL_MACHINE, kGameKey);
    if (!key) {
        return std::nullopt;
    }
    return ReadWholeValue(key.Get(), valueName);
}

}  // namespace gamedata
