// Rows of the edit control: the buffer's lines one to a row, or broken at word boundaries to the wrap width.
#include "platform/controls/detail/edit/EditRows.h"

#include "platform/controls/detail/edit/EditCharacters.h"

#include <algorithm>
#include <climits>

namespace win::edit {

namespace {

// Ideographs may be broken before and after, as blanks may be broken after.
bool Ideographic(char32_t cp) {
    return cp >= 0x2E80;
}

} // namespace

void EditRows::SetWrapWidth(int width) {
    width = std::max(0, width);
    if (width == m_wrapWidth) return;
    m_wrapWidth = width;
    m_stale = true;
}

void EditRows::Update() {
    if (!Wrapping() || !m_stale) return;
    m_stale = false;
    m_starts.clear();
    m_starts.reserve(m_buffer.LineCount());
    for (std::size_t line = 0; line < m_buffer.LineCount(); ++line) BreakLine(line);
}

// Blanks at the end of a row may reach past the width; a word longer than the width is broken between its
// characters, and every row holds at least one character.
void EditRows::BreakLine(std::size_t line) {
    const std::string_view text = m_buffer.LineText(line);
    const std::size_t base = m_buffer.LineStart(line);
    m_starts.push_back(base);
    std::size_t rowStart = 0;
    std::size_t lastBreak = 0; // the latest place after rowStart where the row may end (0: none)
    bool breakAfterPrevious = false;
    std::size_t pos = 0;
    int x = 0;
    while (pos < text.size()) {
        const char32_t cp = DecodeAt(text, pos);
        const bool blank = cp == U' ' || cp == U'\t';
        if (!blank && pos > rowStart && (breakAfterPrevious || Ideographic(cp))) lastBreak = pos;
        std::size_t next = pos;
        const int nextX = m_layout.Advance(text, next, x);
        if (!blank && nextX > m_wrapWidth && pos > rowStart) {
            rowStart = lastBreak > rowStart ? lastBreak : pos;
            m_starts.push_back(base + rowStart);
            lastBreak = 0;
            x = m_layout.WalkTo(text, {rowStart, 0}, pos, INT_MAX).x;
            breakAfterPrevious = false;
            continue;
        }
        breakAfterPrevious = blank || Ideographic(cp);
        pos = next;
        x = nextX;
    }
}

std::size_t EditRows::Count() {
    if (!Wrapping()) return m_buffer.LineCount();
    Update();
    return m_starts.size();
}

std::size_t EditRows::Start(std::size_t row) {
    if (!Wrapping()) return m_buffer.LineStart(row);
    Update();
    return m_starts[std::min(row, m_starts.size() - 1)];
}

std::size_t EditRows::End(std::size_t row) {
    if (!Wrapping()) return m_buffer.LineEnd(row);
    Update();
    row = std::min(row, m_starts.size() - 1);
    const std::size_t line = m_buffer.LineFromPosition(m_starts[row]);
    if (row + 1 < m_starts.size() && m_starts[row + 1] <= m_buffer.LineEnd(line)) return m_starts[row + 1];
    return m_buffer.LineEnd(line);
}

std::string_view EditRows::Text(std::size_t row) {
    if (!Wrapping()) return m_buffer.LineText(row);
    const std::size_t start = Start(row);
    return m_buffer.Text().substr(start, End(row) - start);
}

std::size_t EditRows::RowOf(std::size_t pos) {
    if (!Wrapping()) return m_buffer.LineFromPosition(pos);
    Update();
    pos = m_buffer.Snap(pos);
    const auto it = std::upper_bound(m_starts.begin(), m_starts.end(), pos);
    return static_cast<std::size_t>(it - m_starts.begin()) - 1;
}

int EditRows::X(std::size_t pos) {
    if (!Wrapping()) return m_layout.XOfPosition(m_buffer, pos);
    pos = m_buffer.Snap(pos);
    const std::size_t row = RowOf(pos);
    return m_layout.WalkTo(Text(row), {}, pos - Start(row), INT_MAX).x;
}

int EditRows::Width(std::size_t row) {
    if (!Wrapping()) return m_layout.LineWidth(m_buffer, row);
    const std::string_view text = Text(row);
    return m_layout.WalkTo(text, {}, text.size(), INT_MAX).x;
}

int EditRows::MaxWidth() {
    if (!Wrapping()) return m_layout.MaxWidth(m_buffer);
    int widest = 0;
    for (std::size_t row = 0; row < Count(); ++row) widest = std::max(widest, Width(row));
    return widest;
}

EditLayout::Column EditRows::ColumnAtOrBefore(std::size_t row, int x) {
    if (!Wrapping()) return m_layout.ColumnAtOrBefore(m_buffer, row, x);
    if (x <= 0) return {};
    const std::string_view text = Text(row);
    return m_layout.WalkTo(text, {}, text.size(), x);
}

std::size_t EditRows::PositionNearest(std::size_t row, int x) {
    if (!Wrapping()) return m_layout.PositionNearest(m_buffer, row, x);
    const std::string_view text = Text(row);
    EditLayout::Column column = ColumnAtOrBefore(row, x);
    if (column.pos < text.size()) {
        std::size_t next = column.pos;
        const int nextX = m_layout.Advance(text, next, column.x);
        if (x - column.x > nextX - x) column.pos = next;
    }
    const std::size_t start = Start(row);
    std::size_t pos = start + column.pos;
    // The end of a broken row is the next row's start: stay on this row, before its last character.
    if (pos == End(row) && pos > start && RowOf(pos) != row) pos = m_buffer.PreviousPosition(pos);
    return pos;
}

} // namespace win::edit
