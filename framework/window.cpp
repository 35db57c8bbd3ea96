#include "framework/window.h"

#include <exception>
#include <unordered_map>
#include <vector>

#include "framework/message_box.h"
#include "framework/resources.h"

namespace {

// What the bridge keeps of each window it has taken over: the object (none
// once the object has let go while a procedure set after the bridge's still
// chains to it), and the procedure the window had before, with the
// character set it was set in. Kept here rather than in a window property:
// under Wine every property read is a round trip to the wine server, and
// the system's subclassing helpers read one several times per message,
// which made every message to a taken-over window fifty times as dear as
// to a plain one. The user-interface thread is the only one that touches
// this.
struct Attachment {
    CWnd* object;
    WNDPROC previous;
    bool unicode;
};

std::unordered_map<HWND, Attachment>& Attachments() {
    static std::unordered_map<HWND, Attachment> attachments;
    return attachments;
}

LRESULT CallProcedure(const Attachment& attachment, HWND hwnd, UINT message, WPARAM wParam,
                      LPARAM lParam) {
    return attachment.unicode ? CallWindowProcW(attachment.previous, hwnd, message, wParam, lParam)
                              : CallWindowProcA(attachment.previous, hwnd, message, wParam, lParam);
}

// The procedure is set and read in the window's own character set, as the
// window's messages then reach the bridge in the form they were sent in.
LONG_PTR ExchangeProcedure(HWND hwnd, bool unicode, WNDPROC procedure) {
    const auto value = reinterpret_cast<LONG_PTR>(procedure);
    return unicode ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value)
                   : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value);
}

WNDPROC CurrentProcedure(HWND hwnd, bool unicode) {
    return reinterpret_cast<WNDPROC>(unicode ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC)
                                             : GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

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
    const auto found = Attachments().find(hwnd);
    return found == Attachments().end() ? nullptr : found->second.object;
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
    // A window let go of while the bridge could not leave its chain still
    // has the bridge in it; it only needs its object again.
    const auto found = Attachments().find(hwnd);
    if (found != Attachments().end()) {
        found->second.object = this;
        return true;
    }
    const bool unicode = IsWindowUnicode(hwnd) != FALSE;
    const auto previous =
        reinterpret_cast<WNDPROC>(ExchangeProcedure(hwnd, unicode, &CWnd::Bridge));
    if (previous == nullptr) {
        hwnd_ = nullptr;
        return false;
    }
    Attachments()[hwnd] = {this, previous, unicode};
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
    if (hwnd_ == nullptr) {
        return;
    }
    const auto found = Attachments().find(hwnd_);
    if (found != Attachments().end()) {
        // Only the procedure set last can be taken out of the chain; under
        // one set later the bridge stays and passes every message on.
        const Attachment& attachment = found->second;
        if (CurrentProcedure(hwnd_, attachment.unicode) == &CWnd::Bridge) {
            ExchangeProcedure(hwnd_, attachment.unicode, attachment.previous);
            Attachments().erase(found);
        } else {
            found->second.object = nullptr;
        }
    }
    hwnd_ = nullptr;
}

bool CWnd::PreTranslateMessage(MSG&) {
    return false;
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
    return CallPrevious(message, wParam, lParam);
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
    return CallPrevious(current_.message, current_.wParam, current_.lParam);
}

LRESULT CWnd::CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const {
    return CallProcedure(Attachments().at(hwnd_), hwnd_, message, wParam, lParam);
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

LRESULT CALLBACK CWnd::Bridge(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // A window the bridge never took over, whose procedure someone set from
    // one it did: there is no chain to follow, and no exception may cross
    // the system's frames, so the system's default processing it is.
    const auto found = Attachments().find(hwnd);
    if (found == Attachments().end()) {
        return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, message, wParam, lParam)
                                     : DefWindowProcA(hwnd, message, wParam, lParam);
    }
    // A copy: the object may let go of the window while handling this.
    const Attachment attachment = found->second;
    if (message == WM_NCDESTROY) {
        if (attachment.object != nullptr) {
            attachment.object->UnsubclassWindow();
        }
        Attachments().erase(hwnd);
        return CallProcedure(attachment, hwnd, message, wParam, lParam);
    }
    if (attachment.object == nullptr) {
        return CallProcedure(attachment, hwnd, message, wParam, lParam);
    }
    CWnd& window = *attachment.object;
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
