#pragma once

#include <windows.h>

#include <string>

// The module that holds the dialog templates, icons and strings: the
// executable itself.
HINSTANCE ResourceModule();

// The string resource id, or "" when there is none.
std::string LoadResourceString(UINT id);

// The executable's full path, however long ("" when the system cannot tell),
// and its file name without folder and extension ("Lotwarden"), which titles
// the framework's own messages.
std::string ModulePath();
std::string ApplicationTitle();
