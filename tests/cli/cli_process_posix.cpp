#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/cli/cli_process.h"
#include "tests/support/test_files.h"

namespace cli_test {
namespace {

// The child's output goes to files rather than pipes, so that neither
// stream can fill up and stall it while the other is read.
CliOutcome Run(const std::string& program, const std::vector<std::string>& arguments,
               const std::map<std::string, std::string>& environment) {
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
        execve(program.c_str(), argv.data(), envp.data());
        _exit(127);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        throw std::runtime_error(program + " did not end by itself");
    }
    return {WEXITSTATUS(status), test_support::ReadBytes(outPath).value_or(""),
            test_support::ReadBytes(errPath).value_or("")};
}

}  // namespace

CliOutcome RunCli(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment) {
    return Run(LOTWARDEN_CLI, arguments, environment);
}

void MakeGameFolder(const std::vector<std::string>& arguments) {
    const CliOutcome outcome = Run(MAKE_GAME_FOLDER, arguments, {});
    if (outcome.exitCode != 0) {
        throw std::runtime_error("make-game-folder failed: " + outcome.err);
    }
}

}  // namespace cli_test
