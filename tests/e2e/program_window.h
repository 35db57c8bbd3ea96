#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The program started as a process of its own, seen from outside the way a
// user's tools see it: through its windows only.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& exePath);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The process's visible top-level windows, in z-order.
    std::vector<HWND> VisibleWindows() const;
    // The top-level window with this caption that belongs to the process,
    // or null when none appears in time.
    HWND WaitForWindow(const char* caption, DWORD timeoutMs) const;
    // True when the process ended within the time; its exit code then.
    bool WaitForExit(DWORD timeoutMs, DWORD* exitCode) const;
    bool HasEnded() const;
    HANDLE Process() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
};

// Where the program sits: beside this test executable.
std::string ExeBesideThisOne(const char* fileName);

}  // namespace e2e
