#include "gamedata/game_registry_fake.h"
#include "tests/gamedata/game_key.h"

namespace gamedata_test {

GameKey::GameKey() {
    gamedata::ClearFakeGameValues();
}

GameKey::~GameKey() {
    gamedata::ClearFakeGameValues();
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

}  // namespace gamedata_test
