#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/handles.h"
#include "framework/message_box.h"

// Records every message box instead of showing it, answering OK.
class MessageBoxRecorder {
public:
    std::vector<MessageBoxRequest> shown;

private:
    ScopedMessageBoxPresenter presenter_{[this](const MessageBoxRequest& request) {
        shown.push_back(request);
        return IDOK;
    }};
};

// A fresh folder under the temporary folder, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The game's registry key (HKLM\Software\Maxis\The Sims, in the 32-bit
// view the program reads) for the length of a test: the values it sets are
// removed afterwards, and so are the keys it had to create.
class ScopedGameRegistry {
public:
    ScopedGameRegistry();
    ~ScopedGameRegistry();
    ScopedGameRegistry(const ScopedGameRegistry&) = delete;
    ScopedGameRegistry& operator=(const ScopedGameRegistry&) = delete;

    void SetText(const char* name, const std::string& text);
    void Remove(const char* name);

private:
    bool createdMaxis_ = false;
    bool createdGame_ = false;
    UniqueHandle<HKEY, &RegCloseKey> key_;
};

// Text of a dialog item, and the entries and selection of a combo box.
std::string ItemText(HWND dialog, int id);
std::vector<std::string> ComboEntries(HWND combo);
std::string ComboSelection(HWND combo);  // "" when nothing is selected
