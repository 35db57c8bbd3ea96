#include "framework/window.h"

#include <commctrl.h>

#include <exception>
#include <vector>

#include "framework/message_box.h"
#include "framework/resources.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool IsColourRequest(UINT message) {
    switch (message) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

CWnd::~CWnd() {
    UnsubclassWindow();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    DWORD_PTR object = 0;
    if (hwnd == nullptr || !GetWindowSubclass(hwnd, &CWnd::Bridge, kSubclassId, &object)) {
        return nullptr;
    }
    return reinterpret_cast<CWnd*>(object);
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (hwnd_ != nullptr || !IsWindow(hwnd) || FromHandle(hwnd) != nullptr) {
        return false;
    }
    hwnd_ = hwnd;
    try {
        PreSubclassWindow();
    } catch (...) {
        hwnd_ = nullptr;
        throw;
    }
    if (!SetWindowSubclass(hwnd, &CWnd::Bridge, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        hwnd_ = nullptr;
        return false;
    }
    return true;
}

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) {
    return SubclassWindow(GetDlgItem(parent.GetSafeHwnd(), id));
}

bool CWnd::CreateEx(DWORD exStyle, const char* className, DWORD style, HWND owner) {
    if (hwnd_ != nullptr) {
        return false;
    }
    HWND hwnd =
        CreateWindowExA(exStyle, className, nullptr, style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, ResourceModule(), nullptr);
    if (hwnd == nullptr) {
        return false;
    }
    if (!SubclassWindow(hwnd)) {
        ::DestroyWindow(hwnd);
        return false;
    }
    return true;
}

void CWnd::UnsubclassWindow() {
    if (hwnd_ != nullptr) {
        RemoveWindowSubclass(hwnd_, &CWnd::Bridge, kSubclassId);
        hwnd_ = nullptr;
    }
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
}

DWORD CWnd::HelpContext() const {
    return 0;
}

void CWnd::PreSubclassWindow() {}

LRESULT CWnd::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(hwnd_, message, wParam, lParam);
}

void CWnd::Post(UINT message, WPARAM wParam, LPARAM lParam) const {
    PostMessageA(hwnd_, message, wParam, lParam);
}

std::string CWnd::Text() const {
    return WindowText(hwnd_);
}

void CWnd::SetText(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

void CWnd::SetIcon(HICON icon, bool big) {
    Send(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

int CWnd::ShowMessage(const std::string& text, const std::string& caption, UINT flags) const {
    return ShowMessageBox({hwnd_, text, caption, flags});
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Dispatch(message, wParam, lParam, result)) {
        return result;
    }
    return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const MessageEntry* entry = GetMessageTable().Find(MessageKey::ForReflected(message));
    if (entry == nullptr) {
        return false;
    }
    result = (this->*std::get<MessageHandler>(entry->handler))(wParam, lParam);
    return true;
}

LRESULT CWnd::Default() {
    return DefSubclassProc(hwnd_, current_.message, current_.wParam, current_.lParam);
}

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_COMMAND) {
        return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
    }
    if (message == WM_NOTIFY) {
        NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        const MessageEntry* entry = GetMessageTable().Find(
            MessageKey::ForNotify(static_cast<UINT>(header.idFrom), header.code));
        if (entry == nullptr) {
            return false;
        }
        result = (this->*std::get<NotifyHandler>(entry->handler))(header);
        return true;
    }
    if (IsColourRequest(message)) {
        CWnd* child = FromHandle(reinterpret_cast<HWND>(lParam));
        if (child != nullptr && child != this &&
            child->TakeReflected(message, wParam, lParam, result)) {
            return true;
        }
    }
    const MessageEntry* entry = GetMessageTable().Find(MessageKey::ForMessage(message));
    if (entry == nullptr) {
        return false;
    }
    result = (this->*std::get<MessageHandler>(entry->handler))(wParam, lParam);
    return true;
}

bool CWnd::TakeReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const Dispatched outer = current_;
    current_ = {message, wParam, lParam};
    try {
        const bool handled = OnChildNotify(message, wParam, lParam, result);
        current_ = outer;
        return handled;
    } catch (...) {
        current_ = outer;
        throw;
    }
}

LRESULT CALLBACK CWnd::Bridge(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR object) {
    CWnd& window = *reinterpret_cast<CWnd*>(object);
    if (message == WM_NCDESTROY) {
        window.UnsubclassWindow();
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    const Dispatched outer = window.current_;
    window.current_ = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        result = window.WindowProc(message, wParam, lParam);
    } catch (...) {
        ReportCurrentException();
    }
    window.current_ = outer;
    return result;
}

std::string WindowText(HWND hwnd) {
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1);
    const int length = GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), static_cast<std::size_t>(length > 0 ? length : 0));
}

void ReportCurrentException() {
    std::string text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "An unexpected error occurred.";
    }
    // Owned by the active window, so the window behind the error cannot be
    // used while the error is on screen.
    ShowMessageBox({GetActiveWindow(), text, ApplicationTitle(), MB_OK | MB_ICONSTOP});
}
