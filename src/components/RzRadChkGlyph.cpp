// The radio button's 13 x 13 glyph: two templates of role letters (unchecked and checked) and the colour of
// each role in the normal, hot, pressed and disabled states.
#include "components/ColorShading.h"
#include "components/RzRadChk.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/gdi/FrameControls.h"

namespace gl {

namespace {

// The checked template differs from the unchecked one only in rows 4 to 8 (the dot).
constexpr const char* kUnchecked[13] = {
    "ttttGLFLGtttt", "ttGFadfdaFGtt", "tGLdfffffdLGt", "tFdffgWgffcFt", "GaffWWWWWeebG",
    "LdfgWWWWWgecL", "FffWWWWWWWeeF", "LdfgWWWWWgecL", "GaffWWWWWeebG", "tFdfegWgeecFt",
    "tGLceeeeecLGt", "ttGFbcecbFGtt", "ttttGLFLGtttt",
};
constexpr const char* kCheckedDot[5] = {
    "GaffWhHhWeebG", "LdfghHHHhgecL", "FffWHHHHHWeeF", "LdfghHHHhgecL", "GaffWhHhWeebG",
};

// A colour equal to a key colour of the template (or the grey that stands for it) would vanish when the keys
// are replaced, so it is nudged by one in red.
TColor Nudged(TColor color) {
    const win::COLORREF rgb = ColorToRGB(color);
    if (rgb == 0x008080 || rgb == 0x00FF00 || rgb == 0x808080) return static_cast<TColor>(rgb + 1);
    return color;
}

TColor RoleColor(const TRzRadioGlyphColors& c, char role) {
    switch (role) {
    case 'W':
        return c.W;
    case 'F':
        return c.F;
    case 'L':
        return c.L;
    case 'a':
        return c.a;
    case 'b':
        return c.b;
    case 'c':
        return c.c;
    case 'd':
        return c.d;
    case 'e':
        return c.e;
    case 'f':
        return c.f;
    case 'g':
        return c.g;
    case 'H':
        return c.H;
    case 'h':
        return c.h;
    case 'G':
        return c.G;
    default:
        return c.t;
    }
}

} // namespace

TRzRadioGlyphColors TRzRadioButton::GlyphColors() const {
    const TColor window = clWindow;
    TRzRadioGlyphColors c{};
    c.F = Nudged(FrameColor());
    c.H = Nudged(HighlightColor());
    c.L = LighterColor(c.F, 10);
    c.t = BackgroundCorner();
    c.G = BlendColors(c.F, c.t, 128);
    c.h = BlendColors(c.H, window, 153);
    TColor inner = window;
    if (!Enabled()) {
        inner = DisabledColor();
        c.H = clBtnShadow;
        c.h = BlendColors(HighlightColor(), inner, 128);
    } else if (ShowsPressed()) {
        inner = DarkerColor(window, 20);
        c.h = BlendColors(c.H, inner, 153);
    }
    c.W = inner;
    c.a = c.b = BlendColors(c.F, inner, 128);
    c.c = c.d = BlendColors(c.F, inner, 80);
    c.e = c.f = c.g = inner;
    if (Enabled() && !ShowsPressed() && HotTrack() && MouseOver()) {
        const TRzRingColors hot = HotTrackRing(HotTrackColor(), HotTrackColorType());
        c.a = BlendColors(c.F, hot.lowerRight, 128);
        c.b = BlendColors(c.F, hot.upperLeft, 128);
        c.c = BlendColors(c.F, hot.lowerRight, 80);
        c.d = BlendColors(c.F, hot.upperLeft, 80);
        c.e = hot.lowerRight;
        c.f = hot.upperLeft;
        c.g = BlendColors(hot.upperLeft, window, 128);
    }
    return c;
}

void TRzRadioButton::DrawGlyph(TCanvas& canvas, int x, int y) {
    // Custom glyphs: unchecked, checked, the two pressed, the two disabled.
    const int state = (Checked() ? 1 : 0) + (!Enabled() ? 4 : (ShowsPressed() ? 2 : 0));
    if (DrawCustomGlyph(canvas, x, y, state)) return;
    if (!HotTrack()) return DrawClassicGlyph(canvas, x, y);
    const TRzRadioGlyphColors colors = GlyphColors();
    for (int row = 0; row < kGlyphSize; ++row) {
        const char* line = Checked() && row >= 4 && row <= 8 ? kCheckedDot[row - 4] : kUnchecked[row];
        for (int column = 0; column < kGlyphSize; ++column) {
            const char role = line[column];
            // Template corners show the face behind the glyph, which is already painted.
            if (role == 't') continue;
            canvas.SetPixels(x + column, y + row, RoleColor(colors, role));
        }
    }
}

// The platform's radio frame control, drawn on the transparent key colour, whose pixels then show the
// background.
void TRzRadioButton::DrawClassicGlyph(TCanvas& canvas, int x, int y) {
    TBitmap glyph;
    glyph.SetWidth(kGlyphSize);
    glyph.SetHeight(kGlyphSize);
    TCanvas& cell = glyph.Canvas();
    cell.Brush().SetColor(TransparentColor());
    cell.FillRect(Rect(0, 0, kGlyphSize, kGlyphSize));
    win::UINT state = win::DFCS_BUTTONRADIO;
    if (Checked()) state |= win::DFCS_CHECKED;
    if (ShowsPressed()) state |= win::DFCS_PUSHED;
    if (!Enabled()) state |= win::DFCS_INACTIVE;
    win::RECT r{0, 0, kGlyphSize, kGlyphSize};
    win::DrawFrameControl(cell.Handle(), &r, win::DFC_BUTTON, state);
    const win::COLORREF key = ColorToRGB(TransparentColor());
    for (int row = 0; row < kGlyphSize; ++row)
        for (int column = 0; column < kGlyphSize; ++column) {
            const win::COLORREF pixel = ColorToRGB(cell.Pixels(column, row));
            if (pixel != key) canvas.SetPixels(x + column, y + row, static_cast<TColor>(pixel));
        }
}

} // namespace gl
