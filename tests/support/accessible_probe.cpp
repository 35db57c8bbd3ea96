#include "tests/support/accessible_probe.h"

namespace test_support {
namespace {

using HasText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
using HasNumber = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);

std::string Text(IAccessible& object, HasText question) {
    BSTR text = nullptr;
    if ((object.*question)(SelfChild(), &text) != S_OK || text == nullptr) {
        return {};
    }
    const int length = static_cast<int>(SysStringLen(text));
    const int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, length, narrow.data(), size, nullptr, nullptr);
    SysFreeString(text);
    return narrow;
}

long Number(IAccessible& object, HasNumber question) {
    VARIANT number{};
    if ((object.*question)(SelfChild(), &number) != S_OK || number.vt != VT_I4) {
        VariantClear(&number);
        return -1;
    }
    return number.lVal;
}

}  // namespace

ComHandle<IAccessible> ClientObject(HWND window) {
    void* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible), &object))) {
        return ComHandle<IAccessible>();
    }
    return ComHandle<IAccessible>(static_cast<IAccessible*>(object));
}

AccessibleFacts ReadFacts(IAccessible& object) {
    return {Text(object, &IAccessible::get_accName), Text(object, &IAccessible::get_accValue),
            Number(object, &IAccessible::get_accRole), Number(object, &IAccessible::get_accState),
            Text(object, &IAccessible::get_accDefaultAction)};
}

VARIANT SelfChild() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

}  // namespace test_support
