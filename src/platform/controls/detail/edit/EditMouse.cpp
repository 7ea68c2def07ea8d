// Mouse input of the edit control: click places the caret (Shift extends), dragging selects with capture and
// scrolls outside the text, a double click selects a word and dragging after it extends by words.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/user/User.h"

namespace win::edit {
namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 60;

} // namespace

LRESULT EditControl::OnLButtonDown(WPARAM wParam, LPARAM lParam) {
    if (!m_focused) SetFocus(m_hwnd);
    const std::size_t pos = PositionFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    MoveSelection((wParam & MK_SHIFT) ? m_buffer.Anchor() : pos, pos);
    m_preferredX = -1;
    m_trackWords = false;
    m_tracking = true;
    SetCapture(m_hwnd);
    ScrollCaretIntoView();
    UpdateCaret();
    FlushScrollBars();
    return 0;
}

LRESULT EditControl::OnLButtonDblClk(WPARAM, LPARAM lParam) {
    if (!m_focused) SetFocus(m_hwnd);
    const std::size_t pos = PositionFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    m_trackWord = m_buffer.WordAt(pos);
    MoveSelection(m_trackWord.first, m_trackWord.second);
    m_preferredX = -1;
    m_trackWords = true;
    m_tracking = true;
    SetCapture(m_hwnd);
    ScrollCaretIntoView();
    UpdateCaret();
    FlushScrollBars();
    return 0;
}

void EditControl::ExtendMouseSelection(int x, int y) {
    // At most a line or a character beyond the text per step, so that scrolling by dragging keeps a pace.
    x = std::clamp(x, static_cast<int>(m_format.left) - m_aveCharWidth,
                   static_cast<int>(m_format.right) + m_aveCharWidth);
    y = std::clamp(y, static_cast<int>(m_format.top) - 1, static_cast<int>(m_format.bottom));
    const std::size_t pos = PositionFromPoint(x, y);
    if (m_trackWords) {
        const auto word = m_buffer.WordAt(pos);
        if (pos < m_trackWord.first)
            MoveSelection(m_trackWord.second, word.first);
        else
            MoveSelection(m_trackWord.first, std::max(word.second, m_trackWord.second));
    } else {
        MoveSelection(m_buffer.Anchor(), pos);
    }
    ScrollCaretIntoView();
    UpdateCaret();
    FlushScrollBars();
}

LRESULT EditControl::OnMouseMove(WPARAM, LPARAM lParam) {
    if (!m_tracking) return 0;
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    ExtendMouseSelection(x, y);
    const bool outside = x < m_format.left || x >= m_format.right || y < m_format.top || y >= m_format.bottom;
    if (outside)
        SetTimer(m_hwnd, kAutoScrollTimer, kAutoScrollMs, nullptr);
    else
        KillTimer(m_hwnd, kAutoScrollTimer);
    return 0;
}

LRESULT EditControl::OnTimer(WPARAM wParam, LPARAM) {
    if (wParam != kAutoScrollTimer) return 0;
    if (!m_tracking) {
        KillTimer(m_hwnd, kAutoScrollTimer);
        return 0;
    }
    POINT point{};
    GetCursorPos(&point);
    ScreenToClient(m_hwnd, &point);
    ExtendMouseSelection(point.x, point.y);
    return 0;
}

void EditControl::StopTracking() {
    if (!m_tracking) return;
    m_tracking = false;
    KillTimer(m_hwnd, kAutoScrollTimer);
    if (GetCapture() == m_hwnd) ReleaseCapture();
}

LRESULT EditControl::OnLButtonUp(WPARAM, LPARAM) {
    const bool selecting = m_tracking;
    StopTracking();
    if (selecting) OfferPrimary();
    return 0;
}

LRESULT EditControl::OnCaptureChanged(WPARAM, LPARAM lParam) {
    if (m_tracking && reinterpret_cast<HWND>(lParam) != m_hwnd) {
        m_tracking = false;
        KillTimer(m_hwnd, kAutoScrollTimer);
    }
    return 0;
}

LRESULT EditControl::OnSetCursor(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(static_cast<std::uintptr_t>(lParam)) == HTCLIENT) {
        SetCursor(LoadCursor(nullptr, IDC_IBEAM));
        return TRUE;
    }
    return DefWindowProc(m_hwnd, WM_SETCURSOR, wParam, lParam);
}

} // namespace win::edit
