// Reading the converter's command line. Options take their value as the next argument or after "=";
// "--" ends the options, so a picture whose name starts with "-" can still be named.
#include "cli/ConvertOptions.h"

#include "platform/system/Utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <string>
#include <utility>

namespace gl::cli {

const char* const kConvertUsage =
    "usage: glyphloom-convert [--glyph S] [--space N] [--text TEXT] [-o FILE] [fit and tone options] "
    "[PICTURE...]\n"
    "Turns a picture (BMP, PNG, JPEG, GIF or WebP, told by its first bytes, else by its extension; default:\n"
    "Tarnwick.bmp beside the program; - reads it from standard input) or, with --text, a line of text into\n"
    "text art: one line per pixel row, the glyph string for every black pixel, blanks for every other.\n"
    "Several pictures are converted one after another, their text art written one after another.\n"
    "\n"
    "  --glyph S      glyph string for dark pixels (default \"Kiv\"): UTF-8 characters that show, at least "
    "one;\n"
    "                 also sets the space length to its width\n"
    "  --space N      blanks for a light pixel, 1 to 20 (default: the glyph string's width)\n"
    "  --space auto   as many blanks as the glyph string takes columns on a terminal (CJK characters two,\n"
    "                 combining marks none)\n"
    "  --text TEXT    convert TEXT as the window's banner shows it, instead of a picture; one line, at\n"
    "                 most 32767 pixels wide (about 5,400 Latin letters or 2,700 Chinese characters)\n"
    "  -o FILE        write to FILE instead of standard output (- is standard output); FILE is replaced\n"
    "                 only once the whole text is written, and never by a failed conversion\n"
    "\n"
    "Fit and tone (default: one cell per pixel, each pixel the nearer of black and white):\n"
    "  --width N      fit the picture to N text columns; the lines follow its proportions\n"
    "  --height N     fit the picture to N lines; with --width too, both are kept as given\n"
    "  --font-ratio R how many times taller a line is than a column is wide (default 2)\n"
    "  --threshold N  a pixel is dark when its grey level is below N, 0 to 255 (default: 128)\n"
    "  --invert       swap dark and light (for light text on a dark terminal)\n"
    "  --dither M     none, ordered, floyd-steinberg or atkinson (default none)\n"
    "  --help         show this text\n"
    "  --version      show the version\n";

namespace {

bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0';
}

// The banner shows one line: a line break or another control character (C0, DEL, C1, and the line and
// paragraph separators, in UTF-8) has no place in it.
bool HasControlCharacter(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (byte < 0x20 || byte == 0x7F || (byte == 0xC2 && next >= 0x80 && next <= 0x9F)) return true;
        if (byte == 0xE2 && next == 0x80 && i + 2 < text.size() &&
            (text[i + 2] == '\xA8' || text[i + 2] == '\xA9'))
            return true;
    }
    return false;
}

struct Option {
    const char* name;
    const char* alias;
    bool takesValue;
    bool fitAndTone = false; // one of the conversion settings, applied by ApplyConversion
};

constexpr Option kOptions[] = {{"--glyph", nullptr, true},
                               {"--space", nullptr, true},
                               {"--text", nullptr, true},
                               {"--output", "-o", true},
                               {"--help", "-h", false},
                               {"--version", nullptr, false},
                               {"--width", nullptr, true, true},
                               {"--height", nullptr, true, true},
                               {"--font-ratio", nullptr, true, true},
                               {"--threshold", nullptr, true, true},
                               {"--invert", nullptr, false, true},
                               {"--dither", nullptr, true, true}};

const Option* FindOption(const std::string& name) {
    for (const Option& option : kOptions)
        if (name == option.name || (option.alias && name == option.alias)) return &option;
    return nullptr;
}

// A whole number from `low` to `high` for the option, or the usage error.
std::string ParseBounded(const std::string& name, const std::string& value, long long low, long long high,
                         std::optional<int>& into) {
    long long number = 0;
    if (!ParseInteger(value, number)) return name + " needs a whole number, not \"" + value + "\"";
    if (number < low || number > high)
        return name + " takes " + std::to_string(low) + " to " + std::to_string(high) + ", not " + value;
    into = static_cast<int>(number);
    return {};
}

constexpr std::pair<const char*, tone::Dither> kDithers[] = {
    {"none", tone::Dither::None},
    {"ordered", tone::Dither::Ordered},
    {"floyd-steinberg", tone::Dither::FloydSteinberg},
    {"atkinson", tone::Dither::Atkinson}};

// The fit and tone options.
std::string ApplyConversion(tone::ConversionSettings& settings, const std::string& name,
                            const std::string& value) {
    // Far more than any terminal or file of text art needs, and small enough that a cell count stays an int.
    constexpr long long kMaxCells = 100000;
    if (name == "--width") return ParseBounded(name, value, 1, kMaxCells, settings.columns);
    if (name == "--height") return ParseBounded(name, value, 1, kMaxCells, settings.lines);
    if (name == "--threshold") return ParseBounded(name, value, 0, 255, settings.threshold);
    if (name == "--invert") {
        settings.invert = true;
        return {};
    }
    if (name == "--dither") {
        for (const auto& [word, dither] : kDithers)
            if (value == word) {
                settings.dither = dither;
                return {};
            }
        return "--dither takes none, ordered, floyd-steinberg or atkinson, not \"" + value + "\"";
    }
    char* end = nullptr;
    errno = 0;
    const double ratio = std::strtod(value.c_str(), &end);
    if (value.empty() || errno != 0 || *end != '\0' || !(ratio >= 0.1 && ratio <= 10))
        return "--font-ratio takes a number from 0.1 to 10, not \"" + value + "\"";
    settings.cellRatio = ratio;
    return {};
}

std::string Apply(ConvertOptions& options, const Option& option, const std::string& value) {
    const std::string name = option.name;
    if (option.fitAndTone) return ApplyConversion(options.conversion, name, value);
    if (name == "--glyph") {
        // An empty string would leave dark pixels blank, and a line break would split every row that has one.
        if (value.empty()) return "--glyph needs at least one character";
        if (!win::IsValidUtf8(value)) return "--glyph takes UTF-8 text";
        if (HasControlCharacter(value))
            return "--glyph takes characters that show: no line breaks or other control characters";
        options.glyph = value;
    } else if (name == "--space" && value == "auto") {
        options.spaceAuto = true;
        options.space.reset();
    } else if (name == "--space") {
        options.spaceAuto = false;
        long long space = 0;
        if (!ParseInteger(value, space)) return "--space needs a whole number, not \"" + value + "\"";
        // The window's spin edit would quietly clamp a value outside its range: a script hears of it instead.
        if (space < kMinSpace || space > kMaxSpace)
            return "--space takes " + std::to_string(kMinSpace) + " to " + std::to_string(kMaxSpace) +
                   " blanks, not " + value;
        options.space = space;
    } else if (name == "--text") {
        if (HasControlCharacter(value))
            return "--text takes one line: no line breaks or other control characters";
        options.text = value;
    } else if (name == "--output") {
        if (value.empty()) return "-o needs a file name";
        options.output = value;
    } else if (name == "--help") {
        options.help = true;
    } else {
        options.version = true;
    }
    return {};
}

} // namespace

ParsedOptions ParseConvertOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            if (arg == "-" && std::count(parsed.pictures.begin(), parsed.pictures.end(), "-"))
                parsed.error = "standard input can be read only once";
            parsed.pictures.push_back(arg);
            if (!parsed.options.picture) parsed.options.picture = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const auto equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const Option* option = FindOption(name);
        if (!option) {
            parsed.error = "unknown option " + name;
        } else if (!option->takesValue) {
            if (equals != std::string::npos)
                parsed.error = name + " takes no value";
            else
                parsed.error = Apply(parsed.options, *option, {});
        } else if (equals != std::string::npos) {
            parsed.error = Apply(parsed.options, *option, arg.substr(equals + 1));
        } else if (i + 1 < args.size()) {
            parsed.error = Apply(parsed.options, *option, args[++i]);
        } else {
            parsed.error = name + " needs a value";
        }
    }
    if (parsed.error.empty() && parsed.options.text && parsed.options.picture)
        parsed.error = "--text converts the banner, not a picture: give one or the other";
    return parsed;
}

} // namespace gl::cli
