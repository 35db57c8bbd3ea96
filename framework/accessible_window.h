#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <utility>

#include "framework/handles.h"

// What a screen reader learns about a window's client area: the system's
// standard object for it, with what a derived class says otherwise about the
// window itself (its children, if any, are the standard object's alone).
// It holds the window handle and nothing of the C++ object behind the
// window, so a reader may keep it past the window: from then on every call
// fails with CO_E_OBJNOTCONNECTED. All calls arrive on the window's thread,
// which is in a single-threaded apartment.
class CAccessibleWindow : public IAccessible {
public:
    CAccessibleWindow(HWND hwnd, ComHandle<IAccessible> standard);
    CAccessibleWindow(const CAccessibleWindow&) = delete;
    CAccessibleWindow& operator=(const CAccessibleWindow&) = delete;

    // The answer to WM_GETOBJECT: for the client area, a new Accessible for
    // hwnd; otherwise, or when it cannot be made, 0, which leaves the
    // request to the window's own handling.
    template <class Accessible>
    static LRESULT AnswerGetObject(HWND hwnd, WPARAM flags, LPARAM objectId) {
        if (!IsClientRequest(objectId)) {
            return 0;
        }
        ComHandle<IAccessible> standard = StandardObject(hwnd);
        if (!standard) {
            return 0;
        }
        return Answer(new Accessible(hwnd, std::move(standard)), flags);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // Late binding is not offered; readers call the interface directly.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

protected:
    virtual ~CAccessibleWindow();

    // What the window itself says, called only while it exists; each asks
    // the standard object unless a derived class knows better.
    virtual HRESULT Name(BSTR* name);
    virtual HRESULT Value(BSTR* value);
    virtual HRESULT Role(VARIANT* role);
    virtual HRESULT State(VARIANT* state);
    virtual HRESULT DefaultAction(BSTR* action);
    virtual HRESULT DoDefaultAction();
    virtual HRESULT Select(long flags);

    HWND Window() const { return hwnd_; }
    IAccessible& Standard() const { return *standard_.Get(); }
    // text (in the ANSI code page) as a string the caller frees; E_OUTOFMEMORY
    // when it cannot be made.
    static HRESULT AllocateText(const std::string& text, BSTR* out);
    static HRESULT AnswerNumber(long number, VARIANT* out);

private:
    static bool IsClientRequest(LPARAM objectId);
    static ComHandle<IAccessible> StandardObject(HWND hwnd);
    // Hands the new object to the caller of WM_GETOBJECT, whose reference
    // is then the only one.
    static LRESULT Answer(CAccessibleWindow* object, WPARAM flags);

    HWND hwnd_;
    ComHandle<IAccessible> standard_;
    ULONG references_ = 1;
};
