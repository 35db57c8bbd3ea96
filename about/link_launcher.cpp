#include "about/link_launcher.h"

#include <shellapi.h>

#include <utility>

namespace {

LinkLauncher& Launcher() {
    static LinkLauncher launcher{
        [](const std::string& target, int showCommand) {
            return reinterpret_cast<INT_PTR>(
                ShellExecuteA(nullptr, "open", target.c_str(), nullptr, nullptr, showCommand));
        },
        [](const std::string& commandLine, int showCommand) {
            return WinExec(commandLine.c_str(), static_cast<UINT>(showCommand));
        },
        [](UINT soundType) { MessageBeep(soundType); },
    };
    return launcher;
}

}  // namespace

const LinkLauncher& CurrentLinkLauncher() {
    return Launcher();
}

ScopedLinkLauncher::ScopedLinkLauncher(LinkLauncher launcher)
    : previous_(std::exchange(Launcher(), std::move(launcher))) {}

ScopedLinkLauncher::~ScopedLinkLauncher() {
    Launcher() = std::move(previous_);
}
