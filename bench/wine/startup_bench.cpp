// lotwarden-wine-bench: Lotwarden.exe's start-up on a neighbourhood of
// 1,000 families against the start and close of a dialog that does
// nothing, and one Update Days on that table. Figures, not a test: a
// missed target is printed, never failed.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "gamedata/house_days.h"
#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/support/game_key.h"
#include "tests/support/list_view.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace {

constexpr int kFamilies = 1000;
constexpr int kRounds = 9;
constexpr double kTargetRatio = 1.2;

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string Caption(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

struct StartTimes {
    double ready;   // from the start until the window is up and ready
    double closed;  // from the start until the process has ended again
};

// Polls every millisecond: the times measured are a few hundred.
StartTimes StartAndClose(const char* exe, const char* caption,
                         const std::function<bool(HWND)>& ready) {
    const Clock::time_point start = Clock::now();
    const e2e::RunningProgram program(e2e::ExeBesideThisOne(exe));
    HWND window = nullptr;
    while (window == nullptr) {
        for (HWND candidate : program.VisibleWindows()) {
            if (Caption(candidate) == caption && ready(candidate)) {
                window = candidate;
            }
        }
        if (MillisecondsSince(start) > e2e::kDeadlineMs) {
            throw std::runtime_error(std::string(exe) + " did not come up");
        }
        Sleep(1);
    }
    const double readyAfter = MillisecondsSince(start);
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    if (!program.WaitForExit(e2e::kDeadlineMs, &exitCode) || exitCode != 0) {
        throw std::runtime_error(std::string(exe) + " did not close cleanly");
    }
    return {readyAfter, MillisecondsSince(start)};
}

StartTimes StartMinimalDialog() {
    return StartAndClose("minimal-dialog.exe", "Minimal dialog", [](HWND) { return true; });
}

// The table is filled during the dialog's initialisation, before the
// window shows; the row count proves it.
StartTimes StartLotwarden() {
    return StartAndClose("Lotwarden.exe", "Lotwarden", [](HWND dialog) {
        return SendMessageA(GetDlgItem(dialog, IDC_FAMILY_TABLE), LVM_GETITEMCOUNT, 0, 0) ==
               kFamilies;
    });
}

std::vector<gamegen::FamilyPlan> Families() {
    std::vector<gamegen::FamilyPlan> families;
    for (int index = 0; index < kFamilies; ++index) {
        families.push_back({"Family " + std::to_string(1000 + index * 7919 % kFamilies), index + 1,
                            static_cast<std::int16_t>(index % 255 + 1)});
    }
    return families;
}

// Update Days on the first row, typed anew each round; the time is that of
// the click, which returns once the write and the days pass are done.
std::vector<double> TimeUpdateDays(const std::string& housesFolder) {
    e2e::LotwardenSession program;
    if (!program.Start()) {
        throw std::runtime_error("Lotwarden did not come up");
    }
    HWND table = program.Control(IDC_FAMILY_TABLE);
    HWND update = program.Control(IDC_UPDATE_DAYS);
    test_support::SelectListRow(table, 0);
    const std::string house = housesFolder + "\\house" + program.Rows().at(0).at(1) + ".iff";
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const int days = 100 + round;
        if (!program.Type(std::to_string(days)) ||
            !e2e::Eventually([&] { return IsWindowEnabled(update) != FALSE; })) {
            throw std::runtime_error("Update Days was not enabled");
        }
        const Clock::time_point start = Clock::now();
        SendMessageA(update, BM_CLICK, 0, 0);
        times.push_back(MillisecondsSince(start));
        const auto bytes = test_support::ReadBytes(house);
        if (!bytes || static_cast<unsigned char>(bytes->at(gamegen::kDaysOffset)) != days) {
            throw std::runtime_error("Update Days did not write " + std::to_string(days));
        }
    }
    if (!program.Exit()) {
        throw std::runtime_error("Lotwarden did not exit cleanly");
    }
    return times;
}

// What the days pass cannot do without: each house file opened, read and
// closed, here in this process, with no window involved.
double TimeHouseReads(const std::string& housesFolder) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point start = Clock::now();
        for (int lot = 1; lot <= kFamilies; ++lot) {
            if (!gamedata::ReadDays(housesFolder + "\\" + gamegen::HouseFileName(lot))) {
                throw std::runtime_error("cannot read the house of lot " + std::to_string(lot));
            }
        }
        times.push_back(MillisecondsSince(start));
    }
    return Median(times);
}

void Run() {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {{"UserData", Families()}});
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");

    // One untimed start of each, so that every round finds the same caches.
    StartMinimalDialog();
    StartLotwarden();
    std::vector<double> minimal, filled, closed;
    for (int round = 0; round < kRounds; ++round) {
        minimal.push_back(StartMinimalDialog().closed);
        const StartTimes lotwarden = StartLotwarden();
        filled.push_back(lotwarden.ready);
        closed.push_back(lotwarden.closed);
    }
    const double updateDays = Median(TimeUpdateDays(game.File("UserData\\Houses")));
    const double houseReads = TimeHouseReads(game.File("UserData\\Houses"));

    const double ratio = Median(filled) / Median(minimal);
    std::printf("\nLotwarden under Wine, %d families, median of %d rounds\n", kFamilies, kRounds);
    std::printf("  minimal dialog: start, show and close      %8.1f ms\n", Median(minimal));
    std::printf("  Lotwarden: start until the table is filled %8.1f ms\n", Median(filled));
    std::printf("  Lotwarden: start, fill and close           %8.1f ms\n", Median(closed));
    std::printf("  ratio filled / minimal                     %8.2f    (target <= %.1f: %s)\n",
                ratio, kTargetRatio, ratio <= kTargetRatio ? "met" : "MISSED");
    std::printf("  Update Days with %d rows (write, days pass)%8.1f ms\n", kFamilies, updateDays);
    std::printf("  %d house files opened, read, closed alone %8.1f ms\n", kFamilies, houseReads);
}

}  // namespace

int main() {
    try {
        Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "lotwarden-wine-bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
