// The checks of one parse of an arbitrary command line: every value the parser keeps must have been given,
// and a refusal must say why in one line.
#include "CommandLineFuzzing.h"

#include "cli/ConvertOptions.h"

#include <algorithm>
#include <optional>

namespace gl::cli::fuzz {
namespace {

// A value is given either as an argument of its own or after the first "=" of an option.
bool WasGiven(const std::vector<std::string>& args, const std::string& value) {
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        if (arg == value) return true;
        const auto equals = arg.find('=');
        return equals != std::string::npos && arg.compare(equals + 1, std::string::npos, value) == 0;
    });
}

void CheckGiven(const std::vector<std::string>& args, const std::optional<std::string>& value,
                const char* what, std::vector<std::string>& faults) {
    if (value && !WasGiven(args, *value))
        faults.push_back(std::string(what) + " was not on the command line");
}

bool AnyOf(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
    return std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
        return std::any_of(names.begin(), names.end(), [&](const char* name) { return arg == name; });
    });
}

bool SameOutcome(const ParsedOptions& a, const ParsedOptions& b) {
    const ConvertOptions& x = a.options;
    const ConvertOptions& y = b.options;
    return a.error == b.error && x.glyph == y.glyph && x.space == y.space && x.text == y.text &&
           x.output == y.output && x.picture == y.picture && a.pictures == b.pictures && x.help == y.help &&
           x.version == y.version;
}

} // namespace

std::vector<std::string> SplitArguments(std::string_view data) {
    std::vector<std::string> args;
    if (data.empty()) return args;
    std::size_t start = 0;
    for (;;) {
        const std::size_t zero = data.find('\0', start);
        args.emplace_back(data.substr(start, zero == std::string_view::npos ? zero : zero - start));
        if (zero == std::string_view::npos) return args;
        start = zero + 1;
    }
}

CommandLineExercise ExerciseCommandLine(std::string_view data) {
    const std::vector<std::string> args = SplitArguments(data);
    const ParsedOptions parsed = ParseConvertOptions(args);
    CommandLineExercise result;
    result.accepted = parsed.error.empty();
    std::vector<std::string>& faults = result.faults;
    if (!SameOutcome(parsed, ParseConvertOptions(args))) faults.push_back("a second parse differs");
    if (!result.accepted) {
        // A refusal quotes the argument it refuses, which may itself hold a line break.
        const bool breakGiven = std::any_of(args.begin(), args.end(),
                                            [](const std::string& a) { return a.find('\n') != a.npos; });
        if (!breakGiven && parsed.error.find('\n') != std::string::npos)
            faults.push_back("the error is not one line");
        return result;
    }
    const ConvertOptions& o = parsed.options;
    CheckGiven(args, o.glyph, "the glyph string", faults);
    CheckGiven(args, o.text, "the text", faults);
    CheckGiven(args, o.output, "the output file", faults);
    CheckGiven(args, o.picture, "the picture", faults);
    for (const std::string& picture : parsed.pictures) CheckGiven(args, picture, "a picture", faults);
    if (std::count(parsed.pictures.begin(), parsed.pictures.end(), "-") > 1)
        faults.push_back("standard input was accepted twice");
    if (o.output && o.output->empty()) faults.push_back("an empty output file name was accepted");
    if (o.text && o.picture) faults.push_back("both a text and a picture were accepted");
    if (o.space && !AnyOf(args, {"--space"}) &&
        std::none_of(args.begin(), args.end(),
                     [](const std::string& a) { return a.starts_with("--space="); }))
        faults.push_back("a space length came from nowhere");
    if (o.space && (*o.space < kMinSpace || *o.space > kMaxSpace))
        faults.push_back("a space length outside the spin edit's range was accepted");
    if (o.help && !AnyOf(args, {"--help", "-h"})) faults.push_back("help was asked for by nothing");
    if (o.version && !AnyOf(args, {"--version"})) faults.push_back("the version was asked for by nothing");
    return result;
}

} // namespace gl::cli::fuzz
