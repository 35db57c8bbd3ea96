#pragma once

#include "framework/static_control.h"

// The About box's banner picture, which a screen reader reads as a graphic
// named after the program its artwork shows.
class CBanner : public CStatic {
protected:
    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnGetObject(WPARAM flags, LPARAM objectId);
};
