// TFont: the face, size, character set, colour and style that text is drawn in, and the platform font made
// from them on demand.
#pragma once

#include "framework/core/Set.h"
#include "framework/graphics/Colors.h"
#include "framework/graphics/GraphicsObject.h"
#include "platform/fonts/FontTypes.h"

#include <cstdint>
#include <string>

namespace gl {

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

enum TFontPitch { fpDefault, fpVariable, fpFixed };

using TFontCharset = std::uint8_t;

// The face a new font starts with. The platform maps it to an installed sans face, as it does for its own
// dialog fonts.
inline constexpr const char* kDefaultFontName = "MS Sans Serif";
// The size in points of a new font.
inline constexpr int kDefaultFontSize = 8;

class TFont : public TGraphicsObject {
public:
    // Size 8 at the screen's density, no style, the window-text colour, the default character set.
    TFont();
    ~TFont() override;

    std::string ClassName() const override { return "TFont"; }

    // Takes every attribute of another font, and tells OnChange once when anything differs. A font of another
    // density keeps the source's size in points rather than its height in pixels. A null source (or one that
    // is not a font) raises EConvertError.
    void Assign(const TPersistent* source) override;

    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name);
    // Points, from the height by this font's density: -Height × 72 / PixelsPerInch, rounded.
    int Size() const;
    void SetSize(int points);
    // Pixels: negative for the character height (internal leading left out), positive for the cell height.
    int Height() const { return m_height; }
    void SetHeight(int height);
    TFontCharset Charset() const { return m_charset; }
    void SetCharset(TFontCharset charset);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    TFontPitch Pitch() const { return m_pitch; }
    void SetPitch(TFontPitch pitch);
    // The density that Size converts by: the screen's when the font was made.
    int PixelsPerInch() const { return m_pixelsPerInch; }
    void SetPixelsPerInch(int pixelsPerInch);

    // The platform font for the current attributes, made on first use and kept until an attribute changes.
    // The font owns it: callers select it but never delete it. Raises EOutOfResources when none can be made.
    win::HFONT Handle();
    bool HandleAllocated() const { return static_cast<bool>(m_handle); }
    // The record the platform font is made from.
    win::LOGFONT LogFont() const;

protected:
    void Changed() override;

private:
    std::string m_name = kDefaultFontName;
    int m_height = 0;
    TFontCharset m_charset = win::DEFAULT_CHARSET;
    TColor m_color = clWindowText;
    TFontStyles m_style;
    TFontPitch m_pitch = fpDefault;
    int m_pixelsPerInch = 96;
    win::UniqueGdiObject<win::HFONT> m_handle;
};

// The screen's pixels per logical inch, as the platform reports it for the screen's device context.
int ScreenPixelsPerInch();

} // namespace gl
