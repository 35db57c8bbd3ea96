#pragma once

#include <windows.h>

#include <string>

#include "framework/cmd_target.h"

// A C++ object that has taken over a window: the window's messages reach the
// object's message tables first and its own procedure after. The object does
// not own the window; the takeover ends when either goes.
class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return hwnd_; }
    // The object that has taken over hwnd, or nullptr.
    static CWnd* FromHandle(HWND hwnd);

    // Takes over an existing window (one window per object, one object per
    // window). PreSubclassWindow runs first, with the window already known.
    bool SubclassWindow(HWND hwnd);
    bool SubclassDlgItem(int id, const CWnd& parent);
    void UnsubclassWindow();
    // Creates a window of the class, at the system's default place and size,
    // and takes it over at once, so that the object learns when the window
    // goes, whoever destroys it (an owner destroys its popups with it).
    bool CreateEx(DWORD exStyle, const char* className, DWORD style, HWND owner);

    // Called by a modal loop for every queued message aimed at this window or
    // one of its children, before the message is dispatched. True means the
    // message has been dealt with and goes no further.
    virtual bool PreTranslateMessage(MSG& msg);

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    std::string Text() const;
    void SetText(const std::string& text);
    void SetIcon(HICON icon, bool big);
    // A message box owned by this window, through the message-box seam.
    int ShowMessage(const std::string& text, const std::string& caption, UINT flags) const;

protected:
    // The window-attach hook.
    virtual void PreSubclassWindow();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // A message the parent received about this control, offered here first
    // (reflection). True when this object handled it; result is then the answer.
    virtual bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window's own handling of the message being dispatched.
    LRESULT Default();

private:
    struct Dispatched {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // The one way from the system's window procedures into the objects.
    static LRESULT CALLBACK Bridge(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Offers a message the parent received about this window to its own
    // table, as the message being handled, so that Default() there processes it.
    bool TakeReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The window procedure the window had before it was taken over.
    LRESULT CallPrevious(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND hwnd_ = nullptr;
    Dispatched current_{};
};

std::string WindowText(HWND hwnd);

// The framework's report of the C++ exception being handled, for the system
// callbacks, which must not let one through. Call it from a catch block.
void ReportCurrentException();
