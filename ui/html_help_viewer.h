#pragma once

#include <windows.h>

#include <functional>
#include <string>

// HtmlHelpA of the HTML Help control (hhctrl.ocx).
using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, LPCSTR file, UINT command, DWORD_PTR data);

// HtmlHelpA, from the HTML Help control loaded from its registered location
// or else from the system folder; null when neither provides it. The control
// stays loaded for the rest of the run: on Windows its viewer runs on a
// thread of its own, which may still be in the control's code at any time.
HtmlHelpFunction LoadHtmlHelp();

// The help viewer, looked for at its first use and only then: a viewer that
// could not be found stays missing for the rest of the run.
class HtmlHelpViewer {
public:
    using Loader = std::function<HtmlHelpFunction()>;

    explicit HtmlHelpViewer(Loader loader = &LoadHtmlHelp);
    HtmlHelpViewer(const HtmlHelpViewer&) = delete;
    HtmlHelpViewer& operator=(const HtmlHelpViewer&) = delete;

    // Shows the help file's contents; the help window, or null when the file
    // or the viewer cannot be opened.
    HWND DisplayContents(const std::string& helpFile);
    // Closes every help window the viewer has open, if it was ever used.
    void CloseAll();

private:
    Loader loader_;
    bool looked_ = false;
    HtmlHelpFunction htmlHelp_ = nullptr;
};

// The viewer the program uses for the whole run.
HtmlHelpViewer& ProgramHtmlHelpViewer();
