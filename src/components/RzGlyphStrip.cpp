// Glyph strips: the image count of a strip, and drawing one of its images transparently.
#include "components/RzGlyphStrip.h"

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"

#include <vector>

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

void DrawGlyphEmbossed(TCanvas& canvas, TBitmap& strip, int numGlyphs, int index, int x, int y) {
    const TSize size = GlyphImageSize(strip, numGlyphs);
    if (size.cx <= 0 || size.cy <= 0) return;
    if (index < 0 || index >= numGlyphs) index = 0;
    TCanvas& source = strip.Canvas();
    const win::COLORREF transparent = ColorToRGB(source.Pixels(0, strip.Height() - 1));
    std::vector<TPoint> ink;
    for (int row = 0; row < size.cy; ++row)
        for (int column = 0; column < size.cx; ++column) {
            const win::COLORREF pixel = ColorToRGB(source.Pixels(index * size.cx + column, row));
            if (pixel != transparent && pixel != ColorToRGB(clWhite)) ink.push_back(TPoint{column, row});
        }
    // All the highlight first, so the shadow of a neighbour covers it.
    for (const TPoint& p : ink) canvas.SetPixels(x + p.x + 1, y + p.y + 1, clBtnHighlight);
    for (const TPoint& p : ink) canvas.SetPixels(x + p.x, y + p.y, clBtnShadow);
}

} // namespace gl
