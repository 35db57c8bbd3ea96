#include "framework/cmd_target.h"

#include "framework/command_ui.h"

const MessageTable CCmdTarget::messageTable;

const MessageTable& CCmdTarget::GetMessageTable() const {
    return messageTable;
}

bool CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    const MessageEntry* entry = GetMessageTable().Find(MessageKey::ForCommand(id, code));
    if (entry == nullptr) {
        return false;
    }
    (this->*std::get<CommandHandler>(entry->handler))();
    return true;
}

bool CCmdTarget::OnCommandUpdate(CCmdUI& ui) {
    const MessageEntry* entry = GetMessageTable().Find(MessageKey::ForCommandUpdate(ui.Id()));
    if (entry == nullptr) {
        return false;
    }
    (this->*std::get<CommandUpdateHandler>(entry->handler))(ui);
    return true;
}
