#pragma once

#include <string>

namespace gamedata_test {

// The game's registry key as a test sets it up. Natively it fills the
// stand-in registry; on Windows it writes the real key
// HKLM\Software\Maxis\The Sims (the view a 32-bit program sees), so the same
// tests check the real registry reads. Starts empty, removed when it goes.
class GameKey {
public:
    GameKey();
    ~GameKey();
    GameKey(const GameKey&) = delete;
    GameKey& operator=(const GameKey&) = delete;

    // Stored as raw bytes (REG_BINARY on Windows), exactly as given.
    void SetBytes(const char* name, const std::string& bytes);
#ifdef _WIN32
    void SetTyped(const char* name, unsigned long type, const std::string& bytes);
#endif
    void Remove(const char* name);
    // As if the game had never been installed.
    void RemoveKey();
};

}  // namespace gamedata_test
