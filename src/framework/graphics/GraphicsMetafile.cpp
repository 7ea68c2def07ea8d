// TMetafile: checking and keeping enhanced and placeable metafiles, their size, and sharing.
#include "framework/graphics/GraphicsMetafile.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/Streams.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Screen.h"
#include "platform/metafiles/Metafiles.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace gl {

namespace {

constexpr std::uint32_t kEnhancedHeaderProbe = 100;
constexpr std::uint32_t kEnhancedRecordType = 1;         // EMR_HEADER
constexpr std::uint32_t kEnhancedSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kEnhancedHeaderMinimum = 88;
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kMetaHeaderSize = 18;

[[noreturn]] void InvalidMetafile() {
    InvalidGraphic(msg::SInvalidMetafile);
}

std::uint32_t U16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8);
}

std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | (U16(p + 2) << 16);
}

std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

std::int32_t I16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(U16(p));
}

// a * b / c rounded to the nearest, as the platform's MulDiv; kept within the range of int.
int MulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
    if (c == 0) return 0;
    const double result =
        std::round(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c));
    return static_cast<int>(std::clamp(result, double(INT32_MIN), double(INT32_MAX)));
}

std::uint32_t PlaceableChecksum(const std::uint8_t* header) {
    std::uint32_t sum = 0;
    for (int i = 0; i < 10; ++i) sum ^= U16(header + 2 * i);
    return sum;
}

void PutU16(std::uint8_t* p, std::uint32_t value) {
    p[0] = static_cast<std::uint8_t>(value & 0xFF);
    p[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

void PutU32(std::uint8_t* p, std::uint32_t value) {
    PutU16(p, value & 0xFFFF);
    PutU16(p + 2, value >> 16);
}

// A record of the old style that sets the window's origin (0x020B) or extent (0x020C).
void AppendWindowRecord(std::vector<std::uint8_t>& out, std::uint32_t function, int x, int y) {
    std::uint8_t record[10];
    PutU32(record, 5);
    PutU16(record + 4, function);
    PutU16(record + 6, static_cast<std::uint32_t>(y));
    PutU16(record + 8, static_cast<std::uint32_t>(x));
    out.insert(out.end(), record, record + sizeof record);
}

// The old-style metafile with the placeable header's bounding box as its window, set ahead of its records
// so that a window the metafile sets itself still wins.
std::vector<std::uint8_t> WithPlaceableWindow(const std::vector<std::uint8_t>& data,
                                              const std::vector<std::uint8_t>& header) {
    const std::uint8_t* h = header.data();
    const std::size_t headerBytes = std::size_t(U16(data.data() + 2)) * 2;
    std::vector<std::uint8_t> out(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(headerBytes));
    AppendWindowRecord(out, 0x020B, I16(h + 6), I16(h + 8));
    AppendWindowRecord(out, 0x020C, I16(h + 10) - I16(h + 6), I16(h + 12) - I16(h + 8));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(headerBytes), data.end());
    PutU32(out.data() + 6, U32(out.data() + 6) + 10);
    return out;
}

} // namespace

TMetafileImage::~TMetafileImage() {
    if (m_handle) win::DeleteEnhMetaFile(m_handle);
}

void TMetafileImage::FreeHandle() {
    if (m_handle) win::DeleteEnhMetaFile(m_handle);
    m_handle = nullptr;
    m_data.clear();
}

win::HENHMETAFILE TMetafileImage::Handle() {
    if (m_handle || m_data.empty()) return m_handle;
    if (m_enhanced) {
        m_handle = win::SetEnhMetaFileBits(static_cast<win::UINT>(m_data.size()), m_data.data());
    } else {
        const std::vector<std::uint8_t> records = WithPlaceableWindow(m_data, m_header);
        win::METAFILEPICT picture;
        picture.mm = win::MM_ANISOTROPIC;
        picture.xExt = m_mmWidth;
        picture.yExt = m_mmHeight;
        m_handle = win::SetWinMetaFileBits(static_cast<win::UINT>(records.size()), records.data(), nullptr,
                                           &picture);
    }
    return m_handle;
}

TGraphicClass TMetafile::StaticClass() {
    static const TGraphicClassInfo info{
        "TMetafile", TGraphic::StaticClass(),
        []() -> std::unique_ptr<TGraphic> { return std::make_unique<TMetafile>(); }};
    return &info;
}

TMetafile::TMetafile() {
    SwapImage(m_image, std::make_shared<TMetafileImage>());
    SetTransparentFlag(true);
}

TMetafile::~TMetafile() {
    SwapImage(m_image, {});
}

void TMetafile::NewImage(std::shared_ptr<TMetafileImage> image) {
    SwapImage(m_image, std::move(image));
}

TMetafileImage& TMetafile::UniqueImage() {
    if (m_image->RefCount() > 1) {
        auto copy = std::make_shared<TMetafileImage>();
        copy->m_data = m_image->m_data;
        copy->m_header = m_image->m_header;
        copy->m_enhanced = m_image->m_enhanced;
        copy->m_mmWidth = m_image->m_mmWidth;
        copy->m_mmHeight = m_image->m_mmHeight;
        copy->m_inch = m_image->m_inch;
        NewImage(std::move(copy));
    }
    return *m_image;
}

void TMetafile::Assign(const TPersistent* source) {
    const auto* metafile = dynamic_cast<const TMetafile*>(source);
    if (source && !metafile) {
        TGraphic::Assign(source);
        return;
    }
    if (metafile) {
        SwapImage(m_image, metafile->m_image);
        m_enhanced = metafile->m_enhanced;
    } else {
        NewImage(std::make_shared<TMetafileImage>());
        m_enhanced = true;
    }
    Changed(this);
}

void TMetafile::Draw(TCanvas& canvas, const TRect& rect) {
    const win::HENHMETAFILE handle = m_image->Handle();
    if (!handle) return;
    const win::RECT target{rect.left, rect.top, rect.right, rect.bottom};
    win::PlayEnhMetaFile(canvas.Handle(), handle, &target);
}

int TMetafile::Width() const {
    return MulDiv(m_image->m_mmWidth, win::ScreenDpi(), 2540);
}

int TMetafile::Height() const {
    return MulDiv(m_image->m_mmHeight, win::ScreenDpi(), 2540);
}

void TMetafile::SetWidth(int value) {
    const int mm = MulDiv(value, 2540, win::ScreenDpi());
    if (mm == m_image->m_mmWidth) return;
    TMetafileImage& image = UniqueImage();
    image.m_mmWidth = mm;
    if (image.m_header.size() == kPlaceableSize) {
        std::uint8_t* h = image.m_header.data();
        PutU16(h + 10, static_cast<std::uint32_t>(I16(h + 6) + MulDiv(mm, image.m_inch, 2540)));
        PutU16(h + 20, PlaceableChecksum(h));
    }
    Changed(this);
}

void TMetafile::SetHeight(int value) {
    const int mm = MulDiv(value, 2540, win::ScreenDpi());
    if (mm == m_image->m_mmHeight) return;
    TMetafileImage& image = UniqueImage();
    image.m_mmHeight = mm;
    if (image.m_header.size() == kPlaceableSize) {
        std::uint8_t* h = image.m_header.data();
        PutU16(h + 12, static_cast<std::uint32_t>(I16(h + 8) + MulDiv(mm, image.m_inch, 2540)));
        PutU16(h + 20, PlaceableChecksum(h));
    }
    Changed(this);
}

void TMetafile::SetEnhanced(bool value) {
    if (value == m_enhanced) return;
    m_enhanced = value;
    Changed(this);
}

void TMetafile::LoadFromStream(TStream& stream) {
    const std::int64_t rest = stream.Size() - stream.Position();
    std::uint8_t probe[kEnhancedHeaderProbe] = {};
    bool enhanced = false;
    if (rest > static_cast<std::int64_t>(kEnhancedHeaderProbe)) {
        stream.ReadBuffer(probe, kEnhancedHeaderProbe);
        stream.Seek(-static_cast<std::int64_t>(kEnhancedHeaderProbe), soCurrent);
        enhanced = U32(probe) == kEnhancedRecordType && U32(probe + 40) == kEnhancedSignature;
    }
    if (enhanced)
        ReadEnhanced(stream, probe);
    else
        ReadPlaceable(stream, rest);
    Changed(this);
}

void TMetafile::AcceptImage(std::shared_ptr<TMetafileImage> image) {
    // The platform has the last word on whether it can play the data.
    if (!image->Handle()) InvalidMetafile();
    NewImage(std::move(image));
}

void TMetafile::ReadEnhanced(TStream& stream, const std::uint8_t* header) {
    const std::uint32_t size = U32(header + 48);
    const std::int64_t rest = stream.Size() - stream.Position();
    if (static_cast<std::int64_t>(size) > rest) throw EReadError(msg::SReadError);
    const std::uint32_t headerSize = U32(header + 4);
    const std::int32_t left = I32(header + 24), top = I32(header + 28), right = I32(header + 32),
                       bottom = I32(header + 36);
    // What the platform would refuse: a header that is not whole, or a frame turned inside out.
    if (size < kEnhancedHeaderMinimum || headerSize < kEnhancedHeaderMinimum || headerSize > size ||
        right < left || bottom < top)
        InvalidMetafile();
    auto image = std::make_shared<TMetafileImage>();
    image->m_data.resize(size);
    stream.ReadBuffer(image->m_data.data(), size);
    image->m_enhanced = true;
    image->m_mmWidth = MulDiv(std::int64_t(right) - left, 1, 1);
    image->m_mmHeight = MulDiv(std::int64_t(bottom) - top, 1, 1);
    AcceptImage(std::move(image));
    m_enhanced = true;
}

void TMetafile::ReadPlaceable(TStream& stream, std::int64_t length) {
    std::uint8_t header[kPlaceableSize] = {};
    if (length < static_cast<std::int64_t>(kPlaceableSize + kMetaHeaderSize)) InvalidMetafile();
    stream.ReadBuffer(header, kPlaceableSize);
    if (U32(header) != kPlaceableKey || U16(header + 20) != PlaceableChecksum(header)) InvalidMetafile();
    const std::int64_t rest = length - static_cast<std::int64_t>(kPlaceableSize);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(rest));
    stream.ReadBuffer(data.data(), rest);
    // The old-style metafile's own header: type, header size in words, version, size in words.
    const std::uint32_t type = U16(data.data()), headerWords = U16(data.data() + 2),
                        version = U16(data.data() + 4);
    const std::uint64_t bytes = std::uint64_t(U32(data.data() + 6)) * 2;
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x100 && version != 0x300) ||
        bytes < kMetaHeaderSize || bytes > data.size())
        InvalidMetafile();
    auto image = std::make_shared<TMetafileImage>();
    image->m_header.assign(header, header + kPlaceableSize);
    image->m_data = std::move(data);
    image->m_enhanced = false;
    image->m_inch = U16(header + 14) != 0 ? static_cast<int>(U16(header + 14)) : 96;
    image->m_mmWidth = MulDiv(I16(header + 10) - I16(header + 6), 2540, image->m_inch);
    image->m_mmHeight = MulDiv(I16(header + 12) - I16(header + 8), 2540, image->m_inch);
    AcceptImage(std::move(image));
    m_enhanced = false;
}

void TMetafile::SaveToStream(TStream& stream) {
    const TMetafileImage& image = *m_image;
    if (image.m_data.empty()) return;
    if (!image.m_enhanced)
        stream.WriteBuffer(image.m_header.data(), static_cast<std::int64_t>(image.m_header.size()));
    stream.WriteBuffer(image.m_data.data(), static_cast<std::int64_t>(image.m_data.size()));
}

void TMetafile::LoadFromClipboardFormat(std::uint16_t, win::HANDLE, win::HPALETTE) {
    InvalidGraphic(msg::SUnknownClipboardFormat);
}

void TMetafile::SaveToClipboardFormat(std::uint16_t&, win::HANDLE&, win::HPALETTE&) {
    InvalidGraphic(msg::SUnknownClipboardFormat);
}

} // namespace gl
