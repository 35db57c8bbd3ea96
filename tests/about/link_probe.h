#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "about/link_launcher.h"

namespace link_probe {

// Records what links ask of the system instead of doing it: every shell
// open, program start and beep, answering with the results the test sets.
class LauncherRecorder {
public:
    struct Call {
        std::string text;
        int showCommand;
    };

    INT_PTR shellResult = 42;
    UINT startResult = 33;
    std::vector<Call> opened;
    std::vector<Call> started;
    std::vector<UINT> beeps;

private:
    ScopedLinkLauncher launcher_{{
        [this](const std::string& target, int show) {
            opened.push_back({target, show});
            return shellResult;
        },
        [this](const std::string& commandLine, int show) {
            started.push_back({commandLine, show});
            return startResult;
        },
        [this](UINT sound) { beeps.push_back(sound); },
    }};
};

// The text the tooltip of this thread that has link as its tool 1 shows; ""
// when there is none.
std::string ToolTipText(HWND link);

// The text colour link's parent gets from the link when it asks before
// painting it.
COLORREF LinkColour(HWND link);

// The size of the link's text in the link's own font.
SIZE TextExtent(HWND link);

SIZE ClientSize(HWND window);

// The colours of the window's client area, row by row, as it now shows them.
std::vector<COLORREF> ClientPixels(HWND window);

}  // namespace link_probe
