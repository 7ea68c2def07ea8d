// Exceptions for platform failures, and Abort.
#include "framework/core/OSErrors.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "platform/system/LastError.h"

namespace gl {

void Abort() {
    throw EAbort(msg::SOperationAborted);
}

std::string SysErrorMessage(std::uint32_t errorCode) {
    std::string text = win::ErrorMessageText(errorCode);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= ' ' || text.back() == '.'))
        text.pop_back();
    return text;
}

void RaiseLastOSError() {
    RaiseLastOSError(win::GetLastError());
}

void RaiseLastOSError(std::uint32_t errorCode) {
    if (errorCode == 0) throw EOSError(msg::SUnkOSError, 0);
    throw EOSError(Format(msg::SOSError, static_cast<int>(errorCode), SysErrorMessage(errorCode)), errorCode);
}

bool Win32Check(bool succeeded) {
    if (!succeeded) RaiseLastOSError();
    return true;
}

void OutOfResources() {
    throw EOutOfResources(msg::SOutOfResources);
}

void GDIError() {
    const std::uint32_t code = win::GetLastError();
    const std::string text = code != 0 ? win::ErrorMessageText(code) : std::string();
    if (text.empty()) OutOfResources();
    throw EOutOfResources(text);
}

} // namespace gl
