#include "ui/html_help_viewer.h"

#include <htmlhelp.h>

#include <utility>

namespace {

// Where the HTML Help control registered itself, taken as stored: a location
// written with environment variables is not expanded, fails to load, and the
// control is then loaded by name.
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

}  // namespace

HtmlHelpLibrary LoadHtmlHelpLibrary() {
    HtmlHelpLibrary library;
    library.module.Reset(LoadFromRegisteredLocation());
    if (!library.module) {
        library.module.Reset(LoadLibraryA("hhctrl.ocx"));
    }
    if (library.module) {
        // Through a plain function pointer type, which GCC lets any function
        // pointer convert to without a warning.
        const auto procedure = reinterpret_cast<void (*)()>(
            GetProcAddress(library.module.Get(), MAKEINTRESOURCEA(kHtmlHelpAOrdinal)));
        library.function = reinterpret_cast<HtmlHelpFunction>(procedure);
    }
    if (library.function == nullptr) {
        library.module.Reset();
    }
    return library;
}

HtmlHelpViewer::HtmlHelpViewer(Loader loader) : loader_(std::move(loader)) {}

HtmlHelpViewer::~HtmlHelpViewer() {
    if (library_.function != nullptr) {
        library_.function(nullptr, nullptr, HH_CLOSE_ALL, 0);
    }
}

HWND HtmlHelpViewer::DisplayContents(const std::string& helpFile) {
    if (!looked_) {
        looked_ = true;
        library_ = loader_();
    }
    if (library_.function == nullptr) {
        return nullptr;
    }
    return library_.function(nullptr, helpFile.c_str(), HH_DISPLAY_TOC, 0);
}

HtmlHelpViewer& ProgramHtmlHelpViewer() {
    static HtmlHelpViewer viewer;
    return viewer;
}
