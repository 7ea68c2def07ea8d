// TMemoStrings: the memo's lines, read and changed through the platform's line messages (or, while the memo
// has no window, in its own text, split the same way: a line ends at CR LF).
#include "framework/controls/StdCtrlsMemo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"

#include <cstring>

namespace gl {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// Every line break (CR LF, LF CR, a lone CR or LF) as CR LF.
std::string AdjustLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            result += c;
            continue;
        }
        result += kLineBreak;
        const char pair = c == '\r' ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == pair) ++i;
    }
    return result;
}

// The line operations the list needs, on the memo's window or on its text.
class MemoLines {
public:
    explicit MemoLines(TCustomMemo& memo) : m_memo(memo), m_window(memo.HandleAllocated()) {
        if (!m_window) m_text = memo.Text();
    }

    int LineCount() {
        if (m_window) return static_cast<int>(Send(win::EM_GETLINECOUNT));
        int count = 1;
        for (std::size_t pos = m_text.find(kLineBreak); pos != std::string::npos;
             pos = m_text.find(kLineBreak, pos + 2))
            ++count;
        return count;
    }

    // Where a line starts, or -1 when there is no such line.
    int LineIndex(int line) {
        if (line < 0) return -1;
        if (m_window) return static_cast<int>(Send(win::EM_LINEINDEX, static_cast<win::WPARAM>(line)));
        std::size_t start = 0;
        for (int i = 0; i < line; ++i) {
            const std::size_t end = m_text.find(kLineBreak, start);
            if (end == std::string::npos) return -1;
            start = end + 2;
        }
        return static_cast<int>(start);
    }

    // The length of the line that holds a position, its break left out.
    int LineLength(int pos) {
        if (pos < 0) return 0;
        if (m_window) return static_cast<int>(Send(win::EM_LINELENGTH, static_cast<win::WPARAM>(pos)));
        const auto start = static_cast<std::size_t>(pos);
        if (start >= m_text.size()) return 0;
        const std::size_t end = m_text.find(kLineBreak, start);
        return static_cast<int>((end == std::string::npos ? m_text.size() : end) - start);
    }

    std::string Line(int index) {
        const int start = LineIndex(index);
        if (start < 0) return {};
        const int length = LineLength(start);
        if (length <= 0) return {};
        if (!m_window)
            return m_text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        // The platform copies at most a 16-bit count; longer lines come from the whole text.
        if (length > 0xFFFF)
            return m_memo.Text().substr(static_cast<std::size_t>(start), static_cast<std::size_t>(length));
        // The line is copied straight into the string it is returned in: the converter reads every row this
        // way.
        std::string line(static_cast<std::size_t>(length) + sizeof(win::WORD), '\0');
        const auto size = static_cast<win::WORD>(line.size());
        std::memcpy(line.data(), &size, sizeof size);
        const auto copied = Send(win::EM_GETLINE, static_cast<win::WPARAM>(index),
                                 reinterpret_cast<win::LPARAM>(line.data()));
        line.resize(static_cast<std::size_t>(std::clamp<win::LRESULT>(copied, 0, length)));
        return line;
    }

    // Replaces [start, end) with text, leaves the caret after it and brings it into view. On the window this
    // is the platform's replace-selection, which reports the change; a refusal (no room) changes nothing.
    void Replace(int start, int end, const std::string& text) {
        if (m_window) {
            Send(win::EM_SETSEL, static_cast<win::WPARAM>(start), static_cast<win::LPARAM>(end));
            Send(win::EM_REPLACESEL, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
            Send(win::EM_SCROLLCARET);
            return;
        }
        std::string changed = m_text;
        changed.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start), text);
        m_memo.SetText(changed);
        m_text = m_memo.Text();
    }

private:
    win::LRESULT Send(win::UINT msg, win::WPARAM wParam = 0, win::LPARAM lParam = 0) {
        return win::SendMessage(m_memo.Handle(), msg, wParam, lParam);
    }

    TCustomMemo& m_memo;
    bool m_window;
    std::string m_text;
};

} // namespace

int TMemoStrings::Count() const {
    MemoLines lines(m_memo);
    int count = lines.LineCount();
    if (count > 0 && lines.LineLength(lines.LineIndex(count - 1)) == 0) --count;
    return count;
}

int TMemoStrings::AddObject(const std::string& text, TObjectWord object) {
    if (!m_memo.HandleAllocated()) return TStrings::AddObject(text, object);
    const auto index =
        win::SendMessage(m_memo.Handle(), win::EM_APPENDLINE, 0, reinterpret_cast<win::LPARAM>(text.c_str()));
    PutObject(static_cast<int>(index), object);
    return static_cast<int>(index);
}

std::string TMemoStrings::Get(int index) const {
    return MemoLines(m_memo).Line(index);
}

void TMemoStrings::Put(int index, const std::string& text) {
    MemoLines lines(m_memo);
    const int start = lines.LineIndex(index);
    if (start >= 0) lines.Replace(start, start + lines.LineLength(start), text);
}

void TMemoStrings::Insert(int index, const std::string& text) {
    if (index < 0) return;
    MemoLines lines(m_memo);
    int start = lines.LineIndex(index);
    if (start >= 0) {
        lines.Replace(start, start, text + std::string(kLineBreak));
        return;
    }
    // Past the last line: the text goes after the line before, which must have something to follow.
    start = lines.LineIndex(index - 1);
    if (start < 0) return;
    const int length = lines.LineLength(start);
    if (length == 0) return;
    start += length;
    lines.Replace(start, start, std::string(kLineBreak) + text);
}

void TMemoStrings::Delete(int index) {
    MemoLines lines(m_memo);
    const int start = lines.LineIndex(index);
    if (start < 0) return;
    int end = lines.LineIndex(index + 1);
    if (end < 0) end = start + lines.LineLength(start);
    lines.Replace(start, end, std::string());
}

void TMemoStrings::Clear() {
    m_memo.Clear();
}

std::string TMemoStrings::Text() const {
    return m_memo.Text();
}

void TMemoStrings::SetText(const std::string& text) {
    const std::string adjusted = AdjustLineBreaks(text);
    if (adjusted == m_memo.Text()) return;
    if (!m_memo.HandleAllocated()) {
        m_memo.SetText(adjusted);
        return;
    }
    if (win::SendMessage(m_memo.Handle(), win::WM_SETTEXT, 0,
                         reinterpret_cast<win::LPARAM>(adjusted.c_str())) == 0)
        throw EInvalidOperation(msg::SMemoTooLarge);
    // The platform says nothing when the whole text of a multi-line window is replaced.
    m_memo.Perform(CM_TEXTCHANGED);
}

void TMemoStrings::SetUpdateState(bool updating) {
    if (!m_memo.HandleAllocated()) return;
    win::SendMessage(m_memo.Handle(), win::WM_SETREDRAW, updating ? 0 : 1, 0);
    if (!updating) m_memo.Refresh();
}

} // namespace gl
