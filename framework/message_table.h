#pragma once

#include <windows.h>

#include <cstddef>
#include <variant>

class CCmdTarget;
class CCmdUI;

// How a message reaches a handler.
enum class Route {
    Message,        // a window message for the window itself
    Command,        // WM_COMMAND: control (or menu) id and notification code
    Notify,         // WM_NOTIFY: control id and notification code
    CommandUpdate,  // the idle-time question whether a dialog control is enabled
    Reflected,      // a parent's message about this control, offered to the control first
};

struct MessageKey {
    Route route = Route::Message;
    UINT message = 0;
    UINT id = 0;
    UINT code = 0;

    static constexpr MessageKey ForMessage(UINT message) { return {Route::Message, message, 0, 0}; }
    static constexpr MessageKey ForCommand(UINT id, UINT code) {
        return {Route::Command, 0, id, code};
    }
    static constexpr MessageKey ForNotify(UINT id, UINT code) {
        return {Route::Notify, 0, id, code};
    }
    static constexpr MessageKey ForCommandUpdate(UINT id) {
        return {Route::CommandUpdate, 0, id, 0};
    }
    static constexpr MessageKey ForReflected(UINT message) {
        return {Route::Reflected, message, 0, 0};
    }

    friend constexpr bool operator==(const MessageKey& a, const MessageKey& b) {
        return a.route == b.route && a.message == b.message && a.id == b.id && a.code == b.code;
    }
};

// Handler shapes, one per route: messages and reflected messages get the raw
// parameters and answer the message's result; commands take nothing; WM_NOTIFY
// handlers get the notification header and answer its result.
using MessageHandler = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);
using CommandHandler = void (CCmdTarget::*)();
using NotifyHandler = LRESULT (CCmdTarget::*)(NMHDR&);
using CommandUpdateHandler = void (CCmdTarget::*)(CCmdUI&);
using Handler = std::variant<MessageHandler, CommandHandler, NotifyHandler, CommandUpdateHandler>;

struct MessageEntry {
    MessageKey key;
    Handler handler;
};

// One class's entries and the table of its base class. A class's own entries
// come first, so they shadow the base's entries for the same key.
class MessageTable {
public:
    constexpr MessageTable() = default;
    template <std::size_t N>
    constexpr MessageTable(const MessageTable* base, const MessageEntry (&entries)[N])
        : base_(base), entries_(entries), count_(N) {}

    const MessageEntry* Find(const MessageKey& key) const;

private:
    const MessageTable* base_ = nullptr;
    const MessageEntry* entries_ = nullptr;
    std::size_t count_ = 0;
};

// Table rows, written as on::Command(IDC_EXIT, BN_CLICKED, &CMyDlg::OnExit).
namespace on {

template <class Target>
MessageEntry Message(UINT message, LRESULT (Target::*handler)(WPARAM, LPARAM)) {
    return {MessageKey::ForMessage(message), static_cast<MessageHandler>(handler)};
}

template <class Target>
MessageEntry Command(UINT id, UINT code, void (Target::*handler)()) {
    return {MessageKey::ForCommand(id, code), static_cast<CommandHandler>(handler)};
}

template <class Target>
MessageEntry Notify(UINT id, UINT code, LRESULT (Target::*handler)(NMHDR&)) {
    return {MessageKey::ForNotify(id, code), static_cast<NotifyHandler>(handler)};
}

template <class Target>
MessageEntry CommandUpdate(UINT id, void (Target::*handler)(CCmdUI&)) {
    return {MessageKey::ForCommandUpdate(id), static_cast<CommandUpdateHandler>(handler)};
}

template <class Target>
MessageEntry Reflected(UINT message, LRESULT (Target::*handler)(WPARAM, LPARAM)) {
    return {MessageKey::ForReflected(message), static_cast<MessageHandler>(handler)};
}

}  // namespace on
