// The conversion settings at work: the current picture or the banner read as grey levels, fitted to the size
// the settings ask for and toned to black and white, one pixel per cell, for the scan.
#include "app/Unit1.h"

#include "app/formats/DibTarget.h"
#include "app/tone/DisplayWidth.h"
#include "app/tone/Fit.h"
#include "app/tone/Tone.h"
#include "components/RzEdit.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"

#include <cstring>
#include <utility>
#include <vector>

namespace gl {

namespace {

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

std::unique_ptr<TBitmap> TF_main::Fitted(TBitmap& source) const {
    tone::GreyImage picture = ReadGrey(source);
    const tone::CellGrid grid =
        tone::FitGrid(picture.width, picture.height, m_conversion, tone::DisplayWidth(RzEdit2->Text()));
    auto fitted = std::make_unique<TBitmap>();
    if (grid.cells == 0 || grid.lines == 0) return fitted;
    // Made before the resampling, so that a grid too large for any picture is refused before its levels are.
    TDibTarget target("Fitted", grid.cells, grid.lines);
    const std::vector<std::uint8_t> dark =
        tone::ToneMap(tone::Resample(std::move(picture), grid.cells, grid.lines), m_conversion);
    // The cells straight into the bitmap's rows: black or white, three bytes each.
    for (int y = 0; y < grid.lines; ++y) {
        std::uint8_t* row = target.Row(y);
        const std::uint8_t* cells = dark.data() + static_cast<std::size_t>(y) * grid.cells;
        for (int x = 0; x < grid.cells; ++x) std::memset(row + 3 * x, cells[x] ? 0 : 255, 3);
    }
    fitted->SetHandle(target.Release());
    return fitted;
}

} // namespace gl
