// The text model of the edit control: UTF-8 text, its line index, the selection, the text limit and undo.
// It knows nothing of windows or fonts, so it can be tested and measured on its own.
#pragma once

#include "platform/controls/detail/edit/EditCharacters.h"
#include "platform/controls/detail/edit/EditText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace win {

// Positions are byte offsets into the UTF-8 text. This is the platform's unit for every position an edit
// message takes or returns (EM_SETSEL, EM_GETSEL, EM_LINEINDEX, EM_LINELENGTH, EM_CHARFROMPOS...). A position
// is always on a character boundary: one that falls inside a character moves back to the character's start,
// and one between the CR and the LF of a line break moves back to the CR. Positions beyond the text mean its
// end.
//
// In a multi-line buffer a line ends with CR LF; a lone CR or LF is an ordinary character. A single-line
// buffer is one line whatever it holds. An empty text has one line, and a text ending in CR LF has an empty
// last line.
class EditBuffer {
public:
    // What an edit did to the line index: lines [firstLine, firstLine + removedLines] of the old text became
    // lines [firstLine, firstLine + insertedLines] of the new one; later lines only moved.
    struct Change {
        std::size_t firstLine = 0;
        std::size_t removedLines = 0;
        std::size_t insertedLines = 0;
        bool textChanged = false;
    };

    // How an edit is recorded for undo. Typing and deleting with keys merge with the edit before them when
    // they continue it, so that one undo takes back a whole typed word, as users expect.
    enum class UndoMode { None, Single, Typing, DeleteBack, DeleteForward };

    explicit EditBuffer(bool multiLine = false);

    bool MultiLine() const { return m_multiLine; }
    std::string_view Text() const { return m_text; }
    std::size_t Length() const { return m_text.Size(); }

    // Replaces the whole text (never cut by the limit). Clears the selection, undo and the modified flag.
    // Fails, leaving everything as it was, when the text is longer than the largest limit or memory runs out.
    bool SetText(std::string_view text);

    // Lines. Line numbers beyond the last line mean the last line.
    std::size_t LineCount() const { return m_lineStarts.size(); }
    std::size_t LineStart(std::size_t line) const;
    std::size_t LineEnd(std::size_t line) const; // before the line break
    std::size_t LineLength(std::size_t line) const { return LineEnd(line) - LineStart(line); }
    std::string_view LineText(std::size_t line) const;
    std::size_t LineFromPosition(std::size_t pos) const;

    // Character steps and word boundaries.
    std::size_t Snap(std::size_t pos) const;
    std::size_t NextPosition(std::size_t pos) const;
    std::size_t PreviousPosition(std::size_t pos) const;
    std::size_t WordLeft(std::size_t pos) const;                       // Ctrl+Left
    std::size_t WordRight(std::size_t pos) const;                      // Ctrl+Right
    std::pair<std::size_t, std::size_t> WordAt(std::size_t pos) const; // double click

    // Selection: the anchor stays where the selection started, the caret moves.
    std::size_t Anchor() const { return m_anchor; }
    std::size_t Caret() const { return m_caret; }
    std::size_t SelectionStart() const { return std::min(m_anchor, m_caret); }
    std::size_t SelectionEnd() const { return std::max(m_anchor, m_caret); }
    bool HasSelection() const { return m_anchor != m_caret; }
    std::string_view SelectedText() const;
    void SetSelection(std::size_t anchor, std::size_t caret);

    // Replaces the selection with text (unlimited) and leaves the caret after it. Fails only when memory runs
    // out or the text would outgrow the largest limit; then nothing changes and *ok is false.
    Change ReplaceSelection(std::string_view text, UndoMode undo, bool* ok = nullptr);
    // Replaces [start, end) and leaves the selection alone except for moving it with the text.
    Change Replace(std::size_t start, std::size_t end, std::string_view text, UndoMode undo,
                   bool* ok = nullptr);

    // The limit, in code-page-936 bytes: a double-byte character counts two. It applies to what the user
    // types or pastes (FitToLimit), never to SetText.
    std::size_t Limit() const { return m_limit; }
    void SetLimit(std::size_t limit);
    std::size_t CodePageLength() const;
    // The longest leading part of text, cut on a character boundary and never inside a CR LF, that can
    // replace the selection without taking the text past the limit.
    std::string_view FitToLimit(std::string_view text) const;

    // Undo of the last edit; undoing twice redoes it.
    bool CanUndo() const { return m_undo.mode != UndoMode::None; }
    Change Undo();
    void EmptyUndo() { m_undo = UndoRecord{}; }

    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }

private:
    struct UndoRecord {
        UndoMode mode = UndoMode::None;
        std::size_t position = 0;
        std::size_t insertedLength = 0;
        std::string removed;
    };

    bool IsBreakAt(std::size_t pos) const;
    edit::CharClass ClassAt(std::size_t pos) const;
    // Replaces [start, end), start <= end <= Length(), whether or not they are character boundaries.
    Change ReplaceExact(std::size_t start, std::size_t end, std::string_view text, UndoMode undo, bool* ok);
    Change UpdateLineIndex(std::size_t start, std::size_t removedLength, std::size_t insertedLength);
    void RecordUndo(UndoMode mode, std::size_t start, std::size_t end, std::string_view text);
    std::size_t MovePosition(std::size_t pos, std::size_t start, std::size_t end, std::size_t inserted) const;

    bool m_multiLine;
    EditText m_text;
    std::vector<std::uint32_t> m_lineStarts{0};
    std::size_t m_anchor = 0;
    std::size_t m_caret = 0;
    std::size_t m_limit;
    // The code-page length is counted only once someone needs it, then kept up to date edit by edit.
    mutable std::size_t m_codePageLength = 0;
    mutable bool m_codePageLengthKnown = false;
    UndoRecord m_undo;
    bool m_modified = false;
};

} // namespace win
