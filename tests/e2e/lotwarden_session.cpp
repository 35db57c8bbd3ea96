#include "tests/e2e/lotwarden_session.h"

#include <algorithm>
#include <utility>

#include "common/unique_handle.h"
#include "res/resource.h"
#include "tests/support/window_text.h"

namespace e2e {
namespace {

using ThreadHandle = UniqueHandle<HANDLE, &CloseHandle>;

// A message sent from a helper thread, so that this one stays free to
// answer the message boxes the program shows while it handles it.
struct SentMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool handled = false;
};

DWORD WINAPI SendMessageWithDeadline(void* param) {
    auto* sent = static_cast<SentMessage*>(param);
    DWORD_PTR result = 0;
    sent->handled = SendMessageTimeoutW(sent->window, sent->message, sent->wParam, sent->lParam,
                                        SMTO_NORMAL, kDeadlineMs, &result) != 0;
    return 0;
}

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const ShownMessage& message) {
    return out << "[" << message.caption << "] " << message.text;
}

ShownMessage FileNotFound(const std::string& path) {
    return {"File Not Found",
            "The following file was not found:\n" + path + "\n\nProcessing will be stopped."};
}

ShownMessage BadInput() {
    return {"Bad Input", "Please enter an integer value between 1 and 255."};
}

LotwardenSession::LotwardenSession() : program_(ExeBesideThisOne("Lotwarden.exe")) {}

bool LotwardenSession::Start() {
    // The window shows once its initialisation has returned, so every
    // message of the start-up has been answered by then.
    return Eventually([this] {
               AnswerMessageBoxes();
               for (HWND window : program_.VisibleWindows()) {
                   if (IsMainWindow(window)) {
                       dialog_ = window;
                   }
               }
               return dialog_ != nullptr || program_.HasEnded();
           }) &&
           dialog_ != nullptr;
}

std::vector<ShownMessage> LotwardenSession::TakeMessages() {
    return std::exchange(messages_, {});
}

std::vector<test_support::ListRow> LotwardenSession::Rows() const {
    return test_support::ListRows(Control(IDC_FAMILY_TABLE));
}

std::vector<std::string> LotwardenSession::ChooserEntries() const {
    return test_support::ComboEntries(Control(IDC_NEIGHBOURHOOD));
}

std::string LotwardenSession::ChooserSelection() const {
    return test_support::ComboSelection(Control(IDC_NEIGHBOURHOOD));
}

std::string LotwardenSession::DaysText() const {
    return test_support::ItemText(dialog_, IDC_DAYS);
}

bool LotwardenSession::Choose(const std::string& label) {
    const std::vector<std::string> entries = ChooserEntries();
    const auto found = std::find(entries.begin(), entries.end(), label);
    if (found == entries.end()) {
        return false;
    }
    HWND chooser = Control(IDC_NEIGHBOURHOOD);
    // Selecting by index raises no notification; the list raises the
    // selection change itself when the user picks an entry.
    SendMessageW(chooser, CB_SETCURSEL, static_cast<WPARAM>(found - entries.begin()), 0);
    return SendAnswering(dialog_, WM_COMMAND, MAKEWPARAM(IDC_NEIGHBOURHOOD, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(chooser));
}

bool LotwardenSession::SelectFamily(const std::string& family) {
    const auto rows = Rows();
    const auto found = std::find_if(
        rows.begin(), rows.end(),
        [&](const test_support::ListRow& row) { return !row.empty() && row[0] == family; });
    if (found == rows.end()) {
        return false;
    }
    test_support::SelectListRow(Control(IDC_FAMILY_TABLE), static_cast<int>(found - rows.begin()));
    return true;
}

bool LotwardenSession::Type(const std::string& text) {
    HWND box = Control(IDC_DAYS);
    SendMessageW(box, EM_SETSEL, 0, -1);
    if (text.empty()) {
        PostMessageW(box, WM_CHAR, VK_BACK, 1);
    }
    for (char c : text) {
        PostMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
    }
    return Eventually([&] { return DaysText() == text; });
}

bool LotwardenSession::UpdateDays() {
    HWND update = Control(IDC_UPDATE_DAYS);
    return Eventually([&] { return IsWindowEnabled(update) != FALSE; }) &&
           SendAnswering(update, BM_CLICK, 0, 0);
}

bool LotwardenSession::Exit() {
    PostMessageW(dialog_, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(IDC_EXIT)));
    return EndsCleanly();
}

bool LotwardenSession::PressEnter() {
    HWND box = Control(IDC_DAYS);
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(box, WM_KEYUP, VK_RETURN, 0xC0000001);
    return EndsCleanly();
}

bool LotwardenSession::IsMainWindow(HWND window) const {
    return Caption(window) == "Lotwarden" && GetDlgItem(window, IDC_FAMILY_TABLE) != nullptr;
}

// A message box is any other window of the program: the program has no
// window besides its main dialog and its message boxes.
void LotwardenSession::AnswerMessageBoxes() {
    for (HWND window : program_.VisibleWindows()) {
        if (IsMainWindow(window)) {
            continue;
        }
        messages_.push_back({Caption(window), test_support::ItemText(window, 0xFFFF)});
        PostMessageW(window, WM_COMMAND, IDOK, 0);
        Eventually([window] { return !IsWindow(window); });
    }
}

bool LotwardenSession::SendAnswering(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SentMessage sent{window, message, wParam, lParam};
    const ThreadHandle sender(
        CreateThread(nullptr, 0, &SendMessageWithDeadline, &sent, 0, nullptr));
    if (!sender) {
        return false;
    }
    while (WaitForSingleObject(sender.Get(), 10) == WAIT_TIMEOUT) {
        AnswerMessageBoxes();
    }
    return sent.handled;
}

bool LotwardenSession::EndsCleanly() {
    DWORD exitCode = 1;
    bool ended = false;
    Eventually([&] {
        AnswerMessageBoxes();
        ended = program_.WaitForExit(0, &exitCode);
        return ended;
    });
    return ended && exitCode == 0;
}

}  // namespace e2e
