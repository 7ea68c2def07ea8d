// Scaling of a stored layout to the screen's density.
#include "framework/stored/LayoutScaling.h"

#include <cstdint>
#include <limits>

namespace gl {

int ScaleMulDiv(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    std::int64_t product = std::int64_t(value) * numerator;
    std::int64_t magnitude = product < 0 ? -product : product;
    std::int64_t divisor = denominator < 0 ? -std::int64_t(denominator) : denominator;
    std::int64_t rounded = (magnitude + divisor / 2) / divisor;
    bool negative = (product < 0) != (denominator < 0);
    std::int64_t result = negative ? -rounded : rounded;
    // Out of range is a failure of MulDiv as well.
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) return -1;
    return static_cast<int>(result);
}

int ScaleFontHeightToDensity(int storedHeight, int screenPixelsPerInch, int storedPixelsPerInch) {
    if (screenPixelsPerInch <= 0 || storedPixelsPerInch <= 0 || screenPixelsPerInch == storedPixelsPerInch)
        return storedHeight;
    return ScaleMulDiv(storedHeight, screenPixelsPerInch, storedPixelsPerInch);
}

LayoutScale LayoutScaleForTextHeight(int newTextHeight, int storedTextHeight) {
    // A text height that could not be measured leaves the layout as stored rather than collapsing it.
    if (newTextHeight <= 0 || storedTextHeight <= 0) return {};
    return {newTextHeight, storedTextHeight};
}

} // namespace gl
