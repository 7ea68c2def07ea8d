// Frame and border painting for every custom-drawn control, and the TColor face of the colour shading.
#include "components/FramePainters.h"

#include "components/ColorShading.h"
#include "framework/graphics/Canvas.h"

#include <algorithm>

namespace gl {

namespace {

RgbColor Resolve(TColor color) {
    return static_cast<RgbColor>(ColorToRGB(color));
}

struct Outline {
    TColor upperLeft = clNone;
    TColor lowerRight = clNone;
};

// How a style is drawn: nothing, an etched pair, or one or two nested outlines (outer first).
struct BorderPlan {
    bool etched = false;
    int count = 0;
    Outline outlines[2];
};

constexpr BorderPlan Plan(Outline outer) {
    return BorderPlan{false, 1, {outer, {}}};
}
constexpr BorderPlan Plan(Outline outer, Outline inner) {
    return BorderPlan{false, 2, {outer, inner}};
}
constexpr BorderPlan Etched(Outline pair) {
    return BorderPlan{true, 1, {pair, {}}};
}

BorderPlan SystemPlan(TFrameStyleEx style) {
    switch (style) {
    case fsFlat:
    case fsFlatRounded:
        return Plan({cl3DDkShadow, cl3DDkShadow});
    case fsGroove:
        return Etched({clBtnShadow, clBtnHighlight});
    case fsBump:
        return Etched({clBtnHighlight, clBtnShadow});
    case fsLowered:
        return Plan({clBtnShadow, clBtnHighlight}, {cl3DDkShadow, cl3DLight});
    case fsButtonDown:
        return Plan({clBtnText, clBtnText}, {clBtnShadow, clBtnShadow});
    case fsRaised:
        return Plan({cl3DLight, cl3DDkShadow}, {clBtnHighlight, clBtnShadow});
    case fsButtonUp:
        return Plan({clBtnHighlight, cl3DDkShadow}, {cl3DLight, clBtnShadow});
    case fsStatus:
        return Plan({clBtnShadow, clBtnHighlight});
    case fsPopup:
        return Plan({clBtnHighlight, clBtnShadow});
    case fsFlatBold:
        return Plan({clBtnShadow, clBtnShadow}, {clBtnShadow, clBtnShadow});
    case fsNone:
        break;
    }
    return BorderPlan{};
}

// The same shapes as SystemPlan, in shades of the base colour: Dn darker and Ln lighter by n.
BorderPlan ColorPlan(TFrameStyleEx style, TColor base) {
    if (style == fsNone) return BorderPlan{};
    const TColor d50 = DarkerColor(base, 50), d100 = DarkerColor(base, 100);
    const TColor l100 = LighterColor(base, 100);
    switch (style) {
    case fsGroove:
        return Etched({d50, l100});
    case fsBump:
        return Etched({l100, d50});
    case fsLowered:
        return Plan({d50, l100}, {d100, LighterColor(base, 50)});
    case fsButtonDown:
        return Plan({d100, d100}, {d50, d50});
    case fsRaised:
        return Plan({LighterColor(base, 50), d100}, {l100, d50});
    case fsButtonUp:
        return Plan({l100, d100}, {LighterColor(base, 40), d50});
    case fsStatus:
        return Plan({d50, l100});
    case fsPopup:
        return Plan({l100, d50});
    case fsFlatBold:
        return Plan({d50, d50}, {d50, d50});
    default:
        return Plan({d50, d50}); // fsFlat, fsFlatRounded
    }
}

TRect DrawPlan(TCanvas& canvas, TRect rect, const BorderPlan& plan, TSides sides) {
    if (plan.etched)
        return DrawEtchedPair(canvas, rect, plan.outlines[0].upperLeft, plan.outlines[0].lowerRight, sides);
    for (int i = 0; i < plan.count; ++i)
        rect = DrawSides(canvas, rect, plan.outlines[i].upperLeft, plan.outlines[i].lowerRight, sides);
    return rect;
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

void Dot(TCanvas& canvas, int x, int y, TColor color) {
    if (color != clNone) canvas.SetPixels(x, y, color);
}

} // namespace

// ---- Shades ----

TColor DarkerColor(TColor color, int n) {
    if (color == clNone) return clNone;
    return static_cast<TColor>(DarkerRgb(Resolve(color), n));
}

TColor LighterColor(TColor color, int n) {
    if (color == clNone) return clNone;
    return static_cast<TColor>(LighterRgb(Resolve(color), n));
}

TColor BlendColors(TColor a, TColor b, int weight) {
    return static_cast<TColor>(BlendRgb(Resolve(a), Resolve(b), weight));
}

TColor AdjustColor(TColor color, int adjustment) {
    // Any adjustment beyond the lightness scale gives what the scale's end gives; held there, the most
    // negative integer can be negated too.
    adjustment = std::clamp(adjustment, -kMaxShadeLightness, kMaxShadeLightness);
    if (adjustment < 0) return DarkerColor(color, -adjustment);
    if (adjustment > 0) return LighterColor(color, adjustment);
    return color;
}

// ---- Outlines ----

TRect DrawSides(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, TSides sides) {
    const TRect r = rect;
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    if (upperLeft != clNone) {
        canvas.Pen().SetColor(upperLeft);
        if (sides.Contains(sdLeft)) Line(canvas, r.left, r.top, r.left, r.bottom);
        if (sides.Contains(sdTop)) Line(canvas, r.left, r.top, r.right, r.top);
    }
    if (lowerRight != clNone) {
        canvas.Pen().SetColor(lowerRight);
        if (sides.Contains(sdRight)) Line(canvas, r.right - 1, r.top, r.right - 1, r.bottom);
        if (sides.Contains(sdBottom)) Line(canvas, r.left, r.bottom - 1, r.right, r.bottom - 1);
    }
    if (sides.Contains(sdLeft)) ++rect.left;
    if (sides.Contains(sdTop)) ++rect.top;
    if (sides.Contains(sdRight)) --rect.right;
    if (sides.Contains(sdBottom)) --rect.bottom;
    return rect;
}

TRect DrawBevel(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, int count, TSides sides) {
    for (int i = 0; i < count; ++i) rect = DrawSides(canvas, rect, upperLeft, lowerRight, sides);
    return rect;
}

void DrawCutCornerOutline(TCanvas& canvas, TRect rect, TColor color) {
    const TRect r = rect;
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(color);
    Line(canvas, r.left, r.top + 1, r.left, r.bottom - 1);
    Line(canvas, r.left + 1, r.top, r.right - 1, r.top);
    Line(canvas, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1);
    Line(canvas, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1);
}

TRect DrawEtchedPair(TCanvas& canvas, TRect rect, TColor upperLeft, TColor lowerRight, TSides sides) {
    const TRect r = rect;
    const bool left = sides.Contains(sdLeft), top = sides.Contains(sdTop);
    const bool right = sides.Contains(sdRight), bottom = sides.Contains(sdBottom);
    // Where a side stops short of its neighbour, its end pixel takes the colour that closes the groove.
    if (right) Dot(canvas, r.right - 1, r.top, lowerRight);
    if (top && !right) Dot(canvas, r.right - 1, r.top, upperLeft);
    if (bottom) Dot(canvas, r.left, r.bottom - 1, lowerRight);
    if (left && !bottom) Dot(canvas, r.left, r.bottom - 1, upperLeft);
    if (top && !left) Dot(canvas, r.left, r.top + 1, lowerRight);
    if (left && !top) Dot(canvas, r.left + 1, r.top, lowerRight);
    if (bottom && !right) Dot(canvas, r.right - 1, r.bottom - 2, upperLeft);
    if (right && !bottom) Dot(canvas, r.right - 2, r.bottom - 1, upperLeft);
    DrawSides(canvas, Rect(r.left + 1, r.top + 1, r.right, r.bottom), lowerRight, lowerRight, sides);
    DrawSides(canvas, Rect(r.left, r.top, r.right - 1, r.bottom - 1), upperLeft, upperLeft, sides);
    if (left) rect.left += 2;
    if (top) rect.top += 2;
    if (right) rect.right -= 2;
    if (bottom) rect.bottom -= 2;
    return rect;
}

// ---- Borders ----

TRect DrawBorder(TCanvas& canvas, TRect rect, TFrameStyleEx style, TSides sides) {
    return DrawPlan(canvas, rect, SystemPlan(style), sides);
}

TRect DrawColorBorder(TCanvas& canvas, TRect rect, TFrameStyleEx style, TSides sides, TColor base) {
    return DrawPlan(canvas, rect, ColorPlan(style, base), sides);
}

void DrawFrame(TCanvas& canvas, int width, int height, TSides sides, TColor frameColor, TColor background,
               TFrameStyleEx style) {
    const TRect rect = Rect(0, 0, width, height);
    // The platform's sunken border is two pixels wide: clear all of it before drawing ours over it.
    DrawBevel(canvas, rect, background, background, 2, sdAllSides);
    switch (style) {
    case fsFlat:
    case fsFlatRounded:
        DrawSides(canvas, rect, frameColor, frameColor, sides);
        break;
    case fsFlatBold:
        DrawBevel(canvas, rect, frameColor, frameColor, 2, sides);
        break;
    default:
        // The value itself decides, not its RGB: a field set to pure white is shaded from white.
        if (background == clWindow)
            DrawBorder(canvas, rect, style, sides);
        else
            DrawColorBorder(canvas, rect, style, sides, background);
        break;
    }
}

} // namespace gl
