// The picture kinds the program reads besides the framework's own (PNG, JPEG, GIF, WebP): each a bitmap that
// decodes its file into 24-bit pixels when loaded, so that everything done to a bitmap works on it unchanged.
#pragma once

#include "framework/graphics/GraphicsBitmap.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace gl {

class TDibTarget;

// A bitmap read through a picture library. Loading takes the whole rest of the stream; what the bitmap keeps
// and writes back is its decoded pixels (a bitmap file).
class TDecodedImage : public TBitmap {
public:
    void LoadFromStream(TStream& stream) override;

protected:
    // Decodes the file's bytes into a new bitmap; raises EInvalidGraphic with the kind's message when the
    // data does not hold together or the picture is too large.
    virtual TDibTarget Decode(const std::vector<std::uint8_t>& data) = 0;
};

#define GL_DECODED_IMAGE_CLASS(Name)                                                                         \
    class Name final : public TDecodedImage {                                                                \
    public:                                                                                                  \
        std::string ClassName() const override { return #Name; }                                             \
        static TGraphicClass StaticClass();                                                                  \
        TGraphicClass GraphicClass() const override { return StaticClass(); }                                \
                                                                                                             \
    protected:                                                                                               \
        TDibTarget Decode(const std::vector<std::uint8_t>& data) override;                                   \
    }

GL_DECODED_IMAGE_CLASS(TPngImage);
GL_DECODED_IMAGE_CLASS(TJpegImage);
GL_DECODED_IMAGE_CLASS(TGifImage);
GL_DECODED_IMAGE_CLASS(TWebPImage);

#undef GL_DECODED_IMAGE_CLASS

// The smallest upright size (width, height) that a picture of the given upright size must keep for what it is
// read for. A kind whose library scales while decoding (JPEG: by 1/2, 1/4 or 1/8) decodes no larger than that
// asks; unset, every picture is read whole.
using DecodeNeed = std::function<std::pair<int, int>(int width, int height)>;
void SetDecodeNeed(DecodeNeed need);
const DecodeNeed& CurrentDecodeNeed();

// Adds png, jpg, jpeg, gif and webp to the process's file-format registry; later calls do nothing.
void RegisterPictureFormats();

// The import dialog's pair for the added kinds: "Pictures (*.png;...)|*.png;...".
std::string AddedPicturesFilter();

// The kind of a picture told by its first bytes: "bmp", "png", "jpg", "gif", "webp", "ico", "emf", "wmf", or
// empty when none matches.
std::string SniffPictureExtension(const std::uint8_t* data, std::size_t size);

} // namespace gl
