// Word movement of the edit control: Ctrl+Left and Ctrl+Right, and the word a double click selects.
#include "platform/controls/detail/edit/EditBuffer.h"

// A word is a run of characters of one class (letters and digits, punctuation, ideographs, blanks); line
// breaks always stop a movement.

namespace win {

edit::CharClass EditBuffer::ClassAt(std::size_t pos) const {
    if (IsBreakAt(pos)) return edit::CharClass::Break;
    return edit::ClassOf(edit::DecodeAt(m_text, pos));
}

std::size_t EditBuffer::WordRight(std::size_t pos) const {
    pos = Snap(pos);
    const std::size_t size = m_text.Size();
    if (pos >= size) return size;
    const edit::CharClass cls = ClassAt(pos);
    if (cls == edit::CharClass::Break) return NextPosition(pos);
    if (cls != edit::CharClass::Space)
        while (pos < size && ClassAt(pos) == cls) pos = NextPosition(pos);
    while (pos < size && ClassAt(pos) == edit::CharClass::Space) pos = NextPosition(pos);
    return pos;
}

std::size_t EditBuffer::WordLeft(std::size_t pos) const {
    pos = Snap(pos);
    if (pos == 0) return 0;
    std::size_t before = PreviousPosition(pos);
    if (ClassAt(before) == edit::CharClass::Break) return before;
    while (pos > 0 && ClassAt(before) == edit::CharClass::Space) {
        pos = before;
        before = PreviousPosition(pos);
    }
    if (pos == 0) return 0;
    const edit::CharClass cls = ClassAt(before);
    if (cls == edit::CharClass::Break) return pos;
    while (pos > 0 && ClassAt(before) == cls) {
        pos = before;
        before = PreviousPosition(pos);
    }
    return pos;
}

std::pair<std::size_t, std::size_t> EditBuffer::WordAt(std::size_t pos) const {
    pos = Snap(pos);
    // At the end of a line the word before the point is meant.
    if (pos >= m_text.Size() || ClassAt(pos) == edit::CharClass::Break) {
        if (pos == 0) return {pos, pos};
        const std::size_t before = PreviousPosition(pos);
        if (ClassAt(before) == edit::CharClass::Break) return {pos, pos};
        pos = before;
    }
    const edit::CharClass cls = ClassAt(pos);
    std::size_t start = pos;
    std::size_t end = NextPosition(pos);
    while (start > 0) {
        const std::size_t before = PreviousPosition(start);
        if (ClassAt(before) != cls) break;
        start = before;
    }
    while (end < m_text.Size() && ClassAt(end) == cls) end = NextPosition(end);
    return {start, end};
}

} // namespace win
