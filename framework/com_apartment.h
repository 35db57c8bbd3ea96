#pragma once

#include <objbase.h>
#include <windows.h>

// COM on the user-interface thread for as long as this lives. The shell may
// open a link through a handler it starts with COM (a shell extension, a
// packaged app: how mail addresses usually open on Windows 10 and 11), and
// ShellExecute needs COM on the calling thread for that; screen readers
// reach the controls' accessible objects through it. Apartment-threaded with
// OLE1 DDE off, as the shell asks. Should it fail, the program runs on: most
// links open without it.
class ComApartment {
public:
    ComApartment()
        : entered_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (entered_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_;
};
