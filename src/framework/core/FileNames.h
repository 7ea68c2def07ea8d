// File names and paths: the parts of a name, full paths, existence tests and the executable's own path.
// Paths use "/" as separator.
#pragma once

#include <string>
#include <string_view>

namespace gl {

inline constexpr char PathDelim = '/';

// ".bmp" for "/a/b.c/pic.bmp": from the last dot of the name part, dot included; empty without one.
std::string ExtractFileExt(std::string_view fileName);
// The name part, after the last "/".
std::string ExtractFileName(std::string_view fileName);
// Everything up to and including the last "/".
std::string ExtractFilePath(std::string_view fileName);
// The folder without its trailing "/" (the root stays "/").
std::string ExtractFileDir(std::string_view fileName);
// Replaces (or adds) the extension; extension includes its dot.
std::string ChangeFileExt(std::string_view fileName, std::string_view extension);
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string ExcludeTrailingPathDelimiter(std::string_view path);

// The full path of a name, relative names taken from the current folder; the name itself when it has none.
std::string ExpandFileName(std::string_view fileName);
// An existing file that is not a folder.
bool FileExists(std::string_view fileName);
bool DirectoryExists(std::string_view path);
std::string GetCurrentDir();
// The full path of the running executable.
std::string GetModuleName();

} // namespace gl
