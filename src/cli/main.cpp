// glyphloom-convert: text art from a picture or a line of text, written to standard output or a file.
#include "app/Program.h"
#include "app/Unit1.h"
#include "cli/ConvertOptions.h"
#include "cli/Converter.h"
#include "cli/OutputFile.h"

#include "platform/user/HeadlessInput.h"

#include <csignal>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace {

int UsageError(const std::string& error) {
    std::fprintf(stderr, "glyphloom-convert: %s\n%s", error.c_str(), gl::cli::kConvertUsage);
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = gl::cli::ParseConvertOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return UsageError(parsed.error);
    const gl::cli::ConvertOptions& options = parsed.options;
    if (options.help) return std::fputs(gl::cli::kConvertUsage, stdout), 0;
    if (options.version) return std::puts("glyphloom-convert 1.0"), 0;
    // Without a picture: the banner, or the default picture.
    std::vector<std::optional<std::string>> pictures(parsed.pictures.begin(), parsed.pictures.end());
    if (pictures.empty()) pictures.emplace_back();
    for (const std::optional<std::string>& picture : pictures)
        if (options.output && !options.text &&
            gl::cli::SameFile(*options.output, picture.value_or(gl::TF_main::DefaultPicturePath())))
            return UsageError("-o names the picture itself, which its text art would replace");

    // A file grown past the size limit fails its write, which is reported, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    win::headless::Use();
    gl::RegisterProgram();
    // The output is made with the first row, so that a conversion that fails at once leaves no trace.
    gl::cli::OutputFile out(options.output);
    // The pictures one after another, as several conversions in the window would be; the first that fails
    // ends the run, and a file named with -o is then left as it was.
    std::vector<std::string> warnings;
    for (const std::optional<std::string>& picture : pictures) {
        gl::cli::ConvertOptions one = options;
        one.picture = picture;
        const gl::cli::ConvertResult result =
            gl::cli::Convert(one, [&](std::string_view line) { out.WriteLine(line); });
        if (!result.usage.empty()) return UsageError(result.usage);
        // Among several pictures, the message says which one failed.
        if (!result.error.empty())
            return Failure(pictures.size() > 1 ? *picture + ": " + result.error : result.error);
        if (!result.warning.empty()) warnings.push_back(result.warning);
    }
    try {
        out.Commit();
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
    for (const std::string& warning : warnings)
        std::fprintf(stderr, "glyphloom-convert: warning: %s\n", warning.c_str());
    return 0;
}
