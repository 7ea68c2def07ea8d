// Tokens of the stored-layout text. Every fault raises the layout read error with the line it was found on.
#include "framework/stored/LayoutLexer.h"

#include "framework/stored/LayoutError.h"
#include "framework/stored/LayoutMessages.h"
#include "framework/stored/LayoutText.h"
#include "platform/system/Utf8.h"

#include <charconv>
#include <limits>

namespace gl {

namespace {

bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsIdentChar(char c) {
    return IsIdentStart(c) || IsDigit(c);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

} // namespace

LayoutLexer::LayoutLexer(std::string_view text) : m_text(text) {
    // A byte-order mark is what some editors put at the start of a UTF-8 file; it carries no meaning here.
    if (m_text.substr(0, 3) == "\xEF\xBB\xBF") m_pos = 3;
    Next();
}

char LayoutLexer::Peek(std::size_t ahead) const {
    return m_pos + ahead < m_text.size() ? m_text[m_pos + ahead] : '\0';
}

void LayoutLexer::NewLineAt(char c) {
    // "\r\n" is one line break, and so is a lone '\r' or '\n'.
    if (c == '\n' || (c == '\r' && Peek(1) != '\n')) ++m_line;
}

void LayoutLexer::SkipBlanksAndComments() {
    while (m_pos < m_text.size()) {
        char c = m_text[m_pos];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            NewLineAt(c);
            ++m_pos;
        } else if (c == '/' && Peek(1) == '/') {
            while (m_pos < m_text.size() && m_text[m_pos] != '\n' && m_text[m_pos] != '\r') ++m_pos;
        } else {
            return;
        }
    }
}

void LayoutLexer::Next() {
    SkipBlanksAndComments();
    m_token = LayoutToken{};
    m_token.line = m_line;
    if (m_pos >= m_text.size()) return;
    char c = m_text[m_pos];
    if (IsIdentStart(c)) {
        ReadIdentifier();
    } else if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$'))) {
        ReadNumber();
    } else if (c == '\'' || c == '#') {
        ReadString();
    } else if (c == '{') {
        ReadBinary();
    } else if (std::string_view("=:.,[]()+").find(c) != std::string_view::npos) {
        m_token.kind = LayoutTokenKind::Symbol;
        m_token.symbol = c;
        ++m_pos;
    } else {
        RaiseLayoutError(m_line, msg::SLayoutInvalidChar, {LayoutCharText(c)});
    }
}

void LayoutLexer::ReadIdentifier() {
    std::size_t start = m_pos;
    while (m_pos < m_text.size() && IsIdentChar(m_text[m_pos])) ++m_pos;
    if (m_pos - start > kMaxLayoutNameLength) RaiseLayoutError(m_line, msg::SLayoutNameTooLong);
    m_token.kind = LayoutTokenKind::Identifier;
    m_token.text.assign(m_text.substr(start, m_pos - start));
}

void LayoutLexer::ReadNumber() {
    bool negative = m_text[m_pos] == '-';
    if (negative) ++m_pos;
    if (Peek() == '$') return ReadHexNumber(negative);

    std::size_t start = m_pos;
    bool isFloat = false;
    while (IsDigit(Peek())) ++m_pos;
    if (Peek() == '.' && IsDigit(Peek(1))) {
        isFloat = true;
        ++m_pos;
        while (IsDigit(Peek())) ++m_pos;
    }
    if (Peek() == 'e' || Peek() == 'E') {
        std::size_t expo = m_pos + 1;
        if (expo < m_text.size() && (m_text[expo] == '+' || m_text[expo] == '-')) ++expo;
        if (expo < m_text.size() && IsDigit(m_text[expo])) {
            isFloat = true;
            m_pos = expo;
            while (IsDigit(Peek())) ++m_pos;
        }
    }
    // A number runs straight into a name ("12px") only by mistake.
    if (IsIdentChar(Peek())) RaiseLayoutError(m_line, msg::SLayoutInvalidNumber);

    const char* first = m_text.data() + start - (negative ? 1 : 0);
    const char* last = m_text.data() + m_pos;
    if (isFloat) {
        double value = 0;
        auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end != last) RaiseLayoutError(m_line, msg::SLayoutInvalidNumber);
        m_token.kind = LayoutTokenKind::Float;
        m_token.real = value;
    } else {
        std::int64_t value = 0;
        auto [end, ec] = std::from_chars(first, last, value);
        if (ec != std::errc() || end != last) RaiseLayoutError(m_line, msg::SLayoutInvalidNumber);
        m_token.kind = LayoutTokenKind::Integer;
        m_token.integer = value;
    }
}

void LayoutLexer::ReadHexNumber(bool negative) {
    ++m_pos; // '$'
    std::uint64_t value = 0;
    int digits = 0;
    for (int d = HexDigit(Peek()); d >= 0; d = HexDigit(Peek())) {
        if (value > (std::uint64_t(std::numeric_limits<std::int64_t>::max()) >> 4))
            RaiseLayoutError(m_line, msg::SLayoutInvalidNumber);
        value = (value << 4) | std::uint64_t(d);
        ++digits;
        ++m_pos;
    }
    if (digits == 0 || IsIdentChar(Peek())) RaiseLayoutError(m_line, msg::SLayoutInvalidNumber);
    m_token.kind = LayoutTokenKind::Integer;
    m_token.integer = negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value);
}

void LayoutLexer::ReadString() {
    // Quoted parts and #codes that touch each other form one string: 'a'#13#10'b'.
    std::string value;
    while (Peek() == '\'' || Peek() == '#') {
        if (Peek() == '\'') {
            ReadQuoted(value);
        } else {
            ReadCharCode(value);
        }
        if (value.size() > kMaxLayoutBytes) RaiseLayoutError(m_line, msg::SLayoutTooLarge);
    }
    if (!win::IsValidUtf8(value)) RaiseLayoutError(m_line, msg::SLayoutInvalidUtf8);
    m_token.kind = LayoutTokenKind::String;
    m_token.text = std::move(value);
}

void LayoutLexer::ReadQuoted(std::string& out) {
    ++m_pos; // opening quote
    for (;;) {
        if (m_pos >= m_text.size() || m_text[m_pos] == '\n' || m_text[m_pos] == '\r')
            RaiseLayoutError(m_line, msg::SLayoutUnterminatedString);
        char c = m_text[m_pos++];
        if (c != '\'') {
            out += c;
        } else if (Peek() == '\'') {
            out += '\'';
            ++m_pos;
        } else {
            return;
        }
    }
}

void LayoutLexer::ReadCharCode(std::string& out) {
    ++m_pos; // '#'
    std::uint32_t code = 0;
    int digits = 0;
    bool hex = Peek() == '$';
    if (hex) ++m_pos;
    for (;;) {
        int d = hex ? HexDigit(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1);
        if (d < 0) break;
        code = code * (hex ? 16 : 10) + std::uint32_t(d);
        ++m_pos;
        if (++digits > 7) break; // already beyond any code point; reported below
    }
    if (digits == 0 || digits > 7 || !win::IsScalarValue(code))
        RaiseLayoutError(m_line, msg::SLayoutInvalidCharCode);
    win::AppendUtf8(out, code);
}

void LayoutLexer::ReadBinary() {
    int startLine = m_line;
    ++m_pos; // '{'
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (;;) {
        if (m_pos >= m_text.size()) RaiseLayoutError(startLine, msg::SLayoutInvalidBinary);
        char c = m_text[m_pos];
        if (c == '}') break;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            NewLineAt(c);
        } else {
            int d = HexDigit(c);
            if (d < 0) RaiseLayoutError(m_line, msg::SLayoutInvalidBinary);
            if (high < 0) {
                high = d;
            } else {
                bytes.push_back(static_cast<std::uint8_t>(high << 4 | d));
                high = -1;
            }
        }
        ++m_pos;
    }
    ++m_pos; // '}'
    if (high >= 0) RaiseLayoutError(m_line, msg::SLayoutInvalidBinary);
    m_token.kind = LayoutTokenKind::Binary;
    m_token.line = startLine;
    m_token.bytes = std::move(bytes);
}

std::string LayoutLexer::Describe() const {
    switch (m_token.kind) {
    case LayoutTokenKind::EndOfText:
        return "end of text";
    case LayoutTokenKind::Identifier:
        return m_token.text;
    case LayoutTokenKind::Integer:
    case LayoutTokenKind::Float:
        return "number";
    case LayoutTokenKind::String:
        return "string";
    case LayoutTokenKind::Binary:
        return "binary value";
    case LayoutTokenKind::Symbol:
        return LayoutCharText(m_token.symbol);
    }
    return {};
}

} // namespace gl
