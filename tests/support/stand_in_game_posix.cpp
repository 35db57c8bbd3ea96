#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "tests/support/stand_in_game.h"

namespace test_support {

StandInGame::StandInGame() {
    const std::string game = folder_.File("Sims.exe");
    std::filesystem::copy_file("/bin/sleep", game);
    std::filesystem::permissions(game, std::filesystem::perms::owner_all);
    // The pipe closes on a successful exec; until then the process still
    // has this program's name, and a look at it would find no game.
    int pipeEnds[2] = {-1, -1};
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe failed");
    }
    process_ = fork();
    if (process_ == 0) {
        // A minute at most, should this test die before it can end it. Its
        // first argument is no path to Sims.exe: only its name tells.
        execl(game.c_str(), "sleep", "60", static_cast<char*>(nullptr));
        // Only a failed exec comes back here: the parent reads why.
        const int error = errno;
        _exit(write(pipeEnds[1], &error, sizeof error) == sizeof error ? 127 : 126);
    }
    close(pipeEnds[1]);
    int error = 0;
    ssize_t got = -1;
    if (process_ > 0) {
        do {
            got = read(pipeEnds[0], &error, sizeof error);
        } while (got < 0 && errno == EINTR);
    }
    close(pipeEnds[0]);
    if (got != 0) {
        if (process_ > 0) {
            waitpid(process_, nullptr, 0);
        }
        throw std::runtime_error("cannot start " + game + ": " + std::to_string(error));
    }
}

StandInGame::~StandInGame() {
    kill(process_, SIGKILL);
    waitpid(process_, nullptr, 0);
}

}  // namespace test_support
