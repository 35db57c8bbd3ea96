#include "framework/dialog.h"

namespace {

// The system's caret blink timer.
constexpr UINT WM_SYSTIMER = 0x0118;

}  // namespace

bool IsIdleTrigger(const MSG& msg) {
    switch (msg.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        case WM_PAINT:
        case WM_SYSTIMER:
            return false;
        default:
            return true;
    }
}

void CDialog::RunModalLoop() {
    // A template without WS_VISIBLE is shown once the dialog first goes idle,
    // after its initialisation has settled.
    bool showOnIdle = !IsWindowVisible(GetSafeHwnd());
    bool idle = true;
    LPARAM idleCount = 0;
    MSG msg{};
    while (modal_ && GetSafeHwnd() != nullptr) {
        if (idle && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (showOnIdle) {
                ShowWindow(GetSafeHwnd(), SW_SHOWNORMAL);
                UpdateWindow(GetSafeHwnd());
                showOnIdle = false;
            }
            idle = Send(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++) != 0;
            continue;
        }
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == -1) {
            return;
        }
        if (got == 0) {
            // The quit request belongs to whoever runs the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!PreTranslateFromTarget(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (IsIdleTrigger(msg)) {
            idle = true;
            idleCount = 0;
        }
    }
}

bool CDialog::PreTranslateFromTarget(MSG& msg) {
    for (HWND hwnd = msg.hwnd; hwnd != nullptr; hwnd = GetParent(hwnd)) {
        CWnd* window = FromHandle(hwnd);
        if (window != nullptr && window->PreTranslateMessage(msg)) {
            return true;
        }
        if (hwnd == GetSafeHwnd()) {
            break;
        }
    }
    return false;
}
