// The rows the edit control shows: its lines, or, in a multi-line control that wraps, the pieces its lines
// are broken into at word boundaries to fit the width of the text.
#pragma once

#include "platform/controls/detail/edit/EditBuffer.h"
#include "platform/controls/detail/edit/EditLayout.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace win::edit {

class EditRows {
public:
    EditRows(const EditBuffer& buffer, EditLayout& layout) : m_buffer(buffer), m_layout(layout) {}

    // Wrapping to `width` pixels; 0 turns wrapping off, so that every line is one row.
    void SetWrapWidth(int width);
    bool Wrapping() const { return m_wrapWidth > 0; }
    // The text or the font changed: rows are broken again when next asked for.
    void Invalidate() { m_stale = true; }

    std::size_t Count();
    std::size_t Start(std::size_t row);
    // Where the row's text ends: before the line break, or where the next row of the same line starts.
    std::size_t End(std::size_t row);
    std::string_view Text(std::size_t row);
    // The row a position is shown on; a position where a line is broken is the start of the later row.
    std::size_t RowOf(std::size_t pos);

    // x of a position from its row's start, the row's width and the widest row.
    int X(std::size_t pos);
    int Width(std::size_t row);
    int MaxWidth();
    EditLayout::Column ColumnAtOrBefore(std::size_t row, int x);
    std::size_t PositionNearest(std::size_t row, int x);

private:
    void Update();
    void BreakLine(std::size_t line);

    const EditBuffer& m_buffer;
    EditLayout& m_layout;
    int m_wrapWidth = 0;
    bool m_stale = true;
    std::vector<std::size_t> m_starts; // row starts, while wrapping
};

} // namespace win::edit
