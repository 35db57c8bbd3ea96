#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/app.h"
#include "framework/command_ui.h"
#include "framework/controls.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/static_control.h"
#include "framework/wait_cursor.h"
#include "tests/support/window_text.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "tests/ui/test_dialog_ids.h"

namespace {

constexpr UINT kSwallowedProbe = WM_APP + 1;
constexpr UINT kPassedProbe = WM_APP + 2;

// A static control that answers colour requests itself and watches what the
// modal loop and its window procedure hand it.
class ProbeStatic : public CStatic {
public:
    const HBRUSH brush = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    HDC colourDc = nullptr;
    HWND windowAtAttach = nullptr;
    bool takenOverAtAttach = true;
    std::vector<UINT> preTranslated;
    std::vector<UINT> received;

    bool PreTranslateMessage(MSG& msg) override {
        preTranslated.push_back(msg.message);
        return msg.message == kSwallowedProbe;
    }

protected:
    void PreSubclassWindow() override {
        windowAtAttach = GetSafeHwnd();
        takenOverAtAttach = FromHandle(GetSafeHwnd()) != nullptr;
    }

    const MessageTable& GetMessageTable() const override { return messageTable; }
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnColour(WPARAM dc, LPARAM) {
        colourDc = reinterpret_cast<HDC>(dc);
        return reinterpret_cast<LRESULT>(brush);
    }
    LRESULT OnSwallowedProbe(WPARAM, LPARAM) {
        received.push_back(kSwallowedProbe);
        return 0;
    }
    LRESULT OnPassedProbe(WPARAM, LPARAM) {
        received.push_back(kPassedProbe);
        return 0;
    }
};

const MessageEntry ProbeStatic::messageEntries[] = {
    on::Reflected(WM_CTLCOLORSTATIC, &ProbeStatic::OnColour),
    on::Message(kSwallowedProbe, &ProbeStatic::OnSwallowedProbe),
    on::Message(kPassedProbe, &ProbeStatic::OnPassedProbe),
};
const MessageTable ProbeStatic::messageTable{&CStatic::messageTable, messageEntries};

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    CEdit edit;
    ProbeStatic reflecting;
    CStatic plain;
    std::string text;
    bool managedEnabled = false;
    int managedUpdates = 0;
    int idlePasses = 0;
    bool destroyedWhileBound = false;
    std::function<void()> onUnmanagedClicked = [] {};
    std::function<void(HWND dialog, int pass)> onIdlePass = [](HWND, int) {};
    std::function<void(HWND dialog, UINT_PTR timer)> onTimer = [](HWND, UINT_PTR) {};

protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Control(IDC_TEST_EDIT, edit);
        dx.Control(IDC_TEST_STATIC, reflecting);
        dx.Control(IDC_TEST_PLAIN_STATIC, plain);
        dx.Text(IDC_TEST_EDIT, text);
    }

    const MessageTable& GetMessageTable() const override { return messageTable; }
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnKickIdle(WPARAM, LPARAM count) {
        UpdateDialogControls(*this, *this);
        if (count == 0) {
            onIdlePass(GetSafeHwnd(), ++idlePasses);
        }
        return 0;
    }
    LRESULT OnTimer(WPARAM timer, LPARAM) {
        onTimer(GetSafeHwnd(), timer);
        return 0;
    }
    LRESULT OnDestroy(WPARAM, LPARAM) {
        destroyedWhileBound = FromHandle(GetSafeHwnd()) == this && edit.GetSafeHwnd() != nullptr;
        return Default();
    }
    void OnUpdateManaged(CCmdUI& ui) {
        ++managedUpdates;
        ui.Enable(managedEnabled);
    }
    void OnUnmanagedClicked() { onUnmanagedClicked(); }
};

const MessageEntry TestDialog::messageEntries[] = {
    on::Message(WM_KICKIDLE, &TestDialog::OnKickIdle),
    on::Message(WM_TIMER, &TestDialog::OnTimer),
    on::Message(WM_DESTROY, &TestDialog::OnDestroy),
    on::CommandUpdate(IDC_TEST_MANAGED, &TestDialog::OnUpdateManaged),
    on::Command(IDC_TEST_UNMANAGED, BN_CLICKED, &TestDialog::OnUnmanagedClicked),
};
const MessageTable TestDialog::messageTable{&CDialog::messageTable, messageEntries};

class TestApp : public CWinApp {
public:
    int helpCommands = 0;
    CDialog* mainDialog = nullptr;

protected:
    bool InitInstance() override {
        if (mainDialog != nullptr) {
            RunMainDialog(*mainDialog);
        }
        return false;
    }

    const MessageTable& GetMessageTable() const override { return messageTable; }
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    void OnHelpCommand() { ++helpCommands; }
};

const MessageEntry TestApp::messageEntries[] = {
    on::Command(ID_HELP, 0, &TestApp::OnHelpCommand),
};
const MessageTable TestApp::messageTable{&CWinApp::messageTable, messageEntries};

void Cancel(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

void Click(HWND dialog, int id) {
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

class FrameworkDialogTest : public testing::Test {
protected:
    INT_PTR Run(std::vector<IdleScript::Step> steps) {
        IdleScript script(std::move(steps));
        return dialog_.DoModal();
    }

    MessageBoxRecorder messages_;
    TestDialog dialog_;
};

TEST_F(FrameworkDialogTest, IdlePassShowsTheDialogAndRunsOnlyTheCommandUpdatesThereAre) {
    Run({[&](HWND dialog) {
        EXPECT_TRUE(IsWindowVisible(dialog));
        EXPECT_GE(dialog_.managedUpdates, 1);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TEST_MANAGED)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_TEST_UNMANAGED)));
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_TEST_EDIT)));
        Cancel(dialog);
    }});
}

// No script here: it would itself post the messages that start idle passes.
// Once the dialog has settled, a resting pointer, a repaint and the caret's
// blink must not start another idle pass; a timer message, like any input,
// must start exactly one.
TEST_F(FrameworkDialogTest, IdlePassesFollowInputButNotPointerMovesPaintsOrTheCaretBlink) {
    constexpr UINT_PTR kSettled = 1;
    constexpr UINT_PTR kProbe = 2;
    constexpr UINT_PTR kGiveUp = 3;
    constexpr UINT kCaretBlink = 0x0118;
    enum class Stage { Settling, ProbeNext, Probing, EndNext } stage = Stage::Settling;
    int probePass = 0;
    int passesAtProbe = 0;
    dialog_.onIdlePass = [&](HWND dialog, int pass) {
        if (pass == 1) {
            SetTimer(dialog, kSettled, 300, nullptr);
            SetTimer(dialog, kGiveUp, 10000, nullptr);
        } else if (stage == Stage::ProbeNext) {
            stage = Stage::Probing;
            probePass = pass;
            PostMessageA(dialog, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
            PostMessageA(dialog, WM_NCMOUSEMOVE, HTCAPTION, 0);
            PostMessageA(dialog, kCaretBlink, 0, 0);
            InvalidateRect(dialog, nullptr, TRUE);
            SetTimer(dialog, kProbe, 300, nullptr);
        } else if (stage == Stage::EndNext) {
            Cancel(dialog);
        }
    };
    dialog_.onTimer = [&](HWND dialog, UINT_PTR timer) {
        KillTimer(dialog, timer);
        if (timer == kSettled) {
            stage = Stage::ProbeNext;
        } else if (timer == kProbe) {
            passesAtProbe = dialog_.idlePasses;
            stage = Stage::EndNext;
        } else {
            ADD_FAILURE() << "no idle pass followed a timer message";
            Cancel(dialog);
        }
    };
    EXPECT_EQ(dialog_.DoModal(), IDCANCEL);
    ASSERT_NE(probePass, 0);
    EXPECT_EQ(passesAtProbe, probePass) << "an idle pass followed a pointer move, paint or blink";
    EXPECT_EQ(dialog_.idlePasses, passesAtProbe + 1);
}

TEST_F(FrameworkDialogTest, DisablingTheFocusedControlMovesTheFocusOn) {
    Run({[&](HWND dialog) {
             dialog_.managedEnabled = true;
             SetFocus(GetDlgItem(dialog, IDC_TEST_EDIT));
         },
         [&](HWND dialog) {
             SetFocus(GetDlgItem(dialog, IDC_TEST_MANAGED));
             ASSERT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TEST_MANAGED));
             dialog_.managedEnabled = false;
         },
         [&](HWND dialog) {
             EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TEST_MANAGED)));
             EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_TEST_UNMANAGED));
             Cancel(dialog);
         }});
}

struct Ending {
    const char* name;
    std::function<void(HWND dialog)> act;
    INT_PTR result;
    bool takesText;
};

void PressKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
}

class FrameworkDialogEndingTest : public FrameworkDialogTest,
                                  public testing::WithParamInterface<Ending> {};

TEST_P(FrameworkDialogEndingTest, EndsWithOkOrCancelAndOnlyOkTakesTheText) {
    const INT_PTR result = Run({[&](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_TEST_EDIT);
        SetWindowTextA(edit, "typed");
        SetFocus(edit);
        GetParam().act(dialog);
    }});
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(dialog_.text, GetParam().takesText ? "typed" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FrameworkDialogEndingTest,
    testing::Values(
        Ending{"Enter", [](HWND dialog) { PressKey(GetDlgItem(dialog, IDC_TEST_EDIT), VK_RETURN); },
               IDOK, true},
        Ending{"Escape",
               [](HWND dialog) { PressKey(GetDlgItem(dialog, IDC_TEST_EDIT), VK_ESCAPE); },
               IDCANCEL, false},
        Ending{"CloseMessage", [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }, IDCANCEL,
               false}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

TEST_F(FrameworkDialogTest, PushSetsTheTextOnlyWhenItDiffersAndPullTakesIt) {
    Run({[&](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_TEST_EDIT);
        dialog_.text = "5";
        dialog_.UpdateData(false);
        EXPECT_EQ(test_support::ItemText(dialog, IDC_TEST_EDIT), "5");

        SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
        dialog_.UpdateData(false);
        EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0)) << "identical push kept the flag";

        dialog_.text = "6";
        dialog_.UpdateData(false);
        EXPECT_EQ(test_support::ItemText(dialog, IDC_TEST_EDIT), "6");
        EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));

        SetWindowTextA(edit, "7");
        dialog_.UpdateData(true);
        EXPECT_EQ(dialog_.text, "7");
        Cancel(dialog);
    }});
}

TEST_F(FrameworkDialogTest, DataExchangeBindsControlsUntilTheDialogGoes) {
    HWND staticItem = nullptr;
    Run({[&](HWND dialog) {
        staticItem = GetDlgItem(dialog, IDC_TEST_STATIC);
        EXPECT_EQ(CWnd::FromHandle(dialog), &dialog_);
        EXPECT_EQ(CWnd::FromHandle(GetDlgItem(dialog, IDC_TEST_EDIT)), &dialog_.edit);
        EXPECT_EQ(CWnd::FromHandle(staticItem), &dialog_.reflecting);
        Cancel(dialog);
    }});
    EXPECT_TRUE(dialog_.destroyedWhileBound) << "WM_DESTROY reaches the dialog's own table";
    EXPECT_EQ(dialog_.reflecting.windowAtAttach, staticItem) << "the attach hook knows the window";
    EXPECT_FALSE(dialog_.reflecting.takenOverAtAttach) << "and runs before the takeover";
    EXPECT_EQ(dialog_.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog_.edit.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog_.reflecting.GetSafeHwnd(), nullptr);
}

TEST_F(FrameworkDialogTest, ColourRequestGoesToTheChildFirstAndItsAnswerWins) {
    LRESULT reflected = 0;
    LRESULT plain = 0;
    HDC dc = nullptr;
    Run({[&](HWND dialog) {
        dc = GetDC(dialog);
        reflected = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TEST_STATIC)));
        plain = SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_TEST_PLAIN_STATIC)));
        ReleaseDC(dialog, dc);
        Cancel(dialog);
    }});
    EXPECT_EQ(reflected, reinterpret_cast<LRESULT>(dialog_.reflecting.brush));
    EXPECT_EQ(dialog_.reflecting.colourDc, dc);
    EXPECT_NE(plain, 0) << "a child without a handler gets the dialog's own answer";
    EXPECT_NE(plain, reflected);
}

TEST_F(FrameworkDialogTest, PreTranslationStartsAtTheTargetWindowsObject) {
    Run({[&](HWND dialog) {
             HWND probe = GetDlgItem(dialog, IDC_TEST_STATIC);
             PostMessageA(probe, kSwallowedProbe, 0, 0);
             PostMessageA(probe, kPassedProbe, 0, 0);
         },
         [&](HWND dialog) {
             EXPECT_EQ(dialog_.reflecting.preTranslated,
                       (std::vector<UINT>{kSwallowedProbe, kPassedProbe}));
             EXPECT_EQ(dialog_.reflecting.received, std::vector<UINT>{kPassedProbe});
             Cancel(dialog);
         }});
}

TEST_F(FrameworkDialogTest, MessageBoxesGoThroughTheSeam) {
    dialog_.onUnmanagedClicked = [&] {
        dialog_.ShowMessage("Something happened.", "Caption", MB_OK | MB_ICONSTOP);
    };
    HWND shownBy = nullptr;
    Run({[&](HWND dialog) {
        shownBy = dialog;
        Click(dialog, IDC_TEST_UNMANAGED);
        Cancel(dialog);
    }});
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].owner, shownBy);
    EXPECT_EQ(messages_.shown[0].text, "Something happened.");
    EXPECT_EQ(messages_.shown[0].caption, "Caption");
    EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

TEST_F(FrameworkDialogTest, ExceptionFromAHandlerIsReportedAndTheDialogGoesOn) {
    dialog_.onUnmanagedClicked = [] { throw std::runtime_error("broken handler"); };
    HWND window = nullptr;
    Run({[&](HWND dialog) {
             window = dialog;
             SetActiveWindow(dialog);
             Click(dialog, IDC_TEST_UNMANAGED);
         },
         [&](HWND dialog) {
             EXPECT_TRUE(IsWindowVisible(dialog));
             Cancel(dialog);
         }});
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].owner, window) << "the box must block the window behind it";
    EXPECT_EQ(messages_.shown[0].text, "broken handler");
    EXPECT_EQ(messages_.shown[0].caption, "ui_tests");
    EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

class InitFailingDialog : public TestDialog {
protected:
    bool OnInitDialog() override {
        TestDialog::OnInitDialog();
        throw std::runtime_error("initialisation failed");
    }
};

struct StartFailure {
    const char* name;
    std::function<std::unique_ptr<CDialog>()> make;
    const char* message;
};

class StartFailureTest : public testing::TestWithParam<StartFailure> {};

// A main dialog that never gets going must end the program with a message
// and a failure code, not leave it running half-made or end it as a success.
TEST_P(StartFailureTest, IsReportedOnceAndEndsTheProgramWithAFailureCode) {
    MessageBoxRecorder messages;
    const std::unique_ptr<CDialog> dialog = GetParam().make();
    TestApp app;
    app.mainDialog = dialog.get();
    EXPECT_NE(app.Main(), EXIT_SUCCESS);
    EXPECT_EQ(dialog->GetSafeHwnd(), nullptr);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, GetParam().message);
    EXPECT_EQ(messages.shown[0].caption, "ui_tests");
    EXPECT_EQ(messages.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, StartFailureTest,
    testing::Values(StartFailure{"NoTemplate",
                                 [] { return std::make_unique<CDialog>(IDD_TEST_DIALOG + 99); },
                                 "The program's window could not be created."},
                    StartFailure{"InitialisationThrows",
                                 [] { return std::make_unique<InitFailingDialog>(); },
                                 "initialisation failed"}),
    [](const testing::TestParamInfo<StartFailure>& info) { return info.param.name; });

TEST_F(FrameworkDialogTest, HelpRequestReachesTheApplicationsHelpCommand) {
    TestApp app;
    Run({[&](HWND dialog) {
        HELPINFO help{};
        help.cbSize = sizeof help;
        SendMessageA(dialog, WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
        Cancel(dialog);
    }});
    EXPECT_EQ(app.helpCommands, 1);
}

POINT CentreOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

TEST_F(FrameworkDialogTest, DialogWithoutParentIsOwnedByTheMainWindowWhichWaitsForIt) {
    TestApp app;
    app.SetMainWindow(&dialog_);
    HWND mainWindow = nullptr;
    HWND owner = nullptr;
    bool ownerEnabledDuring = true;
    POINT mainCentre{};
    POINT nestedCentre{};
    Run({[&](HWND main) {
             mainWindow = main;
             mainCentre = CentreOf(main);
             TestDialog nested;
             EXPECT_EQ(nested.DoModal(), IDCANCEL);
             EXPECT_TRUE(IsWindowEnabled(main));
             Cancel(main);
         },
         [&](HWND nested) {
             owner = GetWindow(nested, GW_OWNER);
             ownerEnabledDuring = IsWindowEnabled(owner) != FALSE;
             nestedCentre = CentreOf(nested);
             Cancel(nested);
         }});
    EXPECT_EQ(owner, mainWindow);
    EXPECT_FALSE(ownerEnabledDuring);
    // Each opens where the user looks: over the screen's middle, and over
    // the window it belongs to.
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_NEAR(mainCentre.x, (workArea.left + workArea.right) / 2, 1);
    EXPECT_NEAR(mainCentre.y, (workArea.top + workArea.bottom) / 2, 1);
    EXPECT_NEAR(nestedCentre.x, mainCentre.x, 1);
    EXPECT_NEAR(nestedCentre.y, mainCentre.y, 1);
}

TEST(WaitCursorTest, NestsAndThenRestoresTheCursorFromBefore) {
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    const HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    SetCursor(arrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(GetCursor(), wait);
        {
            CWaitCursor inner;
            EXPECT_EQ(GetCursor(), wait);
        }
        EXPECT_EQ(GetCursor(), wait) << "the inner end must not restore yet";
    }
    EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
