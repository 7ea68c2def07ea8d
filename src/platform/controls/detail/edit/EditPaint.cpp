// Painting of the edit control: colours asked of the parent, then only the lines in the update area and,
// within a line, only the columns in view, with the selection highlighted while it is shown.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/User.h"

namespace win::edit {
namespace {

RECT Intersect(const RECT& a, const RECT& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool IsEmpty(const RECT& r) {
    return r.left >= r.right || r.top >= r.bottom;
}

} // namespace

LRESULT EditControl::OnEraseBkgnd(WPARAM, LPARAM) {
    return 1; // the paint fills the background itself, with the brush the parent chooses
}

void EditControl::DrawRun(HDC dc, int x, int y, const RECT& lineRect, std::string_view run, COLORREF text,
                          COLORREF back) {
    // Glyphs only, clipped to the line: the caller has filled the run's cell.
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    ExtTextOut(dc, x, y, ETO_CLIPPED, &lineRect, run.data(), static_cast<UINT>(run.size()), nullptr);
}

void EditControl::PaintLine(HDC dc, std::size_t line, const RECT& lineRect, COLORREF text, COLORREF back,
                            bool selection) {
    const std::string_view lineText = m_rows.Text(line);
    const std::size_t lineStart = m_rows.Start(line);
    const int origin = LineOriginX(line);
    const int y = LineY(line);
    std::size_t selStart = 0;
    std::size_t selEnd = 0;
    if (selection && m_buffer.HasSelection()) {
        selStart = std::clamp(m_buffer.SelectionStart(), lineStart, lineStart + lineText.size()) - lineStart;
        selEnd = std::clamp(m_buffer.SelectionEnd(), lineStart, lineStart + lineText.size()) - lineStart;
    }
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);

    const EditLayout::Column first = m_rows.ColumnAtOrBefore(line, lineRect.left - origin);
    std::size_t pos = first.pos;
    int x = first.x;
    const int stopX = lineRect.right - origin;
    // Runs end at tabs, at the ends of the selection and past the right edge of the view.
    while (pos < lineText.size() && x < stopX) {
        const bool selected = pos >= selStart && pos < selEnd;
        const std::size_t limit = selected ? selEnd : (pos < selStart ? selStart : lineText.size());
        const std::size_t runStart = pos;
        const int runX = x;
        const bool tab = lineText[pos] == '\t';
        do {
            x = m_layout.Advance(lineText, pos, x);
        } while (!tab && pos < limit && x < stopX && lineText[pos] != '\t');
        const COLORREF runBack = selected ? highlight : back;
        RECT cell{origin + runX, y, origin + x, y + m_lineHeight};
        cell = Intersect(cell, lineRect);
        if (!IsEmpty(cell)) {
            SetBkColor(dc, runBack);
            ExtTextOut(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
        }
        if (!tab)
            DrawRun(dc, origin + runX, y, lineRect, lineText.substr(runStart, pos - runStart),
                    selected ? highlightText : text, runBack);
    }
}

LRESULT EditControl::OnPaint(WPARAM, LPARAM) {
    FlushScrollBars();
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(m_hwnd, &ps);
    if (!dc) return 0;
    const bool enabled = IsWindowEnabled(m_hwnd) != FALSE;
    const bool staticLook = !enabled || ReadOnly();
    const HGDIOBJ oldFont =
        SelectObject(dc, m_font ? static_cast<HGDIOBJ>(m_font) : GetStockObject(SYSTEM_FONT));
    // The defaults go into the context first; the parent may change them and answer with its own brush.
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(staticLook ? COLOR_BTNFACE : COLOR_WINDOW));
    HBRUSH brush = nullptr;
    if (const HWND parent = GetParent(m_hwnd))
        brush = reinterpret_cast<HBRUSH>(SendMessage(parent, staticLook ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT,
                                                     reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(m_hwnd)));
    if (!brush) brush = GetSysColorBrush(staticLook ? COLOR_BTNFACE : COLOR_WINDOW);
    const COLORREF text = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    const COLORREF back = GetBkColor(dc);
    FillRect(dc, &ps.rcPaint, brush);
    SetBkMode(dc, TRANSPARENT);

    const RECT area = Intersect(ps.rcPaint, m_format);
    if (!IsEmpty(area)) {
        const bool selection = ShowsSelection();
        std::size_t line =
            MultiLine() ? m_topLine + static_cast<std::size_t>((area.top - m_format.top) / m_lineHeight) : 0;
        for (; line < m_rows.Count(); ++line) {
            const int y = LineY(line);
            if (y >= area.bottom) break;
            const RECT lineRect = Intersect(RECT{area.left, y, area.right, y + m_lineHeight}, area);
            if (!IsEmpty(lineRect)) PaintLine(dc, line, lineRect, text, back, selection);
            if (!MultiLine()) break;
        }
    }
    SelectObject(dc, oldFont);
    EndPaint(m_hwnd, &ps);
    return 0;
}

} // namespace win::edit
