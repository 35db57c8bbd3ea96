#include "gamedata/saved_games_fake.h"
#include "tests/support/re_release_folder.h"

namespace test_support {

ReReleaseFolder::ReReleaseFolder()
    : savedGames_(standIn_.path()),
      vendorFolder_(savedGames_ / "Electronic Arts"),
      folder_(vendorFolder_ / "The Sims 25") {
    gamedata::SetFakeSavedGamesFolder(savedGames_.string());
}

ReReleaseFolder::~ReReleaseFolder() {
    gamedata::SetFakeSavedGamesFolder(std::nullopt);
    RemoveWhatWasMade();
}

}  // namespace test_support
