// A read-only view of the platform's registry. The desktop has no registry, so every key is missing; the
// program only looks up input-method names there and does without them.
#pragma once

#include "platform/win/types.h"

namespace win {

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
using REGSAM = DWORD;
using LPDWORD = DWORD*;

inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(std::uintptr_t{0x80000000});
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(std::uintptr_t{0x80000001});
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(std::uintptr_t{0x80000002});
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(std::uintptr_t{0x80000003});

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_READ = 0x20019;
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

// These return an error code (ERROR_SUCCESS on success) instead of setting the last error.
// Opening any subkey gives ERROR_FILE_NOT_FOUND; a root key that is not one of the predefined ones gives
// ERROR_INVALID_HANDLE.
LONG RegOpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result);
// Values of the predefined keys are missing (ERROR_FILE_NOT_FOUND); other keys are not valid.
LONG RegQueryValueEx(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, BYTE* data,
                     LPDWORD dataSize);
LONG RegCloseKey(HKEY key);

} // namespace win
