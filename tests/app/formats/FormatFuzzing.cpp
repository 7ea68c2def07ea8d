// The added picture readers on arbitrary bytes, through the classes the program registers.
#include "FormatFuzzing.h"

#include "app/formats/DibTarget.h"
#include "app/formats/PictureFormats.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

#include <memory>

namespace gl::formatfuzz {

namespace {

std::unique_ptr<TBitmap> Make(Reader reader) {
    switch (reader) {
    case Reader::Png:
        return std::make_unique<TPngImage>();
    case Reader::Jpeg:
        return std::make_unique<TJpegImage>();
    case Reader::Gif:
        return std::make_unique<TGifImage>();
    case Reader::WebP:
        break;
    }
    return std::make_unique<TWebPImage>();
}

} // namespace

bool ExerciseReader(Reader reader, std::string_view bytes) {
    // Four million pixels: enough for every seed, small enough that a few bytes cannot ask for minutes.
    SetMaxPicturePixels(std::uint64_t(1) << 22);
    std::unique_ptr<TBitmap> picture = Make(reader);
    bool loaded = false;
    try {
        TStringStream stream{std::string(bytes)};
        picture->LoadFromStream(stream);
        loaded = picture->Width() > 0 && picture->Height() > 0 && picture->Canvas().Pixels(0, 0) != clNone;
    } catch (const Exception&) {
        loaded = false;
    }
    SetMaxPicturePixels(kDefaultMaxPicturePixels);
    return loaded;
}

} // namespace gl::formatfuzz
