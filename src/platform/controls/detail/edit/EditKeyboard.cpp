// Keyboard input of the edit control: caret moves and Shift selection, word steps, deleting, the Insert-key
// shortcuts, typed and input-method characters, and the control characters of Ctrl+A/C/V/X/Z.
#include "platform/controls/detail/edit/EditControl.h"

#include "platform/controls/edit/EditMessages.h"
#include "platform/user/User.h"

namespace win::edit {
namespace {

bool KeyHeld(int key) {
    return GetKeyState(key) < 0;
}

} // namespace

std::size_t EditControl::LineMove(std::size_t pos, long lines) {
    const std::size_t line = m_rows.RowOf(pos);
    const long long wanted = static_cast<long long>(line) + lines;
    const auto target = static_cast<std::size_t>(
        std::clamp<long long>(wanted, 0, static_cast<long long>(m_rows.Count()) - 1));
    // The column is kept as an x from the text's left edge, so that moving through short lines comes back to
    // it.
    const int base = m_format.left - m_xOffset;
    if (m_preferredX < 0) m_preferredX = LineOriginX(line) - base + m_rows.X(pos);
    return m_rows.PositionNearest(target, m_preferredX - (LineOriginX(target) - base));
}

bool EditControl::DeleteAtCaret(bool forward, bool word) {
    if (ReadOnly()) {
        MessageBeep(0);
        return false;
    }
    if (m_buffer.HasSelection()) return UserEdit("", EditBuffer::UndoMode::Single);
    const std::size_t caret = m_buffer.Caret();
    const std::size_t other = forward ? (word ? m_buffer.WordRight(caret) : m_buffer.NextPosition(caret))
                                      : (word ? m_buffer.WordLeft(caret) : m_buffer.PreviousPosition(caret));
    if (other == caret) return false;
    m_buffer.SetSelection(caret, other);
    return UserEdit("", forward ? EditBuffer::UndoMode::DeleteForward : EditBuffer::UndoMode::DeleteBack);
}

LRESULT EditControl::OnKeyDown(WPARAM wParam, LPARAM) {
    const bool shift = KeyHeld(VK_SHIFT);
    const bool ctrl = KeyHeld(VK_CONTROL);
    const std::size_t caret = m_buffer.Caret();
    const std::size_t line = m_rows.RowOf(caret);
    const bool collapse = !shift && m_buffer.HasSelection();
    std::size_t target = caret;
    bool vertical = false;
    int key = static_cast<int>(wParam);
    // A single-line control takes the up and down arrows as left and right.
    if (!MultiLine() && key == VK_UP) key = VK_LEFT;
    if (!MultiLine() && key == VK_DOWN) key = VK_RIGHT;
    switch (key) {
    case VK_LEFT:
        target = collapse && !ctrl ? m_buffer.SelectionStart()
                                   : (ctrl ? m_buffer.WordLeft(caret) : m_buffer.PreviousPosition(caret));
        break;
    case VK_RIGHT:
        target = collapse && !ctrl ? m_buffer.SelectionEnd()
                                   : (ctrl ? m_buffer.WordRight(caret) : m_buffer.NextPosition(caret));
        break;
    case VK_UP:
    case VK_DOWN:
        target = LineMove(caret, key == VK_UP ? -1 : 1);
        vertical = true;
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (!MultiLine()) return 0;
        const long page = key == VK_PRIOR ? -VisibleLines() : VisibleLines();
        target = LineMove(caret, page);
        ScrollLines(page);
        vertical = true;
        break;
    }
    case VK_HOME:
        target = ctrl ? 0 : m_rows.Start(line);
        break;
    case VK_END:
        target = ctrl ? m_buffer.Length() : m_rows.End(line);
        // A broken row ends where the next one starts: End stays on this row.
        if (!ctrl && target > m_rows.Start(line) && m_rows.RowOf(target) != line)
            target = m_buffer.PreviousPosition(target);
        break;
    case VK_DELETE:
        if (shift)
            SendMessage(m_hwnd, WM_CUT, 0, 0);
        else if (m_buffer.HasSelection() && !ReadOnly())
            SendMessage(m_hwnd, WM_CLEAR, 0, 0);
        else
            DeleteAtCaret(true, ctrl);
        FlushScrollBars();
        return 0;
    case VK_INSERT:
        if (ctrl)
            SendMessage(m_hwnd, WM_COPY, 0, 0);
        else if (shift)
            SendMessage(m_hwnd, WM_PASTE, 0, 0);
        FlushScrollBars();
        return 0;
    default:
        return 0;
    }
    if (!vertical) m_preferredX = -1;
    MoveSelection(shift ? m_buffer.Anchor() : target, target);
    if (shift) OfferPrimary();
    ScrollCaretIntoView();
    UpdateCaret();
    FlushScrollBars();
    return 0;
}

void EditControl::InsertCharacter(char32_t cp) {
    const DWORD style = Style();
    if ((style & ES_NUMBER) && (cp < U'0' || cp > U'9')) {
        MessageBeep(0);
        return;
    }
    if ((style & ES_UPPERCASE) && cp >= U'a' && cp <= U'z') cp -= U'a' - U'A';
    if ((style & ES_LOWERCASE) && cp >= U'A' && cp <= U'Z') cp += U'a' - U'A';
    std::string text;
    AppendUtf8(text, cp);
    UserEdit(text, EditBuffer::UndoMode::Typing);
}

bool EditControl::HandleControlCharacter(char32_t cp) {
    switch (cp) {
    case 0x08:
        return DeleteAtCaret(false, false); // Backspace
    case U'\r':
    case U'\n':
        return MultiLine() && UserEdit("\r\n", EditBuffer::UndoMode::Typing);
    case U'\t':
        return MultiLine() && UserEdit("\t", EditBuffer::UndoMode::Typing);
    case 0x01: // Ctrl+A
        MoveSelection(0, m_buffer.Length());
        OfferPrimary();
        UpdateCaret();
        return true;
    // The clipboard keys go through the messages, so that a window that refuses a paste or a cut (by its own
    // handler of the message) refuses it from the keyboard too.
    case 0x03:
        return SendMessage(m_hwnd, WM_COPY, 0, 0) != 0; // Ctrl+C
    case 0x16:
        return SendMessage(m_hwnd, WM_PASTE, 0, 0) != 0; // Ctrl+V
    case 0x18:
        return SendMessage(m_hwnd, WM_CUT, 0, 0) != 0; // Ctrl+X
    case 0x1A:
        return OnUndo(0, 0) != 0; // Ctrl+Z
    default:
        return false;
    }
}

LRESULT EditControl::OnChar(WPARAM wParam, LPARAM) {
    const auto cp = static_cast<char32_t>(wParam);
    if (cp < 0x20 || cp == 0x7F)
        HandleControlCharacter(cp);
    else if (cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF))
        InsertCharacter(cp);
    FlushScrollBars();
    return 0;
}

} // namespace win::edit
