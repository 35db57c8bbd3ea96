#include <gtest/gtest.h>

#include <cstdlib>

#include "app/lotwarden_app.h"
#include "framework/window.h"
#include "res/resource.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"

namespace {

TEST(LotwardenAppTest, RunsTheMainDialogAsMainWindowAndEndsWhenItCloses) {
    MessageBoxRecorder messages;
    CLotwardenApp app;
    HWND dialogWindow = nullptr;
    HWND mainWindow = nullptr;
    IdleScript script({[&](HWND dialog) {
        dialogWindow = dialog;
        mainWindow = app.MainWindow() != nullptr ? app.MainWindow()->GetSafeHwnd() : nullptr;
        PostMessageA(GetDlgItem(dialog, IDC_EXIT), BM_CLICK, 0, 0);
    }});
    EXPECT_EQ(app.Main(), EXIT_SUCCESS);
    EXPECT_EQ(script.StepsRun(), 1u);
    EXPECT_EQ(mainWindow, dialogWindow);
    EXPECT_FALSE(IsWindow(dialogWindow));
    EXPECT_EQ(app.MainWindow(), nullptr);
}

}  // namespace
