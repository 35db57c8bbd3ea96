#pragma once

#include <windows.h>

#include <string>

// The application's own message box, through the message-box seam: titled
// with the application's name and owned by the window the user last worked
// in among the main window and the popups it owns (an open dialog, say), so
// that it shows above that window. Without a main window it has no owner.
int AppMessageBox(const std::string& text, UINT flags);
