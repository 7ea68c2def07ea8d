// File streams on the platform's file handles.
#include "framework/core/FileStream.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FileNames.h"
#include "framework/core/Format.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "platform/system/Files.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <limits>

namespace gl {

namespace {

// The platform moves at most a 32-bit count per call.
constexpr std::int64_t kMaxTransfer = 0x7FFFFFFF;

win::HANDLE OpenHandle(const std::string& fileName, std::uint32_t mode) {
    static constexpr win::DWORD kShare[] = {0, 0, win::FILE_SHARE_READ, win::FILE_SHARE_WRITE,
                                            win::FILE_SHARE_READ | win::FILE_SHARE_WRITE};
    static constexpr win::DWORD kAccess[] = {win::GENERIC_READ, win::GENERIC_WRITE,
                                             win::GENERIC_READ | win::GENERIC_WRITE};
    const std::uint32_t shareIndex = (mode & 0xF0) >> 4;
    const win::DWORD share = shareIndex < 5 ? kShare[shareIndex] : 0;
    if ((mode & fmCreate) == fmCreate)
        return win::CreateFile(fileName.c_str(), win::GENERIC_READ | win::GENERIC_WRITE, share, nullptr,
                               win::CREATE_ALWAYS, win::FILE_ATTRIBUTE_NORMAL, nullptr);
    if ((mode & 3) > 2) {
        win::SetLastError(win::ERROR_INVALID_PARAMETER);
        return win::INVALID_HANDLE_VALUE;
    }
    return win::CreateFile(fileName.c_str(), kAccess[mode & 3], share, nullptr, win::OPEN_EXISTING,
                           win::FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

std::int64_t THandleStream::Read(void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    win::DWORD done = 0;
    if (!win::ReadFile(m_handle, buffer, static_cast<win::DWORD>(std::min(count, kMaxTransfer)), &done,
                       nullptr))
        return 0;
    return done;
}

std::int64_t THandleStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0) return 0;
    win::DWORD done = 0;
    win::WriteFile(m_handle, buffer, static_cast<win::DWORD>(std::min(count, kMaxTransfer)), &done, nullptr);
    return done;
}

std::int64_t THandleStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    win::LARGE_INTEGER distance, position;
    distance.QuadPart = offset;
    const win::DWORD method = origin == soBeginning ? win::FILE_BEGIN
                              : origin == soCurrent ? win::FILE_CURRENT
                                                    : win::FILE_END;
    if (!win::SetFilePointerEx(m_handle, distance, &position, method)) return -1;
    return position.QuadPart;
}

void THandleStream::SetSize(std::int64_t size) {
    Seek(size, soBeginning);
    Win32Check(win::SetEndOfFile(m_handle) != 0);
}

TFileStream::TFileStream(const std::string& fileName, std::uint32_t mode)
    : THandleStream(OpenHandle(fileName, mode)), m_fileName(fileName) {
    if (m_handle != win::INVALID_HANDLE_VALUE) return;
    const std::string reason = SysErrorMessage(win::GetLastError());
    if ((mode & fmCreate) == fmCreate)
        throw EFCreateError(Format(msg::SFCreateErrorEx, ExpandFileName(fileName), reason));
    throw EFOpenError(Format(msg::SFOpenErrorEx, ExpandFileName(fileName), reason));
}

TFileStream::~TFileStream() {
    if (m_handle != win::INVALID_HANDLE_VALUE) win::CloseHandle(m_handle);
}

} // namespace gl
