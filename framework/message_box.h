#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct MessageBoxRequest {
    HWND owner = nullptr;
    std::string text;
    std::string caption;
    UINT flags = MB_OK;
};

// Shows what the program wants to tell the user and answers the button
// pressed (IDOK, IDCANCEL, ...). Every message box of the program goes
// through here.
int ShowMessageBox(const MessageBoxRequest& request);

using MessageBoxPresenter = std::function<int(const MessageBoxRequest&)>;

// Replaces how message boxes are shown for as long as it lives, so that tests
// can record them instead of blocking on a window nobody will close.
class ScopedMessageBoxPresenter {
public:
    explicit ScopedMessageBoxPresenter(MessageBoxPresenter presenter);
    ~ScopedMessageBoxPresenter();
    ScopedMessageBoxPresenter(const ScopedMessageBoxPresenter&) = delete;
    ScopedMessageBoxPresenter& operator=(const ScopedMessageBoxPresenter&) = delete;

private:
    MessageBoxPresenter previous_;
};
