// Folder listing: a search takes a sorted snapshot of the folder's matching entries and hands them out one by
// one.
#include "platform/system/Files.h"
#include "platform/system/HandleTable.h"
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"
#include "platform/system/detail/FileSupport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <mutex>
#include <string_view>
#include <tuple>
#include <vector>

namespace win {

namespace {

struct Search {
    std::vector<WIN32_FIND_DATA> entries;
    std::size_t next = 0;
};

struct SearchTable {
    std::mutex mutex;
    HandleTable<Search> handles{HandleTag::FindFile};
};

SearchTable& Searches() {
    static SearchTable table;
    return table;
}

char FoldCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Length of the UTF-8 character that starts with byte c (1 for a stray continuation byte).
std::size_t CharLength(unsigned char c) {
    if (c >= 0xF0 && c < 0xF8) return 4;
    if (c >= 0xE0) return c < 0xF0 ? 3 : 1;
    if (c >= 0xC0) return 2;
    return 1;
}

// "*" matches any run of characters, "?" exactly one character; letters compare without case.
bool WildMatch(std::string_view mask, std::string_view name) {
    constexpr auto npos = std::string_view::npos;
    std::size_t m = 0, n = 0, starMask = npos, starName = 0;
    auto step = [&](std::size_t i) {
        return std::min(CharLength(static_cast<unsigned char>(name[i])), name.size() - i);
    };
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            ++m;
            n += step(n);
        } else if (m < mask.size() && FoldCase(mask[m]) == FoldCase(name[n])) {
            ++m;
            ++n;
        } else if (starMask != npos) {
            m = starMask + 1; // let the last star take one more character
            starName += step(starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

// The platform's habits on top of plain wildcards: "*.*" is everything, "name.*" also matches "name", and a
// mask ending in "." matches names that have no extension.
bool MaskMatches(const std::string& mask, const std::string& name) {
    if (mask == "*.*" || mask == "*") return true;
    if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0)
        return WildMatch(mask, name) || WildMatch(mask, name + ".");
    if (mask.back() == '.' && name.find('.') == std::string::npos)
        return WildMatch(std::string_view(mask).substr(0, mask.size() - 1), name);
    return WildMatch(mask, name);
}

bool HasWildcards(const std::string& mask) {
    return mask.find_first_of("*?") != std::string::npos;
}

WIN32_FIND_DATA MakeEntry(const std::string& folder, const std::string& name) {
    WIN32_FIND_DATA data;
    const std::string path = folder == "/" ? "/" + name : folder + "/" + name;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 && ::lstat(path.c_str(), &status) != 0) status = {};
    data.dwFileAttributes = files::AttributesOf(status, name);
    const auto size = S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
    data.nFileSizeHigh = static_cast<DWORD>(size >> 32);
    data.nFileSizeLow = static_cast<DWORD>(size & 0xFFFFFFFF);
    files::ToFileTime(status.st_mtim, data.ftLastWriteTime.dwLowDateTime,
                      data.ftLastWriteTime.dwHighDateTime);
    files::ToFileTime(status.st_atim, data.ftLastAccessTime.dwLowDateTime,
                      data.ftLastAccessTime.dwHighDateTime);
    files::ToFileTime(status.st_ctim, data.ftCreationTime.dwLowDateTime, data.ftCreationTime.dwHighDateTime);
    const std::size_t length = std::min<std::size_t>(name.size(), MAX_PATH - 1);
    std::memcpy(data.cFileName, name.data(), length);
    data.cFileName[length] = '\0';
    return data;
}

// "." and ".." first, then names without regard to case, then byte order to break ties.
bool ListedBefore(const std::string& a, const std::string& b) {
    auto rank = [](const std::string& s) { return s == "." ? 0 : s == ".." ? 1 : 2; };
    auto folded = [](std::string s) {
        for (char& c : s) c = FoldCase(c);
        return s;
    };
    return std::tuple(rank(a), folded(a), a) < std::tuple(rank(b), folded(b), b);
}

// The names in the folder that match; false (with the last error set) when the folder cannot be read.
bool ListFolder(const std::string& folder, const std::string& mask, std::vector<std::string>& names) {
    if (!HasWildcards(mask)) {
        const std::string path = folder == "/" ? "/" + mask : folder + "/" + mask;
        struct stat status {};
        if (::stat(path.c_str(), &status) == 0 || ::lstat(path.c_str(), &status) == 0) {
            names.push_back(mask);
            return true;
        }
        // A missing entry is an empty listing; a missing or unreadable folder is an error.
        const DWORD error = files::ErrorFromErrno(errno, path.c_str());
        if (error == ERROR_FILE_NOT_FOUND) return true;
        SetLastError(error);
        return false;
    }
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        SetLastError(errno == ENOENT || errno == ENOTDIR ? ERROR_PATH_NOT_FOUND
                                                         : files::ErrorFromErrno(errno));
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (MaskMatches(mask, name)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), ListedBefore);
    return true;
}

} // namespace

HANDLE FindFirstFile(LPCSTR pattern, WIN32_FIND_DATA* findData) {
    if (!pattern || !findData) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    const std::string text(pattern);
    const auto slash = text.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : text.substr(0, slash);
    const std::string mask = slash == std::string::npos ? text : text.substr(slash + 1);
    if (mask.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    std::vector<std::string> names;
    if (!ListFolder(folder, mask, names)) return INVALID_HANDLE_VALUE;
    if (names.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto search = std::make_unique<Search>();
    search->entries.reserve(names.size());
    for (const auto& name : names) search->entries.push_back(MakeEntry(folder, name));
    *findData = search->entries[0];
    search->next = 1;
    std::lock_guard lock(Searches().mutex);
    return HandleCast<HANDLE>(Searches().handles.Add(std::move(search)));
}

BOOL FindNextFile(HANDLE find, WIN32_FIND_DATA* findData) {
    std::lock_guard lock(Searches().mutex);
    Search* search = Searches().handles.Find(find);
    if (!search || !findData) {
        SetLastError(search ? ERROR_INVALID_PARAMETER : ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (search->next >= search->entries.size()) {
        SetLastError(ERROR_NO_MORE_FILES);
        return FALSE;
    }
    *findData = search->entries[search->next++];
    return TRUE;
}

BOOL FindClose(HANDLE find) {
    std::lock_guard lock(Searches().mutex);
    if (!Searches().handles.Remove(find)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    return TRUE;
}

namespace {

// No folder search under way.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] {
    SearchTable& searches = Searches();
    std::lock_guard lock(searches.mutex);
    RemoveAllHandles(searches.handles);
});

} // namespace

} // namespace win
