// Paths: full paths worked out from the current folder, the current folder itself, the executable's own path
// and the temporary folder.
#include "platform/system/Files.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/system/detail/FileSupport.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace win {

namespace {

bool CurrentFolder(std::string& folder) {
    std::vector<char> buffer(256);
    while (!::getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            files::SetLastErrorFromErrno();
            return false;
        }
        buffer.resize(buffer.size() * 2);
    }
    folder = buffer.data();
    return true;
}

// Joins a relative name to the current folder and removes ".", ".." and repeated separators, without looking
// at the file system (so a path through a missing folder still has a full form). A trailing "/" is kept.
bool FullPath(const std::string& name, std::string& full) {
    std::string path = name;
    if (path.front() != '/') {
        std::string folder;
        if (!CurrentFolder(folder)) return false;
        path = folder + "/" + path;
    }
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto end = std::min(path.find('/', start), path.size());
        const std::string part = path.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    full.clear();
    for (const auto& part : parts) full += "/" + part;
    const bool trailing = name.back() == '/';
    if (full.empty() || trailing) full += "/";
    return true;
}

} // namespace

DWORD GetFullPathName(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart) {
    if (filePart) *filePart = nullptr;
    if (!fileName || !*fileName) {
        SetLastError(ERROR_INVALID_NAME);
        return 0;
    }
    std::string full;
    if (!FullPath(fileName, full)) return 0;
    const DWORD result = files::CopyOut(full, bufferLength, buffer);
    if (result == full.size() && filePart && full.back() != '/')
        *filePart = buffer + full.find_last_of('/') + 1;
    return result;
}

DWORD GetCurrentDirectory(DWORD bufferLength, LPSTR buffer) {
    std::string folder;
    if (!CurrentFolder(folder)) return 0;
    return files::CopyOut(folder, bufferLength, buffer);
}

BOOL SetCurrentDirectory(LPCSTR pathName) {
    if (!pathName || !*pathName) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (::chdir(pathName) != 0) {
        SetLastError(errno == ENOTDIR ? ERROR_DIRECTORY : files::ErrorFromErrno(errno, pathName));
        return FALSE;
    }
    return TRUE;
}

namespace {

// Empty: the real executable's path.
std::string& ModulePathForTesting() {
    static std::string path;
    return path;
}

} // namespace

void SetModuleFileNameForTesting(LPCSTR path) {
    ModulePathForTesting() = path ? path : "";
}

DWORD GetModuleFileName(HMODULE, LPSTR fileName, DWORD size) {
    std::vector<char> path(4096);
    ssize_t length = 0;
    if (const std::string& forTesting = ModulePathForTesting(); !forTesting.empty()) {
        path.assign(forTesting.begin(), forTesting.end());
        path.push_back('\0');
        length = static_cast<ssize_t>(forTesting.size());
    } else {
        length = ::readlink("/proc/self/exe", path.data(), path.size());
        if (length < 0 || static_cast<std::size_t>(length) >= path.size()) {
            files::SetLastErrorFromErrno();
            return 0;
        }
    }
    if (!fileName || size == 0) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (static_cast<DWORD>(length) < size) {
        std::memcpy(fileName, path.data(), static_cast<std::size_t>(length));
        fileName[length] = '\0';
        return static_cast<DWORD>(length);
    }
    std::memcpy(fileName, path.data(), size - 1);
    fileName[size - 1] = '\0';
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
}

namespace {

// The real executable's path.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { ModulePathForTesting().clear(); });

} // namespace

} // namespace win
