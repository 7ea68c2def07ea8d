// The grid a size asks for, and resampling in linear light, one axis at a time.
#include "app/tone/Fit.h"

#include <algorithm>
#include <cmath>

namespace gl::tone {

namespace {

int AtLeastOne(double value) {
    return std::max(1, static_cast<int>(std::lround(value)));
}

// One line of `count` levels, `stride` apart from `from`, resampled to `size` levels: each output level is
// the average of the input it covers when shrinking, and interpolated between the two nearest when enlarging.
void ResampleLine(const float* from, int count, std::ptrdiff_t stride, float* to, int size,
                  std::ptrdiff_t toStride) {
    const double scale = static_cast<double>(count) / size;
    for (int i = 0; i < size; ++i) {
        double sum = 0;
        if (scale > 1.0) {
            const double start = i * scale;
            const double end = start + scale;
            for (int k = static_cast<int>(start); k < count && k < end; ++k) {
                const double covered = std::min<double>(k + 1, end) - std::max<double>(k, start);
                sum += covered * from[k * stride];
            }
            sum /= scale;
        } else {
            const double at = std::clamp((i + 0.5) * scale - 0.5, 0.0, static_cast<double>(count - 1));
            const int left = static_cast<int>(at);
            const int right = std::min(left + 1, count - 1);
            const double part = at - left;
            sum = (1 - part) * from[left * stride] + part * from[right * stride];
        }
        to[i * toStride] = static_cast<float>(sum);
    }
}

} // namespace

CellGrid FitGrid(int pictureWidth, int pictureHeight, const ConversionSettings& settings, int cellColumns) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return {0, 0};
    cellColumns = std::max(cellColumns, 1);
    // A cell's height over its width, both in columns.
    const double cellAspect = settings.cellRatio / cellColumns;
    const double pictureAspect = static_cast<double>(pictureHeight) / pictureWidth;
    if (settings.columns && settings.lines)
        return {std::max(1, *settings.columns / cellColumns), *settings.lines};
    if (settings.columns) {
        const int cells = std::max(1, *settings.columns / cellColumns);
        return {cells, AtLeastOne(cells * pictureAspect / cellAspect)};
    }
    if (settings.lines) return {AtLeastOne(*settings.lines * cellAspect / pictureAspect), *settings.lines};
    return {pictureWidth, pictureHeight};
}

GreyImage Resample(GreyImage picture, int width, int height) {
    if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0)
        return GreyImage(width, height);
    if (width == picture.width && height == picture.height) return picture;
    GreyImage across(width, picture.height);
    for (int y = 0; y < picture.height; ++y)
        ResampleLine(&picture.levels[static_cast<std::size_t>(y) * picture.width], picture.width, 1,
                     &across.At(0, y), width, 1);
    GreyImage result(width, height);
    for (int x = 0; x < width; ++x)
        ResampleLine(&across.At(x, 0), picture.height, width, &result.At(x, 0), height, width);
    return result;
}

} // namespace gl::tone
