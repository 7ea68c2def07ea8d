// Fitting a picture to a size in text: how many cells across and lines down the settings ask for, and the
// picture resampled to them in linear light (shrinking averages the pixels each cell covers, enlarging
// interpolates between them).
#pragma once

#include "app/tone/ConversionSettings.h"
#include "app/tone/GreyImage.h"

namespace gl::tone {

struct CellGrid {
    int cells = 0; // across
    int lines = 0; // down
};

// The grid for a picture of the given size whose cells are `cellColumns` columns wide (the glyph string's
// display width, at least 1). Without a size in the settings: one cell per pixel.
CellGrid FitGrid(int pictureWidth, int pictureHeight, const ConversionSettings& settings, int cellColumns);

// The picture itself when it already has that size.
GreyImage Resample(GreyImage picture, int width, int height);

} // namespace gl::tone
