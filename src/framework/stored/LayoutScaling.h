// Scaling of a stored layout to the screen it is shown on: the window font follows the screen's density, and
// when the font's text height then differs from the one the layout was made with, every position, size and
// font follows.
#pragma once

namespace gl {

// value × numerator / denominator, rounded to the nearest integer with halves away from zero, as the
// platform's MulDiv does; a zero denominator gives -1 (also as MulDiv).
int ScaleMulDiv(int value, int numerator, int denominator);

// The window font's stored height (pixels, negative for character height) on a screen of the given density.
int ScaleFontHeightToDensity(int storedHeight, int screenPixelsPerInch, int storedPixelsPerInch = 96);

// The factor for positions, sizes and fonts: new text height / stored text height, or none when they are
// equal.
struct LayoutScale {
    int numerator = 1;
    int denominator = 1;

    bool IsIdentity() const { return numerator == denominator; }
    int Apply(int value) const { return IsIdentity() ? value : ScaleMulDiv(value, numerator, denominator); }
};

LayoutScale LayoutScaleForTextHeight(int newTextHeight, int storedTextHeight = 12);

} // namespace gl
