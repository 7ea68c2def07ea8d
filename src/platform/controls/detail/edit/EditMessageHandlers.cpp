// The edit control's handlers of the EM_* messages, reads and writes alike: selection, replacing it, lines,
// limit, undo, modified flag, read-only state, formatting rectangle, margins and position queries (positions
// are UTF-8 byte offsets).
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/user/User.h"

#include <cstring>

namespace win::edit {
namespace {

// Positions and line numbers travel as the platform's 32-bit int, so -1 arrives the same from any caller.
INT AsInt(std::uintptr_t value) {
    return static_cast<INT>(static_cast<DWORD>(value));
}

// Results that pack two numbers into the low and high words, as the platform's messages do.
LRESULT PackWords(std::size_t low, std::size_t high) {
    return static_cast<LRESULT>(
        static_cast<DWORD>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high))));
}

} // namespace

LRESULT EditControl::OnGetSel(WPARAM wParam, LPARAM lParam) {
    const std::size_t start = m_buffer.SelectionStart();
    const std::size_t end = m_buffer.SelectionEnd();
    if (auto* out = reinterpret_cast<DWORD*>(wParam)) *out = static_cast<DWORD>(start);
    if (auto* out = reinterpret_cast<DWORD*>(lParam)) *out = static_cast<DWORD>(end);
    if (start > 0xFFFF || end > 0xFFFF) return -1;
    return PackWords(start, end);
}

LRESULT EditControl::OnSetSel(WPARAM wParam, LPARAM lParam) {
    const INT start = AsInt(wParam);
    const INT end = AsInt(static_cast<std::uintptr_t>(lParam));
    const std::size_t length = m_buffer.Length();
    if (start < 0) {
        MoveSelection(m_buffer.Caret(), m_buffer.Caret()); // -1: no selection, the caret stays
    } else {
        // The anchor is the start argument and the caret goes to the end argument, whichever is smaller.
        MoveSelection(static_cast<std::size_t>(start), end < 0 ? length : static_cast<std::size_t>(end));
    }
    m_preferredX = -1;
    UpdateCaret();
    return 0;
}

LRESULT EditControl::OnReplaceSel(WPARAM wParam, LPARAM lParam) {
    const char* raw = reinterpret_cast<const char*>(lParam);
    const std::string_view text = raw ? std::string_view(raw) : std::string_view();
    const std::string_view fit = m_buffer.FitToLimit(text);
    if (fit.size() < text.size()) Notify(EN_MAXTEXT);
    bool ok = false;
    const EditBuffer::Change change = m_buffer.ReplaceSelection(
        fit, wParam ? EditBuffer::UndoMode::Single : EditBuffer::UndoMode::None, &ok);
    if (!ok) {
        Notify(EN_ERRSPACE);
        return 0;
    }
    if (!change.textChanged) return 0;
    TextChanged(change);
    UpdateCaret();
    NotifyChange();
    return 0;
}

LRESULT EditControl::OnAppendLine(WPARAM, LPARAM lParam) {
    const char* raw = reinterpret_cast<const char*>(lParam);
    const std::string_view line = raw ? std::string_view(raw) : std::string_view();
    const std::size_t lastLine = m_buffer.LineCount() - 1;
    const bool afterBreak = m_buffer.LineLength(lastLine) == 0;
    const auto index = static_cast<LRESULT>(afterBreak ? lastLine : lastLine + 1);
    const std::string text = afterBreak ? std::string(line) + "\r\n" : "\r\n" + std::string(line);
    const std::string_view fit = m_buffer.FitToLimit(text);
    if (fit.size() < text.size()) Notify(EN_MAXTEXT);
    MoveSelection(m_buffer.Length(), m_buffer.Length());
    bool ok = false;
    const EditBuffer::Change change = m_buffer.ReplaceSelection(fit, EditBuffer::UndoMode::None, &ok);
    if (!ok) {
        Notify(EN_ERRSPACE);
        return index;
    }
    if (!change.textChanged) return index;
    TextChanged(change);
    ScrollCaretIntoView();
    UpdateCaret();
    Notify(EN_CHANGE);
    // The index is a row, as the line messages count them: a wrapping control may break earlier lines.
    return static_cast<LRESULT>(m_rows.RowOf(m_buffer.LineStart(static_cast<std::size_t>(index))));
}

LRESULT EditControl::OnGetLineCount(WPARAM, LPARAM) {
    return static_cast<LRESULT>(m_rows.Count());
}

LRESULT EditControl::OnLineIndex(WPARAM wParam, LPARAM) {
    const INT line = AsInt(wParam);
    if (line == -1) return static_cast<LRESULT>(m_rows.Start(m_rows.RowOf(m_buffer.Caret())));
    if (line < 0 || static_cast<std::size_t>(line) >= m_rows.Count()) return -1;
    return static_cast<LRESULT>(m_rows.Start(static_cast<std::size_t>(line)));
}

LRESULT EditControl::OnLineLength(WPARAM wParam, LPARAM) {
    const INT pos = AsInt(wParam);
    if (pos == -1) {
        // What is not selected on the lines that the selection touches.
        const std::size_t start = m_buffer.SelectionStart();
        const std::size_t end = m_buffer.SelectionEnd();
        const std::size_t before = start - m_rows.Start(m_rows.RowOf(start));
        const std::size_t after = m_rows.End(m_rows.RowOf(end)) - end;
        return static_cast<LRESULT>(before + after);
    }
    if (pos < 0) return 0;
    const std::size_t row = m_rows.RowOf(static_cast<std::size_t>(pos));
    return static_cast<LRESULT>(m_rows.End(row) - m_rows.Start(row));
}

LRESULT EditControl::OnLineFromChar(WPARAM wParam, LPARAM) {
    const INT pos = AsInt(wParam);
    if (pos < 0) return static_cast<LRESULT>(m_rows.RowOf(m_buffer.SelectionStart()));
    return static_cast<LRESULT>(m_rows.RowOf(static_cast<std::size_t>(pos)));
}

LRESULT EditControl::OnGetLine(WPARAM wParam, LPARAM lParam) {
    char* out = reinterpret_cast<char*>(lParam);
    if (!out) return 0;
    // The caller puts the buffer's size in bytes into its first word; the line is copied without a
    // terminator.
    WORD size = 0;
    std::memcpy(&size, out, sizeof size);
    const INT line = MultiLine() ? AsInt(wParam) : 0;
    if (line < 0 || static_cast<std::size_t>(line) >= m_rows.Count()) return 0;
    const std::string_view text = m_rows.Text(static_cast<std::size_t>(line));
    std::size_t count = std::min<std::size_t>(size, text.size());
    if (count < text.size()) count = CharacterStart(text, count);
    std::memcpy(out, text.data(), count);
    return static_cast<LRESULT>(count);
}

LRESULT EditControl::OnLimitText(WPARAM wParam, LPARAM) {
    m_buffer.SetLimit(static_cast<std::size_t>(static_cast<DWORD>(wParam)));
    return 0;
}

LRESULT EditControl::OnGetLimitText(WPARAM, LPARAM) {
    return static_cast<LRESULT>(m_buffer.Limit());
}

LRESULT EditControl::OnGetModify(WPARAM, LPARAM) {
    return m_buffer.Modified() ? TRUE : FALSE;
}

LRESULT EditControl::OnSetModify(WPARAM wParam, LPARAM) {
    m_buffer.SetModified(wParam != 0);
    return 0;
}

LRESULT EditControl::OnCanUndo(WPARAM, LPARAM) {
    return m_buffer.CanUndo() ? TRUE : FALSE;
}

LRESULT EditControl::OnUndo(WPARAM, LPARAM) {
    if (ReadOnly() || !m_buffer.CanUndo()) return FALSE;
    const EditBuffer::Change change = m_buffer.Undo();
    if (!change.textChanged) return FALSE;
    TextChanged(change);
    ScrollCaretIntoView();
    UpdateCaret();
    NotifyChange();
    return TRUE;
}

LRESULT EditControl::OnEmptyUndoBuffer(WPARAM, LPARAM) {
    m_buffer.EmptyUndo();
    return 0;
}

LRESULT EditControl::OnSetReadOnly(WPARAM wParam, LPARAM) {
    const DWORD style = Style();
    const DWORD wanted = wParam ? style | ES_READONLY : style & ~ES_READONLY;
    if (wanted != style) SetWindowLong(m_hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT EditControl::OnGetRect(WPARAM, LPARAM lParam) {
    if (auto* out = reinterpret_cast<RECT*>(lParam)) *out = m_format;
    return 0;
}

LRESULT EditControl::OnSetRectNp(WPARAM, LPARAM lParam) {
    if (const auto* rect = reinterpret_cast<const RECT*>(lParam)) {
        m_format = *rect;
        if (m_format.right < m_format.left) m_format.right = m_format.left;
        if (m_format.bottom < m_format.top) m_format.bottom = m_format.top;
        m_formatFixed = true;
    } else {
        m_formatFixed = false;
        UpdateFormatRect();
    }
    UpdateWrapping();
    m_topLine = std::min(m_topLine, MaxTopLine());
    m_scrollBarsStale = true;
    UpdateCaret();
    return 0;
}

LRESULT EditControl::OnSetRect(WPARAM wParam, LPARAM lParam) {
    OnSetRectNp(wParam, lParam);
    InvalidateRect(m_hwnd, nullptr, TRUE);
    return 0;
}

LRESULT EditControl::OnSetMargins(WPARAM wParam, LPARAM lParam) {
    const auto value = static_cast<std::uintptr_t>(lParam);
    if (wParam & EC_LEFTMARGIN)
        m_leftMargin = LOWORD(value) == EC_USEFONTINFO ? MarginFromFont() : LOWORD(value);
    if (wParam & EC_RIGHTMARGIN)
        m_rightMargin = HIWORD(value) == EC_USEFONTINFO ? MarginFromFont() : HIWORD(value);
    UpdateFormatRect();
    m_scrollBarsStale = true;
    InvalidateRect(m_hwnd, nullptr, TRUE);
    UpdateCaret();
    return 0;
}

LRESULT EditControl::OnGetMargins(WPARAM, LPARAM) {
    return PackWords(static_cast<std::size_t>(m_leftMargin), static_cast<std::size_t>(m_rightMargin));
}

LRESULT EditControl::OnPosFromChar(WPARAM wParam, LPARAM) {
    const INT pos = AsInt(wParam);
    if (pos < 0 || static_cast<std::size_t>(pos) >= m_buffer.Length()) return -1;
    const POINT point = PointOfPosition(static_cast<std::size_t>(pos));
    return PackWords(static_cast<std::size_t>(static_cast<WORD>(point.x)),
                     static_cast<std::size_t>(static_cast<WORD>(point.y)));
}

LRESULT EditControl::OnCharFromPos(WPARAM, LPARAM lParam) {
    const std::size_t pos = PositionFromPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return PackWords(pos, MultiLine() ? m_rows.RowOf(pos) : 0);
}

} // namespace win::edit
