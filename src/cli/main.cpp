// glyphloom-convert: text art from a picture or a line of text, written to standard output or a file.
#include "app/Program.h"
#include "cli/ConvertOptions.h"
#include "cli/Converter.h"

#include "platform/user/HeadlessInput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

int UsageError(const std::string& error) {
    std::fprintf(stderr, "glyphloom-convert: %s\n%s", error.c_str(), gl::cli::kConvertUsage);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    const auto parsed = gl::cli::ParseConvertOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return UsageError(parsed.error);
    const gl::cli::ConvertOptions& options = parsed.options;
    if (options.help) return std::fputs(gl::cli::kConvertUsage, stdout), 0;
    if (options.version) return std::puts("glyphloom-convert 1.0"), 0;

    // The output file is made once the conversion has succeeded, so that a failed one leaves an existing file
    // as it was.
    win::headless::Use();
    gl::RegisterProgram();
    std::FILE* out = nullptr;
    int openError = 0;
    static char buffer[1 << 20];
    const auto output = [&]() -> std::FILE* {
        if (!out && !openError) {
            out = options.output ? std::fopen(options.output->c_str(), "wb") : stdout;
            if (!out)
                openError = errno;
            else
                std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
        }
        return out;
    };
    const gl::cli::ConvertResult result = gl::cli::Convert(options, [&](std::string_view line) {
        if (std::FILE* file = output()) {
            std::fwrite(line.data(), 1, line.size(), file);
            std::fputc('\n', file);
        }
    });
    if (!result.error.empty() || !result.usage.empty()) {
        if (out && out != stdout) std::fclose(out);
        if (!result.usage.empty()) return UsageError(result.usage);
        std::fprintf(stderr, "%s\n", result.error.c_str());
        return 1;
    }
    // A conversion without a line still makes its (empty) file.
    if (!output()) {
        std::fprintf(stderr, "Cannot create file \"%s\". %s\n", options.output->c_str(),
                     std::strerror(openError));
        return 1;
    }
    if (!result.warning.empty())
        std::fprintf(stderr, "glyphloom-convert: warning: %s\n", result.warning.c_str());
    const bool written = std::fflush(out) == 0 && !std::ferror(out);
    const bool closed = out == stdout || std::fclose(out) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "Stream write error\n");
        return 1;
    }
    return 0;
}
