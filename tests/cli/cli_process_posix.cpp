#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "tests/cli/cli_process.h"
#include "tests/support/test_files.h"

namespace cli_test {
namespace {

// Far beyond any run of the program on a test's folder: a run that takes
// longer is hanging (on a FIFO, say), and the test must go on to say so.
constexpr std::chrono::seconds kDeadline{30};

// nobody and nogroup on Debian and most other systems.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

bool RunningAsRoot() {
    return geteuid() == 0;
}

// In the child: why it could not run the program, on the run's standard
// error, for a failing test to show. No allocation between fork and exec.
[[noreturn]] void ExitTelling(const char* what, int code) {
    const char* reason = std::strerror(errno);
    for (const char* part : {what, ": ", reason, "\n"}) {
        [[maybe_unused]] const ssize_t told = write(2, part, std::strlen(part));
    }
    _exit(code);
}

// In the child, before exec: the group first, while the rights to change
// it are still held.
bool DropToUnprivilegedUser() {
    return setgroups(0, nullptr) == 0 && setgid(kUnprivilegedGroup) == 0 &&
           setuid(kUnprivilegedUser) == 0;
}

// The child's exit status, or nothing when it was still running at the
// deadline and had to be stopped.
std::optional<int> WaitWithDeadline(pid_t child) {
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    int status = 0;
    for (;;) {
        const pid_t ended = waitpid(child, &status, WNOHANG);
        if (ended == child) {
            return status;
        }
        if (ended < 0 || std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

// The child's output goes to files rather than pipes, so that neither
// stream can fill up and stall it while the other is read.
CliOutcome Run(const std::string& program, const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment, Output output,
               Rights rights) {
    const test_support::TempFolder outputs;
    const std::string outPath = outputs.File("out");
    const std::string errPath = outputs.File("err");
    std::vector<std::string> variables = {"LC_ALL=C.UTF-8"};
    for (const auto& [name, value] : environment) {
        variables.push_back(name + "=" + value);
    }
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& variable : variables) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);

    const pid_t child = fork();
    if (child < 0) {
        throw std::runtime_error("fork failed");
    }
    if (child == 0) {
        const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) {
            _exit(126);
        }
        if (output == Output::Closed) {
            close(1);
        } else if (output == Output::Full) {
            const int full = open("/dev/full", O_WRONLY);
            if (full < 0 || dup2(full, 1) < 0) {
                _exit(126);
            }
        }
        const bool dropRights = rights == Rights::Unprivileged && RunningAsRoot();
        if (dropRights && !DropToUnprivilegedUser()) {
            ExitTelling("cannot drop to an unprivileged user", 126);
        }
        execve(program.c_str(), argv.data(), envp.data());
        ExitTelling("cannot start the program", 127);
    }
    const std::optional<int> status = WaitWithDeadline(child);
    if (!status) {
        return {-1, test_support::ReadBytes(outPath).value_or(""),
                "still running after " + std::to_string(kDeadline.count()) + " s: stopped"};
    }
    if (!WIFEXITED(*status)) {
        throw std::runtime_error(program + " did not end by itself");
    }
    return {WEXITSTATUS(*status), test_support::ReadBytes(outPath).value_or(""),
            test_support::ReadBytes(errPath).value_or("")};
}

}  // namespace

CliOutcome RunCli(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment, Output output,
                  Rights rights) {
    return Run(LOTWARDEN_CLI, arguments, environment, output, rights);
}

void HandToUnprivilegedUser(const std::filesystem::path& tree) {
    if (!RunningAsRoot()) {
        return;
    }
    const auto give = [](const std::filesystem::path& path) {
        if (lchown(path.c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0) {
            throw std::runtime_error("cannot give " + path.string() + " to user " +
                                     std::to_string(kUnprivilegedUser));
        }
    };
    give(tree);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
        give(entry.path());
    }
}

void MakeGameFolder(const std::vector<std::string>& arguments) {
    const CliOutcome outcome = Run(MAKE_GAME_FOLDER, arguments, {}, Output::File, Rights::Tests);
    if (outcome.exitCode != 0) {
        throw std::runtime_error("make-game-folder failed: " + outcome.err);
    }
}

}  // namespace cli_test
