#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

// What a window shows, read through the wide messages, which the system
// hands over whole between processes as well as inside one. Under Wine the
// ANSI CB_GETLBTEXT from another process copies back only the first
// character.
std::string ItemText(HWND dialog, int id);
std::vector<std::string> ComboEntries(HWND combo);
std::string ComboSelection(HWND combo);  // "" when nothing is selected
std::string ClassNameOf(HWND window);

}  // namespace test_support
