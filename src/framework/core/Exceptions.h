// The framework's exception classes. Each carries a message from the message table; the application's handler
// shows it in the error box, except for EAbort, which cancels silently.
#pragma once

#include "framework/core/Object.h"

#include <cstdint>
#include <exception>
#include <string>

namespace gl {

class Exception : public TObject, public std::exception {
public:
    explicit Exception(std::string message) : m_message(std::move(message)) {}
    std::string ClassName() const override { return "Exception"; }
    const std::string& Message() const { return m_message; }
    void SetMessage(std::string message) { m_message = std::move(message); }
    const char* what() const noexcept override { return m_message.c_str(); }

private:
    std::string m_message;
};

// Declares an exception class that only differs from its base by its name.
#define GL_EXCEPTION_CLASS(Name, Base)                                                                       \
    class Name : public Base {                                                                               \
    public:                                                                                                  \
        using Base::Base;                                                                                    \
        std::string ClassName() const override { return #Name; }                                             \
    }

GL_EXCEPTION_CLASS(EAbort, Exception);
GL_EXCEPTION_CLASS(EHeapException, Exception);
GL_EXCEPTION_CLASS(EOutOfMemory, EHeapException);
GL_EXCEPTION_CLASS(EOutOfResources, EOutOfMemory);
GL_EXCEPTION_CLASS(EInvalidPointer, EHeapException);
GL_EXCEPTION_CLASS(EConvertError, Exception);
GL_EXCEPTION_CLASS(EInvalidCast, Exception);
GL_EXCEPTION_CLASS(EStreamError, Exception);
GL_EXCEPTION_CLASS(EFCreateError, EStreamError);
GL_EXCEPTION_CLASS(EFOpenError, EStreamError);
GL_EXCEPTION_CLASS(EFilerError, EStreamError);
GL_EXCEPTION_CLASS(EReadError, EFilerError);
GL_EXCEPTION_CLASS(EWriteError, EFilerError);
GL_EXCEPTION_CLASS(EClassNotFound, EFilerError);
GL_EXCEPTION_CLASS(EInvalidImage, EFilerError);
GL_EXCEPTION_CLASS(EResNotFound, Exception);
GL_EXCEPTION_CLASS(EListError, Exception);
GL_EXCEPTION_CLASS(EStringListError, Exception);
GL_EXCEPTION_CLASS(EComponentError, Exception);
GL_EXCEPTION_CLASS(EParserError, Exception);
GL_EXCEPTION_CLASS(EPropertyError, Exception);
GL_EXCEPTION_CLASS(EInvalidOperation, Exception);
GL_EXCEPTION_CLASS(EInvalidGraphic, Exception);
GL_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception);

#undef GL_EXCEPTION_CLASS

// A failed platform call, with the platform's error code.
class EOSError : public Exception {
public:
    EOSError(std::string message, std::uint32_t errorCode)
        : Exception(std::move(message)), m_errorCode(errorCode) {}
    std::string ClassName() const override { return "EOSError"; }
    std::uint32_t ErrorCode() const { return m_errorCode; }

private:
    std::uint32_t m_errorCode;
};

// Cancels the current operation without a message.
[[noreturn]] void Abort();

} // namespace gl
