// Shared pieces of the picture tests.
#include "PictureTestSupport.h"

#include "platform/gdi/Palettes.h"

namespace gl::bmptest {

win::HPALETTE BlackWhitePalette() {
    struct {
        win::WORD version = 0x300;
        win::WORD count = 2;
        win::PALETTEENTRY entries[2] = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    } record;
    return win::CreatePalette(reinterpret_cast<const win::LOGPALETTE*>(&record));
}

void Reduce(TBitmap& source, TBitmap& target) {
    target.SetWidth(source.Width());
    target.SetHeight(source.Height());
    target.SetPixelFormat(pf1bit);
    target.SetPalette(BlackWhitePalette());
    target.Canvas().Draw(0, 0, &source);
}

std::string Rgb24File(int width, int height, const std::function<std::uint32_t(int x, int y)>& color,
                      bool topDown) {
    BmpSpec spec;
    spec.width = width;
    spec.height = topDown ? -height : height;
    spec.bitCount = 24;
    spec.pixels = PackRows(width, height, 24, topDown, [&](int x, int y) {
        const std::uint32_t c = color(x, y);
        return Bgr(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    });
    return MakeBmp(spec);
}

} // namespace gl::bmptest
