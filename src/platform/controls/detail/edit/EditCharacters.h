// Character-level helpers of the edit control: UTF-8 steps and decoding, and the classes of word movement.
#pragma once

#include "platform/system/Utf8.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace win::edit {

// The edit control encodes with the platform's one UTF-8 encoder.
using win::AppendUtf8;

// Length of the well-formed UTF-8 sequence starting at text[pos]; 1 for a byte that starts none, so that any
// byte string can be stepped through.
std::size_t SequenceLength(std::string_view text, std::size_t pos);

// The code point at text[pos]; a byte that starts no well-formed sequence decodes as U+FFFD.
char32_t DecodeAt(std::string_view text, std::size_t pos);

// Start of the character that contains byte pos (pos itself when it starts one).
std::size_t CharacterStart(std::string_view text, std::size_t pos);

enum class CharClass { Space, Break, Word, Punctuation, Ideograph };
CharClass ClassOf(char32_t cp);

} // namespace win::edit
