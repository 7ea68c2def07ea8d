// The conversion settings at work: the current picture or the banner read as grey levels, fitted to the size
// the settings ask for and toned to black and white, one pixel per cell, for the scan.
#include "app/Unit1.h"

#include "app/tone/DisplayWidth.h"
#include "app/tone/Fit.h"
#include "app/tone/Tone.h"
#include "components/RzEdit.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/graphics/GraphicsPalettes.h"

#include <vector>

namespace gl {

namespace {

// The two-colour palette of the reduction: black, then white.
constexpr win::PALETTEENTRY kBlackWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

tone::GreyImage ReadGrey(TBitmap& source) {
    tone::GreyImage picture(source.Width(), source.Height());
    std::vector<win::COLORREF> row(static_cast<std::size_t>(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        source.Canvas().ReadPixelRow(0, y, row);
        for (int x = 0; x < picture.width; ++x) {
            const win::COLORREF colour = row[static_cast<std::size_t>(x)];
            picture.At(x, y) =
                tone::LinearGrey(win::GetRValue(colour), win::GetGValue(colour), win::GetBValue(colour));
        }
    }
    return picture;
}

} // namespace

std::unique_ptr<TBitmap> TF_main::BlackAndWhite(int width, int height) {
    // One bit deep before it gets its size: made the other way round, it would first be a full-colour picture
    // of the same size, filled white only to be converted (a large picture's time and memory for nothing).
    // Either way it ends all white with a black, white colour table.
    auto target = std::make_unique<TBitmap>();
    target->SetPixelFormat(pf1bit);
    target->SetWidth(width);
    target->SetHeight(height);
    target->SetPalette(CreatePaletteOf(kBlackWhite));
    return target;
}

std::unique_ptr<TBitmap> TF_main::Fitted(TBitmap& source) const {
    const tone::GreyImage picture = ReadGrey(source);
    const tone::CellGrid grid =
        tone::FitGrid(picture.width, picture.height, m_conversion, tone::DisplayWidth(RzEdit2->Text()));
    const std::vector<std::uint8_t> dark =
        tone::ToneMap(tone::Resample(picture, grid.cells, grid.lines), m_conversion);
    auto target = BlackAndWhite(grid.cells, grid.lines);
    for (int y = 0; y < grid.lines; ++y)
        for (int x = 0; x < grid.cells; ++x)
            if (dark[static_cast<std::size_t>(y) * grid.cells + x]) target->Canvas().SetPixels(x, y, clBlack);
    return target;
}

} // namespace gl
