#pragma once

#include "framework/accessible_window.h"

// A hyperlink control as a screen reader sees it: a link named by its text,
// whose value is its target, traversed once visited, whose default action
// ("Jump") opens it as the space bar does. Everything comes from the link's
// window, through the messages CHyperLink answers.
class CLinkAccessible : public CAccessibleWindow {
public:
    using CAccessibleWindow::CAccessibleWindow;

protected:
    HRESULT Name(BSTR* name) override;
    HRESULT Value(BSTR* value) override;
    HRESULT Role(VARIANT* role) override;
    HRESULT State(VARIANT* state) override;
    HRESULT DefaultAction(BSTR* action) override;
    HRESULT DoDefaultAction() override;
    HRESULT Select(long flags) override;
};
