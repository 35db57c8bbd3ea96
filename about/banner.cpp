#include "about/banner.h"

#include "framework/accessible_window.h"

namespace {

class CBannerAccessible : public CAccessibleWindow {
public:
    using CAccessibleWindow::CAccessibleWindow;

protected:
    // The picture's window text is its resource number, not its artwork.
    HRESULT Name(BSTR* name) override { return AllocateText("Lotwarden", name); }
    HRESULT Role(VARIANT* role) override { return AnswerNumber(ROLE_SYSTEM_GRAPHIC, role); }
};

}  // namespace

const MessageEntry CBanner::messageEntries[] = {
    on::Message(WM_GETOBJECT, &CBanner::OnGetObject),
};
const MessageTable CBanner::messageTable{&CStatic::messageTable, messageEntries};

const MessageTable& CBanner::GetMessageTable() const {
    return messageTable;
}

LRESULT CBanner::OnGetObject(WPARAM flags, LPARAM objectId) {
    const LRESULT answer =
        CAccessibleWindow::AnswerGetObject<CBannerAccessible>(GetSafeHwnd(), flags, objectId);
    return answer != 0 ? answer : Default();
}
