#include "tests/about/link_probe.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/tooltip.h"
#include "framework/window_dc.h"
#include "tests/support/window_text.h"

namespace link_probe {
namespace {

struct ToolSearch {
    HWND link;
    std::string text;
};

BOOL CALLBACK AskToolTip(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<ToolSearch*>(param);
    if (test_support::ClassNameOf(window) != TOOLTIPS_CLASSA) {
        return TRUE;
    }
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.hwnd = search.link;
    info.uId = 1;
    info.lpszText = text;
    SendMessageA(window, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    search.text = text;
    return search.text.empty();
}

}  // namespace

std::string ToolTipText(HWND link) {
    ToolSearch search{link, ""};
    EnumThreadWindows(GetCurrentThreadId(), &AskToolTip, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

COLORREF LinkColour(HWND link) {
    const CWindowDC dc(link);
    SetTextColor(dc.Get(), RGB(1, 2, 3));
    SetBkMode(dc.Get(), OPAQUE);
    const LRESULT brush =
        SendMessageA(GetParent(link), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                     reinterpret_cast<LPARAM>(link));
    EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(GetBkMode(dc.Get()), TRANSPARENT);
    return GetTextColor(dc.Get());
}

SIZE TextExtent(HWND link) {
    const std::string text = test_support::ItemText(GetParent(link), GetDlgCtrlID(link));
    const CWindowDC dc(link);
    const CSelectedObject font(dc.Get(),
                               reinterpret_cast<HGDIOBJ>(SendMessageA(link, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    return extent;
}

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

std::vector<COLORREF> ClientPixels(HWND window) {
    const SIZE size = ClientSize(window);
    const CWindowDC dc(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            pixels.push_back(GetPixel(dc.Get(), x, y));
        }
    }
    return pixels;
}

}  // namespace link_probe
