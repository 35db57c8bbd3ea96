#include "framework/app_message_box.h"

#include "framework/app.h"
#include "framework/message_box.h"
#include "framework/resources.h"
#include "framework/window.h"

int AppMessageBox(const std::string& text, UINT flags) {
    const CWinApp* app = CWinApp::Current();
    HWND main =
        app != nullptr && app->MainWindow() != nullptr ? app->MainWindow()->GetSafeHwnd() : nullptr;
    HWND owner = main != nullptr ? GetLastActivePopup(main) : nullptr;
    return ShowMessageBox({owner, text, ApplicationTitle(), flags});
}
