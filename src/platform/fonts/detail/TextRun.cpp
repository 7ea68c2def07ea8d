// Laying out and painting one line of text.
#include "platform/fonts/detail/TextRun.h"

#include "platform/system/Utf8.h"

#include <algorithm>

namespace win {

namespace {

// Pen positions stay within this distance of a run's start whatever advances or spacing a caller asks for, so
// that no later arithmetic on coordinates can overflow.
constexpr long long kMaxExtent = 1 << 28;

} // namespace

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
        long long advance;
        if (cp == U'\t' && tabWidth > 0) {
            advance = (static_cast<long long>(x) / tabWidth + 1) * tabWidth - x;
        } else {
            placed.glyph = &font.GlyphFor(cp);
            advance = static_cast<long long>(placed.glyph->advance) + extra;
        }
        if (dx) advance = dx[i];
        placed.advance = static_cast<int>(std::clamp(advance, -kMaxExtent, kMaxExtent));
        x = static_cast<int>(std::clamp(x + advance, -kMaxExtent, kMaxExtent));
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
    auto bounded = [](LONG v) {
        return static_cast<LONG>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
    };
    return RECT{dc.ToSurfaceX(bounded(logical.left)), dc.ToSurfaceY(bounded(logical.top)),
                dc.ToSurfaceX(bounded(logical.right)), dc.ToSurfaceY(bounded(logical.bottom))};
}

} // namespace win
