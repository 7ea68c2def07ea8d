// Turning platform failures into exceptions: the platform's text for an error code, EOSError for a failed
// call, and EOutOfResources for drawing objects that could not be made.
#pragma once

#include <cstdint>
#include <string>

namespace gl {

// The platform's text for an error code, without trailing blanks, line breaks or full stop (the error box
// adds the stop back). Empty for a code the platform has no text for.
std::string SysErrorMessage(std::uint32_t errorCode);

// EOSError "System Error.  Code: %d.\r\n%s" for the code (the last error when none is given); with code 0,
// "A call to an OS function failed".
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(std::uint32_t errorCode);
// Raises the last error when the call failed.
bool Win32Check(bool succeeded);

// EOutOfResources "Out of system resources".
[[noreturn]] void OutOfResources();
// EOutOfResources with the platform's text for the last error, or "Out of system resources" when there is no
// error code or no text for it.
[[noreturn]] void GDIError();
// Passes a made handle through; raises GDIError when it is null.
template <class Handle> Handle GDICheck(Handle value) {
    if (!value) GDIError();
    return value;
}

} // namespace gl
