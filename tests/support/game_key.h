#pragma once

#include <string>
#include <vector>

namespace test_support {

// The game's registry key as a test sets it up: empty while the test runs,
// as it was before once the object goes. Natively it fills the stand-in
// registry; on Windows it writes the real key HKLM\Software\Maxis\The Sims
// (the view a 32-bit program sees), so the same tests check the real
// registry reads. On a machine with the game installed the game's own
// values come back afterwards, and its keys are never deleted: there "never
// installed" leaves the key without values, which reads the same.
class GameKey {
public:
    GameKey();
    ~GameKey();
    GameKey(const GameKey&) = delete;
    GameKey& operator=(const GameKey&) = delete;

    // Text as the game writes it: with its terminating zero (REG_SZ on
    // Windows).
    void SetText(const char* name, const std::string& text);
    // Stored as raw bytes (REG_BINARY on Windows), exactly as given.
    void SetBytes(const char* name, const std::string& bytes);
#ifdef _WIN32
    void SetTyped(const char* name, unsigned long type, const std::string& bytes);
#endif
    void Remove(const char* name);
    // As if the game had never been installed.
    void RemoveKey();

#ifdef _WIN32
    // A value of the key as it stood before the test.
    struct StoredValue {
        std::string name;
        unsigned long type;
        std::string bytes;
    };

private:
    bool maxisExisted_ = false;
    bool gameExisted_ = false;
    std::vector<StoredValue> valuesBefore_;
#endif
};

}  // namespace test_support
