// Where the converter's text goes: standard output, or a file that is replaced only once all of it is
// written.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace gl::cli {

// A regular file (or a name not yet taken) is written to a temporary file beside it, renamed over it by
// Commit: a conversion or a write that fails leaves the file as it was. A device or a pipe is written to
// directly. Every failure raises std::runtime_error with a message naming the file and the system's reason.
class OutputFile {
public:
    // No name, or "-": standard output.
    explicit OutputFile(std::optional<std::string> path);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Without a Commit, the temporary file goes.
    ~OutputFile();

    // Writes the line and "\n"; the file is made with the first line.
    void WriteLine(std::string_view line);
    // Makes the file (an empty conversion makes an empty one), writes out what is buffered and puts the file
    // in its place.
    void Commit();

private:
    std::FILE* Open();
    [[noreturn]] void Fail(const char* what, int error) const;

    std::optional<std::string> m_path; // standard output when absent
    std::string m_target;              // the file the temporary one replaces, through links
    std::string m_temporary;           // empty when written directly
    std::FILE* m_file = nullptr;
};

// Whether two names are one existing file (through links and different spellings).
bool SameFile(const std::string& a, const std::string& b);

} // namespace gl::cli
