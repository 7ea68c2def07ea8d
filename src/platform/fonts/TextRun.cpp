// Laying out and painting one line of text.
#include "platform/fonts/TextRun.h"

#include "platform/system/Utf8.h"

#include <algorithm>

namespace win {

void LayoutText(FontInstance& font, std::string_view text, int extra, const INT* dx, int tabWidth,
                TextRun& run) {
    run.glyphs.clear();
    run.offsets.clear();
    run.marks.clear();
    int x = 0;
    std::size_t i = 0;
    for (std::size_t pos = 0; pos < text.size(); ++i) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(text, pos);
        PlacedGlyph placed;
        placed.x = x;
        if (cp == U'\t' && tabWidth > 0) {
            placed.advance = (x / tabWidth + 1) * tabWidth - x;
        } else {
            placed.glyph = &font.GlyphFor(cp);
            placed.advance = placed.glyph->advance + extra;
        }
        if (dx) placed.advance = dx[i];
        x += placed.advance;
        run.glyphs.push_back(placed);
        run.offsets.push_back(start);
    }
    run.width = x;
}

void PaintRun(TextPainter& painter, FontInstance& font, const TextRun& run, int left, int top,
              const RunStyle& style) {
    const TEXTMETRIC& tm = font.Metrics();
    // The cell spans the pen's whole travel, whichever way it went.
    const int minX = std::min(0, run.width);
    const int maxX = std::max(0, run.width);
    if (style.opaque) painter.Fill(RECT{left + minX, top, left + maxX, top + tm.tmHeight}, style.bkColor);
    painter.SetTextColor(style.textColor);
    const int baseline = top + tm.tmAscent;
    if (style.glyphs) {
        for (const PlacedGlyph& p : run.glyphs)
            if (p.glyph) painter.PaintGlyph(left + p.x + p.glyph->left, baseline - p.glyph->top, *p.glyph);
    }
    const int ulTop = top + font.UnderlineTop();
    const int ulBottom = ulTop + font.UnderlineThickness();
    if (style.glyphs && style.underline)
        painter.Fill(RECT{left + minX, ulTop, left + maxX, ulBottom}, style.textColor);
    if (style.glyphs && style.strikeOut) {
        const int soTop = top + font.StrikeoutTop();
        painter.Fill(RECT{left + minX, soTop, left + maxX, soTop + font.StrikeoutThickness()},
                     style.textColor);
    }
    for (const auto& [from, to] : run.marks)
        painter.Fill(RECT{left + from, ulTop, left + to, ulBottom}, style.textColor);
}

std::vector<RECT> ClipRects(const DeviceContext& dc) {
    return dc.Clip().Rects();
}

RECT SurfaceRect(const DeviceContext& dc, const RECT& logical) {
    return RECT{dc.ToSurfaceX(logical.left), dc.ToSurfaceY(logical.top), dc.ToSurfaceX(logical.right),
                dc.ToSurfaceY(logical.bottom)};
}

} // namespace win
