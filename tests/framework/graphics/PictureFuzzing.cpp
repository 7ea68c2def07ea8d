// The readers of picture data, driven by one input each.
#include "PictureFuzzing.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"
#include "framework/graphics/GraphicsPicture.h"

#include <string>
#include <vector>

namespace gl::picturefuzz {

namespace {

// Pictures small enough to read back pixel by pixel.
constexpr long kMaxPixelsToScan = 1 << 16;

template <class F> bool Try(F&& run) {
    try {
        run();
        return true;
    } catch (const Exception&) {
        return false;
    }
}

bool SmallEnoughToScan(TBitmap& bitmap) {
    return static_cast<long>(bitmap.Width()) * bitmap.Height() <= kMaxPixelsToScan;
}

// Every pixel with a ring of one pixel outside, row by row from the top.
std::vector<TColor> ScanPixels(TBitmap& bitmap) {
    std::vector<TColor> pixels;
    for (int y = -1; y <= bitmap.Height(); ++y)
        for (int x = -1; x <= bitmap.Width(); ++x) pixels.push_back(bitmap.Canvas().Pixels(x, y));
    return pixels;
}

// Reads every pixel, reduces the picture to black and white as the program does, and saves it.
bool UseBitmap(TBitmap& bitmap, std::vector<TColor>& pixels, std::string& saved) {
    return Try([&] {
        if (SmallEnoughToScan(bitmap)) {
            pixels = ScanPixels(bitmap);
            TBitmap target;
            target.SetWidth(bitmap.Width());
            target.SetHeight(bitmap.Height());
            target.SetPixelFormat(pf1bit);
            target.Canvas().Draw(0, 0, &bitmap);
        }
        TStringStream out;
        bitmap.SaveToStream(out);
        saved = out.DataString();
    });
}

} // namespace

PictureExercise ExercisePictureReaders(std::string_view data) {
    const std::string bytes(data);
    PictureExercise result;

    TBitmap bitmap;
    result.bitmapRead = Try([&] {
        TStringStream stream(bytes);
        bitmap.LoadFromStream(stream);
    });
    std::string saved;
    std::vector<TColor> pixels;
    result.saved = result.bitmapRead && UseBitmap(bitmap, pixels, saved);
    if (result.saved) {
        TBitmap again;
        result.savedReadsBack = Try([&] {
                                    TStringStream stream(saved);
                                    again.LoadFromStream(stream);
                                }) &&
                                again.Width() == bitmap.Width() && again.Height() == bitmap.Height();
        if (result.savedReadsBack)
            Try([&] { result.savedPixelsMatch = !SmallEnoughToScan(again) || ScanPixels(again) == pixels; });
    }

    // The same bytes as a bitmap's stored data (its length first) and as a stored picture.
    Try([&] {
        TStringStream stream(bytes);
        TBitmap stored;
        stored.ReadData(stream);
    });
    Try([&] {
        TStringStream stream(bytes);
        TPicture picture;
        picture.ReadData(stream);
    });

    Try([&] {
        TStringStream stream(bytes);
        TIcon icon;
        icon.LoadFromStream(stream);
        TBitmap target;
        target.SetWidth(8);
        target.SetHeight(8);
        target.Canvas().Draw(0, 0, &icon);
    });
    Try([&] {
        TStringStream stream(bytes);
        TMetafile metafile;
        metafile.LoadFromStream(stream);
        metafile.Width();
    });
    return result;
}

} // namespace gl::picturefuzz
