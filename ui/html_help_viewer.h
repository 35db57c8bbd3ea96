#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/unique_handle.h"

// HtmlHelpA of the HTML Help control (hhctrl.ocx).
using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// Where HtmlHelpA was found: the module that provides it, kept loaded while
// the function may be called, and the function itself (null when not found).
struct HtmlHelpLibrary {
    UniqueHandle<HMODULE, &FreeLibrary> module;
    HtmlHelpFunction function = nullptr;
};

// Loads the HTML Help control from its registered location, or else by name,
// and takes HtmlHelpA from it.
HtmlHelpLibrary LoadHtmlHelpLibrary();

// The help viewer, looked for at its first use and only then: a viewer that
// could not be found stays missing for the rest of the run.
class HtmlHelpViewer {
public:
    using Loader = std::function<HtmlHelpLibrary()>;

    explicit HtmlHelpViewer(Loader loader = &LoadHtmlHelpLibrary);
    // Closes the help windows this viewer opened while the control is still
    // loaded: their window procedures live in it.
    ~HtmlHelpViewer();
    HtmlHelpViewer(const HtmlHelpViewer&) = delete;
    HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

    // Shows the help file's contents; the help window, or null when the file
    // or the viewer cannot be opened.
    HWND DisplayContents(const std::string& helpFile);

private:
    Loader loader_;
    bool looked_ = false;
    HtmlHelpLibrary library_;
};

// The viewer the program uses for the whole run.
HtmlHelpViewer& ProgramHtmlHelpViewer();
