// DrawText: formatted text in a rectangle, or its measure with DT_CALCRECT.
#include "platform/fonts/FontApi.h"
#include "platform/fonts/detail/DrawTextLayout.h"
#include "platform/fonts/detail/FontObject.h"
#include "platform/fonts/detail/TextRun.h"
#include "platform/system/LastError.h"
#include "platform/system/Utf8.h"
#include "platform/win/gdi_types.h"

#include <algorithm>

namespace win {

namespace {

// Underline spans of the marked characters of a laid-out line.
void MarkRun(const DrawTextLine& line, TextRun& run) {
    for (std::size_t m : line.marks) {
        const auto it = std::lower_bound(run.offsets.begin(), run.offsets.end(), m);
        if (it == run.offsets.end() || *it != m) continue;
        const PlacedGlyph& g = run.glyphs[static_cast<std::size_t>(it - run.offsets.begin())];
        run.marks.emplace_back(g.x, g.x + g.advance);
    }
}

// Keeps coordinates derived from a caller's rectangle where arithmetic on them cannot overflow.
int Bounded(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 29), 1LL << 29));
}

} // namespace

int DrawText(HDC hdc, LPCSTR text, int count, RECT* rect, UINT format) {
    DeviceContext* dc = FindDC(hdc);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    if (!rect || count < -1 || (!text && count > 0)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    FontObject& fontObject = FontOfDC(*dc);
    FontInstance& font = fontObject.Instance();
    const TEXTMETRIC& tm = font.Metrics();

    // With DT_TABSTOP the second byte of the format is the tab size in average character widths, not flags.
    int tabChars = 8;
    if (format & DT_TABSTOP) {
        tabChars = static_cast<int>((format >> 8) & 0xFF);
        format &= ~0xFF00u;
        if (tabChars == 0) tabChars = 8;
    }
    DrawTextLayoutOptions options;
    options.format = format;
    options.extra = dc->state.textCharExtra;
    options.tabWidth = (format & DT_EXPANDTABS) ? std::max<int>(1, tabChars * tm.tmAveCharWidth) : 0;
    const int left = Bounded(rect->left);
    const int right = Bounded(rect->right);
    const int top = Bounded(rect->top);
    const int bottom = Bounded(rect->bottom);
    options.maxWidth = right - left;
    const std::vector<DrawTextLine> lines = LayoutDrawText(font, TextArgument(text, count), options);

    std::vector<TextRun> runs(lines.size());
    int width = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        LayoutText(font, lines[i].text, options.extra, nullptr, options.tabWidth, runs[i]);
        MarkRun(lines[i], runs[i]);
        width = std::max(width, runs[i].width);
    }
    const int lineHeight = tm.tmHeight + ((format & DT_EXTERNALLEADING) ? tm.tmExternalLeading : 0);
    const int height = Bounded(static_cast<long long>(lineHeight) * static_cast<long long>(lines.size()));

    if (format & DT_CALCRECT) {
        rect->right = Bounded(static_cast<long long>(rect->left) + width);
        rect->bottom = Bounded(static_cast<long long>(rect->top) + height);
        return height;
    }

    int first = top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            first = top + (bottom - top - lineHeight) / 2;
        else if (format & DT_BOTTOM)
            first = bottom - lineHeight;
    }
    TextPainter painter(dc->surface.get(), ClipRects(*dc));
    if (!(format & DT_NOCLIP)) painter.Restrict(SurfaceRect(*dc, *rect));
    const LOGFONT& lf = fontObject.LogFont();
    RunStyle style;
    style.textColor = dc->state.textColor;
    style.bkColor = dc->state.bkColor;
    style.opaque = dc->state.bkMode == OPAQUE;
    style.underline = lf.lfUnderline != 0;
    style.strikeOut = lf.lfStrikeOut != 0;
    style.glyphs = !(format & DT_PREFIXONLY);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        TextRun& run = runs[i];
        if (format & DT_HIDEPREFIX) run.marks.clear();
        int x = left;
        if (format & DT_CENTER)
            x = left + (right - left - run.width) / 2;
        else if (format & DT_RIGHT)
            x = right - run.width;
        const int y = Bounded(first + static_cast<long long>(lineHeight) * static_cast<long long>(i));
        PaintRun(painter, font, run, dc->ToSurfaceX(x), dc->ToSurfaceY(y), style);
    }
    return (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? first - top + height : height;
}

} // namespace win
