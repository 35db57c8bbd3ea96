#include "gamedata/game_registry_fake.h"
#include "tests/support/game_key.h"

namespace test_support {

// The stand-in registry lives in this process only: nothing to put back.
GameKey::GameKey() {
    gamedata::ClearFakeGameValues();
}

GameKey::~GameKey() {
    gamedata::ClearFakeGameValues();
}

void GameKey::SetText(const char* name, const std::string& text) {
    SetBytes(name, text + '\0');
}

void GameKey::SetBytes(const char* name, const std::string& bytes) {
    gamedata::SetFakeGameValue(name, bytes);
}

void GameKey::Remove(const char* name) {
    gamedata::SetFakeGameValue(name, std::nullopt);
}

void GameKey::RemoveKey() {
    gamedata::ClearFakeGameValues();
}

}  // namespace test_support
