#include <windows.h>

#include <stdexcept>
#include <utility>

#include "tests/gamedata/game_key.h"

namespace gamedata_test {
namespace {

constexpr char kMaxisKey[] = "Software\\Maxis";
constexpr char kGameKey[] = "Software\\Maxis\\The Sims";

class WritableKey {
public:
    WritableKey() {
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kGameKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key_, nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create the game's registry key");
        }
    }
    ~WritableKey() { RegCloseKey(key_); }
    WritableKey(const WritableKey&) = delete;
    WritableKey& operator=(const WritableKey&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

GameKey::GameKey() {
    RemoveKey();
}

GameKey::~GameKey() {
    RemoveKey();
}

void GameKey::SetBytes(const char* name, const std::string& bytes) {
    SetTyped(name, REG_BINARY, bytes);
}

void GameKey::SetTyped(const char* name, unsigned long type, const std::string& bytes) {
    const WritableKey key;
    if (RegSetValueExA(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS) {
        throw std::runtime_error(std::string("cannot set registry value ") + name);
    }
}

void GameKey::Remove(const char* name) {
    const WritableKey key;
    RegDeleteValueA(key.get(), name);
}

// "Maxis" goes too when nothing else is left in it; RegDeleteKeyA refuses a
// key that still has subkeys.
void GameKey::RemoveKey() {
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMaxisKey);
}

}  // namespace gamedata_test
