// The converter's command line: glyphloom-convert [--glyph S] [--space N] [--text TEXT] [-o FILE] [fit and
// tone options] [PICTURE].
#pragma once

#include "app/tone/ConversionSettings.h"

#include <optional>
#include <string>
#include <vector>

namespace gl::cli {

struct ConvertOptions {
    std::optional<std::string> glyph;    // the glyph string; the window's "Kiv" when absent
    std::optional<long long> space;      // the space length; derived from the glyph string when absent
    bool spaceAuto = false;              // --space auto: the glyph string's width on a terminal
    std::optional<std::string> text;     // text mode with this banner text
    std::optional<std::string> output;   // standard output when absent
    std::optional<std::string> picture;  // the default picture when absent
    tone::ConversionSettings conversion; // size and tone; the window's own behaviour by default
    bool help = false;
    bool version = false;
};

// Either the options, or the reason they cannot be used (a usage error).
struct ParsedOptions {
    ConvertOptions options;            // with the first picture as its picture
    std::vector<std::string> pictures; // every picture named, in order: each is converted in turn
    std::string error;
};

// The space lengths the window's spin edit offers.
constexpr long long kMinSpace = 1;
constexpr long long kMaxSpace = 20;

ParsedOptions ParseConvertOptions(const std::vector<std::string>& args);

extern const char* const kConvertUsage;

} // namespace gl::cli
