#include "tests/e2e/program_window.h"

#include <stdexcept>

namespace e2e {
namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& exePath) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exePath + "\"";
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        throw std::runtime_error("cannot start " + exePath);
    }
}

RunningProgram::~RunningProgram() {
    // A test that failed half-way must not leave the program running.
    if (!HasEnded()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

std::vector<HWND> RunningProgram::VisibleWindows() const {
    WindowSearch search{process_.dwProcessId, {}};
    EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND RunningProgram::WaitForWindow(const char* caption, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        for (HWND window : VisibleWindows()) {
            char text[256] = {};
            GetWindowTextA(window, text, sizeof text);
            if (std::string(text) == caption) {
                return window;
            }
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool RunningProgram::WaitForExit(DWORD timeoutMs, DWORD* exitCode) const {
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        return false;
    }
    GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

bool RunningProgram::HasEnded() const {
    return WaitForSingleObject(process_.hProcess, 0) != WAIT_TIMEOUT;
}

std::string ExeBesideThisOne(const char* fileName) {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.rfind('\\') + 1) + fileName;
}

}  // namespace e2e
