// Where the edit control's text lies on the window (line rows, alignment, the caret) and how it scrolls: the
// scroll bars, EM_LINESCROLL, EM_SCROLL, EM_SCROLLCARET and the wheel.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/user/User.h"

#include <climits>

// The scroll bars are brought up to date lazily (before painting and after user input), so that a program
// appending line after line pays nothing for them until the control is shown.

namespace win::edit {

int EditControl::VisibleLines() const {
    return std::max(1, (m_format.bottom - m_format.top) / m_lineHeight);
}

std::size_t EditControl::MaxTopLine() {
    const std::size_t lines = m_rows.Count();
    const auto visible = static_cast<std::size_t>(VisibleLines());
    return MultiLine() && lines > visible ? lines - visible : 0;
}

int EditControl::MaxXOffset() {
    if (m_rows.Wrapping()) return 0;
    return std::max(0, m_rows.MaxWidth() + 1 - FormatWidth());
}

int EditControl::LineY(std::size_t line) const {
    if (!MultiLine()) return m_format.top;
    const long long rows = static_cast<long long>(line) - static_cast<long long>(m_topLine);
    return static_cast<int>(
        std::clamp<long long>(m_format.top + rows * m_lineHeight, INT_MIN / 2, INT_MAX / 2));
}

int EditControl::LineOriginX(std::size_t line) {
    int shift = 0;
    const DWORD style = Style();
    if (style & (ES_RIGHT | ES_CENTER)) {
        const int room = FormatWidth() - m_rows.Width(line) - 1; // the caret needs a pixel
        if (room > 0) shift = (style & ES_RIGHT) ? room : room / 2;
    }
    return m_format.left - m_xOffset + shift;
}

POINT EditControl::PointOfPosition(std::size_t pos) {
    const std::size_t line = m_rows.RowOf(pos);
    return {LineOriginX(line) + m_rows.X(pos), LineY(line)};
}

std::size_t EditControl::PositionFromPoint(int x, int y) {
    std::size_t line = 0;
    if (MultiLine()) {
        const long long row = y >= m_format.top ? (y - m_format.top) / m_lineHeight
                                                : -((m_format.top - y + m_lineHeight - 1) / m_lineHeight);
        const long long wanted = static_cast<long long>(m_topLine) + row;
        line = static_cast<std::size_t>(
            std::clamp<long long>(wanted, 0, static_cast<long long>(m_rows.Count()) - 1));
    }
    return m_rows.PositionNearest(line, x - LineOriginX(line));
}

void EditControl::InvalidateLines(std::size_t first, std::size_t last) {
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (!MultiLine()) {
        InvalidateRect(m_hwnd, nullptr, FALSE);
        return;
    }
    RECT rect = client;
    rect.top = std::max<LONG>(client.top, first <= m_topLine ? client.top : LineY(first));
    rect.bottom = std::min<LONG>(client.bottom, LineY(last) + m_lineHeight);
    if (rect.top < rect.bottom) InvalidateRect(m_hwnd, &rect, FALSE);
}

void EditControl::UpdateCaret() {
    if (!m_focused) return;
    const POINT point = PointOfPosition(m_buffer.Caret());
    SetCaretPos(point.x, point.y);
}

void EditControl::ScrollTo(std::size_t topLine, int xOffset) {
    topLine = std::min(topLine, MaxTopLine());
    xOffset = std::max(0, xOffset);
    if (topLine == m_topLine && xOffset == m_xOffset) return;
    m_topLine = topLine;
    m_xOffset = xOffset;
    InvalidateRect(m_hwnd, &m_format, FALSE);
    m_scrollBarsStale = true;
    UpdateCaret();
}

void EditControl::ScrollLines(long lines) {
    const long long top = std::max<long long>(0, static_cast<long long>(m_topLine) + lines);
    ScrollTo(static_cast<std::size_t>(top), m_xOffset);
}

void EditControl::ScrollCaretIntoView() {
    const std::size_t caret = m_buffer.Caret();
    std::size_t top = m_topLine;
    if (MultiLine()) {
        const std::size_t line = m_rows.RowOf(caret);
        const auto visible = static_cast<std::size_t>(VisibleLines());
        if (line < top)
            top = line;
        else if (line >= top + visible)
            top = line - visible + 1;
    }
    int x = m_xOffset;
    if (!m_rows.Wrapping() && (MultiLine() || (Style() & ES_AUTOHSCROLL))) {
        // Jump by a quarter of the width rather than a pixel at a time, so typing at the edge does not scroll
        // on every character.
        const int width = FormatWidth();
        const int caretX = m_rows.X(caret);
        if (caretX < m_xOffset)
            x = std::max(0, caretX - width / 4);
        else if (caretX > m_xOffset + width - 1)
            x = caretX - width * 3 / 4;
    }
    ScrollTo(top, x);
}

void EditControl::FlushScrollBars() {
    if (!m_scrollBarsStale) return;
    m_scrollBarsStale = false;
    const DWORD style = Style();
    if (style & WS_VSCROLL) {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = static_cast<int>(std::min<std::size_t>(m_rows.Count(), INT_MAX) - 1);
        info.nPage = MultiLine() ? static_cast<UINT>(VisibleLines()) : 1;
        info.nPos = static_cast<int>(std::min<std::size_t>(m_topLine, INT_MAX));
        SetScrollInfo(m_hwnd, SB_VERT, &info, TRUE);
    }
    if (style & WS_HSCROLL) {
        const int maxX = MaxXOffset();
        if (m_xOffset > maxX) {
            m_xOffset = maxX;
            InvalidateRect(m_hwnd, &m_format, FALSE);
            UpdateCaret();
        }
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
        info.nMax = std::max(0, maxX + FormatWidth() - 1);
        info.nPage = static_cast<UINT>(std::max(1, FormatWidth()));
        info.nPos = m_xOffset;
        SetScrollInfo(m_hwnd, SB_HORZ, &info, TRUE);
    }
}

LRESULT EditControl::OnVScroll(WPARAM wParam, LPARAM) {
    if (!MultiLine()) return 0;
    const long long top = static_cast<long long>(m_topLine);
    const long long visible = VisibleLines();
    long long wanted = top;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        wanted = top - 1;
        break;
    case SB_LINEDOWN:
        wanted = top + 1;
        break;
    case SB_PAGEUP:
        wanted = top - visible;
        break;
    case SB_PAGEDOWN:
        wanted = top + visible;
        break;
    case SB_TOP:
        wanted = 0;
        break;
    case SB_BOTTOM:
        wanted = static_cast<long long>(MaxTopLine());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        wanted = GetScrollInfo(m_hwnd, SB_VERT, &info) ? info.nTrackPos : HIWORD(wParam);
        break;
    }
    default:
        return 0;
    }
    Notify(EN_VSCROLL);
    ScrollTo(static_cast<std::size_t>(std::max(0LL, wanted)), m_xOffset);
    FlushScrollBars();
    return 0;
}

LRESULT EditControl::OnHScroll(WPARAM wParam, LPARAM) {
    const int width = FormatWidth();
    int wanted = m_xOffset;
    switch (LOWORD(wParam)) {
    case SB_LINELEFT:
        wanted -= m_aveCharWidth;
        break;
    case SB_LINERIGHT:
        wanted += m_aveCharWidth;
        break;
    case SB_PAGELEFT:
        wanted -= width;
        break;
    case SB_PAGERIGHT:
        wanted += width;
        break;
    case SB_LEFT:
        wanted = 0;
        break;
    case SB_RIGHT:
        wanted = INT_MAX;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info;
        info.fMask = SIF_TRACKPOS;
        wanted = GetScrollInfo(m_hwnd, SB_HORZ, &info) ? info.nTrackPos : HIWORD(wParam);
        break;
    }
    default:
        return 0;
    }
    Notify(EN_HSCROLL);
    ScrollTo(m_topLine, std::min(wanted, MaxXOffset()));
    FlushScrollBars();
    return 0;
}

LRESULT EditControl::OnLineScroll(WPARAM wParam, LPARAM lParam) {
    if (!MultiLine()) return FALSE;
    const auto chars = static_cast<INT>(static_cast<DWORD>(wParam));
    const auto lines = static_cast<INT>(static_cast<DWORD>(lParam));
    const long long top = std::max<long long>(0, static_cast<long long>(m_topLine) + lines);
    long long x = static_cast<long long>(m_xOffset) + static_cast<long long>(chars) * m_aveCharWidth;
    if (chars != 0) x = std::clamp<long long>(x, 0, MaxXOffset());
    ScrollTo(static_cast<std::size_t>(top), static_cast<int>(x));
    FlushScrollBars();
    return TRUE;
}

LRESULT EditControl::OnScroll(WPARAM wParam, LPARAM) {
    if (!MultiLine()) return FALSE;
    const long visible = VisibleLines();
    long lines = 0;
    switch (LOWORD(wParam)) {
    case SB_LINEUP:
        lines = -1;
        break;
    case SB_LINEDOWN:
        lines = 1;
        break;
    case SB_PAGEUP:
        lines = -visible;
        break;
    case SB_PAGEDOWN:
        lines = visible;
        break;
    default:
        return FALSE;
    }
    const std::size_t before = m_topLine;
    ScrollLines(lines);
    FlushScrollBars();
    const long moved = static_cast<long>(m_topLine) - static_cast<long>(before);
    return static_cast<LRESULT>(static_cast<DWORD>(MAKELONG(static_cast<WORD>(moved), TRUE)));
}

LRESULT EditControl::OnScrollCaret(WPARAM, LPARAM) {
    ScrollCaretIntoView();
    return TRUE;
}

LRESULT EditControl::OnGetFirstVisibleLine(WPARAM, LPARAM) {
    if (MultiLine()) return static_cast<LRESULT>(m_topLine);
    return static_cast<LRESULT>(m_rows.ColumnAtOrBefore(0, m_xOffset).pos);
}

LRESULT EditControl::OnMouseWheel(WPARAM wParam, LPARAM lParam) {
    // Zooming and sideways scrolling by wheel are not ours; the parent may want them.
    if (!MultiLine() || (GET_KEYSTATE_WPARAM(wParam) & (MK_CONTROL | MK_SHIFT)))
        return DefWindowProc(m_hwnd, WM_MOUSEWHEEL, wParam, lParam);
    UINT linesPerNotch = 3;
    SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    m_wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = m_wheelRemainder / WHEEL_DELTA;
    m_wheelRemainder -= notches * WHEEL_DELTA;
    if (notches == 0) return 0;
    const long step = linesPerNotch == WHEEL_PAGESCROLL ? VisibleLines() : static_cast<long>(linesPerNotch);
    ScrollLines(-notches * step);
    FlushScrollBars();
    return 0;
}

} // namespace win::edit
