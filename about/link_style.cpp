#include "about/link_style.h"

namespace hyperlink {

std::optional<LinkStyle> ChangedLinkStyle(LinkStyle style, LinkStyle remove, LinkStyle add) {
    if ((remove & add) != 0) {
        return std::nullopt;
    }
    return (style & ~remove) | add;
}

Placement FitToText(Rect window, Extent borders, Extent text, std::uint32_t windowStyle) {
    if ((windowStyle & kStaticCentreImage) != 0) {
        const int shrink = (window.bottom - window.top - text.cy) / 2;
        window.top += shrink;
        window.bottom -= shrink;
    } else {
        window.bottom = window.top + text.cy;
    }
    if ((windowStyle & kStaticCentre) != 0) {
        const int shrink = (window.right - window.left - text.cx) / 2;
        window.left += shrink;
        window.right -= shrink;
    } else if ((windowStyle & kStaticRight) != 0) {
        window.left = window.right - text.cx;
    } else {
        window.right = window.left + text.cx;
    }
    return {window.left, window.top, window.right - window.left + borders.cx,
            window.bottom - window.top + borders.cy};
}

}  // namespace hyperlink
