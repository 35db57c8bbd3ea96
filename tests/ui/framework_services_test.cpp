// What the framework offers controls beyond the dialog itself: popups it
// creates for a window, reflected messages with their default processing,
// and the application's own message box.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/app_message_box.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/static_control.h"
#include "framework/tooltip.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "tests/ui/test_dialog_ids.h"

namespace {

std::string ToolText(HWND tip, HWND window, UINT toolId) {
    char text[256] = {};
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.hwnd = window;
    info.uId = toolId;
    info.lpszText = text;
    SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

void Cancel(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

// The module file of the common controls this process is bound to.
std::string CommonControlsFile() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&InitCommonControlsEx), &module);
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    std::string file(path, length);
    for (char& c : file) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return file;
}

TEST(FrameworkTooltipTest, ToolTakesItsTextAndTheObjectNoticesWhenTheOwnerTakesTheTooltip) {
    // The tool structure's size is that of version 6, which the manifest
    // in the resources selects.
    EXPECT_NE(CommonControlsFile().find("common-controls_6595b64144ccf1df_6.0."), std::string::npos)
        << CommonControlsFile();
    CDialog dialog(IDD_TEST_DIALOG);
    CToolTipCtrl tip;
    HWND tipWindow = nullptr;
    IdleScript script({[&](HWND window) {
        ASSERT_TRUE(tip.Create(dialog));
        tipWindow = tip.GetSafeHwnd();
        EXPECT_EQ(GetWindow(tipWindow, GW_OWNER), window);
        EXPECT_TRUE(tip.AddTool(dialog, 7, RECT{0, 0, 20, 10}, "first"));
        EXPECT_EQ(SendMessageA(tipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);
        EXPECT_EQ(ToolText(tipWindow, window, 7), "first");
        tip.UpdateTipText(dialog, 7, "second");
        EXPECT_EQ(ToolText(tipWindow, window, 7), "second");
        Cancel(window);
    }});
    dialog.DoModal();
    EXPECT_FALSE(IsWindow(tipWindow)) << "the owner destroyed its popup";
    EXPECT_EQ(tip.GetSafeHwnd(), nullptr) << "and the object knows";
}

// A static whose reflected colour handler leaves the answer to the control.
class DefaultColourStatic : public CStatic {
public:
    LRESULT answered = 0;

protected:
    const MessageTable& GetMessageTable() const override { return messageTable; }
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnColour(WPARAM, LPARAM) {
        answered = Default();
        return answered;
    }
};

const MessageEntry DefaultColourStatic::messageEntries[] = {
    on::Reflected(WM_CTLCOLORSTATIC, &DefaultColourStatic::OnColour),
};
const MessageTable DefaultColourStatic::messageTable{&CStatic::messageTable, messageEntries};

class DefaultColourDialog : public CDialog {
public:
    DefaultColourDialog() : CDialog(IDD_TEST_DIALOG) {}
    DefaultColourStatic label;

protected:
    void DoDataExchange(CDataExchange& dx) override { dx.Control(IDC_TEST_STATIC, label); }
};

TEST(FrameworkReflectionTest, DefaultInAReflectedHandlerProcessesTheReflectedMessage) {
    DefaultColourDialog dialog;
    LRESULT expected = 0;
    LRESULT answer = 0;
    IdleScript script({[&](HWND window) {
        HWND label = GetDlgItem(window, IDC_TEST_STATIC);
        HDC dc = GetDC(label);
        expected = DefWindowProcA(label, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                  reinterpret_cast<LPARAM>(label));
        answer = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(label));
        ReleaseDC(label, dc);
        Cancel(window);
    }});
    dialog.DoModal();
    ASSERT_NE(expected, 0);
    EXPECT_EQ(dialog.label.answered, expected);
    EXPECT_EQ(answer, expected);
}

class TestApp : public CWinApp {
protected:
    bool InitInstance() override { return false; }
};

TEST(AppMessageBoxTest, OwnedByTheMainWindowsLastActivePopupAndTitledWithTheApplication) {
    MessageBoxRecorder messages;
    AppMessageBox("Before any application.", MB_OK);

    TestApp app;
    AppMessageBox("Without a main window.", MB_OK);

    CDialog main(IDD_TEST_DIALOG);
    app.SetMainWindow(&main);
    HWND mainWindow = nullptr;
    HWND nestedWindow = nullptr;
    IdleScript script({[&](HWND window) {
                           mainWindow = window;
                           AppMessageBox("Over the main window.", MB_ICONSTOP);
                           CDialog nested(IDD_TEST_DIALOG);
                           nested.DoModal();
                           Cancel(window);
                       },
                       [&](HWND window) {
                           nestedWindow = window;
                           AppMessageBox("Over the open dialog.", MB_ICONEXCLAMATION);
                           Cancel(window);
                       }});
    main.DoModal();

    const std::vector<std::pair<std::string, HWND>> expected{
        {"Before any application.", nullptr},
        {"Without a main window.", nullptr},
        {"Over the main window.", mainWindow},
        {"Over the open dialog.", nestedWindow},
    };
    ASSERT_EQ(messages.shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(messages.shown[i].text, expected[i].first);
        EXPECT_EQ(messages.shown[i].owner, expected[i].second) << expected[i].first;
        EXPECT_EQ(messages.shown[i].caption, "ui_tests");
    }
    EXPECT_EQ(messages.shown[3].flags, static_cast<UINT>(MB_ICONEXCLAMATION));
}

}  // namespace
