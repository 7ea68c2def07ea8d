// Streams: the abstract byte stream with its checked whole-buffer reads and writes, and the memory and string
// streams. A short read through ReadBuffer raises EReadError "Stream read error"; a short write through
// WriteBuffer raises EWriteError "Stream write error".
#pragma once

#include "framework/core/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gl {

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    std::string ClassName() const override { return "TStream"; }

    // Read and Write move at most count bytes and return how many moved (0 for a count of 0 or below).
    virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
    virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
    // Returns the new position.
    virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

    std::int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(std::int64_t position) { Seek(position, soBeginning); }
    virtual std::int64_t Size();
    virtual void SetSize(std::int64_t) {}

    void ReadBuffer(void* buffer, std::int64_t count);
    void WriteBuffer(const void* buffer, std::int64_t count);
    // Copies count bytes from source's position; count 0 copies the whole source from its start.
    std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A stream over a block of memory that it owns and grows as it is written.
class TMemoryStream : public TStream {
public:
    std::string ClassName() const override { return "TMemoryStream"; }

    std::int64_t Read(void* buffer, std::int64_t count) override;
    std::int64_t Write(const void* buffer, std::int64_t count) override;
    std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
    std::int64_t Size() override { return static_cast<std::int64_t>(m_data.size()); }
    // New bytes are zero. Sizes beyond 2 GB raise EStreamError "Out of memory while expanding memory stream".
    void SetSize(std::int64_t size) override;

    const std::uint8_t* Memory() const { return m_data.data(); }
    std::uint8_t* Memory() { return m_data.data(); }
    std::size_t DataSize() const { return m_data.size(); }
    void Clear();
    // Replaces the contents with the whole of the stream (from its start) or file; the position goes to 0.
    void LoadFromStream(TStream& stream);
    void LoadFromFile(const std::string& fileName);
    void SaveToStream(TStream& stream);
    void SaveToFile(const std::string& fileName);

private:
    std::vector<std::uint8_t> m_data;
    std::int64_t m_position = 0;
};

// A memory stream whose contents are a string.
class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const std::string& data = std::string());
    std::string ClassName() const override { return "TStringStream"; }
    std::string DataString() const;
    std::string ReadString(std::int64_t count);
    void WriteString(const std::string& text);
};

} // namespace gl
