// Three-dimensional frames drawn on a canvas: the framework's own controls (panels, speed buttons) share
// them.
#pragma once

#include "framework/core/Types.h"
#include "framework/graphics/Colors.h"

namespace gl {

class TCanvas;

// Draws `width` nested one-pixel frames inside `rect`: top and left in topColor, bottom and right in
// bottomColor; `rect` comes back as what is left inside them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

} // namespace gl
