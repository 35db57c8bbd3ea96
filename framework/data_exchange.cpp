#include "framework/data_exchange.h"

#include <stdexcept>

#include "framework/window.h"

namespace {

std::string ItemName(int id) {
    return "Dialog control " + std::to_string(id);
}

}  // namespace

void CDataExchange::Control(int id, CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) {
        return;
    }
    if (!control.SubclassDlgItem(id, dialog_)) {
        throw std::logic_error(ItemName(id) + " cannot be bound.");
    }
}

void CDataExchange::Text(int id, std::string& value) {
    HWND item = GetDlgItem(dialog_.GetSafeHwnd(), id);
    if (item == nullptr) {
        throw std::logic_error(ItemName(id) + " does not exist.");
    }
    if (saveAndValidate_) {
        value = WindowText(item);
    } else if (WindowText(item) != value) {
        SetWindowTextA(item, value.c_str());
    }
}
