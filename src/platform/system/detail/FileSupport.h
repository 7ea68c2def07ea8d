// Helpers shared by the file services: the platform error for a failed Linux call, and copying a text out
// into a caller's buffer with the platform's length rules.
#pragma once

#include "platform/win/types.h"

#include <string>
#include <sys/stat.h>

namespace win::files {

// The platform error code for an errno value. For ENOENT, a path whose folder is missing gives
// ERROR_PATH_NOT_FOUND rather than ERROR_FILE_NOT_FOUND.
DWORD ErrorFromErrno(int error, const char* path = nullptr);

// Sets the last error from errno (and the path) and returns it.
DWORD SetLastErrorFromErrno(const char* path = nullptr);

// Copies text and a terminating zero when it fits and returns its length; otherwise returns the size needed,
// terminating zero included, and leaves the buffer alone.
DWORD CopyOut(const std::string& text, DWORD bufferLength, LPSTR buffer);

// The attribute bits of an entry, from its status and its name (names starting with "." are hidden).
DWORD AttributesOf(const struct stat& status, const std::string& name);

// The file time of a Linux time stamp.
void ToFileTime(const struct timespec& time, DWORD& low, DWORD& high);

} // namespace win::files
