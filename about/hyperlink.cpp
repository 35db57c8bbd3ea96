#include "about/hyperlink.h"

#include <uxtheme.h>
#include <windowsx.h>

#include <cstring>
#include <optional>
#include <utility>

#include "about/link_accessible.h"
#include "about/link_launcher.h"
#include "about/link_opening.h"
#include "framework/app_message_box.h"
#include "framework/window_dc.h"

using hyperlink::kLinkFitToText;
using hyperlink::kLinkFocusOnClick;
using hyperlink::kLinkHoverColour;
using hyperlink::kLinkOpenOnPress;
using hyperlink::kLinkPlainCursor;
using hyperlink::kLinkUnderline;
using hyperlink::LinkStyle;

namespace {

using ModuleHandle = UniqueHandle<HMODULE, &FreeLibrary>;
using RegistryKey = UniqueHandle<HKEY, &RegCloseKey>;

constexpr UINT kToolId = 1;
// The pointing hand among the cursors of the system's help program.
constexpr WORD kHandCursorId = 106;
constexpr UINT kPathBufferSize = 260;
constexpr LONG kRegistryTextSize = 260;

// The system's help program, as a data file: since Windows Vista it is a
// stub that says WinHelp is missing, and on 64-bit Windows it may be of the
// other bitness, which loads as data but not as a program.
ModuleHandle LoadHelpProgramAsData() {
    char folder[kPathBufferSize] = {};
    const UINT length = GetWindowsDirectoryA(folder, kPathBufferSize);
    if (length == 0 || length >= kPathBufferSize) {
        return ModuleHandle();
    }
    const std::string path = std::string(folder, length) + "\\winhlp32.exe";
    return ModuleHandle(LoadLibraryExA(path.c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

bool IsLeadByte(char byte) {
    return IsDBCSLeadByte(static_cast<BYTE>(byte)) != FALSE;
}

// A font with font's attributes and the underline as given; none when font
// cannot be read or the copy cannot be made.
GdiHandle<HFONT> FontCopy(HFONT font, bool underline) {
    LOGFONTA attributes{};
    if (GetObjectA(font, sizeof attributes, &attributes) != sizeof attributes) {
        return GdiHandle<HFONT>();
    }
    attributes.lfUnderline = underline ? 1 : 0;
    return GdiHandle<HFONT>(CreateFontIndirectA(&attributes));
}

// The scheme's hot-track colour while high contrast mode is on.
std::optional<hyperlink::Colour> HighContrastHotTrack() {
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    if (!SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) ||
        (highContrast.dwFlags & HCF_HIGHCONTRASTON) == 0) {
        return std::nullopt;
    }
    return GetSysColor(COLOR_HOTLIGHT);
}

}  // namespace

hyperlink::LinkColours CHyperLink::colours_{RGB(0, 0, 255), RGB(0, 128, 128), RGB(128, 0, 128),
                                            RGB(255, 0, 0)};
UniqueHandle<HCURSOR, &DestroyCursor> CHyperLink::handCursor_;

const MessageEntry CHyperLink::messageEntries[] = {
    on::Reflected(WM_CTLCOLORSTATIC, &CHyperLink::OnCtlColor),
    on::Message(WM_SETCURSOR, &CHyperLink::OnSetCursor),
    on::Message(WM_MOUSEMOVE, &CHyperLink::OnMouseMove),
    on::Message(WM_LBUTTONUP, &CHyperLink::OnLButtonUp),
    on::Message(WM_SETFOCUS, &CHyperLink::OnSetFocus),
    on::Message(WM_KILLFOCUS, &CHyperLink::OnKillFocus),
    on::Message(WM_KEYDOWN, &CHyperLink::OnKeyDown),
    on::Message(WM_NCHITTEST, &CHyperLink::OnNcHitTest),
    on::Message(WM_LBUTTONDOWN, &CHyperLink::OnLButtonDown),
    on::Message(WM_GETOBJECT, &CHyperLink::OnGetObject),
    on::Message(WM_ERASEBKGND, &CHyperLink::OnEraseBkgnd),
    on::Message(WM_PAINT, &CHyperLink::OnPaint),
    on::Message(WM_SYSCOLORCHANGE, &CHyperLink::OnLookChange),
    on::Message(WM_SETTINGCHANGE, &CHyperLink::OnLookChange),
    on::Message(WM_UPDATEUISTATE, &CHyperLink::OnLookChange),
    on::Message(kOpenMessage, &CHyperLink::OnOpen),
    on::Message(kTargetMessage, &CHyperLink::OnTarget),
    on::Message(kVisitedMessage, &CHyperLink::OnVisited),
};
const MessageTable CHyperLink::messageTable{&CStatic::messageTable, messageEntries};

const MessageTable& CHyperLink::GetMessageTable() const {
    return messageTable;
}

CHyperLink::~CHyperLink() {
    // A window that outlives its link must not go on drawing with a font
    // that is gone.
    if (GetSafeHwnd() != nullptr && linkFont_) {
        Send(WM_SETFONT, 0, FALSE);
    }
    linkFont_.Reset();
    handCursor_.Reset();
    tip_.DestroyWindow();
}

void CHyperLink::PreSubclassWindow() {
    if (target_.empty()) {
        target_ = Text();
    }
    if (Text().empty()) {
        SetText(target_);
    }
    if (HFONT font = WindowFont()) {
        linkFont_ = FontCopy(font, (style_ & kLinkUnderline) != 0);
        if (linkFont_) {
            Send(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()), TRUE);
        }
        FitToText();
    } else {
        // Nothing to measure the text in: the window keeps its size.
        style_ &= ~kLinkFitToText;
    }
    if ((style_ & kLinkPlainCursor) == 0) {
        LoadHandCursor();
    }
    RECT client{};
    GetClientRect(GetSafeHwnd(), &client);
    if (tip_.Create(*this)) {
        tip_.AddTool(*this, kToolId, client, target_);
    }
    CStatic::PreSubclassWindow();
}

bool CHyperLink::PreTranslateMessage(MSG& msg) {
    if (msg.hwnd == GetSafeHwnd()) {
        tip_.RelayEvent(msg);
    }
    return CStatic::PreTranslateMessage(msg);
}

void CHyperLink::SetLinkTarget(const std::string& target) {
    target_ = target;
    HWND hwnd = GetSafeHwnd();
    if (!IsWindow(hwnd)) {
        return;
    }
    ShowWindow(hwnd, SW_HIDE);
    FitToText();
    tip_.UpdateTipText(*this, kToolId, target_);
    ShowWindow(hwnd, SW_SHOW);
}

void CHyperLink::SetLinkFont(HFONT font) {
    HWND hwnd = GetSafeHwnd();
    ShowWindow(hwnd, SW_HIDE);
    LOGFONTA attributes{};
    GetObjectA(font, sizeof attributes, &attributes);
    // Installed before the old font goes, so the window never holds a
    // deleted one; font may be the old one itself.
    GdiHandle<HFONT> replacement(CreateFontIndirectA(&attributes));
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(replacement.Get()), TRUE);
    linkFont_ = std::move(replacement);
    FitToText();
    ShowWindow(hwnd, SW_SHOW);
}

bool CHyperLink::ChangeLinkStyle(LinkStyle remove, LinkStyle add, bool apply) {
    const auto changed = hyperlink::ChangedLinkStyle(style_, remove, add);
    if (!changed) {
        return false;
    }
    style_ = *changed;
    if (!apply || !IsWindow(GetSafeHwnd())) {
        return true;
    }
    if (((remove | add) & kLinkUnderline) != 0) {
        if (HFONT font = WindowFont()) {
            const GdiHandle<HFONT> underlined = FontCopy(font, (style_ & kLinkUnderline) != 0);
            if (underlined) {
                SetLinkFont(underlined.Get());
            }
        }
    }
    if ((add & kLinkFitToText) != 0) {
        FitToText();
    }
    if ((remove & kLinkHoverColour) != 0) {
        Repaint();
    }
    return true;
}

void CHyperLink::SetLinkColours(COLORREF link, COLORREF armed, COLORREF visited, COLORREF hover) {
    colours_ = {link, armed, visited,
                hover == kSystemHighlight ? GetSysColor(COLOR_HIGHLIGHT) : hover};
}

void CHyperLink::ActivateLink() {
    const INT_PTR result = OpenTarget(target_, SW_SHOW);
    if (result <= 32) {
        CurrentLinkLauncher().beep(MB_ICONEXCLAMATION);
        ReportOpenError(static_cast<int>(result));
        return;
    }
    if (!visited_) {
        visited_ = true;
        // Readers learn that the link is now traversed.
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, GetSafeHwnd(), OBJID_CLIENT, CHILDID_SELF);
    }
    Repaint();
}

void CHyperLink::FitToText() {
    HWND hwnd = GetSafeHwnd();
    if ((style_ & kLinkFitToText) == 0 || hwnd == nullptr) {
        return;
    }
    const auto windowStyle = static_cast<std::uint32_t>(GetWindowLongA(hwnd, GWL_STYLE));
    RECT window{};
    GetWindowRect(hwnd, &window);
    if ((windowStyle & WS_CHILD) != 0) {
        MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&window), 2);
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    const hyperlink::Extent borders{window.right - window.left - client.right,
                                    window.bottom - window.top - client.bottom};
    SIZE text{};
    {
        const std::string shown = Text();
        const CWindowDC dc(hwnd);
        const CSelectedObject font(dc.Get(), linkFont_.Get());
        GetTextExtentPoint32A(dc.Get(), shown.c_str(), static_cast<int>(shown.size()), &text);
    }
    const hyperlink::Placement placement =
        hyperlink::FitToText({window.left, window.top, window.right, window.bottom}, borders,
                             {text.cx, text.cy}, windowStyle);
    MoveWindow(hwnd, placement.x, placement.y, placement.width, placement.height, TRUE);
}

void CHyperLink::LoadHandCursor() {
    if (handCursor_) {
        return;
    }
    const ModuleHandle helpProgram = LoadHelpProgramAsData();
    HCURSOR shared =
        helpProgram ? LoadCursorA(helpProgram.Get(), MAKEINTRESOURCEA(kHandCursorId)) : nullptr;
    if (shared == nullptr) {
        shared = LoadCursorA(nullptr, IDC_HAND);
    }
    // Loaded cursors are shared and must not be destroyed; the links keep a
    // copy of their own, which outlives the help program freed here.
    if (shared != nullptr) {
        handCursor_.Reset(CopyIcon(shared));
    }
}

INT_PTR CHyperLink::OpenTarget(const std::string& target, int showCommand) {
    const LinkLauncher& launcher = CurrentLinkLauncher();
    const INT_PTR result = launcher.shellOpen(target, showCommand);
    if (static_cast<UINT_PTR>(result) > 32) {
        return result;
    }
    // The shell could not: start the program registered for web pages,
    // which takes mail and web addresses alike.
    std::string registered;
    if (ReadRegistryDefault(HKEY_CLASSES_ROOT, ".htm", registered) != ERROR_SUCCESS ||
        ReadRegistryDefault(HKEY_CLASSES_ROOT, registered + "\\shell\\open\\command", registered) !=
            ERROR_SUCCESS) {
        return result;
    }
    const auto commandLine = hyperlink::FallbackCommandLine(registered, target, &IsLeadByte);
    if (!commandLine) {
        return result;
    }
    return static_cast<INT_PTR>(launcher.startProgram(*commandLine, showCommand));
}

LONG CHyperLink::ReadRegistryDefault(HKEY root, const std::string& subkey, std::string& out) {
    HKEY opened = nullptr;
    LONG error = RegOpenKeyExA(root, subkey.c_str(), 0, KEY_QUERY_VALUE, &opened);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    const RegistryKey key(opened);
    char value[kRegistryTextSize] = {};
    LONG size = kRegistryTextSize;
    error = RegQueryValueA(key.Get(), nullptr, value, &size);
    if (error != ERROR_SUCCESS) {
        return error;
    }
    // Text stored without its terminating zero may fill the buffer exactly;
    // it did not fit either.
    const std::size_t length = strnlen(value, sizeof value);
    if (length == sizeof value) {
        return ERROR_MORE_DATA;
    }
    out.assign(value, length);
    return ERROR_SUCCESS;
}

void CHyperLink::ReportOpenError(int code) {
    AppMessageBox("Can't open link:\n\n" + hyperlink::OpenErrorText(code),
                  MB_ICONEXCLAMATION | MB_OK);
}

void CHyperLink::Repaint() {
    InvalidateRect(GetSafeHwnd(), nullptr, TRUE);
}

HFONT CHyperLink::WindowFont() const {
    return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

LRESULT CHyperLink::OnCtlColor(WPARAM dc, LPARAM) {
    SetTextColor(reinterpret_cast<HDC>(dc),
                 hyperlink::TextColour(colours_, style_, {hovering_, armed_, visited_},
                                       HighContrastHotTrack()));
    SetBkMode(reinterpret_cast<HDC>(dc), TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CHyperLink::OnSetCursor(WPARAM, LPARAM) {
    if (!handCursor_) {
        return FALSE;
    }
    SetCursor(handCursor_.Get());
    return TRUE;
}

LRESULT CHyperLink::OnMouseMove(WPARAM, LPARAM position) {
    HWND hwnd = GetSafeHwnd();
    if (!hovering_) {
        // Holding the capture keeps the moves coming, so the one that leaves
        // the link is seen too.
        hovering_ = true;
        Repaint();
        SetCapture(hwnd);
        return 0;
    }
    RECT client{};
    GetClientRect(hwnd, &client);
    if (!PtInRect(&client, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)})) {
        hovering_ = false;
        ReleaseCapture();
        Repaint();
    }
    return 0;
}

LRESULT CHyperLink::OnLButtonUp(WPARAM, LPARAM) {
    if (armed_ && (style_ & kLinkOpenOnPress) == 0) {
        ActivateLink();
    }
    return 0;
}

LRESULT CHyperLink::OnSetFocus(WPARAM, LPARAM) {
    armed_ = true;
    Repaint();
    return 0;
}

LRESULT CHyperLink::OnKillFocus(WPARAM, LPARAM) {
    hovering_ = false;
    armed_ = false;
    Repaint();
    return 0;
}

LRESULT CHyperLink::OnKeyDown(WPARAM key, LPARAM) {
    if (key != VK_SPACE) {
        return Default();
    }
    ActivateLink();
    return 0;
}

LRESULT CHyperLink::OnNcHitTest(WPARAM, LPARAM) {
    // Without the notify style a static is transparent to the mouse.
    return HTCLIENT;
}

LRESULT CHyperLink::OnLButtonDown(WPARAM, LPARAM) {
    if ((style_ & kLinkFocusOnClick) != 0) {
        SetFocus(GetSafeHwnd());
    }
    if ((style_ & kLinkOpenOnPress) != 0) {
        ActivateLink();
    }
    armed_ = true;
    return 0;
}

LRESULT CHyperLink::OnGetObject(WPARAM flags, LPARAM objectId) {
    const LRESULT answer =
        CAccessibleWindow::AnswerGetObject<CLinkAccessible>(GetSafeHwnd(), flags, objectId);
    return answer != 0 ? answer : Default();
}

LRESULT CHyperLink::OnEraseBkgnd(WPARAM dc, LPARAM) {
    // The static draws no background (its brush is hollow), and the focus
    // rectangle is drawn by inverting: every paint starts from the parent's
    // background, so that a second paint never takes back the first one's
    // rectangle.
    DrawThemeParentBackground(GetSafeHwnd(), reinterpret_cast<HDC>(dc), nullptr);
    return TRUE;
}

LRESULT CHyperLink::OnPaint(WPARAM, LPARAM) {
    HWND hwnd = GetSafeHwnd();
    // Only what this paint draws afresh has no rectangle to invert yet.
    const GdiHandle<HRGN> repainted(CreateRectRgn(0, 0, 0, 0));
    GetUpdateRgn(hwnd, repainted.Get(), FALSE);
    const LRESULT result = Default();
    if (GetFocus() == hwnd && (Send(WM_QUERYUISTATE) & UISF_HIDEFOCUS) == 0) {
        const CWindowDC dc(hwnd);
        SelectClipRgn(dc.Get(), repainted.Get());
        RECT client{};
        GetClientRect(hwnd, &client);
        DrawFocusRect(dc.Get(), &client);
    }
    return result;
}

LRESULT CHyperLink::OnLookChange(WPARAM, LPARAM) {
    const LRESULT result = Default();
    Repaint();
    return result;
}

LRESULT CHyperLink::OnOpen(WPARAM, LPARAM) {
    ActivateLink();
    return 0;
}

LRESULT CHyperLink::OnTarget(WPARAM, LPARAM target) {
    // Only the link's accessible object, on this thread, hands a string:
    // from another thread or process the pointer would mean nothing here.
    if (InSendMessage()) {
        return FALSE;
    }
    *reinterpret_cast<std::string*>(target) = target_;
    return TRUE;
}

LRESULT CHyperLink::OnVisited(WPARAM, LPARAM) {
    return visited_ ? TRUE : FALSE;
}
