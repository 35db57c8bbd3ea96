#include "tests/ui/ui_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>

#include "framework/handles.h"
#include "framework/window.h"

namespace {

constexpr char kMaxisKey[] = "Software\\Maxis";
constexpr char kGameKey[] = "Software\\Maxis\\The Sims";
constexpr const char* kGameValues[] = {"SIMS_DATA", "SIMS_CURRENT_NEIGHBORHOOD_NUM"};

HKEY CreateKey(const char* path, bool& created) {
    HKEY key = nullptr;
    DWORD disposition = 0;
    const LONG status = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_ALL_ACCESS,
                                        nullptr, &key, &disposition);
    EXPECT_EQ(status, ERROR_SUCCESS) << "cannot create HKLM\\" << path;
    created = status == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY;
    return status == ERROR_SUCCESS ? key : nullptr;
}

// The tests need the list view registered, as the program does at start-up.
class CommonControlsEnvironment : public testing::Environment {
public:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
    }
};

[[maybe_unused]] testing::Environment* const commonControls =
    testing::AddGlobalTestEnvironment(new CommonControlsEnvironment);

}  // namespace

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    path_ =
        std::filesystem::temp_directory_path() /
        ("lotwarden-ui-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ScopedGameRegistry::ScopedGameRegistry() {
    UniqueHandle<HKEY, &RegCloseKey> maxis(CreateKey(kMaxisKey, createdMaxis_));
    key_.Reset(CreateKey(kGameKey, createdGame_));
}

ScopedGameRegistry::~ScopedGameRegistry() {
    for (const char* name : kGameValues) {
        Remove(name);
    }
    key_.Reset();
    if (createdGame_) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kGameKey);
    }
    if (createdMaxis_) {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kMaxisKey);
    }
}

void ScopedGameRegistry::SetText(const char* name, const std::string& text) {
    ASSERT_EQ(
        RegSetValueExA(key_.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)),
        ERROR_SUCCESS);
}

void ScopedGameRegistry::Remove(const char* name) {
    RegDeleteValueA(key_.Get(), name);
}

std::string ItemText(HWND dialog, int id) {
    return WindowText(GetDlgItem(dialog, id));
}

std::vector<std::string> ComboEntries(HWND combo) {
    std::vector<std::string> entries;
    const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::vector<char> buffer(
            static_cast<std::size_t>(SendMessageA(combo, CB_GETLBTEXTLEN, i, 0)) + 1);
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
        entries.emplace_back(buffer.data());
    }
    return entries;
}

std::string ComboSelection(HWND combo) {
    const auto selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return selected == CB_ERR ? std::string()
                              : ComboEntries(combo).at(static_cast<std::size_t>(selected));
}
