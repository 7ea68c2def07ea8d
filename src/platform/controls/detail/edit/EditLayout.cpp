// Character widths, line widths and column positions of the edit control's text.
#include "platform/controls/detail/edit/EditLayout.h"

#include "platform/controls/detail/edit/EditCharacters.h"

#include <algorithm>
#include <climits>

namespace win::edit {

void EditLayout::SetFont(Measure measure, int tabWidth, int lineCount) {
    m_measure = std::move(measure);
    m_tabWidth = std::max(1, tabWidth);
    m_asciiKnown = false;
    m_wide.clear();
    Reset(lineCount);
}

void EditLayout::Reset(int lineCount) {
    m_lineWidths.assign(static_cast<std::size_t>(std::max(1, lineCount)), -1);
    m_unmeasuredFrom = 0;
    m_maxWidth = 0;
    m_maxStale = false;
    m_checkpoints.clear();
}

void EditLayout::Apply(const EditBuffer::Change& change) {
    if (!change.textChanged) return;
    if (m_lineWidths.empty()) m_lineWidths.push_back(-1);
    const std::size_t first = std::min(change.firstLine, m_lineWidths.size() - 1);
    const std::size_t removedEnd =
        std::max(first, std::min(first + change.removedLines + 1, m_lineWidths.size()));
    for (std::size_t i = first; i < removedEnd; ++i)
        if (m_lineWidths[i] == m_maxWidth && m_maxWidth > 0) m_maxStale = true;
    const auto at = m_lineWidths.begin() + static_cast<std::ptrdiff_t>(first);
    m_lineWidths.erase(at, m_lineWidths.begin() + static_cast<std::ptrdiff_t>(removedEnd));
    m_lineWidths.insert(m_lineWidths.begin() + static_cast<std::ptrdiff_t>(first), change.insertedLines + 1,
                        -1);
    m_unmeasuredFrom = std::min(m_unmeasuredFrom, first);
    std::erase_if(m_checkpoints, [first](const auto& entry) { return entry.first >= first; });
}

int EditLayout::CharWidth(char32_t cp) {
    if (!m_measure) return 0;
    if (cp < 0x80) {
        if (!m_asciiKnown) {
            for (char32_t c = 0; c < 128; ++c)
                m_ascii[c] = static_cast<std::int16_t>(std::clamp(m_measure(c), 0, 32767));
            m_asciiKnown = true;
        }
        return m_ascii[cp];
    }
    const auto found = m_wide.find(cp);
    if (found != m_wide.end()) return found->second;
    const int width = std::max(0, m_measure(cp));
    m_wide.emplace(cp, width);
    return width;
}

int EditLayout::Advance(std::string_view text, std::size_t& pos, int x) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (c == '\t') {
        ++pos;
        return (x / m_tabWidth + 1) * m_tabWidth;
    }
    if (c < 0x80) {
        ++pos;
        return x + (m_asciiKnown ? m_ascii[c] : CharWidth(c));
    }
    const std::size_t length = SequenceLength(text, pos);
    const int width = CharWidth(DecodeAt(text, pos));
    pos += length;
    return x + width;
}

EditLayout::Column EditLayout::WalkTo(std::string_view lineText, Column from, std::size_t endOffset,
                                      int stopX) {
    std::size_t pos = from.pos;
    int x = from.x;
    endOffset = std::min(endOffset, lineText.size());
    while (pos < endOffset) {
        std::size_t next = pos;
        const int nextX = Advance(lineText, next, x);
        if (nextX > stopX) break;
        pos = next;
        x = nextX;
    }
    return {pos, x};
}

const std::vector<EditLayout::Checkpoint>* EditLayout::Checkpoints(const EditBuffer& buffer,
                                                                   std::size_t line) {
    const std::string_view text = buffer.LineText(line);
    if (text.size() <= kCheckpointStep) return nullptr;
    const auto found = m_checkpoints.find(line);
    if (found != m_checkpoints.end()) return &found->second;
    if (m_checkpoints.size() > 4096) m_checkpoints.clear(); // only what is being looked at is worth keeping
    std::vector<Checkpoint> points;
    points.reserve(text.size() / kCheckpointStep + 1);
    std::size_t pos = 0;
    int x = 0;
    std::size_t nextMark = 0;
    while (pos < text.size()) {
        if (pos >= nextMark) {
            points.push_back({static_cast<std::uint32_t>(pos), x});
            nextMark = pos + kCheckpointStep;
        }
        x = Advance(text, pos, x);
    }
    if (line < m_lineWidths.size()) m_lineWidths[line] = x;
    return &m_checkpoints.emplace(line, std::move(points)).first->second;
}

int EditLayout::LineWidth(const EditBuffer& buffer, std::size_t line) {
    if (line < m_lineWidths.size() && m_lineWidths[line] >= 0) return m_lineWidths[line];
    const std::string_view text = buffer.LineText(line);
    const int width = WalkTo(text, {}, text.size(), INT_MAX).x;
    if (line < m_lineWidths.size()) m_lineWidths[line] = width;
    return width;
}

int EditLayout::MaxWidth(const EditBuffer& buffer) {
    if (m_lineWidths.size() != buffer.LineCount()) Reset(static_cast<int>(buffer.LineCount()));
    if (m_maxStale) {
        m_maxWidth = 0;
        for (const std::int32_t width : m_lineWidths) m_maxWidth = std::max(m_maxWidth, width);
        m_maxStale = false;
    }
    for (std::size_t line = m_unmeasuredFrom; line < m_lineWidths.size(); ++line)
        m_maxWidth = std::max(m_maxWidth, LineWidth(buffer, line));
    m_unmeasuredFrom = m_lineWidths.size();
    return m_maxWidth;
}

int EditLayout::XOfPosition(const EditBuffer& buffer, std::size_t pos) {
    pos = buffer.Snap(pos);
    const std::size_t line = buffer.LineFromPosition(pos);
    const std::size_t offset = pos - buffer.LineStart(line);
    if (offset == 0) return 0;
    Column from;
    if (const auto* points = Checkpoints(buffer, line)) {
        const auto it =
            std::upper_bound(points->begin(), points->end(), offset,
                             [](std::size_t value, const Checkpoint& p) { return value < p.offset; });
        if (it != points->begin()) from = {std::prev(it)->offset, std::prev(it)->x};
    }
    return WalkTo(buffer.LineText(line), from, offset, INT_MAX).x;
}

EditLayout::Column EditLayout::ColumnAtOrBefore(const EditBuffer& buffer, std::size_t line, int x) {
    const std::string_view text = buffer.LineText(line);
    Column from;
    if (x <= 0) return from;
    if (const auto* points = Checkpoints(buffer, line)) {
        const auto it = std::upper_bound(points->begin(), points->end(), x,
                                         [](int value, const Checkpoint& p) { return value < p.x; });
        if (it != points->begin()) from = {std::prev(it)->offset, std::prev(it)->x};
    }
    return WalkTo(text, from, text.size(), x);
}

std::size_t EditLayout::PositionNearest(const EditBuffer& buffer, std::size_t line, int x) {
    const std::string_view text = buffer.LineText(line);
    Column column = ColumnAtOrBefore(buffer, line, x);
    if (column.pos < text.size()) {
        std::size_t next = column.pos;
        const int nextX = Advance(text, next, column.x);
        if (x - column.x > nextX - x) column.pos = next;
    }
    return buffer.LineStart(line) + column.pos;
}

} // namespace win::edit
