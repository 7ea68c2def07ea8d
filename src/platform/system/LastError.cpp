// The last-error code lives per thread, as on the platform; texts come from one table.
#include "platform/system/LastError.h"
#include "platform/system/StateReset.h"

#include <unordered_map>

namespace win {

namespace {
thread_local DWORD t_lastError = ERROR_SUCCESS;
}

DWORD GetLastError() {
    return t_lastError;
}

void SetLastError(DWORD code) {
    t_lastError = code;
}

std::string ErrorMessageText(DWORD code) {
    static const std::unordered_map<DWORD, const char*> texts = {
        {ERROR_SUCCESS, "The operation completed successfully."},
        {ERROR_INVALID_FUNCTION, "Incorrect function."},
        {ERROR_FILE_NOT_FOUND, "The system cannot find the file specified."},
        {ERROR_PATH_NOT_FOUND, "The system cannot find the path specified."},
        {ERROR_TOO_MANY_OPEN_FILES, "The system cannot open the file."},
        {ERROR_ACCESS_DENIED, "Access is denied."},
        {ERROR_INVALID_HANDLE, "The handle is invalid."},
        {ERROR_NOT_ENOUGH_MEMORY, "Not enough storage is available to process this command."},
        {ERROR_INVALID_DATA, "The data is invalid."},
        {ERROR_OUTOFMEMORY, "Not enough storage is available to complete this operation."},
        {ERROR_NO_MORE_FILES, "There are no more files."},
        {ERROR_WRITE_PROTECT, "The media is write protected."},
        {ERROR_GEN_FAILURE, "A device attached to the system is not functioning."},
        {ERROR_HANDLE_EOF, "Reached the end of the file."},
        {ERROR_HANDLE_DISK_FULL, "The disk is full."},
        {ERROR_NOT_SUPPORTED, "The request is not supported."},
        {ERROR_DISK_FULL, "There is not enough space on the disk."},
        {ERROR_MOD_NOT_FOUND, "The specified module could not be found."},
        {ERROR_NEGATIVE_SEEK,
         "An attempt was made to move the file pointer before the beginning of the file."},
        {ERROR_DIR_NOT_EMPTY, "The directory is not empty."},
        {ERROR_FILENAME_EXCED_RANGE, "The filename or extension is too long."},
        {ERROR_DIRECTORY, "The directory name is invalid."},
        {ERROR_SHARING_VIOLATION,
         "The process cannot access the file because it is being used by another process."},
        {ERROR_FILE_EXISTS, "The file exists."},
        {ERROR_INVALID_PARAMETER, "The parameter is incorrect."},
        {ERROR_INSUFFICIENT_BUFFER, "The data area passed to a system call is too small."},
        {ERROR_INVALID_NAME, "The filename, directory name, or volume label syntax is incorrect."},
        {ERROR_ALREADY_EXISTS, "Cannot create a file when that file already exists."},
        {ERROR_INVALID_WINDOW_HANDLE, "Invalid window handle."},
        {ERROR_INVALID_MENU_HANDLE, "Invalid menu handle."},
        {ERROR_CANNOT_FIND_WND_CLASS, "Cannot find window class."},
        {ERROR_CLASS_ALREADY_EXISTS, "Class already exists."},
        {ERROR_CLASS_DOES_NOT_EXIST, "Class does not exist."},
        {ERROR_INVALID_INDEX, "Invalid index."},
        {ERROR_POPUP_ALREADY_ACTIVE, "Popup menu already active."},
        {ERROR_DC_NOT_FOUND, "Invalid device context (DC) handle."},
        {ERROR_NO_SYSTEM_RESOURCES, "Insufficient system resources exist to complete the requested service."},
        {ERROR_INVALID_PIXEL_FORMAT, "The pixel format is invalid."},
        {ERROR_INVALID_BITMAP, "The specified bitmap is invalid."},
    };
    auto it = texts.find(code);
    return it == texts.end() ? std::string() : std::string(it->second);
}

namespace {

// No error.
const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { SetLastError(ERROR_SUCCESS); });

} // namespace

} // namespace win
