#pragma once

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/e2e/program_window.h"
#include "tests/support/list_view.h"

namespace e2e {

// How long the program may take over any one thing a test asks of it. A
// hung program fails the test at this deadline instead of stalling the run.
constexpr DWORD kDeadlineMs = 30000;

// Polls until the condition holds or the deadline passes; the program runs
// in its own process, so there is nothing to wait on directly.
template <class Condition>
bool Eventually(Condition condition, DWORD timeoutMs = kDeadlineMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(10);
    }
    return true;
}

// A message box as the user saw it.
struct ShownMessage {
    std::string caption;
    std::string text;

    bool operator==(const ShownMessage& other) const {
        return caption == other.caption && text == other.text;
    }
};
std::ostream& operator<<(std::ostream& out, const ShownMessage& message);

// The program's two messages about the user's data.
ShownMessage FileNotFound(const std::string& path);
ShownMessage BadInput();

// Lotwarden.exe, started beside this test and used as a user uses it: every
// message box it shows is read and answered with OK, and each action
// returns once the program has finished with it. An action that the
// program does not finish by the deadline returns false.
class LotwardenSession {
public:
    LotwardenSession();

    // Until the main window shows, its table filled.
    [[nodiscard]] bool Start();
    // The message boxes answered since the last call, in order.
    std::vector<ShownMessage> TakeMessages();

    HWND Dialog() const { return dialog_; }
    HWND Control(int id) const { return GetDlgItem(dialog_, id); }
    std::vector<test_support::ListRow> Rows() const;
    std::vector<std::string> ChooserEntries() const;
    std::string ChooserSelection() const;
    std::string DaysText() const;

    // Picks the neighbourhood's label in the chooser, as a click does.
    [[nodiscard]] bool Choose(const std::string& label);
    // Selects the table row showing the family.
    [[nodiscard]] bool SelectFamily(const std::string& family);
    // Replaces the days box's text key by key.
    [[nodiscard]] bool Type(const std::string& text);
    // Presses Update Days once the idle pass has enabled it.
    [[nodiscard]] bool UpdateDays();
    // Ends the program with Exit, or with Enter in the days box; true when
    // it ended, with exit code 0.
    [[nodiscard]] bool Exit();
    [[nodiscard]] bool PressEnter();

private:
    bool IsMainWindow(HWND window) const;
    void AnswerMessageBoxes();
    bool SendAnswering(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool EndsCleanly();

    RunningProgram program_;
    HWND dialog_ = nullptr;
    std::vector<ShownMessage> messages_;
};

}  // namespace e2e
