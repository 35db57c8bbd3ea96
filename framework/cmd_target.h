#pragma once

#include <windows.h>

#include "framework/message_table.h"

// Anything with a message table: windows and the application object.
class CCmdTarget {
public:
    CCmdTarget() = default;
    virtual ~CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler for a command; false when the tables have none.
    virtual bool OnCmdMsg(UINT id, UINT code);
    // Runs the command-update handler for ui's control; false when there is none.
    bool OnCommandUpdate(CCmdUI& ui);

protected:
    virtual const MessageTable& GetMessageTable() const;
    static const MessageTable messageTable;
};
