// What the open-file dialog needs of paths and folders: joining and resolving names against a folder, the
// filter list of an OPENFILENAME record, wildcard patterns, and the listing of a folder (folders first, then
// the files that match, each sorted without regard to case).
#pragma once

#include "platform/win/types.h"

#include <string>
#include <string_view>
#include <vector>

namespace win::ofn {

struct FilterPair {
    std::string description;
    std::vector<std::string> patterns; // "*.bmp", "*.*" ...
};

struct Entry {
    std::string name;
    bool folder = false;
};

// The pairs of a filter list (description, patterns separated by ";", each string ending in a zero byte, the
// list in an empty string). A description without its pattern at the end is dropped. The list is read up to a
// sane length, so a list without its closing empty string cannot run away.
std::vector<FilterPair> ParseFilter(const char* filter);

// Wildcards "*" and "?" (one character), letters compared without case; "*.*" matches every name.
bool MatchesPattern(std::string_view name, std::string_view pattern);
bool MatchesAny(std::string_view name, const std::vector<std::string>& patterns);
bool HasWildcards(std::string_view text);
// "*.bmp; *.dib" as its patterns.
std::vector<std::string> SplitPatterns(std::string_view list);

std::string JoinPath(const std::string& folder, const std::string& name);
// The folder above a path ("/" stays "/").
std::string ParentFolder(const std::string& path);
// The last part of a path.
std::string NameOf(const std::string& path);
// A typed name made absolute against a folder, with "." and ".." parts resolved and no trailing "/".
std::string ResolvePath(const std::string& folder, const std::string& typed);
// The chain of folders from "/" down to the folder itself.
std::vector<std::string> FolderChain(const std::string& folder);

bool IsFolder(const std::string& path);
bool PathExists(const std::string& path);

// Case-insensitive order of names (ties broken by the bytes), as the list shows them.
bool NameLess(const std::string& a, const std::string& b);

// The folders and the matching files of a folder, without "." and ".."; hidden names only when asked.
std::vector<Entry> ListFolder(const std::string& folder, const std::vector<std::string>& patterns,
                              bool showHidden);

} // namespace win::ofn
