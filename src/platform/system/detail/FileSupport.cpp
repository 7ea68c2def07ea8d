// Error mapping and buffer rules shared by the file services.
#include "platform/system/detail/FileSupport.h"

#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <cerrno>
#include <cstring>

namespace win::files {

namespace {

bool FolderOfPathExists(const char* path) {
    std::string folder(path);
    const auto slash = folder.find_last_of('/');
    if (slash == std::string::npos) return true; // the current folder
    folder.resize(slash == 0 ? 1 : slash);
    struct stat status {};
    return ::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

DWORD ErrorFromErrno(int error, const char* path) {
    switch (error) {
    case 0:
        return ERROR_SUCCESS;
    case ENOENT:
        return path && !FolderOfPathExists(path) ? ERROR_PATH_NOT_FOUND : ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
    case ELOOP:
        return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EISDIR:
    case ETXTBSY:
        return ERROR_ACCESS_DENIED;
    case EEXIST:
        return ERROR_FILE_EXISTS;
    case ENAMETOOLONG:
        return ERROR_FILENAME_EXCED_RANGE;
    case EMFILE:
    case ENFILE:
        return ERROR_TOO_MANY_OPEN_FILES;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return ERROR_DISK_FULL;
    case EROFS:
        return ERROR_WRITE_PROTECT;
    case ENOMEM:
        return ERROR_NOT_ENOUGH_MEMORY;
    case EBADF:
        return ERROR_INVALID_HANDLE;
    case EINVAL:
        return ERROR_INVALID_PARAMETER;
    case ENOTEMPTY:
        return ERROR_DIR_NOT_EMPTY;
    default:
        return ERROR_GEN_FAILURE;
    }
}

DWORD SetLastErrorFromErrno(const char* path) {
    const DWORD code = ErrorFromErrno(errno, path);
    SetLastError(code);
    return code;
}

DWORD CopyOut(const std::string& text, DWORD bufferLength, LPSTR buffer) {
    const auto length = static_cast<DWORD>(text.size());
    if (!buffer || bufferLength <= length) return length + 1;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return length;
}

DWORD AttributesOf(const struct stat& status, const std::string& name) {
    DWORD attributes = 0;
    if (S_ISDIR(status.st_mode))
        attributes |= FILE_ATTRIBUTE_DIRECTORY;
    else if ((status.st_mode & 0222) == 0)
        attributes |= FILE_ATTRIBUTE_READONLY;
    if (name.size() > 1 && name[0] == '.' && name != "..") attributes |= FILE_ATTRIBUTE_HIDDEN;
    return attributes ? attributes : FILE_ATTRIBUTE_NORMAL;
}

void ToFileTime(const struct timespec& time, DWORD& low, DWORD& high) {
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    const std::int64_t ticks =
        (static_cast<std::int64_t>(time.tv_sec) + kSecondsFrom1601To1970) * 10000000LL + time.tv_nsec / 100;
    const auto value = static_cast<std::uint64_t>(ticks < 0 ? 0 : ticks);
    low = static_cast<DWORD>(value & 0xFFFFFFFFu);
    high = static_cast<DWORD>(value >> 32);
}

} // namespace win::files
