#include <objbase.h>

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

// The About box's links go to the shell, which may need COM on this thread.
// Wine's input method support enters an apartment of its own on any thread
// with a window, but gives way to a program that asks for another kind:
// only the program's own single-threaded apartment refuses the switch.
TEST(LotwardenAppTest, TheUserInterfaceThreadIsASingleThreadedApartmentUntilTheProgramEnds) {
    MessageBoxRecorder messages;
    CLotwardenApp app;
    HRESULT switchInAboutBox = S_OK;
    IdleScript script(
        {[](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_ABOUT), BM_CLICK, 0, 0); },
         [&](HWND box) {
             EXPECT_EQ(WindowText(box), "About this program...");
             switchInAboutBox = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
             if (SUCCEEDED(switchInAboutBox)) {
                 CoUninitialize();
             }
             PostMessageA(box, WM_COMMAND, IDOK, 0);
         },
         [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_EXIT), BM_CLICK, 0, 0); }});
    EXPECT_EQ(app.Main(), EXIT_SUCCESS);
    EXPECT_EQ(script.StepsRun(), 3u);
    EXPECT_EQ(switchInAboutBox, RPC_E_CHANGED_MODE);
    APTTYPE apartment{};
    APTTYPEQUALIFIER qualifier{};
    EXPECT_EQ(CoGetApartmentType(&apartment, &qualifier), CO_E_NOTINITIALIZED)
        << "COM outlived the program";
}

}  // namespace
