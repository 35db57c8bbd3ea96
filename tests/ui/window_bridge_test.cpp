// The bridge from window procedures to objects on plain windows: it keeps
// a window's procedure chain whole when it cannot leave it, hands a
// Unicode window's messages over unconverted, and lets a window it never
// took over be.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/window.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;
constexpr LRESULT kAnswered = 42;

class Answering : public CWnd {
protected:
    const MessageTable& GetMessageTable() const override { return messageTable; }
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    LRESULT OnProbe(WPARAM, LPARAM) { return kAnswered; }
};

const MessageEntry Answering::messageEntries[] = {
    on::Message(kProbe, &Answering::OnProbe),
};
const MessageTable Answering::messageTable{&CWnd::messageTable, messageEntries};

// A procedure set on top of the bridge by someone else, counting what it
// passes down.
WNDPROC belowLater = nullptr;
int passedByLater = 0;

LRESULT CALLBACK Later(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ++passedByLater;
    return CallWindowProcA(belowLater, hwnd, message, wParam, lParam);
}

std::wstring WideText(HWND window) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

TEST(WindowBridgeTest, LettingGoUnderALaterProcedureKeepsTheChainWhole) {
    HWND window = CreateWindowExA(0, "STATIC", "before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    Answering first;
    ASSERT_TRUE(first.SubclassWindow(window));
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), kAnswered);
    belowLater = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));

    first.UnsubclassWindow();
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
    passedByLater = 0;
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), 0) << "answered by an object that let go";
    SetWindowTextA(window, "after");
    EXPECT_EQ(WideText(window), L"after") << "the static's own procedure no longer reached";
    EXPECT_GE(passedByLater, 2);

    Answering second;
    ASSERT_TRUE(second.SubclassWindow(window));
    EXPECT_EQ(SendMessageA(window, kProbe, 0, 0), kAnswered);
    DestroyWindow(window);
    EXPECT_EQ(second.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandle(window), nullptr);
}

TEST(WindowBridgeTest, UnicodeWindowsTextPassesUnconverted) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    Answering taken;
    ASSERT_TRUE(taken.SubclassWindow(window));
    // Not in the ANSI code page: a conversion on the way would lose it.
    SetWindowTextW(window, L"\x0416\x0416");
    EXPECT_EQ(WideText(window), L"\x0416\x0416");
    taken.UnsubclassWindow();
    EXPECT_TRUE(IsWindowUnicode(window));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)),
              reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC)))
        << "the window's own procedure is back";
    DestroyWindow(window);
}

TEST(WindowBridgeTest, AWindowGivenTheBridgeByAnotherProcedureGetsDefaultProcessing) {
    HWND taken = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    Answering object;
    ASSERT_TRUE(object.SubclassWindow(taken));
    SetWindowLongPtrA(other, GWLP_WNDPROC, GetWindowLongPtrA(taken, GWLP_WNDPROC));
    EXPECT_EQ(SendMessageA(other, kProbe, 0, 0), 0) << "answered for a window it never took over";
    SetWindowTextA(other, "default");
    EXPECT_EQ(WindowText(other), "default");
    EXPECT_TRUE(DestroyWindow(other));
    DestroyWindow(taken);
}

}  // namespace
