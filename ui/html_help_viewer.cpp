#include "ui/html_help_viewer.h"

#include <htmlhelp.h>

#include <utility>

namespace {

// Where the HTML Help control registered itself, taken as stored: a location
// written with environment variables is not expanded, fails to load, and the
// control is then loaded from the system folder.
constexpr char kHtmlHelpServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr int kHtmlHelpAOrdinal = 14;

HMODULE LoadFromRegisteredLocation() {
    char location[260] = {};
    LONG size = sizeof location;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, kHtmlHelpServerKey, location, &size) != ERROR_SUCCESS) {
        return nullptr;
    }
    return LoadLibraryA(location);
}

// By its full path: a bare name would be looked for in the program's own
// folder first, where a file of that name beside a downloaded program would
// run as the program.
HMODULE LoadFromSystemFolder() {
    char folder[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    return LoadLibraryA((std::string(folder, length) + "\\hhctrl.ocx").c_str());
}

}  // namespace

HtmlHelpFunction LoadHtmlHelp() {
    HMODULE control = LoadFromRegisteredLocation();
    if (control == nullptr) {
        control = LoadFromSystemFolder();
    }
    if (control == nullptr) {
        return nullptr;
    }
    // Through a plain function pointer type, which GCC lets any function
    // pointer convert to without a warning.
    const auto procedure =
        reinterpret_cast<void (*)()>(GetProcAddress(control, MAKEINTRESOURCEA(kHtmlHelpAOrdinal)));
    return reinterpret_cast<HtmlHelpFunction>(procedure);
}

HtmlHelpViewer::HtmlHelpViewer(Loader loader) : loader_(std::move(loader)) {}

HWND HtmlHelpViewer::DisplayContents(const std::string& helpFile) {
    if (!looked_) {
        looked_ = true;
        htmlHelp_ = loader_();
    }
    if (htmlHelp_ == nullptr) {
        return nullptr;
    }
    return htmlHelp_(nullptr, helpFile.c_str(), HH_DISPLAY_TOC, 0);
}

void HtmlHelpViewer::CloseAll() {
    if (htmlHelp_ != nullptr) {
        htmlHelp_(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}

HtmlHelpViewer& ProgramHtmlHelpViewer() {
    static HtmlHelpViewer viewer;
    return viewer;
}
