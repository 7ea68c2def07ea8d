// File handles: opening with share modes checked among this process's handles, reading, writing, seeking,
// sizes, closing; deleting files and reading attributes.
#include "platform/system/Files.h"

#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/system/detail/FileSupport.h"

#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace win {

namespace {

struct OpenFile {
    int fd = -1;
    DWORD access = 0;
    DWORD share = 0;
    dev_t device = 0;
    ino_t inode = 0;
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
};

struct FileTable {
    std::mutex mutex;
    HandleTable<OpenFile> handles{HandleTag::File};
};

FileTable& Files() {
    static FileTable table;
    return table;
}

constexpr DWORD kReadWrite = GENERIC_READ | GENERIC_WRITE;

// Two opens of one file conflict when either wants access that the other does not share.
bool Conflicts(DWORD access, DWORD share, const OpenFile& other) {
    auto deniedBy = [](DWORD wanted, DWORD shared) {
        return ((wanted & GENERIC_READ) && !(shared & FILE_SHARE_READ)) ||
               ((wanted & GENERIC_WRITE) && !(shared & FILE_SHARE_WRITE));
    };
    return deniedBy(access, other.share) || deniedBy(other.access, share);
}

bool SharingAllows(const struct stat& status, DWORD access, DWORD share) {
    bool allowed = true;
    Files().handles.ForEach([&](std::uintptr_t, const OpenFile& other) {
        if (other.device == status.st_dev && other.inode == status.st_ino && Conflicts(access, share, other))
            allowed = false;
    });
    return allowed;
}

int OpenFlags(DWORD access, DWORD disposition) {
    if (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING ||
        (access & kReadWrite) == kReadWrite)
        return O_RDWR; // truncating needs a writable descriptor even when the caller asked only to read
    if (access & GENERIC_WRITE) return O_WRONLY;
    if (access & GENERIC_READ || disposition != OPEN_EXISTING) return O_RDONLY;
    return O_PATH; // attributes only
}

// Opens the path as the disposition says; `existed` tells whether the file was there before.
int OpenForDisposition(const char* path, int flags, DWORD disposition, bool& existed) {
    flags |= O_CLOEXEC | O_NONBLOCK; // a FIFO must not block the open
    existed = true;
    if (disposition == CREATE_NEW) {
        existed = false;
        return ::open(path, flags | O_CREAT | O_EXCL, 0666);
    }
    int fd = ::open(path, flags);
    if (fd < 0 && errno == ENOENT && (disposition == CREATE_ALWAYS || disposition == OPEN_ALWAYS)) {
        existed = false;
        fd = ::open(path, flags | O_CREAT | O_EXCL, 0666);
    }
    return fd;
}

OpenFile* FindFile(HANDLE file) {
    OpenFile* open = Files().handles.Find(file);
    if (!open) SetLastError(ERROR_INVALID_HANDLE);
    return open;
}

// The open file behind a handle for a read or write of `bytes` bytes: null (with the error set) for a bad
// handle, a handle opened without that access, or a missing buffer.
const OpenFile* FindForTransfer(HANDLE file, DWORD access, LPCVOID buffer, DWORD bytes) {
    const OpenFile* open = FindFile(file);
    if (!open) return nullptr;
    if (!(open->access & access)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    if (!buffer && bytes) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return open;
}

// Moves `count` bytes with repeated calls of `step(done)` (one read or write from offset `done`), retrying
// interrupted calls, and reports how many moved. A call that moves nothing ends a read (end of file: success
// with fewer bytes) and fails a write (nothing more fits).
template <class Step> BOOL Transfer(DWORD count, LPDWORD moved, bool zeroEnds, Step step) {
    DWORD total = 0;
    while (total < count) {
        const ssize_t n = step(total);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0 && zeroEnds) break;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            files::SetLastErrorFromErrno();
            if (moved) *moved = total;
            return FALSE;
        }
        total += static_cast<DWORD>(n);
    }
    if (moved) *moved = total;
    return TRUE;
}

bool Seek(OpenFile& open, LONGLONG distance, DWORD method, LONGLONG& position) {
    if (method > FILE_END) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const int whence = method == FILE_BEGIN ? SEEK_SET : method == FILE_CURRENT ? SEEK_CUR : SEEK_END;
    const off_t result = ::lseek(open.fd, static_cast<off_t>(distance), whence);
    if (result < 0) {
        SetLastError(errno == EINVAL ? ERROR_NEGATIVE_SEEK : files::ErrorFromErrno(errno));
        return false;
    }
    position = result;
    return true;
}

} // namespace

HANDLE CreateFile(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPVOID, DWORD creationDisposition,
                  DWORD, HANDLE) {
    if (!fileName || creationDisposition < CREATE_NEW || creationDisposition > TRUNCATE_EXISTING ||
        (creationDisposition == TRUNCATE_EXISTING && !(desiredAccess & GENERIC_WRITE))) {
        SetLastError(fileName ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    if (!*fileName) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    const bool truncates = creationDisposition == CREATE_ALWAYS || creationDisposition == TRUNCATE_EXISTING;
    auto open = std::make_unique<OpenFile>();
    open->access = desiredAccess & kReadWrite;
    open->share = shareMode;
    bool existed = false;
    open->fd = OpenForDisposition(fileName, OpenFlags(open->access, creationDisposition), creationDisposition,
                                  existed);
    if (open->fd < 0) {
        files::SetLastErrorFromErrno(fileName);
        return INVALID_HANDLE_VALUE;
    }
    struct stat status {};
    if (::fstat(open->fd, &status) != 0) {
        files::SetLastErrorFromErrno(fileName);
        return INVALID_HANDLE_VALUE;
    }
    if (S_ISDIR(status.st_mode)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    if (open->access) ::fcntl(open->fd, F_SETFL, ::fcntl(open->fd, F_GETFL) & ~O_NONBLOCK);
    open->device = status.st_dev;
    open->inode = status.st_ino;

    std::lock_guard lock(Files().mutex);
    if (!SharingAllows(status, open->access, shareMode)) {
        SetLastError(ERROR_SHARING_VIOLATION);
        return INVALID_HANDLE_VALUE;
    }
    if (truncates && existed && S_ISREG(status.st_mode) && ::ftruncate(open->fd, 0) != 0) {
        files::SetLastErrorFromErrno(fileName);
        return INVALID_HANDLE_VALUE;
    }
    const bool reportExisting =
        existed && (creationDisposition == CREATE_ALWAYS || creationDisposition == OPEN_ALWAYS);
    SetLastError(reportExisting ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
    return HandleCast<HANDLE>(Files().handles.Add(std::move(open)));
}

BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPVOID) {
    if (bytesRead) *bytesRead = 0;
    std::lock_guard lock(Files().mutex);
    const OpenFile* open = FindForTransfer(file, GENERIC_READ, buffer, bytesToRead);
    if (!open) return FALSE;
    return Transfer(bytesToRead, bytesRead, true, [&](DWORD done) {
        return ::read(open->fd, static_cast<char*>(buffer) + done, bytesToRead - done);
    });
}

BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPVOID) {
    if (bytesWritten) *bytesWritten = 0;
    std::lock_guard lock(Files().mutex);
    const OpenFile* open = FindForTransfer(file, GENERIC_WRITE, buffer, bytesToWrite);
    if (!open) return FALSE;
    return Transfer(bytesToWrite, bytesWritten, false, [&](DWORD done) {
        return ::write(open->fd, static_cast<const char*>(buffer) + done, bytesToWrite - done);
    });
}

BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, PLARGE_INTEGER newPosition, DWORD moveMethod) {
    std::lock_guard lock(Files().mutex);
    OpenFile* open = FindFile(file);
    LONGLONG position = 0;
    if (!open || !Seek(*open, distance.QuadPart, moveMethod, position)) return FALSE;
    if (newPosition) newPosition->QuadPart = position;
    return TRUE;
}

BOOL SetEndOfFile(HANDLE file) {
    std::lock_guard lock(Files().mutex);
    OpenFile* open = FindFile(file);
    if (!open) return FALSE;
    if (!(open->access & GENERIC_WRITE)) {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    const off_t position = ::lseek(open->fd, 0, SEEK_CUR);
    if (position < 0 || ::ftruncate(open->fd, position) != 0) {
        files::SetLastErrorFromErrno();
        return FALSE;
    }
    return TRUE;
}

BOOL CloseHandle(HANDLE object) {
    std::lock_guard lock(Files().mutex);
    if (!Files().handles.Remove(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

DWORD GetFileAttributes(LPCSTR fileName) {
    if (!fileName || !*fileName) {
        SetLastError(fileName ? ERROR_PATH_NOT_FOUND : ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    struct stat status {};
    if (::stat(fileName, &status) != 0) {
        files::SetLastErrorFromErrno(fileName);
        return INVALID_FILE_ATTRIBUTES;
    }
    std::string name(fileName);
    while (name.size() > 1 && name.back() == '/') name.pop_back();
    const auto slash = name.find_last_of('/');
    return files::AttributesOf(status, slash == std::string::npos ? name : name.substr(slash + 1));
}

namespace {

// No file open (closing what is left open).
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    FileTable& files = Files();
    std::lock_guard lock(files.mutex);
    RemoveAllHandles(files.handles);
});

} // namespace

} // namespace win
