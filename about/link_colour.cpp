#include "about/link_colour.h"

namespace hyperlink {

Colour TextColour(const LinkColours& colours, LinkStyle style, LinkState state,
                  std::optional<Colour> highContrastHotTrack) {
    if (highContrastHotTrack) {
        return *highContrastHotTrack;
    }
    if (state.hovering && (style & kLinkHoverColour) != 0) {
        return colours.hover;
    }
    if (state.armed && (style & kLinkNoArmedColour) == 0) {
        return colours.armed;
    }
    return state.visited ? colours.visited : colours.link;
}

}  // namespace hyperlink
