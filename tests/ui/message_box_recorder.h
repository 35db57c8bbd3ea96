#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "framework/message_box.h"

// Records every message box instead of showing it, and answers with the
// button answer picks, while the box would be up: OK unless a test says
// otherwise.
class MessageBoxRecorder {
public:
    std::vector<MessageBoxRequest> shown;
    std::function<int(const MessageBoxRequest&)> answer = [](const MessageBoxRequest&) {
        return IDOK;
    };

private:
    ScopedMessageBoxPresenter presenter_{[this](const MessageBoxRequest& request) {
        shown.push_back(request);
        return answer(request);
    }};
};
