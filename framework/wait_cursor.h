#pragma once

// Shows the wait cursor for as long as it lives. Nestable: the cursor from
// before the outermost one comes back when that one goes.
class CWaitCursor {
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};
