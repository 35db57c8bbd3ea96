#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "framework/handles.h"

// Drives modal dialogs from inside their own loops. Each step runs right
// after a dialog has finished an idle pass, so every command update of that
// pass has been applied, and receives that dialog's window; the steps do what
// a user would (post keys, click buttons) and check what the user would see.
// When the steps are used up while a dialog still runs, the script fails the
// test and destroys that dialog's window, so a broken dialog cannot hang the run.
class IdleScript {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit IdleScript(std::vector<Step> steps);
    ~IdleScript();
    IdleScript(const IdleScript&) = delete;
    IdleScript& operator=(const IdleScript&) = delete;

    std::size_t StepsRun() const { return next_; }

private:
    static LRESULT CALLBACK AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam);
    void RunNextStep(HWND dialog);

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    UniqueHandle<HHOOK, &UnhookWindowsHookEx> hook_;
};
