// DrawText's lines: prefixes are taken out first, then the text is cut at line breaks (unless single-line),
// wrapped at spaces and between wide (CJK) characters when asked, and finally shortened with an ellipsis when
// asked.
#include "platform/fonts/detail/DrawTextLayout.h"

#include "platform/system/Utf8.h"

#include <algorithm>

namespace win {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
const std::string_view kEllipsis = "...";

// Characters between which a line may break without a space: ideographs, kana, hangul, full-width forms.
bool IsWideBreakable(char32_t cp) {
    return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) ||
           (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFF00 && cp <= 0xFFEF) ||
           (cp >= 0x20000 && cp <= 0x3FFFF);
}

class Measurer {
public:
    Measurer(FontInstance& font, const DrawTextLayoutOptions& options) : m_font(font), m_options(options) {}

    // The advance of a character whose pen position (from the line's start) is x.
    int Advance(char32_t cp, int x) const {
        if (cp == U'\t' && m_options.tabWidth > 0)
            return (x / m_options.tabWidth + 1) * m_options.tabWidth - x;
        return m_font.GlyphFor(cp).advance + m_options.extra;
    }

    int Width(std::string_view text) const {
        int x = 0;
        for (std::size_t pos = 0; pos < text.size();) x += Advance(DecodeUtf8(text, pos), x);
        return x;
    }

    // The longest start of text (a byte count on a character boundary) whose width, from pen position x0, is
    // at most limit.
    std::size_t Fitting(std::string_view text, int x0, int limit) const {
        int x = x0;
        std::size_t fit = 0;
        for (std::size_t pos = 0; pos < text.size();) {
            x += Advance(DecodeUtf8(text, pos), x);
            if (x > limit) break;
            fit = pos;
        }
        return fit;
    }

private:
    FontInstance& m_font;
    const DrawTextLayoutOptions& m_options;
};

struct Span {
    std::size_t begin;
    std::size_t end;
};

// Greedy wrapping of one paragraph into spans. Spaces at a break are dropped. A word wider than the line
// stays whole (it is cut only for DT_EDITCONTROL), as the platform does.
std::vector<Span> Wrap(std::string_view p, const Measurer& measure, const DrawTextLayoutOptions& options) {
    const bool breakWide = !(options.format & DT_NOFULLWIDTHCHARBREAK);
    const bool breakWords = (options.format & DT_EDITCONTROL) != 0;
    std::vector<Span> spans;
    std::size_t start = 0;
    for (;;) {
        int x = 0;
        std::size_t breakEnd = kNone;
        std::size_t breakNext = kNone;
        std::size_t pos = start;
        bool cut = false;
        Span span{start, p.size()};
        while (pos < p.size()) {
            if (p[pos] == ' ') {
                breakEnd = pos;
                while (pos < p.size() && p[pos] == ' ') {
                    x += measure.Advance(U' ', x);
                    ++pos;
                }
                breakNext = pos;
                continue;
            }
            std::size_t next = pos;
            const char32_t cp = DecodeUtf8(p, next);
            const bool wide = breakWide && IsWideBreakable(cp);
            if (wide && pos > start) breakEnd = breakNext = pos;
            const int w = measure.Advance(cp, x);
            if (x + w > options.maxWidth && pos > start) {
                if (breakEnd != kNone && breakNext > start) {
                    span.end = breakEnd;
                    start = breakNext;
                    cut = true;
                    break;
                }
                if (breakWords) {
                    span.end = pos;
                    start = pos;
                    cut = true;
                    break;
                }
            }
            x += w;
            pos = next;
            if (wide) breakEnd = breakNext = pos;
        }
        spans.push_back(span);
        if (!cut || start >= p.size()) break;
    }
    return spans;
}

void AddLine(std::vector<DrawTextLine>& lines, std::string_view text, std::size_t offset,
             const std::vector<std::size_t>& marks) {
    DrawTextLine line;
    line.text.assign(text);
    for (std::size_t m : marks)
        if (m >= offset && m < offset + text.size()) line.marks.push_back(m - offset);
    lines.push_back(std::move(line));
}

void Truncate(DrawTextLine& line, std::size_t keep) {
    line.text.resize(keep);
    line.text.append(kEllipsis);
    std::erase_if(line.marks, [keep](std::size_t m) { return m >= keep; });
}

// Shortens a line that is too wide: "abc..." at its end, or for DT_PATH_ELLIPSIS "C:\dir...\file" keeping the
// last path component.
void ApplyEllipsis(DrawTextLine& line, const Measurer& measure, const DrawTextLayoutOptions& options) {
    if (measure.Width(line.text) <= options.maxWidth) return;
    const int ellipsis = measure.Width(kEllipsis);
    const std::size_t slash = line.text.find_last_of("\\/");
    if ((options.format & DT_PATH_ELLIPSIS) && slash != std::string::npos && slash > 0) {
        const std::string tail = line.text.substr(slash);
        const int room = options.maxWidth - ellipsis - measure.Width(tail);
        const std::size_t keep =
            room > 0 ? measure.Fitting(std::string_view(line.text).substr(0, slash), 0, room) : 0;
        std::erase_if(line.marks, [keep](std::size_t m) { return m >= keep; });
        line.text = line.text.substr(0, keep) + std::string(kEllipsis) + tail;
        if (measure.Width(line.text) <= options.maxWidth) return;
    }
    if (options.format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        Truncate(line, measure.Fitting(line.text, 0, options.maxWidth - ellipsis));
}

} // namespace

std::string StripPrefixes(std::string_view text, std::vector<std::size_t>& marks) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out.push_back(text[i]);
            continue;
        }
        if (i + 1 >= text.size()) break;
        if (text[i + 1] == '&') {
            out.push_back('&');
            ++i;
        } else {
            marks.push_back(out.size());
        }
    }
    return out;
}

std::vector<DrawTextLine> LayoutDrawText(FontInstance& font, std::string_view text,
                                         const DrawTextLayoutOptions& options) {
    std::vector<std::size_t> marks;
    const std::string plain = (options.format & DT_NOPREFIX) ? std::string(text) : StripPrefixes(text, marks);
    const Measurer measure(font, options);
    std::vector<DrawTextLine> lines;
    const bool single = (options.format & DT_SINGLELINE) != 0;
    const bool wrap = !single && (options.format & DT_WORDBREAK);
    std::size_t start = 0;
    for (;;) {
        std::size_t end = single ? plain.size() : plain.find_first_of("\r\n", start);
        if (end == std::string::npos) end = plain.size();
        const std::string_view paragraph = std::string_view(plain).substr(start, end - start);
        if (wrap) {
            for (const Span& s : Wrap(paragraph, measure, options))
                AddLine(lines, paragraph.substr(s.begin, s.end - s.begin), start + s.begin, marks);
        } else {
            AddLine(lines, paragraph, start, marks);
        }
        if (end >= plain.size()) break;
        // "\r\n" is one break; so are a lone "\r" and a lone "\n".
        start = end + ((plain[end] == '\r' && end + 1 < plain.size() && plain[end + 1] == '\n') ? 2 : 1);
        if (start >= plain.size()) break;
    }
    if (options.format & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS))
        for (DrawTextLine& line : lines) ApplyEllipsis(line, measure, options);
    return lines;
}

} // namespace win
