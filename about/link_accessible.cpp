#include "about/link_accessible.h"

#include <string>

#include "about/hyperlink.h"

HRESULT CLinkAccessible::Name(BSTR* name) {
    return AllocateText(WindowText(Window()), name);
}

HRESULT CLinkAccessible::Value(BSTR* value) {
    std::string target;
    SendMessageA(Window(), CHyperLink::kTargetMessage, 0, reinterpret_cast<LPARAM>(&target));
    return AllocateText(target, value);
}

HRESULT CLinkAccessible::Role(VARIANT* role) {
    return AnswerNumber(ROLE_SYSTEM_LINK, role);
}

HRESULT CLinkAccessible::State(VARIANT* state) {
    VARIANT standard{};
    const HRESULT result = CAccessibleWindow::State(&standard);
    if (FAILED(result)) {
        return result;
    }
    long flags = (standard.vt == VT_I4 ? standard.lVal : 0) | STATE_SYSTEM_LINKED;
    VariantClear(&standard);
    if (SendMessageA(Window(), CHyperLink::kVisitedMessage, 0, 0) != FALSE) {
        flags |= STATE_SYSTEM_TRAVERSED;
    }
    return AnswerNumber(flags, state);
}

HRESULT CLinkAccessible::DefaultAction(BSTR* action) {
    return AllocateText("Jump", action);
}

HRESULT CLinkAccessible::DoDefaultAction() {
    // Opening may show a message box, which must not run inside the
    // reader's call: the link opens from its own queue.
    return PostMessageA(Window(), CHyperLink::kOpenMessage, 0, 0) ? S_OK : E_FAIL;
}

HRESULT CLinkAccessible::Select(long flags) {
    if (flags != SELFLAG_TAKEFOCUS) {
        return CAccessibleWindow::Select(flags);
    }
    SetFocus(Window());
    return S_OK;
}
