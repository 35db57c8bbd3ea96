#include <windows.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "framework/handles.h"
#include "tests/support/game_key.h"

namespace test_support {
namespace {

constexpr char kMaxisKey[] = "Software\\Maxis";
constexpr char kGameKey[] = "Software\\Maxis\\The Sims";

using RegistryKey = UniqueHandle<HKEY, &RegCloseKey>;

// Empty when the key does not exist.
RegistryKey OpenKey(const char* path, REGSAM access) {
    HKEY key = nullptr;
    return RegistryKey(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}

// Empty when the key can be neither opened nor created.
RegistryKey CreateGameKey() {
    HKEY key = nullptr;
    return RegistryKey(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_SET_VALUE,
                                       nullptr, &key, nullptr) == ERROR_SUCCESS
                           ? key
                           : nullptr);
}

bool StoreValue(HKEY key, const std::string& name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

std::vector<GameKey::StoredValue> ReadValues(HKEY key) {
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestBytes = 0;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                     &longestName, &longestBytes, nullptr, nullptr);
    std::vector<GameKey::StoredValue> values;
    for (DWORD index = 0; index < count; ++index) {
        GameKey::StoredValue value{std::string(longestName + 1, '\0'), 0,
                                   std::string(longestBytes, '\0')};
        DWORD nameLength = longestName + 1;
        DWORD size = longestBytes;
        if (RegEnumValueA(key, index, value.name.data(), &nameLength, nullptr, &value.type,
                          reinterpret_cast<BYTE*>(value.bytes.data()), &size) == ERROR_SUCCESS) {
            value.name.resize(nameLength);
            value.bytes.resize(size);
            values.push_back(std::move(value));
        }
    }
    return values;
}

}  // namespace

GameKey::GameKey() {
    maxisExisted_ = static_cast<bool>(OpenKey(kMaxisKey, KEY_QUERY_VALUE));
    if (const RegistryKey game = OpenKey(kGameKey, KEY_QUERY_VALUE)) {
        gameExisted_ = true;
        valuesBefore_ = ReadValues(game.Get());
    }
    RemoveKey();
}

GameKey::~GameKey() {
    RemoveKey();
    if (gameExisted_) {
        if (const RegistryKey game = CreateGameKey()) {
            for (const StoredValue& value : valuesBefore_) {
                StoreValue(game.Get(), value.name, value.type, value.bytes);
            }
        }
    }
}

void GameKey::SetText(const char* name, const std::string& text) {
    SetTyped(name, REG_SZ, text + '\0');
}

void GameKey::SetBytes(const char* name, const std::string& bytes) {
    SetTyped(name, REG_BINARY, bytes);
}

void GameKey::SetTyped(const char* name, unsigned long type, const std::string& bytes) {
    const RegistryKey game = CreateGameKey();
    if (!game || !StoreValue(game.Get(), name, type, bytes)) {
        throw std::runtime_error(std::string("cannot set registry value ") + name);
    }
}

void GameKey::Remove(const char* name) {
    if (const RegistryKey game = OpenKey(kGameKey, KEY_SET_VALUE)) {
        RegDeleteValueA(game.Get(), name);
    }
}

// Keys go only when this object created them; "Maxis" only when nothing
// else is left in it either, which RegDeleteKeyA checks by refusing a key
// that still has subkeys.
void GameKey::RemoveKey() {
    if (const RegistryKey game = OpenKey(kGameKey, KEY_QUERY_VALUE | KEY_SET_VALUE)) {
        for (const StoredValue& value : ReadValues(game.Get())) {
            RegDeleteValueA(game.Get(), value.name.c_str());
        }
    }
    if (!gameExisted_) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
    }
    if (!maxisExisted_) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMaxisKey);
    }
}

}  // namespace test_support
