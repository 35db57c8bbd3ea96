#pragma once

#include "framework/app.h"

class CLotwardenApp : public CWinApp {
protected:
    bool InitInstance() override;

    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    void OnHelp();
};
