#include <utility>

#include "gamedata/saved_games.h"
#include "gamedata/saved_games_fake.h"

namespace gamedata {
namespace {

std::optional<std::string>& FakeFolder() {
    static std::optional<std::string> folder;
    return folder;
}

}  // namespace

void SetFakeSavedGamesFolder(std::optional<std::string> folder) {
    FakeFolder() = std::move(folder);
}

std::optional<std::string> SavedGamesFolder() {
    return FakeFolder();
}

}  // namespace gamedata
