// TRzFontComboBox's drawing: an entry is a glyph for the kind of font in a strip of its own, then the face
// name (in the control's font, in its own face, or both split at the middle), the line under the recently
// used section, and a dotted border round the selected entry.
#include "components/RzCmboBx.h"

#include "framework/graphics/Canvas.h"
#include "platform/fonts/FontApi.h"

namespace gl {

namespace {

constexpr TColor Rgb(int r, int g, int b) {
    return TColor(win::RGB(r, g, b));
}

// The glyphs' colours.
constexpr TColor kLightBlue = Rgb(102, 153, 204);
constexpr TColor kDarkBlue = Rgb(0, 0, 153);
constexpr TColor kBlue = Rgb(51, 153, 204);
constexpr TColor kPale = Rgb(153, 204, 255);
constexpr TColor kGrey = Rgb(229, 229, 229);
constexpr TColor kWhite = Rgb(255, 255, 255);

struct GlyphPart {
    int x, y, w, h;
    TColor color;
};

// Each glyph is a few filled rectangles on the 12 × 12 cell.
constexpr GlyphPart kTrueType[] = {
    {0, 4, 5, 1, kLightBlue}, {2, 4, 1, 6, kLightBlue},                           // small T
    {4, 0, 8, 2, kDarkBlue},  {7, 0, 2, 11, kDarkBlue}, {6, 10, 4, 1, kDarkBlue}, // large T
};
constexpr GlyphPart kTrueTypeFixed[] = {
    {0, 1, 7, 2, kLightBlue},
    {2, 1, 2, 10, kLightBlue}, // T
    {7, 5, 5, 1, kDarkBlue},
    {9, 5, 1, 6, kDarkBlue}, // smaller T
};
constexpr GlyphPart kFixedPitch[] = {
    {0, 5, 3, 4, kDarkBlue}, {4, 3, 1, 6, kDarkBlue},    {5, 5, 2, 4, kDarkBlue},
    {8, 5, 3, 4, kDarkBlue}, {0, 10, 12, 1, kLightBlue},
};
constexpr GlyphPart kPrinter[] = {
    {1, 0, 10, 12, kBlue}, {2, 1, 8, 10, kWhite}, {3, 3, 6, 1, kGrey},
    {3, 5, 6, 1, kGrey},   {3, 7, 6, 1, kGrey},
};
constexpr GlyphPart kDevice[] = {
    {0, 1, 12, 8, kBlue},
    {1, 2, 10, 6, kPale},
    {5, 9, 2, 1, kBlue},
    {3, 10, 6, 1, kBlue},
};

template <std::size_t N> void DrawParts(TCanvas& canvas, int x, int y, const GlyphPart (&parts)[N]) {
    for (const GlyphPart& part : parts) {
        canvas.Brush().SetColor(part.color);
        canvas.FillRect(TRect{x + part.x, y + part.y, x + part.x + part.w, y + part.y + part.h});
    }
}

} // namespace

// ---- Drawing ----

TRzFontGlyph TRzFontComboBox::GlyphFor(TObjectWord pitchAndFamily) const {
    const bool trueType = (pitchAndFamily & win::TMPF_TRUETYPE) != 0;
    const bool fixed = (pitchAndFamily & win::TMPF_FIXED_PITCH) == 0;
    if (trueType && fixed) return fgTrueTypeFixed;
    if (trueType) return fgTrueType;
    if (fixed) return fgFixedPitch;
    return m_fontDevice == fdPrinter ? fgPrinter : fgDevice;
}

void TRzFontComboBox::DrawGlyph(TRzFontGlyph glyph, int x, int y) {
    TCanvas& canvas = *Canvas();
    const TColor brush = canvas.Brush().Color();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(TRect{x, y, x + 12, y + 12});
    switch (glyph) {
    case fgTrueType:
        DrawParts(canvas, x, y, kTrueType);
        break;
    case fgTrueTypeFixed:
        DrawParts(canvas, x, y, kTrueTypeFixed);
        break;
    case fgFixedPitch:
        DrawParts(canvas, x, y, kFixedPitch);
        break;
    case fgPrinter:
        DrawParts(canvas, x, y, kPrinter);
        break;
    case fgDevice:
        DrawParts(canvas, x, y, kDevice);
        break;
    }
    canvas.Brush().SetColor(brush);
}

void TRzFontComboBox::DrawDottedBorder(const TRect& rect) {
    TCanvas& canvas = *Canvas();
    // Every second pixel of each edge, from the second on, in black: no inversion, so drawing it twice leaves
    // the same picture.
    for (int x = rect.left + 1; x < rect.right; x += 2) {
        canvas.SetPixels(x, rect.top, TColor(0));
        canvas.SetPixels(x, rect.bottom - 1, TColor(0));
    }
    for (int y = rect.top + 1; y < rect.bottom; y += 2) {
        canvas.SetPixels(rect.left, y, TColor(0));
        canvas.SetPixels(rect.right - 1, y, TColor(0));
    }
}

void TRzFontComboBox::DrawEntryText(const std::string& name, const TRect& shifted, int textTop,
                                    TRzShowStyle style) {
    TCanvas& canvas = *Canvas();
    switch (style) {
    case ssFontSample:
        canvas.Font().SetName(name);
        canvas.TextRect(shifted, shifted.left + 2, textTop, name);
        break;
    case ssFontNameAndSample: {
        const int mid = shifted.left + (shifted.right - shifted.left) / 2;
        canvas.Font().SetName(Font()->Name());
        canvas.TextRect(TRect{shifted.left, shifted.top, mid - 4, shifted.bottom}, shifted.left + 2, textTop,
                        name);
        canvas.Pen().SetColor(Enabled() ? clWindowText : clBtnShadow);
        canvas.MoveTo(mid - 2, shifted.top);
        canvas.LineTo(mid - 2, shifted.bottom);
        canvas.Font().SetName(name);
        canvas.TextRect(TRect{mid, shifted.top, shifted.right, shifted.bottom}, mid + 2, textTop, name);
        break;
    }
    default:
        canvas.TextRect(shifted, shifted.left + 2, textTop, name);
        break;
    }
}

void TRzFontComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    TCanvas& canvas = *Canvas();
    const bool face = state.Contains(odComboBoxEdit);
    const bool selected = state.Contains(odSelected);
    TRect shifted = rect;
    // The glyph takes a strip of its own, in the background colour; a highlight starts right of it. The strip
    // is filled every time, so no mark of an earlier state can stay in it.
    shifted.left += 24;
    const TColor brush = canvas.Brush().Color();
    canvas.Brush().SetColor(Color());
    canvas.FillRect(TRect{rect.left, rect.top, shifted.left, rect.bottom});
    canvas.Brush().SetColor(brush);
    canvas.FillRect(shifted);
    if (index < 0 || index >= Items()->Count()) {
        if (face && selected) DrawDottedBorder(shifted);
        return;
    }
    DrawGlyph(GlyphFor(Items()->Objects(index)), shifted.left - 20,
              rect.top + (rect.bottom - rect.top - 12) / 2);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    const std::string name = Items()->Strings(index);
    const int textTop = rect.top + (ItemHeight() - canvas.TextExtent("Yy").cy) / 2;
    const TRzShowStyle style = face && m_showStyle == ssFontNameAndSample ? ssFontName : m_showStyle;
    DrawEntryText(name, shifted, textTop, style);
    if (m_showStyle == ssFontPreview && state.Contains(odFocused) && !face && m_previewPanel) {
        m_previewPanel->Font()->SetName(name);
        RefreshPreviewText();
    }
    if (m_maintainMRUFonts && !face && index == m_mruCount) {
        canvas.Pen().SetColor(clWindowText);
        canvas.MoveTo(0, rect.bottom - 1);
        canvas.LineTo(rect.right, rect.bottom - 1);
    }
    if (selected) DrawDottedBorder(shifted);
}

} // namespace gl
