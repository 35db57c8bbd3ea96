#include "tests/ui/idle_script.h"

#include <gtest/gtest.h>

#include "framework/dialog.h"

namespace {

IdleScript* running = nullptr;

}  // namespace

IdleScript::IdleScript(std::vector<Step> steps)
    : steps_(std::move(steps)),
      hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, &IdleScript::AfterWindowProcedure, nullptr,
                              GetCurrentThreadId())) {
    EXPECT_TRUE(hook_) << "no window hook for the idle script";
    running = this;
}

IdleScript::~IdleScript() {
    running = nullptr;
}

LRESULT CALLBACK IdleScript::AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call.message == WM_KICKIDLE && running != nullptr) {
        running->RunNextStep(call.hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void IdleScript::RunNextStep(HWND dialog) {
    if (next_ == steps_.size()) {
        ADD_FAILURE() << "a dialog is still running after the last step";
        DestroyWindow(dialog);
        return;
    }
    steps_[next_++](dialog);
    // A step that only looks leaves the queue empty; this keeps the dialog's
    // loop turning so that the next idle pass, and the next step, come.
    PostMessageA(dialog, WM_NULL, 0, 0);
}
