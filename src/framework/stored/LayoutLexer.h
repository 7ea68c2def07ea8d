// Tokens of the stored-layout text: names, numbers, quoted strings with character codes, byte blocks,
// symbols. Used only by the layout parser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gl {

enum class LayoutTokenKind { EndOfText, Identifier, Integer, Float, String, Binary, Symbol };

struct LayoutToken {
    LayoutTokenKind kind = LayoutTokenKind::EndOfText;
    int line = 1;
    char symbol = 0;                 // Symbol: one of = : . , [ ] ( ) +
    std::string text;                // Identifier, String (UTF-8, quotes and codes resolved)
    std::int64_t integer = 0;        // Integer
    double real = 0;                 // Float
    std::vector<std::uint8_t> bytes; // Binary
};

class LayoutLexer {
public:
    // The text must stay alive while the lexer is used. Reads the first token at once.
    explicit LayoutLexer(std::string_view text);

    const LayoutToken& Current() const { return m_token; }
    void Next();

    // A short description of the current token for "... expected" messages.
    std::string Describe() const;

private:
    char Peek(std::size_t ahead = 0) const;
    void SkipBlanksAndComments();
    void NewLineAt(char c);
    void ReadIdentifier();
    void ReadNumber();
    void ReadHexNumber(bool negative);
    void ReadString();
    void ReadQuoted(std::string& out);
    void ReadCharCode(std::string& out);
    void ReadBinary();

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
    LayoutToken m_token;
};

} // namespace gl
