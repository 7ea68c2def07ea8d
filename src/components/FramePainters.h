// The one owner of the controls' look: frame styles and sides, the one-pixel outline, the border painters in
// system colours and in shades of a base colour, the frame of framed fields, and colour shades by TColor.
#pragma once

#include "framework/core/Set.h"
#include "framework/core/Types.h"
#include "framework/graphics/Colors.h"

namespace gl {

class TCanvas;

enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
// The styles fsNone .. fsFlatBold; properties of this type never hold fsFlatRounded.
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
// Stored as bits 1 (left), 2 (top), 4 (right) and 8 (bottom).
using TSides = TSet<TSide>;
inline constexpr TSides sdAllSides{sdLeft, sdTop, sdRight, sdBottom};

// ---- Colour shades, by TColor: system colours are resolved to their current RGB first ----
// clNone stays clNone, so that a shade of "no colour" still draws nothing.
TColor DarkerColor(TColor color, int n);
TColor LighterColor(TColor color, int n);
// Each channel weighted: weight 255 gives a, 0 gives b.
TColor BlendColors(TColor a, TColor b, int weight);
// A negative adjustment darkens by its magnitude, a positive one lightens, 0 keeps the colour as it is.
TColor AdjustColor(TColor color, int adjustment);

// ---- Painters ----
// One outline on the chosen sides of the rectangle: left column and top row in upperLeft, right column and
// bottom row in lowerRight (drawn in that order, so the lower-right colour takes the two shared corners).
// clNone draws nothing. Returns the rectangle shrunk by one pixel on every chosen side.
TRect DrawSides(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, TSides sides);
// `count` nested outlines of the same two colours.
TRect DrawBevel(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, int count, TSides sides);
// One outline of a single colour whose four corner pixels are left out, so the frame looks slightly rounded.
void DrawCutCornerOutline(TCanvas& canvas, TRect rect, TColor color);
// Two outlines offset by one pixel (a groove or a bump), with the corner pixels of partial sides set so the
// ends look cut square. Returns the rectangle shrunk by two pixels on every chosen side.
TRect DrawEtchedPair(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, TSides sides);

// A frame style in the platform's 3-D system colours; returns the rectangle inside it.
TRect DrawBorder(TCanvas& canvas, TRect rect, TFrameStyleEx style, TSides sides);
// A frame style in darker and lighter shades of a base colour; returns the rectangle inside it.
TRect DrawColorBorder(TCanvas& canvas, TRect rect, TFrameStyleEx style, TSides sides, TColor base);

// The frame of a framed field of the given size: the two-pixel ring cleared to the background, then a flat
// line in the frame colour (fsFlat, two for fsFlatBold) or the 3-D border of the style. A background that is
// the system colour clWindow itself takes the system colours; any other value (pure white included) takes
// shades of the background.
void DrawFrame(TCanvas& canvas, int width, int height, TSides sides, TColor frameColor, TColor background,
               TFrameStyleEx style);

} // namespace gl
