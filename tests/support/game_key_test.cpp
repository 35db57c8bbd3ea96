// What a test's GameKey leaves behind in the real registry, with and
// without the game (or another Maxis game) installed. The machine's own
// keys stay out of reach behind a stand-in for HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "framework/handles.h"
#include "gamedata/game_registry.h"
#include "tests/support/game_key.h"

namespace test_support {
namespace {

using namespace std::string_literals;

constexpr char kMaxisKey[] = "Software\\Maxis";
constexpr char kGameKey[] = "Software\\Maxis\\The Sims";
constexpr char kExpansionKey[] = "Software\\Maxis\\The Sims\\Expansion";
constexpr char kOtherGameKey[] = "Software\\Maxis\\SimCity";

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// The type and bytes of a value of the game's key; nothing when absent.
std::optional<std::pair<DWORD, std::string>> GameKeyValue(const char* name) {
    DWORD type = 0;
    DWORD size = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kGameKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::string bytes(size, '\0');
    RegGetValueA(HKEY_LOCAL_MACHINE, kGameKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, bytes.data(),
                 &size);
    bytes.resize(size);
    return std::make_pair(type, bytes);
}

// Points this process's HKEY_LOCAL_MACHINE at a fresh key of its own under
// HKEY_CURRENT_USER while it lives, so a test can play installed games
// without touching the machine's registry.
class StandInMachineKey {
public:
    StandInMachineKey() {
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, &disposition) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create " + path_);
        }
        key_.Reset(key);
        if (disposition != REG_CREATED_NEW_KEY) {
            throw std::runtime_error(path_ + " is already there");
        }
        if (RegOverridePredefKey(HKEY_LOCAL_MACHINE, key) != ERROR_SUCCESS) {
            Remove();
            throw std::runtime_error("cannot stand in for HKEY_LOCAL_MACHINE");
        }
    }
    ~StandInMachineKey() {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        Remove();
    }
    StandInMachineKey(const StandInMachineKey&) = delete;
    StandInMachineKey& operator=(const StandInMachineKey&) = delete;

private:
    void Remove() {
        key_.Reset();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }

    const std::string path_ =
        "Software\\Lotwarden test machine " + std::to_string(GetCurrentProcessId());
    UniqueHandle<HKEY, &RegCloseKey> key_;
};

class GameKeyTest : public testing::Test {
protected:
    static void Install(const char* path) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    static void InstallValue(const char* name, DWORD type, const std::string& bytes) {
        ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kGameKey, name, type, bytes.data(),
                                  static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }

private:
    StandInMachineKey machine_;
};

TEST_F(GameKeyTest, TestSeesNoValuesAndTheGamesComeBackAsTheyWere) {
    InstallValue("SIMS_DATA", REG_SZ, "C:\\Installed\0"s);
    InstallValue("Build", REG_DWORD, "\x07\0\0\0"s);
    {
        GameKey key;
        EXPECT_EQ(gamedata::QueryGameValue("SIMS_DATA"), std::nullopt);
        EXPECT_EQ(gamedata::QueryGameValue("Build"), std::nullopt);
        key.SetText("SIMS_DATA", "D:\\Test");
        key.SetBytes("TEST_ONLY", "x");
        EXPECT_EQ(gamedata::QueryGameValue("SIMS_DATA"), "D:\\Test\0"s);
    }
    EXPECT_EQ(GameKeyValue("SIMS_DATA"), std::make_pair(DWORD{REG_SZ}, "C:\\Installed\0"s));
    EXPECT_EQ(GameKeyValue("Build"), std::make_pair(DWORD{REG_DWORD}, "\x07\0\0\0"s));
    EXPECT_EQ(GameKeyValue("TEST_ONLY"), std::nullopt);
}

TEST_F(GameKeyTest, NeverInstalledEmptiesTheKeyButDeletesNoKeyOfTheGames) {
    Install(kExpansionKey);
    Install(kOtherGameKey);
    InstallValue("SIMS_DATA", REG_SZ, "C:\\Installed\0"s);
    {
        GameKey key;
        key.SetText("SIMS_DATA", "D:\\Test");
        key.RemoveKey();
        EXPECT_EQ(gamedata::QueryGameValue("SIMS_DATA"), std::nullopt);
        EXPECT_TRUE(KeyExists(kExpansionKey));
    }
    EXPECT_TRUE(KeyExists(kExpansionKey));
    EXPECT_TRUE(KeyExists(kOtherGameKey));
    EXPECT_EQ(GameKeyValue("SIMS_DATA"), std::make_pair(DWORD{REG_SZ}, "C:\\Installed\0"s));
}

TEST_F(GameKeyTest, KeysItCreatedGoAndAnotherGamesStay) {
    Install(kOtherGameKey);
    {
        GameKey key;
        key.SetText("SIMS_DATA", "D:\\Test");
        EXPECT_TRUE(KeyExists(kGameKey));
    }
    EXPECT_FALSE(KeyExists(kGameKey));
    EXPECT_TRUE(KeyExists(kOtherGameKey));
}

TEST_F(GameKeyTest, OnAMachineWithoutMaxisNothingIsLeft) {
    {
        GameKey key;
        key.SetText("SIMS_DATA", "D:\\Test");
        EXPECT_EQ(gamedata::QueryGameValue("SIMS_DATA"), "D:\\Test\0"s);
    }
    EXPECT_FALSE(KeyExists(kMaxisKey));
}

}  // namespace
}  // namespace test_support
