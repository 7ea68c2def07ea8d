// The line layout of DrawText: "&" prefixes, hard line breaks, word wrapping and ellipses, measured in a
// font.
#pragma once

#include "platform/fonts/detail/FontInstance.h"

#include <string>
#include <string_view>
#include <vector>

namespace win {

struct DrawTextLine {
    std::string text;
    std::vector<std::size_t> marks; // byte offsets of the characters to underline
};

struct DrawTextLayoutOptions {
    UINT format = 0;  // DT_* flags, the tab size already taken out
    int extra = 0;    // character spacing
    int tabWidth = 0; // pixels between tab stops; 0 when tabs are not expanded
    int maxWidth = 0; // the rectangle's width, for wrapping and ellipses
};

// Splits text into the lines DrawText draws.
std::vector<DrawTextLine> LayoutDrawText(FontInstance& font, std::string_view text,
                                         const DrawTextLayoutOptions& options);

// Removes "&" prefixes: "&&" becomes "&", "&x" becomes x with x's offset recorded, a final lone "&" is
// dropped.
std::string StripPrefixes(std::string_view text, std::vector<std::size_t>& marks);

} // namespace win
