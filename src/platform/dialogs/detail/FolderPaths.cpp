// Paths, filter lists, wildcard patterns and folder listings for the open-file dialog.
#include "platform/dialogs/detail/FolderPaths.h"

#include "platform/system/Files.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace win::ofn {

namespace {

constexpr std::size_t kMaxFilterBytes = 1 << 20;
constexpr std::size_t kMaxFilterPairs = 1024;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Classic wildcard matching with one back-tracking point for the last "*".
bool Match(std::string_view name, std::string_view pattern) {
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            ++n;
            while (n < name.size() && IsContinuation(name[n])) ++n; // one whole character
        } else if (p < pattern.size() && Lower(pattern[p]) == Lower(name[n])) {
            ++p;
            ++n;
        } else if (starP != std::string_view::npos) {
            p = starP;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

std::string Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

} // namespace

std::vector<FilterPair> ParseFilter(const char* filter) {
    std::vector<FilterPair> pairs;
    if (!filter) return pairs;
    std::size_t read = 0;
    while (pairs.size() < kMaxFilterPairs) {
        const std::size_t descLength = strnlen(filter + read, kMaxFilterBytes - read);
        if (descLength == 0 || read + descLength >= kMaxFilterBytes) break;
        const std::string description(filter + read, descLength);
        read += descLength + 1;
        const std::size_t patternLength = strnlen(filter + read, kMaxFilterBytes - read);
        if (patternLength == 0 || read + patternLength >= kMaxFilterBytes) break;
        pairs.push_back(
            FilterPair{description, SplitPatterns(std::string_view(filter + read, patternLength))});
        read += patternLength + 1;
    }
    return pairs;
}

std::vector<std::string> SplitPatterns(std::string_view list) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(';', start);
        if (end == std::string_view::npos) end = list.size();
        std::string part = Trim(list.substr(start, end - start));
        if (!part.empty()) out.push_back(std::move(part));
        start = end + 1;
    }
    return out;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*" || pattern == "*") return true;
    return Match(name, pattern);
}

bool MatchesAny(std::string_view name, const std::vector<std::string>& patterns) {
    if (patterns.empty()) return true;
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const std::string& p) { return MatchesPattern(name, p); });
}

bool HasWildcards(std::string_view text) {
    return text.find_first_of("*?") != std::string_view::npos;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    if (folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string ParentFolder(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ResolvePath(const std::string& folder, const std::string& typed) {
    std::vector<std::string> parts;
    auto add = [&parts](std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find('/', start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view part = text.substr(start, end - start);
            if (part == "..") {
                if (!parts.empty()) parts.pop_back();
            } else if (!part.empty() && part != ".") {
                parts.emplace_back(part);
            }
            start = end + 1;
        }
    };
    if (typed.empty() || typed[0] != '/') add(folder);
    add(typed);
    std::string out;
    for (const std::string& p : parts) out += "/" + p;
    return out.empty() ? "/" : out;
}

std::vector<std::string> FolderChain(const std::string& folder) {
    std::vector<std::string> chain{"/"};
    const std::string full = ResolvePath("/", folder);
    for (std::size_t slash = full.find('/', 1); full.size() > 1; slash = full.find('/', slash + 1)) {
        chain.push_back(full.substr(0, slash));
        if (slash == std::string::npos) break;
    }
    return chain;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributes(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PathExists(const std::string& path) {
    return GetFileAttributes(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool NameLess(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char x = Lower(a[i]), y = Lower(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::vector<Entry> ListFolder(const std::string& folder, const std::vector<std::string>& patterns,
                              bool showHidden) {
    std::vector<Entry> folders, files;
    WIN32_FIND_DATA data;
    HANDLE find = FindFirstFile(JoinPath(folder, "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return {};
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (!showHidden && (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            folders.push_back(Entry{name, true});
        else if (MatchesAny(name, patterns))
            files.push_back(Entry{name, false});
    } while (FindNextFile(find, &data));
    FindClose(find);
    auto less = [](const Entry& a, const Entry& b) { return NameLess(a.name, b.name); };
    std::sort(folders.begin(), folders.end(), less);
    std::sort(files.begin(), files.end(), less);
    folders.insert(folders.end(), files.begin(), files.end());
    return folders;
}

} // namespace win::ofn
