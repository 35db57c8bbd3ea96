#pragma once

#include <windows.h>

// BeginPaint for as long as it lives, EndPaint when it goes.
class CPaintDC {
public:
    explicit CPaintDC(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~CPaintDC() { EndPaint(hwnd_, &paint_); }
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
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
