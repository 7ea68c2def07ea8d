// The edit control's text model: the line index is kept up to date edit by edit, so appending to a long text
// costs only the length of what is appended.
#include "platform/controls/detail/edit/EditBuffer.h"

#include "platform/controls/detail/edit/EditCharacters.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/system/CodePage.h"

#include <cstring>
#include <new>

namespace win {
namespace {

// Calls found(p) for each CR at p in [from, to) that is followed by an LF (the LF may lie at or after to).
template <class Found>
void ForEachBreak(std::string_view text, std::size_t from, std::size_t to, Found found) {
    to = std::min(to, text.size() > 0 ? text.size() - 1 : 0);
    while (from < to) {
        const void* hit = std::memchr(text.data() + from, '\r', to - from);
        if (!hit) return;
        const auto p = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        if (text[p + 1] == '\n') found(p);
        from = p + 1;
    }
}

// Grows a vector geometrically, so that many small appends stay linear in total.
template <class T> void ReserveFor(std::vector<T>& v, std::size_t needed) {
    if (v.capacity() < needed) v.reserve(std::max(needed, v.capacity() * 2));
}

} // namespace

EditBuffer::EditBuffer(bool multiLine) : m_multiLine(multiLine), m_limit(kEditDefaultLimit) {}

bool EditBuffer::SetText(std::string_view text) {
    if (text.size() > kEditMaxLimit) return false;
    try {
        std::vector<std::uint32_t> starts{0};
        if (m_multiLine)
            ForEachBreak(text, 0, text.size(), [&](std::size_t p) {
                ReserveFor(starts, starts.size() + 1);
                starts.push_back(static_cast<std::uint32_t>(p + 2));
            });
        EditText copy(text);
        m_text.Swap(copy);
        m_lineStarts.swap(starts);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_anchor = m_caret = 0;
    m_codePageLengthKnown = false;
    EmptyUndo();
    m_modified = false;
    return true;
}

std::size_t EditBuffer::LineStart(std::size_t line) const {
    return m_lineStarts[std::min(line, m_lineStarts.size() - 1)];
}

std::size_t EditBuffer::LineEnd(std::size_t line) const {
    if (line + 1 < m_lineStarts.size()) return m_lineStarts[line + 1] - 2;
    return m_text.Size();
}

std::string_view EditBuffer::LineText(std::size_t line) const {
    line = std::min(line, m_lineStarts.size() - 1);
    const std::size_t start = LineStart(line);
    return std::string_view(m_text).substr(start, LineEnd(line) - start);
}

std::size_t EditBuffer::LineFromPosition(std::size_t pos) const {
    const auto it = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), std::min(pos, m_text.Size()));
    return static_cast<std::size_t>(it - m_lineStarts.begin()) - 1;
}

bool EditBuffer::IsBreakAt(std::size_t pos) const {
    return m_multiLine && pos + 1 < m_text.Size() && m_text[pos] == '\r' && m_text[pos + 1] == '\n';
}

std::size_t EditBuffer::Snap(std::size_t pos) const {
    if (pos >= m_text.Size()) return m_text.Size();
    pos = edit::CharacterStart(m_text, pos);
    if (pos > 0 && IsBreakAt(pos - 1)) --pos;
    return pos;
}

std::size_t EditBuffer::NextPosition(std::size_t pos) const {
    pos = Snap(pos);
    if (pos >= m_text.Size()) return m_text.Size();
    return pos + (IsBreakAt(pos) ? 2 : edit::SequenceLength(m_text, pos));
}

std::size_t EditBuffer::PreviousPosition(std::size_t pos) const {
    pos = Snap(pos);
    if (pos == 0) return 0;
    if (pos >= 2 && IsBreakAt(pos - 2)) return pos - 2;
    return edit::CharacterStart(m_text, pos - 1);
}

std::string_view EditBuffer::SelectedText() const {
    return std::string_view(m_text).substr(SelectionStart(), SelectionEnd() - SelectionStart());
}

void EditBuffer::SetSelection(std::size_t anchor, std::size_t caret) {
    m_anchor = Snap(anchor);
    m_caret = Snap(caret);
}

void EditBuffer::SetLimit(std::size_t limit) {
    m_limit = limit == 0 ? kEditMaxLimit : std::min(limit, kEditMaxLimit);
}

std::size_t EditBuffer::CodePageLength() const {
    if (!m_codePageLengthKnown) {
        m_codePageLength = AnsiByteLength(m_text);
        m_codePageLengthKnown = true;
    }
    return m_codePageLength;
}

std::string_view EditBuffer::FitToLimit(std::string_view text) const {
    const std::size_t replaced = SelectionEnd() - SelectionStart();
    // A character never takes more code-page bytes than UTF-8 bytes, so a text within the limit in UTF-8
    // bytes needs no counting; that keeps typing into a long text cheap.
    if (m_text.Size() - replaced + text.size() <= m_limit) return text;
    const std::size_t kept = CodePageLength() - AnsiByteLength(SelectedText());
    const std::size_t room = kept >= m_limit ? 0 : m_limit - kept;
    std::size_t pos = 0;
    std::size_t used = 0;
    while (pos < text.size()) {
        std::size_t next;
        unsigned width;
        if (m_multiLine && text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            next = pos + 2;
            width = 2;
        } else {
            next = pos + edit::SequenceLength(text, pos);
            width = static_cast<unsigned>(AnsiByteLength(text.substr(pos, next - pos)));
        }
        if (used + width > room) break;
        used += width;
        pos = next;
    }
    return text.substr(0, pos);
}

EditBuffer::Change EditBuffer::ReplaceSelection(std::string_view text, UndoMode undo, bool* ok) {
    const std::size_t start = SelectionStart();
    bool done = false;
    Change change = Replace(start, SelectionEnd(), text, undo, &done);
    if (done) m_anchor = m_caret = Snap(start + text.size());
    if (ok) *ok = done;
    return change;
}

std::size_t EditBuffer::MovePosition(std::size_t pos, std::size_t start, std::size_t end,
                                     std::size_t inserted) const {
    if (pos <= start) return Snap(pos);
    if (pos >= end) return Snap(pos - (end - start) + inserted);
    return Snap(start + inserted);
}

EditBuffer::Change EditBuffer::Replace(std::size_t start, std::size_t end, std::string_view text,
                                       UndoMode undo, bool* ok) {
    start = Snap(start);
    end = Snap(end);
    if (start > end) std::swap(start, end);
    return ReplaceExact(start, end, text, undo, ok);
}

// Undo needs the exact range: malformed bytes an edit put in may have joined their neighbours into
// characters, so that the ends of what it inserted are no longer character boundaries.
EditBuffer::Change EditBuffer::ReplaceExact(std::size_t start, std::size_t end, std::string_view text,
                                            UndoMode undo, bool* ok) {
    if (ok) *ok = false;
    const std::size_t removedLength = end - start;
    if (m_text.Size() - removedLength + text.size() > kEditMaxLimit) return {};
    if (removedLength == 0 && text.empty()) {
        if (ok) *ok = true;
        return {};
    }
    // Malformed bytes at either end of the edit can join their new neighbours into one character, or stop
    // doing so; a few bytes further out the text decodes alike before and after, so count up to there.
    const std::size_t countFrom = start >= 3 ? Snap(start - 3) : 0;
    const std::size_t countTo = Snap(end + 7);
    const std::size_t countedBefore =
        m_codePageLengthKnown
            ? AnsiByteLength(std::string_view(m_text).substr(countFrom, countTo - countFrom))
            : 0;
    bool recorded = false;
    try {
        // Everything that can fail happens before the text changes, so a failure leaves the text as it was.
        if (m_multiLine) {
            std::size_t breaks = 0;
            ForEachBreak(text, 0, text.size() + 1, [&](std::size_t) { ++breaks; });
            ReserveFor(m_lineStarts, m_lineStarts.size() + breaks + 3);
        }
        RecordUndo(undo, start, end, text);
        recorded = true;
        m_text.Replace(start, removedLength, text);
    } catch (const std::bad_alloc&) {
        m_codePageLengthKnown = false;
        if (recorded) EmptyUndo(); // it describes an edit that did not happen
        return {};
    }
    if (m_codePageLengthKnown)
        m_codePageLength = m_codePageLength - countedBefore +
                           AnsiByteLength(std::string_view(m_text).substr(
                               countFrom, countTo - removedLength + text.size() - countFrom));
    const Change change = UpdateLineIndex(start, removedLength, text.size());
    m_anchor = MovePosition(m_anchor, start, end, text.size());
    m_caret = MovePosition(m_caret, start, end, text.size());
    m_modified = true;
    if (ok) *ok = true;
    return change;
}

EditBuffer::Change EditBuffer::UpdateLineIndex(std::size_t start, std::size_t removedLength,
                                               std::size_t insertedLength) {
    Change change;
    change.textChanged = true;
    if (!m_multiLine) return change;
    // A line start s follows the break at [s - 2, s). Breaks with a byte in the replaced range, or that
    // straddle one of its ends, are dropped and found again in the new text; the ones wholly after it only
    // move.
    const std::size_t oldEnd = start + removedLength;
    auto first = std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), start);
    auto last = std::upper_bound(first, m_lineStarts.end(), oldEnd + 1);
    change.firstLine = static_cast<std::size_t>(first - m_lineStarts.begin()) - 1;
    change.removedLines = static_cast<std::size_t>(last - first);
    const auto delta = static_cast<std::int64_t>(insertedLength) - static_cast<std::int64_t>(removedLength);
    for (auto it = last; it != m_lineStarts.end(); ++it) *it = static_cast<std::uint32_t>(*it + delta);

    const std::size_t from = start > 0 ? start - 1 : 0;
    const std::size_t to = start + insertedLength;
    std::size_t found = 0;
    ForEachBreak(m_text, from, to, [&](std::size_t) { ++found; });
    // Reuse the dropped slots first, so that an edit inside a line moves nothing.
    const std::size_t index = static_cast<std::size_t>(first - m_lineStarts.begin());
    if (found > change.removedLines)
        m_lineStarts.insert(last, found - change.removedLines, 0); // capacity was reserved beforehand
    else
        m_lineStarts.erase(first + static_cast<std::ptrdiff_t>(found), last);
    std::size_t slot = index;
    ForEachBreak(m_text, from, to,
                 [&](std::size_t p) { m_lineStarts[slot++] = static_cast<std::uint32_t>(p + 2); });
    change.insertedLines = found;
    return change;
}

void EditBuffer::RecordUndo(UndoMode mode, std::size_t start, std::size_t end, std::string_view text) {
    if (mode == UndoMode::None) {
        EmptyUndo();
        return;
    }
    const std::string_view removed = std::string_view(m_text).substr(start, end - start);
    UndoRecord& last = m_undo;
    if (mode == UndoMode::Typing && last.mode == mode && start == end &&
        start == last.position + last.insertedLength) {
        last.insertedLength += text.size();
        return;
    }
    if (mode == UndoMode::DeleteBack && last.mode == mode && text.empty() && last.insertedLength == 0 &&
        end == last.position) {
        last.removed.insert(0, removed);
        last.position = start;
        return;
    }
    if (mode == UndoMode::DeleteForward && last.mode == mode && text.empty() && last.insertedLength == 0 &&
        start == last.position) {
        last.removed.append(removed);
        return;
    }
    UndoRecord record{mode, start, text.size(), std::string(removed)};
    m_undo = std::move(record);
}

EditBuffer::Change EditBuffer::Undo() {
    if (!CanUndo()) return {};
    UndoRecord record = std::move(m_undo);
    const std::size_t start = record.position;
    const std::size_t end = start + record.insertedLength;
    bool ok = false;
    Change change;
    try {
        std::string inserted = m_text.Substr(start, end - start);
        change = ReplaceExact(start, end, record.removed, UndoMode::None, &ok);
        if (ok) m_undo = UndoRecord{UndoMode::Single, start, record.removed.size(), std::move(inserted)};
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    if (!ok) {
        m_undo = std::move(record);
        return {};
    }
    SetSelection(start, start + m_undo.insertedLength);
    return change;
}

} // namespace win
