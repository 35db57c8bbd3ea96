// Started from a folder deeper than MAX_PATH (run_from_deep_folder.cmake):
// the program still knows its whole path, and Help names the file it looked
// for in that folder.
#include <gtest/gtest.h>

#include <string>

#include "framework/resources.h"
#include "tests/ui/message_box_recorder.h"
#include "ui/help_command.h"
#include "ui/html_help_viewer.h"

namespace {

// The path as the system keeps it, through the wide call and a buffer that
// fits any path.
std::string PathFromTheSystem() {
    std::wstring wide(32768, L'\0');
    wide.resize(GetModuleFileNameW(nullptr, wide.data(), static_cast<DWORD>(wide.size())));
    std::string path(wide.size(), '\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
        path[i] = static_cast<char>(wide[i]);  // the folder names are plain ASCII
    }
    return path;
}

TEST(DeepFolder, ModulePathIsWholeAndHelpNamesTheFileBesideTheProgram) {
    const std::string path = PathFromTheSystem();
    ASSERT_GT(path.size(), static_cast<std::size_t>(MAX_PATH)) << "not started from a deep folder";
    EXPECT_EQ(ModulePath(), path);

    MessageBoxRecorder messages;
    HtmlHelpViewer viewer;
    EXPECT_EQ(OpenHelpFile(nullptr, HelpFileBeside(ModulePath()), viewer), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(text.substr(text.rfind('\n') + 1),
              path.substr(0, path.rfind('\\')) + "\\Lotwarden.chm");
}

}  // namespace
