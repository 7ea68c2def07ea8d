// Glyph strips: a bitmap of one to four same-size button images side by side, drawn with the colour of its
// bottom-left pixel left out. The buttons and the spin edit's step buttons share them.
#pragma once

#include "framework/core/Types.h"

namespace gl {

class TBitmap;
class TCanvas;

// The image count a newly assigned strip implies: width / height when the width is a multiple of the
// height and that count is below 5, 1 when it is a multiple but too many; otherwise the current count.
int GlyphCountOf(const TBitmap& strip, int current);
// The size of one image of the strip.
TSize GlyphImageSize(const TBitmap& strip, int numGlyphs);
// Draws image `index` (the first one when the strip has fewer) with its top-left at (x, y).
void DrawGlyphImage(TCanvas& canvas, TBitmap& strip, int numGlyphs, int index, int x, int y);
// Draws image `index` embossed, as a disabled image: every pixel that is neither the left-out colour nor
// white is ink, painted in the button highlight one pixel down and right, then in the button shadow.
void DrawGlyphEmbossed(TCanvas& canvas, TBitmap& strip, int numGlyphs, int index, int x, int y);

} // namespace gl
