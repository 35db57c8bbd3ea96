#include "ui/family_list_ctrl.h"

#include "framework/window_dc.h"

FamilyColumnWidths SplitColumnWidths(int width) {
    const int unit = width / 6;
    return {3 * unit, unit, width - 4 * unit};
}

const MessageEntry CFamilyListCtrl::messageEntries[] = {
    on::Message(WM_ERASEBKGND, &CFamilyListCtrl::OnEraseBkgnd),
};
const MessageTable CFamilyListCtrl::messageTable{&CListCtrl::messageTable, messageEntries};

const MessageTable& CFamilyListCtrl::GetMessageTable() const {
    return messageTable;
}

LRESULT CFamilyListCtrl::OnEraseBkgnd(WPARAM wParam, LPARAM) {
    if (GetItemCount() > 0) {
        Default();
        return TRUE;
    }
    const auto dc = reinterpret_cast<HDC>(wParam);
    CSavedDC saved(dc);

    RECT area{};
    GetWindowRect(GetSafeHwnd(), &area);
    MapWindowPoints(nullptr, GetSafeHwnd(), reinterpret_cast<POINT*>(&area), 2);
    if (HWND header = GetHeaderCtrl(); header != nullptr) {
        RECT headerItem{};
        Header_GetItemRect(header, 0, &headerItem);
        area.top += headerItem.bottom + 2;
    }
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));

    area.top += 10;
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    SelectObject(dc, GetStockObject(ANSI_VAR_FONT));
    DrawTextA(dc, "No Items Available", -1, &area,
              DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    return TRUE;
}
