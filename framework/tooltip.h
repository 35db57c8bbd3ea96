#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/window.h"

// A tooltip control the program creates for one of its windows. The tooltip
// is a popup, so the system destroys it together with its owner's top-level
// window; the object notices that, and destroys the tooltip itself only while
// it is still there. Without a window every operation does nothing.
class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override;

    // A plain popup tooltip owned by owner, with no further styles.
    bool Create(const CWnd& owner);
    void DestroyWindow();

    // A tool over area (in window's client coordinates) of window, known by
    // toolId, that shows text.
    bool AddTool(const CWnd& window, UINT toolId, const RECT& area, const std::string& text);
    void UpdateTipText(const CWnd& window, UINT toolId, const std::string& text);
    // A tool that is the whole of window, shown from window's own mouse
    // messages (the tooltip subclasses it), so nothing needs relaying.
    bool AddWindowTool(const CWnd& window, const std::string& text);
    void UpdateWindowToolText(const CWnd& window, const std::string& text);
    // Hands the tooltip a mouse message of one of its tools' windows, so it
    // knows when to show itself.
    void RelayEvent(const MSG& msg);
};

// The TOOLINFO size for common controls 6, which the program's manifest
// selects: the whole structure. Version 5, which a program without that
// manifest gets, refuses it.
constexpr UINT kToolInfoSize = sizeof(TOOLINFOA);
