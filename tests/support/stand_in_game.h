#pragma once

#include "tests/support/test_files.h"

namespace test_support {

// A process named Sims.exe, as the game's own would be, for as long as the
// object lives: a copy of a program at hand, in a folder of its own, ended
// and waited for when the object goes. Windows: this test program, started
// suspended so that none of it runs. Elsewhere: /bin/sleep for a minute,
// whose process takes its name from the copy. Throws when it cannot start.
class StandInGame {
public:
    StandInGame();
    ~StandInGame();
    StandInGame(const StandInGame&) = delete;
    StandInGame& operator=(const StandInGame&) = delete;

private:
    TempFolder folder_;
#ifdef _WIN32
    void* process_ = nullptr;
#else
    int process_ = -1;
#endif
};

}  // namespace test_support
