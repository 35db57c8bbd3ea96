#pragma once

#include <windows.h>

// A window's device context for as long as it lives, released when it goes.
class CWindowDC {
public:
    explicit CWindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~CWindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(hwnd_, dc_);
        }
    }
    CWindowDC(const CWindowDC&) = delete;
    CWindowDC& operator=(const CWindowDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a GDI object into a device context for as long as it lives and
// then puts back the one it replaced. A null object selects nothing.
class CSelectedObject {
public:
    CSelectedObject(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object != nullptr ? SelectObject(dc, object) : nullptr) {}
    ~CSelectedObject() {
        if (previous_ != nullptr) {
            SelectObject(dc_, previous_);
        }
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Puts a device context back as it was when this was made, whatever was
// selected into it or set on it meanwhile.
class CSavedDC {
public:
    explicit CSavedDC(HDC dc) : dc_(dc), state_(SaveDC(dc)) {}
    ~CSavedDC() { RestoreDC(dc_, state_); }
    CSavedDC(const CSavedDC&) = delete;
    CSavedDC& operator=(const CSavedDC&) = delete;

private:
    HDC dc_;
    int state_;
};
