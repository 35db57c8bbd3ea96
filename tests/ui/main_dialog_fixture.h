#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/support/game_key.h"
#include "tests/support/list_view.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "tools/gamegen/gamegen.h"
#include "ui/lotwarden_dlg.h"

inline std::string NotFoundText(const std::string& path) {
    return "The following file was not found:\n" + path + "\n\nProcessing will be stopped.";
}

// The real main dialog on a generated game folder that the game's registry
// values point at, driven the way a user drives it.
class MainDialogTest : public testing::Test {
protected:
    void UseGame(const std::vector<gamegen::NeighbourhoodPlan>& neighbourhoods, int current) {
        gamegen::WriteGameFolder(folder_.path(), neighbourhoods);
        gameKey_.SetText("SIMS_DATA", folder_.path().string());
        gameKey_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", std::to_string(current));
    }

    INT_PTR Run(std::vector<IdleScript::Step> steps) {
        IdleScript script(std::move(steps));
        CLotwardenDlg dialog;
        return dialog.DoModal();
    }

    std::string HouseFile(const char* neighbourhood, int lot) const {
        return folder_.File(std::string(neighbourhood) + "\\Houses\\" +
                            gamegen::HouseFileName(lot));
    }

    static HWND Table(HWND dialog) { return GetDlgItem(dialog, IDC_FAMILY_TABLE); }
    static std::vector<test_support::ListRow> Rows(HWND dialog) {
        return test_support::ListRows(Table(dialog));
    }
    static bool Enabled(HWND dialog, int id) {
        return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
    }
    // The row showing the family, -1 when none does.
    static int RowOf(HWND dialog, const std::string& family) {
        const auto rows = Rows(dialog);
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row][0] == family) {
                return static_cast<int>(row);
            }
        }
        return -1;
    }

    // Replaces the days box's text key by key, as typing over a selection does.
    static void Type(HWND dialog, const std::string& text) {
        HWND box = GetDlgItem(dialog, IDC_DAYS);
        SetFocus(box);
        SendMessageA(box, EM_SETSEL, 0, -1);
        if (text.empty()) {
            SendMessageA(box, WM_CHAR, VK_BACK, 1);
        }
        for (char c : text) {
            SendMessageA(box, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
    }
    static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
    static void Choose(HWND dialog, const char* label) {
        HWND chooser = GetDlgItem(dialog, IDC_NEIGHBOURHOOD);
        SendMessageA(chooser, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(label));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NEIGHBOURHOOD, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(chooser));
    }
    static void Close(HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }

    test_support::TempFolder folder_;
    test_support::GameKey gameKey_;
    MessageBoxRecorder messages_;
};
