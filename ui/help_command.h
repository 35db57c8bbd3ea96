#pragma once

#include <windows.h>

#include <string>

class HtmlHelpViewer;

// The help file expected beside the program at programPath: its folder (the
// text before the last backslash, empty without one) and "\Lotwarden.chm".
std::string HelpFileBeside(const std::string& programPath);

// Opens the help file's contents in the viewer and answers the help window.
// When the file is not there (a path of MAX_PATH or more counts as not
// there) or cannot be opened, tells the user, in a message owned by owner,
// which path was tried, and answers null.
HWND OpenHelpFile(HWND owner, const std::string& helpFile, HtmlHelpViewer& viewer);

// The program's help: the help file beside the running program, in the
// viewer the program keeps for the whole run; a failure is told in a
// message owned by owner.
void ShowProgramHelp(HWND owner);
