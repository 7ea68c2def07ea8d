// The empty registry: predefined root keys exist, nothing under them does.
#include "platform/system/Registry.h"

#include "platform/system/LastError.h"

namespace win {

namespace {

bool IsPredefined(HKEY key) {
    return key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE ||
           key == HKEY_USERS;
}

} // namespace

LONG RegOpenKeyEx(HKEY key, LPCSTR, DWORD, REGSAM, PHKEY result) {
    if (result) *result = nullptr;
    if (!result) return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    if (!IsPredefined(key)) return static_cast<LONG>(ERROR_INVALID_HANDLE);
    return static_cast<LONG>(ERROR_FILE_NOT_FOUND);
}

LONG RegQueryValueEx(HKEY key, LPCSTR, LPDWORD, LPDWORD type, BYTE*, LPDWORD dataSize) {
    if (type) *type = REG_NONE;
    if (dataSize) *dataSize = 0;
    return static_cast<LONG>(IsPredefined(key) ? ERROR_FILE_NOT_FOUND : ERROR_INVALID_HANDLE);
}

LONG RegCloseKey(HKEY key) {
    return static_cast<LONG>(IsPredefined(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE);
}

} // namespace win
