// Glyph strips: the image count of a strip, and drawing one of its images transparently.
#include "components/RzGlyphStrip.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"

namespace gl {

int GlyphCountOf(const TBitmap& strip, int current) {
    const int w = strip.Width(), h = strip.Height();
    if (w <= 0 || h <= 0 || w % h != 0) return current;
    return w / h < 5 ? w / h : 1;
}

TSize GlyphImageSize(const TBitmap& strip, int numGlyphs) {
    if (strip.Empty()) return TSize{0, 0};
    return TSize{strip.Width() / (numGlyphs < 1 ? 1 : numGlyphs), strip.Height()};
}

void DrawGlyphImage(TCanvas& canvas, TBitmap& strip, int numGlyphs, int index, int x, int y) {
    const TSize size = GlyphImageSize(strip, numGlyphs);
    if (size.cx <= 0 || size.cy <= 0) return;
    if (index < 0 || index >= numGlyphs) index = 0;
    // The whole strip's bottom-left pixel is the colour left out, for every image of it.
    const TColor transparent = strip.Canvas().Pixels(0, strip.Height() - 1);
    TBitmap image;
    image.SetWidth(size.cx);
    image.SetHeight(size.cy);
    const TRect whole = Rect(0, 0, size.cx, size.cy);
    image.Canvas().CopyRect(whole, strip.Canvas(), Rect(index * size.cx, 0, (index + 1) * size.cx, size.cy));
    image.SetTransparentColor(transparent);
    image.SetTransparent(true);
    canvas.Draw(x, y, &image);
}

} // namespace gl
