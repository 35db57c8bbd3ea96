// lotwarden-wine-bench: what Lotwarden.exe adds, on a neighbourhood of
// 1,000 families, to the start of a dialog that does nothing, and what one
// Update Days on that table costs, each against the house-file reads it
// cannot avoid. Under Wine a file open waits on the wine server, and that
// wait changes three- to four-fold with how busy the machine is, so every
// figure compared is taken in the same rounds, one after the other.
// Figures, not a test: a missed target is printed, never failed.
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
constexpr int kRounds = 15;
// What Lotwarden adds to the minimal dialog's start, and an Update Days,
// against the bare reads of the same files.
constexpr double kStartTarget = 1.0;
constexpr double kUpdateTarget = 1.1;

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
    double ready;    // from the start until the window is up and ready
    double closing;  // from the close request until the process has ended
};

// Polls every millisecond: the times measured are a few hundred. verify
// looks at the window once it is ready, untimed.
StartTimes StartAndClose(
    const char* exe, const char* caption, const std::function<bool(HWND)>& ready,
    const std::function<void(HWND)>& verify = [](HWND) {}) {
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
    verify(window);
    const Clock::time_point closeRequested = Clock::now();
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    if (!program.WaitForExit(e2e::kDeadlineMs, &exitCode) || exitCode != 0) {
        throw std::runtime_error(std::string(exe) + " did not close cleanly");
    }
    return {readyAfter, MillisecondsSince(closeRequested)};
}

StartTimes StartMinimalDialog() {
    return StartAndClose("minimal-dialog.exe", "Minimal dialog", [](HWND) { return true; });
}

// Loaded means every row there with its days: a table shown first and
// its days filled in afterwards does not count.
StartTimes StartLotwarden() {
    return StartAndClose(
        "Lotwarden.exe", "Lotwarden",
        [](HWND dialog) {
            return SendMessageA(GetDlgItem(dialog, IDC_FAMILY_TABLE), LVM_GETITEMCOUNT, 0, 0) ==
                   kFamilies;
        },
        [](HWND dialog) {
            for (const test_support::ListRow& row :
                 test_support::ListRows(GetDlgItem(dialog, IDC_FAMILY_TABLE))) {
                if (row.at(2).empty()) {
                    throw std::runtime_error("the window showed before every row had its days");
                }
            }
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

// What the days pass cannot do without: each house file opened, read and
// closed, one after the other, here in a Wine process with no window.
double TimeHouseReads(const std::string& housesFolder) {
    const Clock::time_point start = Clock::now();
    for (int lot = 1; lot <= kFamilies; ++lot) {
        if (!gamedata::ReadDays(housesFolder + "\\" + gamegen::HouseFileName(lot))) {
            throw std::runtime_error("cannot read the house of lot " + std::to_string(lot));
        }
    }
    return MillisecondsSince(start);
}

struct UpdateTimes {
    std::vector<double> updates;
    std::vector<double> houseReads;  // one pass after each update
};

// Update Days on the first row, typed anew each round; the time is that of
// the click, which returns once the write and the days pass are done.
UpdateTimes TimeUpdateDays(const std::string& housesFolder) {
    e2e::LotwardenSession program;
    if (!program.Start()) {
        throw std::runtime_error("Lotwarden did not come up");
    }
    HWND table = program.Control(IDC_FAMILY_TABLE);
    HWND update = program.Control(IDC_UPDATE_DAYS);
    test_support::SelectListRow(table, 0);
    const std::string house = housesFolder + "\\house" + program.Rows().at(0).at(1) + ".iff";
    UpdateTimes times;
    for (int round = 0; round < kRounds; ++round) {
        const int days = 100 + round;
        if (!program.Type(std::to_string(days)) ||
            !e2e::Eventually([&] { return IsWindowEnabled(update) != FALSE; })) {
            throw std::runtime_error("Update Days was not enabled");
        }
        const Clock::time_point start = Clock::now();
        SendMessageA(update, BM_CLICK, 0, 0);
        times.updates.push_back(MillisecondsSince(start));
        const auto bytes = test_support::ReadBytes(house);
        if (!bytes || static_cast<unsigned char>(bytes->at(gamegen::kDaysOffset)) != days) {
            throw std::runtime_error("Update Days did not write " + std::to_string(days));
        }
        times.houseReads.push_back(TimeHouseReads(housesFolder));
    }
    if (!program.Exit()) {
        throw std::runtime_error("Lotwarden did not exit cleanly");
    }
    return times;
}

const char* Verdict(double ratio, double target) {
    return ratio <= target ? "met" : "MISSED";
}

void Run() {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {{"UserData", Families()}});
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");
    const std::string housesFolder = game.File("UserData\\Houses");

    // One untimed start of each, so that every round finds the same caches.
    StartMinimalDialog();
    StartLotwarden();
    std::vector<double> minimal, loaded, closing, houseReads;
    for (int round = 0; round < kRounds; ++round) {
        minimal.push_back(StartMinimalDialog().ready);
        const StartTimes lotwarden = StartLotwarden();
        loaded.push_back(lotwarden.ready);
        closing.push_back(lotwarden.closing);
        houseReads.push_back(TimeHouseReads(housesFolder));
    }
    const UpdateTimes update = TimeUpdateDays(housesFolder);

    const double startRatio = (Median(loaded) - Median(minimal)) / Median(houseReads);
    const double updateRatio = Median(update.updates) / Median(update.houseReads);
    std::printf("\nLotwarden under Wine, %d families, medians of %d interleaved rounds\n",
                kFamilies, kRounds);
    std::printf("  minimal dialog: start until shown               %8.1f ms\n", Median(minimal));
    std::printf("  Lotwarden: start until loaded, days and all     %8.1f ms\n", Median(loaded));
    std::printf("  Lotwarden: close request until ended            %8.1f ms\n", Median(closing));
    std::printf("  %d house files opened, read, closed in turn   %8.1f ms\n", kFamilies,
                Median(houseReads));
    std::printf("  (loaded - minimal) / house reads                %8.2f    (target <= %.1f: %s)\n",
                startRatio, kStartTarget, Verdict(startRatio, kStartTarget));
    std::printf("\n  Update Days with %d rows (write, days pass)    %8.1f ms\n", kFamilies,
                Median(update.updates));
    std::printf("  house reads, between the updates                %8.1f ms\n",
                Median(update.houseReads));
    std::printf("  Update Days / house reads                       %8.2f    (target <= %.1f: %s)\n",
                updateRatio, kUpdateTarget, Verdict(updateRatio, kUpdateTarget));
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
