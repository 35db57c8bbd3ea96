#pragma once

#include <windows.h>

#include <vector>

#include "framework/message_box.h"

// Records every message box instead of showing it, answering OK.
class MessageBoxRecorder {
public:
    std::vector<MessageBoxRequest> shown;

private:
    ScopedMessageBoxPresenter presenter_{[this](const MessageBoxRequest& request) {
        shown.push_back(request);
        return IDOK;
    }};
};
