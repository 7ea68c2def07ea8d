// Writing the converter's text out, through a temporary file where a file is replaced.
#include "cli/OutputFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace gl::cli {

namespace {

// A large buffer: the text goes out in few writes however short its rows.
char g_buffer[1 << 20];

// The file a name stands for: a link is followed, so that the link stays and its file is replaced.
std::string Target(const std::string& path) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

// The mode a new file gets, or the one of the file it replaces.
mode_t ModeFor(const struct stat* existing) {
    if (existing) return existing->st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

OutputFile::OutputFile(std::optional<std::string> path) {
    if (path && *path != "-") m_path = std::move(path);
}

OutputFile::~OutputFile() {
    if (m_file && m_file != stdout) std::fclose(m_file);
    if (!m_temporary.empty()) unlink(m_temporary.c_str());
}

void OutputFile::Fail(const char* what, int error) const {
    const std::string name = m_path ? "file \"" + *m_path + "\"" : std::string("standard output");
    throw std::runtime_error(std::string(what) + " " + name + ". " + std::strerror(error));
}

std::FILE* OutputFile::Open() {
    if (m_file) return m_file;
    if (!m_path) {
        std::setvbuf(stdout, g_buffer, _IOFBF, sizeof g_buffer);
        return m_file = stdout;
    }
    m_target = Target(*m_path);
    struct stat info {};
    const bool exists = stat(m_target.c_str(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) Fail("Cannot create", EISDIR);
    if (exists && !S_ISREG(info.st_mode)) {
        m_file = std::fopen(m_target.c_str(), "wb");
        if (!m_file) Fail("Cannot create", errno);
    } else {
        const std::size_t slash = m_target.rfind('/');
        const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
        std::string temporary = m_target.substr(0, nameStart) + "." + m_target.substr(nameStart) + ".XXXXXX";
        const int fd = mkstemp(temporary.data());
        if (fd < 0) Fail("Cannot create", errno);
        m_temporary = temporary;
        if (fchmod(fd, ModeFor(exists ? &info : nullptr)) != 0 || !(m_file = fdopen(fd, "wb"))) {
            const int error = errno;
            close(fd);
            Fail("Cannot create", error);
        }
    }
    std::setvbuf(m_file, g_buffer, _IOFBF, sizeof g_buffer);
    return m_file;
}

void OutputFile::WriteLine(std::string_view line) {
    std::FILE* file = Open();
    if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fputc('\n', file) == EOF)
        Fail("Cannot write", errno);
}

void OutputFile::Commit() {
    std::FILE* file = Open();
    if (std::fflush(file) != 0) Fail("Cannot write", errno);
    if (file == stdout) return;
    m_file = nullptr;
    if (std::fclose(file) != 0) Fail("Cannot write", errno);
    if (m_temporary.empty()) return;
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0) Fail("Cannot write", errno);
    m_temporary.clear();
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace gl::cli
