// TRzFontComboBox: the list of installed font families from the platform's family enumeration, the selected
// font handed out as a TFont, selection by name, and the entries drawn with a glyph for the kind of font.
#include "components/RzCmboBx.h"

#include "framework/graphics/Canvas.h"
#include "platform/fonts/FontApi.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Screen.h"

#include <cstring>

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

TRzFontComboBox::TRzFontComboBox(TComponent* owner)
    : TRzCustomComboBox(owner), m_resultFont(std::make_unique<TFont>()) {
    SetStyle(csOwnerDrawFixed);
    SetSorted(true);
    SetDropDownCount(14);
    m_resultFont->SetSize(8);
}

TRzFontComboBox::~TRzFontComboBox() = default;

// ---- The list ----

int TRzFontComboBox::EnumFamily(const win::LOGFONT* logFont, const win::TEXTMETRIC* metrics, win::DWORD,
                                win::LPARAM lParam) {
    if (logFont && metrics) reinterpret_cast<TRzFontComboBox*>(lParam)->AddFamily(*logFont, *metrics);
    // Every family is asked for: the enumeration never stops early.
    return 1;
}

void TRzFontComboBox::AddFamily(const win::LOGFONT& logFont, const win::TEXTMETRIC& metrics) {
    const win::BYTE pitch = metrics.tmPitchAndFamily;
    if (logFont.lfCharSet == win::SYMBOL_CHARSET && !m_showSymbolFonts) return;
    switch (m_fontType) {
    case ftTrueType:
        if (!(pitch & win::TMPF_TRUETYPE)) return;
        break;
    case ftFixedPitch:
        // The bit's name is the opposite of its meaning: set means variable pitch.
        if (pitch & win::TMPF_FIXED_PITCH) return;
        break;
    case ftPrinter:
        return;
    default:
        break;
    }
    // The face name is read up to its terminating zero, never beyond its field.
    const std::string name(logFont.lfFaceName, strnlen(logFont.lfFaceName, sizeof logFont.lfFaceName));
    Items()->AddObject(name, static_cast<TObjectWord>(pitch & 0x0F));
}

void TRzFontComboBox::LoadFontList() {
    // There is no printer: the printer's families are the screen's.
    const win::WindowDC screen(nullptr);
    win::EnumFontFamilies(screen, nullptr, &TRzFontComboBox::EnumFamily, reinterpret_cast<win::LPARAM>(this));
}

void TRzFontComboBox::EnsureFontList() {
    if (m_listLoaded) return;
    m_listLoaded = true;
    Items()->Clear();
    LoadFontList();
}

void TRzFontComboBox::ReloadFontList() {
    if (!m_listLoaded) return;
    const std::string saved = FontName();
    m_listLoaded = false;
    EnsureFontList();
    if (!saved.empty()) SetFontName(saved);
}

void TRzFontComboBox::CreateWnd() {
    // The entries kept from an earlier window come back with the base; a first window fills the list.
    TRzCustomComboBox::CreateWnd();
    EnsureFontList();
}

void TRzFontComboBox::SetFontDevice(TRzFontDevice device) {
    if (m_fontDevice == device) return;
    m_fontDevice = device;
    ReloadFontList();
}

void TRzFontComboBox::SetFontType(TRzFontType type) {
    if (m_fontType == type) return;
    m_fontType = type;
    ReloadFontList();
}

void TRzFontComboBox::SetShowSymbolFonts(bool show) {
    if (m_showSymbolFonts == show) return;
    m_showSymbolFonts = show;
    ReloadFontList();
}

void TRzFontComboBox::SetShowStyle(TRzShowStyle style) {
    if (m_showStyle == style) return;
    m_showStyle = style;
    Invalidate();
}

// ---- The selected font ----

TFont* TRzFontComboBox::CurrentFont() {
    const std::string name = FontName();
    if (name.empty()) return nullptr;
    // Only the face, size and style are the selection's; the rest stays as the font was made.
    m_resultFont->SetName(name);
    m_resultFont->SetSize(m_fontSize);
    m_resultFont->SetStyle(m_fontStyle);
    return m_resultFont.get();
}

void TRzFontComboBox::SetCurrentFont(const TFont* font) {
    SetFontName(font ? font->Name() : std::string());
}

std::string TRzFontComboBox::FontName() {
    EnsureFontList();
    const int index = ItemIndex();
    return index >= 0 && index < Items()->Count() ? Items()->Strings(index) : std::string();
}

void TRzFontComboBox::SetFontName(const std::string& name) {
    EnsureFontList();
    // The whole name, without regard to case; none clears the selection. Selecting from code tells no one.
    SetItemIndex(name.empty() ? -1 : Items()->IndexOf(name));
}

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

void TRzFontComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState) {
    TCanvas& canvas = *Canvas();
    TRect shifted = rect;
    // The glyph takes a strip of its own; a highlight starts right of it.
    shifted.left += 24;
    canvas.FillRect(shifted);
    if (index < 0 || index >= Items()->Count()) return;
    DrawGlyph(GlyphFor(Items()->Objects(index)), shifted.left - 20,
              rect.top + (rect.bottom - rect.top - 12) / 2);
    if (!Enabled()) canvas.Font().SetColor(clBtnShadow);
    const std::string& name = Items()->Strings(index);
    const int textTop = rect.top + (ItemHeight() - canvas.TextExtent("Yy").cy) / 2;
    if (m_showStyle == ssFontSample) canvas.Font().SetName(name);
    canvas.TextRect(shifted, shifted.left + 2, textTop, name);
}

} // namespace gl
