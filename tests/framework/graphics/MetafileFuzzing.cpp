// Metafiles loaded and played into bitmaps: at their own size, stretched past the bitmap's edges and
// mirrored.
#include "MetafileFuzzing.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <algorithm>
#include <string>

namespace gl::metafilefuzz {

namespace {

constexpr int kLargest = 64;
constexpr TColor kWhite = 0xFFFFFF;

} // namespace

MetafileExercise ExerciseMetafilePlayer(std::string_view data) {
    MetafileExercise result;
    TMetafile metafile;
    try {
        TStringStream stream(std::string{data});
        metafile.LoadFromStream(stream);
    } catch (const Exception&) {
        return result;
    }
    result.loaded = true;
    const int width = std::clamp(metafile.Width(), 1, kLargest),
              height = std::clamp(metafile.Height(), 1, kLargest);
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetWidth(width);
    bitmap.SetHeight(height);
    bitmap.Canvas().Brush().SetColor(kWhite);
    bitmap.Canvas().FillRect(TRect{0, 0, width, height});
    bitmap.Canvas().StretchDraw(TRect{0, 0, width, height}, &metafile);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) result.marked += bitmap.Canvas().Pixels(x, y) != kWhite ? 1 : 0;
    bitmap.Canvas().StretchDraw(TRect{-20, -10, width * 3, 5}, &metafile);
    bitmap.Canvas().StretchDraw(TRect{width, height, 0, 0}, &metafile);
    return result;
}

} // namespace gl::metafilefuzz
