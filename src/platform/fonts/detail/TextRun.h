// A line of text laid out in a font (each character's glyph and pen position) and its painting on a device
// context: background cell, glyphs, underline, strike-out and prefix underlines. Shared by ExtTextOut and
// DrawText.
#pragma once

#include "platform/fonts/detail/FontInstance.h"
#include "platform/fonts/detail/TextPainter.h"
#include "platform/gdi/DeviceContext.h"

#include <string_view>
#include <vector>

namespace win {

struct PlacedGlyph {
    const Glyph* glyph = nullptr; // null for an expanded tab
    int x = 0;                    // pen position from the run's start
    int advance = 0;
};

struct TextRun {
    std::vector<PlacedGlyph> glyphs;  // one per character (code point)
    std::vector<std::size_t> offsets; // byte offset of each character in the text
    int width = 0;
    // Spans [first, second) from the run's start to underline (prefix characters of DrawText).
    std::vector<std::pair<int, int>> marks;
};

// Lays out text: each character advances by its glyph's advance plus extra, or by dx[i] when dx is given.
// tabWidth > 0 expands tabs to the next multiple of tabWidth from the run's start.
void LayoutText(FontInstance& font, std::string_view text, int extra, const INT* dx, int tabWidth,
                TextRun& run);

// How a run is painted.
struct RunStyle {
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    bool opaque = false; // fill the text cell with bkColor first
    bool underline = false;
    bool strikeOut = false;
    bool glyphs = true; // false: only the prefix underlines (DT_PREFIXONLY)
};

// Paints a run whose cell's top-left lies at (left, top) in surface coordinates.
void PaintRun(TextPainter& painter, FontInstance& font, const TextRun& run, int left, int top,
              const RunStyle& style);

// The device context's clip as rectangles in surface coordinates.
std::vector<RECT> ClipRects(const DeviceContext& dc);
// A logical rectangle in surface coordinates (an inverted one stays inverted, that is empty).
RECT SurfaceRect(const DeviceContext& dc, const RECT& logical);

} // namespace win
