// WebP through libwebp: lossy and lossless pictures, their alpha over white. An animation's frames need the
// library's demuxer and are refused as not valid.
#include "app/formats/DibTarget.h"
#include "app/formats/PictureFormats.h"

#include <webp/decode.h>

namespace gl {

namespace {

constexpr const char* kKind = "WebP";
// Lossy blocks can be skipped for a fraction of a bit, lossless runs copy up to 4,096 pixels a code.
constexpr std::uint64_t kPixelsPerByte = std::uint64_t(1) << 16;

} // namespace

TDibTarget TWebPImage::Decode(const std::vector<std::uint8_t>& data) {
    WebPBitstreamFeatures features;
    if (data.empty() || WebPGetFeatures(data.data(), data.size(), &features) != VP8_STATUS_OK)
        InvalidPicture(kKind);
    CheckPictureBacked(kKind, features.width > 0 ? static_cast<std::uint64_t>(features.width) : 0,
                       features.height > 0 ? static_cast<std::uint64_t>(features.height) : 0, data.size(),
                       kPixelsPerByte);
    TDibTarget target(kKind, features.width, features.height);
    const std::size_t bytes =
        static_cast<std::size_t>(target.Stride()) * static_cast<std::size_t>(target.Height());
    if (!features.has_alpha) {
        if (!WebPDecodeBGRInto(data.data(), data.size(), target.Row(0), bytes, target.Stride()))
            InvalidPicture(kKind);
        return target;
    }
    const int stride = features.width * 4;
    std::vector<std::uint8_t> bgra(static_cast<std::size_t>(stride) *
                                   static_cast<std::size_t>(features.height));
    if (!WebPDecodeBGRAInto(data.data(), data.size(), bgra.data(), bgra.size(), stride))
        InvalidPicture(kKind);
    for (int y = 0; y < features.height; ++y)
        ComposeOverWhite(bgra.data() + static_cast<std::size_t>(y) * stride, target.Row(y), features.width);
    return target;
}

} // namespace gl
