#include <map>
#include <string>

#include "gamedata/game_registry.h"
#include "gamedata/game_registry_fake.h"

namespace gamedata {
namespace {

std::map<std::string, std::string>& FakeValues() {
    static std::map<std::string, std::string> values;
    return values;
}

}  // namespace

void SetFakeGameValue(const char* name, std::optional<std::string> bytes) {
    if (bytes) {
        FakeValues()[name] = std::move(*bytes);
    } else {
        FakeValues().erase(name);
    }
}

void ClearFakeGameValues() {
    FakeValues().clear();
}

std::optional<std::string> QueryGameValue(const char* valueName) {
    const auto found = FakeValues().find(valueName);
    if (found == FakeValues().end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace gamedata
