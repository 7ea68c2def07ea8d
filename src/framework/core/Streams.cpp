// The stream base and the memory streams.
#include "framework/core/Streams.h"

#include "framework/core/Exceptions.h"
#include "framework/core/FileStream.h"
#include "framework/core/MessageTexts.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace gl {

namespace {
// The framework's streams count in 32-bit sizes; a memory stream never grows past this.
constexpr std::int64_t kMaxMemoryStreamSize = 0x7FFFFFFF;
// The chunk in which CopyFrom moves data.
constexpr std::int64_t kCopyChunk = 0xF000;
} // namespace

std::int64_t TStream::Size() {
    const std::int64_t position = Seek(0, soCurrent);
    const std::int64_t size = Seek(0, soEnd);
    Seek(position, soBeginning);
    return size;
}

void TStream::ReadBuffer(void* buffer, std::int64_t count) {
    if (count != 0 && Read(buffer, count) != count) throw EReadError(msg::SReadError);
}

void TStream::WriteBuffer(const void* buffer, std::int64_t count) {
    if (count != 0 && Write(buffer, count) != count) throw EWriteError(msg::SWriteError);
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const std::int64_t total = count;
    std::vector<std::uint8_t> chunk(static_cast<std::size_t>(std::clamp<std::int64_t>(count, 1, kCopyChunk)));
    while (count > 0) {
        const std::int64_t n = std::min<std::int64_t>(count, kCopyChunk);
        source.ReadBuffer(chunk.data(), n);
        WriteBuffer(chunk.data(), n);
        count -= n;
    }
    return total;
}

std::int64_t TMemoryStream::Read(void* buffer, std::int64_t count) {
    if (count <= 0 || m_position < 0 || m_position >= Size()) return 0;
    const std::int64_t n = std::min(count, Size() - m_position);
    std::memcpy(buffer, m_data.data() + m_position, static_cast<std::size_t>(n));
    m_position += n;
    return n;
}

std::int64_t TMemoryStream::Write(const void* buffer, std::int64_t count) {
    if (count <= 0 || m_position < 0) return 0;
    if (m_position > kMaxMemoryStreamSize || count > kMaxMemoryStreamSize)
        throw EStreamError(msg::SMemoryStreamError);
    const std::int64_t end = m_position + count;
    if (end > Size()) SetSize(end);
    std::memcpy(m_data.data() + m_position, buffer, static_cast<std::size_t>(count));
    m_position = end;
    return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
    const std::int64_t base = origin == soCurrent ? m_position : origin == soEnd ? Size() : 0;
    if (__builtin_add_overflow(base, offset, &m_position))
        m_position = offset < 0 ? INT64_MIN : INT64_MAX; // far outside either way: reads give nothing
    return m_position;
}

void TMemoryStream::SetSize(std::int64_t size) {
    if (size < 0 || size > kMaxMemoryStreamSize) throw EStreamError(msg::SMemoryStreamError);
    try {
        m_data.resize(static_cast<std::size_t>(size));
    } catch (const std::bad_alloc&) {
        throw EStreamError(msg::SMemoryStreamError);
    }
    if (m_position > size) m_position = size;
}

void TMemoryStream::Clear() {
    m_data.clear();
    m_data.shrink_to_fit();
    m_position = 0;
}

void TMemoryStream::LoadFromStream(TStream& stream) {
    stream.SetPosition(0);
    const std::int64_t size = stream.Size();
    SetSize(size);
    if (size != 0) stream.ReadBuffer(m_data.data(), size);
    m_position = 0;
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& stream) {
    if (!m_data.empty()) stream.WriteBuffer(m_data.data(), Size());
}

void TMemoryStream::SaveToFile(const std::string& fileName) {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

TStringStream::TStringStream(const std::string& data) {
    if (!data.empty()) WriteBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    SetPosition(0);
}

std::string TStringStream::DataString() const {
    const auto* data = reinterpret_cast<const char*>(Memory());
    return std::string(data, data + DataSize());
}

std::string TStringStream::ReadString(std::int64_t count) {
    const std::int64_t n = std::clamp<std::int64_t>(count, 0, std::max<std::int64_t>(0, Size() - Position()));
    std::string text(static_cast<std::size_t>(n), '\0');
    text.resize(static_cast<std::size_t>(Read(text.data(), n)));
    return text;
}

void TStringStream::WriteString(const std::string& text) {
    WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

} // namespace gl
