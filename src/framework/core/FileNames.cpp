// File names and paths, on the platform's file services.
#include "framework/core/FileNames.h"

#include "platform/system/Files.h"

#include <vector>

namespace gl {

namespace {

// Runs a platform call that fills a buffer and says how much it needs when the buffer is too small.
template <class Call> std::string FillBuffer(Call call) {
    std::vector<char> buffer(win::MAX_PATH);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const win::DWORD length = call(static_cast<win::DWORD>(buffer.size()), buffer.data());
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(static_cast<std::size_t>(length) + 1);
    }
    return std::string();
}

} // namespace

std::string ExtractFileExt(std::string_view fileName) {
    const auto dot = fileName.find_last_of("./");
    if (dot == std::string_view::npos || fileName[dot] != '.') return std::string();
    return std::string(fileName.substr(dot));
}

std::string ExtractFileName(std::string_view fileName) {
    const auto slash = fileName.find_last_of(PathDelim);
    return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

std::string ExtractFilePath(std::string_view fileName) {
    const auto slash = fileName.find_last_of(PathDelim);
    return slash == std::string_view::npos ? std::string() : std::string(fileName.substr(0, slash + 1));
}

std::string ExtractFileDir(std::string_view fileName) {
    const auto slash = fileName.find_last_of(PathDelim);
    if (slash == std::string_view::npos) return std::string();
    return std::string(fileName.substr(0, slash == 0 ? 1 : slash));
}

std::string ChangeFileExt(std::string_view fileName, std::string_view extension) {
    const std::size_t extensionLength = ExtractFileExt(fileName).size();
    return std::string(fileName.substr(0, fileName.size() - extensionLength)) + std::string(extension);
}

std::string IncludeTrailingPathDelimiter(std::string_view path) {
    std::string result(path);
    if (result.empty() || result.back() != PathDelim) result += PathDelim;
    return result;
}

std::string ExcludeTrailingPathDelimiter(std::string_view path) {
    std::string result(path);
    if (result.size() > 1 && result.back() == PathDelim) result.pop_back();
    return result;
}

std::string ExpandFileName(std::string_view fileName) {
    const std::string name(fileName);
    const std::string full = FillBuffer([&](win::DWORD size, char* buffer) {
        return win::GetFullPathName(name.c_str(), size, buffer, nullptr);
    });
    return full.empty() ? name : full;
}

bool FileExists(std::string_view fileName) {
    const win::DWORD attributes = win::GetFileAttributes(std::string(fileName).c_str());
    return attributes != win::INVALID_FILE_ATTRIBUTES && !(attributes & win::FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(std::string_view path) {
    const win::DWORD attributes = win::GetFileAttributes(std::string(path).c_str());
    return attributes != win::INVALID_FILE_ATTRIBUTES && (attributes & win::FILE_ATTRIBUTE_DIRECTORY);
}

std::string GetCurrentDir() {
    return FillBuffer([](win::DWORD size, char* buffer) { return win::GetCurrentDirectory(size, buffer); });
}

std::string GetModuleName() {
    // This call cuts the path short rather than asking for more room, so grow until it fits.
    std::vector<char> buffer(win::MAX_PATH);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const win::DWORD length =
            win::GetModuleFileName(nullptr, buffer.data(), static_cast<win::DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
    return std::string();
}

} // namespace gl
