#pragma once

#include <windows.h>

#include <string>

#include "about/link_colour.h"
#include "about/link_style.h"
#include "common/unique_handle.h"
#include "framework/handles.h"
#include "framework/static_control.h"
#include "framework/tooltip.h"

// A static text of a dialog that acts as a hyperlink: drawn in link colours
// with an underlined copy of the dialog's font, fitted to its text, showing
// its target in a tooltip, and opening the target through the shell on a
// click or the space bar. It takes over the dialog's item at data exchange.
// A screen reader sees it as a link (CLinkAccessible); in high contrast mode
// it draws in the scheme's hot-track colour, and while it has the focus it
// shows a focus rectangle, unless the window's UI state hides focus cues.
class CHyperLink : public CStatic {
public:
    CHyperLink() = default;
    ~CHyperLink() override;

    // Stores the address the link opens. On a live control the tooltip shows
    // it at once; the visible text stays as it is.
    void SetLinkTarget(const std::string& target);
    // A copy of font becomes the control's own font (font may be that very
    // font); the window is fitted to its text again.
    void SetLinkFont(HFONT font);
    // Takes the flags of remove out of the style and puts those of add in;
    // false, changing nothing, when a flag is in both. With apply, a live
    // control shows the change of underline or fit at once, and a removed
    // hover colour.
    bool ChangeLinkStyle(hyperlink::LinkStyle remove, hyperlink::LinkStyle add, bool apply);
    // The colours of every hyperlink control, from its next repaint on. A
    // hover colour of kSystemHighlight takes the system's highlight colour
    // as it is at the time of the call.
    static void SetLinkColours(COLORREF link, COLORREF armed, COLORREF visited, COLORREF hover);
    static constexpr COLORREF kSystemHighlight = 0xFFFFFFFF;

    // Opens the target; a failure beeps and says why, a success marks the
    // link visited.
    void ActivateLink();
    // Resizes the window to its text, when the style asks for that.
    void FitToText();

    // Opens target with the shell, and when the shell cannot, starts the
    // program registered for web pages with it. Answers the shell's or that
    // program's result: above 32 for success, an error code otherwise.
    static INT_PTR OpenTarget(const std::string& target, int showCommand);
    // The default value of root\subkey into out; 0, or the registry's error
    // code with out untouched. A value that is not text of at most 259
    // characters counts as not read.
    static LONG ReadRegistryDefault(HKEY root, const std::string& subkey, std::string& out);
    static void ReportOpenError(int code);

    // What the link's accessible object, which keeps only the window
    // handle, asks the window. Posted: open the target as the space bar does.
    static constexpr UINT kOpenMessage = WM_APP + 0x4C0;
    // lParam: a std::string that takes the target.
    static constexpr UINT kTargetMessage = WM_APP + 0x4C1;
    // Answers TRUE once the link is visited.
    static constexpr UINT kVisitedMessage = WM_APP + 0x4C2;

protected:
    void PreSubclassWindow() override;
    bool PreTranslateMessage(MSG& msg) override;

    const MessageTable& GetMessageTable() const override;
    static const MessageEntry messageEntries[];
    static const MessageTable messageTable;

private:
    static void LoadHandCursor();
    void Repaint();
    HFONT WindowFont() const;

    LRESULT OnCtlColor(WPARAM dc, LPARAM);
    LRESULT OnSetCursor(WPARAM, LPARAM);
    LRESULT OnMouseMove(WPARAM, LPARAM position);
    LRESULT OnLButtonUp(WPARAM, LPARAM);
    LRESULT OnSetFocus(WPARAM, LPARAM);
    LRESULT OnKillFocus(WPARAM, LPARAM);
    LRESULT OnKeyDown(WPARAM key, LPARAM);
    LRESULT OnNcHitTest(WPARAM, LPARAM);
    LRESULT OnLButtonDown(WPARAM, LPARAM);
    LRESULT OnGetObject(WPARAM flags, LPARAM objectId);
    LRESULT OnEraseBkgnd(WPARAM dc, LPARAM);
    LRESULT OnPaint(WPARAM, LPARAM);
    LRESULT OnLookChange(WPARAM, LPARAM);
    LRESULT OnOpen(WPARAM, LPARAM);
    LRESULT OnTarget(WPARAM, LPARAM target);
    LRESULT OnVisited(WPARAM, LPARAM);

    bool armed_ = false;
    bool hovering_ = false;
    bool visited_ = false;
    hyperlink::LinkStyle style_ = hyperlink::kDefaultLinkStyle;
    std::string target_;
    GdiHandle<HFONT> linkFont_;
    CToolTipCtrl tip_;

    static hyperlink::LinkColours colours_;
    // One cursor for all links, taken by the first link to go.
    static UniqueHandle<HCURSOR, &DestroyCursor> handCursor_;
};
