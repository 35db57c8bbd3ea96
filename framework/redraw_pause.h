#pragma once

#include <windows.h>

#include "framework/window.h"

// Keeps a window from redrawing for as long as it lives, then has it
// redrawn whole. A list view filled row by row otherwise works out what to
// repaint after every single change, shown on screen or not, which costs
// far more than the filling itself.
class CRedrawPause {
public:
    explicit CRedrawPause(const CWnd& window) : window_(window) {
        window_.Send(WM_SETREDRAW, FALSE);
    }
    ~CRedrawPause() {
        window_.Send(WM_SETREDRAW, TRUE);
        InvalidateRect(window_.GetSafeHwnd(), nullptr, TRUE);
    }
    CRedrawPause(const CRedrawPause&) = delete;
    CRedrawPause& operator=(const CRedrawPause&) = delete;

private:
    const CWnd& window_;
};
