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

    std::FILE* out = stdout;
    if (options.output) {
        out = std::fopen(options.output->c_str(), "wb");
        if (!out) {
            std::fprintf(stderr, "Cannot create file \"%s\". %s\n", options.output->c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    static char buffer[1 << 20];
    std::setvbuf(out, buffer, _IOFBF, sizeof buffer);

    win::headless::Use();
    gl::RegisterProgram();
    const std::string error = gl::cli::Convert(options, [out](std::string_view line) {
        std::fwrite(line.data(), 1, line.size(), out);
        std::fputc('\n', out);
    });
    const bool written = std::fflush(out) == 0 && !std::ferror(out);
    if (options.output) std::fclose(out);
    if (!error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    if (!written) {
        std::fprintf(stderr, "Stream write error\n");
        return 1;
    }
    return 0;
}
