// The edit control's text model driven by an arbitrary input and checked after every step against what a
// plain scan of the text says: the scan steps forward through the UTF-8 and finds the CR LF breaks on its
// own.
#include "EditFuzzing.h"

#include "platform/controls/detail/edit/EditBuffer.h"
#include "platform/system/CodePage.h"
#include "platform/system/Utf8.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace win::editfuzz {
namespace {

using Mode = EditBuffer::UndoMode;

constexpr std::size_t kMaxSteps = 200;
constexpr std::size_t kMaxText = 1 << 14;
// Texts up to this size are checked at every position after every step; longer ones at sampled positions.
constexpr std::size_t kFullCheckSize = 512;
constexpr std::size_t kHuge = std::numeric_limits<std::size_t>::max();

// The character boundaries of a text: where stepping forward one character at a time stops.
std::vector<bool> Boundaries(std::string_view text, bool multiLine) {
    std::vector<bool> at(text.size() + 1, false);
    std::size_t pos = 0;
    while (pos < text.size()) {
        at[pos] = true;
        if (multiLine && text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n')
            pos += 2;
        else
            DecodeUtf8(text, pos);
    }
    at[text.size()] = true;
    return at;
}

std::size_t SnapTo(const std::vector<bool>& at, std::size_t pos) {
    if (pos >= at.size()) return at.size() - 1;
    while (!at[pos]) --pos;
    return pos;
}

std::vector<std::size_t> LineStarts(std::string_view text, bool multiLine) {
    std::vector<std::size_t> starts{0};
    if (multiLine)
        for (std::size_t p = 0; p + 1 < text.size(); ++p)
            if (text[p] == '\r' && text[p + 1] == '\n') starts.push_back(p + 2);
    return starts;
}

// Reads the operations; past the end every byte is 0.
class Input {
public:
    explicit Input(std::string_view data) : m_data(data) {}
    bool AtEnd() const { return m_pos >= m_data.size(); }
    std::uint8_t Byte() { return AtEnd() ? 0 : static_cast<std::uint8_t>(m_data[m_pos++]); }
    std::uint16_t Word() {
        const std::uint8_t low = Byte();
        return static_cast<std::uint16_t>(low | Byte() << 8);
    }
    std::string_view Take(std::size_t count) {
        const std::string_view taken = m_data.substr(std::min(m_pos, m_data.size()), count);
        m_pos += taken.size();
        return taken;
    }
    // Any piece of the whole input: pasted text is as arbitrary as the input itself.
    std::string_view Slice() {
        const std::size_t offset = m_data.empty() ? 0 : Word() % m_data.size();
        return m_data.substr(offset, Byte());
    }

private:
    std::string_view m_data;
    std::size_t m_pos = 0;
};

// What undo should bring back: the text before the edits that the last undo record covers.
struct UndoGroup {
    Mode mode = Mode::None;
    std::size_t position = 0;
    std::size_t inserted = 0;
    std::string base;
};

class Driver {
public:
    explicit Driver(std::string_view data) : m_in(data), m_buffer((m_in.Byte() & 1) != 0) {}

    EditExercise Run(std::string_view data) {
        const auto flags = static_cast<std::uint8_t>(data.empty() ? 0 : data[0]);
        if (flags >> 1) m_buffer.SetLimit((flags >> 1) * 3u);
        SetText(m_in.Take(m_in.Word()));
        while (!m_in.AtEnd() && m_result.steps < kMaxSteps && m_result.faults.empty()) {
            Step();
            ++m_result.steps;
            Check();
        }
        return std::move(m_result);
    }

private:
    void Fault(const std::string& what) {
        m_result.faults.push_back("step " + std::to_string(m_result.steps) + " (" + m_step + "): " + what);
    }
    void Expect(bool holds, const char* what) {
        if (!holds) Fault(what);
    }
    bool Multi() const { return m_buffer.MultiLine(); }

    std::size_t Position() {
        const std::uint16_t w = m_in.Word();
        return w == 0xFFFF ? kHuge : w % (m_text.size() + 3);
    }
    Mode UndoModeArg() { return static_cast<Mode>(m_in.Byte() % 5); }

    void Step() {
        switch (m_in.Byte() % 12) {
        case 0: { // a paste: cut to the limit first, as the control does
            m_step = "paste";
            const std::string_view text = m_in.Slice();
            const std::string_view fit = m_buffer.FitToLimit(text);
            CheckFit(text, fit);
            ReplaceSelection(fit, UndoModeArg());
            break;
        }
        case 1: {
            m_step = "replace selection";
            const std::string_view text = m_in.Slice();
            ReplaceSelection(text, UndoModeArg());
            break;
        }
        case 2: {
            m_step = "replace range";
            const std::size_t start = Position();
            const std::size_t end = Position();
            const std::string_view text = m_in.Slice();
            Replace(start, end, text, UndoModeArg());
            break;
        }
        case 3: { // the text's own bytes put back, as a paste of what was just copied
            m_step = "replace with own text";
            const std::size_t from = Position();
            const std::string_view own = m_buffer.Text().substr(std::min(from, m_text.size()), m_in.Byte());
            ReplaceSelection(own, UndoModeArg());
            break;
        }
        case 4: {
            m_step = "select";
            const std::size_t anchor = Position();
            m_buffer.SetSelection(anchor, Position());
            break;
        }
        case 5:
            m_step = "move caret";
            MoveCaret();
            break;
        case 6:
            m_step = "select word";
            SelectWord(Position());
            break;
        case 7:
            m_step = "undo";
            Undo();
            break;
        case 8:
            m_step = "set text";
            SetText(m_in.Slice());
            break;
        case 9: {
            m_step = "line queries";
            const std::size_t line = m_in.Word();
            LineQueries(line, Position());
            break;
        }
        case 10:
            m_step = "forget undo";
            m_buffer.EmptyUndo();
            m_undo = UndoGroup{};
            m_buffer.SetModified(false);
            m_modified = false;
            break;
        default:
            m_step = "set limit";
            m_buffer.SetLimit(m_in.Byte() * 7u);
            break;
        }
    }

    void SetText(std::string_view text) {
        const std::string copy(text);
        Expect(m_buffer.SetText(copy), "SetText failed");
        m_text = copy;
        m_undo = UndoGroup{};
        m_modified = false;
        Expect(m_buffer.Anchor() == 0 && m_buffer.Caret() == 0, "SetText left a selection");
    }

    void ReplaceSelection(std::string_view text, Mode mode) { Edit(true, 0, 0, text, mode); }
    void Replace(std::size_t start, std::size_t end, std::string_view text, Mode mode) {
        Edit(false, start, end, text, mode);
    }

    // One edit, with what it should do worked out from the text before it.
    void Edit(bool selection, std::size_t start, std::size_t end, std::string_view text, Mode mode) {
        const std::string inserted(text); // text may lie inside the buffer's own text
        const std::vector<bool> at = Boundaries(m_text, Multi());
        if (selection) {
            start = m_buffer.SelectionStart();
            end = m_buffer.SelectionEnd();
        }
        std::size_t s = SnapTo(at, start);
        std::size_t e = SnapTo(at, end);
        if (s > e) std::swap(s, e);
        if (m_text.size() - (e - s) + inserted.size() > kMaxText) return;
        const std::size_t anchor = m_buffer.Anchor();
        const std::size_t caret = m_buffer.Caret();
        const std::string before = m_text;
        bool ok = false;
        const EditBuffer::Change change = selection ? m_buffer.ReplaceSelection(text, mode, &ok)
                                                    : m_buffer.Replace(start, end, text, mode, &ok);
        Expect(ok, "the edit failed");
        m_text = before.substr(0, s) + inserted + before.substr(e);
        Expect(m_buffer.Text() == m_text, "the text is not the old text with the range replaced");
        if (m_buffer.Text() != m_text) return;
        if (s == e && inserted.empty()) {
            Expect(!change.textChanged, "an edit that changed nothing reported a change");
            return;
        }
        CheckChange(change, before);
        RecordUndo(mode, s, e, inserted.size(), before);
        m_modified = true;
        const std::vector<bool> now = Boundaries(m_text, Multi());
        const auto moved = [&](std::size_t p) {
            if (p <= s) return SnapTo(now, p);
            if (p >= e) return SnapTo(now, p - (e - s) + inserted.size());
            return SnapTo(now, s + inserted.size());
        };
        if (selection) {
            const std::size_t after = SnapTo(now, s + inserted.size());
            Expect(m_buffer.Anchor() == after && m_buffer.Caret() == after,
                   "the caret is not after the paste");
        } else {
            Expect(m_buffer.Anchor() == moved(anchor) && m_buffer.Caret() == moved(caret),
                   "the selection did not move with the text");
        }
    }

    void RecordUndo(Mode mode, std::size_t s, std::size_t e, std::size_t inserted,
                    const std::string& before) {
        UndoGroup& g = m_undo;
        const bool continues =
            g.mode == mode &&
            ((mode == Mode::Typing && s == e && s == g.position + g.inserted) ||
             (mode == Mode::DeleteBack && inserted == 0 && g.inserted == 0 && e == g.position) ||
             (mode == Mode::DeleteForward && inserted == 0 && g.inserted == 0 && s == g.position));
        if (mode == Mode::None) {
            g = UndoGroup{};
        } else if (!continues) {
            g = UndoGroup{mode, s, inserted, before};
        } else if (mode == Mode::Typing) {
            g.inserted += inserted;
        } else if (mode == Mode::DeleteBack) {
            g.position = s;
        }
    }

    void Undo() {
        const std::string before = m_text;
        const EditBuffer::Change change = m_buffer.Undo();
        if (m_undo.mode == Mode::None) {
            Expect(!change.textChanged && m_buffer.Text() == before,
                   "undo with nothing to undo changed the text");
            return;
        }
        m_text = m_undo.base;
        Expect(m_buffer.Text() == m_text, "undo did not bring back the text before the edit");
        if (m_buffer.Text() != m_text) return;
        m_modified = true;
        CheckChange(change, before);
        m_undo = UndoGroup{Mode::Single, 0, 0, before};
    }

    void MoveCaret() {
        const std::uint8_t how = m_in.Byte();
        const std::size_t caret = m_buffer.Caret();
        const std::vector<bool> at = Boundaries(m_text, Multi());
        std::size_t to = 0;
        switch (how % 4) {
        case 0:
            to = m_buffer.NextPosition(caret);
            Expect(caret == m_text.size() ? to == caret : to > caret, "NextPosition did not move forward");
            break;
        case 1:
            to = m_buffer.PreviousPosition(caret);
            Expect(caret == 0 ? to == 0 : to < caret, "PreviousPosition did not move back");
            break;
        case 2:
            to = m_buffer.WordLeft(caret);
            Expect(caret == 0 ? to == 0 : to < caret, "WordLeft did not move back");
            break;
        default:
            to = m_buffer.WordRight(caret);
            Expect(caret == m_text.size() ? to == caret : to > caret, "WordRight did not move forward");
            break;
        }
        Expect(to <= m_text.size() && at[std::min(to, m_text.size())], "the caret moved inside a character");
        m_buffer.SetSelection((how & 4) ? m_buffer.Anchor() : to, to);
    }

    void SelectWord(std::size_t pos) {
        const auto [start, end] = m_buffer.WordAt(pos);
        const std::vector<bool> at = Boundaries(m_text, Multi());
        Expect(start <= end && end <= m_text.size() && at[start] && at[end],
               "a word out of the text's characters");
        if (!(start <= end && end <= m_text.size())) return;
        Expect(start <= SnapTo(at, pos), "the word starts after the point");
        Expect(m_text.find_first_of("\r\n", start) >= end, "a word holds a line break");
        m_buffer.SetSelection(start, end);
    }

    void LineQueries(std::size_t line, std::size_t pos) {
        const std::vector<std::size_t> starts = LineStarts(m_text, Multi());
        const std::size_t last = starts.size() - 1;
        const std::size_t l = std::min(line, last);
        const std::size_t end = l < last ? starts[l + 1] - 2 : m_text.size();
        Expect(m_buffer.LineStart(line) == starts[l], "LineStart of a line number");
        Expect(m_buffer.LineEnd(line) == end, "LineEnd of a line number");
        Expect(m_buffer.LineText(line) == std::string_view(m_text).substr(starts[l], end - starts[l]),
               "LineText of a line number");
        const std::size_t p = std::min(pos, m_text.size());
        const std::size_t expected =
            static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), p) - starts.begin()) - 1;
        Expect(m_buffer.LineFromPosition(pos) == expected, "LineFromPosition of a position");
    }

    void CheckFit(std::string_view text, std::string_view fit) {
        Expect(fit.data() == text.data() && fit.size() <= text.size(),
               "FitToLimit did not keep a leading part");
        if (fit.size() > text.size()) return;
        if (fit.size() < text.size()) {
            Expect(Boundaries(text, Multi())[fit.size()],
                   "FitToLimit cut inside a character or a line break");
            const std::string after = m_text.substr(0, m_buffer.SelectionStart()) + std::string(fit) +
                                      m_text.substr(m_buffer.SelectionEnd());
            Expect(fit.empty() || AnsiByteLength(after) <= m_buffer.Limit(),
                   "FitToLimit let the text past the limit");
        }
    }

    // Lines before the change keep their starts, the reported lines account for the new line count, and the
    // lines after it only move by the change in length.
    void CheckChange(const EditBuffer::Change& change, const std::string& before) {
        Expect(change.textChanged, "an edit reported no change");
        const std::vector<std::size_t> old = LineStarts(before, Multi());
        const std::vector<std::size_t> now = LineStarts(m_text, Multi());
        const std::size_t first = change.firstLine;
        if (first + change.removedLines >= old.size() || first + change.insertedLines >= now.size() ||
            now.size() != old.size() - change.removedLines + change.insertedLines) {
            Fault("the reported line change does not match the line counts");
            return;
        }
        for (std::size_t i = 0; i <= first; ++i)
            if (old[i] != now[i]) return Fault("a line before the reported change moved");
        const auto delta =
            static_cast<std::int64_t>(m_text.size()) - static_cast<std::int64_t>(before.size());
        for (std::size_t k = 1; first + change.removedLines + k < old.size(); ++k)
            if (static_cast<std::int64_t>(old[first + change.removedLines + k]) + delta !=
                static_cast<std::int64_t>(now[first + change.insertedLines + k]))
                return Fault("a line after the reported change did not just move");
    }

    // Everything the text model says about its text, against the scan.
    void Check() {
        if (m_buffer.Text() != m_text) return Fault("the text is not what the edits made");
        const std::size_t size = m_text.size();
        const std::vector<bool> at = Boundaries(m_text, Multi());
        const std::size_t anchor = m_buffer.Anchor();
        const std::size_t caret = m_buffer.Caret();
        if (anchor > size || caret > size || !at[anchor] || !at[caret])
            return Fault("the selection is not on the text's character boundaries");
        Expect(m_buffer.SelectionStart() == std::min(anchor, caret) &&
                   m_buffer.SelectionEnd() == std::max(anchor, caret) &&
                   m_buffer.SelectedText() ==
                       std::string_view(m_text).substr(std::min(anchor, caret),
                                                       std::max(anchor, caret) - std::min(anchor, caret)),
               "the selection's ends or text");
        Expect(m_buffer.Modified() == m_modified, "the modified flag");
        Expect(m_buffer.CanUndo() == (m_undo.mode != Mode::None), "whether there is something to undo");
        Expect(m_buffer.CodePageLength() == AnsiByteLength(m_text), "the code-page length");

        const std::vector<std::size_t> starts = LineStarts(m_text, Multi());
        if (m_buffer.LineCount() != starts.size()) return Fault("the line count");
        for (std::size_t i = 0; i < starts.size(); ++i) {
            const std::size_t end = i + 1 < starts.size() ? starts[i + 1] - 2 : size;
            if (m_buffer.LineStart(i) != starts[i] || m_buffer.LineEnd(i) != end ||
                m_buffer.LineLength(i) != end - starts[i])
                return Fault("line " + std::to_string(i) + " of the index");
        }
        Expect(m_buffer.LineStart(kHuge) == starts.back() &&
                   m_buffer.LineFromPosition(kHuge) == starts.size() - 1,
               "a line or position beyond the text");

        std::vector<std::size_t> positions{anchor, caret, size, kHuge};
        if (size <= kFullCheckSize) {
            for (std::size_t p = 0; p < size; ++p) positions.push_back(p);
        } else {
            for (const std::size_t s : starts)
                for (std::size_t p = s > 2 ? s - 2 : 0; p <= std::min(s + 2, size); ++p)
                    positions.push_back(p);
        }
        for (const std::size_t p : positions) {
            const std::size_t snapped = SnapTo(at, p);
            if (m_buffer.Snap(p) != snapped) return Fault("Snap(" + std::to_string(p) + ")");
            std::size_t next = snapped;
            if (next < size)
                while (!at[++next]) {
                }
            if (m_buffer.NextPosition(p) != next) return Fault("NextPosition(" + std::to_string(p) + ")");
            std::size_t previous = snapped;
            if (previous > 0)
                while (!at[--previous]) {
                }
            if (m_buffer.PreviousPosition(p) != previous)
                return Fault("PreviousPosition(" + std::to_string(p) + ")");
            const std::size_t q = std::min(p, size);
            const std::size_t line =
                static_cast<std::size_t>(std::upper_bound(starts.begin(), starts.end(), q) - starts.begin()) -
                1;
            if (m_buffer.LineFromPosition(p) != line)
                return Fault("LineFromPosition(" + std::to_string(p) + ")");
        }
    }

    Input m_in;
    EditBuffer m_buffer;
    std::string m_text;
    UndoGroup m_undo;
    bool m_modified = false;
    std::string m_step = "first text";
    EditExercise m_result;
};

} // namespace

EditExercise ExerciseEditBuffer(std::string_view data) {
    return Driver(data).Run(data);
}

} // namespace win::editfuzz
