#include "framework/accessible_window.h"

namespace {

bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

// COM's rule for a failed call: every result it hands out is empty.
template <class Out>
HRESULT Disconnected(Out* out) {
    if (out != nullptr) {
        *out = Out{};
    }
    return CO_E_OBJNOTCONNECTED;
}

}  // namespace

CAccessibleWindow::CAccessibleWindow(HWND hwnd, ComHandle<IAccessible> standard)
    : hwnd_(hwnd), standard_(std::move(standard)) {}

CAccessibleWindow::~CAccessibleWindow() = default;

bool CAccessibleWindow::IsClientRequest(LPARAM objectId) {
    return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}

ComHandle<IAccessible> CAccessibleWindow::StandardObject(HWND hwnd) {
    void* standard = nullptr;
    if (FAILED(CreateStdAccessibleObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), &standard))) {
        return ComHandle<IAccessible>();
    }
    return ComHandle<IAccessible>(static_cast<IAccessible*>(standard));
}

LRESULT CAccessibleWindow::Answer(CAccessibleWindow* object, WPARAM flags) {
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
    object->Release();
    return result > 0 ? result : 0;
}

HRESULT CAccessibleWindow::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (id == IID_IUnknown || id == IID_IDispatch || id == __uuidof(IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG CAccessibleWindow::AddRef() {
    return ++references_;
}

ULONG CAccessibleWindow::Release() {
    const ULONG left = --references_;
    if (left == 0) {
        delete this;
    }
    return left;
}

HRESULT CAccessibleWindow::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT CAccessibleWindow::GetTypeInfo(UINT, LCID, ITypeInfo**) {
    return E_NOTIMPL;
}

HRESULT CAccessibleWindow::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT CAccessibleWindow::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                  UINT*) {
    return E_NOTIMPL;
}

HRESULT CAccessibleWindow::get_accParent(IDispatch** parent) {
    return IsWindow(hwnd_) ? Standard().get_accParent(parent) : Disconnected(parent);
}

HRESULT CAccessibleWindow::get_accChildCount(long* count) {
    return IsWindow(hwnd_) ? Standard().get_accChildCount(count) : Disconnected(count);
}

HRESULT CAccessibleWindow::get_accChild(VARIANT child, IDispatch** object) {
    return IsWindow(hwnd_) ? Standard().get_accChild(child, object) : Disconnected(object);
}

HRESULT CAccessibleWindow::get_accName(VARIANT child, BSTR* name) {
    if (!IsWindow(hwnd_)) {
        return Disconnected(name);
    }
    return IsSelf(child) ? Name(name) : Standard().get_accName(child, name);
}

HRESULT CAccessibleWindow::get_accValue(VARIANT child, BSTR* value) {
    if (!IsWindow(hwnd_)) {
        return Disconnected(value);
    }
    return IsSelf(child) ? Value(value) : Standard().get_accValue(child, value);
}

HRESULT CAccessibleWindow::get_accDescription(VARIANT child, BSTR* description) {
    return IsWindow(hwnd_) ? Standard().get_accDescription(child, description)
                           : Disconnected(description);
}

HRESULT CAccessibleWindow::get_accRole(VARIANT child, VARIANT* role) {
    if (!IsWindow(hwnd_)) {
        return Disconnected(role);
    }
    return IsSelf(child) ? Role(role) : Standard().get_accRole(child, role);
}

HRESULT CAccessibleWindow::get_accState(VARIANT child, VARIANT* state) {
    if (!IsWindow(hwnd_)) {
        return Disconnected(state);
    }
    return IsSelf(child) ? State(state) : Standard().get_accState(child, state);
}

HRESULT CAccessibleWindow::get_accHelp(VARIANT child, BSTR* help) {
    return IsWindow(hwnd_) ? Standard().get_accHelp(child, help) : Disconnected(help);
}

HRESULT CAccessibleWindow::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (!IsWindow(hwnd_)) {
        Disconnected(topic);
        return Disconnected(file);
    }
    return Standard().get_accHelpTopic(file, child, topic);
}

HRESULT CAccessibleWindow::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return IsWindow(hwnd_) ? Standard().get_accKeyboardShortcut(child, shortcut)
                           : Disconnected(shortcut);
}

HRESULT CAccessibleWindow::get_accFocus(VARIANT* focus) {
    return IsWindow(hwnd_) ? Standard().get_accFocus(focus) : Disconnected(focus);
}

HRESULT CAccessibleWindow::get_accSelection(VARIANT* selection) {
    return IsWindow(hwnd_) ? Standard().get_accSelection(selection) : Disconnected(selection);
}

HRESULT CAccessibleWindow::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!IsWindow(hwnd_)) {
        return Disconnected(action);
    }
    return IsSelf(child) ? DefaultAction(action) : Standard().get_accDefaultAction(child, action);
}

HRESULT CAccessibleWindow::accSelect(long flags, VARIANT child) {
    if (!IsWindow(hwnd_)) {
        return CO_E_OBJNOTCONNECTED;
    }
    return IsSelf(child) ? Select(flags) : Standard().accSelect(flags, child);
}

HRESULT CAccessibleWindow::accLocation(long* left, long* top, long* width, long* height,
                                       VARIANT child) {
    if (!IsWindow(hwnd_)) {
        for (long* out : {left, top, width}) {
            Disconnected(out);
        }
        return Disconnected(height);
    }
    return Standard().accLocation(left, top, width, height, child);
}

HRESULT CAccessibleWindow::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return IsWindow(hwnd_) ? Standard().accNavigate(direction, start, end) : Disconnected(end);
}

HRESULT CAccessibleWindow::accHitTest(long left, long top, VARIANT* child) {
    return IsWindow(hwnd_) ? Standard().accHitTest(left, top, child) : Disconnected(child);
}

HRESULT CAccessibleWindow::accDoDefaultAction(VARIANT child) {
    if (!IsWindow(hwnd_)) {
        return CO_E_OBJNOTCONNECTED;
    }
    return IsSelf(child) ? DoDefaultAction() : Standard().accDoDefaultAction(child);
}

HRESULT CAccessibleWindow::put_accName(VARIANT child, BSTR name) {
    return IsWindow(hwnd_) ? Standard().put_accName(child, name) : CO_E_OBJNOTCONNECTED;
}

HRESULT CAccessibleWindow::put_accValue(VARIANT child, BSTR value) {
    return IsWindow(hwnd_) ? Standard().put_accValue(child, value) : CO_E_OBJNOTCONNECTED;
}

HRESULT CAccessibleWindow::Name(BSTR* name) {
    return Standard().get_accName(Self(), name);
}

HRESULT CAccessibleWindow::Value(BSTR* value) {
    return Standard().get_accValue(Self(), value);
}

HRESULT CAccessibleWindow::Role(VARIANT* role) {
    return Standard().get_accRole(Self(), role);
}

HRESULT CAccessibleWindow::State(VARIANT* state) {
    return Standard().get_accState(Self(), state);
}

HRESULT CAccessibleWindow::DefaultAction(BSTR* action) {
    return Standard().get_accDefaultAction(Self(), action);
}

HRESULT CAccessibleWindow::DoDefaultAction() {
    return Standard().accDoDefaultAction(Self());
}

HRESULT CAccessibleWindow::Select(long flags) {
    return Standard().accSelect(flags, Self());
}

HRESULT CAccessibleWindow::AllocateText(const std::string& text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    *out = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (*out == nullptr) {
        return E_OUTOFMEMORY;
    }
    MultiByteToWideChar(CP_ACP, 0, text.data(), size, *out, length);
    return S_OK;
}

HRESULT CAccessibleWindow::AnswerNumber(long number, VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = VARIANT{};
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}
