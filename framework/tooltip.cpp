#include "framework/tooltip.h"

namespace {

TOOLINFOA ToolInfo(const CWnd& window, UINT_PTR toolId, const std::string& text) {
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.hwnd = window.GetSafeHwnd();
    info.uId = toolId;
    // The control copies the text; it never writes through the pointer.
    info.lpszText = const_cast<char*>(text.c_str());
    return info;
}

}  // namespace

CToolTipCtrl::~CToolTipCtrl() {
    DestroyWindow();
}

bool CToolTipCtrl::Create(const CWnd& owner) {
    return CreateEx(0, TOOLTIPS_CLASSA, WS_POPUP, owner.GetSafeHwnd());
}

void CToolTipCtrl::DestroyWindow() {
    HWND hwnd = GetSafeHwnd();
    if (hwnd != nullptr) {
        UnsubclassWindow();
        ::DestroyWindow(hwnd);
    }
}

bool CToolTipCtrl::AddTool(const CWnd& window, UINT toolId, const RECT& area,
                           const std::string& text) {
    TOOLINFOA info = ToolInfo(window, toolId, text);
    info.rect = area;
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateTipText(const CWnd& window, UINT toolId, const std::string& text) {
    TOOLINFOA info = ToolInfo(window, toolId, text);
    Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

bool CToolTipCtrl::AddWindowTool(const CWnd& window, const std::string& text) {
    // A window tool names its window in uId and belongs to the window's parent.
    TOOLINFOA info = ToolInfo(window, reinterpret_cast<UINT_PTR>(window.GetSafeHwnd()), text);
    info.hwnd = GetParent(window.GetSafeHwnd());
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != FALSE;
}

void CToolTipCtrl::UpdateWindowToolText(const CWnd& window, const std::string& text) {
    TOOLINFOA info = ToolInfo(window, reinterpret_cast<UINT_PTR>(window.GetSafeHwnd()), text);
    info.hwnd = GetParent(window.GetSafeHwnd());
    Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void CToolTipCtrl::RelayEvent(const MSG& msg) {
    Send(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}
