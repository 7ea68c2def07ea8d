// Text helpers of the runtime: comparison without regard to case, case changes, trimming, and numbers to and
// from text. Case rules cover the ASCII letters; other characters (Chinese text included) compare as bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gl {

// Below zero, zero or above zero, as a sorts before, with or after b.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

// Removes leading and trailing blanks and control characters.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal digits, at least `digits` of them.
std::string IntToHex(std::uint64_t value, int digits);

// Decimal, or hexadecimal after "$" or "0x"; blanks around the number are allowed. A malformed or
// out-of-range text raises EConvertError "'%s' is not a valid integer value".
int StrToInt(std::string_view text);
int StrToIntDef(std::string_view text, int fallback);
bool TryStrToInt(std::string_view text, int& value);

// General format with 15 significant digits: 1 → "1", 0.5 → "0.5", 1e20 → "1E20".
std::string FloatToStr(double value);
bool TryStrToFloat(std::string_view text, double& value);

// Whether `character` (a code point) is the access key of a caption: the character after a single "&"
// ("&&" is a literal ampersand), ASCII letters without regard to case.
bool IsAccel(char32_t character, std::string_view caption);

// Orders names without regard to the case of ASCII letters, for maps keyed by such names.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareText(a, b) < 0; }
};

} // namespace gl
