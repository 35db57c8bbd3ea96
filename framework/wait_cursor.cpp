#include "framework/wait_cursor.h"

#include <windows.h>

namespace {

// The user-interface thread is the only one that touches these.
int depth = 0;
HCURSOR cursorBefore = nullptr;

}  // namespace

CWaitCursor::CWaitCursor() {
    if (depth++ == 0) {
        cursorBefore = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    }
}

CWaitCursor::~CWaitCursor() {
    if (--depth == 0) {
        SetCursor(cursorBefore);
    }
}
