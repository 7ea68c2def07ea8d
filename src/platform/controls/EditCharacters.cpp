// UTF-8 stepping and decoding and the word classes of the edit control.
#include "platform/controls/EditCharacters.h"

#include <string>

namespace win::edit {
namespace {

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Expected length of a sequence from its first byte; 0 for a byte that cannot start one.
std::size_t LeadLength(unsigned char c) {
    if (c < 0x80) return 1;
    if (c >= 0xC2 && c <= 0xDF) return 2;
    if (c >= 0xE0 && c <= 0xEF) return 3;
    if (c >= 0xF0 && c <= 0xF4) return 4;
    return 0;
}

} // namespace

std::size_t SequenceLength(std::string_view text, std::size_t pos) {
    const std::size_t length = LeadLength(static_cast<unsigned char>(text[pos]));
    if (length <= 1 || pos + length > text.size()) return 1;
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    if (!IsContinuation(second)) return 1;
    // Overlong forms, surrogates and values past U+10FFFF are not well formed.
    const auto lead = static_cast<unsigned char>(text[pos]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 1;
    for (std::size_t i = 2; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i]))) return 1;
    return length;
}

char32_t DecodeAt(std::string_view text, std::size_t pos) {
    const std::size_t length = SequenceLength(text, pos);
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (length == 1) return lead < 0x80 ? lead : U'\uFFFD';
    static constexpr unsigned char kLeadMask[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t cp = lead & kLeadMask[length];
    for (std::size_t i = 1; i < length; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return cp;
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

void AppendUtf8(std::string& out, char32_t cp) {
    if ((cp >= 0xD800 && cp < 0xE000) || cp > 0x10FFFF) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
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
