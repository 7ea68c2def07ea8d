// Horizontal geometry of the edit control's text: character widths of the font, tab stops, line widths and
// the x of each position in a line.
#pragma once

#include "platform/controls/detail/edit/EditBuffer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

// Widths are measured when first needed and kept: appending to a long text measures nothing until the text is
// shown, and a long line keeps checkpoints so that finding a column never walks the whole line.

namespace win::edit {

class EditLayout {
public:
    // Measures one character in the current font: its advance in pixels.
    using Measure = std::function<int(char32_t)>;

    // A new font: every width measured so far is forgotten. tabWidth is the distance between tab stops.
    void SetFont(Measure measure, int tabWidth, int lineCount);
    // Lines of the text were replaced (see EditBuffer::Change); their widths are measured again when needed.
    void Apply(const EditBuffer::Change& change);
    // The whole text was replaced.
    void Reset(int lineCount);

    int CharWidth(char32_t cp);
    int LineWidth(const EditBuffer& buffer, std::size_t line);
    // The widest line; measures the lines not measured yet.
    int MaxWidth(const EditBuffer& buffer);

    // x of a position within its line, from the line's start.
    int XOfPosition(const EditBuffer& buffer, std::size_t pos);

    struct Column {
        std::size_t pos = 0; // a character boundary of the line
        int x = 0;           // its x from the line's start
    };
    // The last position of the line whose x is at most x (the line's start for x <= 0).
    Column ColumnAtOrBefore(const EditBuffer& buffer, std::size_t line, int x);
    // The position nearest to x: a click in the right half of a character lands after it.
    std::size_t PositionNearest(const EditBuffer& buffer, std::size_t line, int x);

    // Steps over one character at text[pos] that starts at x; returns the x after it. Tabs go to the next
    // stop.
    int Advance(std::string_view text, std::size_t& pos, int x);
    // Walks a text from `from` up to endOffset, stopping before the character that would end past stopX.
    Column WalkTo(std::string_view lineText, Column from, std::size_t endOffset, int stopX);

private:
    struct Checkpoint {
        std::uint32_t offset; // from the line's start
        std::int32_t x;
    };
    static constexpr std::size_t kCheckpointStep = 256;

    const std::vector<Checkpoint>* Checkpoints(const EditBuffer& buffer, std::size_t line);

    Measure m_measure;
    int m_tabWidth = 8;
    std::array<std::int16_t, 128> m_ascii{};
    bool m_asciiKnown = false;
    std::unordered_map<char32_t, int> m_wide;
    std::vector<std::int32_t> m_lineWidths; // -1: not measured yet
    std::size_t m_unmeasuredFrom = 0;       // lines before this one are measured
    int m_maxWidth = 0;
    bool m_maxStale = false;
    std::unordered_map<std::size_t, std::vector<Checkpoint>> m_checkpoints; // long lines that were looked at
};

} // namespace win::edit
