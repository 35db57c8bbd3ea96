#include "ui/help_command.h"

#include "framework/message_box.h"
#include "framework/resources.h"
#include "ui/html_help_viewer.h"
#include "ui/lotwarden_dlg.h"

namespace {

// A command of the viewer's own on its window's system menu, which has no
// place in the program's help. A menu without it stays as it is.
constexpr UINT kViewerSystemCommand = 0xEFFF;

}  // namespace

std::string HelpFileBeside(const std::string& programPath) {
    const std::string::size_type lastBackslash = programPath.rfind('\\');
    const std::string folder =
        lastBackslash == std::string::npos ? std::string() : programPath.substr(0, lastBackslash);
    return folder + "\\Lotwarden.chm";
}

HWND OpenHelpFile(HWND owner, const std::string& helpFile, HtmlHelpViewer& viewer) {
    // Only a file that is there goes to the viewer. The viewer looks for one
    // it cannot find in the Windows help folder too, and Wine's overruns a
    // buffer doing that when the path is long.
    const bool found = GetFileAttributesA(helpFile.c_str()) != INVALID_FILE_ATTRIBUTES;
    HWND helpWindow = found ? viewer.DisplayContents(helpFile) : nullptr;
    if (helpWindow != nullptr) {
        DeleteMenu(GetSystemMenu(helpWindow, FALSE), kViewerSystemCommand, MF_BYCOMMAND);
        return helpWindow;
    }
    ShowMessageBox({owner,
                    "The program help file was either not found, or\n"
                    "cannot be opened. The expected file path is:\n\n" +
                        helpFile,
                    "Error Opening Help File", MB_ICONSTOP | MB_OK});
    return nullptr;
}

void ShowProgramHelp(HWND owner) {
    OpenHelpFile(owner, HelpFileBeside(ModulePath()), ProgramHtmlHelpViewer());
}

void CLotwardenDlg::ShowHelp() {
    ShowProgramHelp(GetSafeHwnd());
}

void CLotwardenDlg::CloseHelp() {
    ProgramHtmlHelpViewer().CloseAll();
}
