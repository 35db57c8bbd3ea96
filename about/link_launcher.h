#pragma once

#include <windows.h>

#include <functional>
#include <string>

// What opening a link asks of the system: the shell's "open" of the target,
// the start of a command line, and the failure sound. Every link goes
// through here, so that tests can stand in for the system and nothing real
// is started.
struct LinkLauncher {
    // ShellExecuteA's result: above 32 for success.
    std::function<INT_PTR(const std::string& target, int showCommand)> shellOpen;
    // WinExec's result: above 32 for success.
    std::function<UINT(const std::string& commandLine, int showCommand)> startProgram;
    std::function<void(UINT soundType)> beep;
};

const LinkLauncher& CurrentLinkLauncher();

// Replaces the launcher for as long as it lives.
class ScopedLinkLauncher {
public:
    explicit ScopedLinkLauncher(LinkLauncher launcher);
    ~ScopedLinkLauncher();
    ScopedLinkLauncher(const ScopedLinkLauncher&) = delete;
    ScopedLinkLauncher& operator=(const ScopedLinkLauncher&) = delete;

private:
    LinkLauncher previous_;
};
