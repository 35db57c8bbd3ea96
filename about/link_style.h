#pragma once

#include <cstdint>
#include <optional>

// The behaviour flags of a hyperlink control, and the arithmetic of its
// window that needs no window.
namespace hyperlink {

using LinkStyle = std::uint32_t;

constexpr LinkStyle kLinkUnderline = 0x01;      // the control's own font is underlined
constexpr LinkStyle kLinkHoverColour = 0x02;    // drawn in the hover colour under the pointer
constexpr LinkStyle kLinkFitToText = 0x04;      // the window is resized to its text
constexpr LinkStyle kLinkOpenOnPress = 0x08;    // opens on the button press, not the release
constexpr LinkStyle kLinkFocusOnClick = 0x10;   // a button press takes the keyboard focus
constexpr LinkStyle kLinkPlainCursor = 0x20;    // no hand cursor is loaded at attach
constexpr LinkStyle kLinkNoArmedColour = 0x40;  // the armed colour is never used

constexpr LinkStyle kDefaultLinkStyle = kLinkUnderline | kLinkFitToText | kLinkFocusOnClick;

// The style after taking out remove and putting in add; nothing when a flag
// is in both, which would leave it unclear whether the caller wants it.
std::optional<LinkStyle> ChangedLinkStyle(LinkStyle style, LinkStyle remove, LinkStyle add);

// The static control styles that decide where a fitted window keeps its place.
constexpr std::uint32_t kStaticCentre = 0x001;
constexpr std::uint32_t kStaticRight = 0x002;
constexpr std::uint32_t kStaticCentreImage = 0x200;

struct Rect {
    int left;
    int top;
    int right;
    int bottom;
};

struct Extent {
    int cx;
    int cy;
};

struct Placement {
    int x;
    int y;
    int width;
    int height;

    friend bool operator==(const Placement& a, const Placement& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
};

// Where a window goes when it is fitted to its text: window is its rectangle
// in the parent's coordinates, borders what the window has around its client
// area, text the extent of its text. The window keeps the edge (or the centre)
// its alignment names. Halvings truncate toward zero, so text wider than a
// centred window grows the window on both sides.
Placement FitToText(Rect window, Extent borders, Extent text, std::uint32_t windowStyle);

}  // namespace hyperlink
