// The platform's file services: file handles with share modes, attributes, folder listing, full paths, the
// current folder, the executable's own path and the temporary folder. Paths are UTF-8 Linux paths with "/" as
// separator.
#pragma once

#include "platform/win/types.h"

namespace win {

using LONGLONG = std::int64_t;

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    } u;
    LONGLONG QuadPart = 0;
};
using PLARGE_INTEGER = LARGE_INTEGER*;
using PLONG = LONG*;
using LPDWORD = DWORD*;

// 100-nanosecond intervals since 1 January 1601 (UTC).
struct FILETIME {
    DWORD dwLowDateTime = 0;
    DWORD dwHighDateTime = 0;
};

constexpr DWORD MAX_PATH = 260;

// One entry of a folder listing. cFileName is the entry's UTF-8 name (a Linux name is at most 255 bytes).
struct WIN32_FIND_DATA {
    DWORD dwFileAttributes = 0;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh = 0;
    DWORD nFileSizeLow = 0;
    DWORD dwReserved0 = 0;
    DWORD dwReserved1 = 0;
    CHAR cFileName[MAX_PATH] = {};
    CHAR cAlternateFileName[14] = {};
};
using WIN32_FIND_DATAA = WIN32_FIND_DATA;

inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

// Access rights, share modes and what to do when the file exists or not.
constexpr DWORD GENERIC_READ = 0x80000000;
constexpr DWORD GENERIC_WRITE = 0x40000000;
constexpr DWORD FILE_SHARE_READ = 0x1;
constexpr DWORD FILE_SHARE_WRITE = 0x2;
constexpr DWORD FILE_SHARE_DELETE = 0x4;
constexpr DWORD CREATE_NEW = 1;
constexpr DWORD CREATE_ALWAYS = 2;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD OPEN_ALWAYS = 4;
constexpr DWORD TRUNCATE_EXISTING = 5;

constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x1;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x2;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x4;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x20;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;
constexpr DWORD INVALID_FILE_SIZE = 0xFFFFFFFF;
constexpr DWORD INVALID_SET_FILE_POINTER = 0xFFFFFFFF;

constexpr DWORD FILE_BEGIN = 0;
constexpr DWORD FILE_CURRENT = 1;
constexpr DWORD FILE_END = 2;

// Share modes are enforced among the handles of this process: an open fails with ERROR_SHARING_VIOLATION when
// it asks for access that an open handle does not share, or does not share access that an open handle holds.
// Folders cannot be opened (ERROR_ACCESS_DENIED). securityAttributes, flagsAndAttributes and templateFile are
// accepted and ignored.
HANDLE CreateFile(LPCSTR fileName, DWORD desiredAccess, DWORD shareMode, LPVOID securityAttributes,
                  DWORD creationDisposition, DWORD flagsAndAttributes, HANDLE templateFile);
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD bytesToRead, LPDWORD bytesRead, LPVOID overlapped);
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD bytesToWrite, LPDWORD bytesWritten, LPVOID overlapped);
BOOL SetFilePointerEx(HANDLE file, LARGE_INTEGER distance, PLARGE_INTEGER newPosition, DWORD moveMethod);
BOOL SetEndOfFile(HANDLE file);
BOOL CloseHandle(HANDLE object);

// Directory for folders; read-only when nobody may write it; hidden for names that start with "."; normal
// when nothing else applies.
DWORD GetFileAttributes(LPCSTR fileName);

// Lists the entries of one folder that match a pattern's last part ("*" and "?" wildcards, letters compared
// without case, "*.*" matching every name). The listing is taken when the search starts and comes in a fixed
// order: "." and ".." first, then the names sorted without regard to case.
HANDLE FindFirstFile(LPCSTR pattern, WIN32_FIND_DATA* findData);
BOOL FindNextFile(HANDLE find, WIN32_FIND_DATA* findData);
BOOL FindClose(HANDLE find);

// The functions that fill a buffer return the length written without the terminating zero, or, when the
// buffer is too small, the size it needs including the terminating zero (the buffer is then left alone).
DWORD GetFullPathName(LPCSTR fileName, DWORD bufferLength, LPSTR buffer, LPSTR* filePart);
DWORD GetCurrentDirectory(DWORD bufferLength, LPSTR buffer);
BOOL SetCurrentDirectory(LPCSTR pathName);
// The program has one module, so every module handle names the executable. A buffer too small gets the path
// cut short and zero-terminated; the result is then the buffer size and the error ERROR_INSUFFICIENT_BUFFER.
DWORD GetModuleFileName(HMODULE module, LPSTR fileName, DWORD size);
// For tests only: makes GetModuleFileName report `path` as the executable's path (a folder of the test's own,
// the root folder) until called again with null or "".
void SetModuleFileNameForTesting(LPCSTR path);

} // namespace win
