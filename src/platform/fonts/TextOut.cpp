// Text output and measuring on a device context: TextOut, ExtTextOut, the extent calls, GetCharWidth32, and
// the context's text alignment and character spacing.
#include "platform/fonts/FontApi.h"
#include "platform/fonts/detail/FontObject.h"
#include "platform/fonts/detail/TextRun.h"
#include "platform/system/LastError.h"
#include "platform/system/Utf8.h"
#include "platform/win/gdi_types.h"

#include <algorithm>
#include <climits>

namespace win {

namespace {

bool Fail(DWORD error) {
    SetLastError(error);
    return false;
}

// The run of the last call, kept so that drawing a line allocates nothing once warm.
TextRun& ScratchRun() {
    thread_local TextRun run;
    return run;
}

// Coordinates far outside any surface are pulled in to where they still draw nothing, so that the arithmetic
// on them cannot overflow.
int Bounded(long long v) {
    return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30));
}

// Where the text cell's left edge lies for a reference x and the alignment.
int CellLeft(UINT align, int x, int width) {
    if ((align & TA_CENTER) == TA_CENTER) return Bounded(static_cast<long long>(x) - width / 2);
    if ((align & TA_CENTER) == TA_RIGHT) return Bounded(static_cast<long long>(x) - width);
    return Bounded(x);
}

int CellTop(UINT align, int y, const TEXTMETRIC& tm) {
    if ((align & TA_BASELINE) == TA_BASELINE) return Bounded(static_cast<long long>(y) - tm.tmAscent);
    if ((align & TA_BASELINE) == TA_BOTTOM) return Bounded(static_cast<long long>(y) - tm.tmHeight);
    return Bounded(y);
}

bool MeasureRun(HDC hdc, LPCSTR text, int count, TextRun& run, FontInstance** fontOut) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return false;
    if (count < -1 || (!text && count != 0)) return Fail(ERROR_INVALID_PARAMETER);
    FontInstance& font = FontOfDC(*dc).Instance();
    LayoutText(font, TextArgument(text, count), dc->state.textCharExtra, nullptr, 0, run);
    if (fontOut) *fontOut = &font;
    return true;
}

} // namespace

BOOL ExtTextOut(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                const INT* dx) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    const int bytes = count == static_cast<UINT>(-1) ? -1 : static_cast<int>(count);
    if ((count != static_cast<UINT>(-1) && count > static_cast<UINT>(INT_MAX)) || (!text && bytes != 0))
        return Fail(ERROR_INVALID_PARAMETER);

    FontObject& fontObject = FontOfDC(*dc);
    FontInstance& font = fontObject.Instance();
    const TEXTMETRIC& tm = font.Metrics();
    TextRun& run = ScratchRun();
    LayoutText(font, TextArgument(text, bytes), dc->state.textCharExtra, dx, 0, run);

    const UINT align = dc->state.textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;
    const POINT ref = updateCp ? dc->state.penPos : POINT{x, y};
    const int left = CellLeft(align, ref.x, run.width);
    const int top = CellTop(align, ref.y, tm);

    TextPainter painter(dc->surface.get(), ClipRects(*dc));
    if (rect && (options & ETO_OPAQUE)) painter.Fill(SurfaceRect(*dc, *rect), dc->state.bkColor);
    if (rect && (options & ETO_CLIPPED)) painter.Restrict(SurfaceRect(*dc, *rect));

    const LOGFONT& lf = fontObject.LogFont();
    RunStyle style;
    style.textColor = dc->state.textColor;
    style.bkColor = dc->state.bkColor;
    style.opaque = dc->state.bkMode == OPAQUE;
    style.underline = lf.lfUnderline != 0;
    style.strikeOut = lf.lfStrikeOut != 0;
    PaintRun(painter, font, run, dc->ToSurfaceX(left), dc->ToSurfaceY(top), style);

    if (updateCp) {
        if ((align & TA_CENTER) == TA_LEFT)
            dc->state.penPos.x = ref.x + run.width;
        else if ((align & TA_CENTER) == TA_RIGHT)
            dc->state.penPos.x = ref.x - run.width;
    }
    return TRUE;
}

BOOL TextOut(HDC hdc, int x, int y, LPCSTR text, int count) {
    if (count < -1) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return ExtTextOut(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}

BOOL GetTextExtentPoint32(HDC hdc, LPCSTR text, int count, SIZE* size) {
    FontInstance* font = nullptr;
    TextRun& run = ScratchRun();
    if (!size) return Fail(ERROR_INVALID_PARAMETER);
    if (!MeasureRun(hdc, text, count, run, &font)) return FALSE;
    size->cx = run.width;
    size->cy = font->Metrics().tmHeight;
    return TRUE;
}

BOOL GetCharWidth32(HDC hdc, UINT first, UINT last, int* widths) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return FALSE;
    if (!widths || last < first || last > 0x10FFFF) return Fail(ERROR_INVALID_PARAMETER);
    FontInstance& font = FontOfDC(*dc).Instance();
    for (UINT cp = first; cp <= last; ++cp) {
        widths[cp - first] = font.GlyphFor(cp).advance;
        // A wide range would otherwise fill the glyph cache with characters nobody draws.
        if ((cp & 0xFFF) == 0xFFF) font.TrimCache();
    }
    return TRUE;
}

UINT SetTextAlign(HDC hdc, UINT align) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return GDI_ERROR;
    const UINT previous = dc->state.textAlign;
    dc->state.textAlign = align & TA_MASK;
    return previous;
}

} // namespace win
