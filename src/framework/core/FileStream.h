// Streams over the platform's files. A file opened for reading with fmShareDenyWrite keeps other writers out
// while it is open; an open that fails raises EFOpenError "Cannot open file "%s". %s" (EFCreateError "Cannot
// create file "%s". %s" for fmCreate) with the full path and the platform's text for the error.
#pragma once

#include "framework/core/Streams.h"

#include <cstdint>
#include <string>

namespace gl {

// Open modes: one access mode or'ed with one share mode; fmCreate makes (or empties) the file.
constexpr std::uint32_t fmOpenRead = 0x0000;
constexpr std::uint32_t fmOpenWrite = 0x0001;
constexpr std::uint32_t fmOpenReadWrite = 0x0002;
constexpr std::uint32_t fmShareCompat = 0x0000;
constexpr std::uint32_t fmShareExclusive = 0x0010;
constexpr std::uint32_t fmShareDenyWrite = 0x0020;
constexpr std::uint32_t fmShareDenyRead = 0x0030;
constexpr std::uint32_t fmShareDenyNone = 0x0040;
constexpr std::uint32_t fmCreate = 0xFF00;

// A stream over an open platform file handle, which it does not close.
class THandleStream : public TStream {
public:
    explicit THandleStream(void* handle) : m_handle(handle) {}
    std::string ClassName() const override { return "THandleStream"; }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    void SetSize(std::int64_t size) override;
    void* Handle() const { return m_handle; }

protected:
    void* m_handle;
};

class TFileStream : public THandleStream {
public:
    TFileStream(const std::string& fileName, std::uint32_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;
    std::string ClassName() const override { return "TFileStream"; }
    const std::string& FileName() const { return m_fileName; }

private:
    std::string m_fileName;
};

} // namespace gl
