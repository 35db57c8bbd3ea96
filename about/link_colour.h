#pragma once

#include <cstdint>
#include <optional>

#include "about/link_style.h"

// The colour a link's text draws in, from its state; no window needed.
namespace hyperlink {

// A colour as the system stores it (COLORREF: 0x00BBGGRR).
using Colour = std::uint32_t;

struct LinkColours {
    Colour link;
    Colour armed;
    Colour visited;
    Colour hover;
};

struct LinkState {
    bool hovering;
    bool armed;
    bool visited;
};

// The hover colour under the pointer (with kLinkHoverColour), else the
// armed colour while armed (unless kLinkNoArmedColour), else the visited or
// the link colour. In high contrast mode highContrastHotTrack holds the
// scheme's hot-track colour, and every state takes it: the scheme's colours
// are chosen to stand out on its background, the link's own may not be.
Colour TextColour(const LinkColours& colours, LinkStyle style, LinkState state,
                  std::optional<Colour> highContrastHotTrack);

}  // namespace hyperlink
