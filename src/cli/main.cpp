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
    if (options.output && !options.text &&
        gl::cli::SameFile(*options.output, options.picture.value_or(gl::TF_main::DefaultPicturePath())))
        return UsageError("-o names the picture itself, which its text art would replace");

    // A file grown past the size limit fails its write, which is reported, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    win::headless::Use();
    gl::RegisterProgram();
    // The output is made with the first row, so that a conversion that fails at once leaves no trace.
    gl::cli::OutputFile out(options.output);
    const gl::cli::ConvertResult result =
        gl::cli::Convert(options, [&](std::string_view line) { out.WriteLine(line); });
    if (!result.usage.empty()) return UsageError(result.usage);
    if (!result.error.empty()) return Failure(result.error);
    try {
        out.Commit();
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
    if (!result.warning.empty())
        std::fprintf(stderr, "glyphloom-convert: warning: %s\n", result.warning.c_str());
    return 0;
}
