#include "framework/message_box.h"

#include <utility>

namespace {

MessageBoxPresenter& CurrentPresenter() {
    static MessageBoxPresenter presenter = [](const MessageBoxRequest& request) {
        return MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(),
                           request.flags);
    };
    return presenter;
}

}  // namespace

int ShowMessageBox(const MessageBoxRequest& request) {
    return CurrentPresenter()(request);
}

ScopedMessageBoxPresenter::ScopedMessageBoxPresenter(MessageBoxPresenter presenter)
    : previous_(std::exchange(CurrentPresenter(), std::move(presenter))) {}

ScopedMessageBoxPresenter::~ScopedMessageBoxPresenter() {
    CurrentPresenter() = std::move(previous_);
}
