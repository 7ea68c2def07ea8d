// UTF-8 stepping and decoding and the word classes of the edit control.
#include "platform/controls/detail/edit/EditCharacters.h"

#include <string>

namespace win::edit {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    std::size_t next = pos;
    DecodeUtf8(text, next);
    return next - pos;
}

char32_t DecodeAt(std::string_view text, std::size_t pos) {
    return DecodeUtf8(text, pos);
}

std::size_t CharacterStart(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) return text.size();
    for (std::size_t back = 1; back <= 3 && back <= pos; ++back) {
        const auto c = static_cast<unsigned char>(text[pos - back + 1]);
        if (!IsContinuation(c)) break;
        if (SequenceLength(text, pos - back) > back) return pos - back;
    }
    return pos;
}

CharClass ClassOf(char32_t cp) {
    if (cp == U' ' || cp == U'\t' || cp == 0x3000 || cp == 0xA0) return CharClass::Space;
    if (cp == U'\r' || cp == U'\n') return CharClass::Break;
    if (cp < 0x80) {
        const bool alnum =
            (cp >= U'0' && cp <= U'9') || (cp >= U'a' && cp <= U'z') || (cp >= U'A' && cp <= U'Z');
        return alnum || cp == U'_' || cp < 0x20 ? CharClass::Word : CharClass::Punctuation;
    }
    if ((cp >= 0x2000 && cp <= 0x2E7F) || (cp >= 0x3001 && cp <= 0x303F) || (cp >= 0xFF01 && cp <= 0xFF0F) ||
        (cp >= 0xFF1A && cp <= 0xFF20) || (cp >= 0xFF3B && cp <= 0xFF40) || (cp >= 0xFF5B && cp <= 0xFF65) ||
        (cp >= 0xFE30 && cp <= 0xFE4F))
        return CharClass::Punctuation;
    if ((cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
        (cp >= 0x20000 && cp <= 0x3FFFF))
        return CharClass::Ideograph;
    return CharClass::Word;
}

} // namespace win::edit
