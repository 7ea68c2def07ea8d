// The added picture kinds: loading through a decoder, the classes as values, their registration, and telling
// a picture's kind by its first bytes.
#include "app/formats/PictureFormats.h"

#include "app/formats/DibTarget.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsFormats.h"

#include <cstring>

namespace gl {

void TDecodedImage::LoadFromStream(TStream& stream) {
    const std::int64_t rest = stream.Size() - stream.Position();
    std::vector<std::uint8_t> data(rest > 0 ? static_cast<std::size_t>(rest) : 0);
    if (!data.empty()) stream.ReadBuffer(data.data(), static_cast<std::int64_t>(data.size()));
    TDibTarget target = Decode(data);
    // The bitmap takes the new image only now: a failed decode leaves the bitmap as it was.
    SetHandle(target.Release());
}

#define GL_DECODED_IMAGE_CLASS_INFO(Name)                                                                    \
    TGraphicClass Name::StaticClass() {                                                                      \
        static const TGraphicClassInfo info{                                                                 \
            #Name, TBitmap::StaticClass(),                                                                   \
            []() -> std::unique_ptr<TGraphic> { return std::make_unique<Name>(); }};                         \
        return &info;                                                                                        \
    }

GL_DECODED_IMAGE_CLASS_INFO(TPngImage)
GL_DECODED_IMAGE_CLASS_INFO(TJpegImage)
GL_DECODED_IMAGE_CLASS_INFO(TGifImage)
GL_DECODED_IMAGE_CLASS_INFO(TWebPImage)

#undef GL_DECODED_IMAGE_CLASS_INFO

namespace {

struct AddedFormat {
    const char* extension;
    const char* description;
    TGraphicClass (*graphicClass)();
};

// In registration order; the dialogs list the latest first.
constexpr AddedFormat kAddedFormats[] = {
    {"webp", "WebP images", &TWebPImage::StaticClass}, {"gif", "GIF images", &TGifImage::StaticClass},
    {"jpeg", "JPEG images", &TJpegImage::StaticClass}, {"jpg", "JPEG images", &TJpegImage::StaticClass},
    {"png", "PNG images", &TPngImage::StaticClass},
};

bool StartsWith(const std::uint8_t* data, std::size_t size, std::size_t at, const char* bytes,
                std::size_t count) {
    return size >= at + count && std::memcmp(data + at, bytes, count) == 0;
}

DecodeNeed& DecodeNeedHolder() {
    static DecodeNeed need;
    return need;
}

} // namespace

void SetDecodeNeed(DecodeNeed need) {
    DecodeNeedHolder() = std::move(need);
}

const DecodeNeed& CurrentDecodeNeed() {
    return DecodeNeedHolder();
}

void RegisterPictureFormats() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    for (const AddedFormat& f : kAddedFormats)
        GetFileFormats().Add(f.extension, f.description, 0, f.graphicClass());
}

std::string AddedPicturesFilter() {
    std::string masks;
    for (auto it = std::rbegin(kAddedFormats); it != std::rend(kAddedFormats); ++it)
        masks += (masks.empty() ? "*." : ";*.") + std::string(it->extension);
    return "Pictures (" + masks + ")|" + masks;
}

std::string SniffPictureExtension(const std::uint8_t* data, std::size_t size) {
    if (StartsWith(data, size, 0, "\x89PNG\r\n\x1a\n", 8)) return "png";
    if (StartsWith(data, size, 0, "\xFF\xD8\xFF", 3)) return "jpg";
    if (StartsWith(data, size, 0, "GIF87a", 6) || StartsWith(data, size, 0, "GIF89a", 6)) return "gif";
    if (StartsWith(data, size, 0, "RIFF", 4) && StartsWith(data, size, 8, "WEBP", 4)) return "webp";
    if (StartsWith(data, size, 0, "BM", 2)) return "bmp";
    if (StartsWith(data, size, 0, "\0\0\1\0", 4)) return "ico";
    if (StartsWith(data, size, 0, "\x01\0\0\0", 4) && StartsWith(data, size, 40, " EMF", 4)) return "emf";
    if (StartsWith(data, size, 0, "\xD7\xCD\xC6\x9A", 4)) return "wmf";
    return {};
}

} // namespace gl
